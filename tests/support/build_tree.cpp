#include "build_tree.h"

#include "wide_text.h"

namespace corelim::test {

std::string FromBuildTreeAnsi(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

std::wstring FromBuildTree(const char* unixPath) { return Widen(FromBuildTreeAnsi(unixPath), CP_ACP); }

}  // namespace corelim::test
