#pragma once

#include <cstdint>
#include <string>

#include "shortcut_settings.h"

namespace corelim {

// The messages shown when a shortcut handed to the window (on its command
// line or dropped on it) fills less than it holds. UTF-16, like the
// launch messages, so that any path can be named.

// The link could not be read; systemReason is the system's text for the
// failure, empty when it has none. Nothing was filled.
std::u16string ComposeUnreadableShortCutMessage(const std::u16string& linkPath, const std::u16string& systemReason);

// The link names no file (a web address, a Store app, a Control Panel
// item). Nothing was filled.
std::u16string ComposeNoFileTargetMessage(const std::u16string& linkPath);

// A file lies on the desktop under the name of the link the shortcut
// button would write, and the window did not write it: whether to replace
// it (Yes/No), and what is said when it is kept and nothing was written.
std::u16string ComposeReplaceOtherShortCutQuestion(const std::u16string& linkPath);
std::u16string ComposeOtherShortCutKeptMessage(const std::u16string& linkPath);

// Added to the shortcut button's failure message when the temporary file
// it saved the link to first could not be removed: the file, which may go.
std::u16string ComposeTemporaryFileLeftNote(const std::u16string& path);

// The shortcut button writes nothing for `program` (as typed), whose link
// would be `linkName` at a place PlaceLink refuses: why, and what to do.
std::u16string ComposeLinkRefusedMessage(const std::u16string& program, const std::u16string& linkName,
                                         LinkPlacement placement);

// The window's own link asks, through `mask`, for the processors `unticked`
// too, which the window cannot tick (beyond CPU 3, or not on this machine):
// the others were ticked, and saving the window again would drop these.
// The processors are named in runs: "CPU 2、CPU 4～31".
std::u16string ComposeUntickedProcessorsMessage(std::uint32_t mask, std::uint32_t unticked);

}  // namespace corelim
