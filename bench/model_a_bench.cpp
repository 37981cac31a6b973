// The whole worked solution of a/(b√c), opening and summary steps included
// (the output built and freed), over a fixed grid of problems that mixes
// every path of the model.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench/per_problem.hpp"
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

void BM_FormASolution(benchmark::State& state) {
    radixmender::bench::timeEachProblem(state, grid());
}
BENCHMARK(BM_FormASolution)->MinTime(1.0);

}  // namespace
