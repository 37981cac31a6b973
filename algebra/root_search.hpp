#pragma once
// The search for the first rational root of a polynomial with integer
// coefficients, in the order the rational-root test lists its candidates:
// a over the positive divisors of the first term's numerator and, within
// each, b over those of the last term's numerator, both ascending; coprime
// pairs only, the root −b/a tried before b/a.
//
// Where the pairs are many, the search tries only the ones that can give a
// root: a divides the leading coefficient and b the lowest one, each over the
// polynomial's content, and for degrees up to 16 ±b/a lies near a real root.
// The first pairs of the order are tried before any root is located, so a
// root found there costs no more than the pairs before it; the very first,
// the roots ±1, before the ends are split into primes (each end once). The
// root found is the one trying every pair would find first.
#include <optional>
#include <vector>

#include "algebra/polynomial_xl.hpp"

namespace radixmender {

// The factor a·x + b of the first root −b/a, or a·x − b of the first root b/a,
// of `list` (coefficients read by their numerators, every colour black, the
// variable that of the first term); none when no pair gives a root. Throws
// std::overflow_error where a pair it tries has aᵈ·P(∓b/a) beyond 128 bits,
// or where an end numerator is the smallest 64-bit integer.
std::optional<std::vector<Term_XL>> firstRootFactor(const std::vector<Term_XL>& list);

}  // namespace radixmender
