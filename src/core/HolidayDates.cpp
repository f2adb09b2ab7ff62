#include "HolidayDates.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "COleDateTime.h"

namespace {

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

int TruncateToInt(double value) {
    if (!(value > INT_MIN - 1.0 && value < INT_MAX + 1.0)) return value > 0 ? INT_MAX : INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

int NthWeekdayOfMonth(int year, int month, int nth, int weekday) {
    // Weekday of day 1 counted 1 = Sunday; -1 when that day is not a valid date.
    const std::int64_t first = COleDateTime(year, month, 1).GetDayOfWeek();
    // C++ % truncates toward zero, as the rule requires for a negative left side.
    const std::int64_t offset = (static_cast<std::int64_t>(weekday) - first + 8) % 7;
    return ClampToInt(offset + 7 * static_cast<std::int64_t>(nth) - 6);
}

int LastWeekdayOfMonth(int year, int month, int weekday) {
    const bool december = month == 12;
    const int nextYear = december ? (year == INT_MAX ? year : year + 1) : year;
    const int nextMonth = december ? 1 : (month == INT_MAX ? month : month + 1);
    const COleDateTime last = COleDateTime(nextYear, nextMonth, 1) - 1;
    const std::int64_t lastDay = last.GetDay();
    const std::int64_t lastWeekday = static_cast<std::int64_t>(last.GetDayOfWeek()) - 1;
    const std::int64_t day = lastDay + weekday - lastWeekday;
    return ClampToInt(lastWeekday >= weekday ? day : day - 7);
}

int VernalEquinoxDay(int year) {
    const int q = year / 4;
    return TruncateToInt(0.24242 * year - q + 35.84);
}

int AutumnalEquinoxDay(int year) {
    const int q = year / 4;
    return TruncateToInt(0.24204 * year - q + 39.01);
}
