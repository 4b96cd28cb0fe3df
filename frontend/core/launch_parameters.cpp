#include "launch_parameters.h"

#include "affinity_mask.h"
#include "command_line_words.h"
#include "launch_request.h"

namespace corelim {

namespace {

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
    const auto mask = NextWord(parameters, at);
    if (!mask) return std::nullopt;
    auto program = NextWord(parameters, at);
    if (!program) return std::nullopt;
    if (at < parameters.size()) ++at;  // the blank after the program
    return LaunchParameters{ParseAffinityMask(*mask), std::move(*program), std::u16string(parameters.substr(at))};
}

ShortCutFill ReadShortCutFill(std::u16string_view target, std::u16string_view arguments) {
    // The target is a full path: read from the link's item ID list.
    if (IsLauncherPath(target)) {
        if (auto parameters = ReadLaunchParameters(arguments)) {
            return {std::move(parameters->program), std::move(parameters->options), parameters->mask};
        }
    }
    return {std::u16string(target), std::u16string(arguments), std::nullopt};
}

bool IsLauncherPath(std::u16string_view path) {
    return EndsWithAsciiNoCase(path, std::string("\\") + LauncherFileName);
}

bool IsShortCutPath(std::u16string_view path) { return EndsWithAsciiNoCase(path, ".lnk"); }

}  // namespace corelim
