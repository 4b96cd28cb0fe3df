#include "launch_arguments.h"

#include <vector>

#include "affinity_mask.h"
#include "command_line.h"

namespace corelim {

std::variant<Usage, ChildLaunch, BatchRefusal> ParseLaunchArguments(int argc, const char16_t* const* argv,
                                                                    std::u16string_view programFile) {
    if (argc < 3) return Usage{};
    const std::u16string_view script = programFile.empty() ? std::u16string_view(argv[2]) : programFile;
    ChildLaunch launch{ParseAffinityMask(argv[1]), {}, IsBatchFile(script)};
    if (!launch.batchFile) {
        for (int i = 2; i < argc; ++i) AppendArgument(launch.commandLine, argv[i]);
        return launch;
    }
    const std::vector<std::u16string_view> options(argv + 3, argv + argc);
    auto line = BuildBatchCommandLine(script, options);
    if (auto* refusal = std::get_if<BatchRefusal>(&line)) return *refusal;
    launch.commandLine = std::move(std::get<std::u16string>(line));
    return launch;
}

}  // namespace corelim
