#include "HolidayListing.h"

#include <cstdio>

#include "DateKeys.h"
#include "DayStateRequest.h"
#include "LocaleFacts.h"
#include "Platform.h"

namespace {

// The month control shows one month and asks for it with its neighbours.
constexpr int kRequestedMonths = 3;
constexpr int kShownWord = 1;

std::string IsoDate(const COleDateTime& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

}  // namespace

HolidayListing::HolidayListing(Platform& platform, std::uint32_t lcid, const std::string& holidayFile,
                               const std::string& settingsFile)
    : platform_(platform), model_(platform) {
    model_.lcid = lcid;
    model_.holidayFile = holidayFile;
    model_.settingsFilePath = settingsFile;
}

std::vector<MarkedDay> HolidayListing::MarkedDaysOfMonth(int year, int month) {
    DayStateRequest request{month == 1 ? year - 1 : year, month == 1 ? 12 : month - 1, kRequestedMonths,
                            nullptr};
    long result = 0;
    model_.OnGetDayState(request, &result);
    const std::uint32_t shown = request.answer[kShownWord];

    std::vector<MarkedDay> days;
    for (int day = 1; day <= COleDateTime::DaysInMonth(year, month); ++day) {
        if (!((shown >> (day - 1)) & 1u)) continue;
        const COleDateTime date(year, month, day);
        const std::string* label = model_.FindDayLabel(platform_.dateKeys.Format(date));
        days.push_back({date, label ? *label : std::string()});
    }
    return days;
}

bool HolidayListing::Write(std::ostream& out, int fromYear, int toYear) {
    const LocaleFacts& locale = platform_.locale;
    for (int year = fromYear; year <= toYear && out; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (const MarkedDay& day : MarkedDaysOfMonth(year, month)) {
                out << IsoDate(day.date) << '\t' << locale.Utf8FromSystemText(day.label) << '\n';
            }
        }
    }
    return static_cast<bool>(out.flush());
}
