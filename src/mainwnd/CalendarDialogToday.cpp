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
    if (command == lastTodayCommand_) return;
    const bool hide = command == ID_TODAY_HIDE;
    if (!hide) calendar_.showTimeLine = command == ID_TODAY_TIME_ALSO;
    ShowTodayMode(hide);
    StoreState();
    lastTodayCommand_ = command;
}

void CalendarDialog::ShowTodayMode(bool hide) {
    SetTodayMode(hide);
    calendar_.Invalidate();
    FitToCalendar();
    RequestRegionRebuild();
    if (!hide && calendar_.showTimeLine) calendar_.DrawTodayLine();
}

void CalendarDialog::SetTodayMode(bool hide) {
    calendar_.SetStyleBits(MCS_NOTODAY, hide);
    dirty = true;
    if (!hide && calendar_.showTimeLine) {
        StartMinuteTimer();
    } else {
        KillTimer(kMinuteTimer);
    }
}

void CalendarDialog::ToggleTodayMark() {
    calendar_.SetStyleBits(MCS_NOTODAYCIRCLE, !(calendar_.GetStyle() & MCS_NOTODAYCIRCLE));
    calendar_.Invalidate();
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
    if (menuOpen_) {
        newDayPending_ = true;
        return;
    }
    RecreateCalendar();
    RefreshSchedules();
}

void CalendarDialog::RecheckDay() {
    StartDayChangeTimer();
    if (Today().Serial() != shownDay_) MoveToNewDay();
}
