#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corelim::test {

// The C runtime's argument splitter (msvcrt's __wgetmainargs), written from
// its documented rules as a reference for the tests, apart from the one the
// programs use: the program word runs to the next quote or blank; then 2n
// backslashes and a quote give n backslashes and toggle quoting, 2n+1 give n
// and a literal quote, and "" inside quotes is a literal quote. It is held
// to a table of expected splits here and to the system's own under Wine.
std::vector<std::u16string> SplitCommandLine(std::u16string_view line);

// Random argument lists for round-trip tests, mixing blanks, tabs, quotes,
// backslashes, look-alikes of them (full-width quote and backslash), text
// beyond any code page, surrogate pairs and, in options, lone surrogates.
// Program names hold what file names can: no quote, and they end in ".exe".
std::vector<std::vector<std::u16string>> GenerateArgumentLists(unsigned seed, int count);

// The command line the launcher builds for the given words.
std::u16string JoinArguments(const std::vector<std::u16string>& words);

}  // namespace corelim::test
