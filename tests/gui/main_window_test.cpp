// The front end driven from outside, as a user would: read the window,
// type, tick, press, and check what the launched program saw.
#include <windows.h>
#include <oleacc.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>

#include "affinity.h"
#include "gui_driver.h"
#include "link_file.h"
#include "probe_record.h"
#include "staging.h"
#include "window_geometry.h"

namespace corelim::test {
namespace {

using corelim::test::ProbeRecord;

bool SamePath(const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) == 0; }

// The name oleacc gives a control, as a screen reader asks for it.
std::wstring AccessibleName(HWND control) {
    CoInitialize(nullptr);
    IAccessible* accessible = nullptr;
    std::wstring name = L"(no accessible object)";
    if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                             reinterpret_cast<void**>(&accessible)))) {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        accessible->get_accName(self, &text);
        name = text ? text : L"";
        SysFreeString(text);
        accessible->Release();
    }
    CoUninitialize();
    return name;
}

constexpr const char* kControls[] = {"Label1", "Label2", "Edit_ExecFile", "GroupBox1", "CheckBox_CPU0",
                                     "CheckBox_CPU1", "CheckBox_CPU2", "CheckBox_CPU3", "Button_ExecFile",
                                     "Edit_Option", "Button_Execute", "Button_ShortCut", "Button_About"};

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Sizes as the front end sees them, not scaled for a program that
        // knows nothing of DPI.
        SetProcessDPIAware();
        probe_ = new ProbeProgram();
        install_ = new StagedFolder(InstallFrontEnd(L"install"));
        gui_ = new GuiSession(install_->Path() + L"\\CorelimGUI.exe", install_->Path());
    }

    static void TearDownTestSuite() {
        EXPECT_EQ(gui_->Close(), 0u);
        delete gui_;
        delete install_;
        delete probe_;
    }

    void SetUp() override {
        gui_->Type("Edit_ExecFile", L"");
        gui_->Type("Edit_Option", L"");
        for (const char* box : {"CheckBox_CPU0", "CheckBox_CPU1", "CheckBox_CPU2", "CheckBox_CPU3"}) {
            gui_->SetChecked(box, false);
        }
    }

    static std::wstring Program() { return probe_->Path(); }

    // Presses Execute and waits for the probe to report its start.
    static ProbeRecord ExecuteAndWait() {
        const size_t before = probe_->Records().size();
        gui_->Click("Button_Execute");
        std::vector<ProbeRecord> records;
        EXPECT_TRUE(probe_->WaitForRecords(before + 1, records)) << "the program never started";
        return records.empty() ? ProbeRecord{} : records.back();
    }

    static ProbeProgram* probe_;
    static StagedFolder* install_;
    static GuiSession* gui_;
};

ProbeProgram* MainWindowTest::probe_;
StagedFolder* MainWindowTest::install_;
GuiSession* MainWindowTest::gui_;

TEST_F(MainWindowTest, ShowsTheDesignedCaptionsWithEmptyFields) {
    EXPECT_EQ(gui_->Text(gui_->MainWindow()), L"利用CPU制限");
    EXPECT_EQ(gui_->Text("Label1"), L"実行ファイル");
    EXPECT_EQ(gui_->Text("Label2"), L"起動オプション");
    EXPECT_EQ(gui_->Text("GroupBox1"), L"利用可能CPU");
    EXPECT_EQ(gui_->Text("Button_ExecFile"), L"\uFF65\uFF65\uFF65");
    EXPECT_EQ(gui_->Text("Button_Execute"), L"実行");
    EXPECT_EQ(gui_->Text("Button_ShortCut"), L"デスクトップにショートカット作成");
    EXPECT_EQ(gui_->Text("Button_About"), L"About ...");
    for (int i = 0; i < 4; ++i) {
        const std::string box = "CheckBox_CPU" + std::to_string(i);
        EXPECT_EQ(gui_->Text(box), L"CPU " + std::to_wstring(i));
        EXPECT_EQ(SendMessageW(gui_->Control(box), BM_GETCHECK, 0, 0), BST_UNCHECKED) << box;
    }
}

TEST_F(MainWindowTest, OffersOnlyTheProcessorsTheMachineHas) {
    const std::uint32_t system = OwnAffinity().system;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(gui_->IsEnabled("CheckBox_CPU" + std::to_string(i)), ((system >> i) & 1) != 0) << "CPU " << i;
    }
}

TEST_F(MainWindowTest, ExecuteRunsTheProgramConfinedInItsFolder) {
    // The highest processor alone: a mask distinct from the inherited one.
    const std::uint32_t system = OwnAffinity().system;
    int cpu = 3;
    while (cpu > 0 && !((system >> cpu) & 1)) --cpu;
    gui_->Type("Edit_ExecFile", Program());
    gui_->Type("Edit_Option", L"-a \"two words\" -b");
    gui_->SetChecked("CheckBox_CPU" + std::to_string(cpu), true);

    const ProbeRecord record = ExecuteAndWait();
    EXPECT_EQ(record.processAffinity, 1u << cpu);
    ASSERT_EQ(record.argv.size(), 4u);
    EXPECT_TRUE(SamePath(Widen(record.argv[0], CP_ACP), Program())) << record.argv[0];
    EXPECT_EQ(record.argv[1], "-a");
    EXPECT_EQ(record.argv[2], "two words");
    EXPECT_EQ(record.argv[3], "-b");
    EXPECT_TRUE(SamePath(Widen(record.currentDirectory, CP_UTF8), probe_->Folder())) << record.currentDirectory;
}

// Explorer's "Copy as path" gives the path in quotes, pasted here with a
// blank either side.
TEST_F(MainWindowTest, ExecuteTakesAPastedQuotedPath) {
    gui_->Type("Edit_ExecFile", L" \"" + Program() + L"\" ");
    gui_->SetChecked("CheckBox_CPU0", true);
    const ProbeRecord record = ExecuteAndWait();
    EXPECT_TRUE(SamePath(Widen(record.module, CP_UTF8), Program())) << record.module;
    EXPECT_TRUE(SamePath(Widen(record.currentDirectory, CP_UTF8), probe_->Folder())) << record.currentDirectory;
}

TEST_F(MainWindowTest, NothingTickedStillLaunchesWithTheInheritedProcessors) {
    gui_->Type("Edit_ExecFile", Program());
    const ProbeRecord record = ExecuteAndWait();
    EXPECT_EQ(record.processAffinity, OwnAffinity().system);
    EXPECT_EQ(record.argv.size(), 1u);
}

TEST_F(MainWindowTest, ExecuteTwiceLaunchesTwice) {
    gui_->Type("Edit_ExecFile", Program());
    gui_->SetChecked("CheckBox_CPU0", true);
    const size_t before = probe_->Records().size();
    gui_->Click("Button_Execute");
    gui_->Click("Button_Execute");
    std::vector<ProbeRecord> records;
    ASSERT_TRUE(probe_->WaitForRecords(before + 2, records));
    EXPECT_EQ(records[before].processAffinity, 1u);
    EXPECT_EQ(records[before + 1].processAffinity, 1u);
    EXPECT_NE(records[before].processId, records[before + 1].processId);
}

// With UTF-8 as its code page the window carries names and options that
// no system code page holds, Japanese or Western, exactly.
TEST_F(MainWindowTest, ExecuteCarriesTextBeyondTheSystemCodePage) {
    const std::wstring program = probe_->CopyTo(kAnyScriptFolder, kAnyScriptProgram);
    gui_->Type("Edit_ExecFile", program);
    gui_->Type("Edit_Option", kAnyScriptOptions);
    gui_->SetChecked("CheckBox_CPU0", true);

    const ProbeRecord record = ExecuteAndWait();
    EXPECT_EQ(record.processAffinity, 1u);
    EXPECT_EQ(record.wideArgv,
              (std::vector<std::string>{Utf8(program), Utf8(L"\u03A9\u03BC\u03AD\u03B3\u03B1"), Utf8(L"\uD55C\uAD6D\uC5B4")}));
    EXPECT_TRUE(SamePath(Widen(record.currentDirectory, CP_UTF8), program.substr(0, program.rfind(L'\\'))))
        << record.currentDirectory;
}

// Screen readers name an edit control after the label before it.
TEST_F(MainWindowTest, FieldsAreNamedAfterTheirLabels) {
    EXPECT_EQ(AccessibleName(gui_->Control("Edit_ExecFile")), L"実行ファイル");
    EXPECT_EQ(AccessibleName(gui_->Control("Edit_Option")), L"起動オプション");
}

TEST_F(MainWindowTest, CancellingTheBrowseDialogKeepsTheTypedPath) {
    gui_->Type("Edit_ExecFile", L"C:\\typed\\by hand.exe");
    gui_->Click("Button_ExecFile");
    const HWND dialog = gui_->WaitForDialog();
    ASSERT_NE(dialog, nullptr) << "no file dialog appeared";
    // The file type list offers programs first, then all files.
    const HWND types = GetDlgItem(dialog, 0x470);  // cmb1, the file type list
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(SendMessageW(types, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(types, CB_GETCURSEL, 0, 0), 0);
    wchar_t first[64] = {};
    SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, L"実行ファイル（*.exe）");
    gui_->Dismiss(dialog, IDCANCEL);
    EXPECT_EQ(gui_->Text("Edit_ExecFile"), L"C:\\typed\\by hand.exe");
}

// Wine's own frame is the one the window was drawn on.
TEST_F(MainWindowTest, OuterSizeOnWinesDefaultFrameIsTheDesigned377x261) {
    RECT frame{0, 0, 369, 234};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(gui_->MainWindow(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(gui_->MainWindow(), GWL_EXSTYLE)));
    if (frame.right - frame.left != 377 || frame.bottom - frame.top != 261) {
        GTEST_SKIP() << "needs Wine's default window frame at 96 dpi";
    }
    const RECT window = RectOf(gui_->MainWindow());
    EXPECT_EQ(window.right - window.left, 377);
    EXPECT_EQ(window.bottom - window.top, 261);
}

// On any frame and at any DPI, the client area is the design's, scaled,
// and nothing is cut off.
TEST_F(MainWindowTest, LayoutKeepsTheDesignedClientAreaAndMargins) {
    const int dpi = SystemDpi();
    const RECT client = ClientOf(gui_->MainWindow());
    EXPECT_EQ(client.right, Scaled(369, dpi));
    EXPECT_EQ(client.bottom, Scaled(234, dpi));
    ExpectLaidOutAt(gui_->MainWindow(), dpi);
    for (const char* name : kControls) {
        const HWND control = gui_->Control(name);
        const RECT place = PlaceOf(control);
        const RECT parent = ClientOf(GetParent(control));
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= parent.right && place.bottom <= parent.bottom)
            << name << " reaches " << place.right << ", " << place.bottom << " in " << parent.right << " x "
            << parent.bottom;
    }
}

TEST_F(MainWindowTest, AnchoredControlsFollowTheResizedEdges) {
    const RECT window = RectOf(gui_->MainWindow());
    const RECT edit = RectOf(gui_->Control("Edit_ExecFile"));
    const RECT execute = RectOf(gui_->Control("Button_Execute"));
    const RECT label = RectOf(gui_->Control("Label1"));
    SetWindowPos(gui_->MainWindow(), nullptr, 0, 0, window.right - window.left + 80, window.bottom - window.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitFor([&] { return RectOf(gui_->Control("Button_Execute")).left == execute.left + 80; }, 10000));
    EXPECT_EQ(RectOf(gui_->Control("Button_Execute")).top, execute.top + 40);
    EXPECT_EQ(RectOf(gui_->Control("Edit_ExecFile")).right, edit.right + 80);
    EXPECT_EQ(RectOf(gui_->Control("Edit_ExecFile")).left, edit.left);
    EXPECT_EQ(RectOf(gui_->Control("Label1")).right, label.right);
    SetWindowPos(gui_->MainWindow(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTheDesignedOrder) {
    std::vector<std::string> order{"Edit_ExecFile"};
    const std::uint32_t system = OwnAffinity().system;
    for (int i = 0; i < 4; ++i) {
        if ((system >> i) & 1) order.push_back("CheckBox_CPU" + std::to_string(i));
    }
    for (const char* name : {"Button_ExecFile", "Button_ShortCut", "Button_Execute", "Edit_Option", "Button_About"}) {
        order.push_back(name);
    }
    // The dialog manager moves the focus on Tab (IsDialogMessage) to where
    // it says: asked, not pressed, since keys go to whatever window is in
    // front, which the test cannot count on.
    for (size_t i = 0; i < order.size(); ++i) {
        const std::string& next = order[(i + 1) % order.size()];
        EXPECT_EQ(GetNextDlgTabItem(gui_->MainWindow(), gui_->Control(order[i]), FALSE), gui_->Control(next))
            << "Tab from " << order[i];
        EXPECT_EQ(GetNextDlgTabItem(gui_->MainWindow(), gui_->Control(next), TRUE), gui_->Control(order[i]))
            << "Shift+Tab from " << next;
    }
}

// The launcher's console closes as it ends, so the launcher itself says
// what failed, in a box; the window stays ready for the next launch.
TEST_F(MainWindowTest, ExecuteOfAMissingProgramIsReportedByTheLauncher) {
    const std::wstring missing = probe_->Folder() + L"\\mistyped.exe";
    gui_->Type("Edit_ExecFile", missing);
    gui_->Click("Button_Execute");
    const HWND box = WaitForLauncherBox();
    ASSERT_NE(box, nullptr) << "the launcher showed no message";
    const std::wstring text = gui_->MessageBoxText(box);
    EXPECT_EQ(text.find(L"プログラムが見つからないため、起動できませんでした。"), 0u);
    EXPECT_NE(text.find(L"Corelim: cannot start \"" + missing + L"\": "), std::wstring::npos);
    gui_->Dismiss(box);

    gui_->Type("Edit_ExecFile", Program());
    EXPECT_EQ(ExecuteAndWait().argv.size(), 1u);
}

// Starts `commandLine` in a new console window, as Explorer starts a
// console program, and returns its process.
PROCESS_INFORMATION StartInNewConsole(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                               nullptr, &startup, &process));
    return process;
}

DWORD AwaitExit(const PROCESS_INFORMATION& process) {
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

// Opened from Explorer, the launcher gets a console of its own that closes
// with it: the usage is shown in a box, and the status stays 1. Run from
// cmd, the console is cmd's and stays: no box, and the prompt comes back.
TEST(LauncherInAConsole, ShowsABoxOnlyWhenTheConsoleClosesWithIt) {
    const StagedFolder install = InstallFrontEnd(L"explorer");
    const std::wstring launcher = L"\"" + install.Path() + L"\\Corelim.exe\"";
    const PROCESS_INFORMATION alone = StartInNewConsole(launcher);
    const HWND box = WaitForLauncherBox();
    ASSERT_NE(box, nullptr) << "the launcher showed no usage box";
    const std::wstring text = GuiSession::MessageBoxText(box);
    EXPECT_EQ(text.rfind(L"Corelim.exe (起動用コマンド) は、", 0), 0u) << text.size();
    EXPECT_NE(text.find(L"CorelimGUI.exe を開いてください。\n\nUsage: Corelim AffinityMask ExecFile [Option for ExecFile ...]"),
              std::wstring::npos);
    GuiSession::Dismiss(box);
    EXPECT_EQ(AwaitExit(alone), 1u);

    const PROCESS_INFORMATION shared = StartInNewConsole(L"cmd.exe /c \"" + launcher + L" 1 C:\\missing.exe\"");
    EXPECT_EQ(AwaitExit(shared), 2u);
    EXPECT_EQ(WaitForLauncherBox(0), nullptr);
}

// Handed a file on its command line, as by Explorer, "Send to" or a
// script, the window starts with it filled in and starts nothing. A link
// gives its target and arguments; a link to no file changes nothing and
// says why; the window's own link asking for processors it cannot tick
// ticks the others and says so.
TEST(MainWindowFromCommandLine, FillsTheFieldsFromAProgramOrALink) {
    const StagedFolder staged = InstallFrontEnd(L"command line");
    const std::wstring& install = staged.Path();
    ProbeProgram probe;
    const std::wstring plain = install + L"\\plain.lnk", nowhere = install + L"\\nowhere.lnk",
                       own = install + L"\\own.lnk";
    ASSERT_HRESULT_SUCCEEDED(WriteLinkThroughShell(plain, probe.Path(), L"-a \"b c\" " + kAnyScriptOptions));
    LPITEMIDLIST computer = nullptr;
    ASSERT_HRESULT_SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer));
    ASSERT_HRESULT_SUCCEEDED(WriteLinkThroughShell(nowhere, L"", L"-a", computer));
    CoTaskMemFree(computer);
    ASSERT_HRESULT_SUCCEEDED(
        WriteLinkThroughShell(own, install + L"\\Corelim.exe", L"4294967295 \"" + probe.Path() + L"\" -x"));

    const struct {
        std::wstring argument, program, options;
        const wchar_t* message;  // how the message begins, if one shows
        std::uint32_t ticked;
    } cases[] = {
        {probe.Path(), probe.Path(), L"", nullptr, 0},
        {L".\\CorelimGUI.exe", install + L"\\CorelimGUI.exe", L"", nullptr, 0},
        {plain, probe.Path(), L"-a \"b c\" " + kAnyScriptOptions, nullptr, 0},
        {nowhere, L"", L"", L"ショートカットを読み込みませんでした。", 0},
        {own, probe.Path(), L"-x", L"ショートカットの CPU の指定 (マスク 4294967295) のうち、", OwnAffinity().system & 0xF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        GuiSession gui(install + L"\\CorelimGUI.exe", install, c.argument);
        if (c.message) {
            const HWND box = gui.WaitForDialog();
            ASSERT_NE(box, nullptr) << "no message appeared";
            EXPECT_EQ(gui.MessageBoxText(box).rfind(c.message, 0), 0u);
            gui.Dismiss(box);
        }
        EXPECT_TRUE(SamePath(gui.Text("Edit_ExecFile"), c.program)) << gui.Text("Edit_ExecFile");
        EXPECT_EQ(gui.Text("Edit_Option"), c.options);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(gui.IsChecked("CheckBox_CPU" + std::to_string(i)), ((c.ticked >> i) & 1) != 0);
        EXPECT_EQ(gui.Close(), 0u);
    }
    EXPECT_TRUE(probe.Records().empty()) << "filling the window started the program";
}

// Without the launcher beside it, Execute says so instead of doing nothing.
TEST(MainWindowWithoutLauncher, ExecuteReportsTheMissingLauncher) {
    const StagedFolder staged = InstallFrontEnd(L"no-launcher", false);
    const std::wstring& install = staged.Path();
    GuiSession gui(install + L"\\CorelimGUI.exe", install);
    gui.Type("Edit_ExecFile", L"C:\\Tools\\run.exe");
    gui.Click("Button_Execute");
    const HWND box = gui.WaitForDialog();
    ASSERT_NE(box, nullptr) << "no message appeared";
    EXPECT_EQ(gui.Text(box), L"CorelimGUI");
    const std::wstring text = gui.MessageBoxText(box);
    EXPECT_NE(text.find(L"Corelim.exe (起動用コマンド) を起動できませんでした"), std::wstring::npos) << text.size();
    EXPECT_NE(text.find(install + L"\\Corelim.exe"), std::wstring::npos);
    gui.Dismiss(box);
    EXPECT_EQ(gui.Close(), 0u);
}

}  // namespace
}  // namespace corelim::test
