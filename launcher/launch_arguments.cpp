#include "launch_arguments.h"

#include "affinity_mask.h"

namespace corelim {

std::optional<ChildLaunch> ParseLaunchArguments(int argc, const char* const* argv,
                                                LeadBytePredicate isLeadByte) {
    if (argc < 3) return std::nullopt;
    ChildLaunch launch{ParseAffinityMask(argv[1]), {}};
    for (int i = 2; i < argc; ++i) AppendArgument(launch.commandLine, argv[i], isLeadByte);
    return launch;
}

}  // namespace corelim
