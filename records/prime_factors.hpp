#pragma once
// Prime factorisation, the rows of a prime-factor tree and
// records that show a factorisation as a product of powers.
#include <cstdint>
#include <optional>
#include <vector>

#include "records/prime_factorisation.hpp"
#include "records/tableau_records.hpp"
#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

struct ColoredFactor {
    std::int64_t prime = 0;
    std::int64_t exponent = 0;
    Color color = Color::black;
};

// The primes of n in ascending order with their exponents; none for n ≤ 1.
std::optional<std::vector<FactorPair>> primeFactorList(std::int64_t n);

struct PrimeFactorSummary {
    std::vector<FactorPair> pairs;
    std::int64_t distinctPrimes = 0;
    std::int64_t exponentsAtLeastK = 0;
    std::int64_t exponentsMultipleOfK = 0;
};
// With k = 2 the last two counts tell whether √n has a square factor and
// whether n is a perfect square. None for n ≤ 1; otherwise k = 0 throws.
std::optional<PrimeFactorSummary> primeFactorPairs(std::int64_t n, std::int64_t k);

// (1, clear, n, black), then one row per prime factor taken out, each with
// the quotient it leaves; the last row, whose quotient is 1, is folded into
// the one before it, which takes its divisor's colour for its quotient.
// Coloured: the primes alternate red and blue. No factor pair: no rows.
std::vector<PrimeTreeRow> primeTreeRows(std::int64_t n, const std::vector<FactorPair>& pairs, bool coloured);

// p^e ∙ q ∙ ..., each factor in its colour (a factor with exponent 1 shows no
// power), the dots black. No factors throws.
Record makeFactorProductRecord(const std::vector<ColoredFactor>& factors);
Record makeFactorisationRecord(const std::vector<FactorPair>& pairs, Color color);
Record makeAlternatingFactorisationRecord(const std::vector<FactorPair>& pairs, Color colorA, Color colorB);

}  // namespace radixmender
