#pragma once
#include <windows.h>

class CWnd;
class SeeThroughCalendarCtrl;
struct ConfigSettings;

// How the calendar window looks: the calendar on its background colour, or
// see-through, where the window's region keeps only what is not white (with the
// title bar see-through too, if wished); and the title's colour following the
// window's activation while the title bar is not see-through.
class SeeThroughLook {
public:
    SeeThroughLook(CWnd& window, SeeThroughCalendarCtrl& calendar);

    bool IsOn() const { return on_; }
    bool TitleBarSeeThrough() const { return titleBar_; }
    COLORREF BackgroundColor() const { return backgroundColor_; }

    // The look as stored, for the calendar prepared next; in the see-through look
    // the region follows at the first paint.
    void Restore(const ConfigSettings& config);
    // A newly made calendar in the look's colours.
    void PrepareCalendar();

    // Both switch the look, the region following at the next paint.
    void Toggle();
    void ToggleTitleBar();
    // The colour of the plain look; the see-through look keeps the calendar white
    // until it is switched off.
    void SetBackgroundColor(COLORREF color);
    // The activation state of WM_ACTIVATE: the title in the system's active caption
    // colour, or in one that suits the background while inactive.
    void FollowActivation(UINT state);

    // The calendar's picture changed: in the see-through look the region is built
    // anew at the next BuildRegion.
    void InvalidateRegion();
    // Builds the region from the calendar's picture when it was invalidated.
    void BuildRegion();

private:
    // Swaps the title's background into its text (entering) or back (leaving),
    // the vacated slot white.
    void SwapTitleColors(bool intoText);
    // The see-through colours on the calendar, or the plain ones.
    void ApplyColors();

    CWnd& window_;
    SeeThroughCalendarCtrl& calendar_;
    bool on_ = false;  // with its region in force or pending
    bool titleBar_ = false;
    bool regionPending_ = false;
    COLORREF backgroundColor_ = RGB(255, 255, 255);
    COLORREF titleColor_;
};
