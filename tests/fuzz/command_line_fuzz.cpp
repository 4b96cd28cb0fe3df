// The child's command line round trip: an argument list built into a command
// line by the launcher's quoting and split back by the C runtime's rules
// comes back unchanged, in code page 932 and in a single-byte code page.
//
// Input: the first byte's low bit picks the code page; the rest holds the
// words (the program first), separated by NUL bytes, which no argument holds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_line.h"
#include "command_line_reference.h"

namespace {

using corelim::LeadBytePredicate;

std::vector<std::string> DecodeWords(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.emplace_back();
        } else {
            words.back() += static_cast<char>(data[i]);
        }
    }
    return words;
}

// Whether the word's last byte is a lead byte without its second byte.
bool EndsInStrayLeadByte(const std::string& word, LeadBytePredicate isLeadByte) {
    std::size_t i = 0;
    while (i + 1 < word.size()) i += isLeadByte(static_cast<unsigned char>(word[i])) ? 2 : 1;
    return i + 1 == word.size() && isLeadByte(static_cast<unsigned char>(word[i]));
}

bool EndsInBackslash(const std::string& word, LeadBytePredicate isLeadByte) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < word.size(); i += isLeadByte(static_cast<unsigned char>(word[i])) ? 2 : 1) last = i;
    return last != std::string::npos && last + 1 == word.size() && word[last] == '\\';
}

// What the quoting cannot carry: a program that is no file name (a quote, or
// a trailing backslash), and a word ending in half a character.
bool Representable(const std::vector<std::string>& words, LeadBytePredicate isLeadByte) {
    const std::string& program = words.front();
    if (program.find('"') != std::string::npos || EndsInBackslash(program, isLeadByte)) return false;
    for (const auto& word : words) {
        if (EndsInStrayLeadByte(word, isLeadByte)) return false;
    }
    return true;
}

void PrintWords(const char* title, const std::vector<std::string>& words) {
    std::fprintf(stderr, "%s (%zu):\n", title, words.size());
    for (const auto& word : words) {
        std::fputs("  [", stderr);
        for (const char c : word) std::fprintf(stderr, "%02X", static_cast<unsigned char>(c));
        std::fputs("]\n", stderr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return -1;
    const LeadBytePredicate isLeadByte =
        (data[0] & 1) != 0 ? corelim::testing::IsShiftJisLeadByte : corelim::testing::IsNeverLeadByte;
    const std::vector<std::string> words = DecodeWords(data + 1, size - 1);
    if (!Representable(words, isLeadByte)) return -1;

    const std::string line = corelim::testing::JoinArguments(words, isLeadByte);
    const std::vector<std::string> split = corelim::testing::SplitCommandLine(line, isLeadByte);
    if (split != words) {
        std::fprintf(stderr, "round trip failed in code page %s, command line [%s]\n",
                     (data[0] & 1) != 0 ? "932" : "1252", line.c_str());
        PrintWords("arguments", words);
        PrintWords("read back", split);
        std::abort();
    }
    return 0;
}
