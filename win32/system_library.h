#pragma once

#include <windows.h>

namespace corelim {

// The programs are often run from a downloads folder, where a DLL named
// like a system one may lie planted. Call first thing: from then on, DLLs
// are looked up in the system folder only (Windows 8 and later, and
// Windows 7 with update KB2533623). Where that is missing, the current
// directory is at least dropped from the search; true then, since that
// setting reaches child processes too and a launcher must undo it for its
// program.
bool RestrictDllSearchToSystemFolder();

// A function of a DLL loaded now rather than imported, from the system
// folder, never the program's or the current one; null when it cannot be
// had. Importing would make every start load the DLL; for a DLL that is not
// one of the system's known DLLs, only this explicit load keeps a planted
// copy out.
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
