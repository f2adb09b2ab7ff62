#pragma once
#include <compare>
#include <cstdint>

// A calendar date with a validity status, counted in whole days like the OLE
// automation date (day 0 is 30 December 1899). Valid years are 100..9999.
class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1 };

    // Day 0.0: 30 December 1899, valid.
    COleDateTime() = default;
    COleDateTime(int year, int month, int day);

    static COleDateTime FromSerial(std::int32_t serialDay);
    static COleDateTime Invalid();

    // Rebuilds the date; an impossible date leaves the object invalid.
    void SetDate(int year, int month, int day);

    DateTimeStatus GetStatus() const { return status_; }
    bool IsValid() const { return status_ == valid; }

    // Each getter returns -1 for an invalid date.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetDayOfWeek() const;  // kSunday = 1 ... kSaturday = 7
    static constexpr int kSunday = 1;
    static constexpr int kSaturday = 7;

    std::int32_t Serial() const { return serial_; }

    // Whole-day arithmetic; an invalid date stays invalid, and a result outside
    // the valid years becomes invalid.
    COleDateTime operator+(int days) const;
    COleDateTime operator-(int days) const;
    int operator-(const COleDateTime& other) const { return serial_ - other.serial_; }

    bool operator==(const COleDateTime& other) const = default;
    std::strong_ordering operator<=>(const COleDateTime& other) const { return serial_ <=> other.serial_; }

    static bool IsLeapYear(int year);
    static int DaysInMonth(int year, int month);  // 0 for a month outside 1..12

private:
    std::int32_t serial_ = 0;
    DateTimeStatus status_ = valid;
};
