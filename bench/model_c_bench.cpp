// Whole worked solutions of a/(b√c + d√e), as the form C screen asks for
// them (opening and summary steps included, the output built and freed), over
// a fixed grid of the general path in both orders: different radicands with
// and without square factors, radicals that become alike, common factors,
// and b²c = d²e in both sign pairs (the advisory and the error).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench/per_problem.hpp"
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
    radixmender::bench::timeEachProblem(state, grid());
}
BENCHMARK(BM_FormCWholeSolution)->MinTime(1.0);

}  // namespace
