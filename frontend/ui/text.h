#pragma once

#include <string_view>

#include "wide_text.h"

namespace corelim {

// The program's own texts are code page 932 bytes whatever the system's
// code page, so they are converted from 932 when handed to the wide calls.
// The window holds what the user typed in UTF-16; paths and typed texts are
// narrowed to the system's ANSI code page (NarrowAnsi) only where they
// leave for the launcher through 8-bit command lines and shell links.
constexpr unsigned kUiCodePage = 932;

inline std::wstring WidenUi(std::string_view text) { return Widen(text, kUiCodePage); }

}  // namespace corelim
