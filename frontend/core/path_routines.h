#pragma once

#include <bitset>
#include <string>

namespace corelim {

// Which bytes open a double-byte character in the 8-bit text a path is
// written in. Paths are in the system's ANSI code page, so the Win32 layer
// builds the rule from it (SystemLeadByteRule); the factories here serve the
// code pages the tests and the platform-free code need.
class LeadByteRule {
public:
    explicit LeadByteRule(const std::bitset<256>& leadBytes) : leadBytes_(leadBytes) {}

    // Code pages such as 1252, and UTF-8 (65001), whose multi-byte
    // sequences hold no ASCII byte: no byte hides a separator.
    static LeadByteRule SingleByte();
    // Code page 932 (Shift-JIS): lead bytes 0x81-0x9F and 0xE0-0xFC. Their
    // second byte may be 0x5C, the backslash ("表" is 0x95 0x5C).
    static LeadByteRule CodePage932();

    bool IsLeadByte(unsigned char byte) const { return leadBytes_[byte]; }

private:
    std::bitset<256> leadBytes_;
};

// The path routines of the front end. A separator is a backslash, a slash
// (Windows reads both alike) or a colon that is not the second byte of a
// double-byte character.

// Everything up to and including the last separator; empty when there is none.
std::string ExtractFilePath(const std::string& fileName, const LeadByteRule& rule);
// The folder without its trailing backslash or slash, except where it
// follows another separator or starts the text (a root: "C:\x.exe" gives "C:\").
std::string ExtractFileDir(const std::string& fileName, const LeadByteRule& rule);
// Everything after the last separator.
std::string ExtractFileName(const std::string& fileName, const LeadByteRule& rule);
// Replaces the extension (from the last dot after the last separator) with
// `extension`, or appends `extension` when the name has no dot.
std::string ChangeFileExt(const std::string& fileName, const std::string& extension,
                          const LeadByteRule& rule);

// Signed decimal text, "%i" formatting.
std::string IntToStr(int value);

}  // namespace corelim
