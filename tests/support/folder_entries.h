#pragma once

#include <string>
#include <vector>

namespace corelim::test {

// The names in a folder (ANSI path, no trailing backslash), "." and ".."
// left out; none when the folder cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder);

}  // namespace corelim::test
