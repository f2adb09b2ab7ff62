// Building one year's holiday tables from the shipped rule file.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "BenchFiles.h"
#include "HolidayCalendarModel.h"
#include "Platform.h"

namespace {

void BM_BuildHolidays(benchmark::State& state) {
    BenchFolder folder;
    HolidayCalendarModel model(PortablePlatform());
    model.lcid = static_cast<std::uint32_t>(state.range(0));
    model.holidayFile = WISPANE_HOLIDAY_INI;
    model.settingsFilePath = folder.File("Wispane Calendar.ini");
    int records = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.BuildHolidays(2026));
    }
    for (const auto& table : model.holidayTables()) records += static_cast<int>(table.size());
    state.counters["holidays"] = records;
}
// Japan and the United States, and the largest sections with weekend rules: South
// Africa and Britain, read for the years on either side too.
BENCHMARK(BM_BuildHolidays)
    ->ArgName("lcid")
    ->Arg(1041)
    ->Arg(1033)
    ->Arg(7177)
    ->Arg(2057)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
