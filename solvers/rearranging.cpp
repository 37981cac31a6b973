#include "solvers/rearranging.hpp"

#include <algorithm>
#include <utility>

#include "algebra/algebra_records.hpp"
#include "records/checked.hpp"
#include "solvers/clean_up.hpp"
#include "solvers/numbers.hpp"

namespace radixmender {

namespace {

using Terms = std::vector<Monomial>;

bool higherExponent(const Monomial& a, const Monomial& b) { return a.exponent > b.exponent; }

Terms squareTerms(const Polynomial& side) {
    Terms squares;
    std::copy_if(side.terms.begin(), side.terms.end(), std::back_inserter(squares),
                 [](const Monomial& m) { return m.exponent == 2; });
    return squares;
}

// The side without its square terms; 0 in `variable` when nothing is left.
Polynomial withoutSquareTerms(const Polynomial& side, const std::string& variable) {
    Terms rest;
    std::copy_if(side.terms.begin(), side.terms.end(), std::back_inserter(rest),
                 [](const Monomial& m) { return m.exponent != 2; });
    if (rest.empty()) return Polynomial({Monomial(Rational(0, 1), 0, variable)});
    return Polynomial(std::move(rest));
}

// All terms of both sides on the left, the right side's negated, sorted by
// descending exponent and summed power by power; zero sums are left out.
Terms collectedOnTheLeft(const PolyEquation& e) {
    Terms all = e.LHS.terms;
    const Polynomial negatedRight = negatingCoefficients(e.RHS);
    all.insert(all.end(), negatedRight.terms.begin(), negatedRight.terms.end());
    std::stable_sort(all.begin(), all.end(), higherExponent);
    const std::string variable = all.at(0).variable;

    Terms collected;
    Rational sum(0, 1);
    std::uint64_t exponent = all.front().exponent;
    const auto close = [&] {
        if (unwrapped(sum.reduced()).numerator != 0) collected.emplace_back(sum, exponent, variable);
    };
    for (const Monomial& m : all) {
        if (m.exponent == exponent) {
            sum = unwrapped(sum.adding(m.coefficient));
            continue;
        }
        close();
        sum = m.coefficient;
        exponent = m.exponent;
    }
    close();
    if (collected.empty()) collected.emplace_back(Rational(0, 1), 0, variable);
    return collected;
}

Polynomial highlightedAt(const Polynomial& side, std::size_t index, Color color) {
    Terms terms = side.terms;
    const Monomial& m = terms.at(index);
    terms[index] = Monomial(m.coefficient.recolored(color), m.exponent, m.variable);
    return Polynomial(std::move(terms));
}

}  // namespace

Polynomial negatingCoefficients(const Polynomial& side) {
    Polynomial result = reducingCoefficients(side);
    for (Monomial& m : result.terms) m.coefficient.numerator = checkedNeg(m.coefficient.numerator);
    return result;
}

bool isInDescendingOrder(const Polynomial& side) {
    // A stable sort leaves the list as it is exactly when no exponent rises.
    return std::is_sorted(side.terms.begin(), side.terms.end(), higherExponent);
}

Polynomial sortedDescending(const Polynomial& side) {
    Polynomial result = side;
    std::stable_sort(result.terms.begin(), result.terms.end(), higherExponent);
    return result;
}

std::optional<Polynomial> sortedDescendingIfNeeded(const Polynomial& side) {
    if (isInDescendingOrder(side)) return std::nullopt;
    return sortedDescending(side);
}

bool isNonZeroVariableTerm(const Monomial& term) {
    return term.coefficient.numerator != 0 && term.exponent > 0;
}

std::int64_t countHigherPowerTerms(std::int64_t count, const Monomial& term) {
    return term.exponent > 1 ? checkedAdd(count, 1) : count;
}

std::optional<PolyEquation> cancellingSameSquareTerm(const PolyEquation& e) {
    const Terms left = squareTerms(e.LHS), right = squareTerms(e.RHS);
    if (left.empty() || right.empty() || !(left[0].coefficient == right[0].coefficient)) return std::nullopt;
    return PolyEquation(withoutSquareTerms(e.LHS, left[0].variable),
                        withoutSquareTerms(e.RHS, right[0].variable), e.relation);
}

ExchangedSides exchangeSidesStep(const PolyEquation& e) {
    const Polynomial zero = zeroSide();
    if (e.RHS == zero) {
        if (isInDescendingOrder(e.LHS)) return {};
        return {std::vector<PolyEquation>{e, PolyEquation(sortedDescending(e.LHS), e.RHS, e.relation)},
                std::nullopt};
    }
    if (e.LHS == zero) {
        std::vector<PolyEquation> equations{e};
        if (const auto sorted = sortedDescendingIfNeeded(e.RHS)) {
            equations.emplace_back(e.LHS, *sorted, e.relation);
            equations.emplace_back(*sorted, e.LHS, e.relation);
        } else {
            equations.emplace_back(e.RHS, e.LHS, e.relation);
        }
        return {std::move(equations), "exchange sides for convenience"};
    }
    Polynomial collected(collectedOnTheLeft(e));
    const std::string variable = collected.terms.front().variable;
    return {std::vector<PolyEquation>{
                e, PolyEquation(std::move(collected), Polynomial({Monomial(Rational(0, 1), 0, variable)}),
                                e.relation)},
            "left hand side for convenience"};
}

PolyEquation recolored(const PolyEquation& e, Color lhs, Color rhs, Color relation) {
    return {recolored(e.LHS, lhs), recolored(e.RHS, rhs), e.relation, relation};
}

std::vector<Record> appendEquationRecord(std::vector<Record> lines, const PolyEquation& e, Style style) {
    lines.push_back(record(e, style));
    return lines;
}

std::vector<Record> appendRecoloredEquationRecord(std::vector<Record> lines, const PolyEquation& e,
                                                  Style style) {
    return appendEquationRecord(std::move(lines), recolored(e, Color::black, Color::black, Color::black),
                                style);
}

Polynomial firstTermStep(const Polynomial& side, Color color) {
    return side.terms.empty() ? side : highlightedAt(side, 0, color);
}

Polynomial lastTermStep(const Polynomial& side, Color color) {
    return side.terms.empty() ? side : highlightedAt(side, side.terms.size() - 1, color);
}

}  // namespace radixmender
