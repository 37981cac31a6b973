// The line evaluator that every model sweep relies on: if it is wrong, the
// sweeps prove nothing, so it is checked against hand-built records here.
#include <gtest/gtest.h>

#include "models/shapes.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "tests/support/line_value.hpp"

namespace radixmender {
namespace {

using testing::CanonicalAnswer;
using testing::decodeCanonicalAnswer;
using testing::evaluateLine;
using testing::Fraction;
using testing::LineValueError;
using testing::SurdValue;
namespace sh = shapes;

SurdValue root(std::int64_t n) { return SurdValue::root(n); }
SurdValue q(std::int64_t n, std::int64_t d) { return SurdValue(Fraction(n, d)); }

TEST(SurdValue, ArithmeticIsExact) {
    EXPECT_EQ(root(12), SurdValue(2) * root(3));
    EXPECT_EQ(root(2) * root(6), SurdValue(2) * root(3));
    EXPECT_EQ(root(3) * root(3), SurdValue(3));
    EXPECT_EQ(SurdValue(1) / root(2), q(1, 2) * root(2));
    EXPECT_EQ(SurdValue::root(q(3, 4)), q(1, 2) * root(3));
    // A two-radicand denominator is cleared by conjugates: 1/(√3 + √2) = √3 − √2.
    EXPECT_EQ(SurdValue(1) / (root(3) + root(2)), root(3) - root(2));
    EXPECT_EQ(SurdValue(1) / (SurdValue(1) + root(2) + root(3)),
              (SurdValue(2) + root(2) - root(6)) / SurdValue(4));
    EXPECT_EQ(testing::power(root(5), 2), SurdValue(5));
    EXPECT_TRUE(root(0).isZero());
    EXPECT_TRUE((root(2) - root(2)).isZero());
    EXPECT_NEAR(static_cast<double>((SurdValue(3) * root(5) / SurdValue(10)).approximate()), 0.6708203932,
                1e-9);
    EXPECT_THROW(SurdValue(1) / (root(8) - SurdValue(2) * root(2)), LineValueError);
    EXPECT_THROW(SurdValue::root(-4), LineValueError);
}

TEST(LineValue, ReadsEveryKindThroughItsLocators) {
    // = 2√2/(3∙2) written with red parts and a bracketed square, as models draw it.
    const Record square =
        makeJoinRecord(text::kCaret, sh::bracket(sh::radical(3, Color::red)), sh::integer(2));
    const struct {
        Record line;
        SurdValue value;
    } cases[] = {
        {sh::equalsLine(sh::fraction(sh::term(2, 2), sh::dot(sh::integer(3), sh::integer(2)))),
         q(1, 3) * root(2)},
        {sh::equalsLine(sh::fraction(sh::radical(3), sh::dot(sh::integer(2), square))), q(1, 6) * root(3)},
        {sh::negation(makeRationalRecord(3, 4)), q(-3, 4)},
        {makeSignedRationalRecord(-6, 4), q(-3, 2)},
        {sh::sum(sh::term(-3, 2), sh::magnitudeTerm(3, 3), 1),
         SurdValue(-3) * root(2) + SurdValue(3) * root(3)},
        {sh::sum(sh::integer(1), sh::radical(2), -1), SurdValue(1) - root(2)},
        {sh::multiple(-3, sh::sum(sh::radical(2), sh::radical(3), -1)), SurdValue(-3) * (root(2) - root(3))},
        {makeJoinRecord(text::kEquals, sh::equalsLine(sh::fraction(sh::integer(6), sh::integer(4))),
                        sh::reducedQuotient(6, 4)),
         q(3, 2)},
    };
    for (const auto& c : cases) {
        const auto value = evaluateLine(c.line);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value) << value->toString();
    }
}

TEST(LineValue, MessagesHaveNoValueAndFaultsAreReported) {
    EXPECT_FALSE(evaluateLine(sh::continuation()).has_value());
    EXPECT_FALSE(evaluateLine(makeBlankRecords()[0]).has_value());
    // An "=" join whose sides differ, an unknown operator, and a locator pointing forward.
    EXPECT_THROW(evaluateLine(makeJoinRecord(text::kEquals, sh::integer(1), sh::integer(2))), LineValueError);
    EXPECT_THROW(evaluateLine(makeJoinRecord("%", sh::integer(1), sh::integer(2))), LineValueError);
    Record forward = sh::negation(sh::integer(1));
    forward[5][1] = "5";
    EXPECT_THROW(evaluateLine(forward), LineValueError);
    EXPECT_THROW(evaluateLine(sh::fraction(sh::integer(1), sh::integer(0))), LineValueError);
}

TEST(CanonicalAnswer, AcceptsReducedShapesOnly) {
    using Term = CanonicalAnswer::Term;
    const auto answer = [](const Record& x) { return decodeCanonicalAnswer(sh::equalsLine(x)); };
    EXPECT_EQ(answer(sh::over(sh::term(3, 5), 10)), (CanonicalAnswer{{Term{3, 5}}, 10}));
    EXPECT_EQ(answer(sh::term(-1, 3)), (CanonicalAnswer{{Term{-1, 3}}, 1}));
    EXPECT_EQ(answer(sh::integer(0)), (CanonicalAnswer{{}, 1}));
    EXPECT_EQ(answer(sh::negation(makeRationalRecord(3, 4))), (CanonicalAnswer{{Term{-3, 1}}, 4}));
    EXPECT_EQ(answer(sh::over(sh::sum(sh::integer(-1), sh::radical(3), 1), 4)),
              (CanonicalAnswer{{Term{-1, 1}, Term{1, 3}}, 4}));
    EXPECT_EQ(answer(sh::sum(sh::term(3, 3), sh::magnitudeTerm(3, 2), -1)),
              (CanonicalAnswer{{Term{3, 3}, Term{-3, 2}}, 1}));

    const Record rejected[] = {
        sh::over(sh::term(2, 3), 4),                   // common factor 2
        sh::sum(sh::integer(0), sh::radical(3), 1),    // a zero term drawn
        sh::over(sh::term(1, 8), 4),                   // square factor
        sh::fraction(sh::radical(3), sh::integer(1)),  // denominator 1 drawn
        sh::product(sh::integer(1), sh::radical(3)),   // coefficient 1 drawn
        sh::sum(sh::radical(2), sh::radical(2), 1),    // like radicals left apart
        sh::sum(sh::radical(2), sh::integer(-3), 1),   // second term not by magnitude
        makeRationalRecord(6, 4),                      // unreduced rational
        sh::fraction(sh::radical(3), sh::fraction(sh::integer(1), sh::integer(2))),
    };
    for (const Record& x : rejected) EXPECT_THROW(answer(x), LineValueError);
    EXPECT_THROW(decodeCanonicalAnswer(sh::radical(3)), LineValueError);  // no "= "
    const Record negatedProduct =
        sh::equalsLine(sh::over(sh::negation(sh::product(sh::integer(2), sh::radical(3))), 5));
    EXPECT_THROW(decodeCanonicalAnswer(negatedProduct), LineValueError);
    EXPECT_EQ(decodeCanonicalAnswer(negatedProduct, true), (CanonicalAnswer{{Term{-2, 3}}, 5}));
}

}  // namespace
}  // namespace radixmender
