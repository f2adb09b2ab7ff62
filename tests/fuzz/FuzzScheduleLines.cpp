// Schedule lines: the input is the "Schedule" section of a settings file for a
// day-state request; the store that read it must find every entry by its key and
// give its lines back in key order, and it writes the section back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzWorkspace.h"
#include "HolidayCalendarModel.h"
#include "ScheduleRows.h"
#include "ScheduleStore.h"

namespace {

constexpr const char* kSettingsFile = "Wispane Calendar.ini";

void Require(bool condition) {
    if (!condition) std::abort();
}

// Every entry is found again by its key, and the section comes out in the key
// order of the system's code page: a stable sort of it would change nothing.
void CheckStore(const ScheduleStore& store) {
    for (const auto& [key, text] : store.entries()) Require(store.Find(key) == &text);
    const std::vector<std::string> written = store.SectionLines();
    std::vector<std::string> dates;
    dates.reserve(written.size());
    for (const std::string& line : written) dates.push_back(ScheduleRowFromLine(line).date);
    Require(std::is_sorted(dates.begin(), dates.end(), store.entries().key_comp()));
}

// One model for the run: its holiday tables depend on nothing the input holds,
// and every write of the settings file makes the store read it again.
HolidayCalendarModel& Model() {
    static HolidayCalendarModel* model = [] {
        auto* created = new HolidayCalendarModel(FuzzWorkspace::Get().platform());
        created->lcid = 1041;
        created->holidayFile = "Holiday.ini";
        created->settingsFilePath = kSettingsFile;
        return created;
    }();
    return *model;
}

void ComputeWithSection(std::string_view section) {
    FuzzWorkspace& workspace = FuzzWorkspace::Get();
    workspace.Write(kSettingsFile, "[Schedule]\n" + std::string(section) + "\n");
    HolidayCalendarModel& model = Model();
    // Three months of one year, so the tables are built once.
    DayStateRequest request;
    request.startYear = 2026;
    request.startMonth = 10;
    request.count = 3;
    long result = 0;
    model.OnGetDayState(request, &result);
    CheckStore(model.schedules());
    model.WriteSchedulesSection(kSettingsFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ComputeWithSection(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
