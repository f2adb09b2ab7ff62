#include "ScheduleRows.h"

#include <iterator>

ScheduleRow ScheduleRowFromLine(const std::string& line) {
    const std::size_t equals = line.find('=');
    const std::string value = equals == std::string::npos ? line : line.substr(equals + 1);
    const std::size_t comma = value.find(',');
    if (comma == std::string::npos) return {"", value};
    return {value.substr(0, comma), value.substr(comma + 1)};
}

std::vector<std::string> ScheduleSectionLines(const std::vector<ScheduleRow>& ascendingRows) {
    std::vector<std::string> lines;
    lines.reserve(ascendingRows.size());
    // Runs of one date text, the last run first; each run's rows in their own order,
    // so that the file's first note of a date stays its first.
    for (auto runEnd = ascendingRows.end(); runEnd != ascendingRows.begin();) {
        auto runStart = std::prev(runEnd);
        while (runStart != ascendingRows.begin() && std::prev(runStart)->date == runStart->date) --runStart;
        for (auto row = runStart; row != runEnd; ++row) lines.push_back("Schedule=" + row->date + "," + row->name);
        runEnd = runStart;
    }
    return lines;
}
