#pragma once

#include <cstdint>
#include <string>

#include "corelim_version.h"

namespace corelim {

// Version texts for a file whose record holds no ProductVersion under its
// first translation, and for a file whose record cannot be read at all.
inline constexpr char16_t kVersionUnknown[] = u"不明";
inline constexpr char16_t kVersionUnreadable[] = u"アクセス不能";

// The About box text; every line ends with a single LF. It is UTF-16, so
// that a version string shows as its record holds it, in any script; the
// banner's rights notice is both programs' LegalCopyright.
std::u16string ComposeAboutText(const std::u16string& launcherVersion, const std::u16string& frontEndVersion);

// The VerQueryValue sub-block of ProductVersion for one translation:
// "\StringFileInfo\<language><code page>\ProductVersion", four lower-case
// hexadecimal digits each (VerQueryValue matches keys regardless of case).
std::string ProductVersionQuery(std::uint16_t language, std::uint16_t codePage);

}  // namespace corelim
