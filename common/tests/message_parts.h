#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A message is checked for what it must carry, in this order (the outcome,
// the program, 理由, the figures, the button named), not for its sentences.
inline testing::AssertionResult Carries(const std::u16string& message, const std::vector<std::u16string>& parts) {
    std::size_t at = 0;
    for (const std::u16string& part : parts) {
        if ((at = message.find(part, at)) == std::u16string::npos) {
            return testing::AssertionFailure() << testing::PrintToString(message) << " lacks "
                                               << testing::PrintToString(part);
        }
        at += part.size();
    }
    return testing::AssertionSuccess();
}
