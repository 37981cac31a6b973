#pragma once
// Queries on the shape of an equation, and conversions of the plain equation
// to the forms the display steps draw: terms with a parenthesised
// sub-expression (`Ext_polynomial`) and terms with factors (`Polynomial_XL`).
#include <array>
#include <cstdint>

#include "algebra/equation.hpp"

namespace radixmender {

// Both sides through `negatingCoefficients`; the relation and its colour stay
// (the relation is NOT reversed: this is −1 times each side, for display).
PolyEquation negatingBothSides(const PolyEquation& equation);

// One top-level list, each term without a sub-expression (or factors).
Ext_polynomial toExtPolynomial(const Polynomial& side);
Ext_polyEquation toExtPolyEquation(const PolyEquation& equation);
Polynomial_XL toPolynomialXL(const Polynomial& side);

// No term has an exponent other than 0 (a 0·x counts as a variable term).
bool hasOnlyConstants(const Polynomial& side);
bool hasOnlyConstants(const PolyEquation& equation);

// One constant on each side and both of the same defined value (2/4 = 1/2);
// variable letters do not count.
bool isConstantIdentity(const PolyEquation& equation);

// One constant with a non-zero denominator that is whole: stored over 1 when
// `exact`, else its denominator divides its numerator (6/3).
bool isSingleIntegerConstant(const Polynomial& side, bool exact);

// p(−x) displayed power by power, as [factor form, expanded form]. Every term
// of exponent k > 0 points at a list of its own: [−x] in the factor form,
// raised to k (a·(−x)²), and [(−1)ᵏxᵏ] in the expanded form (a·(x²)); blue
// for odd k, red for even k. Constants stay as they are. The factor lists
// come first, the top level last.
std::array<Polynomial_XL, 2> negatedVariableForms(const Polynomial& side);

// Fold step over the terms from 0: gcd of the running value and the
// coefficient's numerator.
std::int64_t gcdOfNumeratorsStep(std::int64_t running, const Monomial& term);

}  // namespace radixmender
