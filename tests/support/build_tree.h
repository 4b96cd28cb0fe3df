#pragma once

#include <string>

namespace corelim::test {

// A build-tree file as Windows programs under Wine see it: "/a/b" is
// "Z:\a\b" (Wine's Z: drive is the Linux root).
std::string FromBuildTreeAnsi(const char* unixPath);
std::wstring FromBuildTree(const char* unixPath);

}  // namespace corelim::test
