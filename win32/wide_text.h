#pragma once

#include <string>

namespace corelim {

// wchar_t is UTF-16 on Windows: the platform-free code's char16_t text is
// the same bytes, handed to the wide calls as it is.
inline const wchar_t* AsWide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// The same text copied between the two string types.
inline std::wstring FromUtf16(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string ToUtf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace corelim
