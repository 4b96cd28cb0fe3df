#pragma once

#include <windows.h>

namespace corelim {

// A function of one of the system's known DLLs (user32, shell32, advapi32,
// ole32) that the launcher needs only now and then: importing them would
// make every start load them. Loaded from the system folder; where that
// search flag is missing (Windows 7 without update KB2533623), by name,
// which for a known DLL still means the system folder, never the launcher's
// or the current one. Null when it cannot be had.
template <class Function>
Function* KnownDllFunction(const wchar_t* dll, const char* name) {
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) module = LoadLibraryW(dll);
    // Through void(*)(), the one function type every other converts to.
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace corelim
