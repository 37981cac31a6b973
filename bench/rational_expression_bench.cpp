// The whole simplification of a rational expression (sorting, negatives,
// common factors, rational roots, highlighting and cancelling, in rounds
// until the final forms answer) over a fixed set of 200 expressions N/D with
// integer coefficients, built from shared and own linear factors, contents,
// powers of x and at times x² + k, of degree up to 6 on each side.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/per_problem.hpp"
#include "tests/support/expression_pipeline.hpp"

namespace {

using namespace radixmender;
using Coefficients = std::vector<std::int64_t>;  // highest power first

Coefficients times(const Coefficients& p, const Coefficients& q) {
    Coefficients r(p.size() + q.size() - 1, 0);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j) r[i + j] += p[i] * q[j];
    return r;
}

Polynomial_XL flat(const Coefficients& c) {
    std::vector<Term_XL> terms;
    for (std::size_t i = 0; i < c.size(); ++i)
        if (c[i] != 0) terms.emplace_back(Monomial(Rational(c[i], 1), c.size() - 1 - i));
    return Polynomial_XL({terms});
}

std::vector<Rational_Expression> expressions() {
    std::mt19937 rng(16);
    const auto draw = [&rng](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    const auto linear = [&draw]() { return Coefficients{draw(1, 3), draw(-5, 5) | 1}; };
    std::vector<Rational_Expression> result;
    while (result.size() < 200) {
        Coefficients shared = {1};
        for (std::int64_t k = draw(1, 2); k > 0; --k) shared = times(shared, linear());
        Coefficients sides[2];
        for (Coefficients& side : sides) {
            side = times(shared, {draw(1, 3) * (draw(0, 3) ? 1 : -1)});
            if (draw(0, 2) == 0) side = times(side, {1, 0});
            for (std::int64_t k = draw(0, 2); k > 0; --k) side = times(side, linear());
            if (draw(0, 4) == 0) side = times(side, {1, 0, draw(1, 3)});
        }
        if (sides[0].size() > 7 || sides[1].size() > 7) continue;
        result.emplace_back(flat(sides[0]), flat(sides[1]));
    }
    return result;
}

void BM_SimplifyRationalExpression(benchmark::State& state) {
    const std::vector<Rational_Expression> all = expressions();
    bench::timeEach(state, all.size(), [&all](std::size_t i) {
        benchmark::DoNotOptimize(testing::runPipeline(all[i], 12, [](const ExpressionPair&) {}));
    });
}
BENCHMARK(BM_SimplifyRationalExpression);

}  // namespace
