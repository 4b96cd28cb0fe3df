#pragma once

#include <cstdint>
#include <string>

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

}  // namespace corelim
