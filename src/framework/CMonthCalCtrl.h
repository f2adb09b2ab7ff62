#pragma once
#include <optional>

#include "CWnd.h"
#include "MonthCalHitCode.h"

// The core's copy of the hit-test codes is the system's.
static_assert(MonthCalHitCode::kTitleBackground == MCHT_TITLEBK);
static_assert(MonthCalHitCode::kTitleMonth == MCHT_TITLEMONTH);
static_assert(MonthCalHitCode::kTitleYear == MCHT_TITLEYEAR);
static_assert(MonthCalHitCode::kTitleButtonNext == MCHT_TITLEBTNNEXT);
static_assert(MonthCalHitCode::kTitleButtonPrevious == MCHT_TITLEBTNPREV);
static_assert(MonthCalHitCode::kCalendarBackground == MCHT_CALENDARBK);
static_assert(MonthCalHitCode::kCalendarDate == MCHT_CALENDARDATE);
static_assert(MonthCalHitCode::kCalendarDatePrevious == MCHT_CALENDARDATEPREV);
static_assert(MonthCalHitCode::kCalendarDay == MCHT_CALENDARDAY);

// Month-calendar control. The program runs it as common controls 5 (no visual-styles
// manifest), which accept only the original 32-byte hit-test record. Its questions
// go straight to the control's procedure; changes are sent.
class CMonthCalCtrl : public CWnd {
public:
    struct MonthRange {
        int months = 0;
        SYSTEMTIME first{};
        SYSTEMTIME last{};
    };

    bool Create(DWORD style, const RECT& rect, const CWnd& parent, UINT id) {
        return CreateEx(0, MONTHCAL_CLASSA, nullptr, style, rect, parent.GetSafeHwnd(), id);
    }

    // The size of one month in the current font.
    std::optional<RECT> GetMinReqRect() const {
        RECT rect{};
        if (!Ask(MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rect))) return std::nullopt;
        return rect;
    }

    // uHit is 0 (MCHT_NOWHERE) when the control refuses the request.
    MCHITTESTINFO HitTest(POINT point) const {
        MCHITTESTINFO info{};
        info.cbSize = MCHITTESTINFO_V1_SIZE;
        info.pt = point;
        Ask(MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }

    std::optional<SYSTEMTIME> GetCurSel() const {
        SYSTEMTIME date{};
        if (!Ask(MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&date))) return std::nullopt;
        return date;
    }
    // Also shows the month of the date.
    bool SetCurSel(const SYSTEMTIME& date) { return Send(MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date)) != 0; }

    // which: GMR_VISIBLE (wholly shown months) or GMR_DAYSTATE (with the partly shown ones).
    MonthRange GetMonthRange(DWORD which) const {
        SYSTEMTIME range[2] = {};
        MonthRange result;
        result.months = static_cast<int>(Ask(MCM_GETMONTHRANGE, which, reinterpret_cast<LPARAM>(range)));
        result.first = range[0];
        result.last = range[1];
        return result;
    }

    bool SetDayState(int months, const MONTHDAYSTATE* states) {
        return Send(MCM_SETDAYSTATE, static_cast<WPARAM>(months), reinterpret_cast<LPARAM>(states)) != 0;
    }

    // slot: MCSC_BACKGROUND, MCSC_TEXT, MCSC_TITLEBK, MCSC_TITLETEXT or MCSC_MONTHBK.
    // The weekday of the first column, 0 = Sunday ... 6 = Saturday (the control
    // itself counts from Monday).
    int GetFirstDayOfWeek() const { return (LOWORD(Ask(MCM_GETFIRSTDAYOFWEEK)) + 1) % 7; }
    COLORREF GetColor(int slot) const { return static_cast<COLORREF>(Ask(MCM_GETCOLOR, static_cast<WPARAM>(slot))); }
    // The previous colour; none when the control refuses the slot.
    std::optional<COLORREF> SetColor(int slot, COLORREF color) {
        const auto previous =
            static_cast<COLORREF>(Send(MCM_SETCOLOR, static_cast<WPARAM>(slot), static_cast<LPARAM>(color)));
        if (previous == CLR_INVALID) return std::nullopt;
        return previous;
    }
};
