#include "launch_parameters.h"

#include "affinity_mask.h"
#include "launch_request.h"

namespace corelim {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// One argument from `at` (past any blanks), split as the C runtime splits
// it; `at` is left where the argument ends. Nothing at the end of the text.
std::optional<std::u16string> NextArgument(std::u16string_view line, std::size_t& at) {
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

bool EndsWithAsciiNoCase(std::u16string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    const std::u16string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        if (lower(tail[i]) != lower(static_cast<char16_t>(ending[i]))) return false;
    }
    return true;
}

}  // namespace

std::optional<LaunchParameters> ReadLaunchParameters(std::u16string_view parameters) {
    std::size_t at = 0;
    const auto mask = NextArgument(parameters, at);
    if (!mask) return std::nullopt;
    auto program = NextArgument(parameters, at);
    if (!program) return std::nullopt;
    if (at < parameters.size()) ++at;  // the blank after the program
    return LaunchParameters{ParseAffinityMask(*mask), std::move(*program), std::u16string(parameters.substr(at))};
}

ShortCutFill ReadShortCutFill(std::u16string_view target, std::u16string_view arguments) {
    // The target is a full path: read from the link's item ID list.
    if (EndsWithAsciiNoCase(target, std::string("\\") + LauncherFileName)) {
        if (auto parameters = ReadLaunchParameters(arguments)) {
            return {std::move(parameters->program), std::move(parameters->options), parameters->mask};
        }
    }
    return {std::u16string(target), std::u16string(arguments), std::nullopt};
}

bool IsShortCutPath(std::u16string_view path) { return EndsWithAsciiNoCase(path, ".lnk"); }

}  // namespace corelim
