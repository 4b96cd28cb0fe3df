#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include "command_line_reference.h"

namespace {

// The command line as shell32's CommandLineToArgvW splits it: the system's
// splitter, not the C runtime's that a C program's main gets its arguments
// from (the end-to-end tests hold the launcher to that one).
std::vector<std::u16string> SplitLikeTheSystem(const std::u16string& line) {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(reinterpret_cast<const wchar_t*>(line.c_str()), &count);
    std::vector<std::u16string> result;
    for (int i = 0; i < count; ++i) result.emplace_back(reinterpret_cast<const char16_t*>(words[i]));
    LocalFree(words);
    return result;
}

TEST(CommandLineOnWindows, RoundTripsThroughCommandLineToArgvW) {
    for (const auto& words : corelim::test::GenerateArgumentLists(4242, 500)) {
        const std::u16string line = corelim::test::JoinArguments(words);
        ASSERT_EQ(SplitLikeTheSystem(line), words) << ::testing::PrintToString(line);
    }
}

// The reference splitter of the portable tests agrees with the system's.
TEST(CommandLineOnWindows, ReferenceSplitterMatchesCommandLineToArgvW) {
    for (const std::u16string line : {
             uR"(x.exe a\\\"b "c d" e\\ "f\\" "" g"h i"j)",
             u"\"\uFF3C dir\\\U0001F600.exe\" \"\uFF02\" \"\xD800\\\"\" \uFF3C\\",
             u"x.exe \"a\tb\"\t c",
         }) {
        EXPECT_EQ(corelim::test::SplitCommandLine(line), SplitLikeTheSystem(line)) << ::testing::PrintToString(line);
    }
}

}  // namespace
