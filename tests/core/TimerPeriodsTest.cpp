#include <gtest/gtest.h>

#include "COleDateTime.h"
#include "Clock.h"
#include "TimerPeriods.h"

namespace {

constexpr long long kSecond = 1000;
constexpr long long kMinute = 60 * kSecond;
constexpr long long kHour = 60 * kMinute;

LocalTime At(int year, int month, int day, int hour, int minute, int second = 0, int milliseconds = 0) {
    const int dayOfWeek = COleDateTime(year, month, day).GetDayOfWeek() - 1;
    return {year, month, day, dayOfWeek, hour, minute, second, milliseconds};
}

// A clock stopped at `now`, in a zone `offsetBefore` hours ahead of UTC until 02:00 local of
// `changeDay` and `offsetAfter` hours ahead from then on. By default the zone is UTC.
class ZoneClock : public Clock {
public:
    explicit ZoneClock(LocalTime now, COleDateTime changeDay = {}, int offsetBefore = 0, int offsetAfter = 0)
        : now_(now), changeDay_(changeDay), offsetBefore_(offsetBefore), offsetAfter_(offsetAfter) {}

    LocalTime Now() const override { return now_; }
    long long SecondsSinceEpoch(const LocalTime& t) const override {
        const COleDateTime day(t.year, t.month, t.day);
        EXPECT_TRUE(day.IsValid()) << "asked for " << t.year << '-' << t.month << '-' << t.day;
        const bool changed = day > changeDay_ || (day == changeDay_ && t.hour >= 2);
        const int offset = changed ? offsetAfter_ : offsetBefore_;
        return (day.Serial() - 25569LL) * 86400 + (t.hour - offset) * 3600LL + t.minute * 60 + t.second;
    }
    // The periods never turn a moment back into a wall-clock time.
    LocalTime LocalTimeAt(long long) const override { return {}; }

private:
    LocalTime now_;
    COleDateTime changeDay_;
    int offsetBefore_;
    int offsetAfter_;
};

// A platform that cannot convert local times.
class UnconvertingClock : public ZoneClock {
public:
    using ZoneClock::ZoneClock;
    long long SecondsSinceEpoch(const LocalTime&) const override { return -1; }
};

TEST(TimerPeriodsTest, NextMinuteCountsFromTheSecondAndMillisecond) {
    EXPECT_EQ(MillisecondsToNextMinute(At(2025, 6, 1, 14, 5, 37, 250)), 22'750);
    EXPECT_EQ(MillisecondsToNextMinute(At(2025, 6, 1, 14, 5, 0, 0)), 60'000);
    EXPECT_EQ(MillisecondsToNextMinute(At(2025, 6, 1, 14, 5, 59, 999)), 1);
}

TEST(TimerPeriodsTest, NextMidnightIsTheNextCalendarDay) {
    struct Case {
        LocalTime now;
        long long expected;
    };
    const Case cases[] = {
        {At(2025, 6, 1, 23, 59, 30), 30 * kSecond},
        {At(2025, 12, 31, 23, 0, 0), kHour},                   // into the next year
        {At(2024, 2, 28, 12, 0, 0), 12 * kHour},               // to 29 February
        {At(2024, 2, 29, 23, 59, 59, 500), 500},               // from it
        {At(2025, 2, 28, 18, 0, 0), 6 * kHour},                // no 29th in 2025
        {At(2025, 4, 30, 0, 0, 0), 24 * kHour},                // a whole day from midnight itself
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MillisecondsToNextMidnight(ZoneClock(c.now), false), c.expected)
            << c.now.year << '-' << c.now.month << '-' << c.now.day << ' ' << c.now.hour << ':' << c.now.minute;
    }
}

TEST(TimerPeriodsTest, ShiftAndCtrlMakeItOneSecond) {
    EXPECT_EQ(MillisecondsToNextMidnight(ZoneClock(At(2025, 6, 1, 12, 0)), true), 1000);
}

TEST(TimerPeriodsTest, NextMidnightFollowsDaylightSavingChanges) {
    const COleDateTime changeDay(2025, 3, 30);
    const ZoneClock forwardEarly(At(2025, 3, 30, 0, 30), changeDay, 1, 2);
    const ZoneClock forwardLate(At(2025, 3, 30, 15, 0), changeDay, 1, 2);
    const ZoneClock backEarly(At(2025, 3, 30, 0, 30), changeDay, 2, 1);
    const ZoneClock backLate(At(2025, 3, 30, 15, 0), changeDay, 2, 1);
    EXPECT_EQ(MillisecondsToNextMidnight(forwardEarly, false), 23 * kHour - 30 * kMinute);
    EXPECT_EQ(MillisecondsToNextMidnight(backEarly, false), 25 * kHour - 30 * kMinute);
    EXPECT_EQ(MillisecondsToNextMidnight(forwardLate, false), 9 * kHour);
    EXPECT_EQ(MillisecondsToNextMidnight(backLate, false), 9 * kHour);
}

TEST(TimerPeriodsTest, TimesThePlatformCannotConvertFallBackToTheWallClock) {
    const UnconvertingClock clock(At(2025, 6, 1, 18, 0, 0, 250));
    EXPECT_EQ(MillisecondsToNextMidnight(clock, false), 6 * kHour - 250);
}

}  // namespace
