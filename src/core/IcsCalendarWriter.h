#pragma once
#include <string>

#include "COleDateTime.h"

// Writes notes as an iCalendar file of all-day events: one VEVENT a note, from its
// day to the next, its text as the summary. The same date and text give the same
// UID in every export, so a calendar that reads the file again updates the event
// instead of adding it twice.
class IcsCalendarWriter {
public:
    // `stampUtc` is the export's time, as "YYYYMMDDTHHMMSSZ".
    explicit IcsCalendarWriter(std::string stampUtc);

    // A note of `date`, its text in UTF-8.
    void AddNote(const COleDateTime& date, const std::string& utf8Text);
    // The whole file: CRLF line ends, folded lines, escaped text.
    std::string Finish() const;

private:
    std::string stamp_;
    std::string events_;
};
