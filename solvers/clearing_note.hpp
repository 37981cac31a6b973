#pragma once
// The words of the step that multiplies both sides of an equation to clear
// its fractions (or, in the decimal style, its decimals). The linear solvers
// and the quadratic solver by factoring write the same step.
#include <cstdint>
#include <string>

#include "algebra/solver_vocabulary.hpp"

namespace radixmender {

// The step's comment: "clear decimals" in the decimal style, else
// "clear fractions".
std::string clearingComment(Style style);

// The note under the step, for the multiplier m of both sides:
// - decimal style and m = 10ᵏ: "\nhighest decimal place count\nis k, multiply
//   both sides\nby 10ᵏ = m" (k as a superscript; "..." from k = 10 on);
// - otherwise, so also for a decimal-style multiplier such as 3 or 12 that
//   is no power of ten: "m is LCM of denominators\n\nwe can use any multiple
//   of the\ndenominators to clear fractions".
std::string clearingNote(std::int64_t multiplier, Style style);

}  // namespace radixmender
