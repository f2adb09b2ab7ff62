#include "SeeThroughLook.h"

#include <utility>

#include "ConfigSettings.h"
#include "InactiveTitleColor.h"
#include "SeeThroughCalendarCtrl.h"
#include "SeeThroughRegion.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
}  // namespace

SeeThroughLook::SeeThroughLook(CWnd& window, SeeThroughCalendarCtrl& calendar)
    : window_(window), calendar_(calendar), titleColor_(::GetSysColor(COLOR_ACTIVECAPTION)) {}

void SeeThroughLook::Restore(const ConfigSettings& config) {
    on_ = config.seeThrough;
    regionPending_ = on_;
    calendar_.tintCells = !on_;
    backgroundColor_ = config.backgroundColor;
    titleBar_ = config.seeThroughTitleBar;
}

void SeeThroughLook::PrepareCalendar() {
    calendar_.SetColor(MCSC_BACKGROUND, backgroundColor_);
    calendar_.SetColor(MCSC_MONTHBK, backgroundColor_);
    if (!on_) return;
    if (titleBar_) SwapTitleColors(true);
    ApplyColors();
}

void SeeThroughLook::Toggle() {
    on_ = !on_;
    if (titleBar_) SwapTitleColors(on_);
    ApplyColors();
    // Switched off: the whole window again. Switched on: the region comes with the paint.
    if (!on_) {
        regionPending_ = false;
        window_.SetWindowRgn(Region(), true);
    }
    InvalidateRegion();
}

void SeeThroughLook::ToggleTitleBar() {
    titleBar_ = !titleBar_;
    SwapTitleColors(titleBar_);
    InvalidateRegion();
}

void SeeThroughLook::SetBackgroundColor(COLORREF color) {
    backgroundColor_ = color;
    if (!on_) ApplyColors();
}

void SeeThroughLook::FollowActivation(UINT state) {
    if (titleBar_ || !calendar_.GetSafeHwnd()) return;
    switch (state) {
    case WA_INACTIVE:
        titleColor_ = InactiveTitleColor(backgroundColor_);
        break;
    case WA_ACTIVE:
    case WA_CLICKACTIVE:
        titleColor_ = ::GetSysColor(COLOR_ACTIVECAPTION);
        break;
    default:
        break;
    }
    calendar_.SetColor(MCSC_TITLEBK, titleColor_);
}

void SeeThroughLook::InvalidateRegion() {
    // The region in force stays until the new one is ready: the picture is taken
    // off screen, so the window never shows as a whole rectangle meanwhile.
    if (on_) regionPending_ = true;
}

void SeeThroughLook::BuildRegion() {
    if (!regionPending_ || !calendar_.GetSafeHwnd()) return;
    regionPending_ = false;
    const RECT window = window_.GetWindowRect();
    // Nothing but white gives no region: the look stays on and the next rebuild tries again.
    if (Region region = BuildSeeThroughRegion(calendar_, window.right - window.left, window.bottom - window.top)) {
        window_.SetWindowRgn(std::move(region), true);
    }
}

void SeeThroughLook::ApplyColors() {
    const COLORREF background = on_ ? kWhite : backgroundColor_;
    calendar_.SetColor(MCSC_BACKGROUND, background);
    calendar_.SetColor(MCSC_MONTHBK, background);
    calendar_.tintCells = !on_;
}

void SeeThroughLook::SwapTitleColors(bool intoText) {
    const int from = intoText ? MCSC_TITLEBK : MCSC_TITLETEXT;
    const int to = intoText ? MCSC_TITLETEXT : MCSC_TITLEBK;
    calendar_.SetColor(to, calendar_.GetColor(from));
    calendar_.SetColor(from, kWhite);
}
