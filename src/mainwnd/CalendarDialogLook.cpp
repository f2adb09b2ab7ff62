// The calendar window's see-through look: the region printed from the calendar's
// picture, the colours of the look and of its see-through title bar, and the
// title's colour as the window is activated and deactivated.
#include "CalendarDialog.h"

#include "InactiveTitleColor.h"
#include "SeeThroughRegion.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
}  // namespace

void CalendarDialog::RequestRegionRebuild() {
    // The region in force stays until the new one is ready: the picture is taken
    // off screen, so the window never shows as a whole rectangle meanwhile.
    if (seeThroughLook_) regionPending_ = true;
    // Requests made before the paint handler runs are served by one paint.
    if (!paintPosted_) paintPosted_ = Post(WM_PAINT);
}

void CalendarDialog::BuildSeeThroughRegion() {
    if (!regionPending_ || !calendar_.GetSafeHwnd()) return;
    regionPending_ = false;
    const RECT window = GetWindowRect();
    // Nothing but white gives no region: the look stays on and the next rebuild tries again.
    if (Region region = ::BuildSeeThroughRegion(calendar_, window.right - window.left, window.bottom - window.top)) {
        SetWindowRgn(std::move(region), true);
    }
}

void CalendarDialog::RefreshSchedules() {
    RequestRegionRebuild();
    calendar_.RefreshDayStates();
}

void CalendarDialog::SetBackgroundColor(COLORREF color) {
    backgroundColor_ = color;
    if (!seeThroughLook_) ApplyLookColors();
}

void CalendarDialog::ApplyLookColors() {
    const COLORREF background = seeThroughLook_ ? kWhite : backgroundColor_;
    calendar_.SetColor(MCSC_BACKGROUND, background);
    calendar_.SetColor(MCSC_MONTHBK, background);
    calendar_.tintCells = !seeThroughLook_;
}

void CalendarDialog::SwapTitleColors(bool intoText) {
    const int from = intoText ? MCSC_TITLEBK : MCSC_TITLETEXT;
    const int to = intoText ? MCSC_TITLETEXT : MCSC_TITLEBK;
    calendar_.SetColor(to, calendar_.GetColor(from));
    calendar_.SetColor(from, kWhite);
}

void CalendarDialog::ToggleSeeThroughLook() {
    seeThroughLook_ = !seeThroughLook_;
    if (seeThroughTitleBar_) SwapTitleColors(seeThroughLook_);
    ApplyLookColors();
    // Switched off: the whole window again. Switched on: the region comes with the paint.
    if (!seeThroughLook_) {
        regionPending_ = false;
        SetWindowRgn(Region(), true);
    }
    RequestRegionRebuild();
    StoreState();
}

void CalendarDialog::ToggleSeeThroughTitleBar() {
    seeThroughTitleBar_ = !seeThroughTitleBar_;
    SwapTitleColors(seeThroughTitleBar_);
    RequestRegionRebuild();
    dirty = true;
}

void CalendarDialog::OnActivate(UINT state) {
    if (seeThroughTitleBar_ || !calendar_.GetSafeHwnd()) return;
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
