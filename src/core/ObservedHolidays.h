#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "COleDateTime.h"
#include "HolidayObservance.h"
#include "HolidayRecord.h"

// The days on which weekend holidays are observed, for one built year. It is
// given the holidays of that year and of the years on either side, since an
// observed day may cross a year end (New Year's Day on a Saturday observed on
// the Friday before).
class ObservedHolidays {
public:
    void Clear();
    // A holiday of any rule, on its own date: no day is observed on it.
    void AddHoliday(const COleDateTime& date);
    // A holiday read under an "Observance" line; `date` must be valid.
    void AddObservedHoliday(const COleDateTime& date, const std::string& name, const HolidayObservance& observance);
    // The observed and moved days that fall in `year`, in the order of the holidays'
    // dates; the records take no part in the older Sunday rule.
    std::vector<HolidayRecord> DaysOf(int year) const;

    // A Sunday holiday that its observance moves away is no holiday on that day.
    static bool IsMovedAway(const COleDateTime& date, const HolidayObservance& observance);

private:
    struct WeekendHoliday {
        COleDateTime date;
        std::string label;
        ObservanceMode mode;
    };

    std::vector<std::int32_t> holidays_;  // serial days
    std::vector<WeekendHoliday> weekendHolidays_;
};
