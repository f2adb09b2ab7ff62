// The tooltips over the holidays of three countries from the shipped rule file: an
// Easter holiday, a holiday on a weekend and the day it is observed on, if any.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "CalendarTestSupport.h"

using namespace calendar_test;

namespace {

class CountryHolidaysTest : public testing::Test {
protected:
    // The calendar of the country of `lcid` on the shipped rule file.
    void Open(std::uint32_t lcid) {
        std::ifstream shipped(WISPANE_SOURCE_DIR "/res/Holiday.ini", std::ios::binary);
        ASSERT_TRUE(shipped) << "the shipped rule file";
        scene.dir.Write("Holiday.ini", std::string(std::istreambuf_iterator<char>(shipped), {}));
        calendar.lcid = lcid;
        scene.Create(calendar, 1);
    }

    // Shows `month` of 2027 as the program does, and finds where its days lie.
    void Show(int month) {
        month_ = month;
        SYSTEMTIME first{};
        first.wYear = 2027;
        first.wMonth = static_cast<WORD>(month);
        first.wDay = 1;
        ASSERT_TRUE(calendar.SetCurSel(first));
        calendar.RequestDayStates();
        Paint(calendar);
        cells_.clear();
        const RECT client = calendar.GetClientRect();
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                const std::optional<COleDateTime> hit = CalendarScene::DateHit(calendar, {x, y});
                if (!hit) continue;
                const auto [cell, added] = cells_.try_emplace(hit->Serial(), RECT{x, y, x, y});
                cell->second.right = std::max<LONG>(cell->second.right, x);
                cell->second.bottom = std::max<LONG>(cell->second.bottom, y);
            }
        }
    }

    // What the tooltip says over the middle of `day` of the month on view.
    std::string TipOver(int day) {
        const RECT cell = cells_.at(COleDateTime(2027, month_, day).Serial());
        const char* tip = calendar.TipTextAt({(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
        return tip ? tip : "";
    }

    std::string Tip(int day, const std::string& label) const { return scene.Key(2027, month_, day) + ' ' + label; }

    CalendarScene scene;
    HolidayCalendarCtrl calendar{scene.platform};

private:
    int month_ = 0;
    std::map<std::int32_t, RECT> cells_;
};

TEST_F(CountryHolidaysTest, GermanyNamesEasterAndUnityDayButNotTheMondayAfterASundayUnityDay) {
    Open(1031);
    Show(3);
    EXPECT_EQ(TipOver(26), Tip(26, "Karfreitag"));
    EXPECT_EQ(TipOver(29), Tip(29, "Ostermontag"));
    EXPECT_EQ(TipOver(25), "");
    Show(10);
    EXPECT_EQ(TipOver(3), Tip(3, "Tag der Deutschen Einheit"));
    EXPECT_EQ(TipOver(4), "");
}

TEST_F(CountryHolidaysTest, BritainNamesTheSubstituteDaysOfAChristmasOnTheWeekend) {
    Open(2057);
    Show(3);
    EXPECT_EQ(TipOver(29), Tip(29, "Easter Monday"));
    Show(12);
    EXPECT_EQ(TipOver(25), Tip(25, "Christmas Day"));
    EXPECT_EQ(TipOver(26), Tip(26, "Boxing Day"));
    EXPECT_EQ(TipOver(27), Tip(27, "Christmas Day (substitute day)"));
    EXPECT_EQ(TipOver(28), Tip(28, "Boxing Day (substitute day)"));
    EXPECT_EQ(TipOver(29), "");
}

TEST_F(CountryHolidaysTest, SwedenNamesItsWeekendHolidaysWithoutSubstitutes) {
    Open(1053);
    Show(3);
    EXPECT_EQ(TipOver(29), Tip(29, "annandag p\xE5sk"));
    Show(6);
    EXPECT_EQ(TipOver(6), Tip(6, "nationaldagen"));
    EXPECT_EQ(TipOver(7), "");
    EXPECT_EQ(TipOver(26), Tip(26, "midsommardagen"));
}

}  // namespace
