#include "affinity_mask.h"

#include <gtest/gtest.h>

namespace {

using corelim::ParseAffinityMask;

TEST(AffinityMask, DecimalDigitsUpToTheFirstOtherCharacter) {
    EXPECT_EQ(ParseAffinityMask("3"), 3);
    EXPECT_EQ(ParseAffinityMask("15abc"), 15);
    EXPECT_EQ(ParseAffinityMask("0x3"), 0);
    EXPECT_EQ(ParseAffinityMask("abc"), 0);
    EXPECT_EQ(ParseAffinityMask(""), 0);
    EXPECT_EQ(ParseAffinityMask("007"), 7);
}

TEST(AffinityMask, LeadingWhiteSpaceAndSign) {
    EXPECT_EQ(ParseAffinityMask(" \t\n\v\f\r5"), 5);
    EXPECT_EQ(ParseAffinityMask("+5"), 5);
    EXPECT_EQ(ParseAffinityMask("-1"), -1);  // all 32 bits set
    EXPECT_EQ(static_cast<std::uint32_t>(ParseAffinityMask("-1")), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAffinityMask("5 "), 5);
    EXPECT_EQ(ParseAffinityMask("+-5"), 0);
    EXPECT_EQ(ParseAffinityMask("- 5"), 0);
    EXPECT_EQ(ParseAffinityMask("\xA0" "5"), 0);  // only the C locale's blanks
}

TEST(AffinityMask, OutOfRangeSaturates) {
    EXPECT_EQ(ParseAffinityMask("2147483647"), INT32_MAX);
    EXPECT_EQ(ParseAffinityMask("2147483648"), INT32_MAX);
    EXPECT_EQ(ParseAffinityMask("4294967295"), INT32_MAX);
    EXPECT_EQ(ParseAffinityMask("99999999999999999999999999"), INT32_MAX);
    EXPECT_EQ(ParseAffinityMask("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseAffinityMask("-2147483649"), INT32_MIN);
    EXPECT_EQ(ParseAffinityMask("-99999999999999999999999999"), INT32_MIN);
}

}  // namespace
