#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

namespace corelim {

// A text the system writes into a buffer and whose length it returns: the
// size it needs when the buffer is too small (GetModuleFileNameW returns
// the buffer's size then), 0 on failure. Kept in std::u16string: a second
// string type would add its library code to the launcher.
template <class Call>
std::u16string SystemText(Call call) {
    std::u16string text(MAX_PATH, u'\0');
    for (;;) {
        const DWORD length = call(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
        if (length < text.size()) return text.substr(0, length);
        text.resize(std::max<std::size_t>(length, text.size() * 2));
    }
}

// The running program's own file, any length.
std::u16string OwnPath();
// Its folder, with the trailing backslash: where the other program lies.
std::u16string OwnFolder();

// The system folder (System32, or SysWOW64 as a 32-bit program sees it);
// empty when the system does not say.
std::u16string SystemFolder();

}  // namespace corelim
