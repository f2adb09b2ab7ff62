#pragma once
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "COleDateTime.h"

// The recurrence of an iCalendar event (RFC 5545, section 3.3.10), as far as dates
// go: FREQ of YEARLY, MONTHLY, WEEKLY or DAILY, with INTERVAL, COUNT, UNTIL, BYDAY
// (with or without an ordinal), BYMONTHDAY and BYMONTH.
class RecurrenceRule {
public:
    enum class Frequency { Daily, Weekly, Monthly, Yearly };
    struct WeekdayRule {
        int weekday = COleDateTime::kSunday;  // kSunday ... kSaturday
        int ordinal = 0;                      // 0: every such day; -1: the last ...
    };

    // Nothing for a rule with another frequency, a part it cannot keep (BYSETPOS,
    // BYWEEKNO, BYYEARDAY ...) or a value out of range.
    static std::optional<RecurrenceRule> Parse(std::string_view value);

    // Whether the rule ends by itself (COUNT or UNTIL).
    bool IsBounded() const { return count_ || until_; }

    // The dates of the events from `start` on, in order, that lie within
    // [from, to]: at most `limit` of them, and none past COUNT or UNTIL.
    std::vector<COleDateTime> Expand(const COleDateTime& start, const COleDateTime& from, const COleDateTime& to,
                                     std::size_t limit) const;

private:
    // The first period, a whole number of intervals from the start's, that can hold
    // a date from `from` on and still be counted right.
    int FirstPeriodReaching(const COleDateTime& start, const COleDateTime& from) const;
    // The candidate days of the period (day, week, month or year) that holds `day`.
    void CandidatesOf(const COleDateTime& day, const COleDateTime& start, std::vector<COleDateTime>& out) const;
    void DaysOfMonth(int year, int month, const COleDateTime& start, std::vector<COleDateTime>& out) const;
    bool KeptByFilters(const COleDateTime& day) const;
    // Whether BYMONTHDAY lists the day, counted from either end of its month.
    bool NamesMonthDay(int day, int daysInMonth) const;

    Frequency frequency_ = Frequency::Daily;
    int interval_ = 1;
    std::optional<int> count_;
    std::optional<COleDateTime> until_;
    std::vector<WeekdayRule> byDay_;
    std::vector<int> byMonthDay_;
    std::vector<int> byMonth_;
};
