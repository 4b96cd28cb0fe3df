#pragma once

#include <optional>
#include <string>

#include "wide_text.h"

namespace corelim {

// The program's own texts are code page 932 bytes whatever the system's
// code page, so they are converted from 932 when handed to the wide calls.
// The window holds what the user typed in UTF-16; paths and typed texts are
// narrowed to the system's ANSI code page only where they leave for the
// launcher through 8-bit command lines and shell links.
constexpr unsigned kUiCodePage = 932;

std::wstring WidenUi(const std::string& text);
std::wstring WidenAnsi(const std::string& text);

// Text in the ANSI code page, character for character. Neither a best-fit
// look-alike ("a" for "ａ" on 1252, "\" for "¥" on 932) nor the default
// character stands in for one the code page lacks: such text has no ANSI
// form, and `unconvertible` holds the first such character. A lone
// surrogate is never convertible.
struct AnsiText {
    std::string text;
    std::optional<char32_t> unconvertible;
};
AnsiText NarrowAnsi(const std::wstring& text);


}  // namespace corelim
