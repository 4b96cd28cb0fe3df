#pragma once

#include <windows.h>

#include <string>

namespace corelim {

// Writes `line` and a line break to `output`. A console gets UTF-16, which
// it shows whatever its code page; a file or a pipe gets UTF-8, which holds
// any path.
void WriteLine(HANDLE output, const std::u16string& line);

}  // namespace corelim
