#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "CalendarModelFixture.h"
#include "DateKeys.h"
#include "Platform.h"

namespace {

using DayStatesTest = CalendarModelTest;

class YearRecorder : public HolidayCalendarModel {
public:
    using HolidayCalendarModel::HolidayCalendarModel;
    void OnBeginHolidayYear(int year) override { builtYears.push_back(year); }
    std::vector<int> builtYears;
};

TEST_F(DayStatesTest, RequestsAcrossAYearEndRebuildTheTables) {
    YearRecorder recorder(TestPlatform());
    recorder.holidayFile = model.holidayFile;
    DayStateRequest request{2003, 11, 3, nullptr};
    long result = 0;
    recorder.OnGetDayState(request, &result);
    EXPECT_EQ(recorder.builtYears, (std::vector<int>{2003, 2004}));
    EXPECT_EQ(recorder.HolidayTablesYear(), 2004);
    recorder.OnGetDayState(request, &result);
    EXPECT_EQ(recorder.builtYears, (std::vector<int>{2003, 2004, 2003, 2004}));
    DayStateRequest later{2004, 2, 3, nullptr};
    recorder.OnGetDayState(later, &result);
    EXPECT_EQ(recorder.builtYears.size(), 4u);  // the same year is not read again

    // A second model of the same year builds tables of its own.
    YearRecorder second(TestPlatform());
    second.holidayFile = model.holidayFile;
    second.OnGetDayState(later, &result);
    EXPECT_EQ(second.builtYears, std::vector<int>{2004});
    EXPECT_EQ(recorder.builtYears.size(), 4u);
}

TEST_F(DayStatesTest, AnswerHasASpareWordAndRemembersTheRequest) {
    WriteHolidays("[USA]\r\nDate=,,3,17,Mid March\r\n");
    model.lcid = 1033;
    Request(2026, 2, 3);
    EXPECT_EQ(MarkedDays(1), std::vector<int>{17});
    EXPECT_EQ(model.dayStates()[3], 0u);
    EXPECT_EQ(model.lastRequest().startYear, 2026);
    EXPECT_EQ(model.lastRequest().startMonth, 2);
    EXPECT_EQ(model.lastRequest().count, 3);
    EXPECT_EQ(Label(2026, 3, 17), "Mid March");
}

TEST_F(DayStatesTest, BitsOnlyForDaysOneToThirtyOne) {
    WriteHolidays("[USA]\r\nDate=,,4,31,Past the end\r\nDate=,,4,0,Zero\r\nDate=,,4,32,Far\r\nDate=,,4,-3,Neg\r\n");
    model.lcid = 1033;
    Request(2026, 3, 3);
    EXPECT_EQ(model.dayStates()[1], 1u << 30);  // day 31 of a 30-day month: a bit, no visible day
    EXPECT_EQ(Label(2026, 5, 1), "<none>");
    EXPECT_EQ(model.dayLabels().size(), 0u);
}

TEST_F(DayStatesTest, SundayHolidayGivesTheFreeMondayTheSubstituteName) {
    WriteHolidays("[USA]\r\nDate=,,7,4,Independence Day\r\n");
    model.lcid = 1033;
    Request(2027, 6, 3);  // 4 July 2027 is a Sunday
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{4, 5}));
    EXPECT_EQ(Label(2027, 7, 4), "Independence Day");
    EXPECT_EQ(Label(2027, 7, 5), "Monday Make-up Holiday");
}

TEST_F(DayStatesTest, SundayFollowedByHolidayRelabelsTheMondayForOtherLocales) {
    WriteHolidays("[USA]\r\nDate=,,7,4,Independence Day\r\nDate=,,7,5,Next Day\r\n");
    model.lcid = 1033;
    Request(2027, 6, 3);
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{4, 5}));
    EXPECT_EQ(Label(2027, 7, 5), "Monday Make-up Holiday");
}

TEST_F(DayStatesTest, SundayOnTheLastDayMovesToDayTwoOfTheNextMonth) {
    WriteHolidays("[USA]\r\nDate=,,1,31,End of January\r\nDate=,,12,31,End of year\r\n");
    model.lcid = 1033;
    Request(2027, 1, 2);  // 31 January 2027 is a Sunday
    EXPECT_EQ(MarkedDays(0), std::vector<int>{31});
    EXPECT_EQ(MarkedDays(1), std::vector<int>{2});
    EXPECT_EQ(Label(2027, 2, 2), "Monday Make-up Holiday");
    EXPECT_EQ(Label(2027, 2, 1), "<none>");

    Request(2028, 11, 2);  // 31 December 2028 is a Sunday, in the last requested month
    EXPECT_EQ(MarkedDays(1), std::vector<int>{31});
    EXPECT_EQ(model.dayStates()[2], 1u << 1);  // 2 January 2029 in the spare word
}

TEST_F(DayStatesTest, LaterRecordOfTheSameDateNamesIt) {
    WriteHolidays("[USA]\r\nDate=,,8,10,First\r\nDate=,,8,10,Second\r\n");
    model.lcid = 1033;
    Request(2026, 7, 3);
    EXPECT_EQ(MarkedDays(1), std::vector<int>{10});
    EXPECT_EQ(Label(2026, 8, 10), "Second");
}

TEST_F(DayStatesTest, ScheduleLabelsComeBeforeTheHolidayName) {
    WriteHolidays("[USA]\r\nDate=,,8,10,Holiday B\r\nDate=,,8,11,Holiday C\r\n");
    WriteSettings("[Schedule]\r\nSchedule=" + Key(2026, 8, 10) + ",Text A\r\nSchedule=" + Key(2026, 8, 11) +
                  ",\r\nSchedule=" + Key(2026, 8, 12) + ",Only, with comma\r\n");
    model.lcid = 1033;
    Request(2026, 7, 3);
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(Label(2026, 8, 10), "Text A, Holiday B");
    EXPECT_EQ(Label(2026, 8, 11), "");
    EXPECT_EQ(Label(2026, 8, 12), "Only, with comma");
}

TEST_F(DayStatesTest, SchedulesOfEveryRequestedMonthAreMarked) {
    WriteSettings("[Schedule]\r\nSchedule=" + Key(2025, 12, 31) + ",Eve\r\nSchedule=" + Key(2026, 2, 1) +
                  ",Feb\r\nSchedule=" + Key(2026, 3, 1) + ",Outside\r\nSchedule=2026-01-15,Other form\r\n");
    Request(2025, 12, 3);
    EXPECT_EQ(MarkedDays(0), std::vector<int>{31});
    EXPECT_TRUE(MarkedDays(1).empty());
    EXPECT_EQ(MarkedDays(2), std::vector<int>{1});
    EXPECT_EQ(model.dayStates()[3], 0u);
}

TEST_F(DayStatesTest, OtherLocalesMarkUnnamedSubstitutes) {
    WriteHolidays("[GBR]\r\nDate=,,12,26,Boxing Day\r\n");
    model.lcid = 2057;
    Request(2027, 11, 3);  // 26 December 2027 is a Sunday
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{26, 27}));
    EXPECT_EQ(Label(2027, 12, 27), "");
}

// Counts the date keys made: the first one loads the platform's date formatting.
class CountingDateKeys : public DateKeys {
public:
    std::string Format(const COleDateTime& date) const override {
        ++formatted;
        return TestPlatform().dateKeys.Format(date);
    }
    COleDateTime Parse(std::string_view text) const override { return TestPlatform().dateKeys.Parse(text); }
    mutable int formatted = 0;
};

TEST_F(DayStatesTest, HolidaysMakeNoDateKeyUntilALabelIsLookedUp) {
    WriteHolidays("[USA]\r\nDate=,,7,4,Independence Day\r\nDate=,,7,5,Later\r\n");
    CountingDateKeys keys;
    Platform& test = TestPlatform();
    Platform counting{test.profile, keys, test.locale, test.clock};
    HolidayCalendarModel counted(counting);
    counted.lcid = 1033;
    counted.holidayFile = model.holidayFile;
    counted.settingsFilePath = model.settingsFilePath;
    DayStateRequest request{2027, 6, 3, nullptr};
    long result = 0;
    counted.OnGetDayState(request, &result);
    EXPECT_EQ(keys.formatted, 0);
    // The substitute's name replaces the later holiday's, as when the keys were made at once.
    const std::string* label = counted.FindDayLabel(Key(2027, 7, 5));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(*label, "Monday Make-up Holiday");
    EXPECT_GT(keys.formatted, 0);
}

TEST_F(DayStatesTest, RefreshRecomputesTheLastRange) {
    model.RefreshDayStates();  // nothing answered yet: nothing to do
    EXPECT_EQ(model.dayStates(), nullptr);
    Request(2026, 4, 3);
    EXPECT_TRUE(MarkedDays(1).empty());
    WriteSettings("[Schedule]\r\nSchedule=" + Key(2026, 5, 20) + ",New\r\n");
    model.RefreshDayStates();
    EXPECT_EQ(MarkedDays(1), std::vector<int>{20});
    EXPECT_EQ(model.lastRequest().answer, model.dayStates());
}

// The substitute days of Japan since 2007: a Sunday holiday gives the next day that
// is not itself a holiday, and the holidays passed over keep their names.
struct MayCase {
    int year;
    std::vector<int> marked;
    int substitute;
};

class JapaneseSubstituteTest : public CalendarModelTest, public testing::WithParamInterface<MayCase> {};

constexpr const char* kGoldenWeek =
    "[JPN]\r\n"
    "Date=1989,2006,4,29,Greenery\r\nDate=2007,,4,29,Showa\r\n"
    "Date=2019,2019,4,30,Holiday\r\nDate=2019,2019,5,1,Accession\r\n"
    "Date=,,5,3,Constitution\r\nDate=2007,,5,4,Greenery\r\nDate=,,5,5,Children\r\n";

TEST_P(JapaneseSubstituteTest, MovesPastTheHolidaysOfGoldenWeek) {
    const MayCase& c = GetParam();
    WriteHolidays(kGoldenWeek);
    model.lcid = 1041;
    Request(c.year, 4, 3);
    EXPECT_EQ(MarkedDays(1), c.marked);
    EXPECT_EQ(Label(c.year, 5, c.substitute), SystemText("振替休日"));
    for (int day : c.marked) {
        if (day != c.substitute && day >= 3) {
            EXPECT_NE(Label(c.year, 5, day), SystemText("振替休日")) << day;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(May, JapaneseSubstituteTest,
                         testing::Values(MayCase{2008, {3, 4, 5, 6}, 6},  // 4 May on a Sunday
                                         MayCase{2009, {3, 4, 5, 6}, 6},  // 3 May on a Sunday
                                         MayCase{2014, {3, 4, 5, 6}, 6},
                                         MayCase{2015, {3, 4, 5, 6}, 6},
                                         MayCase{2020, {3, 4, 5, 6}, 6},
                                         MayCase{2025, {3, 4, 5, 6}, 6},
                                         MayCase{2026, {3, 4, 5, 6}, 6},
                                         MayCase{2019, {1, 2, 3, 4, 5, 6}, 6}));  // 5 May on a Sunday

// A Sunday named by two records, from both rule files or by a rule that repeats a
// built-in day, has one substitute; the later record names the Sunday.
struct TwiceListedCase {
    const char* holidays;
    const char* settings;
    int year;
    int month;
    int sunday;
    const char* name;
};

class TwiceListedSundayTest : public CalendarModelTest, public testing::WithParamInterface<TwiceListedCase> {};

TEST_P(TwiceListedSundayTest, GetsOnlyTheMondayAsSubstitute) {
    const TwiceListedCase& c = GetParam();
    WriteHolidays(c.holidays);
    WriteSettings(c.settings);
    model.lcid = 1041;
    Request(c.year, c.month - 1, 3);
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{c.sunday, c.sunday + 1}));
    EXPECT_EQ(Label(c.year, c.month, c.sunday), SystemText(c.name));
    EXPECT_EQ(Label(c.year, c.month, c.sunday + 1), SystemText("振替休日"));
}

INSTANTIATE_TEST_SUITE_P(
    Japan, TwiceListedSundayTest,
    testing::Values(TwiceListedCase{"[JPN]\r\nDate=1948,,11,3,Culture Day\r\n",
                                    "[JPN]\r\nDate=,,11,3,My Culture Day\r\n", 2024, 11, 3, "My Culture Day"},
                    TwiceListedCase{"[JPN]\r\nDate=2024,2024,9,22,Equinox\r\n", "", 2024, 9, 22, "秋分の日"},
                    TwiceListedCase{"", "[JPN]\r\nNthDay=2010,2010,3,3,0,Equinox\r\n", 2010, 3, 21, "春分の日"}));

TEST_F(CalendarModelTest, JapaneseSubstitutesBefore2007TakeTheNextDay) {
    WriteHolidays(kGoldenWeek);
    model.lcid = 1041;
    Request(1998, 4, 3);  // 3 May 1998 on a Sunday: 4 May is the substitute
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Label(1998, 5, 4), SystemText("振替休日"));
    Request(2006, 4, 3);  // 30 April 2006 on a Sunday; 3 to 5 May in the week
    EXPECT_EQ(MarkedDays(0), (std::vector<int>{29}));
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{3, 4, 5}));
}

TEST_F(CalendarModelTest, JapaneseSubstituteKeepsTheNameOfTheHolidayItPasses) {
    WriteHolidays(kGoldenWeek);
    model.lcid = 1041;
    Request(2019, 4, 3);
    EXPECT_EQ(Label(2019, 5, 1), "Accession");
    EXPECT_EQ(Label(2019, 5, 2), SystemText("国民の休日"));
    EXPECT_EQ(Label(2019, 5, 4), "Greenery");
    EXPECT_EQ(Label(2019, 5, 5), "Children");
    EXPECT_EQ(Label(2019, 4, 30), "Holiday");
}

// Weekend holidays under an "Observance" line, as the laws of other countries say.
TEST_F(CalendarModelTest, NextWorkdaysSkipHolidaysAndEachOther) {
    WriteHolidays("[GBR]\r\nObservance=NextWorkday, (substitute day)\r\nDate=,,1,1,New Year\r\n"
                  "Date=,,12,25,Christmas\r\nDate=,,12,26,Boxing Day\r\n");
    model.lcid = 2057;
    Request(2021, 11, 3);  // Christmas on a Saturday, Boxing Day on a Sunday, New Year 2022 on a Saturday
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{25, 26, 27, 28}));
    EXPECT_EQ(Label(2021, 12, 27), "Christmas (substitute day)");
    EXPECT_EQ(Label(2021, 12, 28), "Boxing Day (substitute day)");
    EXPECT_EQ(MarkedDays(2), (std::vector<int>{1, 3}));
    Request(2022, 11, 3);  // Christmas on a Sunday, Boxing Day on Monday: Tuesday
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{25, 26, 27}));
    EXPECT_EQ(Label(2022, 12, 26), "Boxing Day");
}

TEST_F(CalendarModelTest, AnObservedDayCrossesTheYearEnd) {
    WriteHolidays("[USA]\r\nObservance=FridayMonday, (observed)\r\nDate=,,1,1,New Year\r\n"
                  "Date=,,7,4,Independence Day\r\n");
    model.lcid = 1033;
    Request(2021, 11, 2);  // 1 January 2022 is a Saturday
    EXPECT_EQ(MarkedDays(1), std::vector<int>{31});
    EXPECT_EQ(Label(2021, 12, 31), "New Year (observed)");
    Request(2021, 6, 3);  // 4 July 2021 is a Sunday: the observed Monday, no make-up holiday
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{4, 5}));
    EXPECT_EQ(Label(2021, 7, 5), "Independence Day (observed)");
}

TEST_F(CalendarModelTest, RulesAboveTheFirstObservanceKeepTheSundayRule) {
    WriteHolidays("[DEU]\r\nDate=,,10,2,Old rule\r\nObservance=None\r\nDate=,,10,3,Einheit\r\n"
                  "Observance=SundaySaturday\r\nDate=,,10,10,Moved\r\nObservance=Unknown\r\n"
                  "Date=,,10,17,Still moved\r\n");
    model.lcid = 1031;
    Request(2027, 9, 3);  // 3 October 2027 is a Sunday, so are 10 and 17 October
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{2, 3, 9, 16}));
    EXPECT_EQ(Label(2027, 10, 9), "Moved");
    Request(2022, 9, 3);  // 2 October 2022 is a Sunday
    EXPECT_EQ(MarkedDays(1), (std::vector<int>{2, 3, 10, 17}));
    EXPECT_EQ(Label(2022, 10, 3), "");
}

}  // namespace
