#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DateKeys.h"
#include "HolidayCalendarModel.h"
#include "LocaleFacts.h"
#include "TestPlatform.h"

// A calendar model on a holiday file and a settings file in a fresh folder.
class CalendarModelTest : public testing::Test {
protected:
    CalendarModelTest() : model(TestPlatform()) {
        model.holidayFile = dir.File("Holiday.ini");
        model.settingsFilePath = dir.File("Wispane Calendar.ini");
    }

    void WriteHolidays(const std::string& iniText) { dir.Write("Holiday.ini", iniText); }
    void WriteSettings(const std::string& iniText) { dir.Write("Wispane Calendar.ini", iniText); }

    static std::string Key(int year, int month, int day) {
        return TestPlatform().dateKeys.Format(COleDateTime(year, month, day));
    }
    static std::string SystemText(const char* utf8) { return TestPlatform().locale.SystemTextFromUtf8(utf8); }

    // Answers the request the control makes for (year, month) and the months around it.
    void Request(int year, int month, int count = 3) {
        DayStateRequest request{year, month, count, nullptr};
        long result = -1;
        EXPECT_FALSE(model.OnGetDayState(request, &result));
        EXPECT_EQ(result, 0);
        EXPECT_EQ(request.answer, model.dayStates());
    }

    bool Marked(int word, int day) const { return (model.dayStates()[word] >> (day - 1)) & 1u; }

    std::string Label(int year, int month, int day) const {
        const std::string* label = model.FindDayLabel(Key(year, month, day));
        return label ? *label : "<none>";
    }

    // Days of word `word` that carry a bit.
    std::vector<int> MarkedDays(int word) const {
        std::vector<int> days;
        for (int day = 1; day <= 31; ++day) {
            if (Marked(word, day)) days.push_back(day);
        }
        return days;
    }

    TempDir dir;
    HolidayCalendarModel model;
};
