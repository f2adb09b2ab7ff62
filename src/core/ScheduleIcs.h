#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "IcsCalendarReader.h"

class ScheduleStore;
struct Platform;

// How the notes of a file joined the user's own.
struct ScheduleJoinCounts {
    std::size_t added = 0;    // dates that had no note and have one now
    std::size_t joined = 0;   // texts added after "; " to a date's note
    std::size_t present = 0;  // texts the date's note already held
};

struct ScheduleImport {
    IcsReading reading;
    ScheduleJoinCounts counts;
};

// Reads an iCalendar file and joins its notes into `store`: a date without a note
// gets the event's text, a date whose note lacks the text gets it after "; ", so
// that nothing is lost, the day still shows one line and a second import of the
// same file changes nothing. Texts are converted to the system's code page. A rule
// without end is expanded from the start of last year to the end of the third year
// ahead. On an error the store is left as it was.
std::variant<ScheduleImport, IcsReadError> ImportSchedules(std::string_view file, ScheduleStore& store,
                                                          const Platform& platform);

// The separator of the texts joined into one note.
constexpr std::string_view kJoinedNoteSeparator = "; ";

struct ScheduleExport {
    std::string file;
    std::size_t notes = 0;    // lines written as events
    std::size_t skipped = 0;  // lines whose date text does not read as a date
};

// Every line of the store as an all-day event of an iCalendar file, its text in UTF-8.
ScheduleExport ExportSchedules(const ScheduleStore& store, const Platform& platform);
