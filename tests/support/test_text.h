#pragma once

#include <string>
#include <string_view>

#include "wide_text.h"

namespace corelim::test {

// Text in the system's ANSI code page as a test expects the system to have
// narrowed it, look-alikes and default characters included, where the
// program's NarrowAnsi refuses such text.
inline std::string NarrowAnsiLossy(std::wstring_view text) { return NarrowLossy(AsUtf16(text), CP_ACP); }

// UTF-16 text as UTF-8, with lone surrogates in their three-byte form
// (WTF-8), so that every text the system can hold is kept exactly: what the
// probe records, and what the launcher writes to a pipe (where the system's
// conversion turns a lone surrogate into U+FFFD).
std::string Utf8(std::u16string_view text);
std::string Utf8(std::wstring_view text);

}  // namespace corelim::test
