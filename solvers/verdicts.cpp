#include "solvers/verdicts.hpp"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "algebra/wide.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"
#include "solvers/numbers.hpp"

namespace radixmender {

namespace {

using Terms = std::vector<Monomial>;

// Σ of the coefficients of the side's terms of `exponent`, from 0/1.
Rational coefficientSum(const Polynomial& side, std::uint64_t exponent) {
    Rational sum(0, 1);
    for (const Monomial& m : side.terms)
        if (m.exponent == exponent) sum = unwrapped(sum.adding(m.coefficient));
    return sum;
}

template <class P>
Terms termsWhere(const Terms& terms, P p) {
    Terms kept;
    std::copy_if(terms.begin(), terms.end(), std::back_inserter(kept), p);
    return kept;
}

Terms ofExponent(const Terms& terms, std::uint64_t exponent) {
    return termsWhere(terms, [exponent](const Monomial& m) { return m.exponent == exponent; });
}

bool hasZeroNumerator(const Monomial& m) { return m.coefficient.numerator == 0; }

Step_exclusions decimalExclusions(const Terms& all, const Terms& fractional) {
    if (fractional.empty()) return Step_exclusions::reduce_and_clear;
    if (fractional.size() == 1 && fractional[0].exponent == 0) {
        const Terms x = ofExponent(all, 1), k = ofExponent(all, 0);
        const bool unitX =
            x.size() == 1 && (x[0].coefficient.numerator == 1 || x[0].coefficient.numerator == -1);
        const bool oneConstant =
            k.size() == 1 || (k.size() == 2 && (hasZeroNumerator(k[0]) || hasZeroNumerator(k[1])));
        if (unitX && oneConstant) return Step_exclusions::reduce_and_clear;
    }
    return Step_exclusions::reduce;
}

Step_exclusions fractionExclusions(const Terms& all, const Terms& fractional) {
    if (fractional.empty()) return Step_exclusions::reduce_and_clear;
    if (fractional.size() == 1 && fractional[0].exponent == 1) {
        if (ofExponent(all, 1).size() > 1) return Step_exclusions::none;
        return fractional[0].coefficient.numerator == 1 ? Step_exclusions::reduce_and_clear
                                                        : Step_exclusions::clear;
    }
    if (fractional.size() == 1) {
        const Terms k = ofExponent(all, 0);
        const auto nonZero =
            std::count_if(k.begin(), k.end(), [](const Monomial& m) { return !hasZeroNumerator(m); });
        return k.size() == 1 || nonZero == 1 ? Step_exclusions::clear : Step_exclusions::none;
    }
    if (fractional.size() == 2) {
        if (fractional[0].exponent == fractional[1].exponent) return Step_exclusions::none;
        const bool someZero = std::any_of(all.begin(), all.end(), hasZeroNumerator);
        return all.size() == 2 || (all.size() == 3 && someZero) ? Step_exclusions::clear
                                                                : Step_exclusions::none;
    }
    return Step_exclusions::none;
}

Quadratic_solution rationalRoot(const Rational& r) { return {r, Rational(0, 1), 0}; }

}  // namespace

Rational coefficientDifference(const PolyEquation& e, std::uint64_t exponent) {
    return unwrapped(subtracting(coefficientSum(e.LHS, exponent), coefficientSum(e.RHS, exponent)));
}

LinearSolution linearSolution(const PolyEquation& e) {
    const Rational A = coefficientDifference(e, 1);
    const Rational B = unwrapped(subtracting(coefficientSum(e.RHS, 0), coefficientSum(e.LHS, 0)));
    const Relation r = e.relation;
    if (A.numerator != 0) {
        return {unwrapped(B.divided(A)), A.numerator < 0 ? reversed(r) : r, Status::unique};
    }
    // 0 (relation) B: true for every x or for none.
    bool holds;
    if (B.numerator == 0)
        holds = r != Relation::less_than && r != Relation::greater_than;
    else if (B.numerator > 0)
        holds = r == Relation::less_than || r == Relation::less_than_or_equal_to;
    else
        holds = r == Relation::greater_than || r == Relation::greater_than_or_equal_to;
    return {Rational(0, 1), r, holds ? Status::infinite : Status::none};
}

bool isSingleVariableTerm(const Polynomial& side, bool negative) {
    if (side.terms.size() != 1) return false;
    const Monomial& m = side.terms[0];
    return m.exponent == 1 && m.coefficient.denominator == 1 && m.coefficient.numerator == (negative ? -1 : 1);
}

bool isSingleReducedConstant(const Polynomial& side, bool lowestTerms) {
    if (side.terms.size() != 1) return false;
    const Rational& c = side.terms[0].coefficient;
    if (side.terms[0].exponent != 0 || c.denominator == 0) return false;
    return !lowestTerms || (gcd(c.numerator, c.denominator) == 1 && c.denominator > 0);
}

bool isSolved(const PolyEquation& e, bool decimal) {
    return isSingleVariableTerm(e.LHS, false) && isSingleReducedConstant(e.RHS, !decimal);
}

Step_exclusions stepExclusions(const PolyEquation& e, Style style) {
    Terms all = e.LHS.terms;
    all.insert(all.end(), e.RHS.terms.begin(), e.RHS.terms.end());
    const Terms fractional =
        termsWhere(all, [](const Monomial& m) { return m.coefficient.denominator != 1; });
    return style == Style::decimal ? decimalExclusions(all, fractional) : fractionExclusions(all, fractional);
}

QuadraticAnalysis analyzeQuadratic(const PolyEquation& e) {
    const Rational a = coefficientDifference(e, 2), b = coefficientDifference(e, 1),
                   c = coefficientDifference(e, 0);
    if (a.numerator == 0)
        throw std::domain_error("no square term to solve for: the square terms of the two sides cancel");
    const std::int64_t L = lcm(lcm(a.denominator, b.denominator), c.denominator);
    const Rational scale(a.numerator < 0 ? checkedNeg(L) : L, 1);
    const std::int64_t A = unwrapped(a.multiplied(scale)).numerator;
    const std::int64_t B = unwrapped(b.multiplied(scale)).numerator;
    const std::int64_t C = unwrapped(c.multiplied(scale)).numerator;

    const wide::Int128 D = wide::checkedAdd(wide::product(B, B), wide::checkedMul(-4, wide::product(A, C)));
    if (D < 0) return {std::nullopt, std::nullopt, Quadratic_status::none};
    const std::int64_t twoA = checkedMul(2, A), minusB = checkedNeg(B);
    const auto over2A = [twoA](std::int64_t n) { return unwrapped(Rational(n, twoA).reduced()); };
    if (D == 0) {
        const Quadratic_solution r = rationalRoot(over2A(minusB));
        return {r, r, Quadratic_status::rational_repeated};
    }
    const std::int64_t d = wide::narrow(D);
    if (const auto q = exactSquareRoot(d)) {
        return {rationalRoot(over2A(checkedSub(minusB, *q))), rationalRoot(over2A(checkedAdd(minusB, *q))),
                Quadratic_status::rational_distinct};
    }
    const SquareRootParts root = unwrapped(simplifySquareRoot(d));
    const Rational p = over2A(minusB);
    return {Quadratic_solution{p, over2A(-root.k), root.m}, Quadratic_solution{p, over2A(root.k), root.m},
            Quadratic_status::irrational_distinct};
}

}  // namespace radixmender
