// Where a CWnd's window is: its rectangles, its saved placement, and where centring
// puts it.
#include "CWnd.h"
#include "WindowGeometry.h"

RECT CWnd::GetClientRect() const {
    RECT rect{};
    if (!::GetClientRect(hwnd_, &rect)) return RECT{};
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    if (!::GetWindowRect(hwnd_, &rect)) return RECT{};
    return rect;
}

std::optional<WINDOWPLACEMENT> CWnd::GetWindowPlacement() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(hwnd_, &placement)) return std::nullopt;
    return placement;
}

bool CWnd::SetWindowPlacement(const WINDOWPLACEMENT& placement) {
    WINDOWPLACEMENT copy = placement;
    copy.length = sizeof copy;
    return ::SetWindowPlacement(hwnd_, &copy);
}

bool CWnd::CenterWindow() {
    const std::optional<POINT> position = CenteredPosition();
    return position &&
           SetWindowPos(nullptr, position->x, position->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<POINT> CWnd::CenteredPosition() const {
    const RECT window = GetWindowRect();
    return CenteredPosition({window.right - window.left, window.bottom - window.top});
}

std::optional<POINT> CWnd::CenteredPosition(SIZE size) const {
    if (!hwnd_) return std::nullopt;
    const int width = size.cx;
    const int height = size.cy;
    RECT area{};
    RECT bounds{};
    if (GetStyle() & WS_CHILD) {
        HWND parent = ::GetParent(hwnd_);
        ::GetClientRect(parent, &area);
        bounds = area;
    } else {
        HWND owner = ::GetWindow(hwnd_, GW_OWNER);
        const bool ownerShown = owner && ::IsWindowVisible(owner) && !::IsIconic(owner);
        const std::optional<RECT> work = WorkAreaNear(ownerShown ? owner : hwnd_);
        if (!work) return std::nullopt;
        bounds = *work;
        area = bounds;
        if (ownerShown) ::GetWindowRect(owner, &area);
    }
    int left = (area.left + area.right - width) / 2;
    int top = (area.top + area.bottom - height) / 2;
    // Keep the window inside the available area; the top-left corner wins when it is too big.
    if (left + width > bounds.right) left = bounds.right - width;
    if (top + height > bounds.bottom) top = bounds.bottom - height;
    if (left < bounds.left) left = bounds.left;
    if (top < bounds.top) top = bounds.top;
    return POINT{left, top};
}
