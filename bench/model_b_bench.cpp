// The whole worked solution of a/(b + c√d) and of a/(b√c + d), opening and
// summary steps included, over a fixed grid of problems that mixes every path
// of the model (errors, hand-overs to form A, "simple" answers, both orders).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/per_problem.hpp"
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

void BM_FormBSolution(benchmark::State& state, const char* templateText) {
    radixmender::bench::timeEachProblem(state, grid(templateText));
}
BENCHMARK_CAPTURE(BM_FormBSolution, WholeFirst, radixmender::kTemplateWholeFirst)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_FormBSolution, RadicalFirst, radixmender::kTemplateRadicalFirst)->MinTime(1.0);

}  // namespace
