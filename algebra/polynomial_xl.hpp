#pragma once
// Factored polynomials.
//
// A `Polynomial_XL` is a list of term lists. The LAST list is the top level:
// the polynomial is the sum of its terms. Every other list is a factor
// polynomial, named by the `pointer` of the `Factor`s that use it. A term
// stands for its monomial times each named list raised to the factor's
// exponent. Pointers are in range and never lead back to a list already on
// the way (a tree or a DAG); a polynomial with one list is unfactored.
//
// The operations read coefficients by their numerators, as the factoring
// steps do, and build the coefficients they create with denominator 1.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "algebra/monomial.hpp"
#include "algebra/solver_vocabulary.hpp"

namespace radixmender {

struct Factor {
    std::uint64_t pointer = 0;
    std::uint64_t exponent = 1;
    Color parenthesis_color = Color::black;
    Color exponent_color = Color::black;

    Factor(std::uint64_t pointer, std::uint64_t exponent, Color parenthesis_color = Color::black,
           Color exponent_color = Color::black);

    [[nodiscard]] Factor recolored(Color color) const;
};

struct Term_XL {
    Monomial monomial;
    std::vector<Factor> factors;

    explicit Term_XL(Monomial monomial, std::vector<Factor> factors = {});

    [[nodiscard]] Term_XL recolored(Color color) const;

    // Equal monomials and neither term has factors: a term with factors
    // equals no term, not even itself.
    bool operator==(const Term_XL& other) const;
};

struct Polynomial_XL {
    std::vector<std::vector<Term_XL>> terms;

    explicit Polynomial_XL(std::vector<std::vector<Term_XL>> terms);

    // One list a·x² + b·x + c for the order "➘" (descending powers), else
    // a + b·x + c·x². Coefficient colours c1, c3, c5 and variable colours
    // c2, c4, c6 in that order.
    Polynomial_XL(const Rational& a, const Rational& b, const Rational& c, std::string_view order,
                  const std::array<Color, 6>& colors);

    // Every term of every list recoloured; the lists keep their shape.
    [[nodiscard]] Polynomial_XL mapTerms(Color color) const&;
    [[nodiscard]] Polynomial_XL mapTerms(Color color) &&;

    // ---- Clean-up ----

    // Some coefficient in some list has denominator 0.
    [[nodiscard]] bool hasZeroDenominator() const;

    // Zero terms dropped from every list, then every product with a zero
    // factor (raised to a power above 0), until none is left; a list left empty holds one zero term (the
    // variable of list 0's first term, else "x"). No list is removed.
    // `recolor` makes everything black.
    [[nodiscard]] Polynomial_XL removingZeroTerms(bool recolor) const;

    // For a top level that is one product: its leading one-term factors
    // folded into the coefficient (3·(2x)²·(x+1) is 12x²·(x+1)), negated when
    // `negate`; the fold stops at a factor it cannot fold (a list of several
    // terms, a term with factors of its own, an undefined coefficient, a
    // power of another letter). The letter is that of the powers folded in:
    // a constant brings none, so 1·(y) is y.
    // Otherwise, with `negate`, the polynomial times −1: a single term
    // negated, or a new top level −1·(old top level) after every list.
    // None when nothing changes. Throws when a coefficient it must negate is
    // undefined.
    [[nodiscard]] std::optional<Polynomial_XL> product(bool negate) const&;
    // As above, the lists taken over instead of copied.
    [[nodiscard]] std::optional<Polynomial_XL> product(bool negate) &&;

    // ---- Queries; those answering for one list read list 0 ----

    // The largest exponent among the non-zero terms of a one-list polynomial.
    [[nodiscard]] std::optional<std::uint64_t> degree() const;
    [[nodiscard]] std::optional<Linear_Category> linearCategory() const;
    [[nodiscard]] std::optional<Quadratic_Category> quadraticCategory() const;
    // For degree 2: a·x² + c by p = −a·c (p square: factors; p < 0: does not
    // factor; otherwise not over the rationals); every other shape (a·x²,
    // a·x² + b·x, three or more terms) answers `factors`, without a
    // discriminant test: x² + x + 5 too.
    [[nodiscard]] std::optional<Quadratic_Factorabilty> quadraticFactorability() const;
    [[nodiscard]] std::optional<Monomial> firstTermInfo() const;
    // The last list is one term without factors equal to n (or r) at exponent 0.
    [[nodiscard]] bool isConstant(std::int64_t n) const;
    [[nodiscard]] bool isConstantRational(const Rational& r) const;
    // One list, no factors, exponents in descending order.
    [[nodiscard]] bool isInDescendingOrder() const;
    // One list each, equal monomials position by position.
    [[nodiscard]] bool isEqual(const Polynomial_XL& other) const;
    // List 0 alone, stably sorted by exponent.
    [[nodiscard]] Polynomial_XL sortedAscending() const;
    [[nodiscard]] Polynomial_XL sortedFirstList() const;
    // The first stored term of list 0 has a negative numerator.
    [[nodiscard]] bool leadingCoefficientIsNegative() const;
};

// A list of the one term, and lists of the given ones, moved in: a braced
// list would copy them.
std::vector<Term_XL> listOf(Term_XL term);
template <class... Lists>
std::vector<std::vector<Term_XL>> listsOf(Lists&&... lists) {
    std::vector<std::vector<Term_XL>> result;
    result.reserve(sizeof...(lists));
    (result.push_back(std::forward<Lists>(lists)), ...);
    return result;
}

// `Monomial::recolored` and `Term_XL::recolored` in place.
void recolor(Monomial& monomial, Color color);
void recolor(Term_XL& term, Color color);

// The largest exponent among the non-zero terms of `list`.
std::optional<std::uint64_t> degreeOf(const std::vector<Term_XL>& list);

// Some term of `list` is a product with factors of its own.
bool hasFactoredTerm(const std::vector<Term_XL>& list);

}  // namespace radixmender
