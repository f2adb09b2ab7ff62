#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "RecurrenceRule.h"

namespace {

std::vector<std::string> Dates(const char* rule, COleDateTime start, std::size_t limit = 1000,
                               COleDateTime from = COleDateTime(1900, 1, 1),
                               COleDateTime to = COleDateTime(2100, 12, 31)) {
    std::vector<std::string> texts;
    const auto parsed = RecurrenceRule::Parse(rule);
    if (!parsed) return {"unreadable"};
    for (const COleDateTime& date : parsed->Expand(start, from, to, limit)) {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
        texts.push_back(text);
    }
    return texts;
}

using Texts = std::vector<std::string>;

}  // namespace

// The rules real calendars write for classes, birthdays, paydays and holidays.
TEST(RecurrenceRule, TheCommonRulesGiveTheirDates) {
    EXPECT_EQ(Dates("FREQ=WEEKLY;BYDAY=TU,TH;COUNT=4", {2026, 12, 1}),
              (Texts{"2026-12-01", "2026-12-03", "2026-12-08", "2026-12-10"}));
    EXPECT_EQ(Dates("FREQ=WEEKLY;INTERVAL=2;UNTIL=20270101T000000Z", {2026, 12, 9}),
              (Texts{"2026-12-09", "2026-12-23"}));
    EXPECT_EQ(Dates("FREQ=YEARLY", {2024, 2, 29}, 1000, {2025, 1, 1}, {2028, 12, 31}), (Texts{"2028-02-29"}))
        << "a birthday on 29 February comes in leap years only, within the window";
    EXPECT_EQ(Dates("FREQ=MONTHLY;BYMONTHDAY=31;COUNT=3", {2026, 12, 31}),
              (Texts{"2026-12-31", "2027-01-31", "2027-03-31"}));
    EXPECT_EQ(Dates("FREQ=MONTHLY;BYDAY=-1FR;COUNT=3", {2026, 12, 25}),
              (Texts{"2026-12-25", "2027-01-29", "2027-02-26"}));
    EXPECT_EQ(Dates("FREQ=YEARLY;BYMONTH=11;BYDAY=4TH;COUNT=2", {2026, 11, 26}), (Texts{"2026-11-26", "2027-11-25"}));
    EXPECT_EQ(Dates("FREQ=DAILY;INTERVAL=3;COUNT=3", {2026, 12, 30}), (Texts{"2026-12-30", "2027-01-02", "2027-01-05"}));
    EXPECT_EQ(Dates("FREQ=MONTHLY;BYDAY=MO;BYMONTHDAY=13,14,15,16,17,18,19;COUNT=2", {2026, 1, 1}),
              (Texts{"2026-01-01", "2026-01-19"}))
        << "the start counts as the first event though the rule does not name it";
}

TEST(RecurrenceRule, LimitsAndUnreadableRulesEndTheExpansion) {
    EXPECT_EQ(Dates("FREQ=DAILY", {2026, 12, 1}, 3).size(), 3u);
    EXPECT_EQ(Dates("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30", {2026, 1, 1}), Texts{"2026-01-01"})
        << "a day that never comes: given up, not looped over";
    EXPECT_FALSE(RecurrenceRule::Parse("FREQ=DAILY")->IsBounded());
    EXPECT_TRUE(RecurrenceRule::Parse("FREQ=DAILY;COUNT=2")->IsBounded());
    for (const char* bad : {"", "COUNT=2", "FREQ=HOURLY", "FREQ=DAILY;INTERVAL=0", "FREQ=DAILY;COUNT=-1",
                            "FREQ=MONTHLY;BYMONTHDAY=32", "FREQ=WEEKLY;BYDAY=XX", "FREQ=YEARLY;BYMONTH=13",
                            "FREQ=MONTHLY;BYSETPOS=-1", "FREQ=DAILY;UNTIL=99999999", "FREQ=DAILY;UNTIL=00000101"}) {
        EXPECT_FALSE(RecurrenceRule::Parse(bad)) << bad;
    }
}

// A rule without end that began long ago keeps its rhythm in the window.
TEST(RecurrenceRule, ARuleFromLongAgoKeepsItsIntervalInTheWindow) {
    const COleDateTime from(2026, 1, 1);
    EXPECT_EQ(Dates("FREQ=WEEKLY;INTERVAL=2", {2000, 1, 3}, 1000, from, {2026, 1, 31}),
              (Texts{"2026-01-12", "2026-01-26"}));
    EXPECT_EQ(Dates("FREQ=DAILY;INTERVAL=3", {1900, 1, 1}, 1000, from, {2026, 1, 10}),
              (Texts{"2026-01-03", "2026-01-06", "2026-01-09"}));
    EXPECT_EQ(Dates("FREQ=MONTHLY;INTERVAL=5", {100, 1, 15}, 1000, from, {2026, 12, 31}), (Texts{"2026-04-15", "2026-09-15"}));
    EXPECT_EQ(Dates("FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU", {100, 3, 28}, 1000, from, {2026, 12, 31}), Texts{"2026-03-29"});
}
