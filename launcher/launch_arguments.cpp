#include "launch_arguments.h"

#include <vector>

#include "affinity_mask.h"
#include "command_line.h"

namespace corelim {

std::variant<Usage, ChildLaunch, BatchRefusal> ParseLaunchArguments(int argc, const char16_t* const* argv) {
    if (argc < 3) return Usage{};
    ChildLaunch launch{ParseAffinityMask(argv[1]), {}, IsBatchFile(argv[2])};
    if (!launch.batchFile) {
        for (int i = 2; i < argc; ++i) AppendArgument(launch.commandLine, argv[i]);
        return launch;
    }
    const std::vector<std::u16string_view> options(argv + 3, argv + argc);
    auto line = BuildBatchCommandLine(argv[2], options);
    if (auto* refusal = std::get_if<BatchRefusal>(&line)) return *refusal;
    launch.commandLine = std::move(std::get<std::u16string>(line));
    return launch;
}

}  // namespace corelim
