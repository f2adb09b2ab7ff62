// Reading a whole section of 100,000 lines, which takes the doubling buffer
// through many rounds.
#include <benchmark/benchmark.h>

#include "BenchFiles.h"
#include "Platform.h"
#include "ProfileAccess.h"

namespace {

void BM_ReadProfileSection(benchmark::State& state) {
    BenchFolder folder;
    Platform& platform = PortablePlatform();
    const std::string settings = folder.File("Wispane Calendar.ini");
    WriteSectionLines(platform.profile, settings, "Schedule", ScheduleLines(static_cast<int>(state.range(0))));
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = ReadProfileSection(platform.profile, settings, "Schedule").size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReadProfileSection)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
