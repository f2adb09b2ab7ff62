#pragma once
#include <string>

// One holiday of the built year.
struct HolidayRecord {
    int month = 0;          // 1..12, the table it lies in
    int day = 0;            // no range test: rules may give any day
    int substitutable = 1;  // takes part in the substitute rule when on a Sunday
    std::string name;       // verbatim, in the system's code page
};
