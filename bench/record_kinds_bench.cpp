// Costs of the record-kind helpers: factorising a large prime and finding and
// recolouring an item deep in a line.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "records/literals.hpp"
#include "records/lookup.hpp"
#include "records/number_records.hpp"
#include "records/paint_records.hpp"
#include "records/prime_factors.hpp"
#include "records/writers.hpp"

namespace {

using namespace radixmender;

void BM_PrimeFactorListLargePrime(benchmark::State& state) {
    const std::int64_t prime = 1'000'000'000'039;
    for (auto _ : state) benchmark::DoNotOptimize(primeFactorList(prime));
}
BENCHMARK(BM_PrimeFactorListLargePrime);

// Twenty fractions joined by "+", the tagged one first (the search meets it last).
Record fractionSum() {
    Record line = makeFractionRecord(1, 2, Color::black, Color::black, "target");
    for (int i = 0; i < 19; ++i)
        line = makeJoinRecord("+", std::move(line), makeFractionRecord(i, 7, Color::black, Color::black, "anon"));
    return line;
}

void BM_RecolorItemInALongLine(benchmark::State& state) {
    const Record line = fractionSum();
    for (auto _ : state) benchmark::DoNotOptimize(recolorItem(line, Color::red, "target"));
}
BENCHMARK(BM_RecolorItemInALongLine);

void BM_PaintNumeratorInALongLine(benchmark::State& state) {
    Record line = fractionSum();
    for (auto _ : state) {
        paintNumerator(line, Color::red, "target");
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_PaintNumeratorInALongLine);

}  // namespace
