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

// The Gregorian computus (Meeus, after the anonymous New York algorithm of 1876).
COleDateTime WesternEasterSunday(int year) {
    if (!COleDateTime(year, 1, 1).IsValid()) return COleDateTime::Invalid();
    const int golden = year % 19;
    const int century = year / 100;
    const int yearOfCentury = year % 100;
    const int leapCorrection = century / 4;
    const int moonCorrection = (century - (century + 8) / 25 + 1) / 3;
    const int epact = (19 * golden + century - leapCorrection - moonCorrection + 15) % 30;
    const int weekday = (32 + 2 * (century % 4) + 2 * (yearOfCentury / 4) - epact - yearOfCentury % 4) % 7;
    const int lateCorrection = (golden + 11 * epact + 22 * weekday) / 451;
    const int days = epact + weekday - 7 * lateCorrection + 114;
    return COleDateTime(year, days / 31, days % 31 + 1);
}

// The Julian computus (Meeus), then the Julian calendar's lag behind the
// Gregorian one in that spring: 13 days from March 1900 to February 2100.
COleDateTime OrthodoxEasterSunday(int year) {
    if (!COleDateTime(year, 1, 1).IsValid()) return COleDateTime::Invalid();
    const int epact = (19 * (year % 19) + 15) % 30;
    const int weekday = (2 * (year % 4) + 4 * (year % 7) - epact + 34) % 7;
    const int days = epact + weekday + 114;
    const int julianLag = year / 100 - year / 400 - 2;
    return COleDateTime(year, days / 31, days % 31 + 1) + julianLag;
}

// `weekday` counts 0 = Sunday, the date's own day of week 1 = Sunday.
COleDateTime WeekdayOnOrAfter(const COleDateTime& date, int weekday) {
    return date + (weekday - (date.GetDayOfWeek() - 1) + 7) % 7;
}

COleDateTime WeekdayOnOrBefore(const COleDateTime& date, int weekday) {
    return date - ((date.GetDayOfWeek() - 1) - weekday + 7) % 7;
}
