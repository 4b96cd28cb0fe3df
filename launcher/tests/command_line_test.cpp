#include "command_line.h"
#include "command_line_reference.h"
#include "launch_arguments.h"

#include <gtest/gtest.h>

namespace {

using corelim::LeadBytePredicate;
using corelim::testing::IsNeverLeadByte;
using corelim::testing::IsShiftJisLeadByte;
using corelim::testing::JoinArguments;
using corelim::testing::SplitCommandLine;

struct JoinCase {
    std::vector<std::string> words;
    std::string expected;
};

void CheckJoins(const std::vector<JoinCase>& cases, LeadBytePredicate isLeadByte) {
    for (const auto& c : cases) {
        const std::string line = JoinArguments(c.words, isLeadByte);
        EXPECT_EQ(line, c.expected);
        EXPECT_EQ(SplitCommandLine(line, isLeadByte), c.words) << line;
    }
}

TEST(CommandLine, PlainWordsAreCopiedAndEachIsFollowedByOneSpace) {
    CheckJoins({
        {{"notepad.exe", "a.txt"}, "notepad.exe a.txt "},
        {{R"(C:\Tools\run.exe)", "-a", "-b"}, R"(C:\Tools\run.exe -a -b )"},
        {{R"(C:\dir\)", R"(a\\b)", R"(\\server\share\)"}, R"(C:\dir\ a\\b \\server\share\ )"},
        {{"x.exe", "\n\v"}, "x.exe \n\v "},
    }, IsShiftJisLeadByte);
}

TEST(CommandLine, BlanksTabsAndEmptyArgumentsAreQuoted) {
    CheckJoins({
        {{R"(C:\Program Files\App\app.exe)", "two words"},
         R"("C:\Program Files\App\app.exe" "two words" )"},
        {{"x.exe", ""}, R"(x.exe "" )"},
        {{"x.exe", "", ""}, R"(x.exe "" "" )"},
        {{"x.exe", "a\tb"}, "x.exe \"a\tb\" "},
        {{"x.exe", " "}, R"(x.exe " " )"},
    }, IsShiftJisLeadByte);
}

TEST(CommandLine, QuotesAndTheBackslashesBeforeThemAreEscaped) {
    CheckJoins({
        {{"x.exe", R"(say "hi")"}, R"(x.exe "say \"hi\"" )"},
        {{"x.exe", R"(a"b)"}, R"(x.exe "a\"b" )"},
        {{"x.exe", R"(")"}, R"(x.exe "\"" )"},
        {{"x.exe", R"(a\"b)"}, R"(x.exe "a\\\"b" )"},
        {{"x.exe", R"(a\\"b)"}, R"(x.exe "a\\\\\"b" )"},
        {{"x.exe", R"(C:\my dir\)"}, R"(x.exe "C:\my dir\\" )"},
        {{"x.exe", R"(a b\\)"}, R"(x.exe "a b\\\\" )"},
        {{"x.exe", R"(a\b c)"}, R"(x.exe "a\b c" )"},
    }, IsShiftJisLeadByte);
}

// "表" is 0x95 0x5C in Shift-JIS: its second byte is no backslash there, but
// is one in a single-byte code page.
TEST(CommandLine, SecondByteOfDoubleByteCharacterIsNoBackslash) {
    CheckJoins({
        {{"x.exe", "\x95\x5C"}, "x.exe \x95\x5C "},
        {{"x.exe", "a \x95\x5C"}, "x.exe \"a \x95\x5C\" "},
        {{"x.exe", "\x95\x5C\""}, "x.exe \"\x95\x5C\\\"\" "},
        {{"\x95\x5C \x83\x5C.exe", "\x95\x5C\\ "}, "\"\x95\x5C \x83\x5C.exe\" \"\x95\x5C\\ \" "},
        {{"x.exe", "a \x95\x5C\\"}, "x.exe \"a \x95\x5C\\\\\" "},
    }, IsShiftJisLeadByte);
    CheckJoins({
        {{"x.exe", "a \x95\x5C"}, "x.exe \"a \x95\x5C\\\" "},
        {{"x.exe", "\x95\x5C\""}, "x.exe \"\x95\x5C\\\\\"\" "},
    }, IsNeverLeadByte);
}

TEST(CommandLine, RoundTripsThroughTheRuntimeSplitter) {
    for (const auto& words : corelim::testing::GenerateArgumentLists(20260, 3000)) {
        for (const LeadBytePredicate isLeadByte : {IsShiftJisLeadByte, IsNeverLeadByte}) {
            const std::string line = JoinArguments(words, isLeadByte);
            ASSERT_EQ(SplitCommandLine(line, isLeadByte), words) << line;
        }
    }
}

TEST(LaunchArguments, MaskAndProgramAreRequired) {
    const char* const one[] = {"Corelim", "3"};
    EXPECT_FALSE(corelim::ParseLaunchArguments(0, one, IsShiftJisLeadByte));
    EXPECT_FALSE(corelim::ParseLaunchArguments(1, one, IsShiftJisLeadByte));
    EXPECT_FALSE(corelim::ParseLaunchArguments(2, one, IsShiftJisLeadByte));
    EXPECT_STREQ(corelim::kUsageText, "Usage: Corelim AffinityMask ExecFile [Option for ExecFile ...]");
}

TEST(LaunchArguments, MaskThenProgramAndOptions) {
    const char* const bare[] = {"Corelim", "15abc", "notepad.exe"};
    const auto launch = corelim::ParseLaunchArguments(3, bare, IsShiftJisLeadByte);
    ASSERT_TRUE(launch);
    EXPECT_EQ(launch->affinityMask, 15);
    EXPECT_EQ(launch->commandLine, "notepad.exe ");

    const char* const typical[] = {"Corelim", "5", R"(C:\Tools\run.exe)", "-a", "-b"};
    const auto road = corelim::ParseLaunchArguments(5, typical, IsShiftJisLeadByte);
    ASSERT_TRUE(road);
    EXPECT_EQ(road->affinityMask, 5);
    EXPECT_EQ(road->commandLine, R"(C:\Tools\run.exe -a -b )");
}

}  // namespace
