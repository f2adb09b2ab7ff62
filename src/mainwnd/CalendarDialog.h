#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "COleDateTime.h"
#include "ConfigSettings.h"
#include "CustomColors.h"
#include "PersistentDialog.h"
#include "SeeThroughCalendarCtrl.h"
#include "SeeThroughLook.h"
#include "UserHandles.h"

// The program's window: a borderless dialog whose whole client area is one month
// calendar. It sizes itself to the calendar and keeps its placement, font and
// options in the settings file.
class CalendarDialog : public PersistentDialog {
public:
    explicit CalendarDialog(CWnd* parent);
    ~CalendarDialog() override;

    // The locale whose holidays the calendar shows; set before the window opens.
    void SetCalendarLocale(std::uint32_t lcid) { calendar_.lcid = lcid; }

    // Destroys the calendar's window and creates it again with day states enabled,
    // in this window's colours and font.
    void RecreateCalendar();
    // Gives a newly made calendar this window's colours, font and the day states.
    void PrepareCalendar();
    // Sizes the calendar and the window to one month, keeping the top-left corner, or
    // centring the window at its new size in the same move.
    void FitToCalendar(bool centred = false);
    // Has the window painted again, as the picture of the calendar changed; in the
    // see-through look its region is rebuilt from that picture.
    void RequestRegionRebuild();
    // RequestRegionRebuild, then fresh day states: the schedules changed.
    void RefreshSchedules();
    // The calendar's background in the plain look; the see-through look keeps it
    // white until the look is switched off.
    void SetBackgroundColor(COLORREF color);
    // Moves the window onto the work area of the nearest monitor, keeping its size,
    // unless its title band lies inside a monitor's work area already.
    void KeepWithinReach();

protected:
    bool OnInitDialog() override;
    void DoDataExchange() override;
    void PrepareTemplate(DialogTemplate& dialogTemplate) override;
    bool PreTranslateMessage(MSG& message) override;
    INT_PTR OnToolHitTest(POINT point, TOOLINFOA* tool) const override;
    void BeforeRestore() override;
    int LoadSettings() override;
    void SaveSettings(SettingsFile& settings) override;
    // The month must be readable in the font (upright, every character it writes,
    // about the size asked for) and fit the work area of the monitor.
    bool IsUsableFont(HFONT font) override;
    // The font, icons and tip made for the new scale, the window fitted to the
    // calendar at the top-left of the suggested rectangle and its see-through
    // region rebuilt.
    void OnDpiChanged(UINT dpi, const RECT& suggested) override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnPaint() override;

private:
    static constexpr UINT_PTR kDayChangeTimer = 100;
    static constexpr UINT_PTR kSaveTimer = 200;
    static constexpr UINT_PTR kFirstRunHintTimer = 300;
    static constexpr UINT_PTR kMinuteTimer = 400;
    static constexpr UINT kSavePeriod = 300000;
    static constexpr UINT kSavePeriodAfterMove = 1000;
    static constexpr UINT kFirstRunHintDelay = 200;
    // Posted to itself when a day change came while a menu was open.
    static constexpr UINT kNewDayAfterMenu = WM_USER + 501;

    // The local date now.
    static COleDateTime Today();
    ConfigSettings CurrentConfig() const;

    void ToggleSeeThroughLook();
    void ToggleSeeThroughTitleBar();
    void ChooseTodayMode(UINT command);
    // The today line hidden or shown (with the time when showTimeLine), the window
    // fitted to it and the minute ticks running exactly while the time shows.
    void ShowTodayMode(bool hide);
    // The mode without the fitting and drawing, which follow at start anyway.
    void SetTodayMode(bool hide);
    void ToggleTodayMark();

    // The options menu at a point on the screen; (-1, -1), from the keyboard, puts
    // it just inside the window's corner.
    void ShowOptionsMenu(POINT point);
    // The day menu for the calendar's contextDate: "Delete Schedule" only for a day
    // with a schedule.
    void ShowDayMenu(POINT point);
    // The colour dialog, fully open, on a copy of the custom colours, which come
    // back only with OK; no colour when cancelled.
    std::optional<COLORREF> AskColor(COLORREF initial);
    void ChooseBackgroundColor();
    void ChooseScheduleColor();
    void ChooseCalendarFont();
    void ToggleAlwaysOnTop();
    void ToggleCloseByEsc();
    // The read-me in the chosen language, from the program's folder.
    void OpenHelp();
    void OpenWebPage();
    void ShowAbout();
    // Another month (the month keys) or today's.
    void NavigateMonth(UINT command);

    void OnTimer(UINT_PTR id);
    // Armed for the next midnight, or for a second from now (a test switch).
    void StartDayChangeTimer(bool withinASecond = false);
    void StartMinuteTimer();
    // A new day: the calendar moves today and refreshes its marks; while a menu is
    // open, once it has closed.
    void MoveToNewDay();
    // After the clock jumped or the computer woke: the timer re-armed, and the
    // day moved at once when it changed meanwhile.
    void RecheckDay();
    void ShowFirstRunHint();

    // After the user confirms: the day's schedule erased and the "Schedule" section
    // written in one safe save, read back to be sure; a failure is said, and the
    // day stays as it was.
    void DeleteSchedule();
    // The schedule editor on contextDate, disabling this window while it runs.
    void EditSchedule();
    // Small and large icons at the metrics of that many pixels an inch.
    void UseIconsOfDpi(UINT dpi);
    bool OnSetCursor();
    const char* ToolTipText();

    SeeThroughCalendarCtrl calendar_;
    SeeThroughLook look_;
    AcceleratorTable accelerators_;
    Icon smallIcon_;
    Icon largeIcon_;
    HCURSOR titleCursor_;  // shared resource cursor: not destroyed
    CustomColors customColors_;
    bool closeByEsc_ = false;
    UINT lastTodayCommand_ = 0;  // none yet in this run
    int shownDay_ = 0;           // the day serial that was today when the calendar was made
    bool paintPosted_ = false;
    bool menuOpen_ = false;
    bool newDayPending_ = false;
    bool opening_ = false;  // within OnInitDialog
};
