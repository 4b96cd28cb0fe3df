#include <windows.h>

#include <cstdio>

#include "affinity_mask.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("Usage: Corelim AffinityMask ExecFile [Option for ExecFile ...]\n", stderr);
        std::fflush(stderr);
        return 1;
    }
    std::printf("%ld\n", static_cast<long>(corelim::ParseAffinityMask(argv[1])));
    return 0;
}
