#pragma once
// Where the positive real roots of a polynomial with integer coefficients can
// lie: intervals that together hold every one of them, found in long double
// arithmetic with its rounding bounded, so that a root is never left out. The
// rational-root search tries only the candidates inside them.
#include <vector>

#include "algebra/wide.hpp"

namespace radixmender {

struct RootWindow {
    long double low = 0;
    long double high = 0;
};

// Intervals, ascending and apart, outside which c₀ + c₁x + c₂x² + … (cₑ =
// `coefficients[e]`) has no root x with least ≤ x ≤ most (0 < least ≤ most).
// Each is narrow, down to what the rounding of the arithmetic can still tell
// apart, unless the polynomial is 0 (then [least, most] is one window).
std::vector<RootWindow> positiveRootWindows(const std::vector<wide::Int128>& coefficients, long double least,
                                            long double most);

}  // namespace radixmender
