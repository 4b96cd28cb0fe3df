#include "elevation.h"

#include "command_line_words.h"

namespace corelim {

std::u16string_view ArgumentsAfterProgramName(std::u16string_view commandLine) {
    const std::size_t start = commandLine.find_first_not_of(u" \t", ProgramWordEnd(commandLine));
    return start == std::u16string_view::npos ? std::u16string_view() : commandLine.substr(start);
}

std::variant<RerunElevated, FailureReport> AfterFailedStart(std::u16string_view program, std::uint32_t error,
                                                          std::u16string_view reason, std::size_t commandLineLength,
                                                          bool elevated) {
    if (error == kElevationRequired && !elevated) return RerunElevated{};
    return StartFailureReport(program, error, reason, commandLineLength);
}

}  // namespace corelim
