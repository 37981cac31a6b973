#pragma once
// Rearranging an equation for the quadratic solvers, and the small equation
// operations every solver step shares.
//
// - `cancellingSameSquareTerm`: the same square term on both sides cancels
//   and leaves a linear equation.
// - `exchangeSidesStep`: the equation brought to "descending powers = 0".
// - Recolouring an equation, highlighting its first or last term, and the
//   fold steps that turn equations into the lines of one step.
//
// Equations built here keep the relation (also when the sides are exchanged)
// and have a black relation colour unless a colour is asked for.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "records/types.hpp"

namespace radixmender {

// Each coefficient reduced, then negated; every term black.
Polynomial negatingCoefficients(const Polynomial& side);

// The exponents never rise from one term to the next.
bool isInDescendingOrder(const Polynomial& side);
// Stably sorted by exponent, highest first.
Polynomial sortedDescending(const Polynomial& side);
// None when already in descending order.
std::optional<Polynomial> sortedDescendingIfNeeded(const Polynomial& side);

// A term with a non-zero numerator and an exponent above 0.
bool isNonZeroVariableTerm(const Monomial& term);
// Fold step: count + 1 for a term whose exponent is above 1.
std::int64_t countHigherPowerTerms(std::int64_t count, const Monomial& term);

// When each side holds a square term and the first square terms of the two
// sides have equal values, the equation without its square terms; a side
// left with nothing becomes 0 in the variable of its square term. None
// otherwise. The drivers call it after combining like terms.
std::optional<PolyEquation> cancellingSameSquareTerm(const PolyEquation& equation);

// The equations of the "descending powers" step, starting with the input
// unchanged, and the note that explains them:
// - right side 0: the left side sorted, no note (nothing at all when it is
//   already sorted);
// - left side 0: the right side sorted where needed, then the sides
//   exchanged, note "exchange sides for convenience";
// - otherwise everything collected on the left with like powers summed, the
//   right side 0, note "left hand side for convenience".
struct ExchangedSides {
    std::optional<std::vector<PolyEquation>> equations;
    std::optional<std::string> note;
};
ExchangedSides exchangeSidesStep(const PolyEquation& equation);

// Every term of the left side in `lhs`, of the right side in `rhs` (all three
// coefficient colours and the variable colour), the relation in `relation`.
PolyEquation recolored(const PolyEquation& equation, Color lhs, Color rhs, Color relation);

// Fold steps over a list of equations, from an empty list: one line more,
// the equation as it is, or recoloured black throughout.
std::vector<Record> appendEquationRecord(std::vector<Record> lines, const PolyEquation& equation,
                                         Style style);
std::vector<Record> appendRecoloredEquationRecord(std::vector<Record> lines, const PolyEquation& equation,
                                                  Style style);

// The side with its first (or last) term's coefficient in `color` and that
// term's variable colour black; the other terms keep their colours. An empty
// side comes back empty.
Polynomial firstTermStep(const Polynomial& side, Color color);
Polynomial lastTermStep(const Polynomial& side, Color color);

}  // namespace radixmender
