// One worked example for each way the quadratic solvers and the linear core
// write a coefficient that is a fraction, negative, missing or in decimals:
// which sign is folded into the join before a term, which value goes in
// parentheses, how a root is written in each style, and which colour each
// highlight takes. Every step is pinned in full, as `describeSteps` writes it.
#include <gtest/gtest.h>

#include <string>

#include "solvers/factoring_steps.hpp"
#include "solvers/linear_core.hpp"
#include "solvers/parentheses_records.hpp"
#include "solvers/parentheses_stages.hpp"
#include "solvers/quadratic_solvers.hpp"
#include "tests/support/fixture_sides.hpp"
#include "tests/support/record_check.hpp"
#include "tests/support/worked_steps.hpp"

namespace radixmender {
namespace {

using testing::describeRecord;
using testing::describeSteps;

// "n/d:e ... | n/d:e ...": the terms of each side, as stored.
PolyEquation equation(const std::string& text, Relation relation = Relation::equal_to) {
    return toPolyEquation(testing::fixtures::extEquation(text, relation));
}

struct Example {
    const char* given;
    bool colored;
    Style style;
    const char* steps;
};

void expectPinned(Quadratic_method method, const Example& x) {
    EXPECT_EQ(
        describeSteps(solveQuadratic(equation(x.given), method, {.colored = x.colored, .style = x.style})),
        x.steps)
        << x.given;
}

constexpr Style kFraction = Style::fraction, kDecimal = Style::decimal;

// -b, b² and 4ac, 2a by the sign and shape of each coefficient; a, b and c in
// red, blue and gray wherever they stand, or all black.
TEST(DisplayBranches, Formula) {
    const Example examples[] = {
        // Simplified first; a positive fractional b is negated bare and squared in
        // parentheses, a negative c keeps its sign in its own colour.
        {"1/1:2 2/4:1 -3/6:0 | 0/1:0", true, kFraction, R"-([🤔]
((("x²" + ([+2/4] 🖇 "x")) − [+3/6]) = "0")
[simplify] …1
((("x²" + ([+1/2] 🖇 "x")) − [+1/2]) = "0")
[substitute in formula and solve] …1
((("x²" +{blue} ([+1/2]{blue,blue,blue,blue} 🖇 "x")) −{gray} [+1/2]{gray,gray,gray,gray}) = "0")
BLANK
BLANK
"for  ax² + bx + c = 0 ,  a ≠ 0"
("x" = (("-b" ± √("b² − 4ac")) / "2a"))
BLANK
BLANK
BLANK
(((("a"{red} ={red} "1"{red}) 🖇 (" , b"{blue} ={blue} [+1/2]{blue,blue,blue,blue})) 🖇 " and ") 🖇 ("c"{gray} ={gray} [-1/2]{gray,gray,gray,gray}))
("x" = ((-([+1/2]{blue,blue,blue,blue}) ± √(((()([+1/2]{blue,blue,blue,blue}) ^ "2") − (("4" 🖇 ()("1"{red})) 🖇 ()([-1/2]{gray,gray,gray,gray}))))) / ("2" 🖇 ()("1"{red}))))
BLANK
BLANK
BLANK
(((("x = " 🖇 "-1") 🖇 " or ") 🖇 "x = ") 🖇 [+1/2])
"from calculator"
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-1") 🖇 " or ") 🖇 "x = ") 🖇 [+1/2])
"distinct rational solutions"
)-"},
        // A negative fractional a in parentheses; a positive whole b bare in -b and
        // b²; no constant term, so c is a gray 0.
        {"-1/4:2 1/1:1 | 0/1:0", true, kFraction, R"-([🤔]
((([-1/4] 🖇 "x²") + "x") = "0")
[substitute in formula and solve]
((([-1/4]{red,red,red,red} 🖇 "x²") +{blue} "x") = "0")
BLANK
BLANK
"for  ax² + bx + c = 0 ,  a ≠ 0"
("x" = (("-b" ± √("b² − 4ac")) / "2a"))
BLANK
BLANK
BLANK
(((("a"{red} ={red} [-1/4]{red,red,red,red}) 🖇 (" , b"{blue} ={blue} "1"{blue})) 🖇 " and ") 🖇 ("c"{gray} ={gray} "0"{gray}))
("x" = ((-("1"{blue}) ± √((("1"{blue} ^ "2") − (("4" 🖇 ()([-1/4]{red,red,red,red})) 🖇 ()("0"{gray}))))) / ("2" 🖇 ()([-1/4]{red,red,red,red}))))
BLANK
BLANK
BLANK
(((("x = " 🖇 "0") 🖇 " or ") 🖇 "x = ") 🖇 "4")
"from calculator"
[😎]
((([-1/4] 🖇 "x²") + "x") = "0")
BLANK
BLANK
(((("x = " 🖇 "0") 🖇 " or ") 🖇 "x = ") 🖇 "4")
"distinct rational solutions"
)-"},
        // Sides put in order without a note and no blank line; uncoloured; the
        // irrational roots over their common denominator here, in decimals at the close.
        {"1/1:1 1/1:2 -1/1:0 | 0/1:0", false, kDecimal, R"-([🤔]
(((("" 🖇 "x") + ("" 🖇 "x²")) − "1") = "0")
[descending powers of x] …1
(((("" 🖇 "x²") + ("" 🖇 "x")) − "1") = "0")
[substitute in formula and solve] …1
((("x²" + "x") − "1") = "0")
BLANK
BLANK
"for  ax² + bx + c = 0 ,  a ≠ 0"
("x" = (("-b" ± √("b² − 4ac")) / "2a"))
BLANK
BLANK
BLANK
(((("a" = "1") 🖇 (" , b" = "1")) 🖇 " and ") 🖇 ("c" = "-1"))
("x" = ((-("1") ± √((("1" ^ "2") − (("4" 🖇 ()("1")) 🖇 ()("-1"))))) / ("2" 🖇 ()("1"))))
BLANK
BLANK
BLANK
(((("x = " 🖇 (("-1" − √("5")) / "2")) 🖇 " or ") 🖇 "x = ") 🖇 (("-1" + √("5")) / "2"))
"from calculator"
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-1.618034") 🖇 " or ") 🖇 "x = ") 🖇 "0.61803399")
"distinct irrational solutions"
)-"},
    };
    for (const Example& x : examples) expectPinned(Quadratic_method::formula, x);
}

TEST(DisplayBranches, Factoring) {
    const Example examples[] = {
        // Denominators and the multiplier red while clearing; the common factor −1
        // (no greatest common divisor line); the factor of the root with the
        // smaller |p| first.
        {"-1/3:2 2/3:1 1/1:0 | 0/1:0", true, kFraction, R"-([🤔]
(((([-1/3] 🖇 "x²") + ([+2/3] 🖇 "x")) + "1") = "0")
[clear fractions]
(((([-1/3]{black,black,red,black} 🖇 "x²") + ([+2/3]{black,black,red,black} 🖇 "x")) + "1") = "0")
(("3"{red} 🖇 ()(((([-1/3] 🖇 "x²") + ([+2/3] 🖇 "x")) + "1"))) = ("3"{red} 🖇 ()("0")))
(((("-" 🖇 "x²") + ("2" 🖇 "x")) + "3") = "0")
BLANK
BLANK
"3 is LCM of denominators

we can use any multiple of the
denominators to clear fractions"
[simplify the equation]
(((([-1/3] 🖇 "x²") + ([+2/3] 🖇 "x")) + "1") = "0")
(("3" 🖇 ()(((([-1/3] 🖇 "x²") + ([+2/3] 🖇 "x")) + "1"))) = ("3" 🖇 ()("0")))
(((("-"{red} 🖇 "x²") +{red} ("2"{red} 🖇 "x")) +{red} "3"{red}) = "0")
(("-"{red} 🖇 ()((("x²" − ("2" 🖇 "x")) − "3"))) = "0")
((("x²" − ("2" 🖇 "x")) − "3") = "0")
" 
factor out  -1
divide both sides by  -1"
[complete the factorization] …2
(((("-" 🖇 "x²") + ("2" 🖇 "x")) + "3") = "0")
(("-" 🖇 ()((("x²" − ("2" 🖇 "x")) − "3"))) = "0")
((("x²" − ("2" 🖇 "x")) − "3") = "0")
((("" 🖇 ()(("x" + "1"))) 🖇 ()(("x" − "3"))) = "0")
[zero-product rule] …6
BLANK
BLANK
(((("x"{red} +{red} "1"{red}) ={red} "0"{red}) 🖇 " or "{red}) 🖇 (("x"{red} −{red} "3"{red}) ={red} "0"{red}))
((("x" = "-1") 🖇 " or ") 🖇 ("x" = "3"))
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-1") 🖇 " or ") 🖇 "x = ") 🖇 "3")
"distinct rational solutions"
"(number line order)"
)-"},
        // A denominator of −1: cleared without a multiplier or a note; a repeated
        // root solved once.
        {"1/1:2 4/-1:1 4/1:0 | 0/1:0", true, kFraction, R"-([🤔]
((("x²" + ([-4/1] 🖇 "x")) + "4") = "0")
[clear fractions] …1
((("x²" − ("4" 🖇 "x")) + "4") = "0")
[complete the factorization] …2
((("" 🖇 ()(("x" − "2"))) 🖇 ()(("x" − "2"))) = "0")
[zero-product rule] …3
BLANK
BLANK
(("x"{red} −{red} "2"{red}) ={red} "0"{red})
("x" = "2")
[😎] …1
BLANK
BLANK
("x = " 🖇 "2")
"repeated rational solution"
)-"},
        // A negative common factor, red whatever the colour option; no real roots.
        {"-2/1:2 -2/1:0 | 0/1:0", false, kFraction, R"-([🤔]
((("-2" 🖇 "x²") − "2") = "0")
[simplify the equation]
((("-2"{red} 🖇 "x²") −{red} "2"{red}) = "0")
(("-2"{red} 🖇 ()(("x²" + "1"))) = "0")
(("x²" + "1") = "0")
"
2 is greatest common divisor

factor out  -2
divide both sides by  -2"
[no solution]
((("-2" 🖇 "x²") − "2") = "0")
(("-2" 🖇 ()(("x²" + "1"))) = "0")
(("x²" + "1") = "0")
BLANK
BLANK
"no solution"
[😎] …1
BLANK
BLANK
"no solution"
)-"},
        // The second root 0: its factor x stands first, as x = 0.
        {"1/1:2 3/1:1 | 0/1:0", true, kFraction, R"-([🤔]
(("x²" + ("3" 🖇 "x")) = "0")
[complete the factorization] …1
(("x" 🖇 ("" 🖇 ()(("x" + "3")))) = "0")
[zero-product rule] …2
BLANK
BLANK
((("x"{red} ={red} "0"{red}) 🖇 " or "{red}) 🖇 (("x"{red} +{red} "3"{red}) ={red} "0"{red}))
((("x" = "0") 🖇 " or ") 🖇 ("x" = "-3"))
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-3") 🖇 " or ") 🖇 "x = ") 🖇 "0")
"distinct rational solutions"
"(number line order)"
)-"},
        // Sides put in order with a blank line; irrational roots: no factors, the
        // close shown for convenience.
        {"-2/1:0 1/1:2 | 0/1:0", true, kFraction, R"-([🤔]
(("-2" + "x²") = "0")
[descending powers of x] …1
(("x²" − "2") = "0")
BLANK
[no solution] …3
BLANK
"factors but not over integers"
[😎] …1
BLANK
BLANK
(((("x = " 🖇 -(√("2"))) 🖇 " or ") 🖇 "x = ") 🖇 √("2"))
"distinct irrational solutions"
"(number line order)

shown for convenience"
)-"},
        // Decimals cleared by 10, uncoloured; the factors in decimals, the
        // zero-product lines and the roots as fractions; the root with the smaller
        // denominator first.
        {"1/5:2 -1/2:1 1/5:0 | 0/1:0", false, kDecimal, R"-([🤔]
(((("0.2" 🖇 "x²") − ("0.5" 🖇 "x")) + "0.2") = "0")
[clear decimals] …1
(("10" 🖇 ()(((("0.2" 🖇 "x²") − ("0.5" 🖇 "x")) + "0.2"))) = ("10" 🖇 ()("0")))
(((("2" 🖇 "x²") − ("5" 🖇 "x")) + "2") = "0")
BLANK
BLANK
"
highest decimal place count
is 1, multiply both sides
by 10¹ = 10"
[complete the factorization] …3
((("" 🖇 ()((("" 🖇 "x") − "2"))) 🖇 ()((("2" 🖇 "x") − "1"))) = "0")
[zero-product rule] …4
BLANK
BLANK
(((("x" − "2") = "0") 🖇 " or ") 🖇 ((("2" 🖇 "x") − "1") = "0"))
((("x" = "2") 🖇 " or ") 🖇 ("x" = [+1/2]))
[😎] …1
BLANK
BLANK
(((("x = " 🖇 [+1/2]) 🖇 " or ") 🖇 "x = ") 🖇 "2")
"distinct rational solutions"
"(number line order)"
)-"},
    };
    for (const Example& x : examples) expectPinned(Quadratic_method::factor, x);
}

TEST(DisplayBranches, CompletingTheSquare) {
    const Example examples[] = {
        // Sides put in order with a blank line; divided by −1; no x term to halve;
        // irrational roots in decimals.
        {"2/1:0 -1/1:2 | 0/1:0", true, kDecimal, R"-([🤔]
(("2" − ("" 🖇 "x²")) = "0")
[descending powers of x] …1
((("-" 🖇 "x²") + "2") = "0")
BLANK
[divide by coefficient of x²] …1
((("-"{red} 🖇 "x²") + "2") = "0")
(("-"{red} 🖇 ()((("-" 🖇 "x²") + "2"))) = ("-"{red} 🖇 ()("0")))
((("" 🖇 "x²") − "2") = "0")
("divide both sides by  "{red} 🖇 "-1"{red})
("or multiply by  "{red} 🖇 "-1"{red})
[constant term to right hand side] …1
((("-" 🖇 "x²") + "2") = "0")
(("-" 🖇 ()((("-" 🖇 "x²") + "2"))) = ("-" 🖇 ()("0")))
((("" 🖇 "x²") −{red} "2"{red}) = "0")
(("" 🖇 "x²") = "2"{red})
BLANK
[square root and solve] …3
((("" 🖇 "x²") − "2") = "0")
(("" 🖇 "x²") = "2")
((""{red} 🖇 "x"{red}) ={red} ±{red}(√{red}("2"{red})))
(((("x = " 🖇 "-1.4142136") 🖇 " or ") 🖇 "x = ") 🖇 "1.4142136")
[😎] …1
BLANK
BLANK
(((("x = " 🖇 "-1.4142136") 🖇 " or ") 🖇 "x = ") 🖇 "1.4142136")
"distinct irrational solutions"
)-"},
        // A negative fractional half: (x − 3/4)², the roots x = 3/4 ± 5/4.
        {"1/1:2 -3/2:1 -1/1:0 | 0/1:0", true, kFraction, R"-([🤔]
((("x²" − ([+3/2] 🖇 "x")) − "1") = "0")
[constant term to right hand side]
((("x²" − ([+3/2] 🖇 "x")) −{red} "1"{red}) = "0")
(("x²" − ([+3/2] 🖇 "x")) = "1"{red})
BLANK
[complete the square]
((("x²" − ([+3/2] 🖇 "x")) − "1") = "0")
(("x²" −{red} ([+3/2]{red,red,red,red} 🖇 "x")) = "1")
((("x²" − ([+3/2] 🖇 "x")) +{blue} [+9/16]{blue,blue,blue,blue}) = ("1" +{blue} [+9/16]{blue,blue,blue,blue}))
(("" 🖇 (()(("x" −{red} [+3/4]{red,red,red,red})) ^ 2)) = [+25/16])
((("halve x coefficient from "{red} 🖇 [-3/2]{red,red,red,red}) 🖇 " to "{red}) 🖇 [-3/4]{red,red,red,red})
(("square to "{blue} 🖇 [+9/16]{blue,blue,blue,blue}) 🖇 " , add to both sides"{blue})
"complete the square"
[square root and solve] …1
(("x²" − ([+3/2] 🖇 "x")) = "1")
((("x²" − ([+3/2] 🖇 "x")) + [+9/16]) = ("1" + [+9/16]))
(("" 🖇 (()(("x" − [+3/4])) ^ 2)) = [+25/16])
(("x"{red} −{red} [+3/4]{red,red,red,red}) ={red} ±{red}(√{red}([+25/16]{red,red,red,red})))
("x" = ([+3/4] ± [+5/4]))
(((("x = " 🖇 [-1/2]) 🖇 " or ") 🖇 "x = ") 🖇 "2")
[😎] …1
BLANK
BLANK
(((("x = " 🖇 [-1/2]) 🖇 " or ") 🖇 "x = ") 🖇 "2")
"distinct rational solutions"
)-"},
        // Decimals: the multiplier 1/4 as a denominator, −h and √R in decimals, the
        // notes and rational roots as fractions.
        {"4/1:2 4/1:1 -3/1:0 | 0/1:0", true, kDecimal, R"-([🤔]
(((("4" 🖇 "x²") + ("4" 🖇 "x")) − "3") = "0")
[divide by coefficient of x²]
(((("4"{red} 🖇 "x²") + ("4" 🖇 "x")) − "3") = "0")
((((("4" 🖇 "x²") + ("4" 🖇 "x")) − "3") /{red} "4"{red}) = ("0" /{red} "4"{red}))
(((("" 🖇 "x²") + ("" 🖇 "x")) − "0.75") = "0")
("divide both sides by  "{red} 🖇 "4"{red})
("or multiply by  "{red} 🖇 [+1/4]{red,red,red,red})
[constant term to right hand side]
(((("4" 🖇 "x²") + ("4" 🖇 "x")) − "3") = "0")
((((("4" 🖇 "x²") + ("4" 🖇 "x")) − "3") / "4") = ("0" / "4"))
(((("" 🖇 "x²") + ("" 🖇 "x")) −{red} "0.75"{red}) = "0")
((("" 🖇 "x²") + ("" 🖇 "x")) = "0.75"{red})
BLANK
[complete the square] …2
(((("" 🖇 "x²") + ("" 🖇 "x")) − "0.75") = "0")
((("" 🖇 "x²") +{red} (""{red} 🖇 "x")) = "0.75")
(((("" 🖇 "x²") + ("" 🖇 "x")) +{blue} "0.25"{blue}) = ("0.75" +{blue} "0.25"{blue}))
(("" 🖇 (()((("" 🖇 "x") +{red} "0.5"{red})) ^ 2)) = "1")
((("halve x coefficient from "{red} 🖇 "1"{red}) 🖇 " to "{red}) 🖇 [+1/2]{red,red,red,red})
(("square to "{blue} 🖇 [+1/4]{blue,blue,blue,blue}) 🖇 " , add to both sides"{blue})
"complete the square"
[square root and solve] …3
((("" 🖇 "x²") + ("" 🖇 "x")) = "0.75")
(((("" 🖇 "x²") + ("" 🖇 "x")) + "0.25") = ("0.75" + "0.25"))
(("" 🖇 (()((("" 🖇 "x") + "0.5")) ^ 2)) = "1")
(((""{red} 🖇 "x"{red}) +{red} "0.5"{red}) ={red} ±{red}(√{red}("1"{red})))
(("" 🖇 "x") = ("-0.5" ± "1"))
(((("x = " 🖇 [-3/2]) 🖇 " or ") 🖇 "x = ") 🖇 [+1/2])
[😎] …1
BLANK
BLANK
(((("x = " 🖇 [-3/2]) 🖇 " or ") 🖇 "x = ") 🖇 [+1/2])
"distinct rational solutions"
)-"},
        // A repeated root with a half: x + 1/2 = 0, then x = −1/2.
        {"1/1:2 1/1:1 1/4:0 | 0/1:0", true, kFraction, R"-([🤔]
((("x²" + "x") + [+1/4]) = "0")
[constant term to right hand side]
((("x²" + "x") +{red} [+1/4]{red,red,red,red}) = "0")
(("x²" + "x") = [-1/4]{red,red,red,red})
BLANK
[complete the square]
((("x²" + "x") + [+1/4]) = "0")
(("x²" +{red} "x") = [-1/4])
((("x²" + "x") +{blue} [+1/4]{blue,blue,blue,blue}) = ([-1/4] +{blue} [+1/4]{blue,blue,blue,blue}))
(("" 🖇 (()(("x" +{red} [+1/2]{red,red,red,red})) ^ 2)) = "0")
((("halve x coefficient from "{red} 🖇 "1"{red}) 🖇 " to "{red}) 🖇 [+1/2]{red,red,red,red})
(("square to "{blue} 🖇 [+1/4]{blue,blue,blue,blue}) 🖇 " , add to both sides"{blue})
"complete the square"
[square root and solve] …1
(("x²" + "x") = [-1/4])
((("x²" + "x") + [+1/4]) = ([-1/4] + [+1/4]))
(("" 🖇 (()(("x" + [+1/2])) ^ 2)) = "0")
(("x" + [+1/2]) = "0")
("x" = [-1/2])
[😎] …1
BLANK
BLANK
("x = " 🖇 [-1/2])
"repeated rational solution"
)-"},
        // A repeated root 0 with no half: x = 0 alone.
        {"1/1:2 | 0/1:0", true, kFraction, R"-([🤔]
("x²" = "0")
[square root and solve] …1
("x" = "0")
[😎] …1
BLANK
BLANK
("x = " 🖇 "0")
"repeated rational solution"
)-"},
    };
    for (const Example& x : examples) expectPinned(Quadratic_method::complete_the_square, x);
}

// The right side factored: the common factor red on the right only.
TEST(DisplayBranches, CommonFactorOnTheRight) {
    const auto step = factorOutGcdStep(equation("0/1:0 | 3/1:2 6/1:0"));
    ASSERT_TRUE(step);
    std::string lines;
    for (const Ext_polyEquation& e : step->equations) lines += describeRecord(record(e, kFraction)) + "\n";
    EXPECT_EQ(lines, R"-(("0" = (("3"{red} 🖇 "x²") +{red} "6"{red}))
("0" = ("3"{red} 🖇 ()(("x²" + "2"))))
("0" = ("x²" + "2"))
)-");
}

// The linear core's last step by the shape of the coefficient: a fraction is
// multiplied by its reciprocal (the product shown before it is reduced), a
// whole number divided out; the variable on the right ends on the left.
TEST(DisplayBranches, Linear) {
    const struct {
        const char* given;
        Relation relation;
        Technique technique;
        Style style;
        const char* steps;
    } examples[] = {
        // A negative fraction: its reciprocal red, the relation reversed and red.
        {"-2/3:1 | 4/1:0", Relation::less_than, Technique::transpose, kFraction, R"-([🤔]
(([-2/3] 🖇 "x") < "4")
[solve for x] …1
("x" >{red} ([-3/2]{red,red,red,red} 🖇 ()("4")))
("x" > [-12/2])
("x" > "-6")
[😎] …1
("x" > "-6")
)-"},
        // Simplified first; the reciprocal 2 written whole before a whole constant.
        {"2/4:1 | 3/1:0", Relation::equal_to, Technique::transpose, kFraction, R"-([🤔]
(([+2/4] 🖇 "x") = "3")
[simplify] …1
(([+1/2] 🖇 "x") = "3")
[solve for x] …2
("x" = ("2"{red} 🖇 ()("3")))
("x" = "6")
[😎] …1
("x" = "6")
)-"},
        // Balanced on both sides, the variable on the right: the reciprocal before
        // the term in parentheses; a whole coefficient under a red bar on both
        // sides, the answer turned round with its relation red.
        {"4/1:0 | 3/2:1", Relation::equal_to, Technique::balance, kFraction, R"-([🤔]
("4" = ([+3/2] 🖇 "x"))
[solve for x] …1
(([+2/3]{red,red,red,red} 🖇 ()("4")) = ([+2/3]{red,red,red,red} 🖇{red} (){red}(([+3/2] 🖇 "x"))))
([+8/3] = "x")
("x" = [+8/3])
[😎] …1
("x" = [+8/3])
)-"},
        {"6/1:0 | 4/1:1", Relation::greater_than, Technique::balance, kFraction, R"-([🤔]
("6" > ("4" 🖇 "x"))
[solve for x] …1
(("6" /{red} "4"{red}) > (("4" 🖇 "x") /{red} "4"{red}))
([+3/2] > "x")
("x" <{red} [+3/2])
[😎] …1
("x" < [+3/2])
)-"},
        // Decimals cleared by 10; the division and its result as fractions, the close in decimals.
        {"3/10:1 | 1/1:0", Relation::equal_to, Technique::transpose, kDecimal, R"-([🤔]
(("0.3" 🖇 "x") = "1")
[clear decimals] …1
(("10"{red} 🖇 ()(("0.3" 🖇 "x"))) = ("10"{red} 🖇 ()("1")))
(("3" 🖇 "x") = "10")
BLANK
BLANK
"
highest decimal place count
is 1, multiply both sides
by 10¹ = 10"
[solve for x] …1
(("10" 🖇 ()(("0.3" 🖇 "x"))) = ("10" 🖇 ()("1")))
(("3" 🖇 "x") = "10")
(("" 🖇 "x") = ("10" /{red} "3"{red}))
("x" = [+10/3])
[😎] …1
(("" 🖇 "x") = "3.3333333")
)-"},
    };
    for (const auto& x : examples) {
        EXPECT_EQ(describeSteps(solveLinear(equation(x.given, x.relation),
                                            {.technique = x.technique, .colored = true, .style = x.style})),
                  x.steps)
            << x.given;
    }
}

}  // namespace
}  // namespace radixmender
