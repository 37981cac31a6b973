// Whole worked solutions of the three quadratic solvers over a fixed set of
// 200 quadratics a·x² + b·x + c = d·x + e with small fractions spread over
// both sides, in the fraction style: roots rational, irrational and none.
// The argument is the method: 0 factoring, 1 the formula, 2 completing the square.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/per_problem.hpp"
#include "solvers/quadratic_solvers.hpp"

namespace {

using namespace radixmender;

std::vector<PolyEquation> quadratics() {
    std::mt19937 rng(19);
    const auto draw = [&rng](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    const auto coefficient = [&] {
        return Rational(draw(-10, 10), std::array{1, 1, 2, 3, 4, 10}[draw(0, 5)]);
    };
    std::vector<PolyEquation> result;
    while (result.size() < 200) {
        const std::int64_t a = draw(-6, 6);
        if (a == 0) continue;
        result.emplace_back(
            Polynomial({Monomial(Rational(a, 1), 2), Monomial(coefficient(), 1), Monomial(coefficient(), 0)}),
            Polynomial({Monomial(coefficient(), 1), Monomial(coefficient(), 0)}), Relation::equal_to);
    }
    return result;
}

void BM_QuadraticSolver(benchmark::State& state) {
    static const std::vector<PolyEquation> problems = quadratics();
    const auto method = static_cast<Quadratic_method>(state.range(0));
    bench::timeEach(state, problems.size(), [&](std::size_t i) {
        bench::readRows(
            solveQuadratic(problems[i], method, {.colored = true, .method = Method::smart}).steps);
    });
}
BENCHMARK(BM_QuadraticSolver)
    ->ArgName("method")
    ->Arg(static_cast<int>(Quadratic_method::formula))
    ->Arg(static_cast<int>(Quadratic_method::factor))
    ->Arg(static_cast<int>(Quadratic_method::complete_the_square));

}  // namespace
