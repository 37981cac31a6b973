// Whole worked solutions of a/(b√c + d√e), as the form C screen asks for
// them, over a fixed grid that mixes the general path in both orders with the
// hand-overs and closed cases. The per-problem time is the counter
// "per_problem" (seconds per solution, building and freeing the output).
#include <benchmark/benchmark.h>

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

void BM_FormCWholeSolution(benchmark::State& state) {
    const std::vector<Radixmender_C_Model> problems = grid();
    for (auto _ : state) {
        for (const Radixmender_C_Model& problem : problems) {
            auto output = problem.steps();
            benchmark::DoNotOptimize(output);
        }
    }
    state.counters["per_problem"] =
        benchmark::Counter(static_cast<double>(problems.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FormCWholeSolution)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
