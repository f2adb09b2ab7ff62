#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "COleDateTime.h"
#include "Clock.h"
#include "TestPlatform.h"

namespace {

std::int64_t SecondsOf(const LocalTime& time) {
    const COleDateTime day(time.year, time.month, time.day);
    return std::int64_t{day.Serial()} * 86400 + time.hour * 3600 + time.minute * 60 + time.second;
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

TEST(ClockComparison, PortableClockAgreesWithWin32) {
    const std::vector<NamedPlatform> platforms = AllTestPlatforms();
    if (platforms.size() < 2) GTEST_SKIP() << "only one set of services in this build";
    const std::int64_t portable = SecondsOf(platforms[0].platform->clock.Now());
    const std::int64_t win32 = SecondsOf(platforms[1].platform->clock.Now());
    EXPECT_LE(std::abs(portable - win32), 2);
}
