#pragma once

#include <cstdint>
#include <string>

#include "corelim_version.h"

namespace corelim {

// The rights notice of the About banner, the same as both programs'
// LegalCopyright.
inline constexpr char kRightsNotice[] = CORELIM_RIGHTS_NOTICE;

// Version texts for a file whose record holds no ProductVersion under its
// first translation, and for a file whose record cannot be read at all.
inline constexpr char kVersionUnknown[] = "不明";
inline constexpr char kVersionUnreadable[] = "アクセス不能";

// The About box text; every line ends with a single LF.
std::string ComposeAboutText(const std::string& launcherVersion, const std::string& frontEndVersion);

// The VerQueryValue sub-block of ProductVersion for one translation:
// "\StringFileInfo\<language><code page>\ProductVersion", four lower-case
// hexadecimal digits each (VerQueryValue matches keys regardless of case).
std::string ProductVersionQuery(std::uint16_t language, std::uint16_t codePage);

}  // namespace corelim
