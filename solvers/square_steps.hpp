#pragma once
// The step builders of completing the square, for an equation in descending
// powers: divide both sides by the square's coefficient, move the constant
// to the right, add the square of half the x coefficient to both sides, take
// the square root and solve.
//
// A builder that finds nothing to do answers none. Each expects what the
// solver's earlier stages guarantee (a first term on the left, defined
// coefficients, a square coefficient other than 0); a broken expectation
// throws std::logic_error ("Unexpectedly found nil ...").
#include <optional>
#include <vector>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "records/types.hpp"

namespace radixmender {

// The term over the leading coefficient of the equation's left side,
// reduced, black.
Monomial divideMonomialByLeadingCoefficient(const PolyEquation& equation, const Monomial& term);

// For a leading coefficient a other than 1: the equation with a red, then
// r(left) = r(right) with r = 1/a red, then the left side divided by a (the
// right side, 0, kept), and the notes "divide both sides by  a" and
// "or multiply by  r" in red.
struct DividedSides {
    PolyEquation highlighted;
    Ext_polyEquation multiplied;
    PolyEquation divided;
    std::vector<Record> notes;
};
std::optional<DividedSides> divideBothSidesStep(const PolyEquation& equation);

// For a left side ending in a constant c (the right side 0): the equation
// with c red, then the left side without it = −c (red). There is no note.
std::optional<std::vector<PolyEquation>> moveConstantStep(const PolyEquation& equation);

// For x² + bx = k: the equation with b red, then x² + bx + s = k + s with s =
// (b/2)² blue, the square (x + b/2)² = k + s with b/2 red, and three notes:
// "halve x coefficient from b to b/2" (red), "square to s , add to both
// sides" (blue), "complete the square"; values in `style`. None when the
// left side does not end in an x term.
struct CompletedSquare {
    std::vector<PolyEquation> equations;
    Polynomial_Equation_XL square;
    std::vector<Record> notes;
};
std::optional<CompletedSquare> completeSquareStep(const PolyEquation& equation, Style style);

// For x² + bx = k (or x² = k): with h = b/2 and R = k + h², the lines
// x + h = ±√R (red), x = −h ± √R worked out when R is a square and h ≠ 0,
// and the roots; for R = 0 x + h = 0 (when h ≠ 0) and x = −h; for R < 0
// "negative RHS, no solution". Rational roots as fractions, irrational ones
// in `style`.
std::vector<Record> squareRootStep(const PolyEquation& equation, Style style);

}  // namespace radixmender
