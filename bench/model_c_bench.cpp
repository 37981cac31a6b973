// Whole worked solutions of a/(b√c + d√e), as the form C screen asks for
// them (opening and summary steps included, the output built and freed), over
// a fixed grid of the general path in both orders: different radicands with
// and without square factors, radicals that become alike, common factors,
// and b²c = d²e in both sign pairs (the advisory and the error).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "models/radixmender_c_model.hpp"
#include "models/shapes.hpp"

namespace {

using radixmender::Radixmender_C_Model;

std::vector<Radixmender_C_Model> grid() {
    std::vector<Radixmender_C_Model> problems;
    for (const std::int64_t a : {1, -6, 35})
        for (const std::int64_t b : {1, -2, 6})
            for (const std::int64_t c : {2, 8, 12, 45})
                for (const std::int64_t d : {-1, 3, 4})
                    for (const std::int64_t e : {3, 5, 18, 20})
                        for (const char* order :
                             {radixmender::shapes::kOrderBefore, radixmender::shapes::kOrderAfter})
                            problems.push_back({a, b, c, d, e, order});
    return problems;
}

// One iteration solves one problem, so the time per iteration is the mean
// over the grid. The counters give each problem's own median time (over the
// passes through the grid): the median of those over the grid and the
// slowest, in microseconds.
void BM_FormCWholeSolution(benchmark::State& state) {
    const std::vector<Radixmender_C_Model> problems = grid();
    std::vector<std::vector<double>> times(problems.size());
    // Room for the passes a run makes, so that recording a time does not
    // allocate between the solutions being timed.
    for (auto& t : times) t.reserve(128);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(problems[i].steps());
        times[i].push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        i = i + 1 == problems.size() ? 0 : i + 1;
    }
    std::vector<double> perProblem;
    for (auto& t : times) {
        if (t.empty()) continue;
        std::sort(t.begin(), t.end());
        perProblem.push_back(t[t.size() / 2]);
    }
    std::sort(perProblem.begin(), perProblem.end());
    state.counters["problems"] = static_cast<double>(problems.size());
    if (!perProblem.empty()) {
        state.counters["median_problem_us"] = perProblem[perProblem.size() / 2];
        state.counters["slowest_problem_us"] = perProblem.back();
    }
}
BENCHMARK(BM_FormCWholeSolution)->MinTime(1.0);

}  // namespace
