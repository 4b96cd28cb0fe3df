#include "about_text.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutText, ExactBytesWithLfLineEnds) {
    EXPECT_EQ(corelim::ComposeAboutText(u"1.0.0", u"1.0.0"),
              u"CorelimGUI " CORELIM_RIGHTS_NOTICE "\n"
              u"\n"
              u"[VersionInfo]\n"
              u"\tCorelim :1.0.0\n"
              u"\tCorelimGUI :1.0.0\n");
    // Versions in any script come through as they are.
    EXPECT_EQ(corelim::ComposeAboutText(corelim::kVersionUnreadable, u"2.0 \uBCA0\uD0C0 \U0001F600"),
              u"CorelimGUI " CORELIM_RIGHTS_NOTICE "\n\n[VersionInfo]\n"
              u"\tCorelim :\u30A2\u30AF\u30BB\u30B9\u4E0D\u80FD\n"
              u"\tCorelimGUI :2.0 \uBCA0\uD0C0 \U0001F600\n");
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
