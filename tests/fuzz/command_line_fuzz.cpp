// The child's command line round trip: an argument list built into a UTF-16
// command line by the launcher's quoting and split back by the C runtime's
// rules comes back unchanged.
//
// Input: UTF-16 code units, two bytes each, low byte first; the words (the
// program first) are separated by the code unit 0, which no argument holds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_line_reference.h"

namespace {

std::vector<std::u16string> DecodeWords(const std::uint8_t* data, std::size_t size) {
    std::vector<std::u16string> words(1);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        if (unit == 0) {
            words.emplace_back();
        } else {
            words.back() += unit;
        }
    }
    return words;
}

// A program that is no file name (a quote, or a trailing backslash) is read
// by the system's simpler rule for the first word, which no quoting serves.
bool IsFileName(const std::u16string& program) {
    return program.find(u'"') == std::u16string::npos && (program.empty() || program.back() != u'\\');
}

void PrintWords(const char* title, const std::vector<std::u16string>& words) {
    std::fprintf(stderr, "%s (%zu):\n", title, words.size());
    for (const auto& word : words) {
        std::fputs("  [", stderr);
        for (const char16_t c : word) std::fprintf(stderr, " %04X", static_cast<unsigned>(c));
        std::fputs(" ]\n", stderr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> words = DecodeWords(data, size);
    if (!IsFileName(words.front())) return -1;

    const std::u16string line = corelim::test::JoinArguments(words);
    const std::vector<std::u16string> split = corelim::test::SplitCommandLine(line);
    if (split != words) {
        PrintWords("arguments", words);
        PrintWords("read back", split);
        std::abort();
    }
    return 0;
}
