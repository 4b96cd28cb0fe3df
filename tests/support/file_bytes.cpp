#include "file_bytes.h"

#include <fstream>
#include <iterator>

namespace corelim::test {

std::vector<unsigned char> ReadBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace corelim::test
