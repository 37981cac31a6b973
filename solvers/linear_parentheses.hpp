#pragma once
// The linear solver for equations with parenthesised sub-expressions:
// 3(x − 2) + 5 = −(x + 1).
//
// The equation is prepared (zero terms and parentheses around 1 dropped);
// without parentheses left it is exactly the linear core's work. Otherwise
// it opens with "🤔", merges constants under constant multipliers (2(3) is
// 6) without a step of its own, and works the stages that belong to
// parentheses, each one step: "simplify", "clear fractions" (of the top
// level, only when `fractions`), then rounds of "combine simple like terms"
// and "distribute to remove (  )" (one pair of parentheses a round, the left
// side first) until none is left. The linear core (solvers/linear_core.hpp)
// writes the rest, its steps led by the lines so far, and the solution
// closes with "😎": the prepared equation and the verdict.
//
// Options (solvers/solver_options.hpp) as the linear core's; `fractions`
// allows the clearing step of this solver, `clearing` the core's. The letter is that of the first variable
// term with a numerator other than 0, lists in order, the left side first.
//
// A side that is not well formed (see solvers/parentheses_stages.hpp) throws
// std::invalid_argument; a coefficient over 0 anywhere gives the single
// "oops" step of the linear core.
#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "solvers/solver_options.hpp"
#include "solvers/solver_result.hpp"
#include "solvers/verdicts.hpp"

namespace radixmender {

SolverResult solveLinear(const Ext_polyEquation& equation, const SolverOptions& options = {});

// The verdict of the equation after the same stages, without steps (the
// fractions are always cleared). The equation must have no coefficient over
// 0 (std::logic_error).
LinearSolution linearSolution(const Ext_polyEquation& equation);

}  // namespace radixmender
