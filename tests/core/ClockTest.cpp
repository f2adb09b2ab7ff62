#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "COleDateTime.h"
#include "Clock.h"
#include "TestPlatform.h"

namespace {

std::int64_t SecondsOf(const LocalTime& time) {
    const COleDateTime day(time.year, time.month, time.day);
    return std::int64_t{day.Serial()} * 86400 + time.hour * 3600 + time.minute * 60 + time.second;
}

LocalTime Local(int year, int month, int day, int hour, int minute, int second = 0) {
    const int dayOfWeek = COleDateTime(year, month, day).GetDayOfWeek() - 1;
    return {year, month, day, dayOfWeek, hour, minute, second, 0};
}

}  // namespace

class ClockTest : public ::testing::TestWithParam<NamedPlatform> {
protected:
    const Clock& TheClock() const { return GetParam().platform->clock; }
};

INSTANTIATE_TEST_SUITE_P(Services, ClockTest, ::testing::ValuesIn(AllTestPlatforms()),
                         [](const auto& info) { return info.param.name; });

TEST_P(ClockTest, GivesAValidLocalTimeWithItsWeekday) {
    const LocalTime now = TheClock().Now();
    const COleDateTime today(now.year, now.month, now.day);
    ASSERT_TRUE(today.IsValid());
    EXPECT_EQ(now.dayOfWeek, today.GetDayOfWeek() - 1);
    EXPECT_GE(now.hour, 0);
    EXPECT_LE(now.hour, 23);
    EXPECT_GE(now.minute, 0);
    EXPECT_LE(now.minute, 59);
    EXPECT_GE(now.milliseconds, 0);
    EXPECT_LE(now.milliseconds, 999);
}

TEST_P(ClockTest, SecondsSinceEpochOfNowIsTheCLibraryTime) {
    const long long expected = static_cast<long long>(std::time(nullptr));
    EXPECT_LE(std::llabs(TheClock().SecondsSinceEpoch(TheClock().Now()) - expected), 2);
}

// Local time to UTC and back gives the same wall clock, daylight-saving days included.
TEST_P(ClockTest, LocalTimeAtUndoesSecondsSinceEpoch) {
    for (const LocalTime& time : {Local(2025, 1, 15, 12, 0), Local(2025, 7, 15, 23, 59, 59), Local(2025, 3, 30, 0, 0),
                                  Local(2025, 11, 2, 0, 30)}) {
        const LocalTime back = TheClock().LocalTimeAt(TheClock().SecondsSinceEpoch(time));
        EXPECT_EQ(SecondsOf(back), SecondsOf(time)) << time.month << '-' << time.day << ' ' << time.hour;
        EXPECT_EQ(back.dayOfWeek, time.dayOfWeek);
    }
}

TEST(ClockComparison, PortableClockAgreesWithWin32) {
    const std::vector<NamedPlatform> platforms = AllTestPlatforms();
    if (platforms.size() < 2) GTEST_SKIP() << "only one set of services in this build";
    const std::int64_t portable = SecondsOf(platforms[0].platform->clock.Now());
    const std::int64_t win32 = SecondsOf(platforms[1].platform->clock.Now());
    EXPECT_LE(std::abs(portable - win32), 2);
}

// In the machine's zone; the midnights around European and American daylight-saving changes
// give days of 23 and 25 hours where the zone has them.
TEST(ClockComparison, BothConvertLocalTimesAlike) {
    const std::vector<NamedPlatform> platforms = AllTestPlatforms();
    if (platforms.size() < 2) GTEST_SKIP() << "only one set of services in this build";
    const LocalTime times[] = {
        Local(2025, 1, 15, 12, 0),  Local(2025, 7, 15, 12, 0),  Local(2024, 2, 29, 23, 59, 59),
        Local(2025, 3, 30, 0, 0),   Local(2025, 3, 31, 0, 0),   Local(2025, 10, 26, 0, 0),
        Local(2025, 10, 27, 0, 0),  Local(2025, 3, 9, 0, 0),    Local(2025, 3, 10, 0, 0),
        Local(2025, 11, 2, 0, 0),   Local(2025, 11, 3, 0, 0),
    };
    for (const LocalTime& time : times) {
        EXPECT_EQ(platforms[0].platform->clock.SecondsSinceEpoch(time),
                  platforms[1].platform->clock.SecondsSinceEpoch(time))
            << time.year << '-' << time.month << '-' << time.day << ' ' << time.hour << ':' << time.minute;
    }
}
