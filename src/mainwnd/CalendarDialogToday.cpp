// The calendar window's today display: its modes, and the day-change and minute
// timers that keep today and the time line current.
#include "CalendarDialog.h"

#include "Clock.h"
#include "TimerPeriods.h"
#include "Win32Platform.h"
#include "resource.h"

COleDateTime CalendarDialog::Today() {
    const LocalTime now = Win32Platform().clock.Now();
    return {now.year, now.month, now.day};
}

void CalendarDialog::ChooseTodayMode(UINT command) {
    if (command == lastTodayCommand) return;
    const bool hide = command == ID_TODAY_HIDE;
    if (!hide) calendar.showTimeLine = command == ID_TODAY_TIME_ALSO;
    ShowTodayMode(hide);
    StoreState();
    lastTodayCommand = command;
}

void CalendarDialog::ShowTodayMode(bool hide) {
    SetTodayMode(hide);
    calendar.Invalidate();
    FitToCalendar();
    RequestRegionRebuild();
    if (!hide && calendar.showTimeLine) calendar.DrawTodayLine();
}

void CalendarDialog::SetTodayMode(bool hide) {
    calendar.ModifyStyle(hide ? 0 : MCS_NOTODAY, hide ? MCS_NOTODAY : 0);
    dirty = true;
    if (!hide && calendar.showTimeLine) {
        StartMinuteTimer();
    } else {
        KillTimer(kMinuteTimer);
    }
}

void CalendarDialog::ToggleTodayMark() {
    const bool markShown = !(calendar.GetStyle() & MCS_NOTODAYCIRCLE);
    calendar.ModifyStyle(markShown ? 0 : MCS_NOTODAYCIRCLE, markShown ? MCS_NOTODAYCIRCLE : 0);
    calendar.Invalidate();
    RequestRegionRebuild();
    StoreState();
}

void CalendarDialog::StartDayChangeTimer(bool withinASecond) {
    SetTimer(kDayChangeTimer, static_cast<UINT>(MillisecondsToNextMidnight(Win32Platform().clock, withinASecond)));
}

void CalendarDialog::StartMinuteTimer() {
    SetTimer(kMinuteTimer, static_cast<UINT>(MillisecondsToNextMinute(Win32Platform().clock.Now())));
}

void CalendarDialog::MoveToNewDay() {
    // The calendar may still draw on its window as a menu closes: a new window comes after.
    if (menuOpen) {
        newDayPending = true;
        return;
    }
    RecreateCalendar();
    RefreshSchedules();
}

void CalendarDialog::RecheckDay() {
    StartDayChangeTimer();
    if (Today().Serial() != shownDay) MoveToNewDay();
}
