#pragma once

// Every conversion of text both programs make. UTF-16 is held in two string
// types: std::u16string in the platform-free code and these helpers (a
// second type would add its library code to the launcher), std::wstring in
// the window's code. 8-bit text is in a code page: the system's ANSI one
// for the 8-bit calls, 932 for the window's own texts, UTF-8 for files and
// pipes.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace corelim {

// wchar_t is UTF-16 on Windows: the platform-free code's char16_t text is
// the same bytes, handed to the wide calls as it is, and the window's text
// is seen as the platform-free code's without a copy.
inline const wchar_t* AsWide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline std::u16string_view AsUtf16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// The same text copied between the two string types.
inline std::wstring FromUtf16(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string ToUtf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// 8-bit text in `codePage` as UTF-16, in the string type the caller holds
// text in; bytes that make no character are widened as the system does by
// default.
template <class WideString = std::wstring>
WideString Widen(std::string_view text, unsigned codePage) {
    // No character takes more UTF-16 units than it has bytes.
    WideString wide(text.size(), 0);
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                                             reinterpret_cast<wchar_t*>(wide.data()),
                                                             static_cast<int>(wide.size()))));
    return wide;
}

// UTF-16 text in `codePage` as the system narrows it by default, losing
// what the code page lacks: a look-alike ("a" for "ａ" on 1252) or the
// default character stands in for such a character, U+FFFD for a lone
// surrogate in UTF-8. For text that is only shown or written down.
inline std::string NarrowLossy(std::u16string_view text, unsigned codePage) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, wide, size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide, size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

// Text in the ANSI code page, character for character, for paths and
// options that must reach another program as themselves. Neither a
// look-alike nor the default character stands in for one the code page
// lacks: such text has no ANSI form, and `unconvertible` holds the first
// such character. A lone surrogate is never convertible.
struct AnsiText {
    std::string text;
    std::optional<char32_t> unconvertible;
};
AnsiText NarrowAnsi(std::u16string_view text);

}  // namespace corelim
