#include "build_tree.h"

#include <windows.h>

namespace corelim::test {

std::string FromBuildTreeAnsi(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

std::wstring FromBuildTree(const char* unixPath) {
    const std::string path = FromBuildTreeAnsi(unixPath);
    std::wstring wide(path.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

}  // namespace corelim::test
