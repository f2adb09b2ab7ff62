#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

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

// The window's pixels as the screen shows them now: rows from the top, one 32-bit
// 0x00RRGGBB value a pixel; no pixels when the window cannot be read.
struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
ScreenPicture CaptureWindow(HWND window);

// FNV-1a over the window's pixels as the screen shows them now.
std::uint64_t PictureHash(HWND window);
