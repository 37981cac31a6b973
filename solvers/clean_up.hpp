#pragma once
// The clean-up transforms the linear and quadratic solvers apply before and
// between their stages: rejecting zero denominators, dropping zero terms,
// reducing and combining coefficients, clearing fractions and writing every
// coefficient over one denominator.
//
// Each works on one side (a `Polynomial`), and on an equation by applying the
// side operation to both sides. An equation a transform returns keeps the
// relation and has a black relation colour. A side is never left empty: a
// side without terms becomes the zero term alone (0/1·x⁰, black).
//
// The transforms assume non-zero denominators (the solvers test
// `hasZeroDenominator` first); every sum, product and lcm is checked and
// throws std::overflow_error instead of wrapping.
#include <cstdint>

#include "algebra/equation.hpp"

namespace radixmender {

// The side [0/1·x⁰], black.
Polynomial zeroSide();

// ---- Side level ----

bool hasZeroDenominator(const Polynomial& side);
// The terms with a non-zero numerator, in order; with `recolor`, black.
Polynomial removingZeroTerms(const Polynomial& side, bool recolor);
// Every coefficient colour and variable colour set to `color`.
Polynomial recolored(const Polynomial& side, Color color);
// Some coefficient is not in lowest terms or has a negative denominator.
bool hasUnreducedCoefficient(const Polynomial& side);
// Every coefficient reduced (0/d becomes 0/1), every term black.
Polynomial reducingCoefficients(const Polynomial& side);

struct CombinedSide {
    Polynomial side;
    bool changed = false;
};
// Like terms summed into the first of them, in order of first appearance;
// zero terms dropped afterwards. Terms are alike with equal exponents and
// equal variables (any variables at exponent 0); with `simpleOnly` only
// whole coefficients (denominator 1) combine. A term that found no partner
// keeps its coefficient and colours; every variable colour becomes black.
// `changed` is set by a sum, not by dropping a zero that was already there.
CombinedSide combiningLikeTerms(const Polynomial& side, bool simpleOnly);

bool hasFractionalCoefficient(const Polynomial& side);
// The lcm of every denominator, starting from 1; never negative.
std::int64_t lcmOfDenominators(const Polynomial& side);
// Every term times the side's lcm of denominators, whole, black.
Polynomial clearingFractions(const Polynomial& side);
// The denominator of every coefficient that is not over 1 drawn in `color`.
Polynomial highlightingFractions(const Polynomial& side, Color color);

struct CommonDenominatorSide {
    Polynomial side;
    bool hasFractions = false;
    bool changed = false;
};
// Every coefficient rewritten over L, the lcm of the denominators other than
// 1, keeping its colours (1/2x + 1 is 1/2x + 2/2). With no such denominator
// the side comes back unchanged and both flags are false.
CommonDenominatorSide overCommonDenominator(const Polynomial& side);

// ---- Equation level ----

// A denominator 0 on the left, or failing that on the right.
bool hasZeroDenominator(const PolyEquation& equation);
PolyEquation removingZeroTerms(const PolyEquation& equation, bool recolor);
bool hasUnreducedCoefficient(const PolyEquation& equation);
PolyEquation reducingCoefficients(const PolyEquation& equation);

struct CombinedEquation {
    PolyEquation equation;
    bool changed = false;
};
CombinedEquation combiningLikeTerms(const PolyEquation& equation, bool simpleOnly);

bool hasFractionalCoefficient(const PolyEquation& equation);
std::int64_t lcmOfDenominators(const PolyEquation& equation);
// Both sides times one L, the lcm of every denominator of the equation:
// each n/d becomes n·(L/d) over 1, black.
PolyEquation clearingFractions(const PolyEquation& equation);
PolyEquation highlightingFractions(const PolyEquation& equation, Color color);

struct CommonDenominatorEquation {
    PolyEquation equation;
    bool hasFractions = false;
    bool changed = false;
};
// Both sides over the one denominator of the whole equation. Without
// fractions the sides come back unchanged and both flags are false.
CommonDenominatorEquation overCommonDenominator(const PolyEquation& equation);

}  // namespace radixmender
