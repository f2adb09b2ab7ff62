#include <gtest/gtest.h>

#include "MonthNavigation.h"

namespace {

const COleDateTime kToday(2026, 12, 9);

TEST(MonthNavigationTest, CrossesYearEndsToTheFirstOfTheMonth) {
    EXPECT_EQ(NavigatedDate({2003, 12, 17}, 0, 1, kToday), COleDateTime(2004, 1, 1));
    EXPECT_EQ(NavigatedDate({2004, 1, 31}, 0, -1, kToday), COleDateTime(2003, 12, 1));
    EXPECT_EQ(NavigatedDate({2010, 5, 31}, 1, 0, kToday), COleDateTime(2011, 5, 1));
    EXPECT_EQ(NavigatedDate({2010, 5, 31}, -1, 0, kToday), COleDateTime(2009, 5, 1));
}

TEST(MonthNavigationTest, TodaysMonthSelectsToday) {
    EXPECT_EQ(NavigatedDate({2026, 11, 1}, 0, 1, kToday), kToday);
    EXPECT_EQ(NavigatedDate({2027, 1, 1}, 0, -1, kToday), kToday);
    EXPECT_EQ(NavigatedDate({2025, 12, 25}, 1, 0, kToday), kToday);
}

TEST(MonthNavigationTest, BeyondTheValidYearsKeepsTheSelection) {
    EXPECT_EQ(NavigatedDate({9999, 12, 5}, 0, 1, kToday), COleDateTime(9999, 12, 5));
    EXPECT_EQ(NavigatedDate({100, 1, 5}, -1, 0, kToday), COleDateTime(100, 1, 5));
}

}  // namespace
