#include "shell.h"
#include "system_paths.h"

namespace corelim {

std::wstring GetOwnFolder() {
    const std::u16string path = OwnPath();
    return std::wstring(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(path.find_last_of(u'\\') + 1));
}

}  // namespace corelim
