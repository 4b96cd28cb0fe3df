#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corelim::test {

// One case as GoogleTest's XML report (--gtest_output=xml) gives it; cases
// that did not run (disabled, or left out by a filter) are not listed.
struct CaseResult {
    enum Outcome { kPassed, kFailed, kSkipped };
    std::string name;  // "Suite.Case", as the case's output names it
    Outcome outcome = kPassed;
};

std::vector<CaseResult> ReadGTestReport(std::string_view xml);

}  // namespace corelim::test
