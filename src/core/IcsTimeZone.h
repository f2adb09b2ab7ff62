#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "COleDateTime.h"
#include "IcsText.h"
#include "RecurrenceRule.h"

// The offsets from UTC of one iCalendar time zone, at any wall-clock time: read
// from the file's VTIMEZONE component, or known by the zone's name.
class IcsTimeZone {
public:
    // From the content lines of one VTIMEZONE component, its BEGIN and END lines
    // included, with its STANDARD and DAYLIGHT observances (DTSTART, TZOFFSETFROM,
    // TZOFFSETTO, RRULE, RDATE). Nothing when it has no observance it can read.
    static std::optional<IcsTimeZone> FromComponent(const std::vector<ics::ContentLine>& lines);
    // A zone named without a VTIMEZONE: "UTC", "GMT", "Etc/GMT-9", a common IANA
    // name ("Asia/Tokyo", "Europe/Berlin") or a Windows name ("Tokyo Standard
    // Time"). Nothing for a name it does not know.
    static std::optional<IcsTimeZone> FromName(std::string_view name);

    // Seconds east of UTC at `wallSeconds`, a wall-clock time in this zone counted
    // in seconds from 1970-01-01 00:00 of the same wall clock.
    int OffsetAt(long long wallSeconds) const;

private:
    // A change of offset, at its UTC time.
    struct Onset {
        long long utc = 0;
        int offsetFrom = 0;
        int offsetTo = 0;
    };
    // One STANDARD or DAYLIGHT observance: the offset it brings and when.
    struct Observance {
        long long start = 0;  // DTSTART, in wall-clock seconds of offsetFrom
        int offsetFrom = 0;
        int offsetTo = 0;
        std::optional<RecurrenceRule> rule;
        bool everyYear = false;       // a yearly rule without INTERVAL or COUNT
        std::vector<long long> dates;  // RDATE, in wall-clock seconds of offsetFrom

        // Nothing without TZOFFSETFROM, TZOFFSETTO and DTSTART, or with a property
        // it cannot read.
        static std::optional<Observance> Read(const std::vector<const ics::ContentLine*>& properties);
        // The onsets within the days [from, to], and the latest one before them.
        void AddOnsets(const COleDateTime& from, const COleDateTime& to, std::vector<Onset>& out) const;
        // The days the rule names within [from, to]; perhaps some before them too.
        std::vector<COleDateTime> RuleDays(const COleDateTime& from, const COleDateTime& to) const;
    };

    // Nothing without an observance.
    static std::optional<IcsTimeZone> WithObservances(std::vector<Observance> observances);
    // The onsets of the year and of the year before it, and the latest before those.
    const std::vector<Onset>& OnsetsAround(int year) const;

    std::vector<Observance> observances_;
    int initialOffset_ = 0;  // before the first onset: the earliest observance's TZOFFSETFROM
    // The onsets of the year last asked about: the reader asks about the same
    // years many times. Not safe to share between threads for that.
    mutable int cachedYear_ = 0;
    mutable std::vector<Onset> cachedOnsets_;
};
