#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "path_routines.h"

namespace corelim {

// A processor affinity bit set: bit i allows processor i. The front end
// builds 0..15 from its four CPU check boxes.
using CpuMask = std::int32_t;

// The launcher must lie beside the front end under exactly this name.
inline constexpr char LauncherFileName[] = "Corelim.exe";

// What the front end hands the launch service (Execute) or writes into a
// shell link (shortcut): always the launcher, never the user's program.
struct LaunchRequest {
    std::string LauncherPath;
    std::string Parameters;        // the launcher's command line after its own name
    std::string WorkingDirectory;  // the program's folder, bare
    std::string LinkPath;          // shortcut only
};

// The launcher's path: the folder of the front end's own executable
// (ownPath) and LauncherFileName.
std::string LauncherPathBeside(const std::string& ownPath, const LeadByteRule& rule);

// Bit i is set when checks[i] is true (CheckBox_CPU0 .. CheckBox_CPU3).
CpuMask CpuMaskFromChecks(const std::array<bool, 4>& checks);

// ownPath is the front end's own executable, or its folder
// with the trailing backslash: only the folder is used. The program text
// loses the blanks around it and one pair of double quotes around all of
// it, as a pasted path has them; the options stay exactly as typed. Nothing
// is validated: empty texts are composed like any other.
LaunchRequest BuildExecuteRequest(const std::string& execText, const std::string& optionText,
                                  CpuMask mask, const std::string& ownPath,
                                  const LeadByteRule& rule);

// As BuildExecuteRequest, plus LinkPath: desktopPath, a backslash, and the
// program's file name with the extension ".lnk".
LaunchRequest BuildShortCutRequest(const std::string& execText, const std::string& optionText,
                                   CpuMask mask, const std::string& ownPath,
                                   const std::string& desktopPath, const LeadByteRule& rule);

}  // namespace corelim
