#include "affinity_choice.h"

#include <gtest/gtest.h>

namespace {

// On a machine with processors 0 and 1, unless a row says otherwise.
TEST(AffinityChoice, KeepsTheProcessorsTheMachineHas) {
    const struct {
        std::uint32_t system;
        std::uint32_t inherited;
        std::uint32_t requested;
        std::optional<std::uint32_t> applied;
        const char16_t* line;
    } cases[] = {
        {3, 3, 1, 1, u""},
        {3, 1, 2, 2, u""},
        {0xFF, 3, 0xFFFFFFFF, 0xFF, u""},
        {3, 3, 5, 1,
         u"Corelim: mask 5 names processor 2, which this machine lacks; \"app.exe\" runs on processor 0 only."},
        {3, 3, 0xFFFFFFFE, 2,
         u"Corelim: mask 4294967294 names processors 2-31, which this machine lacks; \"app.exe\" runs on "
         u"processor 1 only."},
        {0xF, 3, 0x3C, 0xC,
         u"Corelim: mask 60 names processors 4, 5, which this machine lacks; \"app.exe\" runs on processors 2, 3 "
         u"only."},
        {3, 3, 0x1C, std::nullopt,
         u"Corelim: mask 28 names processors 2-4, which this machine lacks; \"app.exe\" keeps the affinity it "
         u"inherited: processors 0, 1."},
        {3, 2, 0, std::nullopt, u"Corelim: mask 0 names no processor; \"app.exe\" keeps the affinity it inherited: "
                                u"processor 1."},
        // The machine's processors unknown: the system decides, as before.
        {0, 0, 5, 5, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested);
        const corelim::AffinityChoice choice = corelim::ChooseAffinity(c.system, c.inherited, c.requested, u"app.exe");
        EXPECT_EQ(choice.applied, c.applied);
        EXPECT_EQ(choice.line, c.line);
    }
    EXPECT_EQ(corelim::AffinityRefusalLine(1, 3, u"app.exe", u"Access is denied."),
              u"Corelim: the system refused mask 1 (Access is denied.); \"app.exe\" keeps the affinity it inherited: "
              u"processors 0, 1.");
}

}  // namespace
