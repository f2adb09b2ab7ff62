#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "COleDateTime.h"
#include "DayStateRequest.h"
#include "HolidayRecord.h"
#include "ObservedHolidays.h"
#include "ProfileSectionCache.h"
#include "ScheduleStore.h"

struct Platform;

// The calendar's data without a window: the holiday tables of one year, the
// schedules, and the day states and labels of the months on view. The Win32
// month-calendar control derives from it and answers the platform with it.
class HolidayCalendarModel {
public:
    using HolidayTable = std::vector<std::unique_ptr<HolidayRecord>>;
    using DayLabels = std::unordered_map<std::string, std::string>;

    explicit HolidayCalendarModel(Platform& platform);
    virtual ~HolidayCalendarModel();
    HolidayCalendarModel(const HolidayCalendarModel&) = delete;
    HolidayCalendarModel& operator=(const HolidayCalendarModel&) = delete;

    // Called around reading the rule files of a year; nothing by default.
    virtual void OnBeginHolidayYear(int year);
    virtual void OnEndHolidayYear(int year);

    // Holiday rules (the date arithmetic is in HolidayDates.h).
    int BuildHolidays(int year);
    void ReadHolidayRules(int year, const std::string& path);

    // Schedule store.
    void LoadSchedules();
    const std::string* FindSchedule(const std::string& key) const;
    // Removes the one line of the date `key` with that text; false when none is left.
    bool EraseSchedules(const std::string& key, const std::string& text);
    // The whole store as the "Schedule" section of `path`: the settings file, or
    // the copy a safe save of it works on.
    bool WriteSchedulesSection(const std::string& path) const;

    // Day states.
    void ComputeDayStates(const DayStateRequest& request);
    // Answers a day-state request; returns false so the owner still sees it.
    bool OnGetDayState(DayStateRequest& request, long* result);
    // Recomputes the last answered range and hands it to the control.
    void RefreshDayStates();
    const std::string* FindDayLabel(const std::string& key) const;

    // The year this model's holiday tables hold; -1 before the first request.
    int HolidayTablesYear() const { return holidayTablesYear_; }

    // Settings of the control, set by its owner.
    std::uint32_t lcid;
    std::string holidayFile;
    std::string settingsFilePath;
    std::uint32_t scheduleColor = 0x0000BF00;

    // State read by the painting and the owner.
    const std::array<HolidayTable, 12>& holidayTables() const { return holidayTables_; }
    const std::string& substituteName() const { return substituteName_; }
    const ScheduleStore& schedules() const { return schedules_; }
    const DayLabels& dayLabels() const;
    // One word per month of the last request plus a spare one; null before it.
    const std::uint32_t* dayStates() const { return dayStates_.get(); }
    const DayStateRequest& lastRequest() const { return lastRequest_; }
    bool HasAnsweredRequest() const { return lastRequest_.count > 0; }

protected:
    // Hands fresh day states to the platform control; nothing without a window.
    virtual void SetControlDayStates(int count, const std::uint32_t* states);
    Platform& platform() const { return platform_; }

private:
    // Adds the holidays of `year` from a section's lines when `builtYear`, and gives
    // the weekend rule every holiday; returns whether the section has an Observance line.
    bool ReadRulesOfYear(const std::vector<std::string>& lines, int year, bool builtYear);
    void AddHoliday(int month, int day, std::string name);
    void AddNationalHolidays();
    bool SubstitutesSkipMarkedDays(int year) const;
    void MarkSubstitute(const HolidayRecord& holiday, int year);
    void MarkSchedules(int year, int month, int word);
    bool IsMarked(int word, int day) const;
    void Mark(int word, int day);
    void SetLabel(const COleDateTime& date, std::string label);
    void KeyPendingLabels() const;

    Platform& platform_;
    // Labels are set by date and keyed when first looked up: making a date key
    // loads the platform's date formatting, which most starts need no sooner.
    mutable std::vector<std::pair<COleDateTime, std::string>> pendingLabels_;
    mutable DayLabels dayLabels_;
    ScheduleStore schedules_;
    std::array<HolidayTable, 12> holidayTables_;
    int holidayTablesYear_ = -1;
    ObservedHolidays observedHolidays_;  // of the year being built
    ProfileSectionCache ruleSections_;  // the rule files' sections, read once per change of a file
    std::unique_ptr<std::uint32_t[]> dayStates_;
    DayStateRequest lastRequest_;
    DayStateRequest computing_;  // the range of the computation under way
    std::string substituteName_;
};
