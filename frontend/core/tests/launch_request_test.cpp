#include "launch_request.h"

#include <gtest/gtest.h>

#include "shortcut_settings.h"

namespace {

using corelim::LaunchRequest;
using corelim::LeadByteRule;

constexpr char kOwnPath[] = "C:\\Apps\\CorelimGUI.exe";
constexpr char kDesktop[] = "C:\\Users\\me\\Desktop";

TEST(CpuMask, OneBitPerCheckedBox) {
    const struct {
        std::array<bool, 4> checks;
        corelim::CpuMask mask;
    } cases[] = {
        {{false, false, false, false}, 0},
        {{true, false, true, false}, 5},
        {{true, true, true, true}, 15},
        {{false, false, false, true}, 8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(corelim::CpuMaskFromChecks(c.checks), c.mask);
    }
}

struct RequestCase {
    const char* execText;
    const char* optionText;
    corelim::CpuMask mask;
    const char* parameters;
    const char* workingDirectory;
    const char* linkPath;
};

void CheckRequests(const LeadByteRule& rule, std::initializer_list<RequestCase> cases) {
    for (const RequestCase& c : cases) {
        SCOPED_TRACE(c.execText);
        const LaunchRequest execute =
            corelim::BuildExecuteRequest(c.execText, c.optionText, c.mask, kOwnPath, rule);
        EXPECT_EQ(execute.LauncherPath, "C:\\Apps\\Corelim.exe");
        EXPECT_EQ(execute.Parameters, c.parameters);
        EXPECT_EQ(execute.WorkingDirectory, c.workingDirectory);
        EXPECT_EQ(execute.LinkPath, "");

        const LaunchRequest shortCut = corelim::BuildShortCutRequest(
            c.execText, c.optionText, c.mask, kOwnPath, kDesktop, rule);
        EXPECT_EQ(shortCut.LauncherPath, execute.LauncherPath);
        EXPECT_EQ(shortCut.Parameters, execute.Parameters);
        EXPECT_EQ(shortCut.WorkingDirectory, execute.WorkingDirectory);
        EXPECT_EQ(shortCut.LinkPath, c.linkPath);
    }
}

TEST(LaunchRequest, ComposesTheLauncherCommandLine) {
    CheckRequests(LeadByteRule::SingleByte(), {
        {"C:\\Tools\\run.exe", "-a -b", 5, "5 \"C:\\Tools\\run.exe\" -a -b", "C:\\Tools",
         "C:\\Users\\me\\Desktop\\run.lnk"},
        {"C:\\Tools\\run.exe", "", 0, "0 \"C:\\Tools\\run.exe\" ", "C:\\Tools",
         "C:\\Users\\me\\Desktop\\run.lnk"},
        {"C:\\Tools\\run.exe", "-x", 15, "15 \"C:\\Tools\\run.exe\" -x", "C:\\Tools",
         "C:\\Users\\me\\Desktop\\run.lnk"},
        {"C:\\x.exe", "", 1, "1 \"C:\\x.exe\" ", "C:\\", "C:\\Users\\me\\Desktop\\x.lnk"},
        {"x.exe", "", 1, "1 \"x.exe\" ", "", "C:\\Users\\me\\Desktop\\x.lnk"},
        {"D:\\a.b.exe", "", 2, "2 \"D:\\a.b.exe\" ", "D:\\", "C:\\Users\\me\\Desktop\\a.b.lnk"},
        {"C:\\bin\\tool", "", 2, "2 \"C:\\bin\\tool\" ", "C:\\bin", "C:\\Users\\me\\Desktop\\tool.lnk"},
        {"", "-a", 0, "0 \"\" -a", "", "C:\\Users\\me\\Desktop\\.lnk"},
        // A pasted path loses the blanks and the quotes around it; the
        // options stay exactly as typed.
        {" C:\\My Tools\\run.exe\t", "  -a  ", 3, "3 \"C:\\My Tools\\run.exe\"   -a  ",
         "C:\\My Tools", "C:\\Users\\me\\Desktop\\run.lnk"},
        {" \"C:\\My Tools\\run.exe\" ", "\"-a\"", 3, "3 \"C:\\My Tools\\run.exe\" \"-a\"", "C:\\My Tools",
         "C:\\Users\\me\\Desktop\\run.lnk"},
        {"\"\"C:\\Tools\\x.exe\"\"", "", 1, "1 \"\"C:\\Tools\\x.exe\"\" ", "\"C:\\Tools",
         "C:\\Users\\me\\Desktop\\x.lnk"},
        {"\"", "", 1, "1 \"\"\" ", "", "C:\\Users\\me\\Desktop\\\".lnk"},
        {"\"\"", "", 1, "1 \"\" ", "", "C:\\Users\\me\\Desktop\\.lnk"},
        {"C:\\Caf\xE9\\run.exe", "", 1, "1 \"C:\\Caf\xE9\\run.exe\" ", "C:\\Caf\xE9",
         "C:\\Users\\me\\Desktop\\run.lnk"},
    });
}

TEST(LaunchRequest, CodePage932Folders) {
    CheckRequests(LeadByteRule::CodePage932(), {
        {"C:\\\x95\x5C\\\x83\x5C\x83\x74\x83\x67.exe", "-a", 1,
         "1 \"C:\\\x95\x5C\\\x83\x5C\x83\x74\x83\x67.exe\" -a", "C:\\\x95\x5C",
         "C:\\Users\\me\\Desktop\\\x83\x5C\x83\x74\x83\x67.lnk"},
    });
    const LaunchRequest request = corelim::BuildExecuteRequest(
        "x.exe", "", 1, "C:\\\x95\x5C\\CorelimGUI.exe", LeadByteRule::CodePage932());
    EXPECT_EQ(request.LauncherPath, "C:\\\x95\x5C\\Corelim.exe");
}

TEST(LaunchRequest, UnresolvedDesktopGivesNoUsableLinkPath) {
    const LaunchRequest request = corelim::BuildShortCutRequest(
        "C:\\Tools\\run.exe", "", 1, kOwnPath, "", LeadByteRule::SingleByte());
    EXPECT_EQ(request.LinkPath, "\\run.lnk");
    EXPECT_FALSE(corelim::IsUsableLinkPath(request.LinkPath));
}

}  // namespace
