#include "PortableClock.h"

#include <chrono>
#include <ctime>

namespace {

// The C library's local time of `seconds`; year 0 when it has none.
LocalTime LocalTimeOf(std::time_t seconds, int milliseconds) {
    std::tm local{};
#ifdef _WIN32
    const bool converted = localtime_s(&local, &seconds) == 0;
#else
    const bool converted = localtime_r(&seconds, &local) != nullptr;
#endif
    if (!converted) return {};
    return {.year = local.tm_year + 1900,
            .month = local.tm_mon + 1,
            .day = local.tm_mday,
            .dayOfWeek = local.tm_wday,
            .hour = local.tm_hour,
            .minute = local.tm_min,
            .second = local.tm_sec,
            .milliseconds = milliseconds};
}

}  // namespace

LocalTime PortableClock::Now() const {
    const auto now = std::chrono::system_clock::now();
    const auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    return LocalTimeOf(std::chrono::system_clock::to_time_t(now), static_cast<int>(sinceEpoch.count() % 1000));
}

LocalTime PortableClock::LocalTimeAt(long long secondsSinceEpoch) const {
    return LocalTimeOf(static_cast<std::time_t>(secondsSinceEpoch), 0);
}

long long PortableClock::SecondsSinceEpoch(const LocalTime& local) const {
    std::tm fields{};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = -1;  // whether daylight-saving time applies is the zone's to say
    return static_cast<long long>(std::mktime(&fields));
}
