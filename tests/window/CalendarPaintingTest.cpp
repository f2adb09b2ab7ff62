// The colour marks on the platform control's own picture: weekends, holidays and
// schedules mixed into the digits, the tint, white kept white for the see-through
// look, the selection of another month painted as an ordinary day, the today band.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "CalendarTestSupport.h"
#include "SeeThroughCalendarCtrl.h"

using namespace calendar_test;

namespace {

// The colours of the passes that mark a day, in their order.
struct DayMarks {
    COleDateTime day;
    std::vector<COLORREF> passes;
};

class SeeThroughPaintingTest : public testing::Test {
protected:
    // The pixels that the platform control did not leave white.
    static std::vector<POINT> InkOf(const std::vector<POINT>& area, const Picture& platform) {
        std::vector<POINT> ink;
        for (POINT point : area) {
            if (platform.At(point) != kWhite) ink.push_back(point);
        }
        return ink;
    }

    // Every ink pixel went through each pass: tinted (AND grey) when the tint is on,
    // then OR the pass's colour.
    static void ExpectInkMixed(const Picture& painted, const Picture& platform, const std::vector<POINT>& ink,
                               const std::vector<COLORREF>& passes, bool tinted) {
        ASSERT_GE(ink.size(), 5u);
        int wrong = 0;
        for (POINT point : ink) {
            COLORREF mixed = platform.At(point);
            for (COLORREF colour : passes) mixed = (tinted ? mixed & kTint : mixed) | colour;
            wrong += painted.At(point) != mixed;
        }
        EXPECT_EQ(wrong, 0) << "of " << ink.size() << " ink pixels";
    }

    int BandTop() const { return calendar.Layout().gridTop + 6 * calendar.Layout().RowPitch(); }

    // The pixels of rows [top, bottom) that differ between two pictures.
    static int Differences(const Picture& a, const Picture& b, int top, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < a.width(); ++x) count += a.At({x, y}) != b.At({x, y});
        }
        return count;
    }

    CalendarScene scene;
    SeeThroughCalendarCtrl calendar{scene.platform};
};

TEST_F(SeeThroughPaintingTest, WeekendsHolidaysAndSchedulesColourTheDigits) {
    scene.Open(calendar, 4);
    for (bool tinted : {false, true}) {
        SCOPED_TRACE(tinted ? "tint on" : "tint off");
        calendar.tintCells = tinted;
        const Picture painted = Paint(calendar);
        const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());
        const DayMarks cases[] = {
            {COleDateTime(2025, 6, 1), {kRed}},                      // Sunday
            {COleDateTime(2025, 6, 7), {kBlue}},                     // Saturday
            {COleDateTime(2025, 5, 31), {kBlue}},                    // Saturday of the previous month
            {COleDateTime(2025, 6, 11), {kRed}},                     // holiday on a Wednesday
            {COleDateTime(2025, 6, 15), {kRed, kRed}},               // holiday on a Sunday
            {COleDateTime(2025, 6, 16), {kRed}},                     // its substitute on Monday
            {COleDateTime(2025, 6, 21), {kBlue, kRed}},              // holiday on a Saturday
            {COleDateTime(2025, 6, 25), {kScheduleColor}},           // schedule
            {COleDateTime(2025, 6, 18), {kScheduleColor}},           // holiday with a schedule: no red
            {COleDateTime(2025, 5, 27), {kScheduleColor}},           // schedule shown in the previous month
            {COleDateTime(2025, 7, 2), {kScheduleColor}},            // schedule shown in the next month
            {COleDateTime(2025, 6, 10), {}},                         // an ordinary day
        };
        for (const DayMarks& expected : cases) {
            SCOPED_TRACE(scene.platform.dateKeys.Format(expected.day));
            const std::vector<POINT> cell = MarkedPartOf(scene.PixelsOf(calendar, expected.day));
            ExpectInkMixed(painted, platform, InkOf(cell, platform), expected.passes, tinted);
        }
        const DayMarks headers[] = {
            {COleDateTime(2025, 6, 1), {kRed}},
            {COleDateTime(2025, 6, 7), {kBlue}},
            {COleDateTime(2025, 6, 4), {}},
        };
        for (const DayMarks& column : headers) {
            SCOPED_TRACE("weekday header above " + scene.platform.dateKeys.Format(column.day));
            const std::vector<POINT> header = MarkedPartOf(scene.HeaderPixelsAbove(calendar, column.day), 2);
            ExpectInkMixed(painted, platform, InkOf(header, platform), column.passes, tinted);
        }
    }
}

TEST_F(SeeThroughPaintingTest, TheTintTurnsWhiteSundayCellsLightRedAndLeavesPlainDaysWhite) {
    scene.Open(calendar, 4);
    calendar.tintCells = true;
    const Picture painted = Paint(calendar);
    const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());

    int white = 0;
    int lightRed = 0;
    for (POINT point : scene.PixelsOf(calendar, COleDateTime(2025, 6, 8))) {
        if (platform.At(point) != kWhite) continue;
        ++white;
        lightRed += painted.At(point) == RGB(255, 192, 192);
    }
    ASSERT_GT(white, 100);
    // All but the cell's last pixel column and row.
    EXPECT_GT(lightRed, white * 8 / 10);

    for (POINT point : scene.PixelsOf(calendar, COleDateTime(2025, 6, 10))) {
        if (platform.At(point) == kWhite) {
            ASSERT_EQ(painted.At(point), kWhite);
        }
    }
}

TEST_F(SeeThroughPaintingTest, WithTheTintOffWhitePixelsStayWhite) {
    scene.Open(calendar, 4);
    calendar.tintCells = false;
    const Picture painted = Paint(calendar);
    const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());
    const std::vector<POINT>& selection = scene.PixelsOf(calendar, COleDateTime(2025, 6, 4));
    const auto inSelection = [&selection](POINT point) {
        for (POINT cell : selection) {
            if (cell.x == point.x && cell.y == point.y) return true;
        }
        return false;
    };

    int whitened = 0;
    for (int y = 0; y < BandTop(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            if (platform.At({x, y}) != kWhite || inSelection({x, y})) continue;
            ++whitened;
            ASSERT_EQ(painted.At({x, y}), kWhite) << x << ',' << y;
        }
    }
    EXPECT_GT(whitened, painted.width() * BandTop() / 2);
}

TEST_F(SeeThroughPaintingTest, TheSelectionInAnotherMonthIsPaintedAsAnOrdinaryDay) {
    scene.Open(calendar, 22);  // a Sunday; today lies in August
    calendar.tintCells = false;
    const Picture painted = Paint(calendar);
    const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());
    const std::vector<POINT>& cell = scene.PixelsOf(calendar, COleDateTime(2025, 6, 22));

    int highlighted = 0;
    for (POINT point : cell) highlighted += !IsGrey(platform.At(point));
    ASSERT_GT(highlighted, 50) << "the platform highlights its selection";

    // White with the number, coloured like any Sunday: red merged into black ink.
    int red = 0;
    for (POINT point : cell) {
        const COLORREF pixel = painted.At(point);
        ASSERT_TRUE(pixel == kWhite || (GetRValue(pixel) == 255 && GetGValue(pixel) == GetBValue(pixel)))
            << point.x << ',' << point.y;
        red += pixel == kRed;
    }
    EXPECT_GT(red, 5);
}

TEST_F(SeeThroughPaintingTest, AColouredMonthBackgroundFillsTheRepaintedSelectionAndTheBand) {
    constexpr COLORREF kCream = RGB(255, 240, 200);
    scene.Create(calendar, 4);
    calendar.SetColor(MCSC_MONTHBK, kCream);
    calendar.RequestDayStates();
    calendar.tintCells = false;
    const Picture painted = Paint(calendar);

    // White, black digits, then masked with the background: nothing outside it, and
    // no white frame left along the cell's edges.
    const std::vector<POINT>& cell = scene.PixelsOf(calendar, COleDateTime(2025, 6, 4));
    int cream = 0;
    for (POINT point : cell) {
        ASSERT_EQ(painted.At(point) & kCream, painted.At(point)) << point.x << ',' << point.y;
        cream += painted.At(point) == kCream;
    }
    EXPECT_GT(cream, static_cast<int>(cell.size()) / 2);

    int bandCream = 0;
    int band = 0;
    for (int y = BandTop(); y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            ++band;
            ASSERT_NE(painted.At({x, y}), kWhite) << x << ',' << y;
            bandCream += painted.At({x, y}) == kCream;
        }
    }
    EXPECT_GT(bandCream, band / 2);
}

TEST_F(SeeThroughPaintingTest, WhileTheCurrentMonthShowsTheSelectionKeepsItsHighlight) {
    scene.clock.Set(2025, 6, 19, 9, 0);
    scene.Open(calendar, 4);
    calendar.tintCells = false;
    const Picture painted = Paint(calendar);
    const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());

    int highlighted = 0;
    for (POINT point : scene.PixelsOf(calendar, COleDateTime(2025, 6, 19))) {
        highlighted += !IsGrey(platform.At(point));
        ASSERT_EQ(painted.At(point), platform.At(point));
    }
    EXPECT_GT(highlighted, 50);
}

TEST_F(SeeThroughPaintingTest, TheTodayBandShowsTheClockAndFollowsIt) {
    scene.Open(calendar, 4);
    calendar.tintCells = false;
    const Picture painted = Paint(calendar);
    const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());
    const int bandTop = BandTop();
    ASSERT_LT(bandTop, painted.height());

    int ink = 0;
    for (int y = bandTop; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            const COLORREF pixel = painted.At({x, y});
            ASSERT_TRUE(IsGrey(pixel)) << x << ',' << y;
            ink += pixel != kWhite;
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_GT(Differences(painted, platform, bandTop, painted.height()), 0) << "not the platform's today line";

    scene.clock.Set(2025, 8, 20, 10, 43);
    calendar.DrawTodayLine();
    const Picture nextMinute = Picture::OfWindow(calendar.GetSafeHwnd());
    EXPECT_GT(Differences(nextMinute, painted, bandTop, painted.height()), 0);
    EXPECT_EQ(Differences(nextMinute, painted, 0, bandTop), 0);
}

// Marked days of the next month keep digits as plain as their neighbours': a bold
// copy of the platform's light grey can be so faint that the tint wipes it out.
TEST_F(SeeThroughPaintingTest, MarkedDaysOfTheNextMonthKeepTheirDigits) {
    // The program's default font: in Japanese a face whose small sizes are bitmaps.
    LOGFONTA iconTitle{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof iconTitle, &iconTitle, 0));
    const Font font = Font::Create(iconTitle);
    scene.dir.Write("Holiday.ini", "[USA]\r\nDate=2025,2025,7,1,Next Month\r\n[JPN]\r\nDate=2025,2025,7,1,Next Month\r\n");
    scene.Open(calendar, 4);
    calendar.SetFont(font.get(), false);
    const RECT month = calendar.GetMinReqRect().value_or(RECT{});
    calendar.SetWindowPos(nullptr, 0, 0, month.right - month.left, month.bottom - month.top,
                          SWP_NOZORDER | SWP_NOACTIVATE);
    const Picture painted = Paint(calendar);
    const Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());
    const std::vector<POINT> plain = MarkedPartOf(scene.PixelsOf(calendar, COleDateTime(2025, 7, 3)));
    const std::size_t plainInk = InkOf(plain, platform).size();
    ASSERT_GE(plainInk, 5u);

    // A "1" has less ink than a "3": a third of it is still a digit, where the
    // faint one keeps a pixel.
    for (const COleDateTime& day : {COleDateTime(2025, 7, 1), COleDateTime(2025, 7, 2)}) {
        const std::vector<POINT> marked = MarkedPartOf(scene.PixelsOf(calendar, day));
        std::map<COLORREF, int> colours;
        for (POINT point : marked) ++colours[painted.At(point)];
        const int background = std::max_element(colours.begin(), colours.end(), [](const auto& a, const auto& b) {
                                   return a.second < b.second;
                               })->second;
        EXPECT_GE(marked.size() - static_cast<std::size_t>(background), plainInk / 3)
            << scene.platform.dateKeys.Format(day);
    }
}

// A month reached without the control asking for its marks (here a selection)
// gets them with its first paint.
TEST_F(SeeThroughPaintingTest, AnotherMonthShownAnyWayGetsItsMarks) {
    scene.Open(calendar, 4);
    SYSTEMTIME september{};
    september.wYear = 2025;
    september.wMonth = 9;
    september.wDay = 10;
    ASSERT_TRUE(calendar.SetCurSel(september));
    Paint(calendar);
    EXPECT_EQ(calendar.lastRequest().startYear, 2025);
    EXPECT_EQ(calendar.lastRequest().startMonth, 8) << "August to October";
}

TEST_F(SeeThroughPaintingTest, WithoutTheTimeLineTheBandIsLeftToThePlatform) {
    scene.Open(calendar, 4);
    calendar.showTimeLine = false;
    Picture painted = Paint(calendar);
    Picture platform = Picture::PrintedBy(calendar.GetSafeHwnd());
    EXPECT_EQ(Differences(painted, platform, BandTop(), painted.height()), 0) << "the platform's own today line";

    calendar.showTimeLine = true;
    calendar.ModifyStyle(0, MCS_NOTODAY);
    painted = Paint(calendar);
    platform = Picture::PrintedBy(calendar.GetSafeHwnd());
    EXPECT_EQ(Differences(painted, platform, BandTop(), painted.height()), 0) << "no today line at all";
}

}  // namespace
