#include "launch_parameters.h"

#include "affinity_mask.h"
#include "ascii_text.h"
#include "command_line_words.h"
#include "launch_request.h"

namespace corelim {

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
