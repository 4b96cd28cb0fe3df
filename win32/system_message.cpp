#include "system_message.h"

#include <windows.h>

namespace corelim {

std::u16string SystemMessage(std::uint32_t code) {
    // Inserts are left as they are: the system would read arguments that
    // were never given for them.
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string message(reinterpret_cast<const char16_t*>(text), length);
    LocalFree(text);
    while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' || message.back() == u' ')) {
        message.pop_back();
    }
    return message;
}

}  // namespace corelim
