// Factored polynomials, factoring and rational expressions against exact
// values: clean-up and queries, the factorability of every small quadratic
// against a brute-force oracle, roots against a brute-force search, every
// stage of every step keeps the value, and chained steps cancel what SymPy's
// cancel removes (tests/tools/write_fixtures.py).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <numeric>
#include <random>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "algebra/algebra_records.hpp"
#include "algebra/common_factors.hpp"
#include "algebra/wide.hpp"
#include "records/integers.hpp"
#include "tests/support/algebra_check.hpp"
#include "tests/support/expression_pipeline.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::Fraction;
using testing::identical;
using testing::valueAt;
using List = std::vector<Term_XL>;
using Lists = std::vector<List>;
using Expression = Rational_Expression;

// Factored polynomials as short texts: terms "3x^2(0)(1)^2" (an integer
// coefficient, the power of x, factors by list index with their exponent),
// lists split by "|"; shown, a colour other than black follows what it
// colours ("2x{red}(0){blue}"). Variables are left out.
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
            const auto color = [](Color c) { return c == Color::black ? "" : "{" + rawValue(c) + "}"; };
            s += " " + std::to_string(t.monomial.coefficient.numerator) + (e ? "x" : "") +
                 (e > 1 ? "^" + std::to_string(e) : "") + color(t.monomial.coefficient.numerator_color);
            for (const Factor& f : t.factors)
                s += "(" + std::to_string(f.pointer) + ")" +
                     (f.exponent != 1 ? "^" + std::to_string(f.exponent) : "") + color(f.parenthesis_color);
        }
    }
    return s.empty() ? s : s.substr(1);
}

TEST(FactoredPolynomials, WorkedCases) {
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
    // Order and constants.
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

// a·x² + c factors over the rationals when it has a rational root (found by
// trying every p/q with p | c, q | a), factors over the reals when
// a·f(−b/2a) ≤ 0, and otherwise does not factor; every other shape with an
// x² term counts as factoring, trinomials included (x² + x + 5 too).
Quadratic_Factorabilty oracle(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (b != 0 || c == 0) return Quadratic_Factorabilty::factors;
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
    const Q kinds[2][2] = {{Q::monomial_a, Q::binomial_ac}, {Q::binomial_ab, Q::trinomial}};  // by b, c ≠ 0
    const auto of = [](const Polynomial_XL& p) {
        return Categories(p.degree(), p.linearCategory(), p.quadraticCategory(), p.quadraticFactorability());
    };
    for (std::int64_t a = -4; a <= 4; ++a)
        for (std::int64_t b = -6; b <= 6; ++b)
            for (std::int64_t c = -6; c <= 6; ++c) {
                Categories want;
                if (a != 0)
                    want = {2, std::nullopt, kinds[b != 0][c != 0], oracle(a, b, c)};
                else if (b != 0)
                    want = {1, c ? Linear_Category::binomial : Linear_Category::monomial, {}, {}};
                else if (c != 0)
                    want = {0, {}, {}, {}};
                // Stored in a mixed order, zero terms included.
                EXPECT_EQ(of(xl(std::to_string(c) + " " + std::to_string(a) + "x^2 0x^3 " +
                                std::to_string(b) + "x")),
                          want)
                    << a << "x² + " << b << "x + " << c;
            }
    for (const char* none : {"1x | 1x^2", ""}) EXPECT_EQ(of(xl(none)), Categories()) << none;
}

const Fraction kPoints[] = {Fraction(3, 7), Fraction(-5, 7), Fraction(12, 7)};
std::mt19937 rng(16);
std::int64_t draw(std::int64_t lo, std::int64_t hi) {
    return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
}

Term_XL term(std::int64_t n, std::uint64_t e, std::vector<Factor> factors = {}) {
    return Term_XL(Monomial(Rational(n, 1), e), std::move(factors));
}

// One list from coefficients, highest power first; zeros left out.
Polynomial_XL flat(const std::vector<std::int64_t>& c) {
    List terms;
    for (std::size_t i = 0; i < c.size(); ++i)
        if (c[i] != 0) terms.push_back(term(c[i], c.size() - 1 - i));
    return Polynomial_XL({terms});
}

// Equal values at every point, read in `letter`: a term in another letter fails.
::testing::AssertionResult sameValue(const Expression& a, const Expression& b,
                                     const std::string& letter = "x") {
    for (const Fraction& x : kPoints) {
        try {
            const auto va = valueAt(a.poly_N, x, SIZE_MAX, letter) / valueAt(a.poly_D, x, SIZE_MAX, letter),
                       vb = valueAt(b.poly_N, x, SIZE_MAX, letter) / valueAt(b.poly_D, x, SIZE_MAX, letter);
            if (!(va == vb)) return ::testing::AssertionFailure() << va.toString() << " != " << vb.toString();
        } catch (const testing::LineValueError& e) {
            return ::testing::AssertionFailure() << e.what();
        }
    }
    return ::testing::AssertionSuccess();
}
::testing::AssertionResult sameValue(const Polynomial_XL& a, const Polynomial_XL& b) {
    return sameValue(Expression(a, xl("1")), Expression(b, xl("1")));
}

// The coefficients of p·q, highest power first.
template <class Integer>
std::vector<Integer> times(const std::vector<Integer>& p, const std::vector<Integer>& q) {
    std::vector<Integer> r(p.size() + q.size() - 1, 0);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j) r[i + j] += p[i] * q[j];
    return r;
}

// 128-bit coefficients as 64-bit ones, when every one fits (the smallest
// integer left out, as no end may be it).
std::optional<std::vector<std::int64_t>> narrowed(const std::vector<wide::Int128>& c) {
    std::vector<std::int64_t> narrow;
    for (const wide::Int128 v : c) {
        if (v < INT64_MIN + 1 || v > INT64_MAX) return std::nullopt;
        narrow.push_back(static_cast<std::int64_t>(v));
    }
    return narrow;
}

// 1·(list 0)(list 1)…
Polynomial_XL productOf(std::vector<List> lists) {
    std::vector<Factor> all;
    for (std::size_t i = 0; i < lists.size(); ++i) all.emplace_back(i, 1);
    lists.push_back({term(1, 0, all)});
    return Polynomial_XL(lists);
}

TEST(Factoring, RandomPolynomialsAgainstBruteForceAndTheirOwnValue) {
    for (int n = 0; n < 600; ++n) {
        std::vector<std::int64_t> c = {draw(1, 3) * (draw(0, 1) ? 1 : -1)};
        bool nonZeroRoot = false;
        for (std::int64_t k = draw(0, 4); k > 0; --k) {
            const std::int64_t b = draw(-5, 5);
            c = times(c, {draw(1, 3), b});
            nonZeroRoot = nonZeroRoot || b != 0;
        }
        if (draw(0, 3) == 0) c = times(c, {1, 0, draw(1, 4)});
        const Polynomial_XL p = flat(c);
        std::optional<Polynomial_XL> expected;  // a ↑, b ↑, −b/a before b/a
        for (std::int64_t a : divisors(std::abs(p.terms[0].front().monomial.coefficient.numerator)))
            for (std::int64_t b : divisors(std::abs(p.terms[0].back().monomial.coefficient.numerator)))
                for (std::int64_t s : {1, -1})
                    if (!expected && gcd(a, b) == 1 && valueAt(p, Fraction(-s * b, a)).isZero())
                        expected = flat({a, s * b});
        const auto f = findRationalRoot(p);
        ASSERT_TRUE(f.has_value() == expected.has_value() && (!f || identical(*f, *expected))) << n;
        EXPECT_TRUE(f || !nonZeroRoot) << n;
        if (!f) continue;
        EXPECT_TRUE(sameValue(p, productOf({f->terms[0], divideByLinearFactor(*f, p).terms[0]})));
        if (const auto factors = extractLinearFactors(p)) {
            std::vector<List> lists;
            for (const auto& factor : *factors) lists.push_back(factor.terms[0]);
            EXPECT_TRUE(sameValue(p, productOf(lists)));
            for (std::size_t i = 0; i + 1 < lists.size(); ++i) {
                const std::int64_t a = lists[i][0].monomial.coefficient.numerator,
                                   b = lists[i][1].monomial.coefficient.numerator;
                EXPECT_TRUE(a >= 1 && gcd(a, b) == 1 && valueAt(p, Fraction(-b, a)).isZero());
            }
        }
        if (const auto m = commonMonomial(p)) {
            EXPECT_TRUE(sameValue(
                Polynomial_XL({dividedByCommonMonomial(p).terms[0], {Term_XL(*m, {Factor(0, 1)})}}), p));
        }
        // The list alone, as 3x·(P)², and as −1·(P).
        const Polynomial_XL squared({p.terms[0], {term(3, 1, {Factor(0, 2)})}});
        for (const Polynomial_XL& side : {p, squared, negated(p)}) {
            std::vector<Polynomial_XL> stages = {negated(side)};
            for (const char* method : {"guess and check", "grouping"})
                if (hasRationalRoot(side))
                    for (auto& s : factoredForMethod(side, Color::red, method)) stages.push_back(s);
            for (auto& s : factorOutCommonFactor(side, n % 2 == 0, Color::blue)) stages.push_back(s);
            for (const auto& stage : stages) EXPECT_TRUE(sameValue(stage, side)) << n;
            // The one-search step answers exactly where the test and the split do.
            const auto once = factoredByRationalRoot(side, Color::red);
            ASSERT_EQ(once.has_value(), hasRationalRoot(side)) << n;
            if (once) {
                const PolynomialPair twice = factored(side, Color::red);
                EXPECT_TRUE(identical((*once)[0], twice[0]) && identical((*once)[1], twice[1])) << n;
            }
        }
        // −N·(p₀x + q₀)(p₁x + q₁): each way of writing the sign change keeps the value.
        if (!hasRationalRoot(p)) continue;
        Polynomial_XL minus = factored(p, Color::red)[1];
        minus.terms.back()[0].monomial.coefficient.numerator = -draw(1, 3);
        if (const auto turned = normalizeFactorSigns(minus, Color::red)) {
            EXPECT_TRUE(sameValue(*turned, minus)) << n;
        }
        if (const auto forms = normalizedSigns(minus)) {
            for (const auto& form : *forms) EXPECT_TRUE(sameValue(form, (*forms)[0])) << n;
        }
    }
}

// Flat lists in any order and sign; −1·(P); products with a coefficient,
// factors squared and a list nothing names.
Polynomial_XL randomSide() {
    const auto list = [] {
        List terms;
        for (std::uint64_t e = static_cast<std::uint64_t>(draw(0, 3)) + 1; e-- > 0;)
            if (terms.empty() || draw(0, 2) > 0) terms.push_back(term(draw(1, 4) * (draw(0, 3) ? 1 : -1), e));
        if (draw(0, 2) == 0) std::shuffle(terms.begin(), terms.end(), rng);
        return terms;
    };
    if (draw(0, 3) < 2) return draw(0, 1) ? Polynomial_XL({list()}) : negated(Polynomial_XL({list()}));
    std::vector<List> lists;
    std::vector<Factor> factors;
    for (std::int64_t k = draw(1, 3); k > 0; --k) {
        factors.emplace_back(lists.size(), draw(0, 3) ? 1 : 2);
        lists.push_back(draw(0, 1) ? List{term(draw(1, 2), 1), term(draw(-3, 3) | 1, 0)} : list());
    }
    if (draw(0, 3) == 0) lists.push_back({term(2, 1)});
    lists.push_back(
        {term(draw(1, 6) * (draw(0, 4) ? 1 : -1), static_cast<std::uint64_t>(draw(0, 2)), factors)});
    return Polynomial_XL(lists);
}

// Every term in `letter`.
Polynomial_XL lettered(Polynomial_XL p, const std::string& letter) {
    for (List& list : p.terms)
        for (Term_XL& t : list) t.monomial.variable = letter;
    return p;
}

// Every stage of every step of `e`, and every final form, has the value of `start`.
void expectEveryStepKeepsValue(const Expression& e, const Expression& start, const std::string& letter) {
    std::vector<Expression> stages;
    for (const auto& step : {&Expression::sortingSteps, &Expression::factoringOutNegatives,
                             &Expression::factoringOutCommonFactors, &Expression::factoringByRationalRoots,
                             &Expression::highlightingCommonFactors, &Expression::cancelingCommonFactors})
        if (const auto pair = (e.*step)()) stages.insert(stages.end(), pair->begin(), pair->end());
    for (const bool flag : {false, true})
        if (const auto s = e.simplified(flag)) stages.push_back(*s);
    if (const auto forms = e.finalForms()) stages.insert(stages.end(), forms->begin(), forms->end());
    for (const auto& stage : stages) EXPECT_TRUE(sameValue(stage, start, letter));
}

TEST(RationalExpression, EveryStageOfEveryStepKeepsTheValue) {
    int ended = 0;
    for (int n = 0; n < 400 && !HasFailure(); ++n) {
        const std::string letter = n % 3 ? "x" : n % 2 ? "y" : "z";
        const Expression start(lettered(randomSide(), letter), lettered(randomSide(), letter));
        expectEveryStepKeepsValue(start, start, letter);
        const auto end = testing::runPipeline(start, 10, [&](const ExpressionPair& pair) {
            EXPECT_TRUE(sameValue(pair[0], start, letter)) << n;
            expectEveryStepKeepsValue(pair[1], start, letter);
        });
        EXPECT_LT(end.rounds, 10) << n;
        ended += !end.finalForms.empty();
    }
    // A made-up product may hide a common factor where no step looks (a
    // coefficient behind a one-term factor, a list other than the last);
    // there nothing changes any more.
    EXPECT_GT(ended, 360);
}

TEST(RationalExpression, ChainedStepsCancelWhatSymPyCancels) {
    std::ifstream file(std::filesystem::path(__FILE__).parent_path() / "cancel_fixture.txt");
    int cases = 0;
    for (std::string line; std::getline(file, line); ++cases) {
        std::istringstream in(line);
        std::vector<Polynomial_XL> sides;  // N, D, P, Q
        for (std::string tag; in >> tag; in.clear()) {
            std::vector<std::int64_t> c;
            for (std::int64_t k; in >> k;) c.push_back(k);
            sides.push_back(flat(c));
            if (cases % 2) std::reverse(sides.back().terms[0].begin(), sides.back().terms[0].end());
        }
        ASSERT_EQ(sides.size(), 4U) << line;
        const Expression start(sides[0], sides[1]);
        const auto end = testing::runPipeline(start, 6, [&](const ExpressionPair& pair) {
            EXPECT_TRUE(sameValue(pair[0], start) && sameValue(pair[1], start)) << line;
        });
        ASSERT_FALSE(end.finalForms.empty()) << line;
        // What is left is SymPy's P/Q, both times the same constant.
        const Expression& last = end.finalForms.back();
        const auto ratio = [&](const Fraction& x) { return valueAt(last.poly_N, x) / valueAt(sides[2], x); };
        const auto value = valueAt(start.poly_N, kPoints[0]) / valueAt(start.poly_D, kPoints[0]);
        EXPECT_EQ(testing::evaluateAlgebraLine(last.record(true), kPoints[0]).left, value) << line;
        EXPECT_TRUE(sameValue(last, start) && ratio(kPoints[0]) == ratio(kPoints[1]) &&
                    ratio(kPoints[1]) == ratio(kPoints[2]))
            << line;
    }
    EXPECT_GE(cases, 30);
}

// The root search past the small cases it keeps in place: coefficients
// above 1000, degrees above 64, and candidate powers that do not fit.
TEST(Factoring, RootSearchBeyondSmallCoefficientsAndDegrees) {
    for (const auto& [in, root] : std::vector<std::pair<const char*, const char*>>{
             {"1001x^3 -1024x^2 1001x -1024", "1001x -1024"},  // (1001x − 1024)(x² + 1)
             {"1001x^2 1979x -3072", "1x 3"},
             {"1x^64 -1", "1x 1"},
             {"1x^65 -1", "1x -1"},
             {"1x^70 0x^3 -1", "1x 1"}}) {
        const auto f = findRationalRoot(xl(in));
        ASSERT_TRUE(f.has_value()) << in;
        EXPECT_EQ(show(*f), root) << in;
    }
    EXPECT_FALSE(findRationalRoot(xl("1x^66 2")));
    // 5⁶⁰ and 5⁷⁰ leave 128 bits once the candidate 5 comes up.
    for (const char* in : {"7x^60 -5", "7x^70 -5"})
        EXPECT_THROW((void)findRationalRoot(xl(in)), std::overflow_error) << in;
}

// The root search as first written: every pair in order, a over the divisors
// of the first numerator and b over those of the last, coprime only, −b/a
// before b/a, each aᵈ·P(∓b/a) exact in 128 bits (overflow_error past them).
// The factor a·x + c of the first root as (a, c).
std::optional<std::pair<std::int64_t, std::int64_t>> everyPairRoot(const List& list) {
    using wide::Int128;
    const auto mul = [](Int128 x, Int128 y) {
        Int128 r;
        if (__builtin_mul_overflow(x, y, &r)) throw std::overflow_error("overflow");
        return r;
    };
    const auto add = [](Int128 x, Int128 y) {
        Int128 r;
        if (__builtin_add_overflow(x, y, &r)) throw std::overflow_error("overflow");
        return r;
    };
    std::optional<std::uint64_t> degree;
    for (const Term_XL& t : list)
        if (t.monomial.coefficient.numerator != 0) degree = std::max(degree.value_or(0), t.monomial.exponent);
    if (!degree) return std::nullopt;
    for (const std::int64_t a : divisors(std::abs(list.front().monomial.coefficient.numerator)))
        for (const std::int64_t b : divisors(std::abs(list.back().monomial.coefficient.numerator))) {
            if (gcd(a, b) != 1) continue;
            Int128 minus = 0, plus = 0;
            for (const Term_XL& t : list) {
                const std::uint64_t e = t.monomial.exponent;
                Int128 value = t.monomial.coefficient.numerator;
                if (value == 0) continue;
                for (std::uint64_t k = 0; k < *degree; ++k) value = mul(value, k < e ? b : a);
                plus = add(plus, value);
                minus = add(minus, e % 2 ? -value : value);
            }
            if (minus == 0) return std::pair{a, b};
            if (plus == 0) return std::pair{a, -b};
        }
    return std::nullopt;
}

// Where the end coefficients have many divisors the search tries only the
// pairs near a real root: it must find what trying every pair finds.
// Polynomials made from linear factors whose parts divide highly composite
// numbers (roots repeated, opposite, close together or far apart), times
// factors with irrational or no real roots, x, and a highly composite
// constant; others with random middle coefficients; stored in order, out of
// order, or with a term split in two.
TEST(Factoring, RootSearchWithManyCandidatesAsEveryPair) {
    using wide::Int128;
    const std::int64_t composites[] = {720720, 5040, 2520,    27720, 1441440, 10080,
                                       1260,   840,  3603600, 64,    729};
    const auto divisorOf = [&] {
        const auto all = divisors(composites[draw(0, std::size(composites) - 1)]);
        return all[static_cast<std::size_t>(draw(0, static_cast<std::int64_t>(all.size()) - 1))];
    };
    const auto sign = [] { return draw(0, 1) ? 1 : -1; };
    int compared = 0, located = 0, rooted = 0;
    for (int n = 0; n < 10000 && compared < 2500; ++n) {
        std::vector<Int128> c{1};  // highest power first; the products stay far inside 128 bits
        const auto multiply = [&c](const std::vector<Int128>& q) { c = times(c, q); };
        if (n % 3 == 2) {  // random middle coefficients
            const auto size = static_cast<std::size_t>(draw(2, 6));
            c.assign(size, 0);
            for (std::size_t i = 1; i + 1 < size; ++i)
                c[i] = draw(-1, 1) * draw(0, std::int64_t{1} << draw(0, 40));
            c.front() = sign() * divisorOf() * divisorOf();
            c.back() = sign() * divisorOf() * divisorOf();
        } else {
            const auto q = divisorOf(), p = divisorOf();
            multiply({q, sign() * p});
            for (std::int64_t k = draw(0, 2); k > 0; --k) {
                switch (draw(0, 5)) {
                    case 0:
                        multiply({q, sign() * p});
                        break;  // the same or the opposite root
                    case 1:
                        multiply({q + 1, sign() * p});
                        break;  // a root close by
                    case 2:
                        multiply({divisorOf(), sign() * divisorOf()});
                        break;  // anywhere
                    case 3:
                        multiply({draw(1, 7), 0, -draw(2, 11)});
                        break;  // irrational or rational ±
                    case 4:
                        multiply({1, 0, draw(1, 9)});
                        break;  // no real root
                    default:
                        multiply({1, 0});
                        break;  // x
                }
            }
            multiply({sign() * divisorOf() * divisorOf()});
        }
        const auto fit = narrowed(c);
        if (c.size() > 6 || c.front() == 0 || c.back() == 0 || !fit) continue;
        List list;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const std::int64_t v = (*fit)[i];
            const std::uint64_t e = c.size() - 1 - i;
            if (v != 0 && e != 0 && i != 0 && draw(0, 5) == 0) {  // split in two
                const std::int64_t part = draw(-1000, 1000);
                list.push_back(term(part, e));
                list.push_back(term(v - part, e));
            } else if (v != 0) {
                list.push_back(term(v, e));
            }
        }
        if (draw(0, 4) == 0) std::shuffle(list.begin(), list.end(), rng);
        const std::size_t pairs = divisors(std::abs(list.front().monomial.coefficient.numerator)).size() *
                                  divisors(std::abs(list.back().monomial.coefficient.numerator)).size();
        if (pairs > 150000) continue;  // the reference would take too long
        std::optional<std::pair<std::int64_t, std::int64_t>> expected;
        try {
            expected = everyPairRoot(list);
        } catch (const std::overflow_error&) {
            continue;
        }
        ++compared;
        located += pairs > 2048;
        rooted += expected.has_value();
        const auto f = findRationalRoot(Polynomial_XL({list}));
        const std::string shown = show(Polynomial_XL({list}));
        ASSERT_EQ(f.has_value(), expected.has_value()) << shown;
        if (f) {
            EXPECT_EQ(show(*f), show(flat({expected->first, expected->second}))) << shown;
        }
    }
    EXPECT_EQ(compared, 2500);
    EXPECT_GE(located, 1500);  // more than 2048 pairs
    EXPECT_GE(rooted, 1200);
}

// The search on large end coefficients: the first root of the order found
// without trying every pair (7.2·10⁷ pairs came before the root of the first
// polynomial; the second has no rational root). Trying every pair overflowed
// on the way to the root of the third, at a = 1 and b past 4·10¹²; the first
// root of the order, 1/2, is found.
TEST(Factoring, RootSearchOnLargeEndCoefficients) {
    const auto root = [](const char* p) { return show(findRationalRoot(xl(p)).value()); };
    EXPECT_EQ(root("4382069114142720000x 229747470880897477"), "4382069114142720000x 229747470880897477");
    EXPECT_FALSE(hasRationalRoot(xl("2097727632000x^2 7406158596017")));
    EXPECT_FALSE(findRationalRoot(xl("2097727632000x^2 7406158596017")));
    EXPECT_EQ(root("2x^3 -1x^2 1732842634723200x -866421317361600"), "2x -1");
    // The roots 720720, 1/720720 and ±√2; two real roots within 2·10⁻¹⁸ of ±1, neither rational;
    // the double roots ±1 and the double roots ±√2 (ends with 103,680 divisors).
    EXPECT_EQ(root("720720x^4 -519437318401x^3 -720720x^2 1038874636802x -1441440"), "1x -720720");
    EXPECT_FALSE(findRationalRoot(xl("897612484786617600x^2 -3x -897612484786617600")));
    EXPECT_EQ(root("897612484786617600x^4 -1795224969573235200x^2 897612484786617600"), "1x 1");
    EXPECT_FALSE(findRationalRoot(xl("897612484786617600x^4 -3590449939146470400x^2 3590449939146470400")));
}

// Ends that take a millisecond each to split into primes, E = 2641211539 ·
// 2785321433 and F = 2346431561 · 2714796901: the roots −1 and 1 of the
// first pair, −F/E and E/F at the last of the 16 pairs, and no root. An end
// of 0 gives no pair, though −1 is a root of x² + x + 0 and of 0x² + x + 1.
TEST(Factoring, RootSearchOnSemiprimeEnds) {
    const std::string e = "7356623108663615387", f = "6370085130211392461";
    const auto root = [](const std::string& p) {
        const auto r = findRationalRoot(xl(p));
        return r ? show(*r) : "none";
    };
    for (const auto& [in, out] :
         std::vector<std::pair<std::string, std::string>>{{e + "x " + e, "1x 1"},
                                                          {e + "x^2 -" + e, "1x 1"},
                                                          {e + "x -" + e, "1x -1"},
                                                          {e + "x " + f, e + "x " + f},
                                                          {f + "x -" + e, f + "x -" + e},
                                                          {"1x^2 1x " + e, "none"},
                                                          {"1x^2 1x 0", "none"},
                                                          {"0x^2 1x 1", "none"}})
        EXPECT_EQ(root(in), out) << in;
}

// Where a window's whole numbers end at the largest integer the search
// ends: (720x − M)(x + 1) with M = 2⁶³ − 1 is rooted at the first pair, and
// 720x − M and Mx − 720 by their own exact factor. The smallest integer at
// an end is outside the test and throws.
TEST(Factoring, RootSearchAtTheIntegerEdge) {
    const std::int64_t m = std::numeric_limits<std::int64_t>::max();
    const auto with = [](std::vector<std::pair<std::int64_t, std::uint64_t>> terms) {
        List list;
        for (const auto& [n, e] : terms) list.push_back(term(n, e));
        return Polynomial_XL({list});
    };
    const Polynomial_XL quadratic = with({{720, 2}, {720 - m, 1}, {-m, 0}});
    ASSERT_TRUE(hasRationalRoot(quadratic));
    EXPECT_EQ(show(findRationalRoot(quadratic).value()), "1x 1");
    for (const auto& [p, root] : {std::pair{with({{720, 1}, {-m, 0}}), flat({720, -m})},
                                  std::pair{with({{m, 1}, {-720, 0}}), flat({m, -720})},
                                  std::pair{with({{m, 2}, {m - 720, 1}, {-720, 0}}), flat({1, 1})}})
        EXPECT_EQ(show(findRationalRoot(p).value()), show(root)) << show(p);
    for (const auto& ends : {std::pair{std::numeric_limits<std::int64_t>::min(), std::int64_t{3}},
                             std::pair{std::int64_t{3}, std::numeric_limits<std::int64_t>::min()}})
        EXPECT_THROW((void)findRationalRoot(with({{ends.first, 2}, {1, 1}, {ends.second, 0}})),
                     std::overflow_error);
}

// Roots the order meets at its first pairs are found there, however many
// divisors the ends have, and so is the lack of one where the content
// holds every divisor: N(x + 1)⁵, N(x − 1)⁴(x + 1), N(x + 1) and
// N(x² − x − 1)³ with N = 897612484786617600 (103,680 divisors).
TEST(Factoring, RootSearchOnItsFirstPairs) {
    using wide::Int128;
    const Int128 n = 897612484786617600;
    // c times q to the power k, as a polynomial.
    const auto power = [](std::vector<Int128> c, const std::vector<Int128>& q, int k) {
        for (; k > 0; --k) c = times(c, q);
        return flat(narrowed(c).value());
    };
    for (const Polynomial_XL& p : {power({n}, {1, 1}, 5), power({n, n}, {1, -1}, 4), power({n}, {1, 1}, 1)})
        EXPECT_EQ(show(findRationalRoot(p).value()), "1x 1") << show(p);
    EXPECT_FALSE(hasRationalRoot(power({n}, {1, -1, -1}, 3)));
    // A content of 1, so every divisor counts: ±1 give nothing, and the
    // triple roots leave wide windows to search.
    EXPECT_FALSE(findRationalRoot(power({n, 1, -n}, {1, -1, -1}, 3)));
}

// Repeated irrational roots leave windows too wide for the rounding to
// narrow, where the large divisors of one end meet many whole numbers of the
// other. Trying every pair overflows long before them, so the polynomials
// are made from factors whose rational roots are known: the first of them in
// the order is the answer. A rational root within 10⁻¹² of a repeated
// irrational one comes in now and then.
TEST(Factoring, RootSearchNearRepeatedRootsByKnownRoots) {
    using wide::Int128;
    const std::int64_t composites[] = {720720, 27720, 5040, 2520, 10080};
    const auto divisorOf = [&] {
        const auto all = divisors(composites[draw(0, std::size(composites) - 1)]);
        return all[static_cast<std::size_t>(draw(0, static_cast<std::int64_t>(all.size()) - 1))];
    };
    int compared = 0, rooted = 0;
    for (int n = 0; n < 2000 && compared < 200; ++n) {
        std::vector<Int128> c{1};
        const auto multiply = [&c](const std::vector<Int128>& q) { c = times(c, q); };
        std::vector<std::pair<std::int64_t, std::int64_t>> roots;  // (a, c) of each factor a·x + c
        const auto linear = [&](std::int64_t a, std::int64_t b) {
            const std::int64_t g = std::gcd(a, b);
            multiply({a, b});
            roots.emplace_back(a / g, b / g);
        };
        const bool golden = draw(0, 1) == 1;  // x² − x − 1, else x² − 2
        const long double irrational = golden ? (1 + std::sqrt(5.0L)) / 2 : std::sqrt(2.0L);
        for (std::int64_t k = draw(2, 3); k > 0; --k)
            multiply(golden ? std::vector<Int128>{1, -1, -1} : std::vector<Int128>{1, 0, -2});
        const std::int64_t denominator = std::int64_t{1} << draw(36, 41);
        if (draw(0, 1))
            linear(denominator, -std::llround(irrational * static_cast<long double>(denominator)));
        else
            multiply({denominator, 0, 1});
        if (draw(0, 1)) linear(divisorOf(), (draw(0, 1) ? 1 : -1) * divisorOf());
        multiply({1, 0, divisorOf()});  // no real root; a constant with many divisors
        const auto fit = narrowed(c);
        if (c.size() > 17 || !fit) continue;
        const Polynomial_XL p = flat(*fit);
        // The first root in the order: least a, then least b, −b/a before b/a.
        std::optional<std::pair<std::int64_t, std::int64_t>> expected;
        const auto key = [](std::pair<std::int64_t, std::int64_t> r) {
            return std::tuple(std::abs(r.first), std::abs(r.second), (r.first < 0) == (r.second < 0) ? 0 : 1);
        };
        for (auto r : roots) {
            if (r.first < 0) r = {-r.first, -r.second};
            if (!expected || key(r) < key(*expected)) expected = r;
        }
        std::optional<Polynomial_XL> f;
        try {
            f = findRationalRoot(p);
        } catch (const std::overflow_error&) {
            continue;  // a pair near a root before the first one overflowed
        }
        ++compared;
        rooted += expected.has_value();
        ASSERT_EQ(f.has_value(), expected.has_value()) << show(p);
        if (f) {
            EXPECT_EQ(show(*f), show(flat({expected->first, expected->second}))) << show(p);
        }
    }
    EXPECT_EQ(compared, 200);
    EXPECT_GE(rooted, 120);
}

// Roots whose part on the end with more divisors is 2⁴⁷ or more, where the
// divisors of the other end meet it in the ascending sweep: ±b/a of K(a·x ∓ b)
// with b large (on the last end, with at least as many divisors as the
// first) or a large (on the first end, with more), and of (a·x ∓ b)(c·x ± d)
// with b large and a < c, so that ±b/a is the first root of the order and a
// second window is searched. The ends draw on disjoint primes, so the roots
// are in lowest terms; no pair tried leaves 128 bits.
TEST(Factoring, RootSearchSweepsToLargeRootParts) {
    using wide::Int128;
    std::vector<std::int64_t> primes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43};
    // A product of primes drawn from `from`, between low and high; none when
    // the draw stays below low.
    const auto productOf = [](const std::vector<std::int64_t>& from, Int128 low, Int128 high) {
        Int128 v = 1;
        for (int tries = 0; tries < 64 && !(v >= low && draw(0, 3) == 0); ++tries) {
            const std::int64_t p = from[static_cast<std::size_t>(draw(0, std::ssize(from) - 1))];
            if (v * p <= high) v *= p;
        }
        return v >= low ? std::optional<std::int64_t>(static_cast<std::int64_t>(v)) : std::nullopt;
    };
    const auto count = [](std::int64_t n) { return divisors(n).size(); };
    const auto sign = [] { return draw(0, 1) ? std::int64_t{1} : std::int64_t{-1}; };
    int cases[3] = {0, 0, 0};  // b large in K(a·x ∓ b), in (a·x ∓ b)(c·x ± d); a large in K(a·x ∓ b)
    for (int n = 0; n < 3000 && std::min({cases[0], cases[1], cases[2]}) < 100; ++n) {
        const int kind = n % 3;
        if (cases[kind] == 100) continue;
        std::shuffle(primes.begin(), primes.end(), rng);
        const std::vector<std::int64_t> largePrimes(primes.begin(), primes.begin() + 7),
            smallPrimes(primes.begin() + 7, primes.end());
        const Int128 top = Int128{1} << (kind == 1 ? 50 : draw(48, 62));
        const auto large = productOf(largePrimes, Int128{1} << 47, top);
        const auto small = productOf(smallPrimes, 2, Int128{1} << (kind == 1 ? 12 : 40));
        if (!large || !small) continue;
        const std::int64_t s = sign();
        std::vector<Int128> coefficients;
        if (kind == 1) {
            const std::int64_t a = *small, b = *large;
            const auto c = productOf(smallPrimes, a + 1, Int128{1} << 12),
                       d = productOf(largePrimes, 1, (Int128{1} << 62) / b);
            if (!c || !d || count(a * *c) > count(b * *d) || count(a * *c) * count(b * *d) <= 2048) continue;
            coefficients = times<Int128>({a, -s * b}, {*c, sign() * *d});
        } else {
            const auto [a, b] = kind == 0 ? std::pair{*small, *large} : std::pair{*large, *small};
            const bool inner = kind == 0 ? count(a) <= count(b) : count(a) > count(b);
            if (!inner || count(a) * count(b) <= 2048) continue;
            const std::int64_t k = draw(1, std::min<std::int64_t>(1000, INT64_MAX / *large));
            coefficients = {Int128{k} * a, Int128{-s} * k * b};
        }
        // The factor a·x ∓ b of the first root ±b/a.
        const Polynomial_XL root = kind == 2 ? flat({*large, -s * *small}) : flat({*small, -s * *large});
        const Polynomial_XL p = flat(narrowed(coefficients).value());
        ++cases[kind];
        const auto f = findRationalRoot(p);
        EXPECT_EQ(f ? show(*f) : "none", show(root)) << show(p);
    }
    for (const int k : cases) EXPECT_EQ(k, 100);
}

TEST(Factoring, CommonMonomials) {
    const auto shown = [](const std::optional<Monomial>& m) {
        return m ? show(Polynomial_XL({{Term_XL(*m)}})) : "none";
    };
    // P, then its common monomial, P divided by it, the common factor monomial and whether it counts.
    using Case = std::tuple<const char*, const char*, const char*, const char*, bool>;
    for (const auto& [in, common, divided, factor, counts] :
         {Case("6x^2 4x", "2x", "3x 2", "2x", true), Case("-6x^2 -4x", "-2x", "3x 2", "-2x", true),
          Case("2x 3", "1", "2x 3", "none", false), Case("-2x 3", "-1", "2x -3", "-1", false),
          Case("5x^2", "none", "5x^2", "none", false)}) {
        const Polynomial_XL p = xl(in);
        EXPECT_EQ(std::tuple(shown(commonMonomial(p)), show(dividedByCommonMonomial(p)),
                             shown(commonFactorMonomial(p)), commonFactor(p)),
                  std::tuple(common, divided, factor, counts))
            << in;
    }
    EXPECT_EQ(show(termwiseNegated(xl("2x^2 -3 | 1(0)"))), "-2x^2 3");
}

TEST(Factoring, WorkedExamples) {
    const Color red = Color::red;
    // 6x² + 5x + 1: 2x + 1 is found first; grouping lists 3x + 1 first.
    EXPECT_EQ(show(factoredForMethod(xl("6x^2 5x 1"), red, "guess and check")[1]),
              "2x{red} 1{red} | 3x{red} 1{red} | 1(0){red}(1){red}");
    EXPECT_EQ(show(factoredForMethod(xl("6x^2 5x 1"), red, "grouping")[1]),
              "3x{red} 1{red} | 2x{red} 1{red} | 1(0){red}(1){red}");
    // Like terms of a dividend add up: x² + 3x + 2x + 6 = (x + 2)(x + 3).
    EXPECT_EQ(show(divideByLinearFactor(xl("1x 2"), xl("1x^2 3x 2x 6"))), "1x 3");
    // −2x − 6 is −2(x + 3) when asked to take the sign out.
    EXPECT_EQ(show(factorOutCommonFactor(xl("-2x -6"), true, red)[1]), "1x{red} 3{red} | -2{red}(0){red}");
    // All numerators 0: nothing to divide by, the input comes back.
    EXPECT_EQ(show(factorOutCommonFactor(xl("0x^2 0x"), false, red)[1]), "0x^2 0x");
    // −1·(x − 3)(x + 2) reads 1·(3 − x)(2 + x); with a fourth list it is not that shape.
    EXPECT_EQ(show(*normalizeFactorSigns(xl("1x -3 | 1x 2 | -1(0)(1)"), red)),
              "3{red} -1x{red} | 2{red} 1x{red} | 1{red}(0){red}(1){red}");
    EXPECT_FALSE(normalizeFactorSigns(xl("1x -3 | 1x 2 | -1(0)(1) | -5(2)"), red));
    // Outside the shapes they rewrite the steps refuse rather than change the
    // value: list k of 3·(2x·(3)) is a product, x⁴ − 3 is no binomial factor.
    EXPECT_THROW(factorOutCommonFactor(xl("3 | 2x(0) | 1(1)"), false, red), std::invalid_argument);
    EXPECT_FALSE(normalizedSigns(xl("1x^4 -3 | 1x 2 | -1(0)(1)")));
    // The letter stays through every step: y²/y ends as y, 6/(2z) as 3/z.
    for (const auto& [n, d, letter] : {std::tuple("1x^2", "1x", "y"), std::tuple("6", "2x", "z")}) {
        const Expression start(lettered(xl(n), letter), lettered(xl(d), letter));
        const auto end = testing::runPipeline(start, 6, [](const ExpressionPair&) {});
        ASSERT_FALSE(end.finalForms.empty()) << n;
        EXPECT_TRUE(sameValue(end.finalForms.back(), start, letter)) << n << " over " << d;
    }
    // 6x²/(4x): 6x² red over 4x blue, then 2x·(3x) over 2x·(2).
    const auto six = Expression(xl("6x^2"), xl("4x")).highlightingCommonFactors();
    EXPECT_EQ(show((*six)[0].poly_N) + " / " + show((*six)[1].poly_N) + " / " + show((*six)[1].poly_D),
              "6x^2{red} / 3x{red} | 2x{red}(0){red} / 2{blue} | 2x{blue}(0){blue}");
    // 2(x + 1)/2(x − 1): the 2s are highlighted (not the references) and cancel.
    const auto cancelled = Expression(xl("1x 1 | 2(0)"), xl("1x -1 | 2(0)")).cancelingCommonFactors();
    EXPECT_EQ(show((*cancelled)[0].poly_N) + " / " + show((*cancelled)[1].poly_N) + " / " +
                  show((*cancelled)[1].poly_D),
              "1x 1 | 2{red}(0) / 1x 1 | 1(0) / 1x -1 | 1(0)");
    // 2x·(2x)(x + 1) over 3(x + 1): list 0 is the top-level monomial but is not
    // cancelled, so the top level keeps it: 4x²/3.
    const Expression start(xl("2x | 1x 1 | 2x(0)(1)"), xl("1x 1 | 3(0)"));
    EXPECT_TRUE(sameValue((*start.cancelingCommonFactors())[1], start));
    // (x/2)/(−3): the sign moves up; the numerator keeps its denominator.
    const auto forms =
        Expression(Polynomial_XL({{Term_XL(Monomial(Rational(1, 2), 1))}}), xl("-3")).finalForms();
    EXPECT_TRUE(forms->size() == 2 &&
                identical((*forms)[1].poly_N.terms[0][0].monomial.coefficient, Rational(-1, 2)));
}

// Records as the engine gets them, every item with its colours; "·" for the join 🖇.
std::string drawn(const Record& r) {
    std::string text = testing::describeRecord(r);
    for (std::size_t at; (at = text.find("\U0001F587")) != std::string::npos;) text.replace(at, 4, "\u00B7");
    return text;
}

// Worked runs pinned whole: every stage of every step the pipeline takes, as
// the record the engine draws (numerator changes red, denominator blue), then
// the final forms.
TEST(RationalExpression, WorkedRunsPinnedWhole) {
    const auto run = [](const char* n, const char* d) {
        std::vector<std::string> lines;
        const auto end =
            testing::runPipeline(Expression(xl(n), xl(d)), 6, [&lines](const ExpressionPair& pair) {
                lines.push_back(drawn(pair[0].record(true)) + "  =>  " + drawn(pair[1].record(true)));
            });
        for (const auto& form : end.finalForms) lines.push_back("final " + drawn(form.record(false)));
        return lines;
    };
    // (x + 1)²/(2 − 2x²): the denominator sorted, −1, 2 and its roots taken out.
    EXPECT_EQ(
        run("1x^2 2x 1", "2 -2x^2"),
        (std::vector<std::string>{
            R"p((((("" · "x²") + ("2" · "x")) + "1") / ("2"{blue} −{blue} ("2"{blue} · "x²"{blue})))  =>  (((("" · "x²") + ("2" · "x")) + "1") / (("-2"{blue} · "x²"{blue}) +{blue} "2"{blue})))p",
            R"p((((("" · "x²") + ("2" · "x")) + "1") / (("-2"{blue} · "x²"{blue}) +{blue} "2"{blue}))  =>  (((("" · "x²") + ("2" · "x")) + "1") / (("" · (){blue}("-1"{blue})) · (){blue}((("2"{blue} · "x²"{blue}) −{blue} "2"{blue})))))p",
            R"p((((("" · "x²") + ("2" · "x")) + "1") / (("" · ()("-1")) · (){blue}((("2"{blue} · "x²"{blue}) −{blue} "2"{blue}))))  =>  (((("" · "x²") + ("2" · "x")) + "1") / ((("" · ()("-1")) · (){blue}("2"{blue})) · (){blue}(((""{blue} · "x²"{blue}) −{blue} "1"{blue})))))p",
            R"p(((((""{red} · "x²"{red}) +{red} ("2"{red} · "x"{red})) +{red} "1"{red}) / ((("" · ()("-1")) · ()("2")) · (){blue}(((""{blue} · "x²"{blue}) −{blue} "1"{blue}))))  =>  ((("" · (){red}(((""{red} · "x"{red}) +{red} "1"{red}))) · (){red}(((""{red} · "x"{red}) +{red} "1"{red}))) / (((("" · ()("-1")) · ()("2")) · (){blue}(((""{blue} · "x"{blue}) +{blue} "1"{blue}))) · (){blue}(((""{blue} · "x"{blue}) −{blue} "1"{blue})))))p",
            R"p(((("" · (){red}(((""{red} · "x"{red}) +{red} "1"{red}))) · ()((("" · "x") + "1"))) / (((("" · ()("-1")) · ()("2")) · (){blue}(((""{blue} · "x"{blue}) +{blue} "1"{blue}))) · ()((("" · "x") − "1"))))  =>  (("-" · ("" · ()((("" · "x") + "1")))) / ("2" · ("" · ()((("" · "x") − "1"))))))p",
            R"p(final (("-" · ("" · ()((("" · "x") + "1")))) / ("2" · ("" · ()((("" · "x") − "1"))))))p"}));
    // The highlight step: 6x²/(4x) as 2x·(3x) over 2x·(2), then cancelled.
    EXPECT_EQ(
        run("6x^2", "4x"),
        (std::vector<std::string>{
            R"p((("6"{red} · "x²"{red}) / ("4"{blue} · "x"{blue}))  =>  ((("2"{red} · "x"{red}) · ("" · (){red}(("3"{red} · "x"{red})))) / (("2"{blue} · "x"{blue}) · ("" · (){blue}("2"{blue})))))p",
            R"p(((("2"{red} · "x"{red}) · ("" · ()(("3" · "x")))) / (("2"{blue} · "x"{blue}) · ("" · ()("2"))))  =>  (("3" · "x") / "2"))p",
            R"p(final (("3" · "x") / "2"))p"}));
    // 2(x + 1)/2(x − 1): only the 2s cancel.
    EXPECT_EQ(
        run("1x 1 | 2(0)", "1x -1 | 2(0)"),
        (std::vector<std::string>{
            R"p((("2"{red} · ("" · ()((("" · "x") + "1")))) / ("2"{blue} · ("" · ()((("" · "x") − "1")))))  =>  ((("" · "x") + "1") / (("" · "x") − "1")))p",
            R"p(final ((("" · "x") + "1") / (("" · "x") − "1")))p"}));
    // An empty numerator has no rows to stand over the bar: the message does.
    EXPECT_EQ(drawn(Expression(Polynomial_XL(Lists(1)), xl("2")).record(false)),
              R"(("unexpected error" / "2"))");
    // 6x² + 5x + 1 in grouping order, before and after.
    const auto grouped = factoredForMethod(xl("6x^2 5x 1"), Color::red, "grouping");
    EXPECT_EQ(
        drawn(item(grouped[0], Style::fraction)) + "  =>  " + drawn(item(grouped[1], Style::fraction)),
        R"p(((("6"{red} · "x²"{red}) +{red} ("5"{red} · "x"{red})) +{red} "1"{red})  =>  (("" · (){red}((("3"{red} · "x"{red}) +{red} "1"{red}))) · (){red}((("2"{red} · "x"{red}) +{red} "1"{red}))))p");
}

}  // namespace
}  // namespace radixmender
