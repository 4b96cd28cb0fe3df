// Loads dwmapi.dll (not a known DLL, and not loaded by Wine's own start-up)
// by name, after restricting the search when asked with "restricted", and
// prints the path it came from.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "system_library.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "restricted") == 0) corelim::RestrictDllSearchToSystemFolder();
    HMODULE module = LoadLibraryW(L"dwmapi.dll");
    char path[MAX_PATH] = "(not loaded)";
    if (module) GetModuleFileNameA(module, path, MAX_PATH);
    std::printf("%s\n", path);
    return module ? 0 : 1;
}
