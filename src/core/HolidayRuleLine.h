#pragma once
#include <optional>
#include <string_view>

#include "HolidayObservance.h"
#include "HolidayRecord.h"

// Reads one line "key=value" of a country section of a rule file as the holiday
// it gives in `year`: none for a line that is not a holiday rule ("Date",
// "NthDay", "Easter", "OrthodoxEaster", "WeekdayOnOrAfter", "WeekdayOnOrBefore"),
// is malformed, or does not apply to that year.
std::optional<HolidayRecord> ParseHolidayRuleLine(std::string_view line, int year);

// Reads an "Observance=mode[,suffix]" line; none for any other line or an unknown mode.
std::optional<HolidayObservance> ParseObservanceLine(std::string_view line);
