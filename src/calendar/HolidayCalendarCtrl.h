#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "CMonthCalCtrl.h"
#include "CalendarGrid.h"
#include "CalendarLayout.h"
#include "CellGeometry.h"
#include "HolidayCalendarModel.h"

// The month calendar that carries holidays and schedules: the platform control
// paints the month, then weekends, marked days and schedule days are mixed into
// that picture in place. The data (holiday tables, schedules, day states and
// labels) is the model's; this class answers the control with it.
class HolidayCalendarCtrl : public CMonthCalCtrl, public HolidayCalendarModel {
public:
    explicit HolidayCalendarCtrl(Platform& platform);

    // Puts the request of the months the control shows (GMR_DAYSTATE) through the
    // same path as the control's own MCN_GETDAYSTATE, and hands the answer to the
    // control: Wine's control asks only when its own buttons change the month.
    // Nothing happens without MCS_DAYSTATE, as the control itself would not ask.
    void RequestDayStates();
    // The same, when the months shown are not those the marks were made for: Wine's
    // control changes them without asking on some routes (its month menu and year
    // spin, a selection, its creation).
    void RequestDayStatesIfMonthsChanged();

    // Finds the layout again and rebuilds the grid and the cell lists, when the
    // layout is pending.
    void RefreshLayout();
    // The layout is found again before the marks are painted next.
    void FindLayoutAgain() { layout.Invalidate(); }
    // Where the six weeks end and the today line begins, found anew; none while
    // the control shows no weeks.
    std::optional<int> WeeksBottom();

    // The point queries: the cell, its rectangle and its date under a client point;
    // -1, the empty rectangle or an invalid date outside the 42 cells.
    int CellFromPoint(int x, int y) const;
    RECT CellRectFromPoint(int x, int y) const;
    COleDateTime DateFromPoint(int x, int y) const;
    // What the tooltip says at a client point: the date and its label over a day
    // that has one, titleTip over the title, none elsewhere. The text lasts until
    // the next call.
    const char* TipTextAt(POINT point);

    std::string titleTip;  // shown over the title

    // Where the header and the weeks were found at the last look.
    const CalendarLayout& Layout() const { return layout; }

    bool tintCells = true;  // a grey tint under every mark

protected:
    bool OnPaint() override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The reflected MCN_GETDAYSTATE; false lets the owner see it too.
    virtual bool OnGetDayState(NMDAYSTATE& request, LRESULT& result);
    void SetControlDayStates(int count, const std::uint32_t* states) override;

    // Half the room the client area has beyond one month, each way.
    SIZE CentringOffset() const;
    // Cells of one month centred in the client area, as wide as the minimum size gives.
    CellGeometry BaseGeometry() const;
    // Hit-tests the column x from row top down while the layout is pending.
    void ScanLayout(int x, int top);
    // The grid of the last answered request and both cell lists, from scratch.
    void RebuildCellLists();
    // The colour passes over the platform's picture, in their fixed order.
    void PaintMarks(HDC dc, const CellGeometry& cells, const RECT& saturdayHeader, const RECT& sundayHeader) const;

    CalendarLayout layout;
    CalendarGrid grid;
    std::vector<int> markedCells;    // marked in the day states, grid order
    std::vector<int> scheduleCells;  // carrying a schedule, schedule key order

private:
    std::string dayTip_;
};
