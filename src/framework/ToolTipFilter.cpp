#include "ToolTipFilter.h"

#include "MonitorDpi.h"

ToolTipFilter::ToolTipFilter(CWnd& owner) : owner_(owner) {}

bool ToolTipFilter::Create() {
    // Whether a tip may show while the window is inactive is decided here, not by the control.
    if (!control_.Create(owner_.GetSafeHwnd(), TTS_ALWAYSTIP)) return false;
    UseFontOfOwnersDpi();
    return true;
}

void ToolTipFilter::UseFontOfOwnersDpi() {
    // The control takes the status font at the system's pixels an inch by itself.
    const UINT dpi = DpiOfWindow(owner_.GetSafeHwnd());
    const UINT systemDpi = SystemDpi();
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (dpi == systemDpi || !::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    font_ = Font::Create(FontAtDpi(metrics.lfStatusFont, systemDpi, dpi));
    if (font_) control_.SetFont(font_.get(), false);
}

bool ToolTipFilter::IsOwnerActive() const {
    HWND active = ::GetActiveWindow();
    return active && ::GetAncestor(active, GA_ROOTOWNER) == ::GetAncestor(owner_.GetSafeHwnd(), GA_ROOTOWNER);
}

void ToolTipFilter::Filter(const MSG& message) {
    HWND owner = owner_.GetSafeHwnd();
    HWND tip = control_.GetSafeHwnd();
    if (!tip || message.hwnd == tip || (message.hwnd != owner && !::IsChild(owner, message.hwnd))) return;

    POINT point = message.pt;
    owner_.ScreenToClient(point);
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    INT_PTR hit = owner_.OnToolHitTest(point, &tool);
    if (hit != -1 && !owner_.ShowsToolTipsWhileInactive() && !IsOwnerActive()) hit = -1;
    if (hit != lastHit_) {
        if (lastHit_ != -1) control_.DelTool(lastTool_);
        lastHit_ = -1;
        if (hit != -1 && control_.AddTool(tool)) {
            lastHit_ = hit;
            lastTool_ = tool;
        }
    }
    RelayToTool(message, point);
}

// The tooltip finds a tool by the window a mouse message is for, which is not always
// the tool's window (a static control passes the mouse to its parent); the relayed copy
// is addressed to the tool in its window's coordinates.
void ToolTipFilter::RelayToTool(const MSG& message, POINT clientPoint) {
    MSG relayed = message;
    if (lastHit_ != -1) {
        relayed.hwnd = (lastTool_.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(lastTool_.uId) : lastTool_.hwnd;
        POINT point = clientPoint;
        ::MapWindowPoints(owner_.GetSafeHwnd(), relayed.hwnd, &point, 1);
        relayed.lParam = MAKELPARAM(point.x, point.y);
    }
    control_.RelayEvent(relayed);
}
