#include <windows.h>

#include <gtest/gtest.h>

#include "about_text.h"
#include "build_tree.h"
#include "corelim_version.h"
#include "shell.h"

namespace {

// The sample programs are built beside this test program.
std::string SampleFolder() {
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    return corelim::ExtractFilePath(std::string(self, length), corelim::SystemLeadByteRule());
}

TEST(ProductVersion, ReadUnderTheRecordsFirstTranslation) {
    const struct {
        const char* file;
        const char16_t* version;
    } cases[] = {
        {"version_shipped_layout.exe", u"1.0.0"},  // key "041103A4" found as "041103a4"
        {"version_other_language.exe", u"2.3.4 beta"},
        {"version_later_translation.exe", corelim::kVersionUnknown},
        {"version_no_translation.exe", corelim::kVersionUnknown},
        {"version_empty_translation.exe", corelim::kVersionUnknown},
        {"version_none.exe", corelim::kVersionUnreadable},
        {"no_such_program.exe", corelim::kVersionUnreadable},
    };
    const std::string folder = SampleFolder();
    for (const auto& c : cases) {
        EXPECT_EQ(corelim::GetProductVersion(folder + c.file), c.version) << c.file;
    }
    EXPECT_EQ(corelim::GetProductVersion(""), corelim::kVersionUnreadable);
    EXPECT_EQ(corelim::GetProductVersion(folder + "no_such_folder\\x.exe"), corelim::kVersionUnreadable);
}

TEST(ProductVersion, ShippedPrograms) {
    for (const char* program : {CORELIM_LAUNCHER_EXE, CORELIM_GUI_EXE}) {
        EXPECT_EQ(corelim::GetProductVersion(corelim::test::FromBuildTreeAnsi(program)), u"" CORELIM_PRODUCT_VERSION)
            << program;
    }
}

// Nothing is cached: a file replaced between two calls gives its new version.
TEST(ProductVersion, ReadAfreshEachTime) {
    const std::string folder = SampleFolder();
    const std::string copy = folder + "version_replaced.exe";
    ASSERT_TRUE(CopyFileA((folder + "version_shipped_layout.exe").c_str(), copy.c_str(), FALSE));
    EXPECT_EQ(corelim::GetProductVersion(copy), u"1.0.0");
    ASSERT_TRUE(CopyFileA((folder + "version_other_language.exe").c_str(), copy.c_str(), FALSE));
    EXPECT_EQ(corelim::GetProductVersion(copy), u"2.3.4 beta");
    DeleteFileA(copy.c_str());
    EXPECT_EQ(corelim::GetProductVersion(copy), corelim::kVersionUnreadable);
}

}  // namespace
