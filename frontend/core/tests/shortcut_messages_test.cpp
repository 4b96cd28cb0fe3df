#include "shortcut_messages.h"

#include <gtest/gtest.h>

namespace {

// The processors the window could not tick, named in runs.
TEST(ShortCutMessages, UntickedProcessorsAreNamedInRuns) {
    const struct {
        std::uint32_t mask, unticked;
        const char16_t* named;
    } cases[] = {
        {0xFFFFFFFFu, 0xFFFFFFFCu, u"(マスク 4294967295) のうち、CPU 2～31 は"},
        {0x80000005u, 0x80000004u, u"(マスク 2147483653) のうち、CPU 2、CPU 31 は"},
        {0x3Cu, 0x3Cu, u"(マスク 60) のうち、CPU 2～5 は"},
    };
    for (const auto& c : cases) {
        const std::u16string message = corelim::ComposeUntickedProcessorsMessage(c.mask, c.unticked);
        EXPECT_NE(message.find(c.named), std::u16string::npos) << testing::PrintToString(message);
    }
}

}  // namespace
