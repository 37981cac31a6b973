#pragma once
// Common monomial factors and signs of factored polynomials (layout in
// factoring.hpp), with the [before, after] values a step display shows.
//
// The common factor of a term list is g·xᵉ: g the greatest common divisor of
// its numerators (0 when all are 0), e its least exponent. It is trivial when
// g = 1 and e = 0. Coefficients are read by their numerators.
#include <array>
#include <optional>

#include "algebra/factoring.hpp"

namespace radixmender {

// ±g·xᵉ of a one-list polynomial of at least two terms, signed by its first
// term; the trivial 1 included.
std::optional<Monomial> commonMonomial(const Polynomial_XL& polynomial);

// Every term divided by `commonMonomial`; the input when there is none or
// when all numerators are 0.
Polynomial_XL dividedByCommonMonomial(const Polynomial_XL& polynomial);

// List k has at least two terms and g > 1 or e ≠ 0.
bool commonFactor(const Polynomial_XL& polynomial);

// ±g·xᵉ of list 0, negative when its first numerator is; none when g = 1
// and e = 0.
std::optional<Monomial> commonFactorMonomial(const Polynomial_XL& polynomial);

// [before, after] of taking g·xᵉ out of list k, drawn in `highlight`:
//   one list:  L                →  g·xᵉ·(L / g·xᵉ), with `sign` and a negative
//                                  first coefficient −g·xᵉ·(L / −g·xᵉ);
//   −1·(L):                     →  −1·(g·xᵉ)·(L / g·xᵉ);
//   any other product c·…·(L)ʲ  →  c·…·(g·xᵉ)ʲ·(L / g·xᵉ)ʲ.
// Accepted: a list k whose terms are plain monomials (no factors of their
// own); its other lists and top-level terms stay as they are. A list k
// holding a product throws std::invalid_argument. All numerators 0 (no
// common factor to divide by), or no list k: [input, input].
PolynomialPair factorOutCommonFactor(const Polynomial_XL& polynomial, bool sign, Color highlight);

// At least three lists, a negative first top-level coefficient, and exactly
// one of the second terms of lists 0 and 1 negative.
bool hasOppositeFactorSigns(const Polynomial_XL& polynomial);

// For the factor p·x + q with the negative constant: p·x + q, q + p·x and
// −1·(−q − p·x). Accepted: `hasOppositeFactorSigns` with lists 0 and 1 each
// a binomial p·x + q (exponents 1 and 0, no factors), as `factored` makes
// them of a quadratic; none for anything else.
std::optional<std::array<Polynomial_XL, 3>> normalizedSigns(const Polynomial_XL& polynomial);

// −N(x − 3)(x + 2) written N(3 − x)(2 + x), in `highlight`; only for the
// three lists N·(p₀x + q₀)(p₁x + q₁) that `factored` makes of a quadratic.
std::optional<Polynomial_XL> normalizeFactorSigns(const Polynomial_XL& polynomial, Color highlight);

// [−1], [−P], [1·(list 0)(list 1)]: the polynomial as −1 times its negation.
// A factored P keeps its lists (one place on) and its negated top level
// becomes the list −P.
Polynomial_XL negated(const Polynomial_XL& polynomial);

// List 0 with every term negated, as a one-list polynomial.
Polynomial_XL termwiseNegated(const Polynomial_XL& polynomial);

}  // namespace radixmender
