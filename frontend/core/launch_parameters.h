#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corelim {

// The window's launch read back from the launcher's parameters, as a
// shortcut the window wrote holds them (BuildShortCutRequest), in UTF-16.
struct LaunchParameters {
    std::uint32_t mask;
    std::u16string program;
    std::u16string options;
};

// What the launcher would make of `parameters`. It splits its command line
// by the C runtime's rules (msvcrt's __wgetmainargs): blanks are spaces and
// tabs; 2n backslashes and a quote give n backslashes and toggle quoting,
// 2n+1 give n and a literal quote; "" inside quotes is a literal quote. Its
// first argument is the mask (ParseAffinityMask), its second the program,
// and every later one goes to the program as it is. So the options are the
// exact text after the program's argument and the one blank that follows
// it, where BuildExecuteRequest put them: "C:\dir\" ends no argument, and
// the program runs on into what follows. Nothing when there are fewer than
// two arguments.
std::optional<LaunchParameters> ReadLaunchParameters(std::u16string_view parameters);

// Whether a full path names a launcher: its file name is LauncherFileName,
// in any case. A shortcut with such a target holds a launch the window can
// read back, whichever copy of the launcher it starts.
bool IsLauncherPath(std::u16string_view path);

// What a shortcut handed to the window fills it with. A link to the
// launcher (IsLauncherPath of its target) whose
// arguments read as LaunchParameters gives those, the mask included; any
// other link gives its target as the program and its arguments as the
// options, and no mask.
struct ShortCutFill {
    std::u16string program;
    std::u16string options;
    std::optional<std::uint32_t> mask;
};
ShortCutFill ReadShortCutFill(std::u16string_view target, std::u16string_view arguments);

// Whether a path names a shell link: its extension is ".lnk", in any case.
bool IsShortCutPath(std::u16string_view path);

}  // namespace corelim
