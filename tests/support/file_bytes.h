#pragma once

#include <string>
#include <vector>

namespace corelim::test {

// What the file holds; none when it cannot be read.
std::vector<unsigned char> ReadBytes(const std::wstring& path);

}  // namespace corelim::test
