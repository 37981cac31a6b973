#include "solvers/queries.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "records/integers.hpp"
#include "solvers/rearranging.hpp"

namespace radixmender {

PolyEquation negatingBothSides(const PolyEquation& e) {
    return {negatingCoefficients(e.LHS), negatingCoefficients(e.RHS), e.relation, e.relation_color};
}

Ext_polynomial toExtPolynomial(const Polynomial& side) {
    std::vector<Term> terms;
    for (const Monomial& m : side.terms) terms.emplace_back(m, std::pair<bool, std::uint64_t>{false, 0});
    return Ext_polynomial({std::move(terms)});
}

Ext_polyEquation toExtPolyEquation(const PolyEquation& e) {
    return {toExtPolynomial(e.LHS), toExtPolynomial(e.RHS), e.relation};
}

Polynomial_XL toPolynomialXL(const Polynomial& side) {
    std::vector<Term_XL> terms;
    for (const Monomial& m : side.terms) terms.emplace_back(m);
    return Polynomial_XL({std::move(terms)});
}

bool hasOnlyConstants(const Polynomial& side) {
    return std::all_of(side.terms.begin(), side.terms.end(),
                       [](const Monomial& m) { return m.exponent == 0; });
}

bool hasOnlyConstants(const PolyEquation& e) { return hasOnlyConstants(e.LHS) && hasOnlyConstants(e.RHS); }

bool isConstantIdentity(const PolyEquation& e) {
    if (e.LHS.terms.size() != 1 || e.RHS.terms.size() != 1) return false;
    const Monomial &l = e.LHS.terms[0], &r = e.RHS.terms[0];
    return l.exponent == 0 && r.exponent == 0 && l.coefficient.isEqual(r.coefficient, false);
}

bool isSingleIntegerConstant(const Polynomial& side, bool exact) {
    if (side.terms.size() != 1 || side.terms[0].exponent != 0) return false;
    const Rational& c = side.terms[0].coefficient;
    if (c.denominator == 0) return false;
    if (exact) return c.denominator == 1;
    // ±1 divides everything; testing it by remainder would overflow for −2⁶³.
    return c.denominator == 1 || c.denominator == -1 || c.numerator % c.denominator == 0;
}

std::array<Polynomial_XL, 2> negatedVariableForms(const Polynomial& side) {
    std::vector<std::vector<Term_XL>> factorLists, expandedLists;
    std::vector<Term_XL> factorTop, expandedTop;
    for (const Monomial& m : side.terms) {
        if (m.exponent == 0) {
            factorTop.emplace_back(m);
            expandedTop.emplace_back(m);
            continue;
        }
        const Color c = m.exponent % 2 == 1 ? Color::blue : Color::red;
        const Rational minusOne(-1, 1, c, c, c);
        const Rational sign(m.exponent % 2 == 1 ? -1 : 1, 1, c, c, c);
        const auto pointer = static_cast<std::uint64_t>(factorLists.size());
        factorLists.push_back({Term_XL(Monomial(minusOne, 1, m.variable, c))});
        expandedLists.push_back({Term_XL(Monomial(sign, m.exponent, m.variable, c))});
        factorTop.emplace_back(Monomial(m.coefficient, 0, m.variable, c),
                               std::vector{Factor(pointer, m.exponent, c, c)});
        expandedTop.emplace_back(Monomial(m.coefficient, 0, m.variable, c),
                                 std::vector{Factor(pointer, 1, c, c)});
    }
    factorLists.push_back(std::move(factorTop));
    expandedLists.push_back(std::move(expandedTop));
    return {Polynomial_XL(std::move(factorLists)), Polynomial_XL(std::move(expandedLists))};
}

std::int64_t gcdOfNumeratorsStep(std::int64_t running, const Monomial& term) {
    return gcd(running, term.coefficient.numerator);
}

}  // namespace radixmender
