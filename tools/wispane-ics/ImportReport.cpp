#include "ImportReport.h"

#include <utility>
#include <vector>

namespace {

// "name: N" lines of the counts that are not zero.
std::string CountLines(const std::vector<std::pair<const char*, std::size_t>>& counts) {
    std::string lines;
    for (const auto& [name, count] : counts) {
        if (count != 0) lines += "  " + std::string(name) + ": " + std::to_string(count) + "\n";
    }
    return lines;
}

}  // namespace

std::string ImportReport(const ScheduleImport& import) {
    const IcsReading& reading = import.reading;
    std::string report = "notes added: " + std::to_string(import.counts.added) +
                         "\ntexts joined to a day's note: " + std::to_string(import.counts.joined) +
                         "\ntexts already there: " + std::to_string(import.counts.present) + "\n";
    const std::size_t skipped = reading.cancelled + reading.undated + reading.untitled + reading.outOfWindow;
    report += "events skipped: " + std::to_string(skipped) + "\n";
    report += CountLines({{"cancelled", reading.cancelled},
                          {"without a date the calendar shows", reading.undated},
                          {"without a title", reading.untitled},
                          {"repeating only outside last year to three years ahead", reading.outOfWindow}});
    report += CountLines({{"repeating events kept at their first date only (rule not understood)", reading.firstOnly},
                          {"events cut at 1000 days", reading.cutShort},
                          {"events in an unknown time zone, taken in yours", reading.guessedZone}});
    return report;
}

std::string ReadErrorReport(IcsReadError error) {
    switch (error) {
    case IcsReadError::NotICalendar: return "not an iCalendar file";
    case IcsReadError::Damaged:
        return "the iCalendar file is damaged (unclosed or too deeply nested parts, or a line too long)";
    case IcsReadError::TooManyNotes: return "the iCalendar file marks more days than the calendar takes at once";
    }
    return "unreadable";
}
