#pragma once
#include <array>
#include <string_view>

#include "COleDateTime.h"

struct LocaleConventions;

// Reads a date the way VarDateFromStr does for numeric text, keeping the date:
// three numbers separated by '/', '-', ',' or blanks, read in the order of the
// locale's short date form; when that gives no valid date, as month-day-year,
// year-month-day, year-day-month, then day-month-year. A year below 100 lies in
// 1950..2049. A time "h:mm" or "h:mm:ss", with an AM or PM text, may stand
// before or after the date; a time alone is day 0 (30 December 1899), as the
// automation date has it.
class DateTextParser {
public:
    explicit DateTextParser(const LocaleConventions& locale);
    // An invalid date for anything else (month names, two-number dates included).
    COleDateTime Parse(std::string_view text) const;

private:
    // Which of the three numbers is the year, the month and the day.
    struct FieldOrder {
        int year;
        int month;
        int day;
    };

    void SkipDesignator(std::string_view& text) const;
    COleDateTime DateFromNumbers(const std::array<int, 3>& numbers) const;

    const LocaleConventions& locale_;
    FieldOrder localeOrder_;
};
