#include "path_routines.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

using corelim::LeadByteRule;

struct PathCase {
    const char* fileName;
    const char* path;     // ExtractFilePath
    const char* dir;      // ExtractFileDir
    const char* name;     // ExtractFileName
    const char* linkName; // ChangeFileExt(fileName, ".lnk")
};

void CheckPaths(const LeadByteRule& rule, std::initializer_list<PathCase> cases) {
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.fileName);
        EXPECT_EQ(corelim::ExtractFilePath(c.fileName, rule), c.path);
        EXPECT_EQ(corelim::ExtractFileDir(c.fileName, rule), c.dir);
        EXPECT_EQ(corelim::ExtractFileName(c.fileName, rule), c.name);
        EXPECT_EQ(corelim::ChangeFileExt(c.fileName, ".lnk", rule), c.linkName);
    }
}

// Rows that hold in every code page: the text is plain ASCII.
const std::initializer_list<PathCase> kAsciiCases = {
    {"C:\\Tools\\run.exe", "C:\\Tools\\", "C:\\Tools", "run.exe", "C:\\Tools\\run.lnk"},
    {"C:\\x.exe", "C:\\", "C:\\", "x.exe", "C:\\x.lnk"},
    {"C:x.exe", "C:", "C:", "x.exe", "C:x.lnk"},
    {"\\x.exe", "\\", "\\", "x.exe", "\\x.lnk"},
    {"x.exe", "", "", "x.exe", "x.lnk"},
    {"a\\x.exe", "a\\", "a", "x.exe", "a\\x.lnk"},
    {"", "", "", "", ".lnk"},
    {"a.b.exe", "", "", "a.b.exe", "a.b.lnk"},
    {"tool", "", "", "tool", "tool.lnk"},
    {"C:\\my.dir\\tool", "C:\\my.dir\\", "C:\\my.dir", "tool", "C:\\my.dir\\tool.lnk"},
    {"C:\\Tools\\", "C:\\Tools\\", "C:\\Tools", "", "C:\\Tools\\.lnk"},
    {"\\\\server\\share\\run.exe", "\\\\server\\share\\", "\\\\server\\share", "run.exe",
     "\\\\server\\share\\run.lnk"},
    {"\\\\x.exe", "\\\\", "\\\\", "x.exe", "\\\\x.lnk"},
    {"C:\\Tools\\.profile", "C:\\Tools\\", "C:\\Tools", ".profile", "C:\\Tools\\.lnk"},
    // Windows reads "/" as "\\", alone or mixed with it.
    {"Z:/tools/slash dir/probe.exe", "Z:/tools/slash dir/", "Z:/tools/slash dir", "probe.exe",
     "Z:/tools/slash dir/probe.lnk"},
    {"C:/x.exe", "C:/", "C:/", "x.exe", "C:/x.lnk"},
    {"C:\\a/b\\c.d/run", "C:\\a/b\\c.d/", "C:\\a/b\\c.d", "run", "C:\\a/b\\c.d/run.lnk"},
};

TEST(PathRoutines, AsciiPathsInBothCodePages) {
    CheckPaths(LeadByteRule::SingleByte(), kAsciiCases);
    CheckPaths(LeadByteRule::CodePage932(), kAsciiCases);
}

// "表" is 0x95 0x5C and "ソフト" is 0x83 0x5C 0x83 0x74 0x83 0x67: their
// second bytes equal the backslash.
TEST(PathRoutines, CodePage932SecondBytesAreNotSeparators) {
    CheckPaths(LeadByteRule::CodePage932(), {
        {"C:\\\x95\x5C\\run.exe", "C:\\\x95\x5C\\", "C:\\\x95\x5C", "run.exe", "C:\\\x95\x5C\\run.lnk"},
        {"C:\\\x83\x5C\x83\x74\x83\x67.exe", "C:\\", "C:\\", "\x83\x5C\x83\x74\x83\x67.exe",
         "C:\\\x83\x5C\x83\x74\x83\x67.lnk"},
        {"\x95\x5C.exe", "", "", "\x95\x5C.exe", "\x95\x5C.lnk"},
        // 0x9F, the last lead byte of the first range.
        {"C:\\\x9F\x5C\\x.exe", "C:\\\x9F\x5C\\", "C:\\\x9F\x5C", "x.exe", "C:\\\x9F\x5C\\x.lnk"},
        // The folder "表" keeps no trailing backslash: its 0x5C is no root.
        {"\x95\x5C\\x.exe", "\x95\x5C\\", "\x95\x5C", "x.exe", "\x95\x5C\\x.lnk"},
        {"C:\\\x95\x5C\\\x83\x5C\\", "C:\\\x95\x5C\\\x83\x5C\\", "C:\\\x95\x5C\\\x83\x5C", "",
         "C:\\\x95\x5C\\\x83\x5C\\.lnk"},
        {"C:/\x95\x5C/run.exe", "C:/\x95\x5C/", "C:/\x95\x5C", "run.exe", "C:/\x95\x5C/run.lnk"},
        // Half-width katakana (0xA1-0xDF) are single bytes.
        {"C:\\\xB1\\\xB2.exe", "C:\\\xB1\\", "C:\\\xB1", "\xB2.exe", "C:\\\xB1\\\xB2.lnk"},
        // A lead byte cut off at the end of the text.
        {"C:\\a\x95", "C:\\", "C:\\", "a\x95", "C:\\a\x95.lnk"},
        // 0xE9 opens a double-byte character here, swallowing the backslash.
        {"C:\\Caf\xE9\\run.exe", "C:\\", "C:\\", "Caf\xE9\\run.exe", "C:\\Caf\xE9\\run.lnk"},
    });
}

TEST(PathRoutines, CodePage1252HighBytesAreCharacters) {
    CheckPaths(LeadByteRule::SingleByte(), {
        {"C:\\Caf\xE9\\run.exe", "C:\\Caf\xE9\\", "C:\\Caf\xE9", "run.exe", "C:\\Caf\xE9\\run.lnk"},
        // The same bytes as "表\x.exe" in code page 932: here 0x5C is a
        // separator, so the backslash after it belongs to a doubled one.
        {"\x95\x5C\\x.exe", "\x95\\\\", "\x95\\\\", "x.exe", "\x95\\\\x.lnk"},
    });
}

TEST(PathRoutines, IntToStrIsSignedDecimal) {
    const struct {
        int value;
        const char* text;
    } cases[] = {{0, "0"}, {5, "5"}, {15, "15"}, {-1, "-1"},
                 {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
    for (const auto& c : cases) {
        EXPECT_EQ(corelim::IntToStr(c.value), c.text);
    }
}

}  // namespace
