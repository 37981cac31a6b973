// Rational expressions: every stage of every step keeps the value of the
// expression it came from, over random factored expressions and every shape
// the steps themselves make; the chained steps end and cancel exactly what
// SymPy's cancel removes (fixture written by tests/tools/cancel_fixture.py).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "algebra/common_factors.hpp"
#include "tests/support/algebra_check.hpp"
#include "tests/support/expression_pipeline.hpp"

namespace radixmender {
namespace {

using testing::Fraction;
using testing::identical;
using testing::SurdValue;
using testing::valueAt;
using List = std::vector<Term_XL>;

const Fraction kPoints[] = {Fraction(3, 7), Fraction(-5, 7), Fraction(12, 7)};

SurdValue valueOf(const Rational_Expression& e, const Fraction& x) {
    return valueAt(e.poly_N, x) / valueAt(e.poly_D, x);
}

::testing::AssertionResult sameValue(const Rational_Expression& a, const Rational_Expression& b) {
    for (const Fraction& x : kPoints)
        if (!(valueOf(a, x) == valueOf(b, x)))
            return ::testing::AssertionFailure()
                   << valueOf(a, x).toString() << " != " << valueOf(b, x).toString();
    return ::testing::AssertionSuccess();
}

Term_XL term(std::int64_t n, std::uint64_t e, std::vector<Factor> factors = {}) {
    return Term_XL(Monomial(Rational(n, 1), e), std::move(factors));
}

// Flat lists in any order, with negative leading terms; products of such
// lists with a coefficient, factors squared and a list nothing names; −1·(P).
class Sides {
public:
    explicit Sides(unsigned seed) : rng_(seed) {}
    std::int64_t draw(std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng_);
    }
    List flatList() {
        List terms;
        for (std::uint64_t e = static_cast<std::uint64_t>(draw(0, 3)) + 1; e-- > 0;)
            if (terms.empty() || draw(0, 2) > 0) terms.push_back(term(draw(1, 4) * (draw(0, 3) ? 1 : -1), e));
        if (draw(0, 2) == 0) std::shuffle(terms.begin(), terms.end(), rng_);
        return terms;
    }
    Polynomial_XL side() {
        switch (draw(0, 3)) {
            case 0:
                return Polynomial_XL({flatList()});
            case 1:
                return negated(Polynomial_XL({flatList()}));
            default: {
                std::vector<List> lists;
                std::vector<Factor> factors;
                for (std::int64_t k = draw(1, 3); k > 0; --k) {
                    factors.emplace_back(lists.size(), draw(0, 3) ? 1 : 2);
                    lists.push_back(draw(0, 1) ? List{term(draw(1, 2), 1), term(draw(-3, 3) | 1, 0)}
                                               : flatList());
                }
                if (draw(0, 3) == 0) lists.push_back({term(2, 1)});  // named by nothing
                lists.push_back({term(draw(1, 6) * (draw(0, 4) ? 1 : -1),
                                      static_cast<std::uint64_t>(draw(0, 2)), std::move(factors))});
                return Polynomial_XL(std::move(lists));
            }
        }
    }

private:
    std::mt19937 rng_;
};

using Step = std::optional<ExpressionPair> (Rational_Expression::*)() const;
const Step kSteps[] = {&Rational_Expression::sortingSteps,
                       &Rational_Expression::factoringOutNegatives,
                       &Rational_Expression::factoringOutCommonFactors,
                       &Rational_Expression::factoringByRationalRoots,
                       &Rational_Expression::highlightingCommonFactors,
                       &Rational_Expression::cancelingCommonFactors};

// Every step and every final form of `e` has the value of `start`.
void expectEveryStepKeepsValue(const Rational_Expression& e, const Rational_Expression& start) {
    std::vector<Rational_Expression> stages;
    for (const Step step : kSteps)
        if (const auto pair = (e.*step)()) stages.insert(stages.end(), pair->begin(), pair->end());
    for (const bool flag : {false, true})
        if (const auto s = e.simplified(flag)) stages.push_back(*s);
    if (const auto forms = e.finalForms()) stages.insert(stages.end(), forms->begin(), forms->end());
    for (const auto& stage : stages) EXPECT_TRUE(sameValue(stage, start));
}

TEST(RationalExpression, EveryStageOfEveryStepKeepsTheValue) {
    Sides sides(203);
    int ended = 0;
    const int count = 400;
    for (int n = 0; n < count; ++n) {
        const Rational_Expression start(sides.side(), sides.side());
        expectEveryStepKeepsValue(start, start);
        const auto end = testing::runPipeline(start, 10, [&start](const ExpressionPair& pair) {
            EXPECT_TRUE(sameValue(pair[0], start));
            EXPECT_TRUE(sameValue(pair[1], start));
            expectEveryStepKeepsValue(pair[1], start);
        });
        ended += !end.finalForms.empty();
        EXPECT_LT(end.rounds, 10) << "expression " << n;
        if (::testing::Test::HasFailure()) FAIL() << "expression " << n;
    }
    // Some made-up products hide a common factor where no step looks (a
    // coefficient behind a one-term factor, a factor list other than the
    // last); from there nothing changes any more.
    EXPECT_GT(ended, count * 9 / 10);
}

std::vector<Term_XL> fromCoefficients(std::istringstream& in, bool ascending) {
    std::vector<std::int64_t> c;
    for (std::int64_t k; in >> k;) c.push_back(k);
    in.clear();
    List terms;
    for (std::size_t i = 0; i < c.size(); ++i)
        if (c[i] != 0) terms.push_back(term(c[i], c.size() - 1 - i));
    if (ascending) std::reverse(terms.begin(), terms.end());
    return terms;
}

TEST(RationalExpression, ChainedStepsCancelWhatSymPyCancels) {
    std::ifstream file(std::filesystem::path(__FILE__).parent_path() / "cancel_fixture.txt");
    int cases = 0;
    for (std::string line; std::getline(file, line); ++cases) {
        std::istringstream in(line);
        std::vector<List> sides;  // N, D, P, Q
        for (std::string tag; in >> tag;)
            sides.push_back(fromCoefficients(in, tag != "P" && tag != "Q" && cases % 2));
        ASSERT_EQ(sides.size(), 4U) << line;
        const Rational_Expression start(Polynomial_XL({sides[0]}), Polynomial_XL({sides[1]}));
        const auto end = testing::runPipeline(start, 6, [&](const ExpressionPair& pair) {
            EXPECT_TRUE(sameValue(pair[0], start) && sameValue(pair[1], start)) << line;
        });
        ASSERT_FALSE(end.finalForms.empty()) << line;
        // What is left is SymPy's P/Q times one constant.
        const Rational_Expression& last = end.finalForms.back();
        const auto ratio = [&](const Fraction& x) {
            return valueAt(last.poly_N, x) / valueAt(Polynomial_XL({sides[2]}), x);
        };
        EXPECT_TRUE(sameValue(last, start) && ratio(kPoints[0]) == ratio(kPoints[1]) &&
                    ratio(kPoints[1]) == ratio(kPoints[2]))
            << line;
    }
    EXPECT_GE(cases, 40);
}

TEST(RationalExpression, WorkedExamples) {
    const Color red = Color::red, blue = Color::blue;
    // 6x²/(4x): 6x² red over 4x blue, then 2x·(3x) over 2x·(2).
    const auto six = Rational_Expression(Polynomial_XL({{term(6, 2)}}), Polynomial_XL({{term(4, 1)}}))
                         .highlightingCommonFactors();
    ASSERT_TRUE(six.has_value());
    EXPECT_TRUE(identical((*six)[0].poly_N.terms[0], {term(6, 2).recolored(red)}));
    EXPECT_TRUE(identical((*six)[1].poly_N.terms,
                          {{term(3, 1).recolored(red)}, {term(2, 1, {Factor(0, 1)}).recolored(red)}}));
    EXPECT_TRUE(identical((*six)[1].poly_D.terms,
                          {{term(2, 0).recolored(blue)}, {term(2, 1, {Factor(0, 1)}).recolored(blue)}}));

    // 2(x + 1)/2(x − 1): the coefficients 2 cancel, leaving 1·(x + 1)/1·(x − 1).
    const Rational_Expression twice(Polynomial_XL({{term(1, 1), term(1, 0)}, {term(2, 0, {Factor(0, 1)})}}),
                                    Polynomial_XL({{term(1, 1), term(-1, 0)}, {term(2, 0, {Factor(0, 1)})}}));
    const auto cancelled = twice.cancelingCommonFactors();
    ASSERT_TRUE(cancelled.has_value());
    EXPECT_TRUE(identical((*cancelled)[0].poly_N.terms[1],
                          {Term_XL(Monomial(Rational(2, 1), 0).recolored(red), {Factor(0, 1)})}));
    EXPECT_TRUE(identical((*cancelled)[1].poly_N.terms[1], {term(1, 0, {Factor(0, 1)})}));
    EXPECT_TRUE(identical((*cancelled)[1].poly_D.terms[1], {term(1, 0, {Factor(0, 1)})}));

    // (x/2)/(−3): the sign moves up and the numerator keeps its denominator.
    const Rational_Expression half(Polynomial_XL({{Term_XL(Monomial(Rational(1, 2), 1))}}),
                                   Polynomial_XL({{term(-3, 0)}}));
    const auto forms = half.finalForms();
    ASSERT_TRUE(forms && forms->size() == 2);
    EXPECT_TRUE(identical((*forms)[1].poly_N.terms[0][0].monomial.coefficient, Rational(-1, 2)));
}

}  // namespace
}  // namespace radixmender
