#include "system_library.h"

#include "system_paths.h"
#include "wide_text.h"

namespace corelim {

bool RestrictDllSearchToSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL WINAPI(DWORD);
    auto* setDefault = LoadedFunction<SetDefaultDllDirectoriesFn>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return false;
    return SetDllDirectoryW(L"") != FALSE;
}

FARPROC SystemProcAddress(const wchar_t* dll, const char* name) {
    // The activation context still applies, so comctl32 comes in version 6
    // as the manifest asks.
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) {
        // Without the search flags (an unpatched Windows 7), a full path.
        const std::u16string folder = SystemFolder();
        if (folder.empty()) return nullptr;
        module = LoadLibraryW(AsWide(folder + u"\\" + reinterpret_cast<const char16_t*>(dll)));
    }
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace corelim
