#include "records/integers.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "records/checked.hpp"
#include "records/prime_factorisation.hpp"

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

// Merges the ascending `a` and `b` into `out`, which has room for both,
// without a branch on the values compared.
void mergeAscending(const std::vector<std::int64_t>& a, const std::vector<std::int64_t>& b,
                    std::vector<std::int64_t>& out) {
    std::size_t i = 0, j = 0, k = 0;
    while (i < a.size() && j < b.size()) {
        const bool fromB = b[j] < a[i];
        out[k++] = fromB ? b[j] : a[i];
        j += fromB ? 1 : 0;
        i += fromB ? 0 : 1;
    }
    for (; i < a.size(); ++i) out[k++] = a[i];
    for (; j < b.size(); ++j) out[k++] = b[j];
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
    // Each prime's even part of the exponent goes to k, an odd one leaves the prime in m.
    std::int64_t k = 1, m = 1;
    for (const FactorPair& f : primeFactorisation(n)) {
        for (std::int64_t e = 0; e + 1 < f.exponent; e += 2) k = checkedMul(k, f.prime);
        if (f.exponent % 2 == 1) m = checkedMul(m, f.prime);
    }
    return SquareRootParts{k, m};
}

std::vector<std::int64_t> divisors(std::int64_t n) {
    if (n < 1) return {};
    return divisorsFromPrimes(primeFactorisation(n));
}

std::vector<std::int64_t> divisorsFromPrimes(const FactorPairs& primes) {
    std::size_t count = 1;
    for (const FactorPair& f : primes) count *= static_cast<std::size_t>(f.exponent) + 1;
    // The divisors of the primes so far, kept ascending: for each further
    // prime p^e, those times p, p², ... pᵉ merged in. Every product divides n.
    std::vector<std::int64_t> found, scaled, merged;
    found.reserve(count);
    merged.reserve(count);
    found.push_back(1);
    for (const FactorPair& f : primes) {
        scaled = found;
        for (std::int64_t e = 0; e < f.exponent; ++e) {
            for (std::int64_t& d : scaled) d = checkedMul(d, f.prime);
            merged.resize(found.size() + scaled.size());
            mergeAscending(found, scaled, merged);
            found.swap(merged);
        }
    }
    return found;
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
