#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "IcsTimeZone.h"

namespace {

constexpr int kHour = 3600;

// A component written one property a line, as "BEGIN:VTIMEZONE\nTZID:...\n...".
std::optional<IcsTimeZone> Component(std::string_view text) {
    const auto unfolded = ics::UnfoldLines(text);
    std::vector<ics::ContentLine> lines;
    for (const std::string& line : *unfolded) lines.push_back(*ics::ParseContentLine(line));
    return IcsTimeZone::FromComponent(lines);
}

long long Wall(int year, int month, int day, int hour = 12, int minute = 0) {
    return (COleDateTime(year, month, day).Serial() - 25569LL) * 86400 + hour * kHour + minute * 60;
}

// As Google and Apple write New York: today's rules from 1970 on.
constexpr std::string_view kNewYork =
    "BEGIN:VTIMEZONE\nTZID:America/New_York\nX-LIC-LOCATION:America/New_York\n"
    "BEGIN:DAYLIGHT\nTZOFFSETFROM:-0500\nTZOFFSETTO:-0400\nTZNAME:EDT\nDTSTART:19700308T020000\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\nEND:DAYLIGHT\n"
    "BEGIN:STANDARD\nTZOFFSETFROM:-0400\nTZOFFSETTO:-0500\nTZNAME:EST\nDTSTART:19701101T020000\n"
    "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\nEND:STANDARD\nEND:VTIMEZONE\n";

}  // namespace

// Summer and winter, and the wall-clock times around both changes: a time the
// spring change skips keeps the winter offset, a time the autumn one repeats is
// its first, summer occurrence.
TEST(IcsTimeZone, NewYorkAsGoogleWritesItChangesOnTheRightHours) {
    const auto zone = Component(kNewYork);
    ASSERT_TRUE(zone);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 7, 1)), -4 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 1, 15)), -5 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 3, 9, 1, 59)), -5 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 3, 9, 2, 30)), -5 * kHour) << "skipped: 07:30 UTC, 03:30 summer time";
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 3, 9, 3, 0)), -4 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 11, 2, 1, 30)), -4 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 11, 2, 2, 0)), -5 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2090, 7, 1)), -4 * kHour) << "years far from the first";
    EXPECT_EQ(zone->OffsetAt(Wall(1969, 7, 1)), -5 * kHour) << "before the first change: its offset before";
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 7, 1)), -4 * kHour) << "asked again after another year";
}

// Outlook starts every observance in 1601 and writes the rules only.
TEST(IcsTimeZone, OutlookRulesFrom1601ApplyToThisYear) {
    const auto zone = Component(
        "BEGIN:VTIMEZONE\nTZID:W. Europe Standard Time\n"
        "BEGIN:STANDARD\nDTSTART:16010101T030000\nTZOFFSETFROM:+0200\nTZOFFSETTO:+0100\n"
        "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\nEND:STANDARD\n"
        "BEGIN:DAYLIGHT\nDTSTART:16010101T020000\nTZOFFSETFROM:+0100\nTZOFFSETTO:+0200\n"
        "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\nEND:DAYLIGHT\nEND:VTIMEZONE");
    ASSERT_TRUE(zone);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 3, 30, 1, 59)), 1 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 3, 30, 3, 0)), 2 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 10, 26, 2, 30)), 2 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 10, 26, 3, 0)), 1 * kHour);
    EXPECT_EQ(zone->OffsetAt(Wall(2025, 12, 31, 23, 59)), 1 * kHour);
}

// Rules that ended (UNTIL), changes on single dates (RDATE), a zone that gave up
// daylight saving time, and components inside an observance that are not its own.
TEST(IcsTimeZone, PastRulesAndSingleChangesHoldInTheirYears) {
    const auto newYork = Component(
        "BEGIN:VTIMEZONE\nTZID:America/New_York\n"
        "BEGIN:DAYLIGHT\nTZOFFSETFROM:-0500\nTZOFFSETTO:-0400\nDTSTART:19870405T020000\n"
        "RRULE:FREQ=YEARLY;UNTIL=20060402T070000Z;BYMONTH=4;BYDAY=1SU\n"
        "BEGIN:X-JUNK\nTZOFFSETTO:+1400\nEND:X-JUNK\nEND:DAYLIGHT\n"
        "BEGIN:DAYLIGHT\nTZOFFSETFROM:-0500\nTZOFFSETTO:-0400\nDTSTART:20070311T020000\n"
        "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\nEND:DAYLIGHT\n"
        "BEGIN:STANDARD\nTZOFFSETFROM:-0400\nTZOFFSETTO:-0500\nDTSTART:19671029T020000\n"
        "RRULE:FREQ=YEARLY;UNTIL=20061029T060000Z;BYMONTH=10;BYDAY=-1SU\nEND:STANDARD\n"
        "BEGIN:STANDARD\nTZOFFSETFROM:-0400\nTZOFFSETTO:-0500\nDTSTART:20071104T020000\n"
        "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\nEND:STANDARD\nEND:VTIMEZONE");
    ASSERT_TRUE(newYork);
    EXPECT_EQ(newYork->OffsetAt(Wall(2006, 3, 20)), -5 * kHour);
    EXPECT_EQ(newYork->OffsetAt(Wall(2006, 4, 10)), -4 * kHour);
    EXPECT_EQ(newYork->OffsetAt(Wall(2006, 10, 30)), -5 * kHour);
    EXPECT_EQ(newYork->OffsetAt(Wall(2025, 3, 20)), -4 * kHour);
    EXPECT_EQ(newYork->OffsetAt(Wall(2025, 11, 1)), -4 * kHour);

    const auto moscow = Component(
        "BEGIN:VTIMEZONE\nTZID:Europe/Moscow\n"
        "BEGIN:DAYLIGHT\nTZOFFSETFROM:+0300\nTZOFFSETTO:+0400\nDTSTART:20110327T020000\nEND:DAYLIGHT\n"
        "BEGIN:STANDARD\nTZOFFSETFROM:+0400\nTZOFFSETTO:+0300\nDTSTART:20141026T020000\n"
        "RDATE:20141025T220000Z\nEND:STANDARD\nEND:VTIMEZONE");
    ASSERT_TRUE(moscow);
    EXPECT_EQ(moscow->OffsetAt(Wall(2010, 6, 1)), 3 * kHour);
    EXPECT_EQ(moscow->OffsetAt(Wall(2013, 1, 1)), 4 * kHour);
    EXPECT_EQ(moscow->OffsetAt(Wall(2014, 10, 26, 0, 30)), 4 * kHour) << "the UTC date is 02:00 on the clock";
    EXPECT_EQ(moscow->OffsetAt(Wall(2025, 6, 1)), 3 * kHour);

    const auto tehran = Component(
        "BEGIN:VTIMEZONE\nTZID:Asia/Tehran\n"
        "BEGIN:STANDARD\nTZOFFSETFROM:+0430\nTZOFFSETTO:+0330\nDTSTART:19790921T000000\n"
        "RRULE:FREQ=YEARLY;UNTIL=20220920T193000Z;BYMONTH=9;BYMONTHDAY=21\nEND:STANDARD\n"
        "BEGIN:DAYLIGHT\nTZOFFSETFROM:+0330\nTZOFFSETTO:+0430\nDTSTART:19800321T000000\n"
        "RRULE:FREQ=YEARLY;UNTIL=20220320T203000Z;BYMONTH=3;BYMONTHDAY=21\nEND:DAYLIGHT\nEND:VTIMEZONE");
    ASSERT_TRUE(tehran);
    EXPECT_EQ(tehran->OffsetAt(Wall(2025, 6, 1)), 3 * kHour + 30 * 60) << "the last change of rules that ended";
}

// Zones without daylight saving time, offsets of half hours and seconds, and the
// southern hemisphere, where January is summer.
TEST(IcsTimeZone, FixedHalfHourAndSouthernZones) {
    const auto tokyo = Component(
        "BEGIN:VTIMEZONE\nTZID:Asia/Tokyo\nBEGIN:STANDARD\nTZOFFSETFROM:+0900\nTZOFFSETTO:+0900\n"
        "TZNAME:JST\nDTSTART:19700101T000000\nEND:STANDARD\nEND:VTIMEZONE");
    ASSERT_TRUE(tokyo);
    EXPECT_EQ(tokyo->OffsetAt(Wall(2025, 7, 1)), 9 * kHour);
    EXPECT_EQ(tokyo->OffsetAt(Wall(1950, 1, 1)), 9 * kHour);

    const auto india = Component(
        "BEGIN:VTIMEZONE\nTZID:Asia/Kolkata\nBEGIN:STANDARD\nTZOFFSETFROM:+053000\nTZOFFSETTO:+053000\n"
        "DTSTART:19700101T000000\nEND:STANDARD\nEND:VTIMEZONE");
    ASSERT_TRUE(india);
    EXPECT_EQ(india->OffsetAt(Wall(2025, 7, 1)), 5 * kHour + 30 * 60);

    const auto sydney = Component(
        "BEGIN:VTIMEZONE\nTZID:Australia/Sydney\n"
        "BEGIN:STANDARD\nTZOFFSETFROM:+1100\nTZOFFSETTO:+1000\nDTSTART:19700405T030000\n"
        "RRULE:FREQ=YEARLY;BYMONTH=4;BYDAY=1SU\nEND:STANDARD\n"
        "BEGIN:DAYLIGHT\nTZOFFSETFROM:+1000\nTZOFFSETTO:+1100\nDTSTART:19701004T020000\n"
        "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=1SU\nEND:DAYLIGHT\nEND:VTIMEZONE");
    ASSERT_TRUE(sydney);
    EXPECT_EQ(sydney->OffsetAt(Wall(2026, 1, 15)), 11 * kHour);
    EXPECT_EQ(sydney->OffsetAt(Wall(2026, 7, 15)), 10 * kHour);
}

// IANA, Windows and fixed names, each with its current rule.
TEST(IcsTimeZone, KnownNamesGiveTheirZones) {
    struct Case {
        const char* name;
        long long wall;
        int offset;
    };
    const Case cases[] = {
        {"UTC", Wall(2025, 7, 1), 0},
        {"Etc/GMT+5", Wall(2025, 7, 1), -5 * kHour},
        {"Etc/GMT-9", Wall(2025, 7, 1), 9 * kHour},
        {"Asia/Tokyo", Wall(2025, 7, 1), 9 * kHour},
        {"Tokyo Standard Time", Wall(2025, 1, 1), 9 * kHour},
        {"India Standard Time", Wall(2025, 1, 1), 5 * kHour + 30 * 60},
        {"Eastern Standard Time", Wall(2025, 3, 9, 3, 0), -4 * kHour},
        {"America/Phoenix", Wall(2025, 7, 1), -7 * kHour},
        {"Europe/London", Wall(2025, 3, 30, 0, 59), 0},
        {"GMT Standard Time", Wall(2025, 3, 30, 2, 0), 1 * kHour},
        {"W. Europe Standard Time", Wall(2025, 10, 26, 3, 0), 1 * kHour},
        {"Europe/Helsinki", Wall(2025, 3, 30, 2, 59), 2 * kHour},  // the same UTC hour as in London
        {"Europe/Helsinki", Wall(2025, 3, 30, 4, 0), 3 * kHour},
        {"AUS Eastern Standard Time", Wall(2025, 4, 6, 2, 30), 11 * kHour},
        {"Australia/Sydney", Wall(2025, 4, 6, 3, 0), 10 * kHour},
        {"New Zealand Standard Time", Wall(2026, 1, 15), 13 * kHour},
        {"Asia/Jerusalem", Wall(2025, 3, 28, 3, 0), 3 * kHour},  // the Friday before the last Sunday
        {"Asia/Jerusalem", Wall(2025, 3, 27), 2 * kHour},
        {"America/Santiago", Wall(2026, 1, 15), -3 * kHour},
        {"America/Sao_Paulo", Wall(2026, 1, 15), -3 * kHour},
    };
    for (const Case& c : cases) {
        const auto zone = IcsTimeZone::FromName(c.name);
        ASSERT_TRUE(zone) << c.name;
        EXPECT_EQ(zone->OffsetAt(c.wall), c.offset) << c.name;
    }
    for (const char* unknown : {"Mars/Olympus", "asia/tokyo", "Etc/GMT+15", "Etc/GMT+", ""}) {
        EXPECT_FALSE(IcsTimeZone::FromName(unknown)) << unknown;
    }
}

// Components it cannot read give nothing; hostile rules and times far out of
// range end quickly.
TEST(IcsTimeZone, MalformedComponentsGiveNothing) {
    EXPECT_FALSE(IcsTimeZone::FromComponent({}));
    EXPECT_FALSE(Component("BEGIN:VTIMEZONE\nTZID:Nowhere\nEND:VTIMEZONE"));
    for (const char* offset : {"+9", "0900", "+2500", "+09x0", "-05:00"}) {
        EXPECT_FALSE(Component(std::string("BEGIN:VTIMEZONE\nBEGIN:STANDARD\nDTSTART:19700101T000000\n") +
                               "TZOFFSETFROM:" + offset + "\nTZOFFSETTO:+0900\nEND:STANDARD\nEND:VTIMEZONE"))
            << offset;
    }
    EXPECT_FALSE(Component("BEGIN:VTIMEZONE\nBEGIN:STANDARD\nTZOFFSETFROM:+0100\nTZOFFSETTO:+0100\n"
                           "END:STANDARD\nEND:VTIMEZONE"))
        << "no DTSTART";
    EXPECT_FALSE(Component("BEGIN:VTIMEZONE\nEND:STANDARD\nEND:VTIMEZONE\nEND:VTIMEZONE")) << "unbalanced";

    const auto daily = Component(
        "BEGIN:VTIMEZONE\nBEGIN:DAYLIGHT\nDTSTART:01000101T000000\nTZOFFSETFROM:+0100\nTZOFFSETTO:+0200\n"
        "RRULE:FREQ=DAILY\nEND:DAYLIGHT\nEND:VTIMEZONE");
    ASSERT_TRUE(daily);
    EXPECT_EQ(daily->OffsetAt(Wall(9999, 6, 1)), 2 * kHour);
    const auto newYork = Component(kNewYork);
    EXPECT_EQ(newYork->OffsetAt(LLONG_MAX), -5 * kHour);
    EXPECT_EQ(newYork->OffsetAt(LLONG_MIN), -5 * kHour);
}
