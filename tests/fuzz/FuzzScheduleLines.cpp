// Schedule lines: the input's lines go through the store and back out as the
// section it writes, which must read back to the same lines; then the input is
// the "Schedule" section of a settings file for a day-state request across a
// year end, and the store writes the section back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzWorkspace.h"
#include "HolidayCalendarModel.h"
#include "LocaleFacts.h"
#include "ScheduleStore.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Keys in the system's code page order the store; every entry must be found
// again by its key, and the written section must read back unchanged.
void CheckSectionLinesReadBack(const std::vector<std::string>& lines) {
    const unsigned codePage = FuzzWorkspace::Get().platform().locale.AnsiCodePage();
    ScheduleStore store(codePage);
    store.LoadLines(lines);
    for (const auto& [key, text] : store.entries()) Require(store.Find(key) == &text);
    const std::vector<std::string> written = store.SectionLines();
    ScheduleStore reread(codePage);
    reread.LoadLines(written);
    Require(reread.SectionLines() == written);
}

void ComputeWithSection(std::string_view section) {
    FuzzWorkspace& workspace = FuzzWorkspace::Get();
    workspace.Write("Wispane Calendar.ini", "[Schedule]\n" + std::string(section) + "\n");
    HolidayCalendarModel model(workspace.platform());
    model.lcid = 1041;
    model.holidayFile = "Holiday.ini";
    model.settingsFilePath = "Wispane Calendar.ini";
    HolidayCalendarModel::ForgetHolidayTablesYear();
    DayStateRequest request;
    request.startYear = 2025;
    request.startMonth = 12;
    request.count = 3;
    long result = 0;
    model.OnGetDayState(request, &result);
    model.WriteSchedulesSection(model.settingsFilePath);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckSectionLinesReadBack(InputLines(data, size));
    ComputeWithSection(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
