#include "affinity_mask.h"

#include <gtest/gtest.h>

namespace {

using corelim::ParseAffinityMask;

TEST(AffinityMask, DecimalDigitsUpToTheFirstOtherCharacter) {
    EXPECT_EQ(ParseAffinityMask(u"3"), 3u);
    EXPECT_EQ(ParseAffinityMask(u"15abc"), 15u);
    EXPECT_EQ(ParseAffinityMask(u"0x3"), 0u);
    EXPECT_EQ(ParseAffinityMask(u"abc"), 0u);
    EXPECT_EQ(ParseAffinityMask(u""), 0u);
    EXPECT_EQ(ParseAffinityMask(u"007"), 7u);
    EXPECT_EQ(ParseAffinityMask(u"\uFF13"), 0u);  // a full-width 3 is no digit
    EXPECT_EQ(ParseAffinityMask(std::u16string_view(u"15", 1)), 1u);  // nothing read past the view
}

TEST(AffinityMask, LeadingWhiteSpaceAndSign) {
    EXPECT_EQ(ParseAffinityMask(u" \t\n\v\f\r5"), 5u);
    EXPECT_EQ(ParseAffinityMask(u"+5"), 5u);
    EXPECT_EQ(ParseAffinityMask(u"-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAffinityMask(u"5 "), 5u);
    EXPECT_EQ(ParseAffinityMask(u"+-5"), 0u);
    EXPECT_EQ(ParseAffinityMask(u"- 5"), 0u);
    EXPECT_EQ(ParseAffinityMask(u"\u00A0" "5"), 0u);  // only the C locale's blanks
    EXPECT_EQ(ParseAffinityMask(u"\u3000" "5"), 0u);
}

// The 32-bit pattern of every number from -2^31 to 2^32-1; all 32
// processors beyond, never a set that wrapped or stopped at CPU 30.
TEST(AffinityMask, ThirtyTwoBitPatternsThenAllProcessors) {
    EXPECT_EQ(ParseAffinityMask(u"2147483647"), 0x7FFFFFFFu);
    EXPECT_EQ(ParseAffinityMask(u"2147483648"), 0x80000000u);
    EXPECT_EQ(ParseAffinityMask(u"-2147483648"), 0x80000000u);
    EXPECT_EQ(ParseAffinityMask(u"4294901760"), 0xFFFF0000u);
    EXPECT_EQ(ParseAffinityMask(u"-65536"), 0xFFFF0000u);
    EXPECT_EQ(ParseAffinityMask(u"4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAffinityMask(u"4294967296"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAffinityMask(u"-2147483649"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAffinityMask(u"99999999999999999999999999"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAffinityMask(u"-99999999999999999999999999"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAffinityMask(u"00000000000000000000000001"), 1u);
}

}  // namespace
