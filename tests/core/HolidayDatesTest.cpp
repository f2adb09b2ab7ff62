#include <gtest/gtest.h>

#include <climits>

#include "HolidayDates.h"

TEST(HolidayDates, NthWeekdayCountsFromTheFirstOfTheMonth) {
    EXPECT_EQ(NthWeekdayOfMonth(2026, 1, 2, 1), 12);   // second Monday of January 2026
    EXPECT_EQ(NthWeekdayOfMonth(2026, 11, 4, 4), 26);  // fourth Thursday of November 2026
    EXPECT_EQ(NthWeekdayOfMonth(2026, 2, 1, 0), 1);    // 1 February 2026 is a Sunday
    EXPECT_EQ(NthWeekdayOfMonth(2000, 10, 2, 1), 9);
}

TEST(HolidayDates, NthWeekdayIsNotLimitedToTheMonth) {
    EXPECT_EQ(NthWeekdayOfMonth(2026, 2, 5, 1), 30);  // February 2026 has four Mondays
    EXPECT_EQ(NthWeekdayOfMonth(2026, 2, 0, 1), -5);
}

TEST(HolidayDates, LastWeekdayOfMonth) {
    EXPECT_EQ(LastWeekdayOfMonth(2026, 5, 1), 25);   // Memorial Day 2026
    EXPECT_EQ(LastWeekdayOfMonth(2024, 2, 4), 29);   // leap day is a Thursday
    EXPECT_EQ(LastWeekdayOfMonth(2026, 12, 4), 31);  // December reads 1 January 2027
    EXPECT_EQ(LastWeekdayOfMonth(2026, 12, 0), 27);
}

TEST(HolidayDates, EquinoxDays) {
    EXPECT_EQ(VernalEquinoxDay(2000), 20);
    EXPECT_EQ(AutumnalEquinoxDay(2000), 23);
    EXPECT_EQ(VernalEquinoxDay(2003), 21);
    EXPECT_EQ(AutumnalEquinoxDay(2003), 23);
    EXPECT_EQ(VernalEquinoxDay(2012), 20);
    EXPECT_EQ(AutumnalEquinoxDay(2012), 22);
}

// Rule files may hold any numbers; none of them may overflow.
TEST(HolidayDates, ExtremeInputsGiveDefinedResults) {
    for (int value : {INT_MIN, INT_MIN + 1, -1, 0, 13, INT_MAX - 1, INT_MAX}) {
        NthWeekdayOfMonth(value, 1, value, value);
        NthWeekdayOfMonth(2026, 1, value, 1);
        LastWeekdayOfMonth(value, 12, value);
        LastWeekdayOfMonth(2026, 12, value);
        VernalEquinoxDay(value);
        AutumnalEquinoxDay(value);
    }
    EXPECT_EQ(NthWeekdayOfMonth(2026, 1, INT_MAX, 1), INT_MAX);
    EXPECT_EQ(NthWeekdayOfMonth(2026, 1, INT_MIN, 1), INT_MIN);
}

// Published Easter dates, at the ends of their ranges and where the two churches meet.
TEST(HolidayDates, EasterSundays) {
    const auto date = [](int year, int month, int day) { return COleDateTime(year, month, day); };
    EXPECT_EQ(WesternEasterSunday(2000), date(2000, 4, 23));
    EXPECT_EQ(WesternEasterSunday(2008), date(2008, 3, 23));
    EXPECT_EQ(WesternEasterSunday(2038), date(2038, 4, 25));
    EXPECT_EQ(WesternEasterSunday(2285), date(2285, 3, 22));
    EXPECT_EQ(OrthodoxEasterSunday(2000), date(2000, 4, 30));
    EXPECT_EQ(OrthodoxEasterSunday(2010), WesternEasterSunday(2010));
    EXPECT_EQ(OrthodoxEasterSunday(2027), date(2027, 5, 2));
    EXPECT_EQ(OrthodoxEasterSunday(2024), date(2024, 5, 5));
    EXPECT_FALSE(WesternEasterSunday(99).IsValid());
    EXPECT_FALSE(OrthodoxEasterSunday(10000).IsValid());
}

TEST(HolidayDates, WeekdaysOnOrAroundADate) {
    // Midsummer's Day: the Saturday from 20 June; Victoria Day: the Monday up to 24 May.
    EXPECT_EQ(WeekdayOnOrAfter(COleDateTime(2027, 6, 20), 6), COleDateTime(2027, 6, 26));
    EXPECT_EQ(WeekdayOnOrAfter(COleDateTime(2026, 6, 20), 6), COleDateTime(2026, 6, 20));
    EXPECT_EQ(WeekdayOnOrBefore(COleDateTime(2027, 5, 24), 1), COleDateTime(2027, 5, 24));
    EXPECT_EQ(WeekdayOnOrBefore(COleDateTime(2026, 5, 24), 1), COleDateTime(2026, 5, 18));
}
