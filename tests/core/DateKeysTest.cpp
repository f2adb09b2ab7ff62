#include <gtest/gtest.h>

#include <string>

#include "DateKeys.h"
#include "TestLocale.h"
#include "TestPlatform.h"

namespace {

struct KeyCase {
    int year;
    int month;
    int day;
    const char* english;
    const char* japanese;
};

// Month and year ends, leap days, and the ends of the valid range.
constexpr KeyCase kKeys[] = {
    {100, 1, 1, "1/1/100", "100/1/1"},
    {999, 12, 31, "12/31/999", "999/12/31"},
    {1899, 12, 29, "12/29/1899", "1899/12/29"},
    {1899, 12, 31, "12/31/1899", "1899/12/31"},
    {1900, 2, 28, "2/28/1900", "1900/2/28"},
    {1900, 3, 1, "3/1/1900", "1900/3/1"},
    {1999, 12, 31, "12/31/1999", "1999/12/31"},
    {2000, 2, 29, "2/29/2000", "2000/2/29"},
    {2024, 2, 29, "2/29/2024", "2024/2/29"},
    {2026, 1, 5, "1/5/2026", "2026/1/5"},
    {2026, 10, 9, "10/9/2026", "2026/10/9"},
    {2026, 12, 31, "12/31/2026", "2026/12/31"},
    {9999, 12, 31, "12/31/9999", "9999/12/31"},
};

// A day as year, month and day; year 0 for a text that reads as no date.
struct Ymd {
    int year;
    int month;
    int day;
};

struct ParseCase {
    const char* text;
    Ymd english;
    Ymd japanese;
};

constexpr Ymd kNone{0, 0, 0};

// Texts in other forms that the platform's parser reads (or refuses) alike in
// both locales, unless the locale's order of day, month and year decides.
constexpr ParseCase kParses[] = {
    {"01/05/2026", {2026, 1, 5}, {2026, 1, 5}},
    {"2026/01/05", {2026, 1, 5}, {2026, 1, 5}},
    {"2026-1-5", {2026, 1, 5}, {2026, 1, 5}},
    {" 2026 / 1 / 5 ", {2026, 1, 5}, {2026, 1, 5}},
    {"5/1/2026", {2026, 5, 1}, {2026, 5, 1}},
    {"13/1/2026", {2026, 1, 13}, {2026, 1, 13}},
    {"2026/13/5", {2026, 5, 13}, {2026, 5, 13}},
    {"1/5/26", {2026, 1, 5}, {2001, 5, 26}},
    {"5/1/12", {2012, 5, 1}, {2005, 1, 12}},
    {"1/1/49", {2049, 1, 1}, {2049, 1, 1}},
    {"1/1/50", {1950, 1, 1}, {1950, 1, 1}},
    {"0/1/1", {2000, 1, 1}, {2000, 1, 1}},
    {"2026/1/5 13:00:00", {2026, 1, 5}, {2026, 1, 5}},
    {"1/5/2026 12:00:00 AM", {2026, 1, 5}, {2026, 1, 5}},
    {"1/5/2026,12:00", {2026, 1, 5}, {2026, 1, 5}},
    {"12:00:00 AM", {1899, 12, 30}, {1899, 12, 30}},
    {"0:00:00", {1899, 12, 30}, {1899, 12, 30}},
    {"", kNone, kNone},
    {"abc", kNone, kNone},
    {"2/30/2026", kNone, kNone},
    {"2026/2/29", kNone, kNone},
    {"13/13/13", kNone, kNone},
    {"1/1/10000", kNone, kNone},
    {"1.5.2026", kNone, kNone},
    {"2026//1/5", kNone, kNone},
    {"2026/1/5/", kNone, kNone},
    {"/2026/1/5", kNone, kNone},
    {"2026/1/5x", kNone, kNone},
    {"1/5/2026,x", kNone, kNone},
    {"1/5/2026 25:00", kNone, kNone},
    {"4294967297/1/1", kNone, kNone},
};

}  // namespace

class DateKeysTest : public ::testing::TestWithParam<NamedPlatform> {
protected:
    void SetUp() override {
        if (LocaleOfTheRun() == TestLocale::Unknown) GTEST_SKIP() << "LC_ALL names no locale";
    }
    const DateKeys& Keys() const { return GetParam().platform->dateKeys; }
    static bool Japanese() { return LocaleOfTheRun() == TestLocale::Japanese; }

    void ExpectRoundTrip(const COleDateTime& date) const {
        const std::string key = Keys().Format(date);
        EXPECT_EQ(Keys().Parse(key), date) << key;
    }
};

INSTANTIATE_TEST_SUITE_P(Services, DateKeysTest, ::testing::ValuesIn(AllTestPlatforms()),
                         [](const auto& info) { return info.param.name; });

TEST_P(DateKeysTest, FormatsTheUsersShortDateAndReadsItBack) {
    for (const KeyCase& c : kKeys) {
        const COleDateTime date(c.year, c.month, c.day);
        const std::string expected = Japanese() ? c.japanese : c.english;
        EXPECT_EQ(Keys().Format(date), expected);
        EXPECT_EQ(Keys().Parse(expected), date) << expected;
    }
}

TEST_P(DateKeysTest, DayZeroIsWrittenAsMidnightAndReadBack) {
    // The automation date's day 0 carries no date, so the formatter writes the time.
    const COleDateTime dayZero(1899, 12, 30);
    EXPECT_EQ(Keys().Format(dayZero), Japanese() ? "0:00:00" : "12:00:00 AM");
    ExpectRoundTrip(dayZero);
}

TEST_P(DateKeysTest, EveryMonthEndAndLeapDayRoundTrips) {
    for (int year : {100, 101, 1600, 1899, 1900, 1901, 2000, 2023, 2024, 2100, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            ExpectRoundTrip(COleDateTime(year, month, 1));
            ExpectRoundTrip(COleDateTime(year, month, COleDateTime::DaysInMonth(year, month)));
        }
    }
    for (COleDateTime day(2024, 1, 1); day < COleDateTime(2025, 1, 1); day = day + 1) ExpectRoundTrip(day);
}

TEST_P(DateKeysTest, InvalidDateHasNoKey) { EXPECT_EQ(Keys().Format(COleDateTime::Invalid()), ""); }

TEST_P(DateKeysTest, ReadsOtherNumericFormsAsThePlatformDoes) {
    for (const ParseCase& c : kParses) {
        const Ymd& day = Japanese() ? c.japanese : c.english;
        const COleDateTime expected =
            day.year == 0 ? COleDateTime::Invalid() : COleDateTime(day.year, day.month, day.day);
        EXPECT_EQ(Keys().Parse(c.text), expected) << '"' << c.text << '"';
    }
}
