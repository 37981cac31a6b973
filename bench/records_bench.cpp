// Costs of the integer helpers the models call at every step, of factorising
// anything up to 2^63, and of writing one typical line.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>

#include "records/integers.hpp"
#include "records/prime_factors.hpp"
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

// Once the slowest kind of argument, when trial division ran up to its cube root.
void BM_SimplifySquareRootLargePrime(benchmark::State& state) {
    const std::int64_t prime = 9223372036854775783;  // the largest prime below 2^63
    for (auto _ : state) benchmark::DoNotOptimize(simplifySquareRoot(prime));
}
BENCHMARK(BM_SimplifySquareRootLargePrime);

// Factorising near the top of the range: the largest primes below 2^63 and
// 2^62, semiprimes of two primes of 31 or 32 bits (the hardest split), a prime
// square, a prime times a small factor, and the 64-bit number with the most
// divisors. Each pass factorises all of them.
const std::int64_t kHardNumbers[] = {
    9223372036854775783,             // the largest prime below 2^63
    4611686018427387847,             // the largest prime below 2^62
    std::int64_t{2147483647} * 2147483629,
    std::int64_t{3037000493} * 3037000453,
    std::int64_t{4294967291} * 2147483629,
    std::int64_t{3037000493} * 3037000493,
    std::int64_t{999999000001} * 9223371,  // a 40-bit prime times 3² · 43 · 23833
    897612484786617600,              // 103680 divisors
};

void BM_PrimeFactorListHardNumbers(benchmark::State& state) {
    for (auto _ : state)
        for (const std::int64_t n : kHardNumbers) benchmark::DoNotOptimize(primeFactorList(n));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(kHardNumbers)));
}
BENCHMARK(BM_PrimeFactorListHardNumbers);

// One argument at a time, to show the slowest.
void BM_PrimeFactorListOne(benchmark::State& state) {
    const std::int64_t n = kHardNumbers[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(primeFactorList(n));
}
BENCHMARK(BM_PrimeFactorListOne)->DenseRange(0, std::size(kHardNumbers) - 1);

// The divisors of a large prime and of the number with the most of them.
void BM_Divisors(benchmark::State& state) {
    const std::int64_t n = kHardNumbers[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(divisors(n));
}
BENCHMARK(BM_Divisors)->Arg(0)->Arg(3)->Arg(std::size(kHardNumbers) - 1);

// Every n in [1, 100000): the small numbers the models factorise most.
void BM_DivisorsRange(benchmark::State& state) {
    for (auto _ : state)
        for (std::int64_t n = 1; n < 100000; ++n) benchmark::DoNotOptimize(divisors(n));
    state.SetItemsProcessed(state.iterations() * 99999);
}
BENCHMARK(BM_DivisorsRange);

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
