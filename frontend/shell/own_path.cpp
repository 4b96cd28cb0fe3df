#include "shell.h"
#include "system_paths.h"
#include "wide_text.h"

namespace corelim {

std::wstring GetOwnFolder() {
    const std::u16string path = OwnPath();
    return FromUtf16(path.substr(0, path.find_last_of(u'\\') + 1));
}

}  // namespace corelim
