// The window's start-up figure: CorelimGUI.exe's cold start, from process
// creation until its window shows, against two floors, a minimal window and
// the themed floor (the same manifest, font and controls by the plainest
// code). Each round starts the three one after another, every other round in
// the opposite order; the first round only warms the caches. A hidden window
// of this program's own keeps the desktop up all the while: Wine ends its
// desktop process once no program uses it, and the next start would pay for
// a new one. Prints, as Markdown, each program's median with its range and
// the median of the rounds' ratios with theirs.
//
// Usage: window-start [ROUNDS]   (default 7)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "build_tree.h"

namespace {

struct Program {
    const char* name;
    std::string path;
    const char* windowClass;
};

struct Search {
    DWORD processId;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    char name[64] = "";
    GetWindowThreadProcessId(window, &owner);
    GetClassNameA(window, name, sizeof name);
    if (owner != search->processId || !IsWindowVisible(window) || lstrcmpA(name, search->windowClass) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

double SecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds until the program's window shows, after which it is closed;
// negative when it did not start, ended first or showed nothing in a minute.
// The window is looked for every millisecond: waiting for an event would
// need the program's help.
double TimeStart(const Program& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program.path + "\"";
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    Search search{process.dwProcessId, program.windowClass, nullptr};
    double seconds = -1;
    for (;;) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        const double elapsed = SecondsSince(start);
        if (search.found) seconds = elapsed;
        if (search.found || elapsed > 60 || WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

struct Spread {
    double median, low, high;
};

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    const double median = values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
    return {median, values.front(), values.back()};
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const Program programs[] = {
        {"CorelimGUI.exe", corelim::test::FromBuildTreeAnsi(CORELIM_GUI_EXE), "TMainForm"},
        {"minimal window", corelim::test::FromBuildTreeAnsi(CORELIM_MINIMAL_WINDOW_EXE), "MinimalWindow"},
        {"themed floor", corelim::test::FromBuildTreeAnsi(CORELIM_THEMED_WINDOW_EXE), "ThemedWindow"},
    };
    constexpr int kPrograms = 3;
    const HWND holder = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);

    std::vector<double> seconds[kPrograms], ratios[kPrograms];
    for (int round = 0; round <= rounds; ++round) {
        double taken[kPrograms];
        for (int turn = 0; turn < kPrograms; ++turn) {
            const int i = round % 2 ? kPrograms - 1 - turn : turn;
            taken[i] = TimeStart(programs[i]);
            if (taken[i] < 0) {
                std::fprintf(stderr, "window-start: %s did not show its window\n", programs[i].path.c_str());
                return 1;
            }
        }
        if (round == 0) continue;
        for (int i = 0; i < kPrograms; ++i) seconds[i].push_back(taken[i]);
        for (int i = 1; i < kPrograms; ++i) ratios[i].push_back(taken[0] / taken[i]);
    }
    DestroyWindow(holder);

    std::printf("Window start over %d rounds: seconds from process creation until the window shows, median (range)\n\n",
                rounds);
    for (int i = 0; i < kPrograms; ++i) {
        const Spread spread = SpreadOf(seconds[i]);
        std::printf("- %s: %.3f (%.3f-%.3f)\n", programs[i].name, spread.median, spread.low, spread.high);
    }
    for (int i = 1; i < kPrograms; ++i) {
        const Spread spread = SpreadOf(ratios[i]);
        std::printf("- %s / %s, round by round: %.2f (%.2f-%.2f)\n", programs[0].name, programs[i].name, spread.median,
                    spread.low, spread.high);
    }
    return 0;
}
