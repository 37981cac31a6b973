// Which colour of an algebra value colours which item of its record: every
// colour field of the values written is given a colour of its own, thirteen
// times over with the colours rotated (tests/support/colour_slots.hpp). The
// rationals run through the whole table of values and styles; the monomials
// through every branch of sign, unit coefficient and denominator; sums,
// factored terms and equations through their joins, parentheses and powers.
// Then the recolouring of values, slot by slot.
#include "tests/support/colour_slots.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "algebra/algebra_records.hpp"
#include "algebra/box_grid.hpp"
#include "algebra/rational_expression.hpp"
#include "tests/support/algebra_check.hpp"

namespace radixmender {
namespace {

using testing::Colours;
using testing::expectColourSlots;
using C = const Colours&;
using Lists = std::vector<std::vector<Term_XL>>;

// A coefficient in colours $1 (numerator), $2 (denominator), $3 (bar) and a
// variable in $4; `from` moves them to $(from + 1) on.
Rational coefficient(std::int64_t n, std::int64_t d, C c, std::size_t from = 0) {
    return Rational(n, d, c[from], c[from + 1], c[from + 2]);
}
Monomial mono(std::int64_t n, std::int64_t d, std::uint64_t e, C c, std::size_t from = 0) {
    return Monomial(coefficient(n, d, c, from), e, "x", c[from + 3]);
}

// {numerator, denominator, always a fraction, decimal, rational_fraction, fraction}
TEST(AlgebraColourSlots, RationalsInEveryStyle) {
    const std::vector<std::tuple<std::int64_t, std::int64_t, bool, const char*, const char*, const char*>>
        table = {
            {3, 1, false, "\"3\"{$1}", "\"3\"{$1}", "\"3\"{$1}"},
            {3, 1, true, "\"3\"{$1}", "(\"3\"{$1} /{$3} \"1\"{$2})", "[+3/1]{$1,$1,$2,$3}"},
            {-1, 2, false, "\"-0.5\"{$1}", "(\"-1\"{$1} /{$3} \"2\"{$2})", "[-1/2]{$1,$1,$2,$3}"},
            {0, 1, false, "\"0\"{$1}", "\"0\"{$1}", "\"0\"{$1}"},
            {1, 3, false, "\"0.33333333\"{$1}", "(\"1\"{$1} /{$3} \"3\"{$2})", "[+1/3]{$1,$1,$2,$3}"},
            {5, -10, false, "\"-0.5\"{$1}", "(\"5\"{$1} /{$3} \"-10\"{$2})", "[-5/10]{$1,$1,$2,$3}"},
        };
    std::vector<std::pair<testing::ColouredWriter, std::string>> cases;
    for (const auto& [n, d, always, decimal, rationalFraction, fraction] : table) {
        const std::pair<Style, const char*> styles[] = {{Style::decimal, decimal},
                                                        {Style::rational_fraction, rationalFraction},
                                                        {Style::fraction, fraction}};
        for (const auto& [style, pattern] : styles)
            cases.emplace_back([=](C c) { return record(coefficient(n, d, c), always, style); }, pattern);
    }
    expectColourSlots(cases);
}

TEST(AlgebraColourSlots, Monomials) {
    // clang-format off
    expectColourSlots({
        // fraction: a unit coefficient (2/2 too) is not written, −1 as "-" in the numerator's colour.
        {[](C c) { return record(mono(1, 1, 1, c), Style::fraction); }, "\"x\"{$4}"},
        {[](C c) { return record(mono(2, 2, 1, c), Style::fraction); }, "\"x\"{$4}"},
        {[](C c) { return record(mono(-1, 1, 1, c), Style::fraction); }, "(\"-\"{$1} 🖇 \"x\"{$4})"},
        {[](C c) { return record(mono(3, 1, 2, c), Style::fraction); }, "(\"3\"{$1} 🖇 \"x²\"{$4})"},
        {[](C c) { return record(mono(1, 2, 1, c), Style::fraction); }, "([+1/2]{$1,$1,$2,$3} 🖇 \"x\"{$4})"},
        {[](C c) { return record(mono(-1, 2, 0, c), Style::fraction); }, "[-1/2]{$1,$1,$2,$3}"},
        // rational_fraction: the variable part over the denominator.
        {[](C c) { return record(mono(-1, 2, 1, c), Style::rational_fraction); },
         "((\"-\"{$1} 🖇 \"x\"{$4}) /{$3} \"2\"{$2})"},
        {[](C c) { return record(mono(3, 1, 3, c), Style::rational_fraction); }, "(\"3\"{$1} 🖇 \"x³\"{$4})"},
        {[](C c) { return record(mono(1, 1, 1, c), Style::rational_fraction); }, "(\"\"{$1} 🖇 \"x\"{$4})"},
        {[](C c) { return record(mono(5, 4, 0, c), Style::rational_fraction); }, "(\"5\"{$1} /{$3} \"4\"{$2})"},
        // decimal: the quotient in the numerator's colour.
        {[](C c) { return record(mono(1, 2, 1, c), Style::decimal); }, "(\"0.5\"{$1} 🖇 \"x\"{$4})"},
        {[](C c) { return record(mono(-2, 2, 1, c), Style::decimal); }, "(\"-\"{$1} 🖇 \"x\"{$4})"},
        {[](C c) { return record(mono(3, 4, 0, c), Style::decimal); }, "\"0.75\"{$1}"},
        // The display pieces: sign and magnitude in the numerator's colour,
        // variable and exponent in the variable's, the bar in the numerator's.
        {[](C c) { return displayRecord(mono(-3, 4, 2, c), Style::rational_fraction); },
         "((((\"-\"{$1} 🖇 \"3\"{$1}) 🖇 \"x\"{$4}) 🖇 \"²\"{$4}) /{$1} \"4\"{$2})"},
        {[](C c) { return displayRecord(mono(-1, 2, 1, c), Style::rational_fraction); },
         "((\"-\"{$1} 🖇 \"x\"{$4}) /{$1} \"2\"{$2})"},
        {[](C c) { return displayRecord(mono(1, 1, 1, c), Style::rational_fraction); }, "\"x\"{$4}"},
        {[](C c) { return displayRecord(mono(-5, 1, 0, c), Style::rational_fraction); }, "(\"-\"{$1} 🖇 \"5\"{$1})"},
        {[](C c) { return displayRecord(mono(-1, 1, 1, c), Style::fraction); }, "(\"-\"{$1} 🖇 \"x\"{$4})"},
        // Box grid cells take the caller's colours in order, none of the terms'.
        {[](C c) { return makeBoxGridRecord({mono(2, 1, 1, c), mono(-3, 1, 0, c, 4)}, {c[8], c[9], c[10]}, "t"); },
         "box_grid(4){$9,$10,$11}#t"},
    });
    // clang-format on
}

// x + 1 in black: the factor list of the products below.
const std::vector<Term_XL> kXPlusOne = {Term_XL(Monomial(Rational(1, 1), 1)),
                                        Term_XL(Monomial(Rational(1, 1), 0))};

TEST(AlgebraColourSlots, SumsProductsAndEquations) {
    // 2x − 3 + x²: each term after the first joined in its numerator's colour.
    const auto sum = [](C c) {
        return Polynomial({mono(2, 1, 1, c), mono(-3, 1, 0, c, 4), mono(1, 1, 2, c, 8)});
    };
    const char* sumPattern = "(((\"2\"{$1} 🖇 \"x\"{$4}) −{$5} \"3\"{$5}) +{$9} \"x²\"{$12})";
    const auto single = [](const Monomial& m) { return Polynomial_XL(Lists{{Term_XL(m)}}); };
    // k·(x + 1)^e with the parentheses in $5 and the exponent in $6 after a
    // coefficient in $1 to $4.
    const auto product = [](C c, std::int64_t n, std::int64_t d, std::uint64_t e) {
        return Polynomial_XL(Lists{kXPlusOne, {Term_XL(mono(n, d, 0, c), {Factor(0, e, c[4], c[5])})}});
    };
    // 6·(2x) = 6·(7): the factor in $12; the relation, coloured $13, is drawn black.
    const auto clearing = [](C c) {
        const PolyEquation e(Polynomial({mono(2, 1, 1, c)}), Polynomial({mono(7, 1, 0, c, 4)}),
                             Relation::equal_to, c[12]);
        return PolyEquation::PolyEquationClear(6, e, c[11]);
    };
    // clang-format off
    expectColourSlots({
        {[&](C c) { return record(sum(c), Style::fraction); }, sumPattern},
        {[&](C c) { return item(Polynomial_XL(Lists{{Term_XL(mono(2, 1, 1, c)), Term_XL(mono(-3, 1, 0, c, 4)),
                                                     Term_XL(mono(1, 1, 2, c, 8))}}), Style::fraction); },
         sumPattern},
        {[&](C c) { return item(product(c, 3, 1, 2), Style::fraction); },
         "(\"3\"{$1} 🖇 (\"\" 🖇 ((){$5}((\"x\" + \"1\")) ^ 2{$6})))"},
        {[&](C c) { return item(product(c, -1, 1, 1), Style::fraction); },
         "(\"-\"{$1} 🖇 (\"\" 🖇 (){$5}((\"x\" + \"1\"))))"},
        // A unit coefficient after the first term leaves the product alone,
        // joined by the sign in its numerator's colour.
        {[&](C c) {
             Polynomial_XL p = product(c, 2, 1, 1);
             p.terms[1].push_back(Term_XL(mono(-1, 1, 0, c, 6), {Factor(0, 1, c[10], c[11])}));
             return item(p, Style::fraction); },
         "((\"2\"{$1} 🖇 (\"\" 🖇 (){$5}((\"x\" + \"1\")))) −{$7} (\"\" 🖇 (){$11}((\"x\" + \"1\"))))"},
        // rational_fraction and decimal: the numerator part, the product, then
        // the denominator in its colour under a bar in the bar's colour.
        {[&](C c) { return item(product(c, -3, 4, 1), Style::rational_fraction); },
         "(((\"-\"{$1} 🖇 \"3\"{$1}) 🖇 (\"\" 🖇 (){$5}(((\"\" 🖇 \"x\") + \"1\")))) /{$3} \"4\"{$2})"},
        {[&](C c) { return item(product(c, 3, 4, 2), Style::decimal); },
         "((\"3\"{$1} 🖇 (\"\" 🖇 ((){$5}(((\"\" 🖇 \"x\") + \"1\")) ^ 2{$6}))) /{$3} \"4\"{$2})"},
        {[&](C c) { return item(product(c, -1, 1, 1), Style::rational_fraction); },
         "(\"-\"{$1} 🖇 (\"\" 🖇 (){$5}(((\"\" 🖇 \"x\") + \"1\"))))"},
        // A lone unit factor stands without its parentheses.
        {[&](C c) { return item(product(c, 1, 2, 1), Style::rational_fraction); },
         "(((\"\" 🖇 \"x\") + \"1\") /{$3} \"2\"{$2})"},
        // The relation in its colour; clearing writes the factor in its colour and
        // the sides' terms in theirs, its parentheses and relation black.
        {[&](C c) { return record(Polynomial_Equation_XL(product(c, 3, 1, 2), single(mono(5, 1, 0, c, 6)),
                                                         Relation::less_than, c[10]), Style::fraction); },
         "((\"3\"{$1} 🖇 (\"\" 🖇 ((){$5}((\"x\" + \"1\")) ^ 2{$6}))) <{$11} \"5\"{$7})"},
        {[&](C c) { return record(PolyEquation(sum(c), Polynomial({mono(7, 1, 0, c, 4)}),
                                               Relation::greater_than_or_equal_to, c[12]), Style::fraction); },
         std::string("(") + sumPattern + " ≥{$13} \"7\"{$5})"},
        {[&](C c) { return record(clearing(c), Style::fraction); },
         "((\"6\"{$12} 🖇 ()((\"2\"{$1} 🖇 \"x\"{$4}))) = (\"6\"{$12} 🖇 ()(\"7\"{$5})))"},
        // A quotient's bar in its own colour.
        {[&](C c) {
             return Rational_Expression(single(mono(2, 1, 1, c)), single(mono(3, 1, 0, c, 4)), c[8]).record(true); },
         "((\"2\"{$1} 🖇 \"x\"{$4}) /{$9} \"3\"{$5})"},
    });
    // clang-format on
}

// Each recolouring sets every colour slot it names and keeps the others.
TEST(AlgebraColourSlots, Recolouring) {
    using testing::identical;
    using enum Color;
    const Rational q(3, 4, red, blue, green);
    const Monomial m(q, 2, "y", cyan);
    const Factor f(0, 2, brown, magenta);
    const Term_XL t(m, {f, Factor(0, 1, white, clear)});
    const Polynomial_XL p(Lists{{Term_XL(m)}, {t}});
    const Rational_Expression e(p, p, light_gray);

    const Rational gq(3, 4, gray, gray, gray);
    const Monomial gm(gq, 2, "y", gray);
    const Term_XL gt(gm, {Factor(0, 2, gray, gray), Factor(0, 1, gray, gray)});
    const Polynomial_XL gp(Lists{{Term_XL(gm)}, {gt}});
    EXPECT_TRUE(identical(q.recolored(gray), gq));
    EXPECT_TRUE(identical(m.recolored(gray), gm));
    EXPECT_TRUE(identical(f.recolored(gray), Factor(0, 2, gray, gray)));
    EXPECT_TRUE(identical(t.recolored(gray), gt));
    EXPECT_TRUE(identical(p.mapTerms(gray), gp) && identical(Polynomial_XL(p).mapTerms(gray), gp));
    Monomial inPlace = m;
    Term_XL termInPlace = t;
    recolor(inPlace, gray);
    recolor(termInPlace, gray);
    EXPECT_TRUE(identical(inPlace, gm) && identical(termInPlace, gt));
    // A quotient: both sides and the bar, or each side in its colour with the bar kept.
    const Polynomial_XL dp = p.mapTerms(dark_gray);
    const Rational_Expression all = e.recolored(gray), sides = e.recolored(gray, dark_gray);
    EXPECT_TRUE(identical(all.poly_N, gp) && identical(all.poly_D, gp) && all.color == gray);
    EXPECT_TRUE(identical(Rational_Expression(e).recolored(gray).poly_D, gp) &&
                Rational_Expression(e).recolored(gray).color == gray);
    EXPECT_TRUE(identical(sides.poly_N, gp) && identical(sides.poly_D, dp) && sides.color == light_gray);
}

}  // namespace
}  // namespace radixmender
