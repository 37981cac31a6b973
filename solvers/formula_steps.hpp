#pragma once
// The lines of the formula step: the equation in standard form, the general
// formula, a, b and c read off the equation, the formula with them put in,
// and the roots (or "no solution").
#include <vector>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "records/types.hpp"

namespace radixmender {

// For an equation in the form ax² + bx + c (relation) 0: a, b and c are read
// from the left side (its first term, then its first terms of exponent 1 and
// 0, a missing one 0), and drawn red, blue and gray with `colored`. The
// roots come from the analysis of both sides, rational ones as fractions,
// irrational ones as one fraction (A ± B√c)/L. Fifteen lines, fourteen for no
// root. `style` is accepted and not read. An equation without a square term
// throws std::domain_error (the analysis).
std::vector<Record> formulaSteps(const PolyEquation& equation, Style style, bool colored);

}  // namespace radixmender
