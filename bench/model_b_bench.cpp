// The whole worked solution of a/(b + c√d) and of a/(b√c + d), opening and
// summary steps included, over a fixed grid of problems that mixes every path
// of the model (errors, hand-overs to form A, "simple" answers, both orders).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "models/radixmender_b_model.hpp"

namespace {

using radixmender::Radixmender_B_Model;

// For a/(b√c + d) the radicand is c; the grid gives the radicand the same
// values in both templates.
std::vector<Radixmender_B_Model> grid(const std::string& templateText) {
    const bool wholeFirst = templateText == radixmender::kTemplateWholeFirst;
    std::vector<Radixmender_B_Model> models;
    for (std::int64_t a : {-36, -5, 0, 1, 6, 24})
        for (std::int64_t first : {-12, -1, 2, 3, 8})
            for (std::int64_t second : {-6, 0, 1, 4, 9})
                for (std::int64_t radicand : {-3, 1, 2, 9, 12, 18, 45, 50, 72, 300})
                    for (const char* order : {"simplify \u221A before", "simplify \u221A after"}) {
                        if (wholeFirst)
                            models.push_back({a, first, second, radicand, templateText, order});
                        else
                            models.push_back({a, first, radicand, second, templateText, order});
                    }
    return models;
}

// One iteration solves one problem, so the time per iteration is the mean per
// problem over the grid. The counters give each problem's own median time
// (over the passes through the grid): the median of those over the grid and
// the slowest, in microseconds.
void BM_FormBSolution(benchmark::State& state, const char* templateText) {
    const std::vector<Radixmender_B_Model> models = grid(templateText);
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
BENCHMARK_CAPTURE(BM_FormBSolution, WholeFirst, radixmender::kTemplateWholeFirst)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_FormBSolution, RadicalFirst, radixmender::kTemplateRadicalFirst)->MinTime(1.0);

}  // namespace
