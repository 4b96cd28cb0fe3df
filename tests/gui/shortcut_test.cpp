// The shortcut button driven through the window: the link it writes on the
// desktop, read back through the shell and byte by byte, and opened.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "desktop_redirect.h"
#include "file_bytes.h"
#include "gui_driver.h"
#include "link_file.h"
#include "on_wine.h"
#include "staging.h"

namespace corelim::test {
namespace {

const std::wstring kCreated = L"ショートカットを作成しました";
const std::wstring kFailed = L"ショートカットの作成に失敗しました";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

LinkFile ParseFromDisk(const std::wstring& link) {
    LinkFile parsed;
    EXPECT_TRUE(ParseLinkFile(ReadBytes(link), parsed)) << "the link file ends early";
    return parsed;
}

class ShortCutButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitialize(nullptr);
        install_ = new StagedFolder(InstallFrontEnd(L"install"));
        desktop_ = new StagedFolder(L"desktop");
        redirect_ = new DesktopRedirect(Desktop());
        probe_ = new ProbeProgram();
        gui_ = new GuiSession(Install() + L"\\CorelimGUI.exe", Install());
    }

    static void TearDownTestSuite() {
        EXPECT_EQ(gui_->Close(), 0u);
        delete gui_;
        delete redirect_;
        delete probe_;
        delete desktop_;
        delete install_;
        CoUninitialize();
    }

    // Fills the window, presses the shortcut button and returns the message,
    // answered with `command`.
    static std::wstring PressShortCut(const std::wstring& program, const std::wstring& options, int cpu,
                                      int command = IDOK) {
        gui_->Type("Edit_ExecFile", program);
        gui_->Type("Edit_Option", options);
        for (int i = 0; i < 4; ++i) gui_->SetChecked("CheckBox_CPU" + std::to_string(i), i == cpu);
        gui_->Click("Button_ShortCut");
        return AnswerBox(command);
    }

    // The text of the window's next box, answered with `command`.
    static std::wstring AnswerBox(int command = IDOK) {
        const HWND box = gui_->WaitForDialog();
        if (!box) return L"(no message)";
        EXPECT_EQ(gui_->Text(box), L"CorelimGUI");
        const std::wstring text = gui_->MessageBoxText(box);
        gui_->Dismiss(box, command);
        return text;
    }

    static const std::wstring& Install() { return install_->Path(); }

    // Wine reads a link's path from the 8-bit copy in it, written in the
    // writer's code page (the window's is UTF-8), and misreads it in any
    // other: a link to a folder named beyond ASCII (a Japanese user's Temp)
    // then leads nowhere there. Windows goes by the link's item list.
    static bool WineMisreadsTheLinksPath() {
        return corelim::test::OnWine() && std::any_of(Install().begin(), Install().end(), [](wchar_t c) { return c > 0x7F; });
    }
    static const std::wstring& Desktop() { return desktop_->Path(); }

    static StagedFolder* install_;
    static StagedFolder* desktop_;
    static ProbeProgram* probe_;
    static DesktopRedirect* redirect_;
    static GuiSession* gui_;
};

StagedFolder* ShortCutButtonTest::install_;
StagedFolder* ShortCutButtonTest::desktop_;
ProbeProgram* ShortCutButtonTest::probe_;
DesktopRedirect* ShortCutButtonTest::redirect_;
GuiSession* ShortCutButtonTest::gui_;

TEST_F(ShortCutButtonTest, WritesALinkThatRunsTheLauncherConfined) {
    if (WineMisreadsTheLinksPath()) GTEST_SKIP() << "Wine misreads the path of a link to " << Utf8(Install());
    const std::wstring program = probe_->Path();
    ASSERT_EQ(PressShortCut(program, L"-a \"b c\"", 0), kCreated);
    const std::wstring link = Desktop() + L"\\run.lnk";
    ASSERT_TRUE(Exists(link));

    const std::wstring arguments = L"1 \"" + program + L"\" -a \"b c\"";
    ShellLinkView shell;
    ASSERT_TRUE(SUCCEEDED(LoadLinkThroughShell(link, shell)));
    EXPECT_EQ(shell.path, NarrowAnsiLossy(Install() + L"\\Corelim.exe"));
    EXPECT_EQ(shell.arguments, NarrowAnsiLossy(arguments));
    EXPECT_EQ(shell.workingDirectory, NarrowAnsiLossy(probe_->Folder()));
    EXPECT_EQ(shell.hotKey, 0);

    const LinkFile bytes = ParseFromDisk(link);
    EXPECT_EQ(bytes.headerSize, 0x4Cu);
    EXPECT_EQ(bytes.showCommand, 10u);
    EXPECT_EQ(bytes.hotKey, 0u);
    EXPECT_EQ(bytes.arguments, arguments);
    EXPECT_EQ(bytes.workingDir, probe_->Folder());

    // Opened later, the link starts the launcher, which starts the program.
    const size_t before = probe_->Records().size();
    ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOW)), 32);
    std::vector<corelim::test::ProbeRecord> records;
    ASSERT_TRUE(probe_->WaitForRecords(before + 1, records));
    EXPECT_EQ(records.back().processAffinity, 1u);
    ASSERT_EQ(records.back().argv.size(), 3u);
    EXPECT_EQ(records.back().argv[1], "-a");
    EXPECT_EQ(records.back().argv[2], "b c");
    EXPECT_EQ(lstrcmpiW(Widen(records.back().currentDirectory, CP_UTF8).c_str(), probe_->Folder().c_str()), 0);
}

// Opened after its program moved away, the link's launcher says so.
TEST_F(ShortCutButtonTest, ALinkWhoseProgramMovedReportsIt) {
    if (WineMisreadsTheLinksPath()) GTEST_SKIP() << "Wine misreads the path of a link to " << Utf8(Install());
    const std::wstring program = probe_->Folder() + L"\\moved.exe";
    CopyOrDie(probe_->Path(), program);
    ASSERT_EQ(PressShortCut(program, L"", 0), kCreated);
    ASSERT_TRUE(DeleteFileW(program.c_str()));
    const std::wstring link = Desktop() + L"\\moved.lnk";
    ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOW)), 32);
    const HWND box = WaitForLauncherBox();
    ASSERT_NE(box, nullptr) << "the launcher showed no message";
    const std::wstring text = GuiSession::MessageBoxText(box);
    EXPECT_NE(text.find(L"ショートカットから起動した場合は、プログラムが移動または削除された"), std::wstring::npos);
    EXPECT_NE(text.find(L"\"" + program + L"\""), std::wstring::npos);
    GuiSession::Dismiss(box);
}

TEST_F(ShortCutButtonTest, NamesTheLinkAfterTheProgramFile) {
    const struct {
        const wchar_t* program;
        const wchar_t* link;
    } cases[] = {
        {L"C:\\Tools\\a.b.exe", L"a.b.lnk"},
        {L"C:\\Tools\\tool", L"tool.lnk"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PressShortCut(c.program, L"", 1), kCreated) << c.link;
        EXPECT_TRUE(Exists(Desktop() + L"\\" + c.link)) << c.link;
    }
    // An empty program would give a link with no name: nothing is written.
    EXPECT_EQ(PressShortCut(L"", L"", 1).find(L"ショートカットを作成しませんでした。\n(指定なし)\n理由: "), 0u);
    EXPECT_FALSE(Exists(Desktop() + L"\\.lnk"));
}

// Windows reads "/" as "\\": the program starts in its own folder, and its
// link lands on the desktop under its own name, starting there too.
TEST_F(ShortCutButtonTest, AForwardSlashPathStartsInItsFolderAndLinksOnTheDesktop) {
    std::wstring program = probe_->Path();
    for (wchar_t& c : program) c = c == L'\\' ? L'/' : c;
    gui_->Type("Edit_ExecFile", program);
    const size_t before = probe_->Records().size();
    gui_->Click("Button_Execute");
    std::vector<corelim::test::ProbeRecord> records;
    ASSERT_TRUE(probe_->WaitForRecords(before + 1, records));
    EXPECT_EQ(lstrcmpiW(Widen(records.back().currentDirectory, CP_UTF8).c_str(), probe_->Folder().c_str()), 0);

    ASSERT_EQ(PressShortCut(program, L"", 0), kCreated);
    EXPECT_EQ(ParseFromDisk(Desktop() + L"\\run.lnk").workingDir, program.substr(0, program.rfind(L'/')));
}

TEST_F(ShortCutButtonTest, PressingTwiceOverwritesTheSameLink) {
    EXPECT_EQ(PressShortCut(L"C:\\One\\same.exe", L"-first", 0), kCreated);
    EXPECT_EQ(PressShortCut(L"C:\\Two\\same.exe", L"-second", 0), kCreated);
    EXPECT_EQ(ParseFromDisk(Desktop() + L"\\same.lnk").arguments, L"1 \"C:\\Two\\same.exe\" -second");
}

// A window started through its 8.3 path knows its links as its own (Wine
// starts it with the long path: there the writer's tests hold 8.3 names).
TEST_F(ShortCutButtonTest, AWindowStartedThroughItsShortPathKnowsItsOwnLinks) {
    std::wstring shortInstall(MAX_PATH, L'\0');
    shortInstall.resize(GetShortPathNameW(Install().c_str(), shortInstall.data(), MAX_PATH));
    GuiSession window(shortInstall + L"\\CorelimGUI.exe", shortInstall);
    GuiSession* const usual = std::exchange(gui_, &window);
    for (int press = 1; press <= 2; ++press) EXPECT_EQ(PressShortCut(probe_->Path(), L"", 0), kCreated) << press;
    gui_ = usual;
    EXPECT_EQ(window.Close(), 0u);
    if (WineMisreadsTheLinksPath()) GTEST_SKIP() << "Wine misreads the path of a link to " << Utf8(Install());
    const size_t before = probe_->Records().size();
    const std::wstring link = Desktop() + L"\\run.lnk";
    ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOW)), 32);
    std::vector<ProbeRecord> records;
    EXPECT_TRUE(probe_->WaitForRecords(before + 1, records));
}

// An installer's link of the same name is the user's: the window asks
// before it replaces it, and "No" leaves it as it was.
TEST_F(ShortCutButtonTest, AnotherProgramsLinkIsKeptWhenTheUserSaysNo) {
    const std::wstring link = Desktop() + L"\\installed.lnk";
    ASSERT_TRUE(SUCCEEDED(WriteLinkThroughShell(link, probe_->Path(), L"--from-installer")));
    const std::vector<unsigned char> before = ReadBytes(link);

    const std::wstring question = PressShortCut(L"C:\\Tools\\installed.exe", L"", 0, IDNO);
    EXPECT_NE(question.find(L"この画面で作成したものではありません"), std::wstring::npos) << Utf8(question);
    EXPECT_NE(question.find(link), std::wstring::npos) << Utf8(question);
    EXPECT_NE(AnswerBox().find(L"ショートカットを作成しませんでした。"), std::wstring::npos);
    EXPECT_EQ(ReadBytes(link), before);
}

// A link to another copy of the launcher is not the window's own either:
// "Yes" replaces it with one that starts this window's launcher.
TEST_F(ShortCutButtonTest, AnotherLaunchersLinkIsReplacedWhenTheUserSaysYes) {
    const std::wstring link = Desktop() + L"\\copied.lnk";
    const std::wstring otherLauncher = probe_->CopyTo(L"other copy", L"Corelim.exe");
    ASSERT_TRUE(SUCCEEDED(WriteLinkThroughShell(link, otherLauncher, L"1 \"C:\\Tools\\copied.exe\" ")));

    const std::wstring question = PressShortCut(L"C:\\Tools\\copied.exe", L"", 0, IDYES);
    EXPECT_NE(question.find(L"この画面で作成したものではありません"), std::wstring::npos) << Utf8(question);
    EXPECT_EQ(AnswerBox(), kCreated);
    const LinkFile bytes = ParseFromDisk(link);
    EXPECT_EQ(lstrcmpiW(bytes.target.c_str(), (Install() + L"\\Corelim.exe").c_str()), 0) << Utf8(bytes.target);
}

TEST_F(ShortCutButtonTest, ADesktopThatTakesNoFilesFailsAndWritesNothing) {
    const std::wstring strayRoot = L"C:\\stray.lnk";
    for (const wchar_t* desktop : {L"Z:\\proc", L"C:\\no such folder\\desktop"}) {
        redirect_->PointAt(desktop);
        EXPECT_EQ(PressShortCut(L"C:\\Tools\\stray.exe", L"", 0), kFailed) << desktop;
        EXPECT_FALSE(Exists(std::wstring(desktop) + L"\\stray.lnk")) << desktop;
        EXPECT_FALSE(Exists(strayRoot)) << desktop;
        EXPECT_FALSE(Exists(Desktop() + L"\\stray.lnk")) << desktop;
    }
    redirect_->PointAt(Desktop());
}

// The link holds the exact text, read back without the shell's loader
// (which would narrow the target through the test's own code page), and
// handed back to the window it fills it again, processors and all.
TEST_F(ShortCutButtonTest, WritesAnyTextExactlyAndReopensInTheWindow) {
    const std::wstring program = probe_->CopyTo(kAnyScriptFolder, kAnyScriptProgram);
    ASSERT_EQ(PressShortCut(program, kAnyScriptOptions, 0), kCreated);
    const std::wstring link = Desktop() + L"\\\uD55C\uAD6D\U0001F600.lnk";
    const LinkFile bytes = ParseFromDisk(link);
    EXPECT_EQ(lstrcmpiW(bytes.target.c_str(), (Install() + L"\\Corelim.exe").c_str()), 0) << Utf8(bytes.target);
    EXPECT_EQ(bytes.arguments, L"1 \"" + program + L"\" " + kAnyScriptOptions);
    EXPECT_EQ(bytes.workingDir, program.substr(0, program.rfind(L'\\')));

    GuiSession reopened(Install() + L"\\CorelimGUI.exe", Install(), link);
    EXPECT_EQ(reopened.Text("Edit_ExecFile"), program);
    EXPECT_EQ(reopened.Text("Edit_Option"), kAnyScriptOptions);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(reopened.IsChecked("CheckBox_CPU" + std::to_string(i)), i == 0) << i;
    EXPECT_EQ(reopened.Close(), 0u);
}

}  // namespace
}  // namespace corelim::test
