// The solvers' shared equation records: an equation written alike shares the
// record written before, and any difference the record would show (a stored
// numerator, a colour, the relation) writes a new one.
#include "solvers/equation_lines.hpp"

#include <gtest/gtest.h>

#include "algebra/algebra_records.hpp"

namespace radixmender {
namespace {

PolyEquation equation(Rational a, Color variableColor = Color::black, Relation relation = Relation::equal_to,
                      Color relationColor = Color::black) {
    return {Polynomial({Monomial(a, 1, "x", variableColor), Monomial(Rational(3, 1), 0)}),
            Polynomial({Monomial(Rational(7, 1), 0)}), relation, relationColor};
}

TEST(EquationLines, RestatedEquationsShareTheirRecord) {
    const PolyEquation base = equation(Rational(1, 2));
    const PolyEquation different[] = {
        equation(Rational(2, 4)),  // equal in value, written otherwise
        equation(Rational(1, 2, Color::red, Color::black, Color::black)),
        equation(Rational(1, 2), Color::blue),
        equation(Rational(1, 2), Color::black, Relation::less_than),
        equation(Rational(1, 2), Color::black, Relation::equal_to, Color::red),
        {base.RHS, base.LHS, base.relation},
    };
    for (const Style style : {Style::fraction, Style::decimal}) {
        EquationLines<PolyEquation> lines(style);
        const Record first = lines(base);
        EXPECT_EQ(first, record(base, style));
        for (const PolyEquation& other : different) {
            EXPECT_FALSE(writtenAlike(base, other));
            EXPECT_EQ(lines(other), record(other, style));
        }
        // Past the few it remembers, an equation is written again, alike.
        EXPECT_EQ(lines(equation(Rational(1, 2))), first);
        // One record, not two equal ones.
        EquationLines<PolyEquation> fresh(style);
        const Record kept = fresh(base), shared = fresh(equation(Rational(1, 2)));
        EXPECT_EQ(shared.data(), kept.data());
    }
}

// With parentheses, the lists and what carries them count as well.
TEST(EquationLines, ParenthesesAreWrittenAlikeOnlyWhenTheyAre) {
    const Monomial x(Rational(1, 1), 1), two(Rational(2, 1), 0);
    const auto side = [&](bool carried, Color parenthesis) {
        return Ext_polynomial({{Term(x, {false, 0})}, {Term(two, {carried, 0}, parenthesis)}});
    };
    const Ext_polyEquation base(side(true, Color::black), Ext_polynomial({{Term(two, {false, 0})}}),
                                Relation::equal_to);
    Ext_polyEquation other = base;
    EXPECT_TRUE(writtenAlike(base, other));
    other.LHS = side(true, Color::red);
    EXPECT_FALSE(writtenAlike(base, other));
    other.LHS = side(false, Color::black);
    EXPECT_FALSE(writtenAlike(base, other));
    EquationLines<Ext_polyEquation> lines(Style::fraction);
    const Record first = lines(base), again = lines(Ext_polyEquation(base));
    EXPECT_EQ(first.data(), again.data());
    EXPECT_EQ(lines(other), record(other, Style::fraction));
}

}  // namespace
}  // namespace radixmender
