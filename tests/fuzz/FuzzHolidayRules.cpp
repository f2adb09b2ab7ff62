// Rule lines: the input is the body of the Japanese and the US section of a rule
// file, read raw from Holiday.ini and, after a whole-section write, from the
// settings file; then the holidays of years around the rule changes are built
// and the day states of a request across a year end are computed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzWorkspace.h"
#include "HolidayCalendarModel.h"
#include "Platform.h"
#include "PrivateProfile.h"

namespace {
constexpr const char* kHolidayFile = "Holiday.ini";
constexpr const char* kSettingsFile = "Wispane Calendar.ini";
constexpr std::uint32_t kLocales[] = {1041, 1033};
constexpr int kYears[] = {1984, 1985, 2006, 2007, 2019, 2026};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzWorkspace& workspace = FuzzWorkspace::Get();
    Platform& platform = workspace.platform();
    const std::string body(reinterpret_cast<const char*>(data), size);
    workspace.Write(kHolidayFile, "[JPN]\n" + body + "\n[USA]\n" + body + "\n");

    workspace.Write(kSettingsFile, "");
    const std::string block = SectionBlock(InputLines(data, size));
    platform.profile.WriteSection("JPN", block.c_str(), kSettingsFile);
    platform.profile.WriteSection("USA", block.c_str(), kSettingsFile);

    for (const std::uint32_t lcid : kLocales) {
        HolidayCalendarModel model(platform);
        model.lcid = lcid;
        model.holidayFile = kHolidayFile;
        model.settingsFilePath = kSettingsFile;
        for (const int year : kYears) model.BuildHolidays(year);

        HolidayCalendarModel::ForgetHolidayTablesYear();
        DayStateRequest request;
        request.startYear = 2025;
        request.startMonth = 11;
        request.count = 3;
        long result = 0;
        model.OnGetDayState(request, &result);
        model.RefreshDayStates();
    }
    return 0;
}
