#include "shortcut_settings.h"

#include <gtest/gtest.h>

namespace {

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

TEST(ShortCutSettings, MessagesAreCodePage932) {
    EXPECT_STREQ(corelim::kShortCutCreated,
                 "\x83\x56\x83\x87\x81\x5B\x83\x67\x83\x4A\x83\x62\x83\x67\x82\xF0"
                 "\x8D\xEC\x90\xAC\x82\xB5\x82\xDC\x82\xB5\x82\xBD");
    EXPECT_STREQ(corelim::kShortCutFailed,
                 "\x83\x56\x83\x87\x81\x5B\x83\x67\x83\x4A\x83\x62\x83\x67\x82\xCC"
                 "\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD");
}

}  // namespace
