// The linear core's short outcomes: an equation already (nearly) solved, a
// bare x or −x on one side and a constant on the other, or two constants,
// ends with one "solve" step. One worked example per shape of the sides, in
// fractions and in decimals, pinned whole: every step on one row as
// "[comment] | line | line", where "…" stands for the given equation as the
// opening step writes it and "note" for the note on turning −x into x.
//
// Where the relation can turn (−x on either side, or the constant on the left
// and x on the right) an example is a pattern run under all five relations,
// coloured and plain: $r is the relation given, $t the same relation with the
// sides exchanged, and $c the colour of a relation the solver wrote itself
// ({red} when coloured and the relation is no "="). Each example also runs in
// the letter y, and as a continuation, where it is the "solve" step alone,
// without the note.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "solvers/linear_core.hpp"
#include "solvers/parentheses_stages.hpp"
#include "tests/support/fixture_sides.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::describeRecord;

struct RelationCase {
    Relation relation;
    const char* symbol;
    const char* turned;  // written with the sides exchanged
};
constexpr RelationCase kRelations[] = {{Relation::equal_to, "=", "="},
                                       {Relation::less_than, "<", ">"},
                                       {Relation::greater_than, ">", "<"},
                                       {Relation::less_than_or_equal_to, "≤", "≥"},
                                       {Relation::greater_than_or_equal_to, "≥", "≤"}};

// "n/d:e | n/d:e" in the letter given.
PolyEquation equation(const std::string& text, Relation relation, const std::string& letter) {
    PolyEquation e = toPolyEquation(testing::fixtures::extEquation(text, relation));
    for (Polynomial* side : {&e.LHS, &e.RHS})
        for (Monomial& term : side->terms) term.variable = letter;
    return e;
}

std::string note(const std::string& letter) {
    return "\"notice  -" + letter + "  to  " + letter + "  conversion\nmultiplication of both sides\nby (-1)\"";
}

std::string shown(const SolverResult& r, const std::string& letter) {
    std::string text;
    for (std::size_t i = 0; i < r.steps.size(); ++i) {
        std::string comment;
        for (const std::string& c : r.comments[i]) comment += (comment.empty() ? "" : "|") + c;
        text += "[" + comment + "]";
        for (std::size_t j = 0; j < r.steps[i].size(); ++j) {
            const Record& line = r.steps[i][j];
            const std::string written = describeRecord(line);
            text += " | " + (i > 0 && j == 0 && line == r.steps[0][0] ? "…"
                             : written == note(letter)                 ? "note"
                                                                       : written);
        }
        text += "\n";
    }
    return text;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

struct Example {
    // Equations that show the same steps: in decimals a constant not in lowest
    // terms reads as the reduced one, and no reduced row is added.
    std::vector<const char*> given;
    Style style;
    std::optional<Relation> only;  // none: the pattern under every relation
    const char* steps;
};

constexpr Style kFraction = Style::fraction, kDecimal = Style::decimal,
                kRationalFraction = Style::rational_fraction;

void expectPinned(const Example& x, const char* text, const RelationCase& relation, bool colored,
                  const std::string& letter) {
    std::string expected = x.steps;
    replaceAll(expected, "x", letter);
    replaceAll(expected, "$r", relation.symbol);
    replaceAll(expected, "$t", relation.turned);
    replaceAll(expected, "$c", colored && relation.relation != Relation::equal_to ? "{red}" : "");
    const PolyEquation given = equation(text, relation.relation, letter);
    const std::string context = std::string(text) + " " + relation.symbol + " " + letter + " " +
                                rawValue(x.style) + (colored ? ", coloured" : ", plain");
    const SolverResult whole = solveLinear(given, {.colored = colored, .style = x.style});
    EXPECT_EQ(shown(whole, letter), expected) << context;

    // Continued: the solve step alone, without the note and its two blank lines.
    const SolverResult continued = solveLinear(given, {.colored = colored, .continued = true, .style = x.style});
    ASSERT_EQ(whole.steps.size(), 3U) << context;
    Step solve = whole.steps[1];
    if (solve.size() >= 3 && describeRecord(solve.back()) == note(letter)) solve.resize(solve.size() - 3);
    EXPECT_EQ(continued.steps, Steps{solve}) << context;
    EXPECT_EQ(continued.comments, Comments{{"solve"}}) << context;
}

TEST(LinearEarlyOutcomes, EachShapeOfTheSidesWhole) {
    const Example examples[] = {
        // Two reduced constants: the summary is the solve step.
        {{"1/2:0 | 3/4:0"}, kFraction, Relation::less_than, R"-([🤔] | ([+1/2] < [+3/4])
[solve] | … | "TRUE, solution is all values of variable"
[😎] | … | "TRUE, solution is all values of variable"
)-"},
        {{"1/2:0 | 3/4:0"}, kDecimal, Relation::less_than, R"-([🤔] | ("0.5" < "0.75")
[solve] | … | "TRUE, solution is all values of variable"
[😎] | … | "TRUE, solution is all values of variable"
)-"},
        // Two constants, one not reduced: reduced first, in fractions only.
        {{"6/4:0 | 2/1:0"}, kFraction, Relation::greater_than_or_equal_to, R"-([🤔] | ([+6/4] ≥ "2")
[solve] | … | ([+3/2] ≥ "2") | "FALSE, no solution"
[😎] | … | "FALSE, no solution"
)-"},
        {{"6/4:0 | 2/1:0"}, kDecimal, Relation::greater_than_or_equal_to, R"-([🤔] | ("1.5" ≥ "2")
[solve] | … | "FALSE, no solution"
[😎] | … | "FALSE, no solution"
)-"},
        // −x on the left: the relation turns with the sign.
        {{"-1/1:1 | 3/2:0"}, kFraction, std::nullopt, R"-([🤔] | (("-" 🖇 "x") $r [+3/2])
[solve] | … | ("x" $t$c [-3/2]) | BLANK | BLANK | note
[😎] | … | ("x" $t [-3/2])
)-"},
        {{"-1/1:1 | 6/4:0"}, kFraction, std::nullopt, R"-([🤔] | (("-" 🖇 "x") $r [+6/4])
[solve] | … | (("-" 🖇 "x") $r [+3/2]) | ("x" $t$c [-3/2]) | BLANK | BLANK | note
[😎] | … | ("x" $t [-3/2])
)-"},
        {{"-1/1:1 | 3/2:0", "-1/1:1 | 6/4:0"}, kDecimal, std::nullopt, R"-([🤔] | (("-" 🖇 "x") $r "1.5")
[solve] | … | (("" 🖇 "x") $t$c "-1.5") | BLANK | BLANK | note
[😎] | … | (("" 🖇 "x") $t "-1.5")
)-"},
        // x on the left: solved as given, or once reduced.
        {{"1/1:1 | 3/2:0"}, kFraction, Relation::greater_than, R"-([🤔] | ("x" > [+3/2])
[solve] | …
[😎] | …
)-"},
        {{"1/1:1 | 6/4:0"}, kFraction, Relation::less_than_or_equal_to, R"-([🤔] | ("x" ≤ [+6/4])
[solve] | … | ("x" ≤ [+3/2])
[😎] | … | ("x" ≤ [+3/2])
)-"},
        {{"1/1:1 | 3/2:0", "1/1:1 | 6/4:0"}, kDecimal, std::nullopt, R"-([🤔] | (("" 🖇 "x") $r "1.5")
[solve] | …
[😎] | …
)-"},
        // The constant on the left of −x: turned round to v $t x, then x $r v.
        {{"3/2:0 | -1/1:1"}, kFraction, std::nullopt, R"-([🤔] | ([+3/2] $r ("-" 🖇 "x"))
[solve] | … | ([-3/2] $t$c "x") | ("x" $r$c [-3/2]) | BLANK | BLANK | note
[😎] | … | ("x" $r [-3/2])
)-"},
        {{"6/4:0 | -1/1:1"}, kFraction, std::nullopt, R"-([🤔] | ([+6/4] $r ("-" 🖇 "x"))
[solve] | … | ([+3/2] $r ("-" 🖇 "x")) | ([-3/2] $t$c "x") | ("x" $r$c [-3/2]) | BLANK | BLANK | note
[😎] | … | ("x" $r [-3/2])
)-"},
        {{"3/2:0 | -1/1:1", "6/4:0 | -1/1:1"}, kDecimal, std::nullopt, R"-([🤔] | ("1.5" $r ("-" 🖇 "x"))
[solve] | … | ("-1.5" $t$c ("" 🖇 "x")) | (("" 🖇 "x") $r$c "-1.5") | BLANK | BLANK | note
[😎] | … | (("" 🖇 "x") $r "-1.5")
)-"},
        // Written as ˣ∕₃ only where the equation is as given: the early lines are fractions.
        {{"6/4:0 | -1/1:1"}, kRationalFraction, std::nullopt, R"-([🤔] | (("6" / "4") $r ("-" 🖇 "x"))
[solve] | … | ([+3/2] $r ("-" 🖇 "x")) | ([-3/2] $t$c "x") | ("x" $r$c [-3/2]) | BLANK | BLANK | note
[😎] | … | ("x" $r [-3/2])
)-"},
        // The constant on the left of x: the sides exchanged and the relation turned.
        {{"3/2:0 | 1/1:1"}, kFraction, std::nullopt, R"-([🤔] | ([+3/2] $r "x")
[solve] | … | ("x" $t$c [+3/2])
[😎] | … | ("x" $t [+3/2])
)-"},
        {{"6/4:0 | 1/1:1"}, kFraction, std::nullopt, R"-([🤔] | ([+6/4] $r "x")
[solve] | … | ([+3/2] $r "x") | ("x" $t$c [+3/2])
[😎] | … | ("x" $t [+3/2])
)-"},
        {{"3/2:0 | 1/1:1", "6/4:0 | 1/1:1"}, kDecimal, std::nullopt, R"-([🤔] | ("1.5" $r ("" 🖇 "x"))
[solve] | … | (("" 🖇 "x") $t$c "1.5")
[😎] | … | (("" 🖇 "x") $t "1.5")
)-"},
    };
    for (const Example& x : examples)
        for (const char* given : x.given)
            for (const RelationCase& relation : kRelations)
                if (!x.only || *x.only == relation.relation)
                    for (const bool colored : {true, false})
                        for (const std::string letter : {"x", "y"})
                            expectPinned(x, given, relation, colored, letter);
}

}  // namespace
}  // namespace radixmender
