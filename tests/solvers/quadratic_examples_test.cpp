// The quadratic solvers' worked examples pinned whole (every line with its
// colours, every comment, in order), the written value of a root in every
// shape it takes, and the equations the solvers refuse or see through.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "solvers/quadratic_solvers.hpp"
#include "solvers/solution_record.hpp"
#include "tests/support/line_value.hpp"
#include "tests/support/record_check.hpp"
#include "tests/support/worked_steps.hpp"

namespace radixmender {
namespace {

using testing::describeRecord;
using testing::describeSteps;

const Quadratic_method kFactor = Quadratic_method::factor, kFormula = Quadratic_method::formula,
                       kSquare = Quadratic_method::complete_the_square;

// n/d·x^e for each {n, d, e}; no terms is the side 0.
Polynomial side(std::initializer_list<std::array<std::int64_t, 3>> terms) {
    std::vector<Monomial> monomials;
    for (const auto& [n, d, e] : terms) monomials.emplace_back(Rational(n, d), static_cast<std::uint64_t>(e));
    if (monomials.empty()) monomials.emplace_back(Rational(0, 1), 0);
    return Polynomial(std::move(monomials));
}

TEST(QuadraticExamples, PinnedWhole) {
    const struct {
        Quadratic_method method;
        PolyEquation equation;
        std::string steps;
    } examples[] = {
        // a, b and c red, blue and gray wherever they stand; the general formula black.
        {kFormula, {side({{1, 1, 2}, {-5, 1, 1}, {6, 1, 0}}), side({}), Relation::equal_to}, R"-([🤔]
((("x²" − ("5" 🖇 "x")) + "6") = "0")
[substitute in formula and solve]
((("x²" −{blue} ("5"{blue} 🖇 "x")) +{gray} "6"{gray}) = "0")
BLANK
BLANK
"for  ax² + bx + c = 0 ,  a ≠ 0"
("x" = (("-b" ± √("b² − 4ac")) / "2a"))
BLANK
BLANK
BLANK
(((("a"{red} ={red} "1"{red}) 🖇 (" , b"{blue} ={blue} "-5"{blue})) 🖇 " and ") 🖇 ("c"{gray} ={gray} "6"{gray}))
("x" = ((-(()("-5"{blue})) ± √(((()("-5"{blue}) ^ "2") − (("4" 🖇 ()("1"{red})) 🖇 ()("6"{gray}))))) / ("2" 🖇 ()("1"{red}))))
BLANK
BLANK
BLANK
(((("x = " 🖇 "2") 🖇 " or ") 🖇 "x = ") 🖇 "3")
"from calculator"
[😎]
((("x²" − ("5" 🖇 "x")) + "6") = "0")
BLANK
BLANK
(((("x = " 🖇 "2") 🖇 " or ") 🖇 "x = ") 🖇 "3")
"distinct rational solutions"
)-"},
        // The factor of the root with the smaller |p| first; the first " or " red.
        {kFactor, {side({{1, 1, 2}, {1, 1, 1}, {-6, 1, 0}}), side({}), Relation::equal_to}, R"-([🤔]
((("x²" + "x") − "6") = "0")
[complete the factorization] …1
((("" 🖇 ()(("x" − "2"))) 🖇 ()(("x" + "3"))) = "0")
[zero-product rule] …2
BLANK
BLANK
(((("x"{red} −{red} "2"{red}) ={red} "0"{red}) 🖇 " or "{red}) 🖇 (("x"{red} +{red} "3"{red}) ={red} "0"{red}))
((("x" = "2") 🖇 " or ") 🖇 ("x" = "-3"))
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-3") 🖇 " or ") 🖇 "x = ") 🖇 "2")
"distinct rational solutions"
"(number line order)"
)-"},
        // The common factor red where it is taken out, black once settled.
        {kFactor, {side({{2, 1, 2}, {4, 1, 1}, {-6, 1, 0}}), side({}), Relation::equal_to}, R"-([🤔]
(((("2" 🖇 "x²") + ("4" 🖇 "x")) − "6") = "0")
[simplify the equation]
(((("2"{red} 🖇 "x²") +{red} ("4"{red} 🖇 "x")) −{red} "6"{red}) = "0")
(("2"{red} 🖇 ()((("x²" + ("2" 🖇 "x")) − "3"))) = "0")
((("x²" + ("2" 🖇 "x")) − "3") = "0")
"
2 is greatest common divisor

factor out  2
divide both sides by  2"
[complete the factorization]
(((("2" 🖇 "x²") + ("4" 🖇 "x")) − "6") = "0")
(("2" 🖇 ()((("x²" + ("2" 🖇 "x")) − "3"))) = "0")
((("x²" + ("2" 🖇 "x")) − "3") = "0")
((("" 🖇 ()(("x" − "1"))) 🖇 ()(("x" + "3"))) = "0")
[zero-product rule] …4
BLANK
BLANK
(((("x"{red} −{red} "1"{red}) ={red} "0"{red}) 🖇 " or "{red}) 🖇 (("x"{red} +{red} "3"{red}) ={red} "0"{red}))
((("x" = "1") 🖇 " or ") 🖇 ("x" = "-3"))
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-3") 🖇 " or ") 🖇 "x = ") 🖇 "1")
"distinct rational solutions"
"(number line order)"
)-"},
        // The constant red as it moves, b and its half red, the added square blue.
        {kSquare, {side({{1, 1, 2}, {6, 1, 1}, {5, 1, 0}}), side({}), Relation::equal_to}, R"-([🤔]
((("x²" + ("6" 🖇 "x")) + "5") = "0")
[constant term to right hand side]
((("x²" + ("6" 🖇 "x")) +{red} "5"{red}) = "0")
(("x²" + ("6" 🖇 "x")) = "-5"{red})
BLANK
[complete the square]
((("x²" + ("6" 🖇 "x")) + "5") = "0")
(("x²" +{red} ("6"{red} 🖇 "x")) = "-5")
((("x²" + ("6" 🖇 "x")) +{blue} "9"{blue}) = ("-5" +{blue} "9"{blue}))
(("" 🖇 (()(("x" +{red} "3"{red})) ^ 2)) = "4")
((("halve x coefficient from "{red} 🖇 "6"{red}) 🖇 " to "{red}) 🖇 "3"{red})
(("square to "{blue} 🖇 "9"{blue}) 🖇 " , add to both sides"{blue})
"complete the square"
[square root and solve] …1
(("x²" + ("6" 🖇 "x")) = "-5")
((("x²" + ("6" 🖇 "x")) + "9") = ("-5" + "9"))
(("" 🖇 (()(("x" + "3")) ^ 2)) = "4")
(("x"{red} +{red} "3"{red}) ={red} ±{red}(√{red}("4"{red})))
("x" = ("-3" ± "2"))
(((("x = " 🖇 "-5") 🖇 " or ") 🖇 "x = ") 🖇 "-1")
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-5") 🖇 " or ") 🖇 "x = ") 🖇 "-1")
"distinct rational solutions"
)-"},
        // Sides exchanged, the leading 2 divided out (red), x² = 4 settled without completing.
        {kSquare, {side({{2, 1, 2}}), side({{8, 1, 0}}), Relation::equal_to}, R"-([🤔]
(("2" 🖇 "x²") = "8")
[descending powers of x] …1
((("2" 🖇 "x²") − "8") = "0")
"left hand side for convenience"
[divide by coefficient of x²] …1
((("2"{red} 🖇 "x²") − "8") = "0")
(([+1/2]{red,red,red,red} 🖇 ()((("2" 🖇 "x²") − "8"))) = ([+1/2]{red,red,red,red} 🖇 ()("0")))
(("x²" − "4") = "0")
("divide both sides by  "{red} 🖇 "2"{red})
("or multiply by  "{red} 🖇 [+1/2]{red,red,red,red})
[constant term to right hand side] …1
((("2" 🖇 "x²") − "8") = "0")
(([+1/2] 🖇 ()((("2" 🖇 "x²") − "8"))) = ([+1/2] 🖇 ()("0")))
(("x²" −{red} "4"{red}) = "0")
("x²" = "4"{red})
BLANK
[square root and solve] …3
(("x²" − "4") = "0")
("x²" = "4")
("x"{red} ={red} ±{red}(√{red}("4"{red})))
(((("x = " 🖇 "-2") 🖇 " or ") 🖇 "x = ") 🖇 "2")
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-2") 🖇 " or ") 🖇 "x = ") 🖇 "2")
"distinct rational solutions"
)-"},
    };
    for (const auto& x : examples)
        EXPECT_EQ(describeSteps(solveQuadratic(x.equation, x.method, {.colored = true})), x.steps);
}

// Every row of both tables of written values: the shape, the exact value, and
// the decimal as C's printf writes it.
TEST(QuadraticExamples, WrittenValuesOfRoots) {
    const struct {
        std::int64_t an, ad, bn, bd, c;
        const char *fraction, *rationalFraction;
    } rows[] = {
        {3, 2, 0, 1, 0, "[+3/2]", R"(("3" / "2"))"},
        {2, 1, 1, 1, 3, R"(("2" + √("3")))", R"(("2" + √("3")))"},
        {2, 1, -1, 1, 3, R"(("2" − √("3")))", R"(("2" − √("3")))"},
        {-1, 2, 1, 2, 5, R"(([-1/2] + ([+1/2] 🖇 √("5"))))", R"((("-1" + √("5")) / "2"))"},
        {2, 1, -3, 2, 5, R"(("2" − ([+3/2] 🖇 √("5"))))", R"((("4" − ("3" 🖇 √("5"))) / "2"))"},
        {1, 2, -1, 2, 5, R"(([+1/2] − ([+1/2] 🖇 √("5"))))", R"((("1" − √("5")) / "2"))"},
        {0, 1, 1, 1, 2, R"(√("2"))", R"(√("2"))"},
        {0, 1, -1, 1, 7, R"(-(√("7")))", R"(-(√("7")))"},
        {0, 1, -1, 3, 7, R"(([-1/3] 🖇 √("7")))", R"((-(√("7")) / "3"))"},
        {0, 1, 2, 3, 5, R"(([+2/3] 🖇 √("5")))", R"((("2" 🖇 √("5")) / "3"))"},
        {0, 1, 0, 1, 0, R"("0")", R"("0")"},
    };
    for (const auto& r : rows) {
        const Quadratic_solution s{Rational(r.an, r.ad), Rational(r.bn, r.bd), r.c};
        const testing::SurdValue value =
            testing::SurdValue(testing::Fraction(r.an, r.ad)) +
            testing::SurdValue(testing::Fraction(r.bn, r.bd)) * testing::SurdValue::root(r.c);
        char decimal[40];
        std::snprintf(decimal, sizeof decimal, "\"%.8g\"",
                      double(r.an) / double(r.ad) + double(r.bn) / double(r.bd) * std::sqrt(double(r.c)));
        EXPECT_EQ(describeRecord(record(s)), r.fraction);
        EXPECT_EQ(describeRecord(record(s, Style::rational_fraction)), r.rationalFraction);
        EXPECT_EQ(describeRecord(record(s, Style::decimal)), decimal);
        for (const Style style : {Style::fraction, Style::rational_fraction})
            EXPECT_EQ(testing::evaluateAlgebraLine(record(s, style), 0).left, value) << r.fraction;
    }
}

// A second letter is refused before anything cancels, whatever the options:
// x² − 1 = w² is no equation in x alone, nor is x² + w = x² + 3.
TEST(QuadraticExamples, SecondLetterRefused) {
    PolyEquation squares(side({{1, 1, 2}, {-1, 1, 0}}), side({{1, 1, 2}}), Relation::equal_to),
        linear(side({{1, 1, 2}, {1, 1, 1}}), side({{1, 1, 2}, {3, 1, 0}}), Relation::equal_to);
    squares.RHS.terms[0].variable = linear.LHS.terms[1].variable = "w";
    for (const PolyEquation& e : {squares, linear})
        for (const Quadratic_method m : {kFactor, kFormula, kSquare})
            for (int o = 0; o < 12; ++o) {
                const SolverResult r = solveQuadratic(
                    e, m,
                    {.colored = o % 2 == 1, .continued = o % 4 > 1, .style = static_cast<Style>(o % 3)});
                EXPECT_EQ(r.comments, Comments{{"oops"}});
                EXPECT_EQ(describeRecord(r.steps.at(0).at(3)), R"("not a quadratic equation")");
            }
}

// Cubes that cancel across the sides leave the quadratic they hide:
// x² + x³ = x³ + 4 is x² − 4 = 0; a cube that does not cancel is refused.
TEST(QuadraticExamples, CubesThatCancel) {
    const PolyEquation hidden(side({{1, 1, 2}, {1, 1, 3}}), side({{1, 1, 3}, {4, 1, 0}}), Relation::equal_to),
        cubic(side({{2, 1, 3}, {1, 1, 2}}), side({{1, 1, 3}, {4, 1, 0}}), Relation::equal_to);
    for (const Quadratic_method m : {kFactor, kFormula, kSquare}) {
        const SolverResult r = solveQuadratic(hidden, m);
        EXPECT_EQ(r.comments.at(1).at(0), "descending powers of x");
        EXPECT_EQ(describeRecord(r.steps.at(1).at(1)), R"((("x²" − "4") = "0"))");
        EXPECT_EQ(describeRecord(r.steps.back().at(3)),
                  R"((((("x = " 🖇 "-2") 🖇 " or ") 🖇 "x = ") 🖇 "2"))");
        EXPECT_EQ(solveQuadratic(cubic, m).comments, Comments{{"oops"}});
    }
}

}  // namespace
}  // namespace radixmender
