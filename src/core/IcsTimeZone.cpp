#include "IcsTimeZone.h"

#include <algorithm>
#include <cstdint>

#include "IcsValues.h"
#include "KnownTimeZones.h"

namespace {

using ics::kSecondsPerDay;
constexpr int kHour = 60 * 60;
// More changes than an observance has ever made: what a hostile rule can cost.
constexpr std::size_t kMaxOnsets = 10000;

// The year of a wall-clock time, kept to the years whose year before is a valid one.
int YearAround(long long wallSeconds) {
    const long long first = ics::WallSeconds(COleDateTime(101, 1, 1));
    const long long last = ics::WallSeconds(COleDateTime(9999, 12, 31));
    return ics::DayOfWallSeconds(std::clamp(wallSeconds, first, last)).GetYear();
}

// "+0900", "-0500" or "+053000": seconds east of UTC.
std::optional<int> OffsetOf(std::string_view text) {
    if ((text.size() != 5 && text.size() != 7) || (text[0] != '+' && text[0] != '-')) return std::nullopt;
    const auto hours = ics::Digits(text.substr(1, 2));
    const auto minutes = ics::Digits(text.substr(3, 2));
    const auto seconds = text.size() == 7 ? ics::Digits(text.substr(5, 2)) : std::optional(0);
    if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59) return std::nullopt;
    const int offset = *hours * kHour + *minutes * 60 + *seconds;
    return text[0] == '-' ? -offset : offset;
}

// "YYYYMMDD" or "YYYYMMDDTHHMMSS" in wall-clock seconds; a UTC time ("...Z") is
// taken to the wall clock by `offset`.
std::optional<long long> WallSecondsOf(std::string_view text, int offset) {
    const auto value = ics::ParseDateTime(text);
    if (!value) return std::nullopt;
    const long long wall = ics::WallSeconds(value->day, value->seconds.value_or(0));
    return value->utc ? wall + offset : wall;
}

// Whether a rule names the same days every year: FREQ=YEARLY without COUNT and
// with an INTERVAL of 1.
bool NamesEveryYear(std::string_view rule) {
    bool yearly = false;
    for (std::string_view part : ics::SplitValue(rule, ';')) {
        if (part == "FREQ=YEARLY") yearly = true;
        if (part.starts_with("COUNT=") || (part.starts_with("INTERVAL=") && part != "INTERVAL=1")) return false;
    }
    return yearly;
}

bool IsObservance(std::string_view component) {
    std::string upper(component);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper == "STANDARD" || upper == "DAYLIGHT";
}

}  // namespace

std::optional<IcsTimeZone::Observance> IcsTimeZone::Observance::Read(
    const std::vector<const ics::ContentLine*>& properties) {
    Observance observance;
    std::optional<int> from;
    std::optional<int> to;
    std::string_view start;
    std::vector<std::string_view> dateLists;
    for (const ics::ContentLine* line : properties) {
        if (line->name == "TZOFFSETFROM") {
            from = OffsetOf(line->value);
            if (!from) return std::nullopt;
        } else if (line->name == "TZOFFSETTO") {
            to = OffsetOf(line->value);
            if (!to) return std::nullopt;
        } else if (line->name == "DTSTART") {
            start = line->value;
        } else if (line->name == "RRULE") {
            observance.rule = RecurrenceRule::Parse(line->value);
            if (!observance.rule) return std::nullopt;
            observance.everyYear = NamesEveryYear(line->value);
        } else if (line->name == "RDATE") {
            dateLists.push_back(line->value);
        }
    }
    if (!from || !to) return std::nullopt;
    observance.offsetFrom = *from;
    observance.offsetTo = *to;
    const auto startSeconds = WallSecondsOf(start, *from);
    if (!startSeconds) return std::nullopt;
    observance.start = *startSeconds;
    for (std::string_view list : dateLists) {
        for (std::string_view item : ics::SplitValue(list, ',')) {
            // A PERIOD ("19970101T000000/PT1H") starts the change when it starts.
            const auto seconds = WallSecondsOf(item.substr(0, item.find('/')), *from);
            if (!seconds) return std::nullopt;
            observance.dates.push_back(*seconds);
        }
    }
    return observance;
}

std::vector<COleDateTime> IcsTimeZone::Observance::RuleDays(const COleDateTime& from, const COleDateTime& to) const {
    const COleDateTime first = ics::DayOfWallSeconds(start);
    if (everyYear && first.GetYear() < from.GetYear() - 1) {
        // The same days each year: a start on the first's day of the year before
        // the window finds them without going through the years since the first.
        const COleDateTime sameDay(from.GetYear() - 1, first.GetMonth(), first.GetDay());
        if (sameDay.IsValid()) {
            std::vector<COleDateTime> days = rule->Expand(sameDay, from, to, kMaxOnsets);
            if (!days.empty() || !rule->IsBounded()) return days;
        }
    }
    // From the first day on; a rule that ended before the window gives its last day.
    return rule->Expand(first, first, to, kMaxOnsets);
}

void IcsTimeZone::Observance::AddOnsets(const COleDateTime& from, const COleDateTime& to,
                                        std::vector<Onset>& out) const {
    std::vector<long long> walls = dates;
    walls.push_back(start);
    if (rule) {
        const long long timeOfDay = start - ics::DayNumber(start) * kSecondsPerDay;
        for (const COleDateTime& day : RuleDays(from, to)) walls.push_back(ics::WallSeconds(day) + timeOfDay);
    }
    const long long begin = ics::WallSeconds(from);
    const long long end = ics::WallSeconds(to) + kSecondsPerDay;
    std::optional<long long> latestBefore;
    for (long long wall : walls) {
        if (wall < begin) {
            latestBefore = std::max(wall, latestBefore.value_or(wall));
        } else if (wall < end) {
            out.push_back({wall - offsetFrom, offsetFrom, offsetTo});
        }
    }
    if (latestBefore) out.push_back({*latestBefore - offsetFrom, offsetFrom, offsetTo});
}

std::optional<IcsTimeZone> IcsTimeZone::WithObservances(std::vector<Observance> observances) {
    if (observances.empty()) return std::nullopt;
    IcsTimeZone zone;
    const auto earliest = std::min_element(observances.begin(), observances.end(), [](auto& a, auto& b) {
        return a.start - a.offsetFrom < b.start - b.offsetFrom;
    });
    zone.initialOffset_ = earliest->offsetFrom;
    zone.observances_ = std::move(observances);
    return zone;
}

std::optional<IcsTimeZone> IcsTimeZone::FromComponent(const std::vector<ics::ContentLine>& lines) {
    std::vector<Observance> observances;
    std::vector<const ics::ContentLine*> properties;
    bool inObservance = false;
    // The VTIMEZONE is depth 1; its observances are at depth 2, and whatever
    // components they hold are skipped with their properties.
    int depth = 0;
    for (const ics::ContentLine& line : lines) {
        if (line.name == "BEGIN") {
            ++depth;
            if (depth == 2 && IsObservance(line.value)) {
                inObservance = true;
                properties.clear();
            }
        } else if (line.name == "END") {
            if (depth == 2 && inObservance) {
                if (auto observance = Observance::Read(properties)) observances.push_back(std::move(*observance));
                inObservance = false;
            }
            --depth;
        } else if (depth == 2 && inObservance) {
            properties.push_back(&line);
        }
    }
    return WithObservances(std::move(observances));
}

// A known zone keeps the rule it has today in every year, earlier ones too.
std::optional<IcsTimeZone> IcsTimeZone::FromName(std::string_view name) {
    const auto known = FindKnownTimeZone(name);
    if (!known) return std::nullopt;
    const long long firstDay = ics::WallSeconds(COleDateTime(100, 1, 1));
    const auto observance = [&](int from, int to, const KnownChange* change) {
        Observance made;
        made.start = firstDay;
        made.offsetFrom = from;
        made.offsetTo = to;
        if (change) {
            made.start += change->atSeconds + (change->atUtc ? from : 0);
            made.rule = RecurrenceRule::Parse(change->rule);
            made.everyYear = true;
        }
        return made;
    };
    const int standard = known->standardSeconds;
    if (!known->daylight) return WithObservances({observance(standard, standard, nullptr)});
    const int daylight = standard + kHour;
    return WithObservances({observance(standard, daylight, &known->daylight->start),
                            observance(daylight, standard, &known->daylight->end)});
}

const std::vector<IcsTimeZone::Onset>& IcsTimeZone::OnsetsAround(int year) const {
    if (cachedYear_ != year) {
        cachedOnsets_.clear();
        for (const Observance& observance : observances_) {
            observance.AddOnsets(COleDateTime(year - 1, 1, 1), COleDateTime(year, 12, 31), cachedOnsets_);
        }
        cachedYear_ = year;
    }
    return cachedOnsets_;
}

int IcsTimeZone::OffsetAt(long long wallSeconds) const {
    // Onsets are compared as UTC times. A wall-clock time is past an onset once
    // it is past it in both the offset before and the offset after: a time the
    // change skips keeps the offset before it, and a time it repeats is taken
    // at its first occurrence.
    const Onset* latest = nullptr;
    for (const Onset& onset : OnsetsAround(YearAround(wallSeconds))) {
        const bool past = wallSeconds >= onset.utc + std::max(onset.offsetFrom, onset.offsetTo);
        if (past && (!latest || onset.utc > latest->utc)) latest = &onset;
    }
    return latest ? latest->offsetTo : initialOffset_;
}
