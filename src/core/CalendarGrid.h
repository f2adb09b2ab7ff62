#pragma once
#include <cstdint>
#include <vector>

#include "COleDateTime.h"
#include "DayStateRequest.h"
#include "GridShape.h"

class DateKeys;
class ScheduleStore;

// The day cells of the one displayed month,
// the month after the first month of the last day-state request.
class CalendarGrid {
public:
    static constexpr int kSunday = 0;
    static constexpr int kSaturday = 6;

    // Rebuilds the grid for the range of `request`; its first column is the weekday
    // `firstWeekday`, 0 = Sunday ... 6 = Saturday.
    void SetRange(const DayStateRequest& request, int firstWeekday = 0);

    int displayedYear() const { return displayedYear_; }
    int displayedMonth() const { return displayedMonth_; }
    int lead() const { return lead_; }    // 1..7 cells of the previous month
    // The column of a weekday, 0 = Sunday ... 6 = Saturday.
    int ColumnOf(int weekday) const { return (weekday - firstWeekday_ + 7) % 7; }
    int days() const { return days_; }
    int trail() const { return trail_; }  // cells of the next month
    const COleDateTime& firstCellDate() const { return firstCellDate_; }
    const COleDateTime& lastCellDate() const { return lastCellDate_; }

    // The date shown in a cell; invalid outside 0..41.
    COleDateTime DateOfCell(int cell) const;

    // Cells whose day carries a bit of the answer: word 0 the previous month,
    // word 1 the displayed one, word 2 the next; `wordCount` words exist.
    std::vector<int> MarkedCells(const std::uint32_t* dayStates, int wordCount) const;
    // One cell per schedule whose key reads as a date within the grid, in key order.
    std::vector<int> ScheduleCells(const ScheduleStore& schedules, const DateKeys& keys) const;

private:
    int firstWeekday_ = 0;
    int displayedYear_ = 0;
    int displayedMonth_ = 0;
    int lead_ = 0;
    int days_ = 0;
    int trail_ = 0;
    COleDateTime firstCellDate_ = COleDateTime::Invalid();
    COleDateTime lastCellDate_ = COleDateTime::Invalid();
};
