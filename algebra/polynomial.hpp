#pragma once
// Flat polynomials and polynomials with parenthesised sub-expressions.
//
// An `Ext_polynomial` is a list of term lists: the last list is the top level
// (the expression itself); every other list is a sub-expression, named by the
// `sub_exp` index of the term that multiplies it and stored before that term's
// list.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "algebra/monomial.hpp"

namespace radixmender {

// The sum of its terms in list order; nothing is sorted or combined.
struct Polynomial {
    // A single zero term until a list is given; a given list is kept exactly,
    // an empty one included.
    std::vector<Monomial> terms{Monomial()};

    Polynomial() = default;
    explicit Polynomial(std::vector<Monomial> terms);

    // The same number of terms, equal term by term in list order.
    bool operator==(const Polynomial& other) const;
};

// A term of an `Ext_polynomial`: the monomial, and when `sub_exp.first` holds,
// the parenthesised sub-expression at list index `sub_exp.second` after it.
struct Term {
    Monomial monomial;
    std::pair<bool, std::uint64_t> sub_exp{false, 0};
    Color sub_exp_parenthesis_color = Color::black;

    Term(Monomial monomial, std::pair<bool, std::uint64_t> sub_exp,
         Color sub_exp_parenthesis_color = Color::black);

    // Equal monomials and neither term carries a sub-expression: a term with
    // one equals no term, not even itself.
    bool operator==(const Term& other) const;
};

struct Ext_polynomial {
    std::vector<std::vector<Term>> terms;

    explicit Ext_polynomial(std::vector<std::vector<Term>> terms);
};

// A term of `polynomialText`: the coefficient as written ("-1", "3") and the
// exponent as decimal text.
struct TermText {
    std::string coeff;
    std::string expt;
};

// Plain text of a polynomial: "3x² - x + 5". With `omittingZeroTerms`, terms
// whose coefficient is exactly "0" are left out; no text at all is "0".
std::string polynomialText(const std::vector<TermText>& terms, bool omittingZeroTerms);

}  // namespace radixmender
