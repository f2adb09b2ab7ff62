#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "Clock.h"
#include "IcsCalendarReader.h"

namespace {

// The user's zone: `before` hours ahead of UTC until the UTC moment `change`, `after` hours from then on.
// By default Tokyo, nine hours ahead all year.
class UserZoneClock : public Clock {
public:
    explicit UserZoneClock(int before = 9, int after = 9, long long change = 0)
        : before_(before), after_(after), change_(change) {}
    LocalTime Now() const override { return {}; }
    long long SecondsSinceEpoch(const LocalTime&) const override { return -1; }
    LocalTime LocalTimeAt(long long seconds) const override {
        const long long wall = seconds + (seconds < change_ ? before_ : after_) * 3600LL;
        const long long days = (wall >= 0 ? wall : wall - 86399) / 86400;
        const COleDateTime day = COleDateTime::FromSerial(static_cast<std::int32_t>(days + 25569));
        if (!day.IsValid()) return {};
        const int second = static_cast<int>(wall - days * 86400);
        return {day.GetYear(), day.GetMonth(), day.GetDay(), day.GetDayOfWeek() - 1, second / 3600,
                second / 60 % 60, second % 60, 0};
    }

private:
    int before_;
    int after_;
    long long change_;
};

IcsReadOptions Options() {
    IcsReadOptions options;
    options.windowFrom = COleDateTime(2025, 1, 1);
    options.windowTo = COleDateTime(2028, 12, 31);
    return options;
}

std::variant<IcsReading, IcsReadError> ReadFile(const std::string& file, const IcsReadOptions& options = Options()) {
    return ReadIcsCalendar(file, options, UserZoneClock());
}

IcsReading Read(const std::string& file, const IcsReadOptions& options = Options(),
                const Clock& clock = UserZoneClock()) {
    auto result = ReadIcsCalendar(file, options, clock);
    if (const auto* error = std::get_if<IcsReadError>(&result)) {
        ADD_FAILURE() << "refused with error " << static_cast<int>(*error);
        return {};
    }
    return std::get<IcsReading>(result);
}

std::string Calendar(const std::string& body) { return "BEGIN:VCALENDAR\nVERSION:2.0\n" + body + "END:VCALENDAR\n"; }
std::string Event(const std::string& lines) { return "BEGIN:VEVENT\n" + lines + "END:VEVENT\n"; }

using Texts = std::vector<std::string>;

Texts Notes(const IcsReading& reading) {
    Texts texts;
    for (const IcsNote& note : reading.notes) {
        char day[16];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", note.date.GetYear(), note.date.GetMonth(), note.date.GetDay());
        texts.push_back(day + (' ' + note.text));
    }
    return texts;
}

const char kNewYork[] = R"(BEGIN:VTIMEZONE
TZID:America/New_York
BEGIN:DAYLIGHT
TZOFFSETFROM:-0500
TZOFFSETTO:-0400
DTSTART:19700308T020000
RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU
END:DAYLIGHT
BEGIN:STANDARD
TZOFFSETFROM:-0400
TZOFFSETTO:-0500
DTSTART:19701101T020000
RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU
END:STANDARD
END:VTIMEZONE
)";

}  // namespace

// DTEND is exclusive; the summary comes out on one line; alarms, to-dos and a second calendar are no trouble.
TEST(IcsCalendarReader, AllDayEventsMarkEachOfTheirDays) {
    const std::string file = "\xEF\xBB\xBF" +
                             Calendar(Event("DTSTART;VALUE=DATE:20261224\nSUMMARY:Christmas\\, Eve\n") +
                                      Event("DTSTART;VALUE=DATE:20261230\nDTEND;VALUE=DATE:20270102\n"
                                            "BEGIN:VALARM\nACTION:EMAIL\nSUMMARY:Alarm mail\nEND:VALARM\n"
                                            "SUMMARY:Trip\\nto the\\n\tsea  \n") +
                                      "BEGIN:VTODO\nDTSTART:20261201\nSUMMARY:To do\nEND:VTODO\n" +
                                      Event("DTSTART:20260301\nDURATION:P2D\nSUMMARY:Fair\n")) +
                             Calendar(Event("DTSTART:20260401\nDTEND:20260401\nSUMMARY:Second\n"));
    const IcsReading reading = Read(file);
    EXPECT_EQ(Notes(reading), (Texts{"2026-12-24 Christmas, Eve", "2026-12-30 Trip to the sea",
                                     "2026-12-31 Trip to the sea", "2027-01-01 Trip to the sea", "2026-03-01 Fair",
                                     "2026-03-02 Fair", "2026-04-01 Second"}));
    EXPECT_EQ(reading.events, 4u);
}

// UTC moments move to the user's day; floating times stay as written; an end at the user's midnight does not
// mark the next day.
TEST(IcsCalendarReader, TimesLandOnTheUsersDays) {
    const IcsReading reading = Read(Calendar(
        Event("DTSTART:20261224T200000Z\nDTEND:20261224T210000Z\nSUMMARY:Call\n") +
        Event("DTSTART:20261224T130000Z\nDTEND:20261224T150000Z\nSUMMARY:Till midnight\n") +
        Event("DTSTART:20261224T230000\nDURATION:PT2H\nSUMMARY:Floating\n") +
        Event("DTSTART:20261224T230000\nDTEND:20261224T220000\nSUMMARY:Ends before it starts\n") +
        Event("DTSTART;TZID=Nowhere/Atlantis:20261224T230000\nSUMMARY:Unknown zone\n")));
    EXPECT_EQ(Notes(reading), (Texts{"2026-12-25 Call", "2026-12-24 Till midnight", "2026-12-24 Floating",
                                     "2026-12-25 Floating", "2026-12-24 Ends before it starts",
                                     "2026-12-24 Unknown zone"}));
    EXPECT_EQ(reading.guessedZone, 1u);

    // A user in Berlin on the day summer time begins (01:00 UTC): the late event is past midnight.
    const UserZoneClock berlin(1, 2, (COleDateTime(2026, 3, 29).Serial() - 25569LL) * 86400 + 3600);
    const IcsReading summer = Read(Calendar(Event("DTSTART:20260328T233000Z\nSUMMARY:Early\n") +
                                            Event("DTSTART:20260329T223000Z\nSUMMARY:Late\n")),
                                   Options(), berlin);
    EXPECT_EQ(Notes(summer), (Texts{"2026-03-29 Early", "2026-03-30 Late"}));
}

// New York's zone defined after its events, named plainly and with an old Mozilla prefix: 10:30 there is past
// midnight in Tokyo in winter, not once daylight-saving time has begun (10 March 2024).
TEST(IcsCalendarReader, FileTimeZonesApplyToEachOccurrence) {
    const IcsReading reading = Read(Calendar(
        Event("DTSTART;TZID=America/New_York:20240301T103000\nDTEND;TZID=America/New_York:20240301T110000\n"
              "RRULE:FREQ=WEEKLY;COUNT=3\nSUMMARY:Standup\n") +
        Event("DTSTART;TZID=\"/mozilla.org/20050126_1/America/New_York\":20240704T200000\nSUMMARY:Fireworks\n") +
        kNewYork));
    EXPECT_EQ(Notes(reading), (Texts{"2024-03-02 Standup", "2024-03-09 Standup", "2024-03-15 Standup",
                                     "2024-07-05 Fireworks"}));
    EXPECT_EQ(reading.guessedZone, 0u);
}

// An override before its master moves one class; a cancelled one drops another; EXDATE lists drop more. A
// series ending at the user's midnight, written in UTC, keeps its last day; a PERIOD adds its start.
TEST(IcsCalendarReader, RuleOccurrencesFollowExceptionsAndOverrides) {
    const IcsReading reading = Read(Calendar(
        Event("UID:class\nRECURRENCE-ID:20260115T090000\nDTSTART:20260116T090000\nSUMMARY:Class (moved)\n") +
        Event("UID:class\nDTSTART:20260101T090000\nRRULE:FREQ=WEEKLY;COUNT=6\nSUMMARY:Class\n"
              "EXDATE:20260108T090000,20260205T090000\nRDATE:20260212T090000\n") +
        Event("UID:class\nRECURRENCE-ID:20260122T090000\nSTATUS:CANCELLED\nSUMMARY:Class\n") +
        Event("DTSTART;VALUE=DATE:20260105\nRRULE:FREQ=WEEKLY;UNTIL=20260111T150000Z\n"
              "RDATE;VALUE=PERIOD:20260120T000000Z/PT1H\nSUMMARY:Course\n")));
    EXPECT_EQ(Notes(reading), (Texts{"2026-01-16 Class (moved)", "2026-01-01 Class", "2026-01-29 Class",
                                     "2026-02-12 Class", "2026-01-05 Course", "2026-01-12 Course",
                                     "2026-01-20 Course"}));
    EXPECT_EQ(reading.events, 4u);
    EXPECT_EQ(reading.cancelled, 1u);
}

// Birthdays without end come within the window only; a rule the reader cannot expand keeps its first day.
TEST(IcsCalendarReader, RulesWithoutEndStayInTheWindow) {
    const IcsReading reading = Read(Calendar(
        Event("DTSTART;VALUE=DATE:19960229\nRRULE:FREQ=YEARLY\nSUMMARY:Leap birthday\n") +
        Event("DTSTART;VALUE=DATE:19800510\nRRULE:FREQ=YEARLY\nSUMMARY:Mum\n") +
        Event("DTSTART;VALUE=DATE:20300101\nRRULE:FREQ=DAILY\nSUMMARY:Later\n") +
        Event("DTSTART;VALUE=DATE:20260101\nRRULE:FREQ=HOURLY\nSUMMARY:Hourly\n")));
    EXPECT_EQ(Notes(reading), (Texts{"2028-02-29 Leap birthday", "2025-05-10 Mum", "2026-05-10 Mum", "2027-05-10 Mum",
                                     "2028-05-10 Mum", "2026-01-01 Hourly"}));
    EXPECT_EQ(reading.outOfWindow, 1u);
    EXPECT_EQ(reading.firstOnly, 1u);
}

TEST(IcsCalendarReader, EventsLeftOutAreCounted) {
    const IcsReading reading = Read(Calendar(
        Event("DTSTART:20260101\nSTATUS:cancelled\nSUMMARY:Off\n") + Event("DTSTART:20260101\n") +
        Event("DTSTART:20260101\nSUMMARY: \\n \n") + Event("SUMMARY:No start\n") +
        Event("DTSTART:00000101\nSUMMARY:Year 0\n") + Event("DTSTART:999990101\nSUMMARY:Year 99999\n") +
        Event("DTSTART:20261301\nSUMMARY:Month 13\n") + Event("DTSTART:99991231T230000Z\nSUMMARY:Past 9999\n")));
    EXPECT_TRUE(reading.notes.empty());
    EXPECT_EQ(reading.events, 8u);
    EXPECT_EQ(reading.cancelled, 1u);
    EXPECT_EQ(reading.untitled, 2u);
    EXPECT_EQ(reading.undated, 5u);
}

TEST(IcsCalendarReader, DamagedAndForeignFilesAreRefused) {
    const std::string event = Event("DTSTART:20260101\nSUMMARY:New year\n");
    std::string bomb = "BEGIN:VCALENDAR\n";
    for (int i = 0; i < 100000; ++i) bomb += "BEGIN:VEVENT\n";
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(std::get<IcsReadError>(ReadFile(bomb)), IcsReadError::Damaged);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));

    const std::pair<std::string, IcsReadError> cases[] = {
        {"BEGIN:VCALENDAR\n" + event, IcsReadError::Damaged},
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nEND:VTODO\nEND:VCALENDAR\n", IcsReadError::Damaged},
        {Calendar("SUMMARY:" + std::string(1 << 20, 'x') + "\n"), IcsReadError::Damaged},
        {"", IcsReadError::NotICalendar},
        {"\x89PNG\r\n\x1a\n\x7f\xff\xfe garbage", IcsReadError::NotICalendar},
        {"VERSION:2.0\n" + Calendar(event), IcsReadError::NotICalendar},
        {Calendar(event) + std::string(1, '\0'), IcsReadError::NotICalendar},
    };
    for (const auto& [file, error] : cases) {
        const auto result = ReadFile(file);
        ASSERT_TRUE(std::holds_alternative<IcsReadError>(result)) << file.substr(0, 60);
        EXPECT_EQ(std::get<IcsReadError>(result), error) << file.substr(0, 60);
    }
}

TEST(IcsCalendarReader, LimitsCutEventsAndRefuseHugeFiles) {
    IcsReadOptions options = Options();
    options.dayLimit = 3;
    const IcsReading reading = Read(
        Calendar(Event("DTSTART:20260101\nRRULE:FREQ=DAILY;COUNT=10\nSUMMARY:Daily\n") +
                 Event("DTSTART:20260101\nDTEND:99991231\nSUMMARY:Forever\n")),
        options);
    EXPECT_EQ(Notes(reading), (Texts{"2026-01-01 Daily", "2026-01-02 Daily", "2026-01-03 Daily",
                                     "2026-01-01 Forever", "2026-01-02 Forever", "2026-01-03 Forever"}));
    EXPECT_EQ(reading.cutShort, 2u);

    options.noteLimit = 5;
    EXPECT_EQ(std::get<IcsReadError>(ReadFile(Calendar(Event("DTSTART:20260101\nDURATION:P3D\nSUMMARY:A\n") +
                                                       Event("DTSTART:20260101\nDURATION:P3D\nSUMMARY:B\n")),
                                              options)),
              IcsReadError::TooManyNotes);
}
