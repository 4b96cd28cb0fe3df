#pragma once

#include <string_view>

namespace corelim {

// Whether `text` ends with the ASCII `ending`, letters compared without
// case as the file system compares the extensions and names both programs
// look for (".bat", ".lnk", "Corelim.exe"). Other characters must match
// exactly.
bool EndsWithAsciiNoCase(std::u16string_view text, std::string_view ending);

// Whether two texts are the same, ASCII letters compared without case.
bool EqualsAsciiNoCase(std::u16string_view a, std::u16string_view b);

}  // namespace corelim
