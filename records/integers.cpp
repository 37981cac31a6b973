#include "records/integers.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "records/checked.hpp"

namespace radixmender {

namespace {

__extension__ typedef __int128 Wide;

// ⌊√n⌋ for n ≥ 0, exact for every int64: the double estimate is corrected in
// 128-bit arithmetic, so rounding near 2^63 cannot mislead it.
std::int64_t floorSquareRoot(std::int64_t n) {
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (r > 0 && static_cast<Wide>(r) * r > n) --r;
    while (static_cast<Wide>(r + 1) * (r + 1) <= n) ++r;
    return r;
}

}  // namespace

std::int64_t absoluteValue(std::int64_t n) { return checkedAbs(n); }

std::int64_t gcd(std::int64_t a, std::int64_t b) {
    // Work on magnitudes as unsigned so that the smallest integer has one.
    auto magnitude = [](std::int64_t v) {
        return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    };
    std::uint64_t x = magnitude(a), y = magnitude(b);
    while (x != 0) {
        const std::uint64_t t = y % x;
        y = x;
        x = t;
    }
    if (y > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        throw std::overflow_error(kOverflowMessage);
    return static_cast<std::int64_t>(y);
}

std::int64_t lcm(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0) return 0;
    return checkedAbs(checkedMul(a, b / gcd(a, b)));
}

std::optional<std::int64_t> exactSquareRoot(std::int64_t n) {
    if (n < 0) return std::nullopt;
    const std::int64_t r = floorSquareRoot(n);
    if (static_cast<Wide>(r) * r == n) return r;
    return std::nullopt;
}

std::optional<SquareRootParts> simplifySquareRoot(std::int64_t n) {
    if (n < 0) return std::nullopt;
    if (n == 0) return SquareRootParts{0, 1};
    if (n < 4) return SquareRootParts{1, n};
    // Largest square factor k²: divide out every prime p with p³ ≤ what is
    // left, keeping the odd powers in m. What is left then has no prime factor
    // at or below its cube root, so it is 1, a prime, a product of two primes
    // or the square of a prime; only the last adds to k.
    std::int64_t k = 1, m = 1, rest = n;
    for (std::int64_t p = 2; p <= rest / p / p; ++p) {
        int count = 0;
        while (rest % p == 0) {
            rest /= p;
            ++count;
        }
        for (int e = 0; e + 1 < count; e += 2) k *= p;
        if (count % 2 == 1) m *= p;
    }
    if (const auto r = exactSquareRoot(rest); r && *r > 1)
        k *= *r;
    else
        m *= rest;
    return SquareRootParts{k, m};
}

std::vector<std::int64_t> divisors(std::int64_t n) {
    std::vector<std::int64_t> small, large;
    if (n < 1) return small;
    const std::int64_t s = floorSquareRoot(n);
    for (std::int64_t i = 1; i <= s; ++i) {
        if (n % i != 0) continue;
        small.push_back(i);
        if (i != n / i) large.push_back(n / i);
    }
    small.insert(small.end(), large.rbegin(), large.rend());
    return small;
}

std::int64_t power(std::int64_t base, std::uint64_t exponent) {
    std::int64_t result = 1;
    // Repeated squaring; overflow only when the true result leaves the range.
    std::int64_t b = base;
    while (exponent > 0) {
        if (exponent & 1U) result = checkedMul(result, b);
        exponent >>= 1U;
        if (exponent > 0) {
            if (b == 0 || b == 1) continue;
            if (b == -1) {
                b = 1;
                continue;
            }
            b = checkedMul(b, b);
        }
    }
    return result;
}

std::optional<std::int64_t> integerSquareRoot(std::int64_t n) {
    if (n < 1) return std::nullopt;
    return floorSquareRoot(n);
}

}  // namespace radixmender
