#pragma once
// The quadratic solvers: a quadratic equation in one letter solved step by
// step by the formula, by factoring (the zero-product rule) or by completing
// the square, as a teacher writes it.
//
// Every solver opens with the equation without its zero terms ("🤔"), tidies
// it (simplify or, by factoring, clear fractions; combine like terms; take a
// square term that stands on both sides off both), and then:
// - when no term of exponent 2 or more is left, hands the equation to the
//   linear core and closes with its verdict;
// - otherwise brings it to descending powers = 0 and works the method; the
//   closing step ("😎") shows the equation, the roots and their kind.
// Every stage step starts with the lines of the equation before each earlier
// stage.
//
// Options (solvers/solver_options.hpp): `technique` and `method` are
// passed on to nothing (the linear road always transposes, smartly);
// `colored` draws the highlights of factoring and of the formula red;
// `continued` leaves out the opening and the closing; `style` writes every
// equation (rational roots are always fractions, irrational ones one
// fraction (A ± B√c)/L in the fraction style); `clearing` goes to the linear
// core; `random` to its advice.
//
// Refused with one step commented "oops" (the equation, two blank lines, the
// reason, "please correct"), whatever `continued` says:
// - a coefficient over 0: "division by zero";
// - a second letter, before anything cancels (x² − 1 = w², x² + w = x² + 3):
//   "not a quadratic equation";
// - on the quadratic road, terms of an exponent of 3 or more that do not
//   cancel across the sides, or square terms whose coefficients add up to 0
//   across the sides: "not a quadratic equation" (x³ + x² − 1 = 0 is never
//   solved as x² − 1 = 0, while x² + x³ = x³ + 4 is solved as x² − 4 = 0);
// - on the quadratic road, a relation other than "=": "quadratic inequality"
//   (the roots of the equation are no answer to it). Inequalities whose square
//   terms cancel are solved on the linear road.
#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "solvers/solver_options.hpp"
#include "solvers/solver_result.hpp"

namespace radixmender {

// The solver of `method`.
SolverResult solveQuadratic(const PolyEquation& equation, Quadratic_method method,
                            const SolverOptions& options = {});

// Descending powers, then "substitute in formula and solve": the formula
// lines with a, b and c read off the equation, and the roots.
SolverResult solveQuadraticByFormula(const PolyEquation& equation, const SolverOptions& options = {});

// Fractions and decimals cleared first; then descending powers, the common
// factor taken out ("simplify the equation"), the factored form ("complete
// the factorization") and the zero-product rule (or "no solution" when the
// roots are not rational). The closing step adds the order of the roots.
SolverResult solveQuadraticByFactoring(const PolyEquation& equation, const SolverOptions& options = {});

// Descending powers, divide by the coefficient of x², the constant to the
// right, complete the square, square root and solve. `colored` is not read.
SolverResult solveQuadraticByCompletingSquare(const PolyEquation& equation,
                                              const SolverOptions& options = {});

}  // namespace radixmender
