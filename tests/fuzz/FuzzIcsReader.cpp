// iCalendar files: the input is a whole file for the reader, in a fixed zone and
// window. Whatever it holds, the reader must stop within its limits and give notes
// of valid dates and one-line texts, the same for the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "COleDateTime.h"
#include "Clock.h"
#include "IcsCalendarReader.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

constexpr long long kUnixEpochSerial = 25569;  // 1970-01-01
constexpr long long kZoneOffset = 9 * 3600;    // a user nine hours ahead of UTC, all year

class FixedZoneClock : public Clock {
public:
    LocalTime Now() const override { return {2025, 6, 1, 0, 12, 0, 0, 0}; }
    long long SecondsSinceEpoch(const LocalTime& t) const override {
        const COleDateTime day(t.year, t.month, t.day);
        if (!day.IsValid()) return -1;
        return (day.Serial() - kUnixEpochSerial) * 86400 + t.hour * 3600LL + t.minute * 60 + t.second - kZoneOffset;
    }
    LocalTime LocalTimeAt(long long seconds) const override {
        if (seconds < -100'000'000'000LL || seconds > 300'000'000'000LL) return {};
        const long long local = seconds + kZoneOffset;
        long long days = local / 86400;
        long long rest = local % 86400;
        if (rest < 0) {
            rest += 86400;
            days -= 1;
        }
        const COleDateTime day = COleDateTime::FromSerial(static_cast<std::int32_t>(days + kUnixEpochSerial));
        if (!day.IsValid()) return {};
        return {day.GetYear(), day.GetMonth(),         day.GetDay(),        day.GetDayOfWeek() - 1,
                int(rest / 3600), int(rest / 60 % 60), int(rest % 60), 0};
    }
};

// Two years of window; limits low enough that inputs of a kilobyte reach them.
const IcsReadOptions kOptions{COleDateTime(2025, 1, 1), COleDateTime(2026, 12, 31), 400, 4000};

void CheckReading(const IcsReading& reading) {
    Require(reading.notes.size() <= kOptions.noteLimit);
    // Each event marks at most dayLimit days.
    Require(reading.notes.size() <= reading.events * kOptions.dayLimit);
    for (const IcsNote& note : reading.notes) {
        Require(note.date.IsValid());
        Require(note.text.find_first_of("\r\n") == std::string::npos);
        Require(!note.text.empty());
    }
}

bool SameReading(const IcsReading& a, const IcsReading& b) {
    return a.notes == b.notes && a.events == b.events && a.cancelled == b.cancelled && a.undated == b.undated &&
           a.untitled == b.untitled && a.outOfWindow == b.outOfWindow && a.firstOnly == b.firstOnly &&
           a.cutShort == b.cutShort && a.guessedZone == b.guessedZone;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FixedZoneClock clock;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto first = ReadIcsCalendar(file, kOptions, clock);
    const auto again = ReadIcsCalendar(file, kOptions, clock);
    // Nothing of one reading is left for the next.
    Require(first.index() == again.index());
    if (const auto* reading = std::get_if<IcsReading>(&first)) {
        CheckReading(*reading);
        Require(SameReading(*reading, std::get<IcsReading>(again)));
    } else {
        Require(std::get<IcsReadError>(first) == std::get<IcsReadError>(again));
    }
    return 0;
}
