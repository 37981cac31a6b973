#pragma once
// Judgements on an equation that the solvers make without writing steps: the
// verdict of a linear equation, whether it is already solved, which
// preparation stages the linear core leaves out, and the exact solutions of a
// quadratic.
//
// An equation is read by exponent, never by variable letter: coefficients of
// like exponents are summed per side (from 0/1, in list order) and the sums
// compared across the sides. Every coefficient must have a non-zero
// denominator (the solvers reject others first); one that does not throws
// std::logic_error. Every sum and product is checked and throws
// std::overflow_error rather than wrapping.
#include <cstdint>
#include <optional>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"

namespace radixmender {

// The sum of the left side's coefficients of `exponent` less the right
// side's, reduced.
Rational coefficientDifference(const PolyEquation& equation, std::uint64_t exponent);

// The equation read as A·x (relation) B:
// - A ≠ 0: `unique`, value B/A reduced, the relation reversed when A < 0;
// - A = 0: 0 (relation) B decides between `infinite` and `none`, with the
//   value 0/1 and the relation as given.
// Terms of exponent 2 or more take no part.
struct LinearSolution {
    Rational value;
    Relation relation = Relation::equal_to;
    Status status = Status::none;
};
LinearSolution linearSolution(const PolyEquation& equation);

// Exactly x (one term of exponent 1 over 1 with numerator 1), or exactly −x
// (numerator −1) when `negative`; the letter is not looked at.
bool isSingleVariableTerm(const Polynomial& side, bool negative);
// One term of exponent 0 with a non-zero denominator; with `lowestTerms` also
// reduced with a positive denominator (0/5 and 1/−2 are not, 0/1 is).
bool isSingleReducedConstant(const Polynomial& side, bool lowestTerms);
// x = c: a left side of exactly x, and one constant on the right, reduced
// unless `decimal`.
bool isSolved(const PolyEquation& equation, bool decimal);

// Which preparation stages of the linear core ("simplify", clearing
// fractions or decimals) would show nothing worth a step, judged from the
// fractional coefficients (denominator other than 1) and the terms around
// them. The relation is not read.
Step_exclusions stepExclusions(const PolyEquation& equation, Style style);

// The equation read as ax² + bx + c (relation) 0, scaled to whole A > 0, B, C
// with the ratio of a, b, c, and solved from D = B² − 4AC:
// - D < 0: no solutions, `none`;
// - D = 0: one root −B/2A twice, `rational_repeated`;
// - D = q²: (−B ∓ q)/2A, `rational_distinct`;
// - otherwise −B/2A ∓ (k/2A)√m with √D = k√m, `irrational_distinct`.
// first ≤ second; every part reduced, positive denominators, black. Terms of
// exponent 3 or more take no part. Without a square term (a = 0) there is
// nothing to solve: std::domain_error.
struct QuadraticAnalysis {
    std::optional<Quadratic_solution> first;
    std::optional<Quadratic_solution> second;
    Quadratic_status status = Quadratic_status::none;
};
QuadraticAnalysis analyzeQuadratic(const PolyEquation& equation);

}  // namespace radixmender
