#include "IcsCalendarReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Clock.h"
#include "IcsText.h"
#include "IcsTimeZone.h"
#include "IcsUserClock.h"
#include "IcsValues.h"
#include "RecurrenceRule.h"

namespace {

using Lines = std::vector<ics::ContentLine>;

// Components nest no deeper: VCALENDAR, VEVENT, VALARM and room for extensions.
constexpr std::size_t kMaxDepth = 8;
// The start of a file read to see whether its first line opens a calendar.
constexpr std::size_t kOpeningOctets = 1024;
using ics::kSecondsPerDay;
// Longer events are cut at the day limit anyway; this keeps the arithmetic in range.
constexpr long long kMaxLengthSeconds = 10000LL * 366 * kSecondsPerDay;
const COleDateTime kLastDay(9999, 12, 31);

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A keyword value (a component name, a status) as compared: upper case, without blanks around it.
std::string Keyword(std::string_view value) {
    std::string keyword(Trimmed(value));
    for (char& c : keyword) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return keyword;
}

bool OpensCalendar(std::string_view file) {
    const auto lines = ics::UnfoldLines(file.substr(0, kOpeningOctets));
    if (!lines || lines->empty()) return false;
    const auto first = ics::ParseContentLine(lines->front());
    return first && first->name == "BEGIN" && Keyword(first->value) == "VCALENDAR";
}

const ics::ContentLine* Find(const Lines& lines, std::string_view name) {
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const auto& line) { return line.name == name; });
    return found == lines.end() ? nullptr : &*found;
}

// The components the reader uses: each VTIMEZONE whole and the properties of each VEVENT, both directly
// inside a VCALENDAR.
struct CalendarParts {
    std::map<std::string, Lines, std::less<>> zones;  // by TZID; the first of a TZID counts
    std::vector<Lines> events;                        // in file order
};

void AddZone(CalendarParts& parts, Lines zone) {
    if (const ics::ContentLine* tzid = Find(zone, "TZID")) parts.zones.try_emplace(tzid->value, std::move(zone));
}

// Nothing when a component does not end, ends under another name, or nests too deep. The open components
// are a list, not a recursion, so that a file of nothing but BEGIN lines is refused at once.
std::optional<CalendarParts> SplitComponents(const std::vector<std::string>& lines) {
    enum class Child { None, Event, Zone, Other };
    CalendarParts parts;
    std::vector<std::string> open;
    Child child = Child::None;  // what the VCALENDAR's open child is
    Lines zone;
    for (const std::string& text : lines) {
        auto line = ics::ParseContentLine(text);
        if (!line) continue;
        if (line->name == "BEGIN") {
            open.push_back(Keyword(line->value));
            if (open.size() > kMaxDepth) return std::nullopt;
            if (open.size() == 2 && open[0] == "VCALENDAR") {
                child = open[1] == "VEVENT" ? Child::Event : open[1] == "VTIMEZONE" ? Child::Zone : Child::Other;
                if (child == Child::Event) parts.events.emplace_back();
            }
            if (child == Child::Zone) zone.push_back(std::move(*line));
        } else if (line->name == "END") {
            if (open.empty() || open.back() != Keyword(line->value)) return std::nullopt;
            open.pop_back();
            if (child == Child::Zone) zone.push_back(std::move(*line));
            if (open.size() == 1 && child == Child::Zone) AddZone(parts, std::exchange(zone, {}));
            if (open.size() < 2) child = Child::None;
        } else if (child == Child::Zone) {
            zone.push_back(std::move(*line));
        } else if (child == Child::Event && open.size() == 2) {
            parts.events.back().push_back(std::move(*line));
        }
    }
    if (!open.empty()) return std::nullopt;
    return parts;
}

// The seconds of a DURATION value ("P2W", "-P1D", "PT1H30M", "P1DT12H"), nothing when unreadable.
std::optional<long long> ParseDuration(std::string_view text) {
    text = Trimmed(text);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    if (!text.starts_with('P') || text.size() < 2) return std::nullopt;
    text.remove_prefix(1);
    long long total = 0;
    bool inTime = false;
    while (!text.empty()) {
        if (text.front() == 'T' && !inTime) {
            inTime = true;
            text.remove_prefix(1);
            continue;
        }
        std::size_t length = 0;
        while (length < text.size() && length < 9 && text[length] >= '0' && text[length] <= '9') ++length;
        if (length == 0 || length == text.size()) return std::nullopt;
        const char unit = text[length];
        const long long scale = !inTime ? (unit == 'W' ? 7 * kSecondsPerDay : unit == 'D' ? kSecondsPerDay : 0)
                                        : (unit == 'H' ? 3600 : unit == 'M' ? 60 : unit == 'S' ? 1 : 0);
        if (scale == 0) return std::nullopt;
        total = std::min(total + *ics::Digits(text.substr(0, length)) * scale, kMaxLengthSeconds);
        text.remove_prefix(length + 1);
    }
    return negative ? -total : total;
}

// The part of a TZID after its last `segments` slashes ("Europe/Berlin" of
// "/mozilla.org/20050126_1/Europe/Berlin"), or nothing when it has fewer.
std::string_view LastSegments(std::string_view tzid, int segments) {
    std::size_t at = tzid.size();
    for (int i = 0; i < segments; ++i) {
        if (at == 0) return {};
        at = tzid.rfind('/', at - 1);
        if (at == std::string_view::npos) return {};
    }
    return tzid.substr(at + 1);
}

// The summary on one line: each run of line ends and tabs one blank, no blanks around it.
std::string Title(const Lines& event) {
    const ics::ContentLine* summary = Find(event, "SUMMARY");
    if (!summary) return {};
    std::string title;
    bool broken = false;
    for (char c : ics::UnescapeText(summary->value)) {
        if (c == '\r' || c == '\n' || c == '\t') {
            broken = true;
            continue;
        }
        if (broken && !title.empty()) title += ' ';
        broken = false;
        title += c;
    }
    return std::string(Trimmed(title));
}

// The wall clock a date-time is on: floating (also a zone the reader does not know, taken as the user's),
// UTC, or a time zone.
struct Zone {
    enum class Kind { Floating, Utc, Named } kind = Kind::Floating;
    const IcsTimeZone* named = nullptr;
    bool operator==(const Zone&) const = default;
};

struct TimeValue {
    COleDateTime day;
    std::optional<int> seconds;  // nothing for a DATE
    Zone zone;
};

class CalendarReader {
public:
    CalendarReader(CalendarParts parts, const IcsReadOptions& options, const Clock& clock)
        : parts_(std::move(parts)), options_(options), userClock_(clock) {
        for (const Lines& event : parts_.events) {
            const ics::ContentLine* uid = Find(event, "UID");
            const ics::ContentLine* recurrenceId = Find(event, "RECURRENCE-ID");
            if (uid && recurrenceId) overridden_[uid->value].push_back(recurrenceId);
        }
    }

    // Nothing when the notes pass the limit.
    std::optional<IcsReading> Read() {
        for (const Lines& event : parts_.events) {
            if (!ReadEvent(event)) return std::nullopt;
        }
        return std::move(reading_);
    }

private:
    bool ReadEvent(const Lines& event) {
        ++reading_.events;
        const ics::ContentLine* status = Find(event, "STATUS");
        if (status && Keyword(status->value) == "CANCELLED") {
            ++reading_.cancelled;
            return true;
        }
        const std::string title = Title(event);
        if (title.empty()) {
            ++reading_.untitled;
            return true;
        }
        guessed_ = false;
        const auto days = MarkedDays(event);
        if (!days) {
            ++reading_.undated;
            return true;
        }
        if (guessed_) ++reading_.guessedZone;
        if (days->size() > options_.noteLimit - std::min(options_.noteLimit, reading_.notes.size())) return false;
        for (const COleDateTime& day : *days) reading_.notes.push_back({day, title});
        return true;
    }

    // The user's days the event marks, in order; nothing when it has no start the reader can place.
    std::optional<std::vector<COleDateTime>> MarkedDays(const Lines& event) {
        const ics::ContentLine* startLine = Find(event, "DTSTART");
        const auto start = startLine ? ValueOf(*startLine, startLine->value) : std::nullopt;
        if (!start || !UserStart(*start)) return std::nullopt;
        const long long length = LengthOf(event, *start);
        std::vector<COleDateTime> days;
        for (long long wall : StartsOf(event, *start)) {
            if (!MarkOccurrence(*start, wall, length, days)) {
                ++reading_.cutShort;
                break;
            }
        }
        std::sort(days.begin(), days.end());
        days.erase(std::unique(days.begin(), days.end()), days.end());
        return days;
    }

    // The user's start of DTSTART itself, nothing when it lies outside the years the calendar holds.
    std::optional<IcsUserTime> UserStart(const TimeValue& start) {
        if (!start.seconds) return IcsUserTime{start.day};
        return UserTimeOf(start.zone, ics::WallSeconds(start.day, *start.seconds));
    }

    // The days of one occurrence starting at `wall` on the event's clock; false when the limit cut them.
    bool MarkOccurrence(const TimeValue& start, long long wall, long long length, std::vector<COleDateTime>& days) {
        COleDateTime first = ics::DayOfWallSeconds(wall);
        COleDateTime last = first + static_cast<int>((std::max(length, 1LL) - 1) / kSecondsPerDay);
        if (start.seconds) {
            const auto begins = UserTimeOf(start.zone, wall);
            if (!begins) return true;
            first = last = begins->day;
            // An end at midnight marks no part of the day it opens.
            const auto ends = length > 0 ? UserTimeOf(start.zone, wall + length) : std::nullopt;
            if (ends) last = std::max(first, ends->seconds == 0 ? ends->day - 1 : ends->day);
        }
        if (!last.IsValid()) last = kLastDay;
        for (COleDateTime day = first; day.IsValid() && day <= last; day = day + 1) {
            if (days.size() >= options_.dayLimit) return false;
            days.push_back(day);
        }
        return true;
    }

    // Seconds from the start to the end of one occurrence, by DTEND or DURATION; 0 without either.
    long long LengthOf(const Lines& event, const TimeValue& start) {
        const long long startWall = ics::WallSeconds(start.day, start.seconds.value_or(0));
        long long length = 0;
        if (const ics::ContentLine* endLine = Find(event, "DTEND")) {
            if (const auto end = ValueOf(*endLine, endLine->value)) length = WallIn(*end, start.zone, 0) - startWall;
        } else if (const ics::ContentLine* duration = Find(event, "DURATION")) {
            length = ParseDuration(duration->value).value_or(0);
        }
        return std::clamp(length, 0LL, kMaxLengthSeconds);
    }

    // The starts of the event's occurrences on its own clock, in order: DTSTART, the rule's and RDATE's,
    // less EXDATE's and those that another event overrides.
    std::vector<long long> StartsOf(const Lines& event, const TimeValue& start) {
        const int startSeconds = start.seconds.value_or(0);
        const bool master = !Find(event, "RECURRENCE-ID");
        const std::vector<std::int32_t> excluded = ExcludedDays(event, start, master);
        std::vector<COleDateTime> dates{start.day};
        const ics::ContentLine* ruleLine = master ? Find(event, "RRULE") : nullptr;
        const auto rule = ruleLine ? RecurrenceRule::Parse(RuleOnClock(ruleLine->value, start.zone)) : std::nullopt;
        if (ruleLine && !rule) ++reading_.firstOnly;
        if (rule) {
            const std::size_t limit = options_.dayLimit + std::min(excluded.size() + 1, SIZE_MAX - options_.dayLimit);
            dates = rule->IsBounded() ? rule->Expand(start.day, start.day, kLastDay, limit)
                                      : rule->Expand(start.day, options_.windowFrom, options_.windowTo, limit);
        }
        std::vector<long long> starts;
        for (const COleDateTime& date : dates) starts.push_back(ics::WallSeconds(date, startSeconds));
        if (master && (rule || !ruleLine)) AddDates(event, "RDATE", start.zone, startSeconds, starts);
        std::sort(starts.begin(), starts.end());
        starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
        std::erase_if(starts, [&](long long wall) {
            return std::binary_search(excluded.begin(), excluded.end(), ics::DayOfWallSeconds(wall).Serial());
        });
        if (starts.empty() && rule && !rule->IsBounded()) ++reading_.outOfWindow;
        return starts;
    }

    // The days on the event's clock of its EXDATEs and, for a master, of the occurrences other events override.
    std::vector<std::int32_t> ExcludedDays(const Lines& event, const TimeValue& start, bool master) {
        const int startSeconds = start.seconds.value_or(0);
        std::vector<long long> walls;
        AddDates(event, "EXDATE", start.zone, startSeconds, walls);
        const ics::ContentLine* uid = Find(event, "UID");
        const auto overridden = master && uid ? overridden_.find(uid->value) : overridden_.end();
        if (overridden != overridden_.end()) {
            for (const ics::ContentLine* recurrenceId : overridden->second) {
                if (const auto value = ValueOf(*recurrenceId, recurrenceId->value)) {
                    walls.push_back(WallIn(*value, start.zone, startSeconds));
                }
            }
        }
        std::vector<std::int32_t> days;
        for (long long wall : walls) days.push_back(ics::DayOfWallSeconds(wall).Serial());
        std::sort(days.begin(), days.end());
        return days;
    }

    // The rule with a UTC UNTIL as the day on the event's clock. The rule compares days, and a series that ends
    // at its organiser's midnight east of UTC has an UNTIL on the day before in UTC.
    std::string RuleOnClock(std::string_view rule, const Zone& zone) {
        const std::size_t at = rule.find("UNTIL=");
        if (at == std::string_view::npos || (at > 0 && rule[at - 1] != ';')) return std::string(rule);
        const std::size_t end = std::min(rule.find(';', at), rule.size());
        const std::size_t valueAt = at + 6;
        const auto until = ics::ParseDateTime(rule.substr(valueAt, end - valueAt));
        if (!until || !until->utc) return std::string(rule);
        const COleDateTime day =
            ics::DayOfWallSeconds(WallIn({until->day, until->seconds, {Zone::Kind::Utc}}, zone, 0));
        if (!day.IsValid()) return std::string(rule);
        char text[16];
        std::snprintf(text, sizeof text, "%04d%02d%02d", day.GetYear(), day.GetMonth(), day.GetDay());
        return std::string(rule.substr(0, valueAt)) + text + std::string(rule.substr(end));
    }

    // The values of every `name` line on `zone`'s clock: lists of DATE, DATE-TIME or PERIOD, of which the start.
    void AddDates(const Lines& event, std::string_view name, const Zone& zone, int startSeconds,
                  std::vector<long long>& walls) {
        for (const ics::ContentLine& line : event) {
            if (line.name != name) continue;
            for (std::string_view item : ics::SplitValue(line.value, ',')) {
                const auto value = ValueOf(line, item.substr(0, item.find('/')));
                if (value) walls.push_back(WallIn(*value, zone, startSeconds));
            }
        }
    }

    std::optional<TimeValue> ValueOf(const ics::ContentLine& line, std::string_view text) {
        const auto written = ics::ParseDateTime(text);
        if (!written) return std::nullopt;
        TimeValue value{written->day, written->seconds, Zone{}};
        if (!written->seconds) return value;
        if (written->utc) {
            value.zone.kind = Zone::Kind::Utc;
        } else if (const auto tzid = line.Parameter("TZID")) {
            value.zone = ZoneNamed(*tzid);
        }
        return value;
    }

    // A time on `zone`'s clock, in seconds from 1970 on that clock; a DATE at `defaultSeconds` into its day.
    long long WallIn(const TimeValue& value, const Zone& zone, int defaultSeconds) {
        const long long wall = ics::WallSeconds(value.day, value.seconds.value_or(defaultSeconds));
        if (!value.seconds || value.zone == zone || value.zone.kind == Zone::Kind::Floating) return wall;
        const long long utc = UtcOf(value.zone, wall);
        switch (zone.kind) {
        case Zone::Kind::Utc:
            return utc;
        case Zone::Kind::Named:
            // The offset is the wall clock's: found from a first guess of it.
            return utc + zone.named->OffsetAt(utc + zone.named->OffsetAt(utc));
        case Zone::Kind::Floating:
            break;
        }
        const auto user = UserTimeOf(value.zone, wall);
        return user ? ics::WallSeconds(user->day, user->seconds) : wall;
    }

    static long long UtcOf(const Zone& zone, long long wall) {
        return zone.kind == Zone::Kind::Named ? wall - zone.named->OffsetAt(wall) : wall;
    }

    std::optional<IcsUserTime> UserTimeOf(const Zone& zone, long long wall) {
        return zone.kind == Zone::Kind::Floating ? IcsUserTimeOnWall(wall) : userClock_.At(UtcOf(zone, wall));
    }

    Zone ZoneNamed(const std::string& tzid) {
        auto found = zoneOfTzid_.find(tzid);
        if (found == zoneOfTzid_.end()) found = zoneOfTzid_.emplace(tzid, Resolve(tzid)).first;
        if (!found->second) {
            guessed_ = true;
            return {};
        }
        return {Zone::Kind::Named, found->second};
    }

    // The file's zone of that TZID, else a zone known by that name; then the same for the TZID's last
    // segments, for names with a prefix before the Area/City.
    const IcsTimeZone* Resolve(std::string_view tzid) {
        for (std::string_view name : {tzid, LastSegments(tzid, 3), LastSegments(tzid, 2)}) {
            if (name.empty()) continue;
            if (const IcsTimeZone* zone = FileZone(name)) return zone;
            if (const IcsTimeZone* zone = KnownZone(name)) return zone;
        }
        return nullptr;
    }

    const IcsTimeZone* FileZone(std::string_view tzid) {
        const auto lines = parts_.zones.find(tzid);
        if (lines == parts_.zones.end()) return nullptr;
        const auto [zone, added] = fileZones_.try_emplace(lines->first);
        if (added) zone->second = IcsTimeZone::FromComponent(lines->second);
        return zone->second ? &*zone->second : nullptr;
    }

    const IcsTimeZone* KnownZone(std::string_view name) {
        const auto [zone, added] = knownZones_.try_emplace(std::string(name));
        if (added) zone->second = IcsTimeZone::FromName(name);
        return zone->second ? &*zone->second : nullptr;
    }

    const CalendarParts parts_;
    const IcsReadOptions& options_;
    IcsUserClock userClock_;
    IcsReading reading_;
    // The RECURRENCE-IDs of the events that override an occurrence, by UID.
    std::map<std::string, std::vector<const ics::ContentLine*>, std::less<>> overridden_;
    // Zones read once: the file's by TZID, the known ones by name, and what each TZID came to.
    std::map<std::string, std::optional<IcsTimeZone>, std::less<>> fileZones_;
    std::map<std::string, std::optional<IcsTimeZone>, std::less<>> knownZones_;
    std::map<std::string, const IcsTimeZone*, std::less<>> zoneOfTzid_;
    bool guessed_ = false;  // the event read names a zone the reader does not know
};

}  // namespace

std::variant<IcsReading, IcsReadError> ReadIcsCalendar(std::string_view file, const IcsReadOptions& options,
                                                      const Clock& userClock) {
    if (file.starts_with("\xEF\xBB\xBF")) file.remove_prefix(3);
    if (file.find('\0') != std::string_view::npos || !OpensCalendar(file)) return IcsReadError::NotICalendar;
    const auto lines = ics::UnfoldLines(file);
    if (!lines) return IcsReadError::Damaged;
    auto parts = SplitComponents(*lines);
    if (!parts) return IcsReadError::Damaged;
    auto reading = CalendarReader(std::move(*parts), options, userClock).Read();
    if (!reading) return IcsReadError::TooManyNotes;
    return std::move(*reading);
}
