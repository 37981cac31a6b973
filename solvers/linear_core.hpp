#pragma once
// The linear core: a linear equation or inequality in one letter solved stage
// by stage, as a teacher writes it.
//
// After the opening ("🤔", the equation without its zero terms) come, where
// they apply: "simplify" (coefficients to lowest terms), "combine simple like
// terms" (whole coefficients), "clear fractions" / "clear decimals" (both
// sides times the lcm of the denominators, when `clearing`), "combine like
// terms", the variable terms to one side (with advice; `technique` and
// `method` choose how, `random` draws the smart advice), the constant terms
// opposite the variable, "solve for " + letter, and the summary "😎" (the
// equation and its verdict). An equation already solved, or nearly, ends
// with one short "solve" step. Every step but the opening and the summary
// starts with the lines of the equation before each earlier stage.
//
// Options (solvers/solver_options.hpp; `fractions` is not read):
// - `colored`: what a stage changes is drawn red; an "=" is never red.
// - `continued`: the steps continue a caller's solution: no opening, no
//   summary, no note about turning −x into x.
// - A coefficient over 0 gives the single step [the equation, two blank
//   lines, "division by zero", "please correct"], commented "oops".
//
// The letter is that of the first variable term (exponent 1, numerator not 0)
// on the left, then on the right; "x" when there is none. Input that does
// not come down to one term a side in that letter (a square term, a second
// letter) throws std::invalid_argument; a sum or product beyond 64 bits
// throws std::overflow_error.
#include <string>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "solvers/solver_options.hpp"
#include "solvers/solver_result.hpp"
#include "solvers/verdicts.hpp"

namespace radixmender {

SolverResult solveLinear(const PolyEquation& equation, const SolverOptions& options = {});

// The lines the linear solvers share:
// - the one step of an equation with a coefficient over 0, `equationLine`
//   followed by two blank lines, "division by zero" and "please correct",
//   commented "oops";
SolverResult divisionByZeroResult(Record equationLine);
// - the verdict: the status text when it is not `unique`, else the record of
//   `variable` (relation) value in the decimal style, or in the fraction
//   style for both other styles.
Record verdictLine(const LinearSolution& solution, const std::string& variable, Style style);

}  // namespace radixmender
