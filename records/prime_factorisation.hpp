#pragma once
// Prime factorisation of 64-bit integers in microseconds, whatever their
// size: small primes by trial division, the rest by a deterministic
// Miller–Rabin test and Pollard's rho. Nothing random is drawn: the same
// number always takes the same steps.
#include <array>
#include <cstddef>
#include <cstdint>

namespace radixmender {

struct FactorPair {
    std::int64_t prime = 0;
    std::int64_t exponent = 0;
    bool operator==(const FactorPair&) const = default;
};

// No 64-bit number has more than 15 distinct prime factors, so the pairs fit
// in place without an allocation.
class FactorPairs {
public:
    const FactorPair* begin() const { return pairs_.data(); }
    const FactorPair* end() const { return pairs_.data() + count_; }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // A prime above the last one, or the last one again (its exponent grows).
    void add(std::int64_t prime, std::int64_t exponent);

private:
    std::array<FactorPair, 15> pairs_{};
    std::size_t count_ = 0;
};

// The primes of n in ascending order with their exponents; none for n < 2.
FactorPairs primeFactorisation(std::int64_t n);

}  // namespace radixmender
