#include "WindowGeometry.h"

std::optional<RECT> WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoA(monitor, &info)) return std::nullopt;
    return info.rcWork;
}

std::optional<RECT> WorkAreaNear(HWND window) { return WorkAreaOf(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)); }

RECT WindowRectIn(HWND window, HWND container) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(HWND_DESKTOP, container, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
