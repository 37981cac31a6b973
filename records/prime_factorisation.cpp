#include "records/prime_factorisation.hpp"

#include <algorithm>
#include <bit>
#include <numeric>

#include "records/integers.hpp"

namespace radixmender {

namespace {

using U64 = std::uint64_t;
__extension__ typedef unsigned __int128 U128;

// The odd primes below 256. A number with no prime factor up to 251 and
// below 257² is itself prime.
constexpr std::array<U64, 53> kSmallOddPrimes = {
    3,   5,   7,   11,  13,  17,  19,  23,  29,  31,  37,  41,  43,  47,  53,  59,  61,  67,
    71,  73,  79,  83,  89,  97,  101, 103, 107, 109, 113, 127, 131, 137, 139, 149, 151, 157,
    163, 167, 173, 179, 181, 191, 193, 197, 199, 211, 223, 227, 229, 233, 239, 241, 251};
constexpr U64 kSurelyPrimeBelow = 257 * 257;

// Arithmetic modulo an odd n < 2^63 in Montgomery form (a stands for a·2^64
// mod n), so that a product needs no 128-bit division. Every value is kept
// reduced below n, so equal residues have equal forms.
class Montgomery {
public:
    explicit Montgomery(U64 n) : n_(n) {
        // Newton's iteration doubles the correct low bits of n⁻¹ mod 2^64
        // each time, from the three that n·n ≡ 1 (mod 8) gives.
        for (int i = 0; i < 5; ++i) inverse_ *= 2 - n * inverse_;
        one_ = (0 - n) % n;  // 2^64 mod n
        rSquared_ = static_cast<U64>(static_cast<U128>(one_) * one_ % n);
    }

    U64 one() const { return one_; }
    U64 form(U64 a) const { return reduce(static_cast<U128>(a % n_) * rSquared_); }

    // t · 2^-64 mod n, below n, for any t < n · 2^64. The low halves of t and
    // m·n agree, so the difference of the high halves is exact.
    U64 reduce(U128 t) const {
        const U64 m = static_cast<U64>(t) * inverse_;
        const auto high = static_cast<U64>(t >> 64);
        const auto mn = static_cast<U64>((static_cast<U128>(m) * n_) >> 64);
        return high >= mn ? high - mn : high - mn + n_;
    }
    U64 multiply(U64 a, U64 b) const { return reduce(static_cast<U128>(a) * b); }
    U64 power(U64 base, U64 exponent) const {
        U64 result = one_;
        for (; exponent > 0; exponent >>= 1) {
            if (exponent & 1U) result = multiply(result, base);
            base = multiply(base, base);
        }
        return result;
    }

private:
    U64 n_, inverse_ = n_, one_ = 0, rSquared_ = 0;
};

// Miller–Rabin with the first twelve primes as bases, which no composite
// below 3.3·10^24 passes: exact for every 64-bit number. n is odd and
// has no prime factor below 256.
bool isPrime(U64 n) {
    if (n < kSurelyPrimeBelow) return true;
    const Montgomery mod(n);
    const int shift = std::countr_zero(n - 1);
    const U64 odd = (n - 1) >> shift;
    const U64 minusOne = n - mod.one();
    for (const U64 base : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        U64 x = mod.power(mod.form(base), odd);
        if (x == mod.one() || x == minusOne) continue;
        bool witness = true;
        for (int i = 1; i < shift && witness; ++i) {
            x = mod.multiply(x, x);
            witness = x != minusOne;
        }
        if (witness) return false;
    }
    return true;
}

// A factor d of the odd composite n with 1 < d < n, by Pollard's rho in
// Brent's form: the map v ↦ (v² + c) · 2^-64, a quadratic modulo every prime
// of n, from a fixed start, the differences multiplied together in batches so
// that one gcd serves many steps. A batch that overshoots to n is walked
// again step by step; a sequence that meets n itself is abandoned for the
// next c. Products stay below n · 2^64 as n < 2^63.
U64 splitComposite(U64 n) {
    const Montgomery mod(n);
    constexpr U64 kBatch = 128;
    for (U64 c = 1;; ++c) {
        const auto next = [&](U64 v) { return mod.reduce(static_cast<U128>(v) * v + c); };
        U64 y = 2, x = y, saved = y, product = 1, g = 1;
        for (U64 length = 1; g == 1; length *= 2) {
            x = y;
            for (U64 i = 0; i < length; ++i) y = next(y);
            for (U64 done = 0; done < length && g == 1; done += kBatch) {
                saved = y;
                // x − y + n is in (0, 2n) and a multiple of n only when x = y.
                const U64 shifted = x + n;
                for (U64 i = 0; i < kBatch && done + i < length; ++i) {
                    y = next(y);
                    product = mod.reduce(static_cast<U128>(product) * (shifted - y));
                }
                g = std::gcd(product, n);
            }
        }
        if (g == n) {
            do {
                saved = next(saved);
                g = std::gcd(x > saved ? x - saved : saved - x, n);
            } while (g == 1);
        }
        if (g != n) return g;
    }
}

// The primes above 256 of a number below 2^63: at most seven of them.
struct LargePrimes {
    std::array<U64, 8> primes{};
    std::size_t count = 0;
};

// The primes of n > 1, which has no prime factor below 256, in any order.
void collectLargePrimes(U64 n, LargePrimes& found) {
    if (isPrime(n)) {
        found.primes.at(found.count++) = n;
        return;
    }
    // The walk above is slowest on the square of a prime: take squares at once.
    if (const auto root = exactSquareRoot(static_cast<std::int64_t>(n))) {
        collectLargePrimes(static_cast<U64>(*root), found);
        collectLargePrimes(static_cast<U64>(*root), found);
        return;
    }
    const U64 d = splitComposite(n);
    collectLargePrimes(d, found);
    collectLargePrimes(n / d, found);
}

}  // namespace

void FactorPairs::add(std::int64_t prime, std::int64_t exponent) {
    if (count_ > 0 && pairs_[count_ - 1].prime == prime)
        pairs_[count_ - 1].exponent += exponent;
    else
        pairs_.at(count_++) = {prime, exponent};
}

FactorPairs primeFactorisation(std::int64_t n) {
    FactorPairs pairs;
    if (n < 2) return pairs;
    auto rest = static_cast<U64>(n);
    if (const int twos = std::countr_zero(rest); twos > 0) {
        pairs.add(2, twos);
        rest >>= twos;
    }
    bool restIsPrime = false;
    for (const U64 p : kSmallOddPrimes) {
        if (p * p > rest) {
            restIsPrime = true;
            break;
        }
        if (rest % p != 0) continue;
        std::int64_t exponent = 0;
        for (; rest % p == 0; rest /= p) ++exponent;
        pairs.add(static_cast<std::int64_t>(p), exponent);
    }
    if (rest == 1) return pairs;
    if (restIsPrime) {
        pairs.add(static_cast<std::int64_t>(rest), 1);
        return pairs;
    }
    LargePrimes large;
    collectLargePrimes(rest, large);
    std::sort(large.primes.begin(), large.primes.begin() + static_cast<std::ptrdiff_t>(large.count));
    for (std::size_t i = 0; i < large.count; ++i) pairs.add(static_cast<std::int64_t>(large.primes[i]), 1);
    return pairs;
}

}  // namespace radixmender
