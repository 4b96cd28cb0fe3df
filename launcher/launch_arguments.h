#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "batch_command_line.h"

namespace corelim {

// The mask or the program is missing.
struct Usage {};

// What the launcher starts: the child's command line and the affinity mask
// it is confined to. A batch file's line is cmd.exe's, to be started with
// cmd.exe as the application.
struct ChildLaunch {
    std::uint32_t affinityMask;
    std::u16string commandLine;
    bool batchFile;
};

// Reads the launcher's own arguments: argv[1] is the mask, argv[2] the
// program, the rest its options. Each option reaches the program as the
// argument it was here: an ordinary program gets each one quoted for the C
// runtime's splitter, each followed by one space; a batch file gets them
// written for cmd.exe, or is refused when one cannot be.
//
// `programFile` is the full path of the file the system would start for
// argv[2] (empty when there is none): whether that is a batch file decides,
// and cmd.exe is handed that path. Without one the program's own text
// decides; the caller then reports the missing file and starts nothing.
std::variant<Usage, ChildLaunch, BatchRefusal> ParseLaunchArguments(int argc, const char16_t* const* argv,
                                                                    std::u16string_view programFile);

}  // namespace corelim
