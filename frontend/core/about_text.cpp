#include "about_text.h"

#include <cstdio>

namespace corelim {

std::u16string ComposeAboutText(const std::u16string& launcherVersion, const std::u16string& frontEndVersion) {
    return u"CorelimGUI " CORELIM_RIGHTS_NOTICE "\n\n"
           u"[VersionInfo]\n"
           u"\tCorelim :" + launcherVersion + u"\n" +
           u"\tCorelimGUI :" + frontEndVersion + u"\n";
}

std::string ProductVersionQuery(std::uint16_t language, std::uint16_t codePage) {
    char query[64];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\ProductVersion",
                  static_cast<unsigned>(language), static_cast<unsigned>(codePage));
    return query;
}

}  // namespace corelim
