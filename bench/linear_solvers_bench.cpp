// Whole worked solutions of the linear solvers, one per iteration: 200 fixed
// linear equations and inequalities with fractions (1 to 3 terms a side,
// numerators in ±12, denominators 1 to 6), equation i under option set
// i mod 96 (technique, method, style, colored, clearing, continued), so that
// every option set is timed; and 96 of them with the left side in
// parentheses under a multiplier, each under its own option set.
#include <benchmark/benchmark.h>

#include <random>

#include "bench/per_problem.hpp"
#include "solvers/linear_core.hpp"
#include "solvers/linear_parentheses.hpp"

namespace {

using namespace radixmender;

struct FirstDraw final : RandomSource {
    std::int64_t uniform(std::int64_t low, std::int64_t) override { return low; }
    bool coin() override { return true; }
};

std::vector<PolyEquation> equations() {
    std::mt19937_64 rng(200);
    const auto pick = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(rng);
    };
    const auto side = [&] {
        std::vector<Monomial> terms;
        for (std::int64_t n = pick(1, 3); n > 0; --n)
            terms.emplace_back(Rational(pick(-12, 12), pick(1, 6)), static_cast<std::uint64_t>(pick(0, 1)));
        return Polynomial(terms);
    };
    std::vector<PolyEquation> all;
    while (all.size() < 200) all.emplace_back(side(), side(), static_cast<Relation>(pick(0, 4)));
    return all;
}

// Every option set, drawing with `random`.
std::vector<SolverOptions> optionSets(RandomSource& random) {
    std::vector<SolverOptions> all;
    for (const Technique t : {Technique::balance, Technique::transpose})
        for (const Method m : {Method::standard, Method::smart})
            for (const Style s : {Style::fraction, Style::rational_fraction, Style::decimal})
                for (int flags = 0; flags < 8; ++flags)
                    all.push_back({.technique = t,
                                   .colored = bool(flags & 1),
                                   .continued = bool(flags & 4),
                                   .style = s,
                                   .method = m,
                                   .fractions = bool(flags & 2),
                                   .clearing = bool(flags & 2),
                                   .random = random});
    return all;
}

FirstDraw firstDraw;

void BM_LinearCoreWholeSolutions(benchmark::State& state) {
    static const std::vector<PolyEquation> problems = equations();
    static const std::vector<SolverOptions> options = optionSets(firstDraw);
    radixmender::bench::timeEach(state, problems.size(), [&](std::size_t i) {
        radixmender::bench::readRows(solveLinear(problems[i], options[i % options.size()]).steps);
    });
}
BENCHMARK(BM_LinearCoreWholeSolutions);

// k·(left side) = right side, k from the right side's first coefficient.
void BM_LinearParenthesesWholeSolutions(benchmark::State& state) {
    static const std::vector<Ext_polyEquation> problems = [] {
        std::vector<Ext_polyEquation> all;
        for (const PolyEquation& e : equations()) {
            if (all.size() == 96) break;
            std::vector<Term> inner, right;
            for (const Monomial& m : e.LHS.terms)
                inner.emplace_back(m, std::pair<bool, std::uint64_t>{false, 0});
            for (const Monomial& m : e.RHS.terms)
                right.emplace_back(m, std::pair<bool, std::uint64_t>{false, 0});
            const Term carrier(Monomial(Rational(e.RHS.terms[0].coefficient.numerator | 1, 2), 0), {true, 0});
            all.emplace_back(Ext_polynomial({inner, {carrier}}), Ext_polynomial({right}), e.relation);
        }
        return all;
    }();
    static const std::vector<SolverOptions> options = optionSets(firstDraw);
    radixmender::bench::timeEach(state, problems.size(), [&](std::size_t i) {
        radixmender::bench::readRows(solveLinear(problems[i], options[i]).steps);
    });
}
BENCHMARK(BM_LinearParenthesesWholeSolutions);

}  // namespace
