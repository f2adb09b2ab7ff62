#include "COleDateTime.h"

namespace {

constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

// Days from 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's algorithm).
constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Civil {
    int year;
    int month;
    int day;
};

Civil CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 is day 0 of the serial count.
constexpr std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);
constexpr std::int64_t kMinSerial = DaysFromCivil(kMinYear, 1, 1) - kEpochOffset;
constexpr std::int64_t kMaxSerial = DaysFromCivil(kMaxYear, 12, 31) - kEpochOffset;

}  // namespace

COleDateTime::COleDateTime(int year, int month, int day) { SetDate(year, month, day); }

COleDateTime COleDateTime::FromSerial(std::int32_t serialDay) {
    COleDateTime date;
    date.serial_ = serialDay;
    date.status_ = (serialDay >= kMinSerial && serialDay <= kMaxSerial) ? valid : invalid;
    return date;
}

COleDateTime COleDateTime::Invalid() {
    COleDateTime date;
    date.status_ = invalid;
    return date;
}

void COleDateTime::SetDate(int year, int month, int day) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        serial_ = 0;
        status_ = invalid;
        return;
    }
    serial_ = static_cast<std::int32_t>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset);
    status_ = valid;
}

int COleDateTime::GetYear() const { return IsValid() ? CivilFromDays(serial_ + kEpochOffset).year : -1; }
int COleDateTime::GetMonth() const { return IsValid() ? CivilFromDays(serial_ + kEpochOffset).month : -1; }
int COleDateTime::GetDay() const { return IsValid() ? CivilFromDays(serial_ + kEpochOffset).day : -1; }

int COleDateTime::GetDayOfWeek() const {
    if (!IsValid()) return -1;
    // Day 0 (1899-12-30) was a Saturday.
    const int fromSunday = static_cast<int>(((static_cast<std::int64_t>(serial_) + 6) % 7 + 7) % 7);
    return fromSunday + 1;
}

COleDateTime COleDateTime::operator+(int days) const {
    if (!IsValid()) return *this;
    const std::int64_t target = static_cast<std::int64_t>(serial_) + days;
    if (target < kMinSerial || target > kMaxSerial) return Invalid();
    return FromSerial(static_cast<std::int32_t>(target));
}

COleDateTime COleDateTime::operator-(int days) const {
    return *this + (days == INT32_MIN ? INT32_MAX : -days);
}

bool COleDateTime::IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int COleDateTime::DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return (month == 2 && IsLeapYear(year)) ? 29 : kDays[month - 1];
}
