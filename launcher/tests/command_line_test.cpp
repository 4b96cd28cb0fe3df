#include "batch_command_line.h"
#include "command_line_reference.h"
#include "launch_arguments.h"

#include <gtest/gtest.h>

namespace {

using corelim::test::JoinArguments;
using corelim::test::SplitCommandLine;

struct JoinCase {
    std::vector<std::u16string> words;
    std::u16string expected;
};

void CheckJoins(const std::vector<JoinCase>& cases) {
    for (const auto& c : cases) {
        const std::u16string line = JoinArguments(c.words);
        EXPECT_EQ(line, c.expected);
        EXPECT_EQ(SplitCommandLine(line), c.words) << ::testing::PrintToString(line);
    }
}

TEST(CommandLine, PlainWordsAreCopiedAndEachIsFollowedByOneSpace) {
    CheckJoins({
        {{u"notepad.exe", u"a.txt"}, u"notepad.exe a.txt "},
        {{uR"(C:\Tools\run.exe)", u"-a", u"-b"}, uR"(C:\Tools\run.exe -a -b )"},
        {{uR"(C:\dir\)", uR"(a\\b)", uR"(\\server\share\)"}, uR"(C:\dir\ a\\b \\server\share\ )"},
        {{u"x.exe", u"\n\v"}, u"x.exe \n\v "},
    });
}

TEST(CommandLine, BlanksTabsAndEmptyArgumentsAreQuoted) {
    CheckJoins({
        {{uR"(C:\Program Files\App\app.exe)", u"two words"}, uR"("C:\Program Files\App\app.exe" "two words" )"},
        {{u"x.exe", u""}, uR"(x.exe "" )"},
        {{u"x.exe", u"", u""}, uR"(x.exe "" "" )"},
        {{u"x.exe", u"a\tb"}, u"x.exe \"a\tb\" "},
        {{u"x.exe", u" "}, uR"(x.exe " " )"},
    });
}

TEST(CommandLine, QuotesAndTheBackslashesBeforeThemAreEscaped) {
    CheckJoins({
        {{u"x.exe", uR"(say "hi")"}, uR"(x.exe "say \"hi\"" )"},
        {{u"x.exe", uR"(")"}, uR"(x.exe "\"" )"},
        {{u"x.exe", uR"(a\"b)"}, uR"(x.exe "a\\\"b" )"},
        {{u"x.exe", uR"(a\\"b)"}, uR"(x.exe "a\\\\\"b" )"},
        {{u"x.exe", uR"(C:\my dir\)"}, uR"(x.exe "C:\my dir\\" )"},
        {{u"x.exe", uR"(a\b c)"}, uR"(x.exe "a\b c" )"},
    });
}

// Look-alikes of quote, backslash and letters are no syntax, text beyond
// any code page stays as it is, and surrogates pass as they come.
TEST(CommandLine, TextBeyondAnyCodePageIsCopiedUnchanged) {
    CheckJoins({
        {{u"x.exe", u"\uFF02a b\uFF02", u"\uFF3C\uFF02", u"\uFF23:\\"}, u"x.exe \"\uFF02a b\uFF02\" \uFF3C\uFF02 \uFF23:\\ "},
        {{u"C:\\\uAC8C\uC784\\\u00E9.exe", u"\uD55C\uAD6D\uC5B4 \U0001F600"},
         u"C:\\\uAC8C\uC784\\\u00E9.exe \"\uD55C\uAD6D\uC5B4 \U0001F600\" "},
        {{u"x.exe", u"\xD800", u"a\xDC00\"", u"\U0001F600\\"}, u"x.exe \xD800 \"a\xDC00\\\"\" \U0001F600\\ "},
    });
}

// The reference splitter against splits worked out by hand from msvcrt's
// rules (the C runtime documentation's examples among them; the program
// word follows msvcrt, whose quotes end it).
TEST(CommandLine, ReferenceSplitterGivesTheRuntimesSplits) {
    const struct {
        std::u16string line;
        std::vector<std::u16string> words;
    } cases[] = {
        {uR"("abc" d e)", {u"abc", u"d", u"e"}},
        {uR"(x.exe a\\\b d"e f"g h)", {u"x.exe", uR"(a\\\b)", u"de fg", u"h"}},
        {uR"(x.exe a\\\"b c d)", {u"x.exe", uR"(a\"b)", u"c", u"d"}},
        {uR"(x.exe a\\\\"b c" d e)", {u"x.exe", uR"(a\\b c)", u"d", u"e"}},
        {uR"(x.exe a"b"" c d)", {u"x.exe", uR"(ab" c d)"}},
        {uR"(x.exe "" a\\ "b\\" c\)", {u"x.exe", u"", uR"(a\\)", uR"(b\)", uR"(c\)"}},
        {u"x.exe\t a \t\"b\tc\"  ", {u"x.exe", u"a", u"b\tc"}},
        {uR"(x.exe "open to the end)", {u"x.exe", u"open to the end"}},
        // The program word knows no escapes and ends at its closing quote.
        {uR"("C:\Program Files\dir\"x y)", {uR"(C:\Program Files\dir\)", u"x", u"y"}},
        {uR"(C:\a"b c"d 1)", {uR"(C:\a"b)", u"cd 1"}},
        {u"", {u""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitCommandLine(c.line), c.words) << ::testing::PrintToString(c.line);
    }
}

TEST(CommandLine, RoundTripsThroughTheRuntimeSplitter) {
    for (const auto& words : corelim::test::GenerateArgumentLists(20260, 3000)) {
        const std::u16string line = JoinArguments(words);
        ASSERT_EQ(SplitCommandLine(line), words) << ::testing::PrintToString(line);
    }
}

TEST(BatchCommandLine, RecognisesBatchFilesAsWindowsDoes) {
    // A full path; "run.bat\." and "run.bat/." become "run.bat" on the way.
    for (const char16_t* name : {u"run.bat", u"C:\\x\\RUN.CMD", u"run.Bat", u"run.bat.", u"run.bat  ", u"run.cmd. ."}) {
        EXPECT_TRUE(corelim::IsBatchFile(name)) << ::testing::PrintToString(std::u16string(name));
    }
    for (const char16_t* name : {u"run.exe", u"bat", u"run.bat.exe", u"run.batch", u"C:\\run.bat\\x.exe", u""}) {
        EXPECT_FALSE(corelim::IsBatchFile(name)) << ::testing::PrintToString(std::u16string(name));
    }
}

// Every cmd.exe metacharacter ends up between quotes, "%" is split from what
// follows it, and the C runtime's rules still give each argument back.
TEST(BatchCommandLine, ArgumentsCannotBecomeCmdSyntax) {
    const struct {
        std::u16string argument;
        std::u16string written;
    } cases[] = {
        {u"plain-1.txt", u"plain-1.txt"},
        {u"v10", u"v10"},
        {uR"(C:\dir\file.txt)", uR"(C:\dir\file.txt)"},
        {u"\u3042\uD55C\U0001F600", u"\u3042\uD55C\U0001F600"},
        {u"", uR"("")"},
        {u"two words", uR"("two words")"},
        {u"a&echo>x.txt", uR"("a&echo>x.txt")"},
        {u"|", uR"("|")"}, {u"<", uR"("<")"}, {u"^", uR"("^")"}, {u"(x)", u"\"(x)\""},
        {u"!PATH!", uR"("!PATH!")"}, {u"a,b;c=d", uR"("a,b;c=d")"}, {u"a\tb", u"\"a\tb\""},
        {u"%PATH%", uR"("%%cd:~,%PATH%%cd:~,%")"},
        {uR"(say "hi")", uR"("say ""hi""")"},
        {uR"(a\"b)", uR"("a\\""b")"},
        {uR"(dir\)", uR"("dir\\")"},
        {u"\x85", u"\"\x85\""},
    };
    for (const auto& c : cases) {
        const auto line = corelim::BuildBatchCommandLine(uR"(C:\x\run.bat)", {c.argument});
        ASSERT_TRUE(std::holds_alternative<std::u16string>(line)) << ::testing::PrintToString(c.argument);
        EXPECT_EQ(std::get<std::u16string>(line), uR"(cmd.exe /d /e:ON /v:OFF /c ""C:\x\run.bat" )" + c.written + u"\"");
    }
    const auto line = corelim::BuildBatchCommandLine(uR"(C:\100%\a b&c.bat)", {u"1", u"2"});
    EXPECT_EQ(std::get<std::u16string>(line), uR"(cmd.exe /d /e:ON /v:OFF /c ""C:\100%%cd:~,%\a b&c.bat" 1 2")");
}

TEST(BatchCommandLine, RefusesWhatNoQuotingMakesSafe) {
    using Reason = corelim::BatchRefusal::Reason;
    // With cmd.exe's switches and the path, one character over its limit.
    static const std::u16string kLong(corelim::kMaxCmdLine - 38, u'x');
    const struct {
        std::u16string script;
        std::vector<std::u16string_view> arguments;
        std::size_t position;
        Reason reason;
    } cases[] = {
        {u"run.bat", {u"ok", u"a\nb"}, 2, Reason::LineBreak},
        {u"run.bat", {u"\r"}, 1, Reason::LineBreak},
        {u"run.bat", {u"\"a\r\nb\""}, 1, Reason::LineBreak},
        {u"a\"b.bat", {u"\n"}, 0, Reason::QuoteInPath},
        {u"run.bat", {std::u16string_view(kLong)}, 0, Reason::TooLong},
    };
    EXPECT_EQ(std::get<std::u16string>(corelim::BuildBatchCommandLine(u"run.bat", {std::u16string_view(kLong).substr(1)}))
                  .size(),
              corelim::kMaxCmdLine);
    for (const auto& c : cases) {
        const auto line = corelim::BuildBatchCommandLine(c.script, c.arguments);
        ASSERT_TRUE(std::holds_alternative<corelim::BatchRefusal>(line));
        EXPECT_EQ(std::get<corelim::BatchRefusal>(line).position, c.position);
        EXPECT_EQ(std::get<corelim::BatchRefusal>(line).reason, c.reason);
    }
}

TEST(LaunchArguments, MaskAndProgramAreRequired) {
    const char16_t* const one[] = {u"Corelim", u"3"};
    for (const int argc : {0, 1, 2}) {
        EXPECT_TRUE(std::holds_alternative<corelim::Usage>(corelim::ParseLaunchArguments(argc, one, u"")));
    }
}

TEST(LaunchArguments, MaskThenProgramAndOptions) {
    const char16_t* const typical[] = {u"Corelim", u"5", uR"(C:\Tools\run.exe)", u"-a", u"-b"};
    const auto road = std::get<corelim::ChildLaunch>(corelim::ParseLaunchArguments(5, typical, u"C:\\Tools\\run.exe"));
    EXPECT_EQ(road.affinityMask, 5u);
    EXPECT_EQ(road.commandLine, uR"(C:\Tools\run.exe -a -b )");
    EXPECT_FALSE(road.batchFile);

    // The file the system would start decides, and cmd.exe gets its path.
    const char16_t* const batch[] = {u"Corelim", u"2147483648", u"C:\\x\\run.cmd\\.", u"a&b"};
    const auto script = std::get<corelim::ChildLaunch>(corelim::ParseLaunchArguments(4, batch, u"C:\\x\\run.cmd"));
    EXPECT_EQ(script.affinityMask, 0x80000000u);
    EXPECT_EQ(script.commandLine, uR"(cmd.exe /d /e:ON /v:OFF /c ""C:\x\run.cmd" "a&b"")");
    EXPECT_TRUE(script.batchFile);
    // Without a file, the text decides.
    const char16_t* const missing[] = {u"Corelim", u"1", u"gone.bat ", u"a"};
    EXPECT_TRUE(std::get<corelim::ChildLaunch>(corelim::ParseLaunchArguments(4, missing, u"")).batchFile);

    const char16_t* const unsafe[] = {u"Corelim", u"1", u"run.bat", u"a", u"b\nc"};
    EXPECT_EQ(std::get<corelim::BatchRefusal>(corelim::ParseLaunchArguments(5, unsafe, u"C:\\run.bat")).position, 2u);
}

}  // namespace
