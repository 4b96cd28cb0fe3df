#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corelim {

// The shortcut button's result messages.
inline constexpr char kShortCutCreated[] = "ショートカットを作成しました";
inline constexpr char kShortCutFailed[] = "ショートカットの作成に失敗しました";

// What the shortcut button writes besides the request's texts.
inline constexpr int kShortCutShowCommand = 10;  // SW_SHOWDEFAULT
inline constexpr int kShortCutHotKey = 0;        // none

// IShellLink::SetHotkey value for a hot key: the low byte is the virtual key;
// a non-zero key gets the modifiers Control and Alt (HOTKEYF_CONTROL |
// HOTKEYF_ALT, 0x06) in the high byte, and 0 stays 0 (no hot key).
std::uint16_t ShortCutHotKey(int hotKey);

// Whether a link may be written at linkPath: only a fully qualified path
// ("C:\..." or "\\server\..."). When the desktop folder cannot be resolved
// its path is empty and the link path becomes "\name.lnk", which Windows
// would take as the root of the current drive.
bool IsUsableLinkPath(const std::string& linkPath);

// Where the shortcut button may write its link, decided on full paths (as
// GetFullPathName gives them, ".." and "/" resolved) so that no program text
// can lead it elsewhere.
enum class LinkPlacement {
    OnDesktop,       // directly in the desktop folder, under a usable name
    OutsideDesktop,  // in another folder, or a stream ("name:stream") of a file
    NoName,          // nothing but dots and blanks before ".lnk"
    DeviceName,      // CON, NUL, COM1... with any extension: Windows opens the device
};

LinkPlacement PlaceLink(std::u16string_view linkPath, std::u16string_view desktopFolder);

// A shell link's texts in UTF-16: what the writer saves, and what a saved
// link gives back. The writer holds a link it saved back against these:
// the same file as the target (the system gives a target back in its own
// spelling), the arguments and the working folder exactly, where a save
// that ran out of room stops short.
struct ShortCutTexts {
    std::u16string target;
    std::u16string arguments;
    std::u16string workingDirectory;
};

}  // namespace corelim
