#include "algebra/rational_expression.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "algebra/algebra_records.hpp"
#include "algebra/common_factors.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"

namespace radixmender {

namespace {

using List = std::vector<Term_XL>;
using SideStep = std::optional<PolynomialPair> (*)(const Polynomial_XL&, Color);

// The pair of a transform that works on each side by itself: a side the step
// leaves alone stands unchanged in both stages.
std::optional<ExpressionPair> eachSide(const Rational_Expression& e, SideStep step) {
    auto n = step(e.poly_N, Color::red);
    auto d = step(e.poly_D, Color::blue);
    if (!n && !d) return std::nullopt;
    const auto stage = [&](std::size_t i) {
        return Rational_Expression(n ? std::move((*n)[i]) : e.poly_N, d ? std::move((*d)[i]) : e.poly_D);
    };
    return ExpressionPair{stage(0), stage(1)};
}

std::optional<PolynomialPair> sortingStep(const Polynomial_XL& side, Color h) {
    // A factored side is left as it is: sorting would keep only its list 0.
    if (side.terms.size() != 1 || side.isInDescendingOrder()) return std::nullopt;
    return PolynomialPair{side.mapTerms(h), side.sortedFirstList().mapTerms(h)};
}

std::optional<PolynomialPair> negativesStep(const Polynomial_XL& side, Color h) {
    // List 0 of a factored side is one of its factors, not its leading term.
    if (side.terms.size() != 1 || !side.leadingCoefficientIsNegative() || side.isConstant(-1))
        return std::nullopt;
    return PolynomialPair{side.mapTerms(h), negated(side).mapTerms(h)};
}

std::optional<PolynomialPair> commonFactorStep(const Polynomial_XL& side, Color h) {
    if (!commonFactor(side)) return std::nullopt;
    // A list k holding products is not one the common factor can be taken out of.
    if (hasFactoredTerm(side.terms[*factoringListIndex(side)])) return std::nullopt;
    return factorOutCommonFactor(side, false, h);
}

std::optional<PolynomialPair> rationalRootStep(const Polynomial_XL& side, Color h) {
    return factoredByRationalRoot(side, h);
}

Rational required(const std::optional<Rational>& value) {
    if (!value) throw std::invalid_argument("Unexpectedly found nil while unwrapping an Optional value");
    return *value;
}

// The side with its first top-level coefficient negated (reduced, black),
// its exponent, variable, factors and other lists kept.
Polynomial_XL withNegatedTop(const Polynomial_XL& side) {
    Polynomial_XL result = side;
    Term_XL& t = result.terms.back().front();
    t.monomial =
        Monomial(required(t.monomial.coefficient.negated()), t.monomial.exponent, t.monomial.variable);
    return result;
}

Rational_Expression zeroOverOne(const std::string& variable) {
    return {Polynomial_XL({{Term_XL(Monomial(Rational(0, 1), 0, variable))}}),
            Polynomial_XL({{Term_XL(Monomial(Rational(1, 1), 0, variable))}})};
}

// Flat, sorted, not negative, without common factor or rational root.
bool isFinished(const Polynomial_XL& side) {
    return side.isInDescendingOrder() && !side.terms[0].empty() &&
           side.terms[0][0].monomial.coefficient.isNegative() == false && !commonFactor(side) &&
           !hasRationalRoot(side);
}

}  // namespace

Rational_Expression::Rational_Expression(Polynomial_XL n, Polynomial_XL d, Color c)
    : poly_N(std::move(n)), poly_D(std::move(d)), color(c) {}

Record Rational_Expression::record(bool alwaysFraction) const {
    if (!alwaysFraction && poly_D.isConstant(1)) return item(poly_N, Style::rational_fraction);
    return makeJoinRecord(text::kSlash, operandItem(poly_N, Style::rational_fraction),
                          operandItem(poly_D, Style::rational_fraction), color);
}

bool Rational_Expression::isConstant(std::int64_t k) const {
    return poly_N.isConstant(k) && poly_D.isConstant(1);
}

Rational_Expression Rational_Expression::recolored(Color c) const& {
    return {poly_N.mapTerms(c), poly_D.mapTerms(c), c};
}

Rational_Expression Rational_Expression::recolored(Color c) && {
    return {std::move(poly_N).mapTerms(c), std::move(poly_D).mapTerms(c), c};
}

Rational_Expression Rational_Expression::recolored(Color numerator, Color denominator) const {
    return {poly_N.mapTerms(numerator), poly_D.mapTerms(denominator), color};
}

bool Rational_Expression::hasZeroDenominator() const {
    return poly_N.hasZeroDenominator() || poly_D.hasZeroDenominator();
}

Rational_Expression Rational_Expression::removingZeroTerms() const {
    return {poly_N.removingZeroTerms(false), poly_D.removingZeroTerms(false)};
}

std::optional<Rational_Expression> Rational_Expression::simplified(bool flag) const& {
    auto n = poly_N.product(flag);
    auto d = poly_D.product(flag);
    if (!n && !d) return std::nullopt;
    return Rational_Expression(n ? std::move(*n) : poly_N, d ? std::move(*d) : poly_D);
}

std::optional<Rational_Expression> Rational_Expression::simplified(bool flag) && {
    // A side is taken over only by a product that answers.
    auto n = std::move(poly_N).product(flag);
    auto d = std::move(poly_D).product(flag);
    if (!n && !d) return std::nullopt;
    return Rational_Expression(n ? std::move(*n) : std::move(poly_N), d ? std::move(*d) : std::move(poly_D));
}

bool Rational_Expression::isFlatAndSorted() const {
    return poly_N.isInDescendingOrder() && poly_D.isInDescendingOrder();
}

std::optional<ExpressionPair> Rational_Expression::sortingSteps() const {
    return eachSide(*this, sortingStep);
}

bool Rational_Expression::hasNegativeLeadingCoefficient() const {
    return poly_N.leadingCoefficientIsNegative() || poly_D.leadingCoefficientIsNegative();
}

std::optional<ExpressionPair> Rational_Expression::factoringOutNegatives() const {
    return eachSide(*this, negativesStep);
}

bool Rational_Expression::hasCommonFactor() const { return commonFactor(poly_N) || commonFactor(poly_D); }

std::optional<ExpressionPair> Rational_Expression::factoringOutCommonFactors() const {
    return eachSide(*this, commonFactorStep);
}

bool Rational_Expression::hasRationalRoot() const {
    return radixmender::hasRationalRoot(poly_N) || radixmender::hasRationalRoot(poly_D);
}

std::optional<ExpressionPair> Rational_Expression::factoringByRationalRoots() const {
    return eachSide(*this, rationalRootStep);
}

std::optional<std::vector<Rational_Expression>> Rational_Expression::finalForms() const {
    if (poly_N.terms.empty() || poly_D.terms.empty()) return std::nullopt;
    const List& top = poly_N.terms.back();
    const List& bottom = poly_D.terms.back();
    if (top.empty() || bottom.empty()) return std::nullopt;
    const Monomial& a = top.front().monomial;
    const Monomial& b = bottom.front().monomial;
    const auto itself = [this] { return std::vector<Rational_Expression>{*this}; };
    if (top.size() == 1 && bottom.size() == 1) {
        if (a.coefficient.numerator == 0) return std::vector{*this, zeroOverOne(a.variable)};
        if (gcd(a.coefficient.numerator, b.coefficient.numerator) != 1 ||
            std::min(a.exponent, b.exponent) != 0)
            return std::nullopt;
        if (b.coefficient.numerator >= 0) return itself();
        return std::vector{*this, Rational_Expression(withNegatedTop(poly_N), withNegatedTop(poly_D))};
    }
    if (top.size() == 1) {
        if (!isFinished(poly_D)) return std::nullopt;
        if (a.coefficient.numerator == 0) return std::vector{*this, zeroOverOne(a.variable)};
        return itself();
    }
    if (!isFinished(poly_N)) return std::nullopt;
    if (bottom.size() > 1) return isFinished(poly_D) ? std::optional(itself()) : std::nullopt;
    if (b.coefficient.numerator >= 0) return itself();
    const Polynomial_XL minusNumerator(
        {poly_N.terms.back(), {Term_XL(Monomial(Rational(-1, 1), 0), {Factor(0, 1)})}});
    return std::vector{*this, Rational_Expression(minusNumerator, withNegatedTop(poly_D))};
}

}  // namespace radixmender
