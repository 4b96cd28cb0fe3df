// Both programs run from a folder where DLLs named like system ones lie
// planted (and Wine is told to prefer such native DLLs): none may load.
#include <windows.h>

#include <gtest/gtest.h>

#include "corelim_version.h"
#include "gui_driver.h"
#include "staging.h"

namespace corelim::test {
namespace {

// Not among the system's known DLLs, so the loader would look for them in
// the program's folder first; Wine is told to prefer these native DLLs.
// shell32 is one on Windows, not under Wine: it stands for the DLLs the
// window binds at first use, loaded by name when Execute first needs it.
// Two are left to Wine's default of built-in code, because Wine's own DLLs
// load them while the process starts, before any code of the program runs,
// and resolve them from the program's folder (Windows' do not load them
// there): version.dll, which Wine's user32 imports, and uxtheme.dll, which
// Wine's user32 and comctl32 load. The search restriction itself is shown
// under Wine by the DLL search test.
const wchar_t* const kPlanted[] = {L"version.dll", L"uxtheme.dll", L"comctl32.dll", L"apphelp.dll",
                                   L"dwmapi.dll", L"propsys.dll", L"shell32.dll"};

TEST(PlantedDlls, NeitherProgramLoadsADllFromItsFolder) {
    const StagedFolder staged = InstallFrontEnd(L"downloads");
    const std::wstring& install = staged.Path();
    const ProbeProgram probe;
    for (const std::wstring& folder : {install, probe.Folder()}) {
        for (const wchar_t* dll : kPlanted) CopyOrDie(FromBuildTree(CORELIM_PLANTED_DLL), folder + L"\\" + dll);
    }
    const std::wstring marker = install + L"\\planted-dll-loaded.txt";
    SetEnvironmentVariableW(L"CORELIM_PLANTED_MARKER", marker.c_str());

    GuiSession gui(install + L"\\CorelimGUI.exe", install);

    // About reads both version records: version.dll is needed.
    gui.Click("Button_About");
    const HWND box = gui.WaitForDialog();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(gui.MessageBoxText(box).find(L"\tCorelim :" CORELIM_PRODUCT_VERSION "\n\tCorelimGUI :" CORELIM_PRODUCT_VERSION "\n"), std::wstring::npos)
        << "the versions are not shown";
    gui.Dismiss(box);

    // Execute runs the launcher from the same folder, which starts a program.
    gui.Type("Edit_ExecFile", probe.Path());
    gui.SetChecked("CheckBox_CPU0", true);
    gui.Click("Button_Execute");
    std::vector<corelim::test::ProbeRecord> records;
    EXPECT_TRUE(probe.WaitForRecords(1, records)) << "nothing launched";

    EXPECT_EQ(gui.Close(), 0u);
    EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "a planted DLL was loaded";
}

}  // namespace
}  // namespace corelim::test
