#pragma once

#include <cstdint>
#include <string>

namespace corelim {

// Whether this process has administrator rights (its token is elevated).
// True when the token cannot tell: a launcher that cannot know must not
// run itself again and again.
bool RunsElevated();

struct ElevatedRun {
    std::uint32_t error;   // 0 when the program ran; ERROR_CANCELLED when the user declined
    std::uint32_t status;  // its exit status, when it ran
};

// Runs `program` with administrator rights, the system asking the user's
// consent first, with `parameters` as its command line after its own path
// and `directory` as its current directory, and waits for it to end. The
// shell reports no failure itself: the caller does.
ElevatedRun RunElevated(const std::u16string& program, const std::u16string& parameters,
                        const std::u16string& directory);

}  // namespace corelim
