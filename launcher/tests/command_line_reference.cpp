#include "command_line_reference.h"

#include <random>

#include "command_line.h"
#include "command_line_words.h"

namespace corelim::testing {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string RandomText(std::mt19937& random, const std::vector<std::u16string_view>& alphabet,
                          std::size_t maxLength) {
    std::u16string text;
    const auto length = std::uniform_int_distribution<std::size_t>(0, maxLength)(random);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (std::size_t i = 0; i < length; ++i) text += alphabet[pick(random)];
    return text;
}

}  // namespace

std::vector<std::u16string> SplitCommandLine(std::u16string_view line) {
    std::vector<std::u16string> words;
    std::size_t i = 0;

    std::u16string program;
    if (i < line.size() && line[i] == u'"') {
        ++i;
        while (i < line.size() && line[i] != u'"') program += line[i++];
        if (i < line.size()) ++i;
    } else {
        while (i < line.size() && !IsBlank(line[i])) program += line[i++];
    }
    words.push_back(program);

    while (auto word = NextWord(line, i)) words.push_back(*word);
    return words;
}

std::vector<std::vector<std::u16string>> GenerateArgumentLists(unsigned seed, int count) {
    // Full-width quote, backslash and C; Korean; "é"; an emoji as a pair.
    const std::vector<std::u16string_view> programText{u"a", u"B", u".", u" ", u"\\", u"\uFF02", u"\uFF3C",
                                                       u"\uFF23", u"\uD55C", u"\u00E9", u"\U0001F600"};
    std::vector<std::u16string_view> optionText = programText;
    optionText.insert(optionText.end(), {u"\"", u"\t", u"\\", u"\\\\", u"\"\"", u"\xD800", u"\xDC00"});

    std::mt19937 random(seed);
    std::vector<std::vector<std::u16string>> lists;
    for (int n = 0; n < count; ++n) {
        std::vector<std::u16string> words;
        words.push_back(RandomText(random, programText, 6) + u".exe");
        const auto options = std::uniform_int_distribution<int>(0, 4)(random);
        for (int k = 0; k < options; ++k) words.push_back(RandomText(random, optionText, 8));
        lists.push_back(words);
    }
    return lists;
}

std::u16string JoinArguments(const std::vector<std::u16string>& words) {
    std::u16string line;
    for (const auto& word : words) AppendArgument(line, word);
    return line;
}

}  // namespace corelim::testing
