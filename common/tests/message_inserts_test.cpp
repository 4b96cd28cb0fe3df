#include "message_inserts.h"

#include <gtest/gtest.h>

#include <string>

// What FormatMessage leaves of a message's inserts and escapes when asked
// to ignore them never shows raw.
TEST(MessageInserts, SystemMessagesGetTheProgramForTheirFirstInsert) {
    const struct {
        std::u16string message;
        std::u16string shown;
    } cases[] = {
        {u"%1 is not a valid Win32 application.", u"C:\\a b.exe is not a valid Win32 application."},
        {u"Cannot run %1!s! in %2!d!-bit mode.", u"Cannot run C:\\a b.exe in \u2026-bit mode."},
        {u"%10 %12 %99%1", u"\u2026 \u2026 \u2026C:\\a b.exe"},
        {u"100%% %! %. % done", u"100% ! .  done"},
        {u"%1!unclosed format", u"C:\\a b.exe!unclosed format"},
        {u"%1 is gone! Was %2 moved!", u"C:\\a b.exe is gone! Was \u2026 moved!"},
        {u"no inserts, a last %", u"no inserts, a last %"},
    };
    for (const auto& c : cases) EXPECT_EQ(corelim::FillMessageInserts(c.message, u"C:\\a b.exe"), c.shown);
}
