#pragma once

#include <windows.h>

namespace corelim {

// The programs are often run from a downloads folder, where a DLL named
// like a system one may lie planted. Call first thing: from then on, DLLs
// are looked up in the system folder only, never in the program's folder or
// the current directory.
void RestrictDllSearchToSystemFolder();

// A function of a DLL that is not one of the system's known DLLs (those are
// always taken from the system folder), loaded from the system folder
// explicitly rather than imported; null when it cannot be had.
FARPROC SystemProcAddress(const wchar_t* dll, const char* name);

// Through void(*)(), the one function type every other converts to.
template <class Function>
Function* AsFunction(FARPROC address) {
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
}

template <class Function>
Function* SystemFunction(const wchar_t* dll, const char* name) {
    return AsFunction<Function>(SystemProcAddress(dll, name));
}

// A function of a known DLL the process has loaded already (kernel32,
// user32), looked up because older Windows versions lack it; null there.
template <class Function>
Function* LoadedFunction(const wchar_t* dll, const char* name) {
    return AsFunction<Function>(GetProcAddress(GetModuleHandleW(dll), name));
}

}  // namespace corelim
