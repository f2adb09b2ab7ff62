#pragma once
#include <optional>
#include <unordered_map>

#include "COleDateTime.h"

class Clock;

// A moment on the user's wall clock.
struct IcsUserTime {
    COleDateTime day;
    int seconds = 0;  // into the day
};

// The user's wall-clock time of wall-clock seconds from 1970; nothing outside the
// days COleDateTime counts.
std::optional<IcsUserTime> IcsUserTimeOnWall(long long wallSeconds);

// The user's wall clock at UTC moments, for reading many events. Asking the
// platform is slow (microseconds a time under Wine), so it is asked for the offset
// at the start of each UTC day once; a moment of a day that starts and ends with
// the same offset takes that offset, and only one of a day with a change is asked
// about itself (the offset changes at most once a day).
class IcsUserClock {
public:
    explicit IcsUserClock(const Clock& clock) : clock_(clock) {}

    // Nothing when the platform cannot convert the moment.
    std::optional<IcsUserTime> At(long long utcSeconds);

private:
    std::optional<IcsUserTime> Asked(long long utcSeconds) const;
    std::optional<long long> OffsetFromDay(long long day);

    const Clock& clock_;
    std::unordered_map<long long, std::optional<long long>> offsets_;  // by UTC day from 1970
};
