#pragma once
#include <cstdint>

// The fields of the month calendar's day-state request (NMDAYSTATE) in use.
struct DayStateRequest {
    int startYear = 0;   // stStart.wYear
    int startMonth = 0;  // stStart.wMonth
    int count = 0;       // cDayState: number of months
    std::uint32_t* answer = nullptr;  // prgDayState: one MONTHDAYSTATE word per month
};
