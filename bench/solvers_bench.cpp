// Costs of the judgements and transforms the solvers run at every stage, on
// the six-term equation 3x² − 1/2·x + 5 = 7/3·x² + x − 4 and on the linear
// 3x + 2 = 5x + 1.
#include <benchmark/benchmark.h>

#include "solvers/clean_up.hpp"
#include "solvers/moving_terms.hpp"
#include "solvers/rearranging.hpp"
#include "solvers/verdicts.hpp"

namespace {

using namespace radixmender;

Monomial term(std::int64_t n, std::int64_t d, std::uint64_t e) { return {Rational(n, d), e}; }

const PolyEquation kQuadratic(Polynomial({term(3, 1, 2), term(-1, 2, 1), term(5, 1, 0)}),
                              Polynomial({term(7, 3, 2), term(1, 1, 1), term(-4, 1, 0)}), Relation::equal_to);
const PolyEquation kLinear(Polynomial({term(3, 1, 1), term(2, 1, 0)}),
                           Polynomial({term(5, 1, 1), term(1, 1, 0)}), Relation::equal_to);

// Clean-up, standard form and the analysis, as a quadratic driver runs them.
void BM_CleanUpAndAnalyseQuadratic(benchmark::State& state) {
    for (auto _ : state) {
        const PolyEquation clean =
            combiningLikeTerms(reducingCoefficients(removingZeroTerms(kQuadratic, true)), false).equation;
        const PolyEquation cleared = clearingFractions(clean);
        benchmark::DoNotOptimize(exchangeSidesStep(cleared));
        benchmark::DoNotOptimize(analyzeQuadratic(cleared));
    }
}
BENCHMARK(BM_CleanUpAndAnalyseQuadratic);

// The verdict and both term moves of the linear core.
void BM_LinearVerdictAndTermMoves(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(linearSolution(kLinear));
        const auto moved = transposeAdvice(kLinear, Technique::transpose, true, Method::standard);
        benchmark::DoNotOptimize(editTermsStep(moved->equations.back(), Technique::transpose, true));
    }
}
BENCHMARK(BM_LinearVerdictAndTermMoves);

}  // namespace
