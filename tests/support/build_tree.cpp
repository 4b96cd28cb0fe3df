#include "build_tree.h"

#include <windows.h>

#include "wide_text.h"

namespace corelim::test {

std::string FromBuildTreeAnsi(const char* unixPath) {
    const std::string path(unixPath);
    char own[MAX_PATH];
    std::string beside(own, GetModuleFileNameA(nullptr, own, MAX_PATH));
    beside = beside.substr(0, beside.find_last_of('\\') + 1) + path.substr(path.find_last_of('/') + 1);
    if (GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;

    std::string inWine = "Z:" + path;
    for (char& c : inWine) c = c == '/' ? '\\' : c;
    return inWine;
}

std::wstring FromBuildTree(const char* unixPath) { return Widen(FromBuildTreeAnsi(unixPath), CP_ACP); }

}  // namespace corelim::test
