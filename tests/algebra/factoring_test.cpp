// Rational-root factoring and common factors, over random integer
// polynomials built from known factors: the root found is the first one a
// brute-force search meets in the same candidate order, factors multiply
// back to the polynomial, and every [before, after] keeps the value.
#include <gtest/gtest.h>

#include <random>

#include "algebra/common_factors.hpp"
#include "records/integers.hpp"
#include "tests/support/algebra_check.hpp"

namespace radixmender {
namespace {

using testing::Fraction;
using testing::identical;
using testing::SurdValue;
using testing::valueAt;
using Coefficients = std::vector<std::int64_t>;  // highest power first

const Fraction kPoints[] = {Fraction(3, 7), Fraction(-5, 7), Fraction(12, 7)};

Polynomial_XL flat(const Coefficients& c, Color color = Color::black) {
    std::vector<Term_XL> terms;
    for (std::size_t i = 0; i < c.size(); ++i)
        if (c[i] != 0)
            terms.emplace_back(
                Monomial(Rational(c[i], 1, color, color, color), c.size() - 1 - i, "x", color));
    return Polynomial_XL({terms});
}

Coefficients times(const Coefficients& p, std::int64_t a, std::int64_t b) {  // p · (a·x + b)
    Coefficients r(p.size() + 1, 0);
    for (std::size_t i = 0; i < p.size(); ++i) r[i] += p[i] * a, r[i + 1] += p[i] * b;
    return r;
}

::testing::AssertionResult sameValue(const Polynomial_XL& a, const SurdValue& expected, const Fraction& x) {
    if (valueAt(a, x) == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << valueAt(a, x).toString() << " != " << expected.toString();
}

void expectSameValue(const Polynomial_XL& a, const Polynomial_XL& b) {
    for (const Fraction& x : kPoints) EXPECT_TRUE(sameValue(a, valueAt(b, x), x));
}

TEST(Factoring, RandomPolynomialsAgainstBruteForceAndTheirOwnValue) {
    std::mt19937 rng(110);
    const auto draw = [&rng](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    for (int n = 0; n < 600; ++n) {
        Coefficients c = {draw(1, 3) * (draw(0, 1) ? 1 : -1)};
        bool nonZeroRoot = false;
        for (std::int64_t k = draw(0, 4); k > 0; --k) {
            const std::int64_t a = draw(1, 3), b = draw(-5, 5);
            nonZeroRoot = nonZeroRoot || b != 0;
            c = times(c, a, b);
        }
        if (draw(0, 3) == 0) {  // times x² + k, no rational root
            const std::int64_t k = draw(1, 4);
            Coefficients r = times(times(c, 1, 0), 1, 0);
            for (std::size_t i = 0; i < c.size(); ++i) r[i + 2] += k * c[i];
            c = r;
        }
        const Polynomial_XL p = flat(c);
        if (!p.degree()) continue;
        // Brute force: the first candidate root in the order a ↑, b ↑, −b/a before b/a.
        std::optional<std::pair<std::int64_t, std::int64_t>> expected;
        const auto& terms = p.terms[0];
        for (std::int64_t a : divisors(std::abs(terms.front().monomial.coefficient.numerator)))
            for (std::int64_t b : divisors(std::abs(terms.back().monomial.coefficient.numerator)))
                for (std::int64_t s : {1, -1})
                    if (!expected && gcd(a, b) == 1 && valueAt(p, Fraction(-s * b, a)).isZero())
                        expected = {a, s * b};
        const auto f = findRationalRoot(p);
        ASSERT_EQ(f.has_value(), expected.has_value()) << n;
        EXPECT_TRUE(f || !nonZeroRoot) << n;
        if (!f) continue;
        EXPECT_TRUE(identical(*f, flat({expected->first, expected->second})));
        for (const Fraction& x : kPoints)
            EXPECT_TRUE(sameValue(p, valueAt(*f, x) * valueAt(divideByLinearFactor(*f, p), x), x));
        if (const auto factors = extractLinearFactors(p)) {
            for (const Fraction& x : kPoints) {
                SurdValue product(1);
                for (const auto& factor : *factors) product = product * valueAt(factor, x);
                EXPECT_TRUE(sameValue(p, product, x));
            }
            for (std::size_t i = 0; i + 1 < factors->size(); ++i) {
                const auto& linear = (*factors)[i].terms[0];
                const std::int64_t a = linear[0].monomial.coefficient.numerator;
                const std::int64_t b = linear[1].monomial.coefficient.numerator;
                EXPECT_TRUE(a >= 1 && gcd(a, b) == 1 && valueAt(p, Fraction(-b, a)).isZero());
            }
        }
        // The same list as a factored polynomial, 3x·(P)², and as −1·(P).
        const Polynomial_XL squared({p.terms[0], {Term_XL(Monomial(Rational(3, 1), 1), {Factor(0, 2)})}});
        for (const Polynomial_XL& q : {p, squared, negated(p)}) {
            if (hasRationalRoot(q))
                for (const char* method : {"guess and check", "grouping"})
                    for (const auto& stage : factoredForMethod(q, Color::red, method))
                        expectSameValue(stage, q);
            for (const auto& stage : factorOutCommonFactor(q, n % 2 == 0, Color::blue))
                expectSameValue(stage, q);
            expectSameValue(negated(q), q);
        }
        if (const auto m = commonMonomial(p)) {
            for (const Fraction& x : kPoints)
                EXPECT_TRUE(sameValue(p, valueAt(*m, x) * valueAt(dividedByCommonMonomial(p), x), x));
        }
    }
}

TEST(Factoring, WorkedExamples) {
    const auto after = [](const Polynomial_XL& p, const char* method) {
        return factoredForMethod(p, Color::red, method)[1];
    };
    const Polynomial_XL trinomial = flat({6, 5, 1});
    EXPECT_TRUE(identical(after(trinomial, "guess and check").terms[0], flat({2, 1}, Color::red).terms[0]));
    EXPECT_TRUE(identical(after(trinomial, "grouping").terms[0], flat({3, 1}, Color::red).terms[0]));
    EXPECT_TRUE(identical(after(trinomial, "grouping").terms[2],
                          {Term_XL(Monomial(Rational(1, 1), 0), {Factor(0, 1).recolored(Color::red),
                                                                 Factor(1, 1).recolored(Color::red)})}));
    EXPECT_TRUE(identical(*findRationalRoot(flat({2, 3, 0})), flat({2, 3})));
    const auto cubic = *extractLinearFactors(flat({1, 1, 0, 0}));
    EXPECT_TRUE(cubic.size() == 2 && identical(cubic[0], flat({1, 1})) &&
                identical(cubic[1], flat({1, 0, 0})));
    // Like terms of the dividend add up: x² + 3x + 2x + 6 = (x + 2)(x + 3).
    const Polynomial_XL repeated({{flat({1, 0, 0}).terms[0][0], flat({3, 0}).terms[0][0],
                                   flat({2, 0}).terms[0][0], flat({6}).terms[0][0]}});
    EXPECT_TRUE(identical(divideByLinearFactor(flat({1, 2}), repeated), flat({1, 3})));

    // −4x² + 6x: 2x(−2x + 3), or with the sign option −2x(2x − 3).
    EXPECT_TRUE(identical(factorOutCommonFactor(flat({-4, 6, 0}), false, Color::red)[1].terms[0],
                          flat({-2, 3}, Color::red).terms[0]));
    EXPECT_TRUE(identical(factorOutCommonFactor(flat({-4, 6, 0}), true, Color::red)[1].terms[0],
                          flat({2, -3}, Color::red).terms[0]));
    // All numerators 0: nothing to divide by, the input comes back.
    const Polynomial_XL zeros({{Term_XL(Monomial(Rational(0, 1), 2)), Term_XL(Monomial(Rational(0, 1), 1))}});
    EXPECT_TRUE(identical(factorOutCommonFactor(zeros, false, Color::red)[1], zeros));
    EXPECT_TRUE(identical(dividedByCommonMonomial(zeros), zeros));

    // −1·(x − 3)(x + 2) reads 1·(3 − x)(2 + x); a fourth list is not its shape.
    const Polynomial_XL product({flat({1, -3}).terms[0],
                                 flat({1, 2}).terms[0],
                                 {Term_XL(Monomial(Rational(-1, 1), 0), {Factor(0, 1), Factor(1, 1)})}});
    const auto normal = normalizeFactorSigns(product, Color::red);
    ASSERT_TRUE(normal.has_value());
    EXPECT_EQ(normal->terms[0][0].monomial.coefficient.numerator, 3);
    expectSameValue(*normal, product);
    const auto forms = normalizedSigns(product);
    for (const auto& form : *forms) expectSameValue(form, flat({1, -3}));
    Polynomial_XL four = product;
    four.terms.insert(four.terms.end() - 1, flat({1}).terms[0]);
    EXPECT_FALSE(normalizeFactorSigns(four, Color::red).has_value());
}

}  // namespace
}  // namespace radixmender
