#pragma once

#include <cstdint>
#include <string>

namespace corelim {

// The messages Execute and the shortcut button show when they cannot go on.
// They are UTF-16, whatever the program's narrow code page, so that they can
// name characters that neither code page 932 nor the system's holds.

// The texts that travel to the launcher through 8-bit command lines and
// shell links, in the system's ANSI code page.
enum class LaunchText {
    Program,         // Edit_ExecFile, the program's folder included
    Options,         // Edit_Option
    FrontEndFolder,  // the folder of CorelimGUI.exe, and so of the launcher
    DesktopFolder,   // where the shortcut is written
};

enum class LaunchAction { Execute, ShortCut };

// The one message shown, with nothing started or written, when `text` holds
// `character`, which the ANSI code page `codePage` cannot carry: the field,
// the character itself and its U+XXXX code point (a lone surrogate, which
// cannot be shown, by its code point alone), and what to do.
std::u16string ComposeUnconvertibleTextMessage(LaunchAction action, LaunchText text, char32_t character,
                                               unsigned codePage);

// The system error code that explains a failed ShellExecute (a result of 32
// or less): the thread's last error when there is one, else the result
// itself where ShellExecute shares the system's codes (1 to 25); 0 when only
// ShellExecute's own result can tell.
std::uint32_t LaunchFailureErrorCode(std::intptr_t result, std::uint32_t lastError);

// Why the launcher did not start, for the launcher's path. systemReason is
// the system's text for LaunchFailureErrorCode (FormatMessage, its inserts
// left as they are: the launcher's path fills "%1"), empty when that code
// is 0 or the system has no text for it.
std::u16string ComposeLaunchFailureMessage(const std::u16string& launcherPath, std::intptr_t result,
                                           std::uint32_t lastError, const std::u16string& systemReason);

}  // namespace corelim
