#pragma once
#include <cstdint>

// Result codes of the month-calendar control's hit test (MCHT_*).
namespace MonthCalHitCode {
constexpr std::uint32_t kTitleBackground = 0x00010000;      // MCHT_TITLEBK
constexpr std::uint32_t kTitleMonth = 0x00010001;           // MCHT_TITLEMONTH
constexpr std::uint32_t kTitleYear = 0x00010002;            // MCHT_TITLEYEAR
constexpr std::uint32_t kTitleButtonNext = 0x01010003;      // MCHT_TITLEBTNNEXT
constexpr std::uint32_t kTitleButtonPrevious = 0x02010003;  // MCHT_TITLEBTNPREV
constexpr std::uint32_t kCalendarBackground = 0x00020000;   // MCHT_CALENDARBK
constexpr std::uint32_t kCalendarDate = 0x00020001;         // MCHT_CALENDARDATE
constexpr std::uint32_t kCalendarDatePrevious = 0x02020001; // MCHT_CALENDARDATEPREV
constexpr std::uint32_t kCalendarDay = 0x00020002;          // MCHT_CALENDARDAY: weekday header
}  // namespace MonthCalHitCode
