// Factoring and rational expressions against exact values: roots against a
// brute-force search, every stage of every step keeps the value, and chained
// steps cancel what SymPy's cancel removes (tests/tools/write_fixtures.py).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "algebra/common_factors.hpp"
#include "records/integers.hpp"
#include "tests/support/algebra_check.hpp"
#include "tests/support/expression_pipeline.hpp"

namespace radixmender {
namespace {

using testing::Fraction;
using testing::identical;
using testing::valueAt;
using List = std::vector<Term_XL>;
using Expression = Rational_Expression;

const Fraction kPoints[] = {Fraction(3, 7), Fraction(-5, 7), Fraction(12, 7)};
std::mt19937 rng(16);
std::int64_t draw(std::int64_t lo, std::int64_t hi) {
    return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
}

Term_XL term(std::int64_t n, std::uint64_t e, std::vector<Factor> factors = {}) {
    return Term_XL(Monomial(Rational(n, 1), e), std::move(factors));
}

// One list from coefficients, highest power first; zeros left out.
Polynomial_XL flat(const std::vector<std::int64_t>& c, Color color = Color::black) {
    List terms;
    for (std::size_t i = 0; i < c.size(); ++i)
        if (c[i] != 0) terms.push_back(term(c[i], c.size() - 1 - i).recolored(color));
    return Polynomial_XL({terms});
}

::testing::AssertionResult sameValue(const Expression& a, const Expression& b) {
    for (const Fraction& x : kPoints) {
        const auto va = valueAt(a.poly_N, x) / valueAt(a.poly_D, x),
                   vb = valueAt(b.poly_N, x) / valueAt(b.poly_D, x);
        if (!(va == vb)) return ::testing::AssertionFailure() << va.toString() << " != " << vb.toString();
    }
    return ::testing::AssertionSuccess();
}
::testing::AssertionResult sameValue(const Polynomial_XL& a, const Polynomial_XL& b) {
    return sameValue(Expression(a, flat({1})), Expression(b, flat({1})));
}

std::vector<std::int64_t> times(const std::vector<std::int64_t>& p, const std::vector<std::int64_t>& q) {
    std::vector<std::int64_t> r(p.size() + q.size() - 1, 0);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j) r[i + j] += p[i] * q[j];
    return r;
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
        // The list alone, as 3x·(P)², and as −1·(P).
        const Polynomial_XL squared({p.terms[0], {term(3, 1, {Factor(0, 2)})}});
        for (const Polynomial_XL& side : {p, squared, negated(p)}) {
            std::vector<Polynomial_XL> stages = {negated(side)};
            for (const char* method : {"guess and check", "grouping"})
                if (hasRationalRoot(side))
                    for (auto& s : factoredForMethod(side, Color::red, method)) stages.push_back(s);
            for (auto& s : factorOutCommonFactor(side, n % 2 == 0, Color::blue)) stages.push_back(s);
            for (const auto& stage : stages) EXPECT_TRUE(sameValue(stage, side)) << n;
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

// Every stage of every step of `e`, and every final form, has the value of `start`.
void expectEveryStepKeepsValue(const Expression& e, const Expression& start) {
    std::vector<Expression> stages;
    for (const auto& step : {&Expression::sortingSteps, &Expression::factoringOutNegatives,
                             &Expression::factoringOutCommonFactors, &Expression::factoringByRationalRoots,
                             &Expression::highlightingCommonFactors, &Expression::cancelingCommonFactors})
        if (const auto pair = (e.*step)()) stages.insert(stages.end(), pair->begin(), pair->end());
    for (const bool flag : {false, true})
        if (const auto s = e.simplified(flag)) stages.push_back(*s);
    if (const auto forms = e.finalForms()) stages.insert(stages.end(), forms->begin(), forms->end());
    for (const auto& stage : stages) EXPECT_TRUE(sameValue(stage, start));
}

TEST(RationalExpression, EveryStageOfEveryStepKeepsTheValue) {
    int ended = 0;
    for (int n = 0; n < 400 && !HasFailure(); ++n) {
        const Expression start(randomSide(), randomSide());
        expectEveryStepKeepsValue(start, start);
        const auto end = testing::runPipeline(start, 10, [&start](const ExpressionPair& pair) {
            EXPECT_TRUE(sameValue(pair[0], start));
            expectEveryStepKeepsValue(pair[1], start);
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

TEST(Factoring, WorkedExamples) {
    const Color red = Color::red, blue = Color::blue;
    // 6x² + 5x + 1: 2x + 1 is found first; grouping lists 3x + 1 first.
    EXPECT_TRUE(identical(factoredForMethod(flat({6, 5, 1}), red, "guess and check")[1].terms[0],
                          flat({2, 1}, red).terms[0]));
    EXPECT_TRUE(identical(factoredForMethod(flat({6, 5, 1}), red, "grouping")[1].terms[0],
                          flat({3, 1}, red).terms[0]));
    // Like terms of a dividend add up: x² + 3x + 2x + 6 = (x + 2)(x + 3).
    const Polynomial_XL repeated({{term(1, 2), term(3, 1), term(2, 1), term(6, 0)}});
    EXPECT_TRUE(identical(divideByLinearFactor(flat({1, 2}), repeated), flat({1, 3})));
    // All numerators 0: nothing to divide by, the input comes back.
    const Polynomial_XL zeros({{term(0, 2), term(0, 1)}});
    EXPECT_TRUE(identical(factorOutCommonFactor(zeros, false, red)[1], zeros));
    // −1·(x − 3)(x + 2) reads 1·(3 − x)(2 + x); a fourth list is not that shape.
    Polynomial_XL product(
        {flat({1, -3}).terms[0], flat({1, 2}).terms[0], {term(-1, 0, {Factor(0, 1), Factor(1, 1)})}});
    EXPECT_TRUE(identical(normalizeFactorSigns(product, red)->terms[0],
                          {term(3, 0).recolored(red), term(-1, 1).recolored(red)}) &&
                sameValue(*normalizeFactorSigns(product, red), product));
    product.terms.insert(product.terms.begin() + 2, {term(1, 0)});
    EXPECT_FALSE(normalizeFactorSigns(product, red));

    // 6x²/(4x): 6x² red over 4x blue, then 2x·(3x) over 2x·(2).
    const auto six = Expression(flat({6, 0, 0}), flat({4, 0})).highlightingCommonFactors();
    EXPECT_TRUE(identical((*six)[0].poly_N, flat({6, 0, 0}, red)));
    EXPECT_TRUE(identical((*six)[1].poly_N.terms,
                          {{term(3, 1).recolored(red)}, {term(2, 1, {Factor(0, 1)}).recolored(red)}}));
    EXPECT_TRUE(identical((*six)[1].poly_D.terms,
                          {{term(2, 0).recolored(blue)}, {term(2, 1, {Factor(0, 1)}).recolored(blue)}}));
    // 2(x + 1)/2(x − 1): the 2s are highlighted (not the references) and cancel.
    const auto cancelled = Expression(Polynomial_XL({flat({1, 1}).terms[0], {term(2, 0, {Factor(0, 1)})}}),
                                      Polynomial_XL({flat({1, -1}).terms[0], {term(2, 0, {Factor(0, 1)})}}))
                               .cancelingCommonFactors();
    EXPECT_TRUE(identical((*cancelled)[0].poly_N.terms[1],
                          {Term_XL(term(2, 0).monomial.recolored(red), {Factor(0, 1)})}));
    EXPECT_TRUE(identical((*cancelled)[1].poly_N.terms[1], {term(1, 0, {Factor(0, 1)})}) &&
                identical((*cancelled)[1].poly_D.terms[1], {term(1, 0, {Factor(0, 1)})}));
    // (x/2)/(−3): the sign moves up; the numerator keeps its denominator.
    const auto forms =
        Expression(Polynomial_XL({{Term_XL(Monomial(Rational(1, 2), 1))}}), flat({-3})).finalForms();
    EXPECT_TRUE(forms->size() == 2 &&
                identical((*forms)[1].poly_N.terms[0][0].monomial.coefficient, Rational(-1, 2)));
}

}  // namespace
}  // namespace radixmender
