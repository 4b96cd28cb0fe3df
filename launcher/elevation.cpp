#include "elevation.h"

#include <algorithm>

namespace corelim {

std::u16string_view ArgumentsAfterProgramName(std::u16string_view commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == u'"') {
        end = commandLine.find(u'"', 1);
        end = end == std::u16string_view::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(u" \t"), commandLine.size());
    }
    const std::size_t start = commandLine.find_first_not_of(u" \t", end);
    return start == std::u16string_view::npos ? std::u16string_view() : commandLine.substr(start);
}

std::variant<RerunElevated, FailureReport> AfterFailedStart(std::u16string_view program, std::uint32_t error,
                                                          std::u16string_view reason, std::size_t commandLineLength,
                                                          bool elevated) {
    if (error == kElevationRequired && !elevated) return RerunElevated{};
    return StartFailureReport(program, error, reason, commandLineLength);
}

}  // namespace corelim
