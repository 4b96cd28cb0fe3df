#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link_file.h"
#include "shell.h"
#include "file_bytes.h"
#include "folder_entries.h"
#include "shortcut_settings.h"
#include "staged_folder.h"
#include "test_text.h"

namespace {

using corelim::test::FolderEntries;
using corelim::test::ReadBytes;
using corelim::test::NarrowAnsiLossy;
using corelim::test::StagedFolder;
using corelim::ToUtf16;
using corelim::Widen;

constexpr auto kSaved = corelim::ShortCutSave::Saved;

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Paths are limited in characters, and the staged folder's path may hold
// double-byte ones (a user named in Japanese).
std::size_t Characters(const std::string& ansi) { return Widen(ansi, CP_ACP).size(); }

// Each test writes into a fresh folder of its own, holding a stand-in for the
// launcher as the links' target.
class ShortCutWriter : public testing::Test {
protected:
    void SetUp() override {
        folder_ = NarrowAnsiLossy(staged_.Path());
        target_ = folder_ + "\\Corelim.exe";
        std::ofstream(Widen(target_, CP_ACP).c_str()).put('\0');
    }

    std::vector<std::string> LinksInFolder() const {
        std::vector<std::string> links;
        for (const std::string& name : FolderEntries(folder_)) {
            if (name != "Corelim.exe") links.push_back(name);
        }
        return links;
    }

    const StagedFolder staged_{Widen(testing::UnitTest::GetInstance()->current_test_info()->name(), CP_ACP)};
    std::string folder_;
    std::string target_;
};

// The writer with the test's ANSI texts, over whatever is at linkPath now.
bool Create(const std::string& target, const std::string& linkPath, const std::string& arguments,
            const std::string& folder, int showCommand, int hotKey) {
    const auto wide = [](const std::string& text) { return Widen<std::u16string>(text, CP_ACP); };
    return corelim::CreateShortCut({wide(target), wide(arguments), wide(folder)}, wide(linkPath), showCommand, hotKey,
                                   corelim::GetFileStamp(wide(linkPath))).outcome == kSaved;
}

// Reads a link back through the shell's own loader.
::testing::AssertionResult LoadThroughShell(const std::string& linkPath, ShellLinkView& view) {
    const HRESULT hr = LoadLinkThroughShell(Widen(linkPath, CP_ACP), view);
    if (FAILED(hr)) return ::testing::AssertionFailure() << "loading " << linkPath << ": 0x" << std::hex << hr;
    return ::testing::AssertionSuccess();
}

struct Expected {
    std::string target, arguments, workingDirectory;
    int showCommand;
    WORD hotKey;
};

// Checks a link both through the shell and in its bytes.
void CheckLink(const std::string& linkPath, const Expected& expected) {
    SCOPED_TRACE(linkPath);
    ShellLinkView view;
    ASSERT_TRUE(LoadThroughShell(linkPath, view));
    EXPECT_STRCASEEQ(view.path.c_str(), expected.target.c_str());
    EXPECT_EQ(view.arguments, expected.arguments);
    EXPECT_EQ(view.workingDirectory, expected.workingDirectory);
    // Readers take a show command other than 1, 3 or 7 as SW_SHOWNORMAL
    // ([MS-SHLLINK] 2.1), so the written value is checked in the bytes only.
    EXPECT_EQ(view.hotKey, expected.hotKey);

    LinkFile link;
    ASSERT_TRUE(ParseLinkFile(ReadBytes(Widen(linkPath, CP_ACP)), link));
    EXPECT_EQ(link.headerSize, 0x4Cu);
    // {00021401-0000-0000-C000-000000000046} as stored: Data1-3 little-endian.
    const std::uint8_t shellLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                             0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    EXPECT_EQ(0, std::memcmp(link.linkClsid, shellLinkClsid, 16));
    EXPECT_EQ(link.showCommand, static_cast<std::uint32_t>(expected.showCommand));
    EXPECT_EQ(link.hotKey, expected.hotKey);
    // An empty text may be stored as an empty string or left out.
    EXPECT_TRUE(link.hasArguments || expected.arguments.empty());
    EXPECT_EQ(link.arguments, Widen(expected.arguments, CP_ACP));
    EXPECT_TRUE(link.hasWorkingDir || expected.workingDirectory.empty());
    EXPECT_EQ(link.workingDir, Widen(expected.workingDirectory, CP_ACP));
}

TEST_F(ShortCutWriter, WritesTheGivenSettings) {
    const std::string linkPath = folder_ + "\\run.lnk";
    const std::string arguments = "5 \"C:\\Tools\\run.exe\" -a -b";
    ASSERT_TRUE(Create(target_, linkPath, arguments, "C:\\Tools", 10, 0));
    CheckLink(linkPath, {target_, arguments, "C:\\Tools", 10, 0});

    const std::string hotKeyLink = folder_ + "\\hotkey.lnk";
    ASSERT_TRUE(Create(target_, hotKeyLink, "", "", SW_SHOWMINNOACTIVE, 0x0141));
    CheckLink(hotKeyLink, {target_, "", "", SW_SHOWMINNOACTIVE, 0x0641});
}

TEST_F(ShortCutWriter, SavingAgainOverwritesTheLink) {
    const std::string linkPath = folder_ + "\\run.lnk";
    ASSERT_TRUE(Create(target_, linkPath, "1 \"C:\\a\\run.exe\" ", "C:\\a", 10, 0));
    ASSERT_TRUE(Create(target_, linkPath, "2 \"C:\\b\\run.exe\" -x", "C:\\b", 10, 0));
    CheckLink(linkPath, {target_, "2 \"C:\\b\\run.exe\" -x", "C:\\b", 10, 0});
    EXPECT_EQ(LinksInFolder(), std::vector<std::string>{"run.lnk"});
}

TEST_F(ShortCutWriter, UnwritablePlacesFailWithoutWritingAnything) {
    const std::string unwritable[] = {
        folder_ + "\\missing\\run.lnk",
        target_ + "\\run.lnk",  // a file where a folder should be
    };
    for (const std::string& linkPath : unwritable) {
        EXPECT_FALSE(Create(target_, linkPath, "1 \"x.exe\" ", "", 10, 0)) << linkPath;
    }
    EXPECT_TRUE(LinksInFolder().empty());

    // Linux's /proc takes no new files, not even from root.
    if (Exists("Z:\\proc\\self")) {
        EXPECT_FALSE(Create(target_, "Z:\\proc\\run.lnk", "", "", 10, 0));
        EXPECT_FALSE(Exists("Z:\\proc\\run.lnk"));
    }
}

// The path is converted into MAX_PATH wide characters including the
// terminator: 259 characters fit, 260 do not, and in a folder ("\\?\" makes
// it) that leaves room for no more than "c.lnk", the temporary file fits too.
TEST_F(ShortCutWriter, LinkPathsUpToMaxPathMinusOneCharacters) {
    const std::string sub = folder_ + "\\" + std::string(252 - Characters(folder_), 'b');
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + Widen(sub, CP_ACP)).c_str(), nullptr));
    const std::size_t nameLength = 259 - Characters(sub) - 1 - 4;
    const std::string fits = sub + "\\" + std::string(nameLength, 'c') + ".lnk";
    const std::string tooLong = "C:\\" + std::string(nameLength + 1, 'c') + ".exe";
    ASSERT_EQ(Characters(fits), 259u);
    EXPECT_TRUE(Create(target_, fits, "", "", 10, 0));
    EXPECT_TRUE(Exists(fits));
    EXPECT_FALSE(corelim::LocateShortCut(
        corelim::BuildShortCutRequest(tooLong, "", 1, target_, sub, corelim::SystemLeadByteRule()), sub));
    EXPECT_EQ(FolderEntries(sub).size(), 1u);
}

// A target given through 8.3 names, as a window started from Temp has its
// path, is the same file when read back in Windows' own spelling.
TEST_F(ShortCutWriter, ATargetIsTheSameFileHoweverSpelled) {
    std::wstring spelled(MAX_PATH, L'\0');
    spelled.resize(GetShortPathNameW(Widen(target_, CP_ACP).c_str(), spelled.data(), MAX_PATH));
    const std::u16string link = Widen<std::u16string>(folder_ + "\\run.lnk", CP_ACP), target = ToUtf16(spelled);
    ASSERT_EQ(corelim::CreateShortCut({target, u"1 x.exe", u""}, link, 10, 0, std::nullopt).outcome, kSaved);
    EXPECT_TRUE(corelim::FindFileAtLink(link, target).value().own);
}

// The writer replaces only the file it was told of, and leaves no temporary
// file: one that appeared since the look is left for another, and one held
// open without delete sharing, as a virus scanner may hold it, stays.
TEST_F(ShortCutWriter, ReplacesOnlyTheFileItWasToldOf) {
    const std::string linkPath = folder_ + "\\run.lnk";
    const std::u16string link = Widen<std::u16string>(linkPath, CP_ACP);
    ASSERT_TRUE(Create(target_, linkPath, "1 x.exe", "", 10, 0));
    const std::vector<unsigned char> before = ReadBytes(Widen(linkPath, CP_ACP));
    const corelim::ShortCutTexts texts{Widen<std::u16string>(target_, CP_ACP), u"2 y.exe", u""};
    EXPECT_EQ(corelim::CreateShortCut(texts, link, 10, 0, std::nullopt).outcome, corelim::ShortCutSave::Changed);
    const HANDLE held = CreateFileW(Widen(linkPath, CP_ACP).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(corelim::CreateShortCut(texts, link, 10, 0, corelim::GetFileStamp(link)).outcome,
              corelim::ShortCutSave::Failed);
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(Widen(linkPath, CP_ACP)), before);
    EXPECT_EQ(LinksInFolder(), std::vector<std::string>{"run.lnk"});
}

// In code page 932 a double-byte character is one wide character, so a link
// path longer than 259 bytes may still fit.
TEST_F(ShortCutWriter, CodePage932PathsAreMeasuredInCharacters) {
    if (GetACP() != 932) GTEST_SKIP() << "needs code page 932 (LANG=ja_JP.UTF-8)";
    const std::string sub = folder_ + "\\" + std::string(100, 'b');
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    std::string name;
    while (Characters(sub) + 1 + name.size() / 2 + 4 < 250) name += "\x95\x5C";  // 表
    const std::string linkPath = sub + "\\" + name + ".lnk";
    ASSERT_GT(linkPath.size(), 259u);
    const std::string arguments = "1 \"C:\\\x95\x5C\\run.exe\" ";
    ASSERT_TRUE(Create(target_, linkPath, arguments, "C:\\\x95\x5C", 10, 0));
    CheckLink(linkPath, {target_, arguments, "C:\\\x95\x5C", 10, 0});
}

TEST_F(ShortCutWriter, SaveShortCutWritesTheButtonsLink) {
    const corelim::LeadByteRule rule = corelim::SystemLeadByteRule();
    const std::string ownPath = folder_ + "\\CorelimGUI.exe";
    const corelim::LaunchRequest request =
        corelim::BuildShortCutRequest("C:\\Tools\\run.exe", "-a -b", 5, ownPath, folder_, rule);
    ASSERT_EQ(corelim::SaveShortCut(request, Widen<std::u16string>(request.LinkPath, CP_ACP), {}).outcome, kSaved);
    CheckLink(folder_ + "\\run.lnk", {target_, "5 \"C:\\Tools\\run.exe\" -a -b", "C:\\Tools", 10, 0});

    const corelim::LaunchRequest empty = corelim::BuildShortCutRequest("", "-a", 0, ownPath, folder_, rule);
    ASSERT_EQ(corelim::SaveShortCut(empty, Widen<std::u16string>(empty.LinkPath, CP_ACP), {}).outcome, kSaved);
    CheckLink(folder_ + "\\.lnk", {target_, "0 \"\" -a", "", 10, 0});
}

TEST_F(ShortCutWriter, NoLinkPathWithAnUnresolvedDesktop) {
    const std::string name = "corelim-unresolved-" + std::to_string(GetCurrentProcessId()) + ".exe";
    const corelim::LaunchRequest request = corelim::BuildShortCutRequest(
        name, "", 1, folder_ + "\\CorelimGUI.exe", "", corelim::SystemLeadByteRule());
    EXPECT_FALSE(corelim::LocateShortCut(request, ""));
    EXPECT_FALSE(Exists(request.LinkPath)) << request.LinkPath;
    EXPECT_FALSE(Exists(request.LinkPath.substr(1)));
    EXPECT_TRUE(LinksInFolder().empty());
}

}  // namespace
