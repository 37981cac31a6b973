#pragma once
// Checked 64-bit arithmetic. Every operation that would leave the range of
// std::int64_t, or divide by zero, throws instead of wrapping silently.
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace radixmender {

inline constexpr const char kOverflowMessage[] = "Arithmetic overflow";
inline constexpr const char kDivisionByZeroMessage[] = "Division by zero";
inline constexpr const char kDivisionOverflowMessage[] = "Division results in an overflow";
inline constexpr const char kRemainderByZeroMessage[] = "Division by zero in remainder operation";
inline constexpr const char kRemainderOverflowMessage[] =
    "Division results in an overflow in remainder operation";

inline std::int64_t checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_add_overflow(a, b, &r)) throw std::overflow_error(kOverflowMessage);
    return r;
}

inline std::int64_t checkedSub(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw std::overflow_error(kOverflowMessage);
    return r;
}

inline std::int64_t checkedMul(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw std::overflow_error(kOverflowMessage);
    return r;
}

inline std::int64_t checkedNeg(std::int64_t a) { return checkedSub(0, a); }

inline std::int64_t checkedAbs(std::int64_t a) { return a < 0 ? checkedNeg(a) : a; }

// Truncates toward zero, as the integer division of the models does.
inline std::int64_t checkedDiv(std::int64_t a, std::int64_t b) {
    if (b == 0) throw std::domain_error(kDivisionByZeroMessage);
    if (a == std::numeric_limits<std::int64_t>::min() && b == -1)
        throw std::overflow_error(kDivisionOverflowMessage);
    return a / b;
}

// The remainder takes the sign of the dividend.
inline std::int64_t checkedRem(std::int64_t a, std::int64_t b) {
    if (b == 0) throw std::domain_error(kRemainderByZeroMessage);
    if (a == std::numeric_limits<std::int64_t>::min() && b == -1)
        throw std::overflow_error(kRemainderOverflowMessage);
    return a % b;
}

}  // namespace radixmender
