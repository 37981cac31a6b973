#include "solvers/clean_up.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "records/checked.hpp"
#include "records/integers.hpp"
#include "solvers/numbers.hpp"

namespace radixmender {

namespace {

using Terms = std::vector<Monomial>;

template <class F>
Polynomial mapTerms(const Polynomial& side, F f) {
    Terms terms;
    terms.reserve(side.terms.size());
    for (const Monomial& m : side.terms) terms.push_back(f(m));
    return Polynomial(std::move(terms));
}

template <class P>
bool anyTerm(const Polynomial& side, P p) {
    return std::any_of(side.terms.begin(), side.terms.end(), p);
}

template <class F>
PolyEquation mapSides(const PolyEquation& e, F f) {
    return {f(e.LHS), f(e.RHS), e.relation};
}

// The left terms followed by the right terms, as one side.
Polynomial joined(const PolyEquation& e) {
    Terms terms = e.LHS.terms;
    terms.insert(terms.end(), e.RHS.terms.begin(), e.RHS.terms.end());
    return Polynomial(std::move(terms));
}

// `whole` cut back into the two sides of `e`.
PolyEquation split(const Polynomial& whole, const PolyEquation& e) {
    const auto cut = whole.terms.begin() + static_cast<std::ptrdiff_t>(e.LHS.terms.size());
    return {Polynomial(Terms(whole.terms.begin(), cut)), Polynomial(Terms(cut, whole.terms.end())),
            e.relation};
}

// n/d divided by gcd(n, d), given the sign of d; 0/0 throws "Division by zero".
Rational reducedCoefficient(const Rational& c) {
    std::int64_t g = gcd(c.numerator, c.denominator);
    if (c.denominator < 0) g = -g;
    return {checkedDiv(c.numerator, g), checkedDiv(c.denominator, g)};
}

bool alike(const Monomial& a, const Monomial& b, bool simpleOnly) {
    return a.exponent == b.exponent && (a.variable == b.variable || a.exponent == 0) &&
           (!simpleOnly || (a.coefficient.denominator == 1 && b.coefficient.denominator == 1));
}

// n·(L/d) over `over`, with the colours of c.
Rational scaled(const Rational& c, std::int64_t L, std::int64_t over) {
    return {checkedMul(c.numerator, checkedDiv(L, c.denominator)), over, c.numerator_color,
            c.denominator_color, c.bar_color};
}

}  // namespace

Polynomial zeroSide() { return Polynomial({Monomial()}); }

bool hasZeroDenominator(const Polynomial& side) {
    return anyTerm(side, [](const Monomial& m) { return m.coefficient.denominator == 0; });
}

Polynomial removingZeroTerms(const Polynomial& side, bool recolor) {
    Terms kept;
    for (const Monomial& m : side.terms)
        if (m.coefficient.numerator != 0) kept.push_back(m);
    if (kept.empty()) return zeroSide();
    Polynomial result(std::move(kept));
    return recolor ? recolored(result, Color::black) : result;
}

Polynomial recolored(const Polynomial& side, Color color) {
    return mapTerms(side, [color](const Monomial& m) { return m.recolored(color); });
}

bool hasUnreducedCoefficient(const Polynomial& side) {
    return anyTerm(side, [](const Monomial& m) {
        const Rational& c = m.coefficient;
        return gcd(c.numerator, c.denominator) != 1 || c.denominator < 0;
    });
}

Polynomial reducingCoefficients(const Polynomial& side) {
    return mapTerms(side, [](const Monomial& m) {
        return Monomial(reducedCoefficient(m.coefficient), m.exponent, m.variable);
    });
}

CombinedSide combiningLikeTerms(const Polynomial& side, bool simpleOnly) {
    const Terms& terms = side.terms;
    Terms result;
    bool changed = false;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const Monomial& term = terms[i];
        if (std::any_of(result.begin(), result.end(),
                        [&](const Monomial& kept) { return alike(kept, term, simpleOnly); }))
            continue;
        Rational sum = term.coefficient;
        for (std::size_t j = i + 1; j < terms.size(); ++j) {
            if (!alike(term, terms[j], simpleOnly)) continue;
            sum = unwrapped(sum.adding(terms[j].coefficient));
            changed = true;
        }
        result.emplace_back(sum, term.exponent, term.variable);
    }
    std::erase_if(result, [](const Monomial& m) { return m.coefficient.numerator == 0; });
    if (result.empty()) return {zeroSide(), changed};
    return {Polynomial(std::move(result)), changed};
}

bool hasFractionalCoefficient(const Polynomial& side) {
    return anyTerm(side, [](const Monomial& m) { return m.coefficient.denominator != 1; });
}

std::int64_t lcmOfDenominators(const Polynomial& side) {
    std::int64_t L = 1;
    for (const Monomial& m : side.terms) L = lcm(L, m.coefficient.denominator);
    return L;
}

Polynomial clearingFractions(const Polynomial& side) {
    const std::int64_t L = lcmOfDenominators(side);
    return mapTerms(side, [L](const Monomial& m) {
        return Monomial(scaled(m.coefficient, L, 1).blackCopy(), m.exponent, m.variable);
    });
}

Polynomial highlightingFractions(const Polynomial& side, Color color) {
    return mapTerms(side, [color](Monomial m) {
        if (m.coefficient.denominator != 1) m.coefficient.denominator_color = color;
        return m;
    });
}

CommonDenominatorSide overCommonDenominator(const Polynomial& side) {
    std::int64_t L = 1;
    for (const Monomial& m : side.terms)
        if (m.coefficient.denominator != 1) L = lcm(L, m.coefficient.denominator);
    if (L == 1) return {side, false, false};
    bool changed = false;
    Polynomial result = mapTerms(side, [&](Monomial m) {
        if (m.coefficient.denominator != L) {
            m.coefficient = scaled(m.coefficient, L, L);
            changed = true;
        }
        return m;
    });
    return {std::move(result), true, changed};
}

bool hasZeroDenominator(const PolyEquation& e) {
    return hasZeroDenominator(e.LHS) || hasZeroDenominator(e.RHS);
}

PolyEquation removingZeroTerms(const PolyEquation& e, bool recolor) {
    return mapSides(e, [recolor](const Polynomial& p) { return removingZeroTerms(p, recolor); });
}

bool hasUnreducedCoefficient(const PolyEquation& e) {
    return hasUnreducedCoefficient(e.LHS) || hasUnreducedCoefficient(e.RHS);
}

PolyEquation reducingCoefficients(const PolyEquation& e) {
    return mapSides(e, [](const Polynomial& p) { return reducingCoefficients(p); });
}

CombinedEquation combiningLikeTerms(const PolyEquation& e, bool simpleOnly) {
    CombinedSide left = combiningLikeTerms(e.LHS, simpleOnly), right = combiningLikeTerms(e.RHS, simpleOnly);
    return {PolyEquation(std::move(left.side), std::move(right.side), e.relation),
            left.changed || right.changed};
}

bool hasFractionalCoefficient(const PolyEquation& e) {
    return hasFractionalCoefficient(e.LHS) || hasFractionalCoefficient(e.RHS);
}

std::int64_t lcmOfDenominators(const PolyEquation& e) {
    return lcm(lcmOfDenominators(e.LHS), lcmOfDenominators(e.RHS));
}

PolyEquation clearingFractions(const PolyEquation& e) { return split(clearingFractions(joined(e)), e); }

PolyEquation highlightingFractions(const PolyEquation& e, Color color) {
    return mapSides(e, [color](const Polynomial& p) { return highlightingFractions(p, color); });
}

CommonDenominatorEquation overCommonDenominator(const PolyEquation& e) {
    const CommonDenominatorSide whole = overCommonDenominator(joined(e));
    if (!whole.hasFractions) return {PolyEquation(e.LHS, e.RHS, e.relation), false, false};
    return {split(whole.side, e), true, whole.changed};
}

}  // namespace radixmender
