#include "wide_text.h"

namespace corelim {

namespace {

// Null when `text` (not empty) has no exact form in the code page. The
// best-fit flag and the default-character check are invalid for UTF-8, an
// ANSI code page since Windows 10's "Unicode UTF-8" option; there only a
// lone surrogate fails, and WC_ERR_INVALID_CHARS makes it fail.
std::optional<std::string> NarrowExactly(const wchar_t* text, int size, UINT codePage) {
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(codePage, flags, text, size, nullptr, 0, nullptr, utf8 ? nullptr : &usedDefault);
    if (length == 0 || usedDefault) return std::nullopt;
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text, size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

}  // namespace

AnsiText NarrowAnsi(std::u16string_view text) {
    // One character (a surrogate pair as one) at a time, so that the first
    // culprit is known; the ANSI code pages carry no state from one
    // character to the next, so the pieces join to the whole's conversion.
    const UINT codePage = GetACP();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    AnsiText ansi;
    for (size_t i = 0; i < text.size();) {
        const bool pair = i + 1 < text.size() && IS_HIGH_SURROGATE(wide[i]) && IS_LOW_SURROGATE(wide[i + 1]);
        const int units = pair ? 2 : 1;
        const auto piece = NarrowExactly(wide + i, units, codePage);
        if (!piece) {
            ansi.text.clear();
            ansi.unconvertible =
                pair ? 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00) : text[i];
            return ansi;
        }
        ansi.text += *piece;
        i += static_cast<size_t>(units);
    }
    return ansi;
}

}  // namespace corelim
