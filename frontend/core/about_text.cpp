#include "about_text.h"

#include <cstdio>

namespace corelim {

std::string ComposeAboutText(const std::string& launcherVersion, const std::string& frontEndVersion) {
    return std::string("CorelimGUI ") + kRightsNotice + "\n\n" +
           "[VersionInfo]\n" +
           "\tCorelim :" + launcherVersion + "\n" +
           "\tCorelimGUI :" + frontEndVersion + "\n";
}

std::string ProductVersionQuery(std::uint16_t language, std::uint16_t codePage) {
    char query[64];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\ProductVersion",
                  static_cast<unsigned>(language), static_cast<unsigned>(codePage));
    return query;
}

}  // namespace corelim
