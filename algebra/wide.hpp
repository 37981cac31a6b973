#pragma once
// 128-bit helpers behind the exact arithmetic of the algebra values. The
// product of two 64-bit integers is exact here, so comparisons never overflow
// and a result is computed in full before it is narrowed back to 64 bits with
// a check: an answer that fits is always given, one that does not throws.
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "records/checked.hpp"

namespace radixmender::wide {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

inline Int128 product(std::int64_t a, std::int64_t b) { return static_cast<Int128>(a) * b; }

inline Int128 checkedAdd(Int128 a, Int128 b) {
    Int128 r;
    if (__builtin_add_overflow(a, b, &r)) throw std::overflow_error(kOverflowMessage);
    return r;
}

inline Int128 checkedMul(Int128 a, Int128 b) {
    Int128 r;
    if (__builtin_mul_overflow(a, b, &r)) throw std::overflow_error(kOverflowMessage);
    return r;
}

inline std::int64_t narrow(Int128 v) {
    if (v < std::numeric_limits<std::int64_t>::min() || v > std::numeric_limits<std::int64_t>::max())
        throw std::overflow_error(kOverflowMessage);
    return static_cast<std::int64_t>(v);
}

inline UInt128 magnitude(Int128 v) {
    return v < 0 ? UInt128{0} - static_cast<UInt128>(v) : static_cast<UInt128>(v);
}

inline UInt128 gcd(UInt128 a, UInt128 b) {
    while (b != 0) {
        const UInt128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

inline int sign(Int128 v) { return (v > 0) - (v < 0); }

// True when v = r² for an integer r.
inline bool isPerfectSquare(Int128 v) {
    if (v < 0) return false;
    const auto n = static_cast<UInt128>(v);
    auto r = static_cast<UInt128>(std::sqrt(static_cast<long double>(n)));
    while (r > 0 && r * r > n) --r;
    while ((r + 1) * (r + 1) <= n) ++r;
    return r * r == n;
}

}  // namespace radixmender::wide
