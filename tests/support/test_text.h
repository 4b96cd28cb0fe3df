#pragma once

#include <string>
#include <string_view>

namespace corelim::test {

// Text in the system's ANSI code page, widened, and back (characters the
// code page lacks become its default character).
std::wstring WidenAnsi(std::string_view text);
std::string NarrowAnsi(std::wstring_view text);

// UTF-16 text as UTF-8, with lone surrogates in their three-byte form
// (WTF-8), so that every text the system can hold is kept exactly: what the
// probe records, and what the launcher writes to a pipe (where the system's
// conversion turns a lone surrogate into U+FFFD).
std::string Utf8(std::u16string_view text);
std::string Utf8(std::wstring_view text);
// UTF-8 text, such as the probe's records, widened.
std::wstring WidenUtf8(std::string_view text);

}  // namespace corelim::test
