// The unpacked download run as a user would: its own front end finds its own
// launcher, shows both versions and starts a program confined.
#include <windows.h>

#include <gtest/gtest.h>

#include "gui_driver.h"
#include "probe_record.h"
#include "staging.h"

namespace corelim::test {
namespace {

using corelim::testing::ProbeRecord;
using corelim::testing::ReadProbeRecords;

std::wstring PackageFolder() { return FromBuildTree(CORELIM_PACKAGE_DIR); }

TEST(Package, AboutShowsBothVersions) {
    GuiSession gui(PackageFolder() + L"\\CorelimGUI.exe", PackageFolder());
    gui.Click("Button_About");
    const HWND box = gui.WaitForDialog();
    ASSERT_NE(box, nullptr) << "no About box appeared";
    EXPECT_EQ(gui.MessageBoxText(box),
              L"CorelimGUI Copyright (C) 2026 Corelim developers\n\n[VersionInfo]\n\tCorelim :1.0.0\n\tCorelimGUI :1.0.0\n");
    gui.Dismiss(box);
    EXPECT_EQ(gui.Close(), 0u);
}

TEST(Package, ExecuteStartsTheProgramConfined) {
    const std::wstring program = MakeFreshFolder(L"package-program") + L"\\run.exe";
    CopyOrDie(FromBuildTree(CORELIM_PROBE_EXE), program);
    const std::wstring records = MakeFreshFolder(L"package-records") + L"\\probe.txt";
    SetEnvironmentVariableW(L"CORELIM_PROBE_OUT", records.c_str());

    GuiSession gui(PackageFolder() + L"\\CorelimGUI.exe", PackageFolder());
    // The highest processor offered alone: a mask distinct from the inherited one.
    int cpu = 3;
    while (cpu > 0 && !gui.IsEnabled("CheckBox_CPU" + std::to_string(cpu))) --cpu;
    gui.Type("Edit_ExecFile", program);
    gui.Type("Edit_Option", L"-a \"two words\"");
    gui.SetChecked("CheckBox_CPU" + std::to_string(cpu), true);
    gui.Click("Button_Execute");

    char path[MAX_PATH * 3];
    WideCharToMultiByte(CP_ACP, 0, records.c_str(), -1, path, sizeof path, nullptr, nullptr);
    std::vector<ProbeRecord> seen;
    ASSERT_TRUE(WaitFor([&] { return !(seen = ReadProbeRecords(path)).empty(); })) << "the program never started";
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].processAffinity, 1u << cpu);
    ASSERT_EQ(seen[0].argv.size(), 3u);
    EXPECT_EQ(seen[0].argv[1], "-a");
    EXPECT_EQ(seen[0].argv[2], "two words");
    EXPECT_EQ(gui.Close(), 0u);
}

}  // namespace
}  // namespace corelim::test
