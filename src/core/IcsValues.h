#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "COleDateTime.h"

// The property values of iCalendar files (RFC 5545, section 3.3) that the events,
// their rules and the time zones share, and the wall-clock seconds they are
// counted in.
namespace ics {

constexpr long long kSecondsPerDay = 24 * 60 * 60;

// The parts of a list value ("MO,WE,FR", "FREQ=DAILY;COUNT=2"), empty ones kept.
std::vector<std::string_view> SplitValue(std::string_view text, char separator);

// A number of decimal digits only; nothing for an empty text or any other character.
std::optional<int> Digits(std::string_view text);

// A DATE ("20261224") or DATE-TIME ("20261224T183000", "20261224T183000Z") value,
// blanks around it ignored.
struct DateTimeValue {
    COleDateTime day;
    std::optional<int> seconds;  // into the day; nothing for a DATE
    bool utc = false;
};
std::optional<DateTimeValue> ParseDateTime(std::string_view text);

// Seconds from 1970-01-01 00:00 of a wall clock, and back.
long long WallSeconds(const COleDateTime& day, int seconds = 0);
// Days from 1970-01-01, rounded down.
long long DayNumber(long long wallSeconds);
// Invalid outside the days COleDateTime counts.
COleDateTime DayOfWallSeconds(long long wallSeconds);

}  // namespace ics
