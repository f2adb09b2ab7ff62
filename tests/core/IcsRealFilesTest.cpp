#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "COleDateTime.h"
#include "Clock.h"
#include "IcsCalendarReader.h"

static void PrintTo(const IcsNote& note, std::ostream* out) {
    *out << note.date.GetYear() << '-' << note.date.GetMonth() << '-' << note.date.GetDay() << " \"" << note.text
         << '"';
}

namespace {

constexpr long long kUnixEpochSerial = 25569;  // 1970-01-01
constexpr long long kTokyoOffset = 9 * 3600;

// A user in Tokyo: nine hours ahead of UTC all year, so that an evening in Europe
// or America is the next day here and a zone the reader gets wrong shows.
class TokyoClock : public Clock {
public:
    LocalTime Now() const override { return {2025, 1, 1, 3, 12, 0, 0, 0}; }
    long long SecondsSinceEpoch(const LocalTime& t) const override {
        const COleDateTime day(t.year, t.month, t.day);
        if (!day.IsValid()) return -1;
        return (day.Serial() - kUnixEpochSerial) * 86400 + t.hour * 3600LL + t.minute * 60 + t.second - kTokyoOffset;
    }
    LocalTime LocalTimeAt(long long seconds) const override {
        const long long local = seconds + kTokyoOffset;
        long long days = local / 86400;
        long long rest = local % 86400;
        if (rest < 0) {
            rest += 86400;
            days -= 1;
        }
        const long long serial = days + kUnixEpochSerial;
        if (serial < -700000 || serial > 3000000) return {};  // beyond the years 100 ... 9999
        const COleDateTime day = COleDateTime::FromSerial(static_cast<std::int32_t>(serial));
        if (!day.IsValid()) return {};
        return {day.GetYear(), day.GetMonth(),         day.GetDay(),        day.GetDayOfWeek() - 1,
                int(rest / 3600), int(rest / 60 % 60), int(rest % 60), 0};
    }
};

IcsNote Note(int year, int month, int day, const char* text) { return {COleDateTime(year, month, day), text}; }

// `count` consecutive days from the given one.
std::vector<IcsNote> Days(int year, int month, int day, int count, const char* text) {
    std::vector<IcsNote> notes;
    for (int i = 0; i < count; ++i) notes.push_back({COleDateTime(year, month, day) + i, text});
    return notes;
}

std::vector<IcsNote> Join(std::initializer_list<std::vector<IcsNote>> parts) {
    std::vector<IcsNote> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct RealFile {
    const char* name;
    COleDateTime windowFrom;  // rules without end are expanded over the window only
    COleDateTime windowTo;
    std::vector<IcsNote> notes;
};

// Far from every date of the files that have no rule without end: their events
// must not depend on it.
const COleDateTime kFarFrom(2040, 1, 1);
const COleDateTime kFarTo(2040, 12, 31);

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Files exported by calendar programs (tests/core/ics/SOURCES.md), and the
// examples of RFC 5545; the notes are worked out from the file text by hand.
TEST(IcsRealFiles, EachFileGivesTheNotesItsTextDemands) {
    const RealFile files[] = {
        // Google: the moved occurrence comes before its series. 10:00 in Denver
        // (UTC-7, no VTIMEZONE: a known zone name) is 02:00 the next day here; the
        // occurrence of 11 February (Denver) moved to 10:30, 02:30 on the 12th here.
        {"google-recurrence-order.ics", kFarFrom, kFarTo,
         {Note(2026, 2, 12, "TEST RECURR 3 - MODIFIED"), Note(2026, 2, 11, "TEST RECURR 3"),
          Note(2026, 2, 13, "TEST RECURR 3")}},
        // Google: daily without end from 2012-08-01 05:00 Los Angeles (22:00 here
        // in winter, the same day); the window alone bounds it, across a year end.
        {"google-daily.ics", COleDateTime(2012, 12, 30), COleDateTime(2013, 1, 2),
         Days(2012, 12, 30, 4, "Every day recurring")},
        // Exchange: a week of all-day event every other Monday, 15 July excluded.
        // UNTIL is 29 July 00:00 in London, 08:00 here, so the week of 29 July is
        // the last one. The evening event in London is the next morning here.
        {"exchange-2010-all-day-series.ics", kFarFrom, kFarTo,
         Join({Days(2024, 7, 1, 7, "test123"), Days(2024, 7, 29, 7, "test123"),
               Days(2024, 7, 1, 7, "test123 - edited event!!!!"), Days(2024, 7, 29, 7, "test123 - edited event!!!!"),
               {Note(2024, 10, 5, "outlook event with alarm")}})},
        // Thunderbird: all-day dates, the first of five days; Cyrillic summaries.
        {"thunderbird-russian-holidays.ics", kFarFrom, kFarTo,
         Join({Days(2009, 1, 1, 5, "Новый год"),
               {Note(2009, 1, 7, "Рождество Христово"), Note(2009, 2, 23, "День защитника Отечества"),
                Note(2009, 3, 8, "Международный женский день"), Note(2009, 5, 1, "Праздник весны и труда"),
                Note(2009, 5, 9, "День Победы"), Note(2009, 6, 12, "День России"),
                Note(2009, 11, 4, "День народного единства")}})},
        // Apple iCal: yearly holidays since 2002, over the window of 2008 only;
        // BYMONTH alone keeps the day of the start, DURATION:P1D is one day.
        {"apple-ical-us-holidays.ics", COleDateTime(2008, 1, 1), COleDateTime(2008, 12, 31),
         {Note(2008, 11, 11, "Veteran's Day"), Note(2008, 3, 23, "Easter"),
          Note(2008, 1, 21, "Martin Luther King, Jr. Day"),  // third Monday
          Note(2008, 2, 2, "Groundhog Day"), Note(2008, 11, 27, "Thanksgiving"),  // fourth Thursday
          Note(2008, 4, 1, "April Fool's Day"), Note(2008, 5, 26, "Memorial Day"),  // last Monday
          Note(2008, 5, 11, "Mother's Day")}},  // second Sunday
        // Zimbra: first Tuesdays at 10:00 Los Angeles (the next day here), without
        // end, over October 2012 ... March 2013; 4 December and 5 February excluded;
        // RDATEs of 5, 10 and 30 November and two in 2023 (they are no rule: the
        // window does not bound them). The first occurrence moved to 15:00, still
        // the next day here; the RDATE of 5 November (18:00Z) moved to the 6th at
        // 20:00, 13:00 on the 7th here. The second VTIMEZONE has no TZID.
        {"zimbra-recurrence-instances.ics", COleDateTime(2012, 10, 1), COleDateTime(2013, 3, 31),
         {Note(2012, 11, 7, "Crazy Event Thingy!"), Note(2012, 11, 11, "Crazy Event Thingy!"),
          Note(2012, 12, 1, "Crazy Event Thingy!"), Note(2013, 1, 2, "Crazy Event Thingy!"),
          Note(2013, 3, 6, "Crazy Event Thingy!"), Note(2023, 11, 23, "Crazy Event Thingy!"),
          Note(2023, 11, 25, "Crazy Event Thingy!"), Note(2012, 10, 3, "Crazy Event Thingy!"),
          Note(2012, 11, 7, "Crazy Event Thingy!")}},
        // 16:30Z is 01:30 the next day here; 16:30Z ... 01:00Z is the next day alone.
        // The anniversary has no end: over the window; a date without DTEND is one day.
        {"rfc5545-event-examples.ics", COleDateTime(1997, 1, 1), COleDateTime(1999, 12, 31),
         Join({{Note(1997, 9, 4, "Annual Employee Review"),
                Note(1997, 4, 2, "Laurel is in sensitivity awareness class."),
                Note(1997, 11, 2, "Our Blissful Anniversary"), Note(1998, 11, 2, "Our Blissful Anniversary"),
                Note(1999, 11, 2, "Our Blissful Anniversary")},
               Days(2007, 6, 28, 11, "Festival International de Jazz de Montreal")})},
        // 18 September 14:30Z ... 20 September 22:00Z: 23:30 on the 18th to 07:00 on the 21st here.
        {"rfc5545-conference.ics", kFarFrom, kFarTo, Days(1996, 9, 18, 4, "Networld+Interop Conference")},
        // 08:30 New York (-05:00 or -04:00: the zone's first observance is later) is 22:30 or 21:30 here.
        {"rfc5545-group-meeting.ics", kFarFrom, kFarTo, {Note(1998, 3, 12, "XYZ Project Review")}},
        // 12:30Z ... 21:00Z is 21:30 to 06:00 the next day here.
        {"rfc5545-planning-meeting.ics", kFarFrom, kFarTo,
         Days(1997, 3, 24, 2, "Calendaring Interoperability Planning Meeting")},
        // A to-do, a journal entry and busy time are no events.
        {"rfc5545-todo.ics", kFarFrom, kFarTo, {}},
        {"rfc5545-journal.ics", kFarFrom, kFarTo, {}},
        {"rfc5545-busy-time.ics", kFarFrom, kFarTo, {}},
    };
    const TokyoClock clock;
    for (const RealFile& file : files) {
        SCOPED_TRACE(file.name);
        const std::string text = ReadFile(std::string(WISPANE_SOURCE_DIR "/tests/core/ics/") + file.name);
        const auto result = ReadIcsCalendar(text, IcsReadOptions{file.windowFrom, file.windowTo}, clock);
        if (const auto* reading = std::get_if<IcsReading>(&result)) {
            EXPECT_EQ(reading->notes, file.notes);
        } else {
            ADD_FAILURE() << "not read: error " << static_cast<int>(std::get<IcsReadError>(result));
        }
    }
}

}  // namespace
