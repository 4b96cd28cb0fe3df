#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corelim {

// How the C runtime (msvcrt's __wgetmainargs) splits a UTF-16 command line
// into words, for the launcher's own line and for the lines the programs
// write for it:
// - the program word ends at the next quote when it starts with one,
//   otherwise at the first blank or tab;
// - every later word starts past blanks and tabs; in it, 2n backslashes and
//   a quote give n backslashes and toggle quoting, 2n+1 give n and a
//   literal quote, and "" inside quotes is a literal quote.

// Where the program word ends: past its closing quote, or at the blank or
// tab after it.
std::size_t ProgramWordEnd(std::u16string_view line);

// What follows the program word, from the first word after it: the blanks
// and tabs between only separate. Run again with this after its own path,
// the launcher splits the same arguments; empty when there are none.
std::u16string_view ArgumentsAfterProgramName(std::u16string_view commandLine);

// The word after `at` (past any blanks); `at` is left where the word ends.
// Nothing at the end of the line.
std::optional<std::u16string> NextWord(std::u16string_view line, std::size_t& at);

}  // namespace corelim
