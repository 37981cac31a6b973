// Costs of the integer helpers the models call at every step and of writing
// one typical line.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>

#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"

namespace {

using namespace radixmender;

// Every radicand in [1, range): the entries the screens allow and beyond.
void BM_SimplifySquareRootRange(benchmark::State& state) {
    const std::int64_t range = state.range(0);
    for (auto _ : state) {
        for (std::int64_t n = 1; n < range; ++n) benchmark::DoNotOptimize(simplifySquareRoot(n));
    }
    state.SetItemsProcessed(state.iterations() * (range - 1));
}
BENCHMARK(BM_SimplifySquareRootRange)->Arg(1000)->Arg(100000);

// The slowest kind of argument: a large prime leaves the trial division
// running up to its cube root.
void BM_SimplifySquareRootLargePrime(benchmark::State& state) {
    const std::int64_t prime = 9223372036854775783;  // the largest prime below 2^63
    for (auto _ : state) benchmark::DoNotOptimize(simplifySquareRoot(prime));
}
BENCHMARK(BM_SimplifySquareRootLargePrime);

void BM_Gcd(benchmark::State& state) {
    std::int64_t a = 1134903170, b = 701408733;  // consecutive Fibonacci numbers: the most steps
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(gcd(a, -b));
    }
}
BENCHMARK(BM_Gcd);

void BM_GcdSmall(benchmark::State& state) {
    for (auto _ : state) {
        for (std::int64_t a = -500; a < 500; a += 7) benchmark::DoNotOptimize(gcd(a, 360));
    }
}
BENCHMARK(BM_GcdSmall);

// The line 3/(2√5), built the way the models build it.
void BM_WriteThreeOverTwoRootFive(benchmark::State& state) {
    for (auto _ : state) {
        Record line = makeJoinRecord(text::kSlash, makeIntegerRecord(3),
                                     makeJoinRecord(text::kPaperclip, makeIntegerRecord(2),
                                                    makeUnaryRecord(text::kRadical, makeIntegerRecord(5))));
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_WriteThreeOverTwoRootFive);

}  // namespace
