#pragma once
#include <optional>
#include <string_view>

// The zones a calendar may name without describing them, by their IANA and
// Windows names, each with the rule it keeps today.

// A yearly change of a known zone's offset.
struct KnownChange {
    std::string_view rule;  // the days, as a yearly recurrence rule
    int atSeconds;          // the time of day: in the wall-clock time before the change, or in UTC when atUtc
    bool atUtc;
};

// Daylight saving time, an hour ahead of standard time.
struct DaylightSaving {
    KnownChange start;
    KnownChange end;
};

struct KnownTimeZone {
    int standardSeconds = 0;                  // east of UTC
    const DaylightSaving* daylight = nullptr;  // nullptr: standard time all year
};

// Nothing for a name it does not know; names are matched as written, case and all.
std::optional<KnownTimeZone> FindKnownTimeZone(std::string_view name);
