#include "CalendarGrid.h"

#include <algorithm>

#include "DateKeys.h"
#include "ScheduleStore.h"

namespace {

bool HasBit(const std::uint32_t* dayStates, int wordCount, int word, int day) {
    if (!dayStates || word >= wordCount || day < 1 || day > 31) return false;
    return (dayStates[word] >> (day - 1)) & 1u;
}

}  // namespace

void CalendarGrid::SetRange(const DayStateRequest& request, int firstWeekday) {
    firstWeekday_ = (firstWeekday % 7 + 7) % 7;
    displayedYear_ = request.startYear;
    displayedMonth_ = request.startMonth + 1;
    if (displayedMonth_ > 12) {
        displayedMonth_ %= 12;
        displayedYear_ += 1;
    }
    const COleDateTime firstDay(displayedYear_, displayedMonth_, 1);
    // A month that begins on the week's first day shows a whole week of the previous one.
    const int column = ColumnOf(firstDay.GetDayOfWeek() - 1);
    lead_ = column == 0 ? 7 : column;
    days_ = COleDateTime::DaysInMonth(displayedYear_, displayedMonth_);
    trail_ = GridShape::kCells - days_ - lead_;
    firstCellDate_ = firstDay - lead_;
    lastCellDate_ = firstDay + (days_ + trail_ - 1);
}

COleDateTime CalendarGrid::DateOfCell(int cell) const {
    if (cell < 0 || cell >= GridShape::kCells) return COleDateTime::Invalid();
    return firstCellDate_ + cell;
}

std::vector<int> CalendarGrid::MarkedCells(const std::uint32_t* dayStates, int wordCount) const {
    std::vector<int> cells;
    if (!dayStates || !firstCellDate_.IsValid()) return cells;
    const int firstLeadDay = firstCellDate_.GetDay();
    for (int i = 0; i < lead_; ++i) {
        if (HasBit(dayStates, wordCount, 0, firstLeadDay + i)) cells.push_back(i);
    }
    for (int i = 0; i < days_; ++i) {
        if (HasBit(dayStates, wordCount, 1, i + 1)) cells.push_back(lead_ + i);
    }
    for (int i = 0; i < trail_; ++i) {
        if (HasBit(dayStates, wordCount, 2, i + 1)) cells.push_back(lead_ + days_ + i);
    }
    return cells;
}

std::vector<int> CalendarGrid::ScheduleCells(const ScheduleStore& schedules, const DateKeys& keys) const {
    std::vector<int> cells;
    if (!firstCellDate_.IsValid() || !lastCellDate_.IsValid()) return cells;
    // Each key is read as a date once per load of the store, not at every layout.
    const std::vector<std::int32_t>& dates = schedules.KeyDates(keys);
    for (auto date = std::lower_bound(dates.begin(), dates.end(), firstCellDate_.Serial());
         date != dates.end() && *date <= lastCellDate_.Serial(); ++date) {
        cells.push_back(*date - firstCellDate_.Serial());
    }
    return cells;
}
