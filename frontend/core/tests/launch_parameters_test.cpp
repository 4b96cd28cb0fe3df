#include "launch_parameters.h"

#include <gtest/gtest.h>

#include "launch_request.h"

namespace {

using corelim::ReadLaunchParameters;

// The composition's bytes as a link gives them back (ASCII only here).
std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// What the window composes comes back as it was typed.
TEST(LaunchParameters, ReadBackWhatTheWindowComposed) {
    const struct {
        const char* program;
        const char* options;
        corelim::CpuMask mask;
    } cases[] = {
        {"C:\\Tools\\run.exe", "-a -b", 5},
        {"C:\\Program Files\\App\\app.exe", "-a \"two words\" C:\\dir\\ \"\"", 15},
        {"\\\\server\\share\\x.exe", "  leading and trailing blanks\t ", 0},
        {"run.exe", "", 1},
        {"", "-a", 8},
    };
    for (const auto& c : cases) {
        const std::string parameters =
            corelim::BuildShortCutRequest(c.program, c.options, c.mask, "C:\\Apps\\CorelimGUI.exe", "C:\\Desktop",
                                          corelim::LeadByteRule::SingleByte())
                .Parameters;
        const auto read = ReadLaunchParameters(Wide(parameters));
        ASSERT_TRUE(read) << parameters;
        EXPECT_EQ(read->mask, static_cast<std::uint32_t>(c.mask)) << parameters;
        EXPECT_EQ(read->program, Wide(c.program)) << parameters;
        EXPECT_EQ(read->options, Wide(c.options)) << parameters;
    }
}

// As the launcher splits them: a program ending in a backslash escapes its
// closing quote and runs on to the end; the mask is read by the launcher's
// own rules (common/).
TEST(LaunchParameters, ReadAsTheLauncherSplitsThem) {
    const struct {
        std::u16string_view parameters;
        std::uint32_t mask;
        const char16_t* program;
        const char16_t* options;
    } cases[] = {
        {u"3 \"C:\\dir\\\" -x", 3, u"C:\\dir\" -x", u""},
        {u"3 \"C:\\dir\\\\\" -x", 3, u"C:\\dir\\", u"-x"},
        {u"  \t4294967295 run.exe\t-a", 0xFFFFFFFFu, u"run.exe", u"-a"},
        {u"\"-2\" \"a \"\"b\"\" c.exe\"", 0xFFFFFFFEu, u"a \"b\" c.exe", u""},
        {u"+7 \"\"  two", 7, u"", u" two"},
        {std::u16string_view(u"7 run.exe -a", 9), 7, u"run.exe", u""},  // nothing read past the view
    };
    for (const auto& c : cases) {
        const auto read = ReadLaunchParameters(c.parameters);
        ASSERT_TRUE(read) << testing::PrintToString(std::u16string(c.parameters));
        EXPECT_EQ(read->mask, c.mask) << testing::PrintToString(std::u16string(c.parameters));
        EXPECT_EQ(read->program, c.program);
        EXPECT_EQ(read->options, c.options);
    }
    for (const char16_t* tooFew : {u"", u" \t", u"5", u"5 \t"}) {
        EXPECT_FALSE(ReadLaunchParameters(tooFew)) << testing::PrintToString(std::u16string(tooFew));
    }
}

// Only a link to the launcher whose arguments hold a mask and a program is
// the window's own; any other gives its target and arguments as they are.
TEST(LaunchParameters, ShortCutFillTellsTheWindowsOwnLinks) {
    const auto own = corelim::ReadShortCutFill(u"C:\\Apps\\CORELIM.EXE", u"1 \"C:\\Games\\game.exe\" -w");
    EXPECT_EQ(own.program, u"C:\\Games\\game.exe");
    EXPECT_EQ(own.options, u"-w");
    EXPECT_EQ(own.mask, 1u);

    for (const auto& [target, arguments] : {std::pair{u"C:\\Apps\\Corelim.exe", u"5"},
                                            std::pair{u"C:\\Apps\\NotCorelim.exe", u"1 \"C:\\game.exe\""}}) {
        const auto plain = corelim::ReadShortCutFill(target, arguments);
        EXPECT_EQ(plain.program, target);
        EXPECT_EQ(plain.options, arguments);
        EXPECT_FALSE(plain.mask);
    }
    EXPECT_TRUE(corelim::IsShortCutPath(u"C:\\Users\\me\\Desktop\\Game.LNK"));
    EXPECT_FALSE(corelim::IsShortCutPath(u"C:\\Games\\lnk"));
}

}  // namespace
