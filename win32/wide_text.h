#pragma once

#include <string>

namespace corelim {

// wchar_t is UTF-16 on Windows: the platform-free code's char16_t text is
// the same bytes, handed to the wide calls as it is.
inline const wchar_t* AsWide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace corelim
