#pragma once
// Test helpers for the algebra values: exact values at a point, and field by
// field comparison.
//
//     const Fraction x(-3, 2);
//     EXPECT_EQ(evaluateAlgebraLine(item(p, Style::fraction), x).left, valueAt(p, x));
//     EXPECT_TRUE(identical(p.removingZeroTerms(false), expected));
//
// `identical` compares every field, colours included. Use it instead of ==,
// which ignores colours, lets 0/0 equal everything and never equals a term
// with factors or a sub-expression.
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "tests/support/line_value.hpp"

namespace radixmender::testing {

inline Fraction fraction(const Rational& r) { return {r.numerator, r.denominator}; }

// coefficient · x^exponent; a variable other than `variable` throws.
inline SurdValue valueAt(const Monomial& m, const Fraction& x, const std::string& variable = "x") {
    if (m.exponent != 0 && m.variable != variable) throw LineValueError("variable " + m.variable);
    return SurdValue(fraction(m.coefficient)) * power(SurdValue(x), static_cast<std::int64_t>(m.exponent));
}

inline SurdValue valueAt(const Polynomial& p, const Fraction& x, const std::string& variable = "x") {
    SurdValue sum;
    for (const Monomial& m : p.terms) sum = sum + valueAt(m, x, variable);
    return sum;
}

// List `index` (the top level by default), every factor or sub-expression expanded.
inline SurdValue valueAt(const Polynomial_XL& p, const Fraction& x, std::size_t index = SIZE_MAX,
                         const std::string& variable = "x") {
    SurdValue sum;
    for (const Term_XL& t : p.terms.at(index == SIZE_MAX ? p.terms.size() - 1 : index)) {
        SurdValue term = valueAt(t.monomial, x, variable);
        for (const Factor& f : t.factors)
            term = term * power(valueAt(p, x, f.pointer, variable), static_cast<std::int64_t>(f.exponent));
        sum = sum + term;
    }
    return sum;
}

inline SurdValue valueAt(const Ext_polynomial& p, const Fraction& x, std::size_t index = SIZE_MAX,
                         const std::string& variable = "x") {
    SurdValue sum;
    for (const Term& t : p.terms.at(index == SIZE_MAX ? p.terms.size() - 1 : index))
        sum = sum + valueAt(t.monomial, x, variable) *
                        (t.sub_exp.first ? valueAt(p, x, t.sub_exp.second, variable) : SurdValue(1));
    return sum;
}

template <class T>
bool identical(const std::vector<T>& a, const std::vector<T>& b);

inline auto fields(const Rational& r) {
    return std::tie(r.numerator, r.denominator, r.numerator_color, r.denominator_color, r.bar_color);
}
inline bool identical(const Rational& a, const Rational& b) { return fields(a) == fields(b); }
inline bool identical(const Monomial& a, const Monomial& b) {
    return identical(a.coefficient, b.coefficient) && std::tie(a.exponent, a.variable, a.variable_color) ==
                                                          std::tie(b.exponent, b.variable, b.variable_color);
}
inline bool identical(const Factor& a, const Factor& b) {
    return std::tie(a.pointer, a.exponent, a.parenthesis_color, a.exponent_color) ==
           std::tie(b.pointer, b.exponent, b.parenthesis_color, b.exponent_color);
}
inline bool identical(const Term& a, const Term& b) {
    return identical(a.monomial, b.monomial) && a.sub_exp == b.sub_exp &&
           a.sub_exp_parenthesis_color == b.sub_exp_parenthesis_color;
}
inline bool identical(const Term_XL& a, const Term_XL& b) {
    return identical(a.monomial, b.monomial) && identical(a.factors, b.factors);
}
inline bool identical(const Polynomial& a, const Polynomial& b) { return identical(a.terms, b.terms); }
inline bool identical(const Polynomial_XL& a, const Polynomial_XL& b) { return identical(a.terms, b.terms); }
inline bool identical(const Ext_polynomial& a, const Ext_polynomial& b) {
    return identical(a.terms, b.terms);
}
template <class Side>
bool identical(const Equation<Side>& a, const Equation<Side>& b) {
    return identical(a.LHS, b.LHS) && identical(a.RHS, b.RHS) &&
           std::tie(a.relation, a.relation_color) == std::tie(b.relation, b.relation_color);
}
inline bool identical(const Quadratic_solution& a, const Quadratic_solution& b) {
    return identical(a.a, b.a) && identical(a.b, b.b) && a.c == b.c;
}

template <class T>
bool identical(const std::vector<T>& a, const std::vector<T>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!identical(a[i], b[i])) return false;
    return true;
}

}  // namespace radixmender::testing
