#include "elevation.h"

namespace corelim {

std::variant<RerunElevated, FailureReport> AfterFailedStart(std::u16string_view program, std::uint32_t error,
                                                          std::u16string_view reason, std::size_t commandLineLength,
                                                          bool elevated) {
    if (error == kElevationRequired && !elevated) return RerunElevated{};
    return StartFailureReport(program, error, reason, commandLineLength);
}

}  // namespace corelim
