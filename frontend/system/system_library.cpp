#include "system_library.h"

#include <string>

namespace corelim {

void RestrictDllSearchToSystemFolder() {
    // Windows 8 and later, and Windows 7 with update KB2533623.
    using SetDefaultDllDirectoriesFn = BOOL WINAPI(DWORD);
    auto* setDefault = LoadedFunction<SetDefaultDllDirectoriesFn>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Where that is missing, at least drop the current directory. (This one
    // reaches child processes too; the launcher resets it for its program.)
    SetDllDirectoryW(L"");
}

FARPROC SystemProcAddress(const wchar_t* dll, const char* name) {
    // The activation context still applies, so comctl32 comes in version 6
    // as the manifest asks.
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) {
        // Without the search flags (an unpatched Windows 7), a full path.
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str());
    }
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace corelim
