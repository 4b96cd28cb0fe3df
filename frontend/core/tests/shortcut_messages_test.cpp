#include "shortcut_messages.h"

#include <gtest/gtest.h>

#include "tests/message_parts.h"

namespace {

// The processors the window could not tick, named in runs; with none ticked
// the program is not confined at all, and no processor goes unused.
TEST(ShortCutMessages, UntickedProcessorsAreNamedInRuns) {
    const struct {
        std::uint32_t mask, unticked;
        const char16_t* named;
    } cases[] = {
        {0xFFFFFFFFu, 0xFFFFFFFCu, u"(マスク 4294967295) のうち、CPU 2～31 は"},
        {0x80000005u, 0x80000004u, u"(マスク 2147483653) のうち、CPU 2、CPU 31 は"},
        {0x3Cu, 0x3Cu, u"(マスク 60) のうち、CPU 2～5 は"},
        {48u, 48u, u"(マスク 48) のうち、CPU 4～5 は"},
    };
    for (const auto& c : cases) {
        const std::u16string message = corelim::ComposeUntickedProcessorsMessage(c.mask, c.unticked);
        EXPECT_TRUE(Carries(message, {c.named, c.unticked == c.mask ? u"制限されず" : u"これらの CPU は使われません"}));
        EXPECT_EQ(message.find(u"使われません") == std::u16string::npos, c.unticked == c.mask) << c.mask;
    }
}

// The shortcut button's refusals and its question name the link or the
// program, an empty field as such, and the button to press again.
TEST(ShortCutMessages, RefusalsNameTheProgramAndTheButton) {
    const std::u16string link = u"C:\\Users\\me\\Desktop\\run.lnk";
    const std::u16string again = u"[デスクトップにショートカット作成] を押して";
    const std::pair<std::u16string, std::vector<std::u16string>> cases[] = {
        {corelim::ComposeReplaceOtherShortCutQuestion(link), {u"同じ名前のショートカット", link, u"置き換えますか"}},
        {corelim::ComposeOtherShortCutKeptMessage(link), {u"[いいえ] を選んだため、", link}},
        {corelim::ComposeLinkRefusedMessage(u"", u".lnk", corelim::LinkPlacement::NoName),
         {u"ショートカットを作成しませんでした。\n(指定なし)\n理由: ", u"[実行ファイル] 欄", again}},
        {corelim::ComposeLinkRefusedMessage(u"C:\\Tools\\nul.exe", u"nul.lnk", corelim::LinkPlacement::DeviceName),
         {u"\nC:\\Tools\\nul.exe\n理由: ", u"「nul.lnk」", again}},
    };
    for (const auto& [message, parts] : cases) EXPECT_TRUE(Carries(message, parts));
}

}  // namespace
