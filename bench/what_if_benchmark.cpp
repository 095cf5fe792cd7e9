// The what-if grid: nine projections, run again on every projection and every click on the grid.
#include "bench/bench_support.h"

#include "analysis/what_if.h"

#include <benchmark/benchmark.h>

namespace {

// A 40,00 / 5,000 player, whose slowest pair (both levels 1) takes the most steps; and a player of
// 2000,00 mastery, whose low pairs run long before they stop growing.
void BM_WhatIfSteps(benchmark::State &state, const char *mastery, const char *talent)
{
    const LoopClock clock;
    for (auto _ : state) {
        const WhatIfSteps steps = whatIfSteps(mastery, talent);
        benchmark::DoNotOptimize(steps.data());
    }
    reportMemchrRatio(state, clock, pagesOf20Players().talent);
}
BENCHMARK_CAPTURE(BM_WhatIfSteps, usual, "40,00", "5,000");
BENCHMARK_CAPTURE(BM_WhatIfSteps, high_mastery, "2000,00", "8,000");

} // namespace
