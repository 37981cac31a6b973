// Costs of the algebra values the solvers use at every stage: writing an
// equation as a step record, and comparing rationals; and the rational-root
// search where the end coefficients have many divisors.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "algebra/algebra_records.hpp"
#include "algebra/factoring.hpp"

namespace {

using namespace radixmender;

// 3x² − 1/2·x + 5 = 7/3·x² + x − 4: six terms with fractions and signs.
PolyEquation sixTermEquation() {
    const auto term = [](std::int64_t n, std::int64_t d, std::uint64_t e) {
        return Monomial(Rational(n, d), e);
    };
    return {Polynomial({term(3, 1, 2), term(-1, 2, 1), term(5, 1, 0)}),
            Polynomial({term(7, 3, 2), term(1, 1, 1), term(-4, 1, 0)}), Relation::equal_to};
}

void BM_WriteSixTermEquation(benchmark::State& state) {
    const PolyEquation equation = sixTermEquation();
    const auto style = static_cast<Style>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(record(equation, style));
}
BENCHMARK(BM_WriteSixTermEquation)
    ->Arg(static_cast<int>(Style::fraction))
    ->Arg(static_cast<int>(Style::rational_fraction))
    ->Arg(static_cast<int>(Style::decimal));

// A million comparisons (<, then ==) of rationals with parts up to 10^9.
void BM_CompareMillionRationals(benchmark::State& state) {
    std::mt19937_64 engine(1);
    std::uniform_int_distribution<std::int64_t> part(-1000000000, 1000000000);
    std::vector<Rational> values;
    for (int i = 0; i < 1000001; ++i) values.emplace_back(part(engine), part(engine) | 1);
    for (auto _ : state) {
        int less = 0, equal = 0;
        for (std::size_t i = 0; i + 1 < values.size(); ++i) {
            less += values[i] < values[i + 1];
            equal += values[i] == values[i + 1];
        }
        benchmark::DoNotOptimize(less);
        benchmark::DoNotOptimize(equal);
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_CompareMillionRationals)->Unit(benchmark::kMillisecond);

// Polynomials whose first and last coefficients have many divisors (up to
// 103,680, N = 897612484786617600 among them), so that the candidate pairs of
// the root search run into the billions; each as (coefficient, exponent) terms.
const std::vector<std::vector<std::pair<std::int64_t, std::uint64_t>>> kCompositeEnds = {
    // The root −229747470880897477/4382069114142720000 comes after 7.2·10⁷ pairs.
    {{4382069114142720000, 1}, {229747470880897477, 0}},
    // No real root.
    {{2097727632000, 2}, {7406158596017, 0}},
    // Two real roots near ±1, neither rational.
    {{897612484786617600, 2}, {-3, 1}, {-897612484786617600, 0}},
    // The roots 720720, 1/720720 and ±√2.
    {{720720, 4}, {-519437318401, 3}, {-720720, 2}, {1038874636802, 1}, {-1441440, 0}},
    // Degree 5, a real root and no rational one.
    {{897612484786617600, 5}, {-11, 4}, {-3, 2}, {897612484786617600, 0}},
    // Five real roots, none rational, between −3 and 3.
    {{963761198400, 5}, {-4818805992000, 3}, {3855044793600, 1}, {-1, 0}},
    // Five real roots near −2, −1, 0, 1 and 2, none rational; both ends with 103,680 divisors.
    {{897612484786617600, 5}, {-4488062423933088000, 3}, {3590449939146470400, 1}, {897612484786617600, 0}},
    // N(x + 1)⁵, rooted at the first pair.
    {{897612484786617600, 5},
     {4488062423933088000, 4},
     {8976124847866176000, 3},
     {8976124847866176000, 2},
     {4488062423933088000, 1},
     {897612484786617600, 0}},
    // N(x − 1)⁴(x + 1), rooted at the first pair.
    {{897612484786617600, 5},
     {-2692837454359852800, 4},
     {1795224969573235200, 3},
     {1795224969573235200, 2},
     {-2692837454359852800, 1},
     {897612484786617600, 0}},
    // N(x + 1), rooted at the first pair.
    {{897612484786617600, 1}, {897612484786617600, 0}},
    // N(x² − x − 1)³: no rational root, the content holding every divisor.
    {{897612484786617600, 6},
     {-2692837454359852800, 5},
     {4488062423933088000, 3},
     {-2692837454359852800, 1},
     {-897612484786617600, 0}},
    // (x² − x − 1)³(Nx² + x − N): no rational root, a content of 1 and triple irrational roots.
    {{897612484786617600, 8},
     {-2692837454359852799, 7},
     {-897612484786617603, 6},
     {7180899878292940800, 5},
     {5, 4},
     {-7180899878292940800, 3},
     {-897612484786617603, 2},
     {2692837454359852799, 1},
     {897612484786617600, 0}},
    // 720x² + (720 − M)x − M with M = 2⁶³ − 1, rooted at the first pair.
    {{720, 2}, {-9223372036854775087, 1}, {-9223372036854775807, 0}},
    // Ex + E with E = 7356623108663615387 = 2641211539 · 2785321433, rooted at the first pair.
    {{7356623108663615387, 1}, {7356623108663615387, 0}},
    // Ex² − E, rooted at the first pair.
    {{7356623108663615387, 2}, {-7356623108663615387, 0}},
    // Ex + F with F = 6370085130211392461 = 2346431561 · 2714796901, rooted at the last of its 16 pairs.
    {{7356623108663615387, 1}, {6370085130211392461, 0}},
    // x² + x + E: no rational root, one large end to split.
    {{1, 2}, {1, 1}, {7356623108663615387, 0}}};

void BM_RationalRootWithCompositeEnds(benchmark::State& state) {
    std::vector<Term_XL> list;
    for (const auto& [n, e] : kCompositeEnds[static_cast<std::size_t>(state.range(0))])
        list.emplace_back(Monomial(Rational(n, 1), e));
    const Polynomial_XL polynomial({list});
    for (auto _ : state) benchmark::DoNotOptimize(findRationalRoot(polynomial));
}
BENCHMARK(BM_RationalRootWithCompositeEnds)->DenseRange(0, 16)->Unit(benchmark::kMicrosecond);

}  // namespace
