#include "shortcut_settings.h"

namespace corelim {

std::uint16_t ShortCutHotKey(int hotKey) {
    const auto key = static_cast<std::uint16_t>(hotKey & 0xFF);
    return key == 0 ? 0 : static_cast<std::uint16_t>(0x0600 | key);
}

bool IsUsableLinkPath(const std::string& linkPath) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    const bool drive = linkPath.size() >= 3 && isLetter(linkPath[0]) && linkPath[1] == ':' &&
                       linkPath[2] == '\\';
    const bool unc = linkPath.compare(0, 2, "\\\\") == 0;
    return drive || unc;
}

}  // namespace corelim
