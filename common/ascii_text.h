#pragma once

#include <string_view>

namespace corelim {

// Whether `text` ends with the ASCII `ending`, letters compared without
// case as the file system compares the extensions and names both programs
// look for (".bat", ".lnk", "Corelim.exe"). Other characters must match
// exactly.
bool EndsWithAsciiNoCase(std::u16string_view text, std::string_view ending);

}  // namespace corelim
