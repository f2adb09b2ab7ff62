#include "ScheduleIcs.h"

#include <cstdio>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Clock.h"
#include "DateKeys.h"
#include "IcsCalendarWriter.h"
#include "LocaleFacts.h"
#include "Platform.h"
#include "ScheduleRows.h"
#include "ScheduleStore.h"

namespace {

constexpr long long kSecondsPerDay = 86400;
constexpr std::int32_t kSerialOf1970 = 25569;

// The texts a date's note is made of.
std::vector<std::string> NoteParts(const std::string& note) {
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = note.find(kJoinedNoteSeparator, at);
        parts.push_back(note.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) return parts;
        at = end + kJoinedNoteSeparator.size();
    }
}

// One date's note as the import builds it.
class JoinedNote {
public:
    explicit JoinedNote(const std::string* existing) {
        if (!existing) return;
        text = *existing;
        for (std::string& part : NoteParts(text)) parts_.insert(std::move(part));
    }

    // Whether the note holds the text between separators or its ends.
    bool Holds(const std::string& added) const {
        if (added.find(kJoinedNoteSeparator) == std::string::npos) return parts_.contains(added);
        // A text with the separator in it spans several parts: found by its edges.
        const std::string_view note(text);
        const std::size_t separator = kJoinedNoteSeparator.size();
        for (std::size_t at = note.find(added); at != std::string_view::npos; at = note.find(added, at + 1)) {
            const std::size_t end = at + added.size();
            const bool opens =
                at == 0 || (at >= separator && note.substr(at - separator, separator) == kJoinedNoteSeparator);
            const bool closes = end == note.size() || note.substr(end, separator) == kJoinedNoteSeparator;
            if (opens && closes) return true;
        }
        return false;
    }

    void Join(const std::string& added) {
        if (!text.empty() || changed) text += kJoinedNoteSeparator;
        text += added;
        if (added.find(kJoinedNoteSeparator) == std::string::npos) {
            parts_.insert(added);
        } else {
            for (std::string& part : NoteParts(added)) parts_.insert(std::move(part));
        }
        changed = true;
    }

    std::string text;
    bool changed = false;

private:
    std::unordered_set<std::string> parts_;
};

// The date keys of the days, each formatted once.
class DateKeyCache {
public:
    explicit DateKeyCache(const DateKeys& keys) : keys_(keys) {}
    const std::string& KeyOf(const COleDateTime& date) {
        const auto [found, added] = keys_by_serial_.try_emplace(date.Serial());
        if (added) found->second = keys_.Format(date);
        return found->second;
    }

private:
    const DateKeys& keys_;
    std::unordered_map<std::int32_t, std::string> keys_by_serial_;
};

ScheduleJoinCounts JoinNotes(const std::vector<IcsNote>& notes, ScheduleStore& store, const Platform& platform) {
    ScheduleJoinCounts counts;
    DateKeyCache keys(platform.dateKeys);
    std::unordered_map<std::string, std::string> systemTexts;  // UTF-8 text to the code page's
    std::unordered_map<std::string, JoinedNote> joined;
    std::vector<std::string> order;  // the dates in the order of their first note
    for (const IcsNote& note : notes) {
        const std::string& key = keys.KeyOf(note.date);
        if (key.empty()) continue;
        auto [converted, isNew] = systemTexts.try_emplace(note.text);
        if (isNew) converted->second = platform.locale.SystemTextLikeUtf8(note.text);
        const std::string& text = converted->second;

        auto [entry, first] = joined.try_emplace(key, store.Find(key));
        JoinedNote& day = entry->second;
        if (first) order.push_back(key);
        if (day.Holds(text)) {
            ++counts.present;
        } else {
            ++(day.text.empty() && !day.changed ? counts.added : counts.joined);
            day.Join(text);
        }
    }
    std::vector<ScheduleRow> rows;
    for (const std::string& key : order) {
        JoinedNote& day = joined.at(key);
        if (day.changed) rows.push_back({key, std::move(day.text)});
    }
    if (!rows.empty()) store.SetTexts(rows);
    return counts;
}

COleDateTime DateAt(long long secondsSinceEpoch) {
    return COleDateTime::FromSerial(static_cast<std::int32_t>(secondsSinceEpoch / kSecondsPerDay) + kSerialOf1970);
}

// The moment of the export as iCalendar writes a UTC time.
std::string UtcStamp(const Clock& clock) {
    const long long now = clock.SecondsSinceEpoch(clock.Now());
    if (now < 0) return "19700101T000000Z";
    const COleDateTime day = DateAt(now);
    const long long second = now % kSecondsPerDay;
    char stamp[32] = {};
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02lld%02lld%02lldZ", day.GetYear(), day.GetMonth(),
                  day.GetDay(), second / 3600, second / 60 % 60, second % 60);
    return stamp;
}

}  // namespace

std::variant<ScheduleImport, IcsReadError> ImportSchedules(std::string_view file, ScheduleStore& store,
                                                          const Platform& platform) {
    const LocalTime today = platform.clock.Now();
    IcsReadOptions options;
    options.windowFrom = COleDateTime(today.year - 1, 1, 1);
    options.windowTo = COleDateTime(today.year + 3, 12, 31);
    auto read = ReadIcsCalendar(file, options, platform.clock);
    if (const IcsReadError* error = std::get_if<IcsReadError>(&read)) return *error;
    ScheduleImport result{std::move(std::get<IcsReading>(read)), {}};
    result.counts = JoinNotes(result.reading.notes, store, platform);
    return result;
}

ScheduleExport ExportSchedules(const ScheduleStore& store, const Platform& platform) {
    ScheduleExport result;
    IcsCalendarWriter writer(UtcStamp(platform.clock));
    for (const std::string& line : store.SectionLines()) {
        const ScheduleRow row = ScheduleRowFromLine(line);
        const COleDateTime date = platform.dateKeys.Parse(row.date);
        if (!date.IsValid()) {
            ++result.skipped;
            continue;
        }
        writer.AddNote(date, platform.locale.Utf8FromSystemText(row.name));
        ++result.notes;
    }
    result.file = writer.Finish();
    return result;
}
