#pragma once
// A quotient of two factored polynomials and its simplifying steps.
//
// Each transform answers none when it has nothing to change, otherwise two
// consecutive stages [first, second] of the change, the numerator's changed
// parts drawn red and the denominator's blue. Every stage has the value of
// the expression it came from. No driver chains them: the caller decides the
// order and stops when `finalForms` answers, for example
//     sortingSteps → factoringOutNegatives → factoringOutCommonFactors →
//     factoringByRationalRoots → highlightingCommonFactors →
//     cancelingCommonFactors, repeated.
#include <array>
#include <optional>
#include <vector>

#include "algebra/polynomial_xl.hpp"
#include "records/types.hpp"

namespace radixmender {

struct Rational_Expression;
using ExpressionPair = std::array<Rational_Expression, 2>;

struct Rational_Expression {
    // 0 over 1 until given.
    Polynomial_XL poly_N{{{Term_XL(Monomial(Rational(0, 1), 0))}}};
    Polynomial_XL poly_D{{{Term_XL(Monomial(Rational(1, 1), 0))}}};
    // The fraction bar.
    Color color = Color::black;

    Rational_Expression() = default;
    Rational_Expression(Polynomial_XL poly_N, Polynomial_XL poly_D, Color color = Color::black);

    // The numerator alone when the denominator is the constant 1 and
    // `alwaysFraction` is false, otherwise numerator "/" denominator; both
    // written in rational_fraction style.
    [[nodiscard]] Record record(bool alwaysFraction) const;
    // The numerator is the constant k and the denominator the constant 1.
    [[nodiscard]] bool isConstant(std::int64_t k) const;
    // Both sides and the bar in `color`.
    [[nodiscard]] Rational_Expression recolored(Color color) const&;
    [[nodiscard]] Rational_Expression recolored(Color color) &&;
    // Each side in its colour; the bar kept.
    [[nodiscard]] Rational_Expression recolored(Color numerator, Color denominator) const;
    [[nodiscard]] bool hasZeroDenominator() const;
    // Both sides without zero terms, colours kept; a black bar.
    [[nodiscard]] Rational_Expression removingZeroTerms() const;
    // Each side through `Polynomial_XL::product(flag)`; none when neither
    // changes. A true flag negates both sides.
    [[nodiscard]] std::optional<Rational_Expression> simplified(bool flag) const&;
    [[nodiscard]] std::optional<Rational_Expression> simplified(bool flag) &&;

    // Both sides are one list without factors in descending order.
    [[nodiscard]] bool isFlatAndSorted() const;
    // The one-list sides that are not in descending order, sorted.
    [[nodiscard]] std::optional<ExpressionPair> sortingSteps() const;
    // List 0 of either side has a negative first coefficient.
    [[nodiscard]] bool hasNegativeLeadingCoefficient() const;
    // −1 taken out of each one-list side with a negative first coefficient
    // that is not the constant −1.
    [[nodiscard]] std::optional<ExpressionPair> factoringOutNegatives() const;
    [[nodiscard]] bool hasCommonFactor() const;
    // The common factor of list k taken out of each side that has one.
    [[nodiscard]] std::optional<ExpressionPair> factoringOutCommonFactors() const;
    [[nodiscard]] bool hasRationalRoot() const;
    // List k of each side that has a rational root split into its factors.
    [[nodiscard]] std::optional<ExpressionPair> factoringByRationalRoots() const;

    // None while the expression can still be simplified; otherwise
    // [the expression] or, when a last normalisation is shown,
    // [the expression, the normalised one] (0 over 1, a sign moved to the
    // numerator).
    [[nodiscard]] std::optional<std::vector<Rational_Expression>> finalForms() const;

    // For one-term sides whose located monomials (a one-term factor, else
    // the term itself) share g·xᵐ: [both highlighted, each side rewritten as
    // g·xᵐ times what remains].
    [[nodiscard]] std::optional<ExpressionPair> highlightingCommonFactors() const;

    // Lists of the numerator equal, term for term, to lists of the
    // denominator, both used by the top level, cancelled: [highlighted,
    // cancelled and simplified]. Without any: [the expression, simplified],
    // or none when that changes nothing.
    [[nodiscard]] std::optional<ExpressionPair> cancelingCommonFactors() const;
};

}  // namespace radixmender
