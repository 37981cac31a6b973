// Costs of the algebra values the solvers use at every stage: writing an
// equation as a step record, and comparing rationals.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "algebra/algebra_records.hpp"

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

}  // namespace
