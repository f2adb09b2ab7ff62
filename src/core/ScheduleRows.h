#pragma once
#include <string>
#include <vector>

// A row of the schedule editor: the date text exactly as stored, and the name.
// The editor never parses a date text.
struct ScheduleRow {
    std::string date;
    std::string name;
    bool operator==(const ScheduleRow&) const = default;
};

// A line of the "Schedule" section as a row: the key and its "=" dropped (any key
// counts; a line without "=" is taken whole), then split at the first comma, the
// date before it (empty without a comma) and the name after it, commas included.
ScheduleRow ScheduleRowFromLine(const std::string& line);

// The section's lines for rows kept in ascending date-text order: "Schedule=date,name"
// in descending order of the date texts; rows of one date text keep their order.
std::vector<std::string> ScheduleSectionLines(const std::vector<ScheduleRow>& ascendingRows);
