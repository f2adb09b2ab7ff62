#include "ObservedHolidays.h"

#include <algorithm>

namespace {

bool IsWeekend(const COleDateTime& date) {
    const int weekday = date.GetDayOfWeek();
    return weekday == COleDateTime::kSaturday || weekday == COleDateTime::kSunday;
}

// The day a weekend holiday is observed on, or moved to; invalid for none. A
// next working day skips the days in `taken`.
COleDateTime ObservedDay(const COleDateTime& date, ObservanceMode mode, const std::vector<std::int32_t>& taken) {
    const bool sunday = date.GetDayOfWeek() == COleDateTime::kSunday;
    switch (mode) {
        case ObservanceMode::None:
            break;
        case ObservanceMode::NextMonday:
            return date + (sunday ? 1 : 2);
        case ObservanceMode::NextWorkday: {
            COleDateTime day = date + 1;
            while (day.IsValid() && (IsWeekend(day) || std::ranges::binary_search(taken, day.Serial()))) day = day + 1;
            return day;
        }
        case ObservanceMode::FridayMonday:
            return sunday ? date + 1 : date - 1;
        case ObservanceMode::SundayMonday:
            if (sunday) return date + 1;
            break;
        case ObservanceMode::SundaySaturday:
            if (sunday) return date - 1;
            break;
    }
    return COleDateTime::Invalid();
}

}  // namespace

void ObservedHolidays::Clear() {
    holidays_.clear();
    weekendHolidays_.clear();
}

void ObservedHolidays::AddHoliday(const COleDateTime& date) {
    if (date.IsValid()) holidays_.push_back(date.Serial());
}

void ObservedHolidays::AddObservedHoliday(const COleDateTime& date, const std::string& name,
                                          const HolidayObservance& observance) {
    if (observance.mode == ObservanceMode::None || !IsWeekend(date)) return;
    // A moved holiday keeps its name; an observed day says it is one.
    const bool moved = IsMovedAway(date, observance);
    weekendHolidays_.push_back({date, moved ? name : name + observance.suffix, observance.mode});
}

bool ObservedHolidays::IsMovedAway(const COleDateTime& date, const HolidayObservance& observance) {
    return observance.mode == ObservanceMode::SundaySaturday && date.GetDayOfWeek() == COleDateTime::kSunday;
}

std::vector<HolidayRecord> ObservedHolidays::DaysOf(int year) const {
    std::vector<std::int32_t> taken = holidays_;
    std::ranges::sort(taken);
    std::vector<const WeekendHoliday*> inDateOrder;
    for (const WeekendHoliday& holiday : weekendHolidays_) inDateOrder.push_back(&holiday);
    std::ranges::stable_sort(inDateOrder, {}, [](const WeekendHoliday* holiday) { return holiday->date; });

    std::vector<HolidayRecord> days;
    for (const WeekendHoliday* holiday : inDateOrder) {
        const COleDateTime day = ObservedDay(holiday->date, holiday->mode, taken);
        if (!day.IsValid()) continue;
        // Two holidays of one weekend are observed on two days.
        taken.insert(std::ranges::upper_bound(taken, day.Serial()), day.Serial());
        if (day.GetYear() == year) days.push_back({day.GetMonth(), day.GetDay(), 0, holiday->label});
    }
    return days;
}
