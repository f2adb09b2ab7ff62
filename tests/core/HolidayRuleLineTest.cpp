#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "HolidayRuleLine.h"

namespace {

struct RuleCase {
    const char* line;
    int year;
    std::optional<HolidayRecord> expected;
};

void PrintTo(const RuleCase& c, std::ostream* out) { *out << '"' << c.line << "\" in " << c.year; }

class HolidayRuleLineTest : public testing::TestWithParam<RuleCase> {};

TEST_P(HolidayRuleLineTest, ReadsTheRuleForTheYear) {
    const RuleCase& c = GetParam();
    const std::optional<HolidayRecord> record = ParseHolidayRuleLine(c.line, c.year);
    ASSERT_EQ(record.has_value(), c.expected.has_value());
    if (!record) return;
    EXPECT_EQ(record->month, c.expected->month);
    EXPECT_EQ(record->day, c.expected->day);
    EXPECT_EQ(record->substitutable, 1);
    EXPECT_EQ(record->name, c.expected->name);
}

HolidayRecord Record(int month, int day, std::string name) { return {month, day, 1, std::move(name)}; }

INSTANTIATE_TEST_SUITE_P(
    Fields, HolidayRuleLineTest,
    testing::Values(
        RuleCase{"Date=1990,2000,2,11,A, B", 1995, Record(2, 11, "A, B")},
        RuleCase{"Date=1990,2000,2,11", 1995, Record(2, 11, "")},
        RuleCase{"Date=1990,2000,2,11,", 1995, Record(2, 11, "")},
        RuleCase{"Date=1990,2000,2", 1995, std::nullopt},
        RuleCase{"Date=1990,2000,13,1,x", 1995, std::nullopt},
        RuleCase{"Date=1990,2000,0,1,x", 1995, std::nullopt},
        RuleCase{"Date=1990,2000,4,31,x", 1995, Record(4, 31, "x")},
        RuleCase{"Date=1990,2000,4,x,x", 1995, std::nullopt},
        RuleCase{"Date=,1999,5,5,Children", 1999, Record(5, 5, "Children")},
        RuleCase{"Date=,1999,5,5,Children", 2000, std::nullopt},
        RuleCase{"Date=abc,def,5,5,Any", 0, Record(5, 5, "Any")},
        RuleCase{"Date=abc,def,5,5,Any", -1, std::nullopt},
        RuleCase{"Date=abc,def,5,5,Any", 9999, Record(5, 5, "Any")},
        RuleCase{"Date=abc,def,5,5,Any", 10000, std::nullopt},
        RuleCase{"Date=2020,2020,7,24,Sports", 2020, Record(7, 24, "Sports")},
        RuleCase{"Date=2020,2020,7,24,Sports", 2019, std::nullopt},
        RuleCase{"Date=2020,2020,7,24,Sports", 2021, std::nullopt},
        RuleCase{"Date= 2020x,+2021, 7,  24 days,Name", 2021, Record(7, 24, "Name")},
        RuleCase{"Date=99999999999,2000,1,1,wraps", 1995, std::nullopt},
        RuleCase{"date=1990,2000,2,11,x", 1995, std::nullopt},
        RuleCase{"DATE=1990,2000,2,11,x", 1995, std::nullopt},
        RuleCase{"Other=1990,2000,2,11,x", 1995, std::nullopt},
        RuleCase{"Date", 1995, std::nullopt},
        RuleCase{"=1990,2000,2,11,x", 1995, std::nullopt}));

// The newer kinds range-test their fields and never leave the rule's year.
INSTANTIATE_TEST_SUITE_P(
    NewerKinds, HolidayRuleLineTest,
    testing::Values(RuleCase{"Easter=,,-2,Good Friday, too", 2027, Record(3, 26, "Good Friday, too")},
                    RuleCase{"Easter=,,-48,First", 2027, Record(2, 8, "First")},
                    RuleCase{"Easter=,,-49,Too early", 2027, std::nullopt},
                    RuleCase{"Easter=,,61,Too late", 2027, std::nullopt},
                    RuleCase{"Easter=2030,,1,Later", 2027, std::nullopt},
                    RuleCase{"Easter=,,1", 2027, Record(3, 29, "")},
                    RuleCase{"OrthodoxEaster=,,1,Monday", 2027, Record(5, 3, "Monday")},
                    RuleCase{"WeekdayOnOrAfter=,,6,20,6,Midsummer", 2027, Record(6, 26, "Midsummer")},
                    RuleCase{"WeekdayOnOrAfter=,,12,30,1,Next year", 2027, std::nullopt},
                    RuleCase{"WeekdayOnOrAfter=,,2,30,1,No such day", 2027, std::nullopt},
                    RuleCase{"WeekdayOnOrAfter=,,6,20,7,No such weekday", 2027, std::nullopt},
                    RuleCase{"WeekdayOnOrBefore=,,5,24,1,Victoria", 2026, Record(5, 18, "Victoria")},
                    RuleCase{"WeekdayOnOrBefore=,,1,1,1,Last year", 2026, std::nullopt},
                    RuleCase{"easter=,,1,x", 2027, std::nullopt}));

TEST(ObservanceLine, ReadsTheModeAndTheSuffix) {
    const auto observance = ParseObservanceLine("Observance=nextworkday, (substitute day), UK");
    ASSERT_TRUE(observance);
    EXPECT_EQ(observance->mode, ObservanceMode::NextWorkday);
    EXPECT_EQ(observance->suffix, " (substitute day), UK");
    EXPECT_EQ(ParseObservanceLine("Observance=None")->suffix, "");
    for (const char* line : {"Observance=", "Observance=Tuesday,x", "observance=None", "Date=,,1,1,x"}) {
        EXPECT_FALSE(ParseObservanceLine(line)) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WeekdayRules, HolidayRuleLineTest,
    testing::Values(
        RuleCase{"NthDay=2000,,10,2,1,Sports Day", 2026, Record(10, 12, "Sports Day")},
        RuleCase{"NthDay=2000,,10,2,1,Sports Day", 1999, std::nullopt},
        RuleCase{"NthDay=,,5,Last,1,Memorial Day", 2026, Record(5, 25, "Memorial Day")},
        RuleCase{"NthDay=,,5,LAST,1,Memorial Day", 2026, Record(5, 25, "Memorial Day")},
        RuleCase{"NthDay=,,5,last,1,", 2026, Record(5, 25, "")},
        RuleCase{"NthDay=,,5, Last,1,x", 2026, std::nullopt},
        RuleCase{"NthDay=,,5,Final,1,x", 2026, std::nullopt},
        RuleCase{"NthDay=,,2,5,1,Fifth Monday", 2026, Record(2, 30, "Fifth Monday")},
        RuleCase{"NthDay=,,2,3,x,x", 2026, std::nullopt},
        RuleCase{"NthDay=,,2,3,1", 2026, Record(2, 16, "")},
        RuleCase{"NthDay=,,2,3", 2026, std::nullopt},
        RuleCase{"NthDay=,,11,4,4,Thanksgiving, Day", 2026, Record(11, 26, "Thanksgiving, Day")},
        RuleCase{"nthday=,,11,4,4,x", 2026, std::nullopt}));

}  // namespace
