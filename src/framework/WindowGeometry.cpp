#include "WindowGeometry.h"

#include <algorithm>
#include <climits>

#include "ReachablePlacement.h"

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

void KeepWithinReach(HWND window, SIZE size, int titleHeight) {
    RECT rect{};
    if (!::GetWindowRect(window, &rect)) return;
    const auto edge = [](long long value) {
        return static_cast<LONG>(std::clamp<long long>(value, LONG_MIN, LONG_MAX));
    };
    const RECT titleBand{rect.left, rect.top, edge(0LL + rect.left + size.cx), edge(0LL + rect.top + titleHeight)};
    const std::optional<RECT> area = WorkAreaOf(::MonitorFromRect(&titleBand, MONITOR_DEFAULTTONEAREST));
    if (!area) return;
    const std::optional<GridRect> moved =
        ReachablePlacement(rect.left, rect.top, size.cx, size.cy, titleHeight, ToGridRect(*area));
    if (moved) ::SetWindowPos(window, nullptr, moved->left, moved->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
