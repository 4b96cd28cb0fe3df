#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"

namespace corelim::testing {

// The C runtime's argument splitter (msvcrt's __getmainargs), written from
// its documented rules as a reference for the tests: the program word runs
// to the next quote or blank; then 2n backslashes and a quote give n
// backslashes and toggle quoting, 2n+1 give n and a literal quote, "" inside
// quotes is a literal quote, and a lead byte takes the next byte with it.
std::vector<std::string> SplitCommandLine(std::string_view line, LeadBytePredicate isLeadByte);

// Lead bytes of code page 932 (Shift-JIS) and of a single-byte code page.
bool IsShiftJisLeadByte(unsigned char byte);
bool IsNeverLeadByte(unsigned char byte);

// Random argument lists for round-trip tests, mixing blanks, tabs, quotes,
// backslashes and Shift-JIS characters whose second byte is 0x5C. Program
// names hold what file names can: no quote, and they end in ".exe".
std::vector<std::vector<std::string>> GenerateArgumentLists(unsigned seed, int count);

// The command line the launcher builds for the given words.
std::string JoinArguments(const std::vector<std::string>& words, LeadBytePredicate isLeadByte);

}  // namespace corelim::testing
