#pragma once

#include <string>

namespace corelim::test {

// A file or folder the tests need, by its build-tree path. In the test
// bundle it lies beside the test program, under its own name; in the build
// tree under Wine, "/a/b" is "Z:\a\b" (Wine's Z: drive is the Linux root).
std::string FromBuildTreeAnsi(const char* unixPath);
std::wstring FromBuildTree(const char* unixPath);

}  // namespace corelim::test
