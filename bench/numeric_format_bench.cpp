// How long the number texts take: the grid's "#,0" is written for some 500
// cells per calculation, so it has to stay far below a microsecond.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "numeric/NumberText.h"

namespace {

using kalvio::Extended;
using kalvio::NumberPattern;

// Amounts as a schedule produces them: fractions of a unit, up to 10^12.
std::vector<Extended> Amounts(long double scale)
{
    std::mt19937_64 random(42);
    std::vector<Extended> values;
    for (int i = 0; i < 1024; ++i) {
        Extended v = static_cast<Extended>(static_cast<long double>(random() % 1000000007) / 1000000007.0L);
        values.push_back(v * static_cast<Extended>(scale) / Extended(7));
    }
    return values;
}

void PatternBench(benchmark::State &state, NumberPattern pattern, long double scale)
{
    const std::vector<Extended> values = Amounts(scale);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvio::FormatPattern(values[i++ & 1023], pattern));
    }
}

BENCHMARK_CAPTURE(PatternBench, Grouped0_Amounts, NumberPattern::Grouped0, 1e12L);
BENCHMARK_CAPTURE(PatternBench, Grouped0_Small, NumberPattern::Grouped0, 1000.0L);
BENCHMARK_CAPTURE(PatternBench, Grouped0_Residuals, NumberPattern::Grouped0, 1e-11L);
BENCHMARK_CAPTURE(PatternBench, Grouped0_Huge, NumberPattern::Grouped0, 1e25L);
BENCHMARK_CAPTURE(PatternBench, Plain14_Amounts, NumberPattern::Plain14, 1e6L);
BENCHMARK_CAPTURE(PatternBench, Plain14_Tiny, NumberPattern::Plain14, 1e-12L);

void BM_FixedGrouped3(benchmark::State &state)
{
    const std::vector<Extended> values = Amounts(100.0L);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvio::FormatFixed(values[i++ & 1023], 6, 3, true));
    }
}
BENCHMARK(BM_FixedGrouped3);

void BM_ShortestText(benchmark::State &state)
{
    const std::vector<Extended> values = Amounts(1e6L);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvio::ShortestText(values[i++ & 1023]));
    }
}
BENCHMARK(BM_ShortestText);

void BM_ParseDecimal_Short(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvio::ParseDecimal<Extended>("1234567.125"));
    }
}
BENCHMARK(BM_ParseDecimal_Short);

void BM_PowerOfTen(benchmark::State &state)
{
    int e = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvio::PowerOfTen<Extended>(e - 15));
        e = (e + 1) & 31;
    }
}
BENCHMARK(BM_PowerOfTen);

} // namespace
