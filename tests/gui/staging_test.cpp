// What a test stages goes when the test ends, also when it fails halfway.
#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "staging.h"

namespace corelim::test {
namespace {

std::vector<std::wstring> staged;

void StageThenFail() {
    const StagedFolder install = InstallFrontEnd(L"install");
    ProbeProgram probe;
    const std::wstring copy = probe.CopyTo(L"copy", L"run.exe");
    // A read-only file, which DeleteFileW refuses, goes too.
    ASSERT_TRUE(SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_READONLY));
    staged = {install.Path(), probe.Folder(), probe.RecordsFolder(), copy.substr(0, copy.rfind(L'\\'))};
    FAIL() << "failing halfway on purpose";
}

TEST(Staging, AFailedTestLeavesNothingBehind) {
    EXPECT_FATAL_FAILURE(StageThenFail(), "failing halfway on purpose");
    ASSERT_EQ(staged.size(), 4u);
    for (const std::wstring& path : staged) {
        EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << Utf8(path);
    }
}

}  // namespace
}  // namespace corelim::test
