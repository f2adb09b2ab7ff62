#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "CalendarModelFixture.h"

namespace {

std::vector<int> Days(const HolidayCalendarModel::HolidayTable& table) {
    std::vector<int> days;
    for (const auto& record : table) days.push_back(record->day);
    return days;
}

using BuildHolidaysTest = CalendarModelTest;

TEST_F(BuildHolidaysTest, EmptyHolidayPathBuildsNothingAndKeepsTheSubstituteName) {
    WriteHolidays("[JPN]\r\nDate=,,1,1,New Year\r\n");
    model.lcid = 1041;
    model.BuildHolidays(2026);
    ASSERT_FALSE(model.substituteName().empty());
    model.lcid = 1033;
    model.holidayFile.clear();
    EXPECT_EQ(model.BuildHolidays(2026), 1);
    for (const auto& table : model.holidayTables()) EXPECT_TRUE(table.empty());
    EXPECT_EQ(model.substituteName(), SystemText("振替休日"));
}

TEST_F(BuildHolidaysTest, MissingRuleFileKeepsTheBuiltInHolidays) {
    model.lcid = 1041;
    model.BuildHolidays(2026);
    EXPECT_EQ(Days(model.holidayTables()[2]), std::vector<int>{20});
    EXPECT_EQ(Days(model.holidayTables()[8]), std::vector<int>{23});
    EXPECT_EQ(model.holidayTables()[2][0]->name, SystemText("春分の日"));
    EXPECT_EQ(model.holidayTables()[8][0]->name, SystemText("秋分の日"));
}

TEST_F(BuildHolidaysTest, ReadsOnlyTheLocaleSectionOfBothFilesInOrder) {
    WriteHolidays("[USA]\r\nDate=,,7,4,Independence Day\r\n[JPN]\r\nDate=,,7,1,From rule file\r\n");
    WriteSettings("[Wispane Calendar]\r\nConfig=0\r\n[JPN]\r\nDate=,,7,2,From settings\r\nDate=bad line\r\n");
    model.lcid = 1041;
    model.BuildHolidays(2026);
    const auto& july = model.holidayTables()[6];
    ASSERT_EQ(july.size(), 2u);
    EXPECT_EQ(july[0]->name, "From rule file");
    EXPECT_EQ(july[1]->name, "From settings");
    EXPECT_EQ(july[1]->month, 7);
}

TEST_F(BuildHolidaysTest, RebuildReplacesTheTables) {
    WriteHolidays("[USA]\r\nDate=2026,2026,7,3,Only 2026\r\nDate=,,7,4,Independence Day\r\n");
    model.lcid = 1033;
    model.BuildHolidays(2026);
    EXPECT_EQ(Days(model.holidayTables()[6]), (std::vector<int>{3, 4}));
    model.BuildHolidays(2027);
    EXPECT_EQ(Days(model.holidayTables()[6]), std::vector<int>{4});
}

// The rule file is read once, but an edit made outside the program, even one that
// keeps its size, is seen at the next build.
TEST_F(BuildHolidaysTest, AnEditedRuleFileIsReadAgain) {
    WriteHolidays("[USA]\r\nDate=,,7,3,Holiday\r\n");
    model.lcid = 1033;
    model.BuildHolidays(2026);
    const auto written = std::filesystem::last_write_time(model.holidayFile);
    WriteHolidays("[USA]\r\nDate=,,7,5,Holiday\r\n");
    std::filesystem::last_write_time(model.holidayFile, written + std::chrono::seconds(2));
    model.BuildHolidays(2026);
    EXPECT_EQ(Days(model.holidayTables()[6]), std::vector<int>{5});
}

TEST_F(BuildHolidaysTest, InaugurationDayEveryFourYearsFrom1965) {
    model.lcid = 1033;
    for (int year : {1965, 2001, 2005, 2025}) {
        model.BuildHolidays(year);
        ASSERT_EQ(model.holidayTables()[0].size(), 1u) << year;
        EXPECT_EQ(model.holidayTables()[0][0]->day, 20);
        EXPECT_EQ(model.holidayTables()[0][0]->name, "Inauguration Day");
    }
    for (int year : {1961, 2003, 2026}) {
        model.BuildHolidays(year);
        EXPECT_TRUE(model.holidayTables()[0].empty()) << year;
    }
    EXPECT_EQ(model.substituteName(), "Monday Make-up Holiday");
}

TEST_F(BuildHolidaysTest, NationalHolidaysOnlyFrom1985) {
    WriteHolidays("[JPN]\r\nDate=,,5,3,A\r\nDate=,,5,5,B\r\n");
    model.lcid = 1041;
    model.BuildHolidays(1984);
    EXPECT_EQ(Days(model.holidayTables()[4]), (std::vector<int>{3, 5}));
    EXPECT_EQ(model.holidayTables()[2].size(), 1u);  // the equinox still comes
    model.BuildHolidays(1985);
    EXPECT_EQ(Days(model.holidayTables()[4]), (std::vector<int>{3, 5, 4}));
    EXPECT_EQ(model.holidayTables()[4][2]->name, SystemText("国民の休日"));
}

TEST_F(BuildHolidaysTest, NationalHolidayComparesNeighboursInTableOrder) {
    model.lcid = 1041;
    WriteHolidays("[JPN]\r\nDate=,,5,5,B\r\nDate=,,5,3,A\r\nDate=,,9,21,Respect\r\n");
    model.BuildHolidays(2026);
    EXPECT_EQ(Days(model.holidayTables()[4]), (std::vector<int>{5, 3}));
    // 21 from the file, then the equinox 23 appended by the build: 22 between them.
    EXPECT_EQ(Days(model.holidayTables()[8]), (std::vector<int>{21, 23, 22}));

    WriteHolidays("[JPN]\r\nDate=,,9,15,Respect\r\n");
    model.BuildHolidays(2026);
    EXPECT_EQ(Days(model.holidayTables()[8]), (std::vector<int>{15, 23}));
}

TEST_F(BuildHolidaysTest, AnAddedDayIsComparedInTurn) {
    model.lcid = 1041;
    WriteHolidays("[JPN]\r\nDate=,,6,1,A\r\nDate=,,6,3,B\r\nDate=,,6,5,C\r\n");
    model.BuildHolidays(2026);
    // 1,3 gives 2 at the end; 3,5 gives 4; then 5,2 and 2,4 give 3 again.
    EXPECT_EQ(Days(model.holidayTables()[5]), (std::vector<int>{1, 3, 5, 2, 4, 3}));
}

TEST_F(BuildHolidaysTest, OtherLocalesHaveNoBuiltInHolidays) {
    WriteHolidays("[GBR]\r\nDate=,,12,26,Boxing Day\r\n");
    model.lcid = 2057;
    model.BuildHolidays(2026);
    int records = 0;
    for (const auto& table : model.holidayTables()) records += static_cast<int>(table.size());
    EXPECT_EQ(records, 1);
    EXPECT_EQ(model.holidayTables()[11][0]->name, "Boxing Day");
    EXPECT_TRUE(model.substituteName().empty());
}

TEST_F(BuildHolidaysTest, LargeSectionsAreReadWhole) {
    std::string ini = "[USA]\r\n";
    for (int i = 0; i < 3000; ++i) ini += "Comment" + std::to_string(i) + "=padding to pass the first buffer\r\n";
    ini += "Date=,,8,8,Last line\r\n";
    WriteHolidays(ini);
    model.lcid = 1033;
    model.BuildHolidays(2026);
    ASSERT_EQ(model.holidayTables()[7].size(), 1u);
    EXPECT_EQ(model.holidayTables()[7][0]->name, "Last line");
}

class HookRecorder : public HolidayCalendarModel {
public:
    using HolidayCalendarModel::HolidayCalendarModel;
    void OnBeginHolidayYear(int year) override {
        events.push_back("begin " + std::to_string(year) + " " + std::to_string(TableSize()));
    }
    void OnEndHolidayYear(int year) override {
        events.push_back("end " + std::to_string(year) + " " + std::to_string(TableSize()));
    }
    std::size_t TableSize() const { return holidayTables()[0].size(); }
    std::vector<std::string> events;
};

TEST_F(BuildHolidaysTest, HooksRunAroundTheRuleFilesAndBeforeTheBuiltInRules) {
    WriteHolidays("[USA]\r\nDate=,,1,1,New Year\r\n");
    HookRecorder recorder(TestPlatform());
    recorder.lcid = 1033;
    recorder.holidayFile = model.holidayFile;
    recorder.BuildHolidays(2001);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"begin 2001 0", "end 2001 1"}));
    EXPECT_EQ(recorder.TableSize(), 2u);  // Inauguration Day after the hooks

    recorder.events.clear();
    recorder.holidayFile.clear();
    recorder.BuildHolidays(2001);
    EXPECT_TRUE(recorder.events.empty());
}

}  // namespace
