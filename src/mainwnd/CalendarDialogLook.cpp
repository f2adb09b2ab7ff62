// The calendar window's see-through look: the region printed from the calendar's
// picture, and the colours of the look and of its see-through title bar.
#include "CalendarDialog.h"

#include "SeeThroughRegion.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
}  // namespace

void CalendarDialog::RequestRegionRebuild() {
    // The region in force stays until the new one is ready: the picture is taken
    // off screen, so the window never shows as a whole rectangle meanwhile.
    if (seeThroughLook) regionPending = true;
    // Requests made before the paint handler runs are served by one paint.
    if (!paintPosted) paintPosted = Post(WM_PAINT);
}

void CalendarDialog::BuildSeeThroughRegion() {
    if (!regionPending || !calendar.GetSafeHwnd()) return;
    regionPending = false;
    const RECT window = GetWindowRect();
    // Nothing but white gives no region: the look stays on and the next rebuild tries again.
    if (Region region = ::BuildSeeThroughRegion(calendar, window.right - window.left, window.bottom - window.top)) {
        SetWindowRgn(std::move(region), true);
    }
}

void CalendarDialog::RefreshSchedules() {
    RequestRegionRebuild();
    calendar.RefreshDayStates();
}

void CalendarDialog::SetBackgroundColor(COLORREF color) {
    backgroundColor = color;
    if (!seeThroughLook) ApplyLookColors();
}

void CalendarDialog::ApplyLookColors() {
    const COLORREF background = seeThroughLook ? kWhite : backgroundColor;
    calendar.SetColor(MCSC_BACKGROUND, background);
    calendar.SetColor(MCSC_MONTHBK, background);
    calendar.tintCells = !seeThroughLook;
}

void CalendarDialog::SwapTitleColors(bool intoText) {
    const int from = intoText ? MCSC_TITLEBK : MCSC_TITLETEXT;
    const int to = intoText ? MCSC_TITLETEXT : MCSC_TITLEBK;
    calendar.SetColor(to, calendar.GetColor(from));
    calendar.SetColor(from, kWhite);
}

void CalendarDialog::ToggleSeeThroughLook() {
    seeThroughLook = !seeThroughLook;
    if (seeThroughTitleBar) SwapTitleColors(seeThroughLook);
    ApplyLookColors();
    // Switched off: the whole window again. Switched on: the region comes with the paint.
    if (!seeThroughLook) {
        regionPending = false;
        SetWindowRgn(Region(), true);
    }
    RequestRegionRebuild();
    StoreState();
}

void CalendarDialog::ToggleSeeThroughTitleBar() {
    seeThroughTitleBar = !seeThroughTitleBar;
    SwapTitleColors(seeThroughTitleBar);
    RequestRegionRebuild();
    dirty = true;
}
