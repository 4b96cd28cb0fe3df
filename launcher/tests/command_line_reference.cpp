#include "command_line_reference.h"

#include <random>

#include "command_line.h"

namespace corelim::test {

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

// One character at a time, with the backslashes held back until what
// follows them is known: a different shape from the programs' splitter, so
// that the same slip is unlikely in both.
std::vector<std::u16string> SplitCommandLine(std::u16string_view line) {
    std::size_t i = 0;
    std::u16string program;
    const bool programQuoted = !line.empty() && line[0] == u'"';
    for (i = programQuoted ? 1 : 0; i < line.size(); ++i) {
        if (programQuoted ? line[i] == u'"' : IsBlank(line[i])) break;
        program += line[i];
    }
    if (programQuoted && i < line.size()) ++i;
    std::vector<std::u16string> words{program};

    std::u16string word;
    bool inWord = false;
    bool quoted = false;
    std::size_t backslashes = 0;
    for (; i <= line.size(); ++i) {
        const bool end = i == line.size();
        const char16_t c = end ? u'\0' : line[i];
        if (c == u'\\') {
            ++backslashes;
            inWord = true;
            continue;
        }
        if (c == u'"') {
            word.append(backslashes / 2, u'\\');
            if (backslashes % 2 == 1) {
                word += u'"';
            } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                word += u'"';
                ++i;
            } else {
                quoted = !quoted;
            }
            backslashes = 0;
            inWord = true;
            continue;
        }
        word.append(backslashes, u'\\');
        backslashes = 0;
        if (end || (!quoted && IsBlank(c))) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            continue;
        }
        word += c;
        inWord = true;
    }
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

}  // namespace corelim::test
