#pragma once
// The step builders of solving by factoring: the common factor taken out of
// the side that is not 0, the factored form from the rational roots, and the
// zero-product equations, one short derivation per factor.
//
// They read an equation as the factoring solver leaves it: whole
// coefficients, one side 0, terms in descending powers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "algebra/equation.hpp"

namespace radixmender {

// gcd of all numerators, never negative; 0 for none or all zero.
std::int64_t gcdOfNumerators(const Polynomial& side);

// The term with its numerator divided by d (truncating) over 1, black,
// without a sub-expression.
Term scaleTermInFactorStep(const Monomial& term, std::int64_t d);

// "\n|d| is greatest common divisor\n\nfactor out  d\ndivide both sides by  d",
// and for d = −1 only " \nfactor out  -1\ndivide both sides by  -1".
std::string gcdStepNote(std::int64_t d);

// When one side is 0 (the right side tested first) and the other side P has
// a constant term and a common factor d ≠ 1 (the gcd of its numerators with
// the sign of its first coefficient): P with its coefficients red, then
// d(P/d) with d red, then P/d = 0 in black, and the note. None otherwise,
// and none when every numerator of P is 0 (there is no factor to divide by).
struct GcdStep {
    std::vector<Ext_polyEquation> equations;
    std::string note;
};
std::optional<GcdStep> factorOutGcdStep(const PolyEquation& equation);

// A term with a non-zero numerator and exponent 1.
bool isNonZeroLinearTerm(const Monomial& term);

// The variable of the first term that passes `test`, the left side first.
std::optional<std::string> firstVariable(const PolyEquation& equation, bool (*test)(const Monomial&));

// Both builders write the factors in the variable of the first term of
// exponent 1, failing that of the first term of positive exponent (so
// y² − 4 = 0 is factored in y), failing that "x"; zero terms do not count.
//
// The equation with its non-zero side written as the product of the factors
// q·x − p of its rational roots p/q: (q1x − p1)(q2x − p2), the root with the
// smaller denominator first, then the smaller |p|, then the smaller root; or
// k·x(qx − p) when a root is 0, k the leading numerator over q1·q2. None
// without rational roots, and for the double root 0 of a·x² = 0.
std::optional<Polynomial_Equation_XL> factorability(const PolyEquation& equation);

// The zero-product derivations, in the order of the factored form: for each
// factor, the factor set to 0 (highlighted: red with `colored`) and x = root.
// A zero root shows as x = 0 twice (the second drawn clear for the double
// root 0). Without rational roots only a note: "no solution" or "factors but
// not over integers".
struct FactorStep {
    std::optional<std::vector<PolyEquation>> A;
    std::optional<std::vector<PolyEquation>> B;
    std::optional<std::string> note;
};
FactorStep factorStep(const PolyEquation& equation, bool colored);

}  // namespace radixmender
