#include "shell.h"

namespace corelim {

std::u16string SystemMessage(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text(buffer, buffer + length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r')) text.pop_back();
    return text;
}

}  // namespace corelim
