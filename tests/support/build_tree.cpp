#include "build_tree.h"

#include "test_text.h"

namespace corelim::test {

std::string FromBuildTreeAnsi(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

std::wstring FromBuildTree(const char* unixPath) { return WidenAnsi(FromBuildTreeAnsi(unixPath)); }

}  // namespace corelim::test
