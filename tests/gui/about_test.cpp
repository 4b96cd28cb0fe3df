// The About button driven through the window: both programs' versions,
// read afresh at every press.
#include <windows.h>

#include <gtest/gtest.h>

#include "corelim_version.h"
#include "gui_driver.h"
#include "staging.h"

namespace corelim::test {
namespace {

std::wstring AboutText(const std::wstring& launcherVersion) {
    return L"CorelimGUI " CORELIM_RIGHTS_NOTICE "\n\n[VersionInfo]\n\tCorelim :" + launcherVersion +
           L"\n\tCorelimGUI :" CORELIM_PRODUCT_VERSION "\n";
}

std::wstring PressAbout(GuiSession& gui) {
    gui.Click("Button_About");
    const HWND box = gui.WaitForDialog();
    if (!box) return L"(no message)";
    EXPECT_EQ(gui.Text(box), L"CorelimGUI");
    const std::wstring text = gui.MessageBoxText(box);
    gui.Dismiss(box);
    return text;
}

// From a folder no system code page can name, and with a version string in
// any script.
TEST(AboutButton, ShowsBothVersionsReadAtEachPress) {
    const StagedFolder staged = InstallFrontEnd(L"\uC571 \u30C4\u30FC\u30EB");  // 앱 ツール
    const std::wstring& install = staged.Path();
    const std::wstring launcher = install + L"\\Corelim.exe";
    GuiSession gui(install + L"\\CorelimGUI.exe", install);

    EXPECT_EQ(PressAbout(gui), AboutText(L"" CORELIM_PRODUCT_VERSION));

    ASSERT_TRUE(DeleteFileW(launcher.c_str()));
    EXPECT_EQ(PressAbout(gui), AboutText(L"アクセス不能"));

    // A launcher replaced while the window is open shows its own version.
    CopyOrDie(FromBuildTree(CORELIM_OTHER_VERSION_EXE), launcher);
    EXPECT_EQ(PressAbout(gui), AboutText(L"2.3.4 beta"));
    CopyOrDie(FromBuildTree(CORELIM_ANY_SCRIPT_VERSION_EXE), launcher);
    EXPECT_EQ(PressAbout(gui), AboutText(L"5.6.7 \uBCA0\uD0C0 \u30D9\u30FC\u30BF \U0001F600"));  // 베타 ベータ 😀

    EXPECT_EQ(gui.Close(), 0u);
}

}  // namespace
}  // namespace corelim::test
