#include "ScheduleRows.h"

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
    for (auto row = ascendingRows.rbegin(); row != ascendingRows.rend(); ++row) {
        lines.push_back("Schedule=" + row->date + "," + row->name);
    }
    return lines;
}
