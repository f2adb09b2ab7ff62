#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "CalendarGrid.h"
#include "CalendarLayout.h"
#include "CellGeometry.h"
#include "DateKeys.h"
#include "MonthCalHitCode.h"
#include "ScheduleStore.h"
#include "TestPlatform.h"
#include "TimeFormatText.h"

namespace {

// The grid of the month after `requestMonth`, as the control asks for it.
CalendarGrid GridShowing(int year, int month) {
    CalendarGrid grid;
    int requestYear = year;
    int requestMonth = month - 1;
    if (requestMonth == 0) {
        requestMonth = 12;
        --requestYear;
    }
    grid.SetRange({requestYear, requestMonth, 3, nullptr});
    return grid;
}

TEST(CalendarGrid, LeadDaysAndTrail) {
    const CalendarGrid sundayStart = GridShowing(2026, 2);  // 1 February 2026 is a Sunday
    EXPECT_EQ(sundayStart.lead(), 7);
    EXPECT_EQ(sundayStart.trail(), 42 - 28 - 7);
    const CalendarGrid saturdayStart = GridShowing(2026, 8);
    EXPECT_EQ(saturdayStart.lead(), 6);
    const CalendarGrid mondayFebruary = GridShowing(2027, 2);  // non-leap, begins on a Monday
    EXPECT_EQ(mondayFebruary.lead(), 1);
    EXPECT_EQ(mondayFebruary.days(), 28);
    EXPECT_EQ(mondayFebruary.trail(), 13);
    EXPECT_EQ(mondayFebruary.firstCellDate(), COleDateTime(2027, 1, 31));
    EXPECT_EQ(mondayFebruary.lastCellDate(), COleDateTime(2027, 3, 13));
}

// Where the week begins on Monday, a month beginning on a Monday shows a whole
// week before it, and the weekend takes the last two columns.
TEST(CalendarGrid, WeeksFromMonday) {
    CalendarGrid grid;
    grid.SetRange({2027, 1, 3, nullptr}, 1);  // February 2027 begins on a Monday
    EXPECT_EQ(grid.lead(), 7);
    EXPECT_EQ(grid.DateOfCell(7), COleDateTime(2027, 2, 1));
    EXPECT_EQ(grid.ColumnOf(CalendarGrid::kSaturday), 5);
    EXPECT_EQ(grid.ColumnOf(CalendarGrid::kSunday), 6);
    grid.SetRange({2027, 9, 3, nullptr}, 1);  // October 2027 begins on a Friday
    EXPECT_EQ(grid.lead(), 4);
    EXPECT_EQ(grid.DateOfCell(4 + 3), COleDateTime(2027, 10, 4)) << "Monday 4 October in the first column";
}

TEST(CalendarGrid, DisplayedMonthWrapsIntoTheNextYear) {
    const CalendarGrid january = GridShowing(2027, 1);  // request from December 2026
    EXPECT_EQ(january.displayedYear(), 2027);
    EXPECT_EQ(january.displayedMonth(), 1);
    EXPECT_EQ(january.DateOfCell(january.lead()), COleDateTime(2027, 1, 1));
    EXPECT_FALSE(january.DateOfCell(42).IsValid());
    EXPECT_FALSE(january.DateOfCell(-1).IsValid());
}

TEST(CalendarGrid, MarkedCellsOfAllThreeMonths) {
    const CalendarGrid grid = GridShowing(2026, 12);  // lead 2: 29 and 30 November
    const std::uint32_t states[4] = {(1u << 28) | (1u << 0), (1u << 24), (1u << 8) | (1u << 9), 0xFFFFFFFFu};
    // 29 November, 25 December and 9 January (the last cell) show; 10 January does not.
    EXPECT_EQ(grid.MarkedCells(states, 4), (std::vector<int>{0, 2 + 24, 41}));
    EXPECT_TRUE(grid.MarkedCells(nullptr, 4).empty());
    // A short answer is never read past its end.
    EXPECT_EQ(grid.MarkedCells(states, 1), std::vector<int>{0});
}

TEST(CalendarGrid, ScheduleCellsAreTheKeysReadAsDatesWithinTheGrid) {
    const DateKeys& keys = TestPlatform().dateKeys;
    const CalendarGrid grid = GridShowing(2026, 12);
    ScheduleStore store;
    store.LoadLines({"Schedule=" + keys.Format(COleDateTime(2026, 11, 29)) + ",first cell",
                     "Schedule=" + keys.Format(COleDateTime(2027, 1, 9)) + ",last cell",
                     "Schedule=" + keys.Format(COleDateTime(2027, 1, 10)) + ",outside",
                     "Schedule=" + keys.Format(COleDateTime(2026, 11, 28)) + ",outside", "Schedule=not a date,x"});
    std::vector<int> cells = grid.ScheduleCells(store, keys);
    std::sort(cells.begin(), cells.end());
    EXPECT_EQ(cells, (std::vector<int>{0, 41}));
    store.Erase(keys.Format(COleDateTime(2026, 11, 29)), "first cell");
    EXPECT_EQ(grid.ScheduleCells(store, keys), std::vector<int>{41}) << "an erased key marks nothing";
}

TEST(CalendarLayout, FindsHeaderAndFirstWeek) {
    // Title to row 29, weekday header rows 30..44, days from 45.
    const auto hitTest = [](int, int y) -> std::uint32_t {
        if (y < 30) return MonthCalHitCode::kTitleBackground;
        if (y < 45) return MonthCalHitCode::kCalendarDay;
        return MonthCalHitCode::kCalendarDate;
    };
    CalendarLayout layout;
    layout.Scan(10, 0, 200, hitTest);
    EXPECT_TRUE(!layout.IsPending() && layout.gridTop == 0);  // nothing pending: no scan
    layout.Invalidate();
    layout.Scan(10, 0, 200, hitTest);
    EXPECT_FALSE(layout.IsPending());
    EXPECT_EQ(layout.headerTop, 30);
    EXPECT_EQ(layout.gridTop, 45);
    EXPECT_EQ(layout.headerHeight, 14);
    EXPECT_EQ(layout.RowPitch(), 15);
}

TEST(CalendarLayout, StaysPendingWithoutAHeader) {
    CalendarLayout layout;
    layout.Invalidate();
    layout.Scan(10, 0, 50, [](int, int) { return MonthCalHitCode::kTitleBackground; });
    EXPECT_TRUE(layout.IsPending());
}

TEST(CellGeometry, PointsMapToCellsOnlyInsideTheGrid) {
    const CellGeometry geometry{5, 20, 40, 15};
    EXPECT_EQ(geometry.CellFromPoint(5, 40), 0);
    EXPECT_EQ(geometry.CellFromPoint(24, 54), 0);
    EXPECT_EQ(geometry.CellFromPoint(25, 55), 8);
    EXPECT_EQ(geometry.CellFromPoint(144, 129), 41);
    EXPECT_EQ(geometry.CellFromPoint(10, 39), -1);   // weekday header row
    EXPECT_EQ(geometry.CellFromPoint(4, 40), -1);    // left of the columns
    EXPECT_EQ(geometry.CellFromPoint(145, 40), -1);  // right of them, not the next row
    EXPECT_EQ(geometry.CellFromPoint(10, 130), -1);  // below the sixth week
    EXPECT_EQ(geometry.CellRect(8), (GridRect{25, 55, 45, 70}));
    EXPECT_EQ(geometry.CellRectFromPoint(10, 39), GridRect{});
    EXPECT_EQ(CellGeometry{}.CellFromPoint(0, 0), -1);  // before any layout
}

TEST(TimeFormatText, DropsTheSeconds) {
    EXPECT_EQ(TimeFormatWithoutSeconds("H:mm:ss", ":"), "H:mm");
    EXPECT_EQ(TimeFormatWithoutSeconds("h:mm:s tt", ":"), "h:mm tt");
    EXPECT_EQ(TimeFormatWithoutSeconds("tt h:mm", ":"), "tt h:mm");
    EXPECT_EQ(TimeFormatWithoutSeconds("H.mm.ss", "."), "H.mm");
}

}  // namespace
