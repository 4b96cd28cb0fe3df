#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include "command_line_reference.h"

namespace {

bool IsSystemLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// What a child started with this ANSI command line gets from the system's
// own splitter: CreateProcessA stores the line in UTF-16, the child splits
// that and converts each word back to the ANSI code page.
std::vector<std::string> SplitLikeTheSystem(const std::string& line) {
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, wide.data(), wideLength);

    int count = 0;
    LPWSTR* words = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i) {
        const int length = WideCharToMultiByte(CP_ACP, 0, words[i], -1, nullptr, 0, nullptr, nullptr);
        std::string word(static_cast<std::size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, 0, words[i], -1, word.data(), length, nullptr, nullptr);
        word.pop_back();
        result.push_back(word);
    }
    LocalFree(words);
    return result;
}

TEST(CommandLineOnWindows, RunsInShiftJis) {
    // The test's environment (LANG=ja_JP.UTF-8) selects code page 932 under Wine.
    ASSERT_EQ(GetACP(), 932u);
    EXPECT_TRUE(IsSystemLeadByte(0x95));
    EXPECT_FALSE(IsSystemLeadByte(0x5C));
}

TEST(CommandLineOnWindows, RoundTripsThroughCommandLineToArgvW) {
    for (const auto& words : corelim::testing::GenerateArgumentLists(4242, 500)) {
        const std::string line = corelim::testing::JoinArguments(words, IsSystemLeadByte);
        ASSERT_EQ(SplitLikeTheSystem(line), words) << line;
    }
}

// The reference splitter of the portable tests agrees with the system's.
TEST(CommandLineOnWindows, ReferenceSplitterMatchesCommandLineToArgvW) {
    for (const std::string line : {
             R"(x.exe a\\\"b "c d" e\\ "f\\" "" g"h i"j)",
             "\"\x95\x5C dir\\\x95\x5C.exe\" \"\x95\x5C\" \"\x95\x5C\\\"\" \x95\x5C\\",
             "x.exe \"a\tb\"\t c",
         }) {
        EXPECT_EQ(corelim::testing::SplitCommandLine(line, IsSystemLeadByte), SplitLikeTheSystem(line))
            << line;
    }
}

}  // namespace
