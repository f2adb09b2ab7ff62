#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "COleDateTime.h"

class Clock;

// A day an iCalendar event marks, with the event's summary in UTF-8 on one line.
struct IcsNote {
    COleDateTime date;
    std::string text;
    bool operator==(const IcsNote&) const = default;
};

// What the reader makes of a file: the notes, and the events it left out and why.
struct IcsReading {
    std::vector<IcsNote> notes;  // events in file order, the days of each in date order
    std::size_t events = 0;      // VEVENT components read, overrides of one occurrence included
    std::size_t cancelled = 0;   // STATUS:CANCELLED
    std::size_t undated = 0;     // no DTSTART the reader can read, or a day outside the years 100 ... 9999
    std::size_t untitled = 0;    // no SUMMARY, or one of blanks only
    std::size_t outOfWindow = 0; // a rule without end that has no occurrence in the window
    std::size_t firstOnly = 0;   // a rule the reader cannot expand: its first occurrence alone is kept
    std::size_t cutShort = 0;    // an event whose days were cut at the limit
    std::size_t guessedZone = 0; // a TZID the reader does not know: taken in the user's zone
};

enum class IcsReadError {
    NotICalendar,  // no VCALENDAR at the start: another kind of file
    Damaged,       // components that do not close, nest too deep, or a line too long
    TooManyNotes,  // more days than IcsReadOptions::noteLimit in all
};

struct IcsReadOptions {
    // A rule without COUNT or UNTIL is expanded over [windowFrom, windowTo].
    COleDateTime windowFrom;
    COleDateTime windowTo;
    // The most days one event marks: occurrences times the days of each.
    std::size_t dayLimit = 1000;
    // The most notes of a whole file.
    std::size_t noteLimit = 200000;
};

// Reads the VEVENTs of an iCalendar file (RFC 5545) as notes of the days they
// mark in the user's zone, which `userClock` converts UTC times to.
std::variant<IcsReading, IcsReadError> ReadIcsCalendar(std::string_view file, const IcsReadOptions& options,
                                                      const Clock& userClock);
