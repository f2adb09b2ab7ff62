#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "COleDateTime.h"
#include "HolidayCalendarModel.h"

struct Platform;

// A day the calendar marks, with the label its tooltip shows (system code page).
struct MarkedDay {
    COleDateTime date;
    std::string label;
};

// The days the calendar marks, each labelled as while its month is on view:
// the platform control then asks for that month with the months around it.
class HolidayListing {
public:
    HolidayListing(Platform& platform, std::uint32_t lcid, const std::string& holidayFile,
                   const std::string& settingsFile);

    std::vector<MarkedDay> MarkedDaysOfMonth(int year, int month);
    // One line "YYYY-MM-DD<TAB>label" in UTF-8 per marked day of the years, in
    // date order; false when the stream failed.
    bool Write(std::ostream& out, int fromYear, int toYear);

private:
    Platform& platform_;
    HolidayCalendarModel model_;
};
