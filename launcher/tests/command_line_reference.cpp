#include "command_line_reference.h"

#include <random>

namespace corelim::testing {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Copies one character (two bytes after a lead byte) and advances past it.
void CopyCharacter(std::string_view line, std::size_t& i, std::string& out,
                   LeadBytePredicate isLeadByte) {
    if (isLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size()) out += line[i++];
    out += line[i++];
}

std::string RandomText(std::mt19937& random, const std::vector<std::string_view>& alphabet,
                       std::size_t maxLength) {
    std::string text;
    const auto length = std::uniform_int_distribution<std::size_t>(0, maxLength)(random);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (std::size_t i = 0; i < length; ++i) text += alphabet[pick(random)];
    return text;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line, LeadBytePredicate isLeadByte) {
    std::vector<std::string> words;
    std::size_t i = 0;

    std::string program;
    if (i < line.size() && line[i] == '"') {
        ++i;
        while (i < line.size() && line[i] != '"') CopyCharacter(line, i, program, isLeadByte);
        if (i < line.size()) ++i;
    } else {
        while (i < line.size() && !IsBlank(line[i])) CopyCharacter(line, i, program, isLeadByte);
    }
    words.push_back(program);

    for (;;) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i == line.size()) break;
        std::string word;
        bool quoted = false;
        for (;;) {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
            bool copy = true;
            if (i < line.size() && line[i] == '"') {
                if (backslashes % 2 == 0) {
                    if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                        ++i;
                    } else {
                        copy = false;
                        quoted = !quoted;
                    }
                }
                backslashes /= 2;
            }
            word.append(backslashes, '\\');
            if (i == line.size() || (!quoted && IsBlank(line[i]))) break;
            if (copy) {
                CopyCharacter(line, i, word, isLeadByte);
            } else {
                ++i;
            }
        }
        words.push_back(word);
    }
    return words;
}

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsNeverLeadByte(unsigned char) { return false; }

std::vector<std::vector<std::string>> GenerateArgumentLists(unsigned seed, int count) {
    // "表" and "ソ" end in 0x5C; "あ" is an ordinary double-byte character.
    const std::vector<std::string_view> programText{"a", "B", ".", " ", "\\", "\x95\x5C", "\x83\x5C", "\x82\xA0"};
    std::vector<std::string_view> optionText = programText;
    optionText.insert(optionText.end(), {"\"", "\t", "\\", "\\\\", "\"\""});

    std::mt19937 random(seed);
    std::vector<std::vector<std::string>> lists;
    for (int n = 0; n < count; ++n) {
        std::vector<std::string> words;
        std::string program = RandomText(random, programText, 6) + ".exe";
        words.push_back(program);
        const auto options = std::uniform_int_distribution<int>(0, 4)(random);
        for (int k = 0; k < options; ++k) words.push_back(RandomText(random, optionText, 8));
        lists.push_back(words);
    }
    return lists;
}

std::string JoinArguments(const std::vector<std::string>& words, LeadBytePredicate isLeadByte) {
    std::string line;
    for (const auto& word : words) AppendArgument(line, word, isLeadByte);
    return line;
}

}  // namespace corelim::testing
