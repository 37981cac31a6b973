// The whole worked solution of a/(b√c), opening and summary steps included
// (the output built and freed), over a fixed grid of problems that mixes
// every path of the model.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "models/radixmender_a_model.hpp"

namespace {

using radixmender::Radixmender_A_Model;

std::vector<Radixmender_A_Model> grid() {
    std::vector<Radixmender_A_Model> models;
    for (std::int64_t a : {-35, -6, 0, 1, 4, 10, 99, 360})
        for (std::int64_t b : {-12, -1, 1, 2, 6, 45})
            for (std::int64_t c : {-3, 0, 1, 2, 8, 9, 12, 18, 50, 72, 75, 300, 997})
                for (const char* order : {"simplify \u221A before", "simplify \u221A after"})
                    models.push_back({a, b, c, order});
    return models;
}

// One iteration solves one problem, so the time per iteration is the mean per
// problem over the grid. The counters give each problem's own median time
// (over the passes through the grid): the median of those over the grid and
// the slowest, in microseconds.
void BM_FormASolution(benchmark::State& state) {
    const std::vector<Radixmender_A_Model> models = grid();
    std::vector<std::vector<double>> times(models.size());
    // Room for the passes a run makes, so that recording a time does not
    // allocate between the solutions being timed.
    for (auto& t : times) t.reserve(128);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(models[i].steps("application"));
        times[i].push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        i = i + 1 == models.size() ? 0 : i + 1;
    }
    std::vector<double> perProblem;
    for (auto& t : times) {
        if (t.empty()) continue;
        std::sort(t.begin(), t.end());
        perProblem.push_back(t[t.size() / 2]);
    }
    std::sort(perProblem.begin(), perProblem.end());
    state.counters["problems"] = static_cast<double>(models.size());
    if (!perProblem.empty()) {
        state.counters["median_problem_us"] = perProblem[perProblem.size() / 2];
        state.counters["slowest_problem_us"] = perProblem.back();
    }
}
BENCHMARK(BM_FormASolution)->MinTime(1.0);

}  // namespace
