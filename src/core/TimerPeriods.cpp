#include "TimerPeriods.h"

#include <algorithm>

#include "COleDateTime.h"

namespace {

constexpr long long kMillisecondsPerDay = 24LL * 60 * 60 * 1000;

LocalTime NextMidnight(const LocalTime& now) {
    const COleDateTime tomorrow = COleDateTime(now.year, now.month, now.day) + 1;
    return {.year = tomorrow.GetYear(),
            .month = tomorrow.GetMonth(),
            .day = tomorrow.GetDay(),
            .dayOfWeek = tomorrow.GetDayOfWeek() - 1};
}

// The period on the wall clock alone, as if every day had 24 hours.
long long WallClockPeriod(const LocalTime& now) {
    const long long elapsed = ((now.hour * 60LL + now.minute) * 60 + now.second) * 1000 + now.milliseconds;
    return std::max(kMillisecondsPerDay - elapsed, 1LL);
}

}  // namespace

int MillisecondsToNextMinute(const LocalTime& now) {
    // A leap second (second 60) would otherwise give a period of zero or less.
    return std::clamp(60'000 - now.second * 1000 - now.milliseconds, 1, 60'000);
}

long long MillisecondsToNextMidnight(const Clock& clock, bool shiftAndCtrlHeld) {
    if (shiftAndCtrlHeld) return 1000;
    const LocalTime now = clock.Now();
    const long long period =
        (clock.SecondsSinceEpoch(NextMidnight(now)) - clock.SecondsSinceEpoch(now)) * 1000 - now.milliseconds;
    // No day is this long or has ended already: the platform could not convert one of the
    // times (or there is no next day). The wall clock's figure is then the best guess, and a
    // timer of a millisecond that fires again and again would be the worst.
    if (period < 1 || period > 2 * kMillisecondsPerDay) return WallClockPeriod(now);
    return period;
}
