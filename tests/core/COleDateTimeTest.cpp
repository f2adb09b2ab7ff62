#include <gtest/gtest.h>

#include "COleDateTime.h"

TEST(COleDateTime, DefaultIsDayZeroAndValid) {
    const COleDateTime zero;
    EXPECT_TRUE(zero.IsValid());
    EXPECT_EQ(zero.GetYear(), 1899);
    EXPECT_EQ(zero.GetMonth(), 12);
    EXPECT_EQ(zero.GetDay(), 30);
    EXPECT_EQ(zero.GetDayOfWeek(), 7);  // a Saturday
}

TEST(COleDateTime, RejectsImpossibleDates) {
    EXPECT_FALSE(COleDateTime(2023, 2, 29).IsValid());
    EXPECT_TRUE(COleDateTime(2024, 2, 29).IsValid());
    EXPECT_FALSE(COleDateTime(1900, 2, 29).IsValid());
    EXPECT_TRUE(COleDateTime(2000, 2, 29).IsValid());
    EXPECT_FALSE(COleDateTime(2026, 4, 31).IsValid());
    EXPECT_FALSE(COleDateTime(2026, 13, 1).IsValid());
    EXPECT_FALSE(COleDateTime(2026, 0, 1).IsValid());
    EXPECT_FALSE(COleDateTime(2026, 1, 0).IsValid());
    EXPECT_FALSE(COleDateTime(99, 12, 31).IsValid());
    EXPECT_FALSE(COleDateTime(10000, 1, 1).IsValid());
    EXPECT_EQ(COleDateTime(2026, 4, 31).GetDayOfWeek(), -1);
}

TEST(COleDateTime, WeekdaysFromSunday) {
    EXPECT_EQ(COleDateTime(2026, 12, 8).GetDayOfWeek(), 3);  // Tuesday
    EXPECT_EQ(COleDateTime(2026, 5, 3).GetDayOfWeek(), 1);   // Sunday
    EXPECT_EQ(COleDateTime(2000, 1, 1).GetDayOfWeek(), 7);   // Saturday
    EXPECT_EQ(COleDateTime(100, 1, 1).GetDayOfWeek(), 6);    // Friday (proleptic Gregorian)
}

TEST(COleDateTime, WholeDayArithmeticCrossesMonthsAndYears) {
    EXPECT_EQ(COleDateTime(2026, 12, 31) + 1, COleDateTime(2027, 1, 1));
    EXPECT_EQ(COleDateTime(2024, 3, 1) - 1, COleDateTime(2024, 2, 29));
    EXPECT_EQ(COleDateTime(2026, 3, 1) - COleDateTime(2026, 2, 1), 28);
    EXPECT_LT(COleDateTime(2025, 12, 31), COleDateTime(2026, 1, 1));
    EXPECT_FALSE((COleDateTime(9999, 12, 31) + 1).IsValid());
    EXPECT_FALSE((COleDateTime(100, 1, 1) - 1).IsValid());
    EXPECT_FALSE((COleDateTime(2026, 1, 1) + 2147483647).IsValid());
    EXPECT_FALSE((COleDateTime(2026, 1, 1) - (-2147483647 - 1)).IsValid());
}
