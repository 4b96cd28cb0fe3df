// The unpacked download run as a user would: its own front end finds its own
// launcher, shows both versions and starts a program confined.
#include <windows.h>

#include <gtest/gtest.h>

#include "corelim_version.h"
#include "gui_driver.h"
#include "probe_record.h"
#include "staging.h"

namespace corelim::test {
namespace {

using corelim::test::ProbeRecord;

std::wstring PackageFolder() { return FromBuildTree(CORELIM_PACKAGE_DIR); }

TEST(Package, AboutShowsBothVersions) {
    GuiSession gui(PackageFolder() + L"\\CorelimGUI.exe", PackageFolder());
    gui.Click("Button_About");
    const HWND box = gui.WaitForDialog();
    ASSERT_NE(box, nullptr) << "no About box appeared";
    EXPECT_EQ(gui.MessageBoxText(box),
              L"CorelimGUI " CORELIM_RIGHTS_NOTICE "\n\n[VersionInfo]\n\tCorelim :" CORELIM_PRODUCT_VERSION
              "\n\tCorelimGUI :" CORELIM_PRODUCT_VERSION "\n");
    gui.Dismiss(box);
    EXPECT_EQ(gui.Close(), 0u);
}

TEST(Package, ExecuteStartsTheProgramConfined) {
    const ProbeProgram probe;

    GuiSession gui(PackageFolder() + L"\\CorelimGUI.exe", PackageFolder());
    // The highest processor offered alone: a mask distinct from the inherited one.
    int cpu = 3;
    while (cpu > 0 && !gui.IsEnabled("CheckBox_CPU" + std::to_string(cpu))) --cpu;
    gui.Type("Edit_ExecFile", probe.Path());
    gui.Type("Edit_Option", L"-a \"two words\"");
    gui.SetChecked("CheckBox_CPU" + std::to_string(cpu), true);
    gui.Click("Button_Execute");

    std::vector<ProbeRecord> seen;
    ASSERT_TRUE(probe.WaitForRecords(1, seen)) << "the program never started";
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].processAffinity, 1u << cpu);
    ASSERT_EQ(seen[0].argv.size(), 3u);
    EXPECT_EQ(seen[0].argv[1], "-a");
    EXPECT_EQ(seen[0].argv[2], "two words");
    EXPECT_EQ(gui.Close(), 0u);
}

}  // namespace
}  // namespace corelim::test
