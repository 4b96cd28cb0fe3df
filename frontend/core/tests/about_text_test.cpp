#include "about_text.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutText, ExactBytesWithLfLineEnds) {
    EXPECT_EQ(corelim::ComposeAboutText("1.0.0", "1.0.0"),
              "CorelimGUI " CORELIM_RIGHTS_NOTICE "\n"
              "\n"
              "[VersionInfo]\n"
              "\tCorelim :1.0.0\n"
              "\tCorelimGUI :1.0.0\n");
    // The version texts are code page 932 bytes.
    EXPECT_EQ(corelim::ComposeAboutText(corelim::kVersionUnreadable, corelim::kVersionUnknown),
              "CorelimGUI " CORELIM_RIGHTS_NOTICE "\n\n[VersionInfo]\n"
              "\tCorelim :\x83\x41\x83\x4E\x83\x5A\x83\x58\x95\x73\x94\x5C\n"
              "\tCorelimGUI :\x95\x73\x96\xBE\n");
}

TEST(AboutText, QueryPathIsLanguageThenCodePageInLowerCaseHex) {
    EXPECT_EQ(corelim::ProductVersionQuery(0x0411, 0x03A4),
              "\\StringFileInfo\\041103a4\\ProductVersion");
    EXPECT_EQ(corelim::ProductVersionQuery(0x0409, 0x04B0),
              "\\StringFileInfo\\040904b0\\ProductVersion");
    EXPECT_EQ(corelim::ProductVersionQuery(0, 0), "\\StringFileInfo\\00000000\\ProductVersion");
    EXPECT_EQ(corelim::ProductVersionQuery(0xFFFF, 0xABCD),
              "\\StringFileInfo\\ffffabcd\\ProductVersion");
}

}  // namespace
