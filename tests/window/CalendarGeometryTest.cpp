// The calendar against the real control: the layout found by hit-testing, the point
// queries against the control's own hit test, and the day states that reach the
// control without waiting for the control to ask.
#include <gtest/gtest.h>

#include "CalendarTestSupport.h"
#include "SeeThroughCalendarCtrl.h"

using namespace calendar_test;

namespace {

// The control's own answer at (x, y) is the same within two pixels each way: the
// point lies inside a cell or inside what is not a cell, not on an edge.
bool InsideOneArea(const CMonthCalCtrl& calendar, POINT point) {
    const auto answer = [&calendar](int x, int y) {
        const std::optional<COleDateTime> date = CalendarScene::DateHit(calendar, {x, y});
        return date ? date->Serial() : -1;
    };
    const int here = answer(point.x, point.y);
    return answer(point.x - 2, point.y - 2) == here && answer(point.x + 2, point.y - 2) == here &&
           answer(point.x - 2, point.y + 2) == here && answer(point.x + 2, point.y + 2) == here;
}

// Every point of a lattice gives the date the control's hit test reports there, and
// no cell, no rectangle and an invalid date where the control reports no day.
void ExpectPointQueriesMatchTheControl(const HolidayCalendarCtrl& calendar) {
    const RECT client = calendar.GetClientRect();
    int days = 0;
    int others = 0;
    for (int y = 2; y < client.bottom - 2; y += 3) {
        for (int x = 2; x < client.right - 2; x += 3) {
            if (!InsideOneArea(calendar, {x, y})) continue;
            const std::optional<COleDateTime> hit = CalendarScene::DateHit(calendar, {x, y});
            const COleDateTime date = calendar.DateFromPoint(x, y);
            if (hit) {
                ++days;
                ASSERT_EQ(date, *hit) << x << ',' << y;
                const RECT cell = calendar.CellRectFromPoint(x, y);
                ASSERT_TRUE(x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom) << x << ',' << y;
            } else {
                ++others;
                ASSERT_FALSE(date.IsValid()) << x << ',' << y;
                ASSERT_EQ(calendar.CellFromPoint(x, y), -1) << x << ',' << y;
                const RECT cell = calendar.CellRectFromPoint(x, y);
                ASSERT_TRUE(cell.left == 0 && cell.top == 0 && cell.right == 0 && cell.bottom == 0);
            }
        }
    }
    EXPECT_GT(days, 42 * 20);
    EXPECT_GT(others, 100);
}

class CalendarGeometryTest : public testing::Test {
protected:
    CalendarScene scene;
    SeeThroughCalendarCtrl calendar{scene.platform};
};

TEST_F(CalendarGeometryTest, TheScanFindsTheWeekdayHeaderAndSixEqualWeeks) {
    scene.Open(calendar, 4);
    Paint(calendar);
    ASSERT_FALSE(calendar.Layout().IsPending());
    const CalendarLayout& layout = calendar.Layout();
    const int x = calendar.GetClientRect().right / 2;
    EXPECT_EQ(calendar.HitTest({x, layout.headerTop}).uHit, static_cast<UINT>(MCHT_CALENDARDAY));
    EXPECT_NE(calendar.HitTest({x, layout.headerTop - 1}).uHit, static_cast<UINT>(MCHT_CALENDARDAY));
    EXPECT_EQ(calendar.HitTest({x, layout.gridTop - 1}).uHit, static_cast<UINT>(MCHT_CALENDARDAY));
    for (int week = 0; week < 6; ++week) {
        const int top = layout.gridTop + week * layout.RowPitch();
        const std::optional<COleDateTime> first = CalendarScene::DateHit(calendar, {x, top});
        ASSERT_TRUE(first) << "week " << week;
        EXPECT_EQ(*first, COleDateTime(2025, 5, 28) + 7 * week);
        EXPECT_EQ(CalendarScene::DateHit(calendar, {x, top + layout.RowPitch() - 1}), first);
    }
    EXPECT_FALSE(CalendarScene::DateHit(calendar, {x, layout.gridTop + 6 * layout.RowPitch()}));
}

TEST_F(CalendarGeometryTest, PointQueriesGiveTheDatesTheControlReports) {
    scene.Open(calendar, 4);
    Paint(calendar);
    ExpectPointQueriesMatchTheControl(calendar);
}

TEST_F(CalendarGeometryTest, AWiderControlCentresTheMonthAndItsMarks) {
    HolidayCalendarCtrl centred(scene.platform);
    scene.Open(centred, 4, SIZE{61, 37});
    centred.tintCells = false;
    const Picture painted = Paint(centred);
    ASSERT_FALSE(centred.Layout().IsPending());
    ExpectPointQueriesMatchTheControl(centred);

    const Picture platform = Picture::PrintedBy(centred.GetSafeHwnd());
    int red = 0;
    for (POINT point : scene.PixelsOf(centred, COleDateTime(2025, 6, 8))) {
        if (platform.At(point) == RGB(0, 0, 0)) {
            ASSERT_EQ(painted.At(point), kRed);
        }
        red += painted.At(point) == kRed;
    }
    EXPECT_GT(red, 5);
}

TEST_F(CalendarGeometryTest, NothingIsMarkedWhileMoreThanOneMonthFits) {
    HolidayCalendarCtrl wide(scene.platform);
    scene.Create(wide, 4);
    const RECT month = wide.GetClientRect();
    wide.SetWindowPos(nullptr, 0, 0, 2 * month.right, month.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    scene.host.SetWindowPos(nullptr, 0, 0, 2 * month.right, month.bottom, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    wide.RequestDayStates();
    ASSERT_NE(wide.dayStates(), nullptr);

    const Picture painted = Paint(wide);
    const Picture platform = Picture::PrintedBy(wide.GetSafeHwnd());
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) ASSERT_EQ(painted.At({x, y}), platform.At({x, y})) << x << ',' << y;
    }
}

TEST_F(CalendarGeometryTest, DayStatesReachTheControlRightAfterItsCreation) {
    scene.Create(calendar, 4);
    const auto inkOf11 = [this] {
        const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());
        int ink = 0;
        for (POINT point : scene.PixelsOf(calendar, COleDateTime(2025, 6, 11))) ink += platform.At(point) != kWhite;
        return ink;
    };
    const int regular = inkOf11();
    const int requestsBefore = scene.host.dayStateRequests;

    calendar.RequestDayStates();
    EXPECT_EQ(scene.host.dayStateRequests, requestsBefore + 1) << "the owner sees the request too";
    EXPECT_EQ(calendar.lastRequest().startYear, 2025);
    EXPECT_EQ(calendar.lastRequest().startMonth, 5);
    EXPECT_EQ(calendar.lastRequest().count, 3);
    EXPECT_GT(inkOf11(), regular) << "the holiday is drawn in bold";

    // The program shows another month: its marks and labels come with the request.
    SYSTEMTIME july{};
    july.wYear = 2025;
    july.wMonth = 7;
    july.wDay = 1;
    ASSERT_TRUE(calendar.SetCurSel(july));
    calendar.RequestDayStates();
    EXPECT_EQ(calendar.lastRequest().startMonth, 6);
    const std::string* label = calendar.FindDayLabel(scene.Key(2025, 7, 2));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(*label, "Next month");
}

TEST_F(CalendarGeometryTest, TheNextButtonsOwnRequestIsAnsweredAndSelectsTodayInItsMonth) {
    scene.clock.Set(2025, 7, 9, 9, 0);
    scene.Open(calendar, 4);
    const RECT client = calendar.GetClientRect();
    std::optional<POINT> next;
    for (int y = 0; y < client.bottom && !next; ++y) {
        for (int x = client.right - 1; x >= 0 && !next; --x) {
            if (calendar.HitTest({x, y}).uHit == MCHT_TITLEBTNNEXT) next = POINT{x, y};
        }
    }
    ASSERT_TRUE(next);
    std::optional<SYSTEMTIME> selected = calendar.GetCurSel();
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected->wDay, 4) << "today's month does not show yet";
    const int requestsBefore = scene.host.dayStateRequests;

    calendar.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(next->x, next->y));
    calendar.Send(WM_LBUTTONUP, 0, MAKELPARAM(next->x, next->y));
    EXPECT_EQ(scene.host.dayStateRequests, requestsBefore + 1);
    EXPECT_EQ(calendar.lastRequest().startMonth, 6);
    const std::string* label = calendar.FindDayLabel(scene.Key(2025, 7, 2));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(*label, "Next month");
    selected = calendar.GetCurSel();
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected->wMonth, 7);
    EXPECT_EQ(selected->wDay, 9) << "today, now that its month shows";
}

TEST_F(CalendarGeometryTest, ARefreshHandsNewMarksToTheControl) {
    scene.Open(calendar, 4);
    calendar.tintCells = false;
    ::UpdateWindow(calendar.GetSafeHwnd());
    scene.dir.Write("Wispane Calendar.ini", "[Schedule]\r\nSchedule=" + scene.Key(2025, 6, 12) + ",New\r\n");
    calendar.RefreshDayStates();
    EXPECT_TRUE(::GetUpdateRect(calendar.GetSafeHwnd(), nullptr, FALSE)) << "the control repaints its marks";
    const Picture painted = Paint(calendar);
    const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());

    int green = 0;
    for (POINT point : scene.PixelsOf(calendar, COleDateTime(2025, 6, 12))) {
        green += painted.At(point) == kScheduleColor;
    }
    EXPECT_GT(green, 5);
    for (POINT point : scene.PixelsOf(calendar, COleDateTime(2025, 6, 25))) {
        ASSERT_EQ(painted.At(point), platform.At(point)) << "the removed schedule leaves no mark";
    }
}

}  // namespace
