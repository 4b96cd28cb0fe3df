#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "shell.h"

namespace {

TEST(SystemLeadByteRule, FollowsTheAnsiCodePage) {
    const corelim::LeadByteRule rule = corelim::SystemLeadByteRule();
    const corelim::LeadByteRule expected =
        GetACP() == 932 ? corelim::LeadByteRule::CodePage932() : corelim::LeadByteRule::SingleByte();
    if (GetACP() != 932 && GetACP() != 1252) GTEST_SKIP() << "needs code page 932 or 1252 as the system's";
    for (unsigned byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(rule.IsLeadByte(static_cast<unsigned char>(byte)),
                  expected.IsLeadByte(static_cast<unsigned char>(byte)))
            << "byte " << byte << " in code page " << GetACP();
    }
}

TEST(SpecialFolder, DesktopIsAnExistingFolder) {
    const std::wstring desktop = corelim::GetSpecialFolderPath(nullptr, CSIDL_DESKTOPDIRECTORY);
    ASSERT_FALSE(desktop.empty());
    const DWORD attributes = GetFileAttributesW(desktop.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << desktop;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << desktop;
}

TEST(SpecialFolder, UnknownFolderGivesEmptyText) {
    EXPECT_EQ(corelim::GetSpecialFolderPath(nullptr, 0x7F), L"");
}

}  // namespace
