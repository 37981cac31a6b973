#pragma once
// Integer helpers on 64-bit signed integers. Each throws (see checked.hpp)
// where the result would leave the range, and never runs into undefined
// behaviour, whatever the argument.
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace radixmender {

std::int64_t absoluteValue(std::int64_t n);

// The greatest common divisor of |a| and |b|, never negative; gcd(0, 0) = 0.
std::int64_t gcd(std::int64_t a, std::int64_t b);

// 0 when a or b is 0, otherwise |a · (b / gcd(a, b))|.
std::int64_t lcm(std::int64_t a, std::int64_t b);

// r with r · r = n, or none.
std::optional<std::int64_t> exactSquareRoot(std::int64_t n);

// (k, m) with n = k² · m and k as large as possible; (0, 1) for 0; none for n < 0.
struct SquareRootParts {
    std::int64_t k = 0;
    std::int64_t m = 0;
    bool operator==(const SquareRootParts&) const = default;
};
std::optional<SquareRootParts> simplifySquareRoot(std::int64_t n);

// The positive divisors of n in ascending order; empty for n < 1.
std::vector<std::int64_t> divisors(std::int64_t n);
// The positive divisors, ascending, of the number with these primes (as
// primeFactorisation gives them): for a number already split.
class FactorPairs;
std::vector<std::int64_t> divisorsFromPrimes(const FactorPairs& primes);

std::int64_t power(std::int64_t base, std::uint64_t exponent);

// ⌊√n⌋ for n ≥ 1, none otherwise.
std::optional<std::int64_t> integerSquareRoot(std::int64_t n);

}  // namespace radixmender
