#include "command_line_words.h"

namespace corelim {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::size_t ProgramWordEnd(std::u16string_view line) {
    if (!line.empty() && line[0] == u'"') {
        const std::size_t closing = line.find(u'"', 1);
        return closing == std::u16string_view::npos ? line.size() : closing + 1;
    }
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    return end;
}

std::u16string_view ArgumentsAfterProgramName(std::u16string_view commandLine) {
    const std::size_t start = commandLine.find_first_not_of(u" \t", ProgramWordEnd(commandLine));
    return start == std::u16string_view::npos ? std::u16string_view() : commandLine.substr(start);
}

std::optional<std::u16string> NextWord(std::u16string_view line, std::size_t& at) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size()) return std::nullopt;
    std::u16string word;
    bool quoted = false;
    for (;;) {
        std::size_t backslashes = 0;
        while (at < line.size() && line[at] == u'\\') ++backslashes, ++at;
        bool copy = true;
        if (at < line.size() && line[at] == u'"') {
            if (backslashes % 2 == 0) {
                if (quoted && at + 1 < line.size() && line[at + 1] == u'"') {
                    ++at;
                } else {
                    copy = false;
                    quoted = !quoted;
                }
            }
            backslashes /= 2;
        }
        word.append(backslashes, u'\\');
        if (at == line.size() || (!quoted && IsBlank(line[at]))) return word;
        if (copy) word += line[at];
        ++at;
    }
}

}  // namespace corelim
