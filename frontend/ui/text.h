#pragma once

#include <string>

namespace corelim {

// The program's own texts are code page 932 bytes whatever the system's
// code page, so they are converted from 932 when handed to the wide calls.
// Paths and typed texts are in the system's ANSI code page, since they
// travel on to the launcher through 8-bit command lines.
constexpr unsigned kUiCodePage = 932;

std::wstring WidenUi(const std::string& text);
std::wstring WidenAnsi(const std::string& text);
std::string NarrowAnsi(const std::wstring& text);

}  // namespace corelim
