#include "Win32Clock.h"

#include <windows.h>

SYSTEMTIME SystemTimeOf(const LocalTime& time) {
    return {.wYear = static_cast<WORD>(time.year),
            .wMonth = static_cast<WORD>(time.month),
            .wDayOfWeek = static_cast<WORD>(time.dayOfWeek),
            .wDay = static_cast<WORD>(time.day),
            .wHour = static_cast<WORD>(time.hour),
            .wMinute = static_cast<WORD>(time.minute),
            .wSecond = static_cast<WORD>(time.second),
            .wMilliseconds = static_cast<WORD>(time.milliseconds)};
}

namespace {

LocalTime LocalTimeOf(const SYSTEMTIME& time) {
    return {.year = time.wYear,
            .month = time.wMonth,
            .day = time.wDay,
            .dayOfWeek = time.wDayOfWeek,
            .hour = time.wHour,
            .minute = time.wMinute,
            .second = time.wSecond,
            .milliseconds = time.wMilliseconds};
}

// FILETIME counts 100-nanosecond units from 1601-01-01 UTC.
constexpr long long kUnitsPerSecond = 10'000'000;
constexpr long long kSecondsFrom1601To1970 = 11'644'473'600;

}  // namespace

LocalTime Win32Clock::Now() const {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTimeOf(now);
}

long long Win32Clock::SecondsSinceEpoch(const LocalTime& local) const {
    // Milliseconds below a second leave the whole seconds as they are.
    const SYSTEMTIME localTime = SystemTimeOf(local);
    SYSTEMTIME utc{};
    FILETIME units{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &utc) || !SystemTimeToFileTime(&utc, &units))
        return -1;
    const long long since1601 =
        static_cast<long long>((static_cast<unsigned long long>(units.dwHighDateTime) << 32) | units.dwLowDateTime);
    return since1601 / kUnitsPerSecond - kSecondsFrom1601To1970;
}

LocalTime Win32Clock::LocalTimeAt(long long secondsSinceEpoch) const {
    const long long since1601 = secondsSinceEpoch + kSecondsFrom1601To1970;
    if (since1601 < 0) return {};
    const unsigned long long units = static_cast<unsigned long long>(since1601) * kUnitsPerSecond;
    const FILETIME time{.dwLowDateTime = static_cast<DWORD>(units), .dwHighDateTime = static_cast<DWORD>(units >> 32)};
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    if (!FileTimeToSystemTime(&time, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) return {};
    return LocalTimeOf(local);
}
