// The shared model shapes: they build records by moving rows, so they must give
// exactly the records the writers give; and the sign rules every model leans on.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "models/shapes.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

namespace sh = shapes;
using testing::describeRecord;

TEST(ModelShapes, MovedRowsGiveTheWritersRecords) {
    // Operands of several depths on both sides, so that moved locators are checked.
    const Record deep =
        makeJoinRecord(text::kSlash, makeUnaryRecord(text::kRadical, makeIntegerRecord(8, Color::red)),
                       makeJoinRecord(text::kDot, makeIntegerRecord(-3), makeRationalRecord(3, 4)));
    const Record leaves[] = {makeIntegerRecord(7), makeRationalRecord(1, 2), makeMessageRecord("x"), deep};
    for (const Record& left : leaves) {
        for (const Record& right : leaves) {
            EXPECT_EQ(sh::join(text::kMinusSign, left, right, Color::blue),
                      makeJoinRecord(text::kMinusSign, left, right, Color::blue));
        }
        EXPECT_EQ(sh::unary(text::kParens, left, Color::red),
                  makeUnaryRecord(text::kParens, left, Color::red));
    }
    EXPECT_EQ(sh::integer(-12, Color::green), makeIntegerRecord(-12, Color::green));
    EXPECT_EQ(sh::equalsLine(deep, Color::clear), makeEqualsRecord(deep, Color::clear));
    EXPECT_TRUE(testing::IsValidRecord(sh::join(text::kEquals, deep, sh::term(-1, 3))));
}

TEST(ModelShapes, CoefficientsAndSignsAreDrawnByTheRules) {
    const struct {
        Record shape;
        const char* drawn;
    } cases[] = {
        {sh::term(1, 5), "√(5)"},
        {sh::term(-1, 5), "-(√(5))"},
        {sh::term(-4, 5), "(-4 🖇 √(5))"},
        {sh::term(3, 5, Color::red), "(3{red} 🖇 √{red}(5{red}))"},
        {sh::magnitudeTerm(1, 2), "√(2)"},
        {sh::sum(sh::integer(1), sh::magnitudeTerm(2, 3), -2), "(1 − (2 🖇 √(3)))"},
        {sh::sum(sh::term(-1, 2), sh::integer(3), 0), "(-(√(2)) + 3)"},
        {sh::over(sh::radical(2), 1), "√(2)"},
        {sh::over(sh::radical(2), 4), "(√(2) / 4)"},
        {sh::multiple(1, sh::radical(2)), "√(2)"},
        {sh::multiple(-1, sh::radical(2)), "-(()(√(2)))"},
        {sh::multiple(-3, sh::radical(2)), "(()(-3) 🖇 ()(√(2)))"},
        {sh::multiple(3, sh::radical(2)), "(3 🖇 ()(√(2)))"},
        {sh::reducedQuotient(-6, -3), "2"},
        {sh::reducedQuotient(6, -4), "-([3/2])"},
        {sh::reducedQuotient(-4, 6), "-([2/3])"},
        {sh::reducedQuotient(5, 10), "[1/2]"},
        {sh::problemLine(sh::integer(1), sh::integer(2), "application"), "= {clear}((1 / 2))"},
        {sh::problemLine(sh::integer(1), sh::integer(2), "Application"), "= ((1 / 2))"},
    };
    for (const auto& c : cases) EXPECT_EQ(describeRecord(c.shape), c.drawn);
    EXPECT_EQ(sh::signedGcd(4, 6, 1), 2);
    EXPECT_EQ(sh::signedGcd(4, 6, 0), -2);
    EXPECT_EQ(sh::signedGcd(-4, 6, -1), -2);
    EXPECT_THROW(sh::reducedQuotient(std::numeric_limits<std::int64_t>::min(), 3), std::overflow_error);
    EXPECT_THROW(sh::reducedQuotient(3, 0), std::domain_error);
}

}  // namespace
}  // namespace radixmender
