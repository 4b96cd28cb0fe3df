#include "command_line_reference.h"
#include "command_line_words.h"
#include "elevation.h"

#include <gtest/gtest.h>

namespace {

using corelim::test::SplitCommandLine;

// The rerun's command line, its own path and then the arguments after the
// program name, splits into the same arguments.
TEST(Elevation, ArgumentsAfterTheProgramNameAsTheRuntimeReadsIt) {
    const struct {
        std::u16string commandLine;
        std::u16string arguments;
    } cases[] = {
        {u"Corelim 1 probe.exe", u"1 probe.exe"},
        {u"Corelim.exe\t \t5 \"C:\\Program Files\\a.exe\" \"two words\"",
         u"5 \"C:\\Program Files\\a.exe\" \"two words\""},
        {u"\"C:\\Tools\\Core lim.exe\" 1 \"say \\\"hi\\\"\" \"dir\\\\\" ", u"1 \"say \\\"hi\\\"\" \"dir\\\\\" "},
        {u"\"C:\\\uAC8C\uC784\"1 \uD55C\uAD6D\uC5B4 \U0001F600", u"1 \uD55C\uAD6D\uC5B4 \U0001F600"},
        {u"C:\\a\"b c\"d 1 x", u"c\"d 1 x"},
        {u"\"C:\\unclosed 1 x", u""},
        {u"Corelim", u""},
        {u"", u""},
    };
    for (const auto& c : cases) {
        const std::u16string_view arguments = corelim::ArgumentsAfterProgramName(c.commandLine);
        EXPECT_EQ(arguments, c.arguments) << ::testing::PrintToString(c.commandLine);
        auto expected = SplitCommandLine(c.commandLine);
        expected[0] = u"C:\\Program Files\\Corelim\\Corelim.exe";
        EXPECT_EQ(SplitCommandLine(u"\"" + expected[0] + u"\" " + std::u16string(arguments)), expected)
            << ::testing::PrintToString(c.commandLine);
    }
}

TEST(Elevation, OnlyAProgramNeedingRightsTheLauncherLacksLeadsToARerun) {
    const std::u16string reason = u"The requested operation requires elevation.";
    EXPECT_TRUE(std::holds_alternative<corelim::RerunElevated>(
        corelim::AfterFailedStart(u"setup.exe", 740, reason, 30, false)));
    for (const auto& [error, elevated] : {std::pair{740u, true}, std::pair{5u, false}, std::pair{1223u, false}}) {
        EXPECT_EQ(std::get<corelim::FailureReport>(corelim::AfterFailedStart(u"setup.exe", error, reason, 30, elevated))
                      .line,
                  corelim::StartFailureReport(u"setup.exe", error, reason, 30).line);
    }
}

}  // namespace
