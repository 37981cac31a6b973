// The whole worked solution of a/(b√c), opening and summary steps included,
// over a fixed grid of problems that mixes every path of the model.
#include <benchmark/benchmark.h>

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

// One iteration solves one problem; the reported time is per problem.
void BM_FormASolution(benchmark::State& state) {
    const std::vector<Radixmender_A_Model> models = grid();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(models[i].steps("application"));
        i = i + 1 == models.size() ? 0 : i + 1;
    }
    state.counters["problems"] = static_cast<double>(models.size());
}
BENCHMARK(BM_FormASolution);

}  // namespace
