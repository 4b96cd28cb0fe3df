#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "command_line.h"

namespace corelim {

inline constexpr char kUsageText[] = "Usage: Corelim AffinityMask ExecFile [Option for ExecFile ...]";

// What the launcher starts: the child's command line (program and options,
// each followed by one space) and the affinity mask it is confined to.
struct ChildLaunch {
    std::int32_t affinityMask;
    std::string commandLine;
};

// Reads the launcher's own arguments: argv[1] is the mask, argv[2] the
// program, the rest its options. Gives nothing when the mask or the program
// is missing.
std::optional<ChildLaunch> ParseLaunchArguments(int argc, const char* const* argv,
                                                LeadBytePredicate isLeadByte);

}  // namespace corelim
