#include "shortcut_settings.h"

#include <gtest/gtest.h>

namespace {

using corelim::LinkPlacement;

TEST(ShortCutSettings, HotKeyKeepsTheLowByteWithControlAlt) {
    const struct {
        int hotKey;
        std::uint16_t value;
    } cases[] = {
        {0, 0},
        {0x41, 0x0641},
        {0x0141, 0x0641},  // the caller's modifiers are replaced
        {0x0100, 0},       // no key in the low byte: no hot key at all
        {-1, 0x06FF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(corelim::ShortCutHotKey(c.hotKey), c.value) << c.hotKey;
    }
}

TEST(ShortCutSettings, OnlyFullyQualifiedLinkPathsAreUsable) {
    const struct {
        const char* linkPath;
        bool usable;
    } cases[] = {
        {"C:\\Users\\me\\Desktop\\run.lnk", true},
        {"z:\\run.lnk", true},
        {"m:\\run.lnk", true},
        {"\\\\server\\share\\run.lnk", true},
        {"", false},
        {"\\run.lnk", false},
        {"run.lnk", false},
        {"C:run.lnk", false},
        {"1:\\run.lnk", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(corelim::IsUsableLinkPath(c.linkPath), c.usable) << c.linkPath;
    }
}

// Only a usable name directly in the desktop folder, whatever the program
// text made of the path.
TEST(ShortCutSettings, OnlyUsableNamesDirectlyOnTheDesktop) {
    const struct {
        std::u16string_view linkPath, desktop;
        LinkPlacement placement;
    } cases[] = {
        {u"C:\\Users\\me\\Desktop\\run.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::OnDesktop},
        {u"c:\\users\\ME\\desktop\\COM10.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::OnDesktop},
        {u"D:\\run.lnk", u"D:\\", LinkPlacement::OnDesktop},
        {u"C:\\Users\\me\\Startup\\evil.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::OutsideDesktop},
        {u"C:\\Users\\evil.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::OutsideDesktop},
        {u"C:\\Users\\me\\Desktop\\..\\run.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::OutsideDesktop},
        {u"C:\\Users\\me\\Desktop2\\run.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::OutsideDesktop},
        {u"C:\\Users\\me\\Desktop\\run.exe:x.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::OutsideDesktop},
        {u"\\run.lnk", u"", LinkPlacement::OutsideDesktop},
        {u"run.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::OutsideDesktop},
        {u"C:\\Users\\me\\Desktop\\.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::NoName},
        {u"C:\\Users\\me\\Desktop\\. .\u3000.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::NoName},
        {u"C:\\Users\\me\\Desktop\\nul.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::DeviceName},
        {u"C:\\Users\\me\\Desktop\\Aux.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::DeviceName},
        {u"C:\\Users\\me\\Desktop\\Com9 .txt.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::DeviceName},
        {u"C:\\Users\\me\\Desktop\\LPT\u00B9.lnk", u"C:\\Users\\me\\Desktop", LinkPlacement::DeviceName},
        {u"\\\\.\\nul", u"C:\\Users\\me\\Desktop", LinkPlacement::DeviceName},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(corelim::PlaceLink(c.linkPath, c.desktop), c.placement)
            << testing::PrintToString(std::u16string(c.linkPath));
    }
}

TEST(ShortCutSettings, MessagesAreCodePage932) {
    EXPECT_STREQ(corelim::kShortCutCreated,
                 "\x83\x56\x83\x87\x81\x5B\x83\x67\x83\x4A\x83\x62\x83\x67\x82\xF0"
                 "\x8D\xEC\x90\xAC\x82\xB5\x82\xDC\x82\xB5\x82\xBD");
    EXPECT_STREQ(corelim::kShortCutFailed,
                 "\x83\x56\x83\x87\x81\x5B\x83\x67\x83\x4A\x83\x62\x83\x67\x82\xCC"
                 "\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD");
}

}  // namespace
