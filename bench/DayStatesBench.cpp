// The day-state request of a three-month view, as the calendar makes it for each
// month it shows: it rereads the "Schedule" section and looks up every day.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "BenchFiles.h"
#include "HolidayCalendarModel.h"
#include "Platform.h"
#include "ProfileAccess.h"

namespace {

void ComputeThreeMonths(benchmark::State& state, int startYear, int startMonth) {
    const int count = static_cast<int>(state.range(0));
    BenchFolder folder;
    Platform& platform = PortablePlatform();
    const std::string settings = folder.File("Wispane Calendar.ini");
    WriteSectionLines(platform.profile, settings, "Schedule", ScheduleLines(count));
    // Saved a while ago, as a user's file is: a file written within the last two
    // seconds is read again at every request.
    std::error_code noFile;  // none is made for no schedules
    std::filesystem::last_write_time(settings, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1),
                                     noFile);

    HolidayCalendarModel model(platform);
    model.lcid = 1041;
    model.holidayFile = WISPANE_HOLIDAY_INI;
    model.settingsFilePath = settings;
    for (auto _ : state) {
        model.ComputeDayStates(DayStateRequest{startYear, startMonth, 3, nullptr});
        benchmark::DoNotOptimize(model.dayStates());
    }
    state.counters["schedules"] = count;
    state.counters["loaded"] = static_cast<double>(model.schedules().entries().size());
}

// May 2026 on view: the holiday tables of the year are built once.
void BM_ComputeDayStates(benchmark::State& state) { ComputeThreeMonths(state, 2026, 4); }
BENCHMARK(BM_ComputeDayStates)
    ->Arg(0)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

// December 2025 on view: every request rebuilds the holidays of 2025 and 2026.
void BM_ComputeDayStatesAcrossYearEnd(benchmark::State& state) { ComputeThreeMonths(state, 2025, 11); }
BENCHMARK(BM_ComputeDayStatesAcrossYearEnd)->Arg(1'000)->Unit(benchmark::kMicrosecond);

}  // namespace
