#include "WatchedWindow.h"

#include <cstddef>

Stopwatch::Stopwatch() {
    ::QueryPerformanceFrequency(&frequency_);
    ::QueryPerformanceCounter(&start_);
}

double Stopwatch::Milliseconds() const {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
}

namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

bool HasMonthCalendar(HWND window) {
    return ::FindWindowExA(window, nullptr, "SysMonthCal32", nullptr) != nullptr;
}

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if ((search.processId == 0 || processId == search.processId) && ::IsWindowVisible(window) &&
        HasMonthCalendar(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ProgramWindow(DWORD processId) {
    WindowSearch search{processId, nullptr};
    ::EnumWindows(&FindProgramWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ScreenPicture CaptureWindow(HWND window) {
    ScreenPicture picture;
    RECT rect{};
    if (!::GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) return picture;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ previous = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        ::GdiFlush();
        const auto* values = static_cast<const std::uint32_t*>(bits);
        picture = {width, height, std::vector<std::uint32_t>(values, values + static_cast<std::size_t>(width) * height)};
        ::SelectObject(memory, previous);
        ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return picture;
}

std::uint64_t PictureHash(HWND window) {
    const ScreenPicture picture = CaptureWindow(window);
    if (picture.pixels.empty()) return 0;
    std::uint64_t hash = 1469598103934665603ULL;
    const auto* bytes = reinterpret_cast<const unsigned char*>(picture.pixels.data());
    for (std::size_t i = 0; i < picture.pixels.size() * 4; ++i) hash = (hash ^ bytes[i]) * 1099511628211ULL;
    return hash ^ static_cast<std::uint64_t>(picture.width) << 48 ^ static_cast<std::uint64_t>(picture.height) << 32;
}
