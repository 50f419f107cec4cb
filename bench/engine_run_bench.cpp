// One RunCalculation at the longest period count the field allows, per mode:
// 999 rows computed, 100 rows of cell texts formatted.  Goal: 250 us median.
#include <benchmark/benchmark.h>

#include "engine/CalcMode.h"
#include "engine/RunCalculation.h"

namespace kalvio {
namespace {

void RunAtLongestPeriods(benchmark::State &state, const char *mode, int unit)
{
    CalcRequest request;
    request.CalcMode = mode;
    request.Principal = 123456789012;
    request.RatePercent = 3.125L;
    request.Periods = 999;
    request.PeriodUnit = unit;
    for (auto _ : state) {
        CalcResult result = RunCalculation(request);
        benchmark::DoNotOptimize(result);
    }
}

void RegisterAll()
{
    for (const CalcMode &mode : CalcMode::All()) {
        for (const int unit : {1, 0}) {
            const std::string name =
                "RunCalculation/" + std::string(mode.Key) + (unit == 1 ? "/years" : "/months");
            benchmark::RegisterBenchmark(name.c_str(), RunAtLongestPeriods, mode.Key.data(), unit)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true)
                ->ComputeStatistics("max", [](const std::vector<double> &v) {
                    return *std::max_element(v.begin(), v.end());
                });
        }
    }
}

const bool registered = (RegisterAll(), true);

} // namespace
} // namespace kalvio
