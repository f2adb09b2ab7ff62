#pragma once
#include <optional>
#include <string_view>

#include "HolidayRecord.h"

// Reads one line "key=value" of a country section of a rule file as the holiday
// it gives in `year`: none for a line that is not a "Date" or "NthDay" rule, is
// malformed, or does not apply to that year.
std::optional<HolidayRecord> ParseHolidayRuleLine(std::string_view line, int year);
