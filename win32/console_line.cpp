#include "console_line.h"

#include "wide_text.h"

namespace corelim {

void WriteLine(HANDLE output, const std::u16string& line) {
    const std::u16string text = line + u"\r\n";
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(output, &mode)) {
        WriteConsoleW(output, AsWide(text), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = NarrowLossy(text, CP_UTF8);
    WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace corelim
