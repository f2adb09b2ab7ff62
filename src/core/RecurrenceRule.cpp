#include "RecurrenceRule.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>

#include "IcsValues.h"

namespace {

constexpr std::string_view kWeekdays[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
// A rule that matches nothing for so many periods is given up: a year of days.
constexpr int kMaxEmptyPeriods = 400;

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "YYYYMMDD", with or without a time after it.
std::optional<COleDateTime> DateOf(std::string_view text) {
    const auto value = ics::ParseDateTime(text);
    return value ? std::optional(value->day) : std::nullopt;
}

COleDateTime FirstOfMonth(int year, int month) { return COleDateTime(year, month, 1); }

}  // namespace

std::optional<RecurrenceRule> RecurrenceRule::Parse(std::string_view value) {
    RecurrenceRule rule;
    bool hasFrequency = false;
    for (std::string_view part : ics::SplitValue(value, ';')) {
        if (part.empty()) continue;
        const std::size_t equals = part.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string_view key = part.substr(0, equals);
        const std::string_view text = part.substr(equals + 1);
        if (key == "FREQ") {
            const std::pair<std::string_view, Frequency> names[] = {
                {"DAILY", Frequency::Daily}, {"WEEKLY", Frequency::Weekly},
                {"MONTHLY", Frequency::Monthly}, {"YEARLY", Frequency::Yearly}};
            const auto found = std::find_if(std::begin(names), std::end(names), [&](auto& n) { return n.first == text; });
            if (found == std::end(names)) return std::nullopt;
            rule.frequency_ = found->second;
            hasFrequency = true;
        } else if (key == "INTERVAL") {
            const auto number = Number(text);
            if (!number || *number < 1) return std::nullopt;
            rule.interval_ = *number;
        } else if (key == "COUNT") {
            const auto number = Number(text);
            if (!number || *number < 1) return std::nullopt;
            rule.count_ = number;
        } else if (key == "UNTIL") {
            rule.until_ = DateOf(text);
            if (!rule.until_) return std::nullopt;
        } else if (key == "BYMONTH" || key == "BYMONTHDAY") {
            const bool months = key == "BYMONTH";
            for (std::string_view item : ics::SplitValue(text, ',')) {
                const auto number = Number(item.starts_with('+') ? item.substr(1) : item);
                if (!number || (months ? (*number < 1 || *number > 12) : (*number == 0 || std::abs(*number) > 31))) {
                    return std::nullopt;
                }
                (months ? rule.byMonth_ : rule.byMonthDay_).push_back(*number);
            }
        } else if (key == "BYDAY") {
            for (std::string_view item : ics::SplitValue(text, ',')) {
                if (item.size() < 2) return std::nullopt;
                const auto weekday = std::find(std::begin(kWeekdays), std::end(kWeekdays), item.substr(item.size() - 2));
                if (weekday == std::end(kWeekdays)) return std::nullopt;
                std::string_view ordinalText = item.substr(0, item.size() - 2);
                if (ordinalText.starts_with('+')) ordinalText.remove_prefix(1);
                const auto ordinal = ordinalText.empty() ? std::optional(0) : Number(ordinalText);
                if (!ordinal || std::abs(*ordinal) > 53) return std::nullopt;
                rule.byDay_.push_back({static_cast<int>(weekday - std::begin(kWeekdays)) + 1, *ordinal});
            }
        } else if (key != "WKST") {
            return std::nullopt;
        }
    }
    if (!hasFrequency) return std::nullopt;
    return rule;
}

bool RecurrenceRule::NamesMonthDay(int day, int daysInMonth) const {
    // -1 is the month's last day.
    return std::any_of(byMonthDay_.begin(), byMonthDay_.end(),
                       [&](int listed) { return listed == day || daysInMonth + listed + 1 == day; });
}

bool RecurrenceRule::KeptByFilters(const COleDateTime& day) const {
    if (!byMonth_.empty() && std::find(byMonth_.begin(), byMonth_.end(), day.GetMonth()) == byMonth_.end()) return false;
    if (frequency_ == Frequency::Daily || frequency_ == Frequency::Weekly) {
        if (!byMonthDay_.empty()) {
            if (!NamesMonthDay(day.GetDay(), COleDateTime::DaysInMonth(day.GetYear(), day.GetMonth()))) return false;
        }
        if (frequency_ == Frequency::Daily && !byDay_.empty()) {
            return std::any_of(byDay_.begin(), byDay_.end(),
                               [&](const WeekdayRule& r) { return r.weekday == day.GetDayOfWeek(); });
        }
    }
    return true;
}

// The days of one month a monthly or yearly rule names: its month days, its
// weekdays (the nth, the nth from the end, or all), both when both are given, or
// the start's day of the month.
void RecurrenceRule::DaysOfMonth(int year, int month, const COleDateTime& start,
                                 std::vector<COleDateTime>& out) const {
    const int last = COleDateTime::DaysInMonth(year, month);
    const COleDateTime first = FirstOfMonth(year, month);
    for (int day = 1; day <= last; ++day) {
        const COleDateTime date = first + (day - 1);
        bool named = byMonthDay_.empty() && byDay_.empty() && day == start.GetDay();
        if (!byMonthDay_.empty()) named = NamesMonthDay(day, last);
        if (!byDay_.empty() && (byMonthDay_.empty() || named)) {
            const int nth = (day - 1) / 7 + 1;
            const int nthFromEnd = -((last - day) / 7 + 1);
            named = std::any_of(byDay_.begin(), byDay_.end(), [&](const WeekdayRule& r) {
                return r.weekday == date.GetDayOfWeek() && (r.ordinal == 0 || r.ordinal == nth || r.ordinal == nthFromEnd);
            });
        }
        if (named) out.push_back(date);
    }
}

void RecurrenceRule::CandidatesOf(const COleDateTime& day, const COleDateTime& start,
                                  std::vector<COleDateTime>& out) const {
    switch (frequency_) {
    case Frequency::Daily:
        out.push_back(day);
        break;
    case Frequency::Weekly: {
        // Weeks start on Monday, as WKST says by default.
        const COleDateTime monday = day - ((day.GetDayOfWeek() + 5) % 7);
        for (int i = 0; i < 7; ++i) {
            const COleDateTime date = monday + i;
            const bool named = byDay_.empty() ? date.GetDayOfWeek() == start.GetDayOfWeek()
                                              : std::any_of(byDay_.begin(), byDay_.end(), [&](const WeekdayRule& r) {
                                                    return r.weekday == date.GetDayOfWeek();
                                                });
            if (named) out.push_back(date);
        }
        break;
    }
    case Frequency::Monthly:
        DaysOfMonth(day.GetYear(), day.GetMonth(), start, out);
        break;
    case Frequency::Yearly:
        for (int month = 1; month <= 12; ++month) {
            const bool named = byMonth_.empty() ? month == start.GetMonth()
                                                : std::find(byMonth_.begin(), byMonth_.end(), month) != byMonth_.end();
            if (named) DaysOfMonth(day.GetYear(), month, start, out);
        }
        break;
    }
}

int RecurrenceRule::FirstPeriodReaching(const COleDateTime& start, const COleDateTime& from) const {
    // Without COUNT the periods before `from` give nothing to keep: a rule that
    // started centuries ago is not walked through.
    if (count_ || from <= start) return 0;
    int periods = 0;
    switch (frequency_) {
    case Frequency::Daily:
        periods = from - start;
        break;
    case Frequency::Weekly:
        // Whole weeks from the Monday of the start's week to the Monday of `from`'s.
        periods = ((from - (from.GetDayOfWeek() + 5) % 7) - (start - (start.GetDayOfWeek() + 5) % 7)) / 7;
        break;
    case Frequency::Monthly:
        periods = (from.GetYear() - start.GetYear()) * 12 + from.GetMonth() - start.GetMonth();
        break;
    case Frequency::Yearly:
        periods = from.GetYear() - start.GetYear();
        break;
    }
    return periods / interval_ * interval_;
}

std::vector<COleDateTime> RecurrenceRule::Expand(const COleDateTime& start, const COleDateTime& from,
                                                 const COleDateTime& to, std::size_t limit) const {
    std::vector<COleDateTime> dates;
    if (!start.IsValid() || limit == 0 || start > to) return dates;
    // The start is the first event whether or not the rule names it.
    int counted = 1;
    if (start >= from) dates.push_back(start);
    int emptyPeriods = 0;
    std::vector<COleDateTime> candidates;
    for (int period = FirstPeriodReaching(start, from);; period += interval_) {
        COleDateTime anchor;
        switch (frequency_) {
        case Frequency::Daily:
            anchor = start + period;
            break;
        case Frequency::Weekly:
            anchor = start + 7 * period;
            break;
        case Frequency::Monthly: {
            const int months = start.GetMonth() - 1 + period;
            anchor = FirstOfMonth(start.GetYear() + months / 12, months % 12 + 1);
            break;
        }
        case Frequency::Yearly:
            anchor = FirstOfMonth(start.GetYear() + period, 1);
            break;
        }
        if (!anchor.IsValid() || anchor > to || (until_ && anchor > *until_ && frequency_ == Frequency::Daily)) break;
        candidates.clear();
        CandidatesOf(anchor, start, candidates);
        bool any = false;
        for (const COleDateTime& date : candidates) {
            if (date <= start || !KeptByFilters(date)) continue;
            if (until_ && date > *until_) return dates;
            if (date > to || (count_ && counted >= *count_) || dates.size() >= limit) return dates;
            any = true;
            ++counted;
            if (date >= from) dates.push_back(date);
        }
        emptyPeriods = any ? 0 : emptyPeriods + 1;
        if (emptyPeriods > kMaxEmptyPeriods) break;
    }
    return dates;
}
