#include "shortcut_settings.h"

#include "ascii_text.h"

namespace corelim {

namespace {

// The names Windows keeps for devices in every folder, in any case; the
// superscript digits count as digits there.
bool IsDeviceName(std::u16string_view name) {
    for (const std::u16string_view device : {u"CON", u"PRN", u"AUX", u"NUL"}) {
        if (EqualsAsciiNoCase(name, device)) return true;
    }
    const bool port = name.size() == 4 && (EqualsAsciiNoCase(name.substr(0, 3), u"COM") ||
                                           EqualsAsciiNoCase(name.substr(0, 3), u"LPT"));
    return port && std::u16string_view(u"0123456789\u00B9\u00B2\u00B3").find(name[3]) != std::u16string_view::npos;
}

bool IsDotsOrBlanks(std::u16string_view name) {
    return name.find_first_not_of(u". \u3000") == std::u16string_view::npos;
}

std::u16string_view WithoutTrailing(std::u16string_view text, std::u16string_view characters) {
    const std::size_t end = text.find_last_not_of(characters);
    return text.substr(0, end == std::u16string_view::npos ? 0 : end + 1);
}

// The name before its first dot and the blanks before that, where Windows
// looks for a device's name.
std::u16string_view DeviceNamePart(std::u16string_view fileName) {
    return WithoutTrailing(fileName.substr(0, fileName.find(u'.')), u" ");
}

}  // namespace

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

LinkPlacement PlaceLink(std::u16string_view linkPath, std::u16string_view desktopFolder) {
    const std::size_t separator = linkPath.find_last_of(u"\\/");
    if (separator == std::u16string_view::npos) return LinkPlacement::OutsideDesktop;
    // The name first: Windows before 11 makes "...\nul.lnk" full as "\\.\nul".
    const std::u16string_view name = linkPath.substr(separator + 1);
    if (IsDotsOrBlanks(name.substr(0, name.rfind(u'.')))) return LinkPlacement::NoName;
    if (IsDeviceName(DeviceNamePart(name))) return LinkPlacement::DeviceName;
    const std::u16string_view desktop = WithoutTrailing(desktopFolder, u"\\/");
    const bool inDesktop = !desktop.empty() && EqualsAsciiNoCase(linkPath.substr(0, separator), desktop);
    // A colon in the name would write a stream of another file.
    return inDesktop && name.find(u':') == std::u16string_view::npos ? LinkPlacement::OnDesktop
                                                                      : LinkPlacement::OutsideDesktop;
}

}  // namespace corelim
