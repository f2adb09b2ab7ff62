// Times month changes of the running calendar as a user sees them: the key goes to
// the calendar, and the window's picture is read from the screen every few
// milliseconds until it has not changed for SETTLE_MS. A change counts from the key
// to the last new picture.
//
//   month-change-probe [ROUNDS] [SETTLE_MS]
//
// The rounds alternate Page Down and Page Up, so the calendar moves between two
// months and each change asks for day states again. Prints one line of name=value
// pairs, times in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "WatchedWindow.h"

namespace {

// The time from the key to the last new picture, or a negative value when the
// picture did not change or did not settle.
double TimeMonthChange(HWND window, HWND calendar, WPARAM key, double settleMilliseconds) {
    const std::uint64_t before = PictureHash(window);
    const Stopwatch clock;
    ::PostMessageA(calendar, WM_KEYDOWN, key, 1);
    ::PostMessageA(calendar, WM_KEYUP, key, 0xC0000001);
    double lastChange = -1;
    std::uint64_t last = before;
    while (clock.Milliseconds() < 10000) {
        const std::uint64_t hash = PictureHash(window);
        const double now = clock.Milliseconds();
        if (hash != last) {
            last = hash;
            lastChange = now;
        }
        if (lastChange >= 0 && now - lastChange >= settleMilliseconds) return lastChange;
        ::Sleep(1);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10;
    const double settleMilliseconds = argc > 2 ? std::atof(argv[2]) : 500.0;
    HWND window = ProgramWindow(0);
    HWND calendar = window ? ::FindWindowExA(window, nullptr, "SysMonthCal32", nullptr) : nullptr;
    if (!calendar || rounds < 1) {
        std::fprintf(stderr, "usage: month-change-probe [ROUNDS] [SETTLE_MS], with a calendar on the screen\n");
        return 2;
    }
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const double time = TimeMonthChange(window, calendar, round % 2 ? VK_PRIOR : VK_NEXT, settleMilliseconds);
        if (time < 0) {
            std::fprintf(stderr, "round %d: the picture did not change and settle\n", round + 1);
            return 1;
        }
        times.push_back(time);
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("rounds=%d median_ms=%.1f min_ms=%.1f max_ms=%.1f all_ms=", rounds, sorted[sorted.size() / 2],
                sorted.front(), sorted.back());
    for (std::size_t i = 0; i < times.size(); ++i) std::printf("%s%.1f", i ? "," : "", times[i]);
    std::printf("\n");
    return 0;
}
