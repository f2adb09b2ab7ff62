#pragma once
#include <windows.h>

#include <cstdint>

// What the probes that watch the calendar on the screen share: a clock, the
// program's window, and a hash of the window's pixels as the screen shows them.

struct Sample {
    double milliseconds;
    std::uint64_t hash;
};

class Stopwatch {
public:
    Stopwatch();
    double Milliseconds() const;

private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER start_{};
};

// The visible top-level window with a month calendar of the process, or of any
// process when processId is 0; null when there is none.
HWND ProgramWindow(DWORD processId);

// FNV-1a over the window's pixels as the screen shows them now.
std::uint64_t PictureHash(HWND window);
