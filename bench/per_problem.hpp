#pragma once
// Times whole solutions over a fixed grid of problems, one problem per
// iteration, so the time per iteration is the mean per problem. The counters
// give each problem's own median time (over the passes through the grid):
// the median of those over the grid and the slowest, in microseconds, and
// the blocks allocated per problem (mean over the grid). Every record of a
// solution is read, so that rows written out only when first read count.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/allocation_count.hpp"
#include "records/types.hpp"

namespace radixmender::bench {

// Reads the rows of every line of every step.
inline void readRows(const Steps& steps) {
    for (const Step& step : steps)
        for (const Record& line : step) benchmark::DoNotOptimize(line.data());
}

// Times `solve(i)` for i = 0 … count − 1 in turn, one per iteration.
template <typename Solve>
void timeEach(benchmark::State& state, std::size_t count, Solve solve) {
    std::vector<std::vector<double>> times(count);
    // Room for the passes a run makes, so that recording a time does not
    // allocate between the solutions being timed.
    for (auto& t : times) t.reserve(128);
    std::size_t i = 0;
    const std::size_t allocationsBefore = allocationCount;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        solve(i);
        times[i].push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        i = i + 1 == count ? 0 : i + 1;
    }
    const auto allocations = static_cast<double>(allocationCount - allocationsBefore);
    std::vector<double> perProblem;
    for (auto& t : times) {
        if (t.empty()) continue;
        std::sort(t.begin(), t.end());
        perProblem.push_back(t[t.size() / 2]);
    }
    std::sort(perProblem.begin(), perProblem.end());
    state.counters["problems"] = static_cast<double>(count);
    if (state.iterations() > 0)
        state.counters["allocs_per_problem"] = allocations / static_cast<double>(state.iterations());
    if (!perProblem.empty()) {
        state.counters["median_problem_us"] = perProblem[perProblem.size() / 2];
        state.counters["slowest_problem_us"] = perProblem.back();
    }
}

template <typename Model>
void timeEachProblem(benchmark::State& state, const std::vector<Model>& problems) {
    timeEach(state, problems.size(),
             [&problems](std::size_t i) { readRows(problems[i].steps("application").detailSteps); });
}

}  // namespace radixmender::bench
