#pragma once
// The stage operations on an equation side with parenthesised
// sub-expressions (`Ext_polynomial`), which the linear solver with
// parentheses applies side by side.
//
// Term lists are never added, removed or reordered, so every `sub_exp` index
// stays valid: a sub-expression that is merged into its carrier's list is
// left as the zero-term list [0/1·x⁰]. Wherever a list would be left empty
// it holds the zero term instead.
//
// A well-formed side has at least one list, no empty list, and every carrier
// (a term with a sub-expression) names a list before its own, which no other
// carrier names: the sub-expressions form a tree, inner lists first, the top
// level last. The operations expect such a side with non-zero denominators;
// every sum and product is checked (std::overflow_error).
#include <cstdint>
#include <optional>

#include "algebra/equation.hpp"

namespace radixmender {

// A stage as shown: the input (the items about to change possibly red) and
// the result.
template <class T>
struct BeforeAfter {
    T before;
    T after;
};
using SideStage = BeforeAfter<Ext_polynomial>;

// Throws std::invalid_argument saying what is wrong unless the side is well
// formed.
void requireWellFormed(const Ext_polynomial& side);

bool hasZeroDenominator(const Ext_polynomial& side);
// The top-level list holds a carrier (other lists are not looked at).
bool hasParentheses(const Ext_polynomial& side);
// The monomials of the top-level list, in order.
Polynomial toPolynomial(const Ext_polynomial& side);
// Both sides so; the relation kept, its colour black.
PolyEquation toPolyEquation(const Ext_polyEquation& equation);

// The sub-expression of the first carrier (lists in order, terms in order)
// multiplied out in its place: each product reduced, its exponent the sum,
// its letter the inner term's, or the carrier's when the inner term is a
// constant. With `colored` the products are red, and in `before` the carrier
// and the inner terms. None without a carrier.
std::optional<SideStage> distribute(const Ext_polynomial& side, bool colored);

// In every list, like terms (equal exponents, equal letters unless constant,
// no sub-expression; with `integersOnly` whole coefficients only) summed into
// the first of them; then zero terms, carriers included, dropped. A term that
// found no partner keeps its coefficient and colours. None when no sum was
// made.
std::optional<SideStage> combineLikeTerms(const Ext_polynomial& side, bool integersOnly);

// Every coefficient to lowest terms with a positive denominator (changed
// terms black), then the parentheses of unit multipliers removed. None when
// every coefficient was reduced already.
std::optional<SideStage> reduceCoefficients(const Ext_polynomial& side);

// The first carrier whose multiplier is 1 (exponent 0, any letter, 2/2
// included) replaced by the terms of its sub-expression; none without one.
std::optional<Ext_polynomial> removeParentheses(const Ext_polynomial& side);
// Until none is left.
Ext_polynomial removeAllParentheses(const Ext_polynomial& side);

// The first constant carrier whose sub-expression is one constant that
// carries nothing, 3·(−2), merged into one constant term (reduced, black, in
// "x"); none without one. A lone term that carries parentheses of its own,
// 2·(3·(x + 1)), is not merged.
std::optional<Ext_polynomial> distributeCoefficient(const Ext_polynomial& side);
// Until none is left; none when the first merge finds nothing.
std::optional<Ext_polynomial> distributeAllCoefficients(const Ext_polynomial& side);

// Zero terms dropped from every list, then, pass by pass, every carrier of a
// sub-expression that is zero alone, so that parentheses around nothing go
// in chains. With `recolor` every term black.
Ext_polynomial removingZeroTerms(const Ext_polynomial& side, bool recolor);

// Every colour of every term (coefficient, letter, parentheses) in `color`.
Ext_polynomial recolored(const Ext_polynomial& side, Color color);
// The coefficients in `color`; letters and parentheses black.
Ext_polynomial recoloringCoefficients(const Ext_polynomial& side, Color color);
// The left side's coefficients in `lhs`, the right side's in `rhs`; the
// relation black.
Ext_polyEquation recoloringCoefficients(const Ext_polyEquation& equation, Color lhs, Color rhs);

// The fold steps of clearing fractions from the top-level list:
// - lcm of the running value and the term's denominator (from 1 over 2, −3
//   and 4 it gives 12);
std::int64_t lcmWithDenominator(std::int64_t running, const Term& term);
// - the term with only its denominator coloured, red when `colored`;
Term highlightDenominator(const Term& term, bool colored);
// - the term times L (a multiple of its denominator), whole and black; a
//   carrier so scales its whole product.
Term scaledByLcm(const Term& term, std::int64_t L);

// ---- Equation level ----
// Each applies the side operation above to the left side, then the right.

// A zero denominator on the left, or failing that on the right.
bool hasZeroDenominator(const Ext_polyEquation& equation);
// The top-level list of either side holds a carrier.
bool hasParentheses(const Ext_polyEquation& equation);
// The relation kept, its colour black.
Ext_polyEquation removingZeroTerms(const Ext_polyEquation& equation, bool recolor);
Ext_polyEquation removingAllParentheses(const Ext_polyEquation& equation);
// Each side that changed replaced, the other kept; the relation colour
// black. None when neither side changed.
std::optional<Ext_polyEquation> distributingAllCoefficients(const Ext_polyEquation& equation);
// Every colour of the left side in `lhs`, of the right side in `rhs`, the
// relation in `relation`.
Ext_polyEquation recolored(const Ext_polyEquation& equation, Color lhs, Color rhs, Color relation);

// The stages of the linear solver with parentheses. `before` is the input
// (with the side that changes highlighted by `distributeStage`), `after` the
// input with each changed side replaced; the relation and its colour kept.
using EquationStage = BeforeAfter<Ext_polyEquation>;
// Every coefficient reduced, parentheses of unit multipliers removed.
std::optional<EquationStage> simplifyStage(const Ext_polyEquation& equation);
std::optional<EquationStage> combineLikeTermsStage(const Ext_polyEquation& equation, bool integersOnly);
// One pair of parentheses multiplied out, on the left side when it has one.
std::optional<EquationStage> distributeStage(const Ext_polyEquation& equation, bool colored);

// Both sides times L, the lcm of the denominators of the top-level lists
// (those inside parentheses are not looked at):
// - `highlighted`: the top-level denominators red when `colored`, the rest
//   of those terms black;
// - `multiplied`: each side as L(…), L red when `colored`;
// - `cleared`: every top-level coefficient n/d as n·(L/d), black, and the
//   parentheses of unit multipliers removed.
// Relation colours black. None when L is 1.
struct ClearedFractions {
    Ext_polyEquation highlighted;
    Ext_polyEquation multiplied;
    Ext_polyEquation cleared;
    std::int64_t L = 1;
};
std::optional<ClearedFractions> clearFractionsStage(const Ext_polyEquation& equation, bool colored);

}  // namespace radixmender
