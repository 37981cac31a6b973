// The solvers' vocabulary, the algebra values' constructors and equalities
// (colours never count; their quirks are kept), polynomial text, and the
// clean-up and queries of factored polynomials, with the factorability of
// every small quadratic against a brute-force oracle.
#include <gtest/gtest.h>

#include <sstream>

#include "records/literals.hpp"
#include "tests/support/algebra_check.hpp"

namespace radixmender {
namespace {

using testing::identical;
using Lists = std::vector<std::vector<Term_XL>>;

// The raw texts in case order convert both ways.
template <class E>
void expectTexts(std::optional<E> (*back)(std::string_view), const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(rawValue(static_cast<E>(i)), texts[i]);
        EXPECT_EQ(back(texts[i]), static_cast<E>(i));
    }
}

TEST(Vocabulary, RawValuesRoundTripAndOnlyExactTextsConvertBack) {
    expectTexts(varFromRawValue, {"x", "y", "z"});
    expectTexts(methodFromRawValue, {"standard", "smart"});
    expectTexts(styleFromRawValue,
                {"show as \u00B9\u2215\u2083 x", "show as \u02E3\u2215\u2083", "show as decimal"});
    expectTexts(techniqueFromRawValue, {"balance", "transpose"});
    expectTexts(statusFromRawValue,
                {"valid solution", "TRUE, solution is all values of variable", "FALSE, no solution"});
    expectTexts(quadraticStatusFromRawValue,
                {"repeated rational solution", "distinct rational solutions", "repeated irrational solution",
                 "distinct irrational solutions", "no solution"});
    expectTexts(quadraticMethodFromRawValue, {"factor", "formula", "complete the square"});
    for (std::int64_t n : {0, 1, 2, 3, -1}) EXPECT_EQ(rawValue(*categoryFromRawValue(n)), n);
    EXPECT_EQ(categoryFromRawValue(-1), Category::error);
    for (std::int64_t n : {4, -2, 100}) EXPECT_EQ(categoryFromRawValue(n), std::nullopt);
    EXPECT_EQ(std::string(text::kStyleFraction).size(), 18U);
    EXPECT_EQ(std::string(text::kStyleRationalFraction).size(), 16U);
    for (std::string_view t :
         {"decimal", "show as 1/3 x", "show as \u00B9/\u2083 x", "Show as decimal", "show as decimal "})
        EXPECT_EQ(styleFromRawValue(t), std::nullopt) << t;
    EXPECT_FALSE(varFromRawValue("X") || quadraticMethodFromRawValue("complete_the_square") ||
                 quadraticMethodFromRawValue("Complete the square"));
}

// Rationals are compared with their reference in rational_test.
TEST(Values, EqualityIgnoresColoursAndKeepsItsQuirks) {
    const Monomial three(Rational(3, 1), 0), threeX(Rational(3, 1), 1);
    EXPECT_TRUE(three == Monomial(Rational(3, 1), 0, "y") && threeX == threeX.recolored(Color::blue));
    EXPECT_FALSE(threeX == Monomial(Rational(3, 1), 1, "y") || threeX == Monomial(Rational(3, 1), 2));
    const Term carrying(threeX, {true, 1});
    const Term_XL factored(threeX, {Factor(0, 1)});
    EXPECT_TRUE(Term(threeX, {false, 0}) == Term(threeX, {false, 7}, Color::red));
    EXPECT_TRUE(Term_XL(threeX) == Term_XL(threeX.recolored(Color::red)));
    EXPECT_FALSE(carrying == carrying || factored == factored);
    const Polynomial empty(std::vector<Monomial>{});
    EXPECT_TRUE(empty == empty && !(empty == Polynomial()));
    EXPECT_FALSE(Polynomial({threeX, three}) == Polynomial({three, threeX}));
    const PolyEquation e(Polynomial({threeX}), Polynomial({three}), Relation::equal_to);
    EXPECT_TRUE(e == PolyEquation(e.LHS, e.RHS, Relation::equal_to, Color::red));
    EXPECT_FALSE(e == PolyEquation(e.LHS, e.RHS, Relation::less_than) ||
                 e == PolyEquation(e.RHS, e.LHS, Relation::equal_to));
}

TEST(Values, ConstructorsAndRecolouring) {
    const Rational red(1, 2, Color::red, Color::red, Color::red);
    EXPECT_TRUE(identical(Rational(red), red) &&
                identical(red.blackCopy(), Rational(1, 2)));  // copies keep colours
    EXPECT_TRUE(identical(Rational(red, Color::blue), Rational(1, 2, Color::blue, Color::blue, Color::blue)));
    EXPECT_TRUE(identical(Polynomial().terms, {Monomial(Rational(0, 1), 0)}));
    const std::array<Color, 6> c = {Color::red,  Color::blue,  Color::green,
                                    Color::cyan, Color::brown, Color::gray};
    for (const char* order : {text::kArrowDownRight, text::kArrowUpRight, ""}) {
        const std::uint64_t first = std::string(order) == text::kArrowDownRight ? 2 : 0;
        EXPECT_TRUE(identical(Polynomial_XL(Rational(1, 2), Rational(3, 1), Rational(-4, 5), order, c).terms,
                              {{Term_XL(Monomial(Rational(1, 2, c[0], c[0], c[0]), first, "x", c[1])),
                                Term_XL(Monomial(Rational(3, 1, c[2], c[2], c[2]), 1, "x", c[3])),
                                Term_XL(Monomial(Rational(-4, 5, c[4], c[4], c[4]), 2 - first, "x", c[5]))}}))
            << order;
    }
    const Polynomial_XL p(
        {{Term_XL(Monomial(red, 1))}, {Term_XL(Monomial(red, 0), {Factor(0, 2, Color::red, Color::green)})}});
    const auto blue = Polynomial_Equation_XL(p, p, Relation::less_than, Color::red).mapSides(Color::blue);
    EXPECT_TRUE(identical(blue, Polynomial_Equation_XL(p.mapTerms(Color::blue), p.mapTerms(Color::blue),
                                                       Relation::less_than, Color::blue)));
    EXPECT_TRUE(
        identical(blue.RHS.terms[1][0], Term_XL(Monomial(Rational(red, Color::blue), 0, "x", Color::blue),
                                                {Factor(0, 2, Color::blue, Color::blue)})));
}

TEST(Values, PolynomialText) {
    using T = std::vector<TermText>;
    const std::vector<std::tuple<T, bool, std::string>> cases = {
        {{{"3", "2"}, {"-1", "1"}, {"5", "0"}}, false, "3x\u00B2 - x + 5"},
        {{{"-1", "2"}}, false, "-x\u00B2"},
        {{{"1", "0"}}, false, "1"},
        {{{"-1", "0"}}, false, "-1"},
        {{{"2", "1"}, {"-1", "0"}}, false, "2x - 1"},
        {{{"2", "1"}, {"0", "0"}}, false, "2x + 0"},
        {{{"2", "1"}, {"0", "0"}}, true, "2x"},
        {{{"0", "1"}}, true, "0"},
        {{}, true, "0"},
        {{}, false, "0"},
        {{{"4", "12"}}, false, "4x..."},
        {{{"1", "1"}, {"1", "3"}, {"-1", "2"}}, false, "x + x\u00B3 - x\u00B2"}};
    for (const auto& [terms, omit, text] : cases) EXPECT_EQ(polynomialText(terms, omit), text) << text;
}

// Factored polynomials as short texts: terms "3x^2(0)(1)^2" (an integer
// coefficient, the power of x, factors by list index with their exponent),
// lists split by "|". Colours and variables are left out.
Polynomial_XL xl(const std::string& text) {
    Lists lists(1);
    std::istringstream in(text);
    for (std::string t; in >> t;) {
        if (t == "|") {
            lists.emplace_back();
            continue;
        }
        std::size_t at = 0;
        const auto next = [&](char c) { return at < t.size() && t[at] == c && ++at; };
        const auto number = [&] {
            std::size_t used = 0;
            const std::int64_t value = std::stoll(t.substr(at), &used);
            at += used;
            return value;
        };
        const std::int64_t n = number();
        const std::uint64_t e = next('x') ? (next('^') ? number() : 1) : 0;
        std::vector<Factor> factors;
        while (next('(')) {
            const std::int64_t list = number();
            next(')');
            factors.emplace_back(list, next('^') ? number() : 1);
        }
        lists.back().emplace_back(Monomial(Rational(n, 1), e), factors);
    }
    return Polynomial_XL(lists);
}

std::string show(const Polynomial_XL& p) {
    std::string s;
    for (std::size_t i = 0; i < p.terms.size(); ++i) {
        s += i ? " |" : "";
        for (const Term_XL& t : p.terms[i]) {
            const std::uint64_t e = t.monomial.exponent;
            s += " " + std::to_string(t.monomial.coefficient.numerator) + (e ? "x" : "") +
                 (e > 1 ? "^" + std::to_string(e) : "");
            for (const Factor& f : t.factors)
                s += "(" + std::to_string(f.pointer) + ")" +
                     (f.exponent != 1 ? "^" + std::to_string(f.exponent) : "");
        }
    }
    return s.empty() ? s : s.substr(1);
}

TEST(FactoredCleanUp, WorkedCases) {
    // A zero raised to the power 0 is 1; the zero left keeps the first term's letter.
    EXPECT_EQ(show(xl("0x | 2(0)^0").removingZeroTerms(false)), "0 | 2(0)^0");
    const Polynomial_XL ys(
        {{Term_XL(Monomial(Rational(0, 1), 0, "y")), Term_XL(Monomial(Rational(0, 1), 1))}});
    EXPECT_EQ(ys.removingZeroTerms(false).terms[0][0].monomial.variable, "y");
    const std::vector<std::tuple<const char*, bool, const char*>> products = {
        {"2x | 1x 1 | 3x(0)(1)", false, "2x | 1x 1 | 6x^2(1)"},
        {"1x^2 1", false, ""},
        {"1x^2 1", true, "1x^2 1 | -1(0)"},
        {"4x^2", true, "-4x^2"},
        {"2x | 3(0)^2", false, "2x | 12x^2"},  // the exponent of a folded factor counts
        {"1x 1 | 2(0) | 5(1)(0)", false, ""},  // no fold into a factor with factors of its own
        {"1x 1 | 2(0) | 5(1)(0)", true, "1x 1 | 2(0) | -5(1)(0)"},
        {"1x 1 | 1x(0) 2", true, "1x 1 | 1x(0) 2 | -1(1)"}};  // every list stays
    for (const auto& [in, negate, out] : products) {
        const auto p = xl(in).product(negate);
        EXPECT_EQ(p ? show(*p) : "", out) << in << negate;
    }
    EXPECT_THROW((void)Polynomial_XL({{Term_XL(Monomial(Rational(1, 0), 0), {Factor(0, 1)})}}).product(true),
                 std::invalid_argument);
    EXPECT_TRUE(Polynomial_XL({{Term_XL(Monomial(Rational(1, 0), 0))}}).hasZeroDenominator());
}

TEST(FactoredQueries, OrderAndConstants) {
    const Polynomial_XL mixed = xl("1 2x^2 3x^2 4x");
    EXPECT_EQ(show(mixed.sortedFirstList()) + " / " + show(mixed.sortedAscending()),
              "2x^2 3x^2 4x 1 / 1 4x 2x^2 3x^2");
    EXPECT_TRUE(!mixed.isInDescendingOrder() && mixed.sortedFirstList().isInDescendingOrder());
    EXPECT_FALSE(xl("2x^2(0)").isInDescendingOrder() || xl("1 | 1").firstTermInfo());
    EXPECT_TRUE(identical(*mixed.firstTermInfo(), Monomial(Rational(1, 1), 0)));
    const Polynomial_XL three(
        {{Term_XL(Monomial(Rational(-1, 1), 1))}, {Term_XL(Monomial(Rational(6, 2), 0, "y"))}});
    EXPECT_TRUE(three.isConstant(3) && three.isConstantRational(Rational(9, 3)) && !three.isConstant(-3));
    EXPECT_TRUE(three.leadingCoefficientIsNegative() && mixed.isEqual(mixed.mapTerms(Color::red)));
    EXPECT_FALSE(xl("3(0)").isConstant(3) || Polynomial_XL(Lists()).isConstant(0) ||
                 Polynomial_XL(Lists()).leadingCoefficientIsNegative() ||
                 mixed.isEqual(mixed.sortedFirstList()) || three.isEqual(three));
}

// a·x² + b·x + c factors over the rationals when it has a rational root
// (found by trying every p/q with p | c, q | a), factors over the reals when
// a·f(−b/2a) ≤ 0, and otherwise does not factor.
Quadratic_Factorabilty oracle(std::int64_t a, std::int64_t b, std::int64_t c) {
    for (std::int64_t p = -std::abs(c); p <= std::abs(c); ++p)
        for (std::int64_t q = 1; q <= std::abs(a); ++q)
            if ((c == 0 || (p != 0 && c % p == 0)) && a % q == 0 && a * p * p + b * p * q + c * q * q == 0)
                return Quadratic_Factorabilty::factors;
    // a·f(−b/2a) = c·a − b²/4, times 4.
    return 4 * a * c - b * b <= 0 ? Quadratic_Factorabilty::factors_but_not_over_rationals
                                  : Quadratic_Factorabilty::does_not_factor;
}

// Every a·x² + b·x + c with a in ±4, b and c in ±6: its degree, its category
// and how it factors.
TEST(FactoredQueries, EverySmallPolynomialAsTheOracleSays) {
    using Q = Quadratic_Category;
    using Categories = std::tuple<std::optional<std::uint64_t>, std::optional<Linear_Category>,
                                  std::optional<Q>, std::optional<Quadratic_Factorabilty>>;
    for (std::int64_t a = -4; a <= 4; ++a)
        for (std::int64_t b = -6; b <= 6; ++b)
            for (std::int64_t c = -6; c <= 6; ++c) {
                // Stored in a mixed order, zero terms included.
                const Polynomial_XL p =
                    xl(std::to_string(c) + " " + std::to_string(a) + "x^2 0x^3 " + std::to_string(b) + "x");
                Categories want;
                if (a != 0)
                    want = {2, std::nullopt,
                            !b && !c ? Q::monomial_a
                            : !c     ? Q::binomial_ab
                            : !b     ? Q::binomial_ac
                                     : Q::trinomial,
                            oracle(a, b, c)};
                else if (b != 0)
                    want = {1, c ? Linear_Category::binomial : Linear_Category::monomial, {}, {}};
                else if (c != 0)
                    want = {0, {}, {}, {}};
                EXPECT_EQ(Categories(p.degree(), p.linearCategory(), p.quadraticCategory(),
                                     p.quadraticFactorability()),
                          want)
                    << a << "x² + " << b << "x + " << c;
            }
    for (const char* none : {"1x | 1x^2", ""})
        EXPECT_EQ(Categories(xl(none).degree(), xl(none).linearCategory(), xl(none).quadraticCategory(),
                             xl(none).quadraticFactorability()),
                  Categories())
            << none;
}

}  // namespace
}  // namespace radixmender
