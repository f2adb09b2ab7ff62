#include "IcsUserClock.h"

#include "Clock.h"
#include "IcsValues.h"

std::optional<IcsUserTime> IcsUserTimeOnWall(long long wallSeconds) {
    const IcsUserTime time{ics::DayOfWallSeconds(wallSeconds),
                           static_cast<int>(wallSeconds - ics::DayNumber(wallSeconds) * ics::kSecondsPerDay)};
    if (!time.day.IsValid()) return std::nullopt;
    return time;
}

std::optional<IcsUserTime> IcsUserClock::At(long long utcSeconds) {
    const long long day = ics::DayNumber(utcSeconds);
    const auto offset = OffsetFromDay(day);
    if (offset && offset == OffsetFromDay(day + 1)) return IcsUserTimeOnWall(utcSeconds + *offset);
    return Asked(utcSeconds);
}

std::optional<IcsUserTime> IcsUserClock::Asked(long long utcSeconds) const {
    const LocalTime local = clock_.LocalTimeAt(utcSeconds);
    const COleDateTime day(local.year, local.month, local.day);
    if (!day.IsValid()) return std::nullopt;
    return IcsUserTime{day, local.hour * 3600 + local.minute * 60 + local.second};
}

std::optional<long long> IcsUserClock::OffsetFromDay(long long day) {
    const auto [offset, added] = offsets_.try_emplace(day);
    if (added) {
        const long long utc = day * ics::kSecondsPerDay;
        if (const auto local = Asked(utc)) offset->second = ics::WallSeconds(local->day, local->seconds) - utc;
    }
    return offset->second;
}
