// The solvers against SymPy (verdict_cases.txt and quadratic_cases.txt, written
// once by tests/tools/write_fixtures.py) and against the exact values of the
// lines they write: verdicts; transforms; the linear solvers over every option
// set; the quadratic solvers against exact roots in Q(√c). Worked examples and
// the mends pinned.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <tuple>

#include "algebra/algebra_records.hpp"
#include "records/literals.hpp"
#include "solvers/clean_up.hpp"
#include "solvers/clearing_note.hpp"
#include "solvers/factoring_steps.hpp"
#include "solvers/linear_core.hpp"
#include "solvers/linear_parentheses.hpp"
#include "solvers/moving_terms.hpp"
#include "solvers/numbers.hpp"
#include "solvers/parentheses_records.hpp"
#include "solvers/parentheses_stages.hpp"
#include "solvers/quadratic_solvers.hpp"
#include "solvers/queries.hpp"
#include "solvers/rearranging.hpp"
#include "solvers/solution_record.hpp"
#include "tests/support/algebra_check.hpp"
#include "tests/support/fixture_sides.hpp"
#include "tests/support/model_check.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::evaluateAlgebraLine;
using testing::evaluateAlgebraPieces;
using testing::Fraction;
using testing::identical;
using testing::SurdValue;
using testing::valueAt;

std::string text(const Record& line) { return testing::describeRecord(line); }

// Fixture names in the order of the enumerations.
const std::vector<std::string> kRelations = {"=", "<", ">", "<=", ">="}, kSymbols = {"=", "<", ">", "≤", "≥"},
                               kStatuses = {"unique", "infinite", "none"},
                               kQuadraticStatuses = {"rational_repeated", "rational_distinct",
                                                     "irrational_repeated", "irrational_distinct", "none"};

template <class T>
T indexIn(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<T>(std::find(names.begin(), names.end(), name) - names.begin());
}

using testing::fixtures::extEquation;
using testing::fixtures::rational;
using testing::fixtures::side;

PolyEquation equation(const std::string& text, Relation relation = Relation::equal_to) {
    return toPolyEquation(extEquation(text, relation));
}

struct Case {
    std::string given;  // the line
    Ext_polyEquation equation;
    std::string expected;  // what follows "=>"
};

// The lines of a fixture ("[kind] [relation] left | right => expected"), of one kind only when given.
std::vector<Case> cases(const char* file, char kind = 0) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / file);
    std::vector<Case> all;
    for (std::string line; std::getline(in, line);) {
        if (kind && line[0] != kind) continue;
        const std::size_t arrow = line.find(" => "), from = kind ? 2 : 0;
        const std::string sides = line.substr(from, arrow - from), first = sides.substr(0, sides.find(' '));
        const bool related = std::count(kRelations.begin(), kRelations.end(), first);
        all.push_back({line,
                       extEquation(related ? sides.substr(first.size()) : sides,
                                   related ? indexIn<Relation>(kRelations, first) : Relation::equal_to),
                       line.substr(arrow + 4)});
    }
    return all;
}

bool same(const LinearSolution& a, const LinearSolution& b) {
    return identical(a.value, b.value) && a.relation == b.relation && a.status == b.status;
}

// Draws `value` whatever the range; tosses tails.
struct Draw final : RandomSource {
    std::int64_t value;
    explicit Draw(std::int64_t v) : value(v) {}
    std::int64_t uniform(std::int64_t, std::int64_t) override { return value; }
    bool coin() override { return false; }
};

TEST(Verdicts, StepExclusionsAndTheSolvedForm) {
    // Style (0 fraction, 1 rational fraction, 2 decimal), answer (0 none, 1 reduce, 2 clear, 3 both),
    // equation.
    for (const std::string t :
         {"23 2/1:1 3/1:0 | 7/1:0", "23 1/1:1 | 1/2:0", "21 3/1:1 | 1/2:0", "03 1/3:1 | 5/1:0",
          "02 2/3:1 | 5/1:0", "00 1/3:1 1/1:1 | 5/1:0", "02 1/1:1 | 1/2:0", "00 1/1:1 1/2:0 | 3/1:0",
          "12 1/1:1 1/2:0 | 0/1:0", "02 1/2:1 | 1/3:0", "00 1/2:1 1/3:0 | 1/1:0", "02 1/2:1 | 1/3:0 0/1:0",
          "00 1/2:1 | 1/3:1"})
        EXPECT_EQ(stepExclusions(equation(t.substr(3)), static_cast<Style>(t[0] - '0')),
                  static_cast<Step_exclusions>(t[1] - '0'))
            << t;
    // Solved (+) or not (-) outside the decimal style.
    for (const std::string t : {"+1/1:1 | 1/2:0", "+1/1:1 | -4/1:0", "-1/1:1 | 3/6:0", "-2/1:1 | 1/1:0",
                                "--1/1:1 | 3/1:0", "-1/1:1 0/1:0 | 5/1:0", "-1/1:1 | 1/0:0"})
        EXPECT_EQ(isSolved(equation(t.substr(1)), false), t[0] == '+') << t;
    EXPECT_TRUE(isSolved(equation("1/1:1 | 3/6:0"), true));
    // Exactly x (flag false) and exactly −x (flag true): a side, then the answers for false and true.
    for (const auto& [given, plain, negative] : std::vector<std::tuple<const char*, bool, bool>>{
             {"1/1:1", true, false}, {"-1/1:1", false, true}, {"2/1:1", false, false},
             {"-2/2:1", false, false}, {"1/1:0", false, false}, {"-1/1:2", false, false},
             {"1/1:1 0/1:0", false, false}, {"-1/1:1 -1/1:1", false, false}})
    {
        const Polynomial left = equation(std::string(given) + " | 0/1:0").LHS;
        EXPECT_EQ(std::pair(isSingleVariableTerm(left, false), isSingleVariableTerm(left, true)),
                  std::pair(plain, negative))
            << given;
    }
}

const Fraction kPoints[] = {Fraction(-7, 3), Fraction(1, 2), Fraction(5)};

// Each side of `after` is `factor` times the matching side of `before`.
::testing::AssertionResult sidesScaled(const PolyEquation& before, const PolyEquation& after,
                                       std::int64_t factor = 1) {
    for (const Fraction& x : kPoints)
        if (!(valueAt(after.LHS, x) == valueAt(before.LHS, x) * factor &&
              valueAt(after.RHS, x) == valueAt(before.RHS, x) * factor))
            return ::testing::AssertionFailure() << "a side changed its value at x = " << x.toString();
    return ::testing::AssertionSuccess();
}

SurdValue differenceAt(const PolyEquation& e, const Fraction& x) {
    return valueAt(e.LHS, x) - valueAt(e.RHS, x);
}

// No zero term, unless the side is 0.
bool isTidy(const Polynomial& side) {
    return side == zeroSide() || std::none_of(side.terms.begin(), side.terms.end(),
                                              [](const Monomial& m) { return m.coefficient.numerator == 0; });
}

bool hasTerm(const Polynomial& side, std::uint64_t exponent) {
    return std::any_of(side.terms.begin(), side.terms.end(),
                       [=](const Monomial& m) { return m.exponent == exponent; });
}

// On the equations of the L and Q cases: clean-ups keep the value of every side, rearranging keeps
// the equation. (The term moves are checked line by line in the linear solvers' sweep.)
TEST(Transforms, KeepTheValueOfEverySideAndTheEquation) {
    std::vector<Case> all = cases("verdict_cases.txt", 'L'), quadratic = cases("verdict_cases.txt", 'Q');
    all.insert(all.end(), quadratic.begin(), quadratic.end());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const PolyEquation e = toPolyEquation(all[i].equation);
        const PolyEquation reduced = reducingCoefficients(e), cleared = clearingFractions(e);
        const CombinedEquation combined = combiningLikeTerms(e, false);
        const CommonDenominatorEquation common = overCommonDenominator(e);
        EXPECT_TRUE(sidesScaled(e, removingZeroTerms(e, true)) && sidesScaled(e, reduced) &&
                    sidesScaled(e, combined.equation) &&
                    sidesScaled(e, combiningLikeTerms(e, true).equation) && sidesScaled(e, common.equation) &&
                    sidesScaled(e, negatingBothSides(e), -1) &&
                    sidesScaled(e, cleared, lcmOfDenominators(e)));
        EXPECT_TRUE(lcmOfDenominators(e) > 0 && !hasFractionalCoefficient(cleared) &&
                    !hasUnreducedCoefficient(reduced));
        for (const Polynomial& side : {combined.equation.LHS, combined.equation.RHS}) {
            std::set<std::uint64_t> powers;
            for (const Monomial& m : side.terms) powers.insert(m.exponent);
            EXPECT_TRUE(powers.size() == side.terms.size() && isTidy(side));
        }
        // Over one denominator, or untouched without fractions.
        for (const Polynomial& side : {common.equation.LHS, common.equation.RHS})
            for (const Monomial& m : side.terms)
                EXPECT_TRUE(!common.hasFractions || m.coefficient.denominator == lcmOfDenominators(e));
        EXPECT_TRUE(common.hasFractions ||
                    identical(common.equation, PolyEquation(e.LHS, e.RHS, e.relation)));

        for (const PolyEquation& r :
             {e, PolyEquation(e.LHS, zeroSide(), e.relation), PolyEquation(zeroSide(), e.RHS, e.relation)}) {
            const ExchangedSides x = exchangeSidesStep(r);
            if (!x.equations) {
                EXPECT_TRUE(r.RHS == zeroSide() && isInDescendingOrder(r.LHS));
                continue;
            }
            const PolyEquation& last = x.equations->back();
            const int sign = x.note == "exchange sides for convenience" ? -1 : 1;
            EXPECT_TRUE(identical(x.equations->front(), r));
            EXPECT_TRUE(isInDescendingOrder(last.LHS) && last.RHS == zeroSide() &&
                        last.relation == r.relation);
            EXPECT_TRUE(x.note != "left hand side for convenience" || isTidy(last.LHS));
            for (const Fraction& p : kPoints) EXPECT_EQ(differenceAt(last, p), differenceAt(r, p) * sign);
        }
        // The same square term added to both sides of a combined equation cancels.
        PolyEquation squares = combined.equation;
        const Monomial square(Rational(std::int64_t(i % 5) + 1, std::int64_t(i % 3) + 1), 2);
        const bool hadSquares = hasTerm(squares.LHS, 2) || hasTerm(squares.RHS, 2);
        squares.LHS.terms.push_back(square);
        squares.RHS.terms.push_back(square);
        const auto cancelled = cancellingSameSquareTerm(squares);
        EXPECT_TRUE(cancelled || hadSquares);
        for (const Fraction& p : kPoints)
            EXPECT_TRUE(!cancelled || hadSquares || differenceAt(*cancelled, p) == differenceAt(squares, p));
    }
}

bool holdsExponent(const Polynomial& side, std::uint64_t exponent) {
    return std::any_of(side.terms.begin(), side.terms.end(), [=](const Monomial& m) {
        return m.exponent == exponent && m.coefficient.numerator != 0;
    });
}

// On the L cases combined as the linear core combines them: every equation the two term moves list
// keeps the solution set; afterwards the variable stands on one side only, and the constant it
// stood beside has left that side.
TEST(Transforms, TermMovesKeepTheSolutionSetAndEmptyTheSourceSide) {
    for (const Case& c : cases("verdict_cases.txt", 'L')) {
        const PolyEquation e =
            combiningLikeTerms(removingZeroTerms(toPolyEquation(c.equation), true), false).equation;
        const LinearSolution expected = linearSolution(e);
        for (const Technique technique : {Technique::balance, Technique::transpose})
            for (const int draw : {0, 1, 2}) {  // standard, then smart with either draw
                Draw random(draw);
                const auto moved =
                    transposeAdvice(e, technique, true, draw == 0 ? Method::standard : Method::smart, random);
                for (const PolyEquation& x : moved ? moved->equations : std::vector<PolyEquation>{})
                    EXPECT_TRUE(same(linearSolution(x), expected)) << c.given;
                const PolyEquation gathered = moved ? moved->equations.back() : e;
                EXPECT_FALSE(holdsExponent(gathered.LHS, 1) && holdsExponent(gathered.RHS, 1)) << c.given;
                const EditedTerms edited = editTermsStep(gathered, technique, true);
                const PolyEquation after = combiningLikeTerms(edited.third, false).equation;
                for (const PolyEquation& x : {edited.first, edited.second, after})
                    EXPECT_TRUE(same(linearSolution(x), expected)) << c.given;
                for (const Polynomial* side : {&after.LHS, &after.RHS})
                    EXPECT_FALSE(holdsExponent(*side, 1) && holdsExponent(*side, 0)) << c.given;
            }
    }
}

TEST(Anchors, WorkedExamplesAndSoundBehaviour) {
    // y² = y² cancels to 0 = 0, each 0 in y.
    const Polynomial ySquared({Monomial(Rational(1, 1), 2, "y")}), yZero({Monomial(Rational(0, 1), 0, "y")});
    EXPECT_TRUE(identical(*cancellingSameSquareTerm(PolyEquation(ySquared, ySquared, Relation::less_than)),
                          PolyEquation(yZero, yZero, Relation::less_than)));

    // 3x + 2 < 5x + 1, smart: a draw of 1 exchanges the sides first, a draw of 2 does not.
    const PolyEquation e = equation("3/1:1 2/1:0 | 5/1:1 1/1:0", Relation::less_than);
    Draw one(1), two(2);
    const auto exchanged = transposeAdvice(e, Technique::transpose, true, Method::smart, one);
    ASSERT_TRUE(exchanged && exchanged->equations.size() == 4);
    EXPECT_TRUE(exchanged->equations[1].relation == Relation::greater_than &&
                exchanged->equations[1].relation_color == Color::red);
    EXPECT_EQ(transposeAdvice(e, Technique::transpose, true, Method::smart, two)->advice,
              "\ntaking x-terms to the\nright hand side to get a\n(positive)x\n\nconsider exchanging sides");
    // 2x + 3 = 5x + 7: the 3 crosses as a red −3 after the 7.
    const Monomial minusThree(Rational(-3, 1, Color::red, Color::red, Color::red), 0);
    EXPECT_TRUE(identical(
        editTermsStep(equation("2/1:1 3/1:0 | 5/1:1 7/1:0"), Technique::transpose, true).second,
        PolyEquation(Polynomial({Monomial(Rational(2, 1), 1)}),
                     Polynomial({Monomial(Rational(5, 1), 1), Monomial(Rational(7, 1), 0), minusThree}),
                     Relation::equal_to)));
    // Combining [2x, 3, x, −3] leaves 3x; ½x + ⅓ = ¼ is cleared by 12; −2/6 turns to −3/1;
    // 0 = −1 + x² is sorted, then its sides exchanged.
    const CombinedSide combined = combiningLikeTerms(equation("2/1:1 3/1:0 1/1:1 -3/1:0 |").LHS, false);
    EXPECT_TRUE(combined.changed && identical(combined.side, Polynomial({Monomial(Rational(3, 1), 1)})));
    EXPECT_TRUE(
        identical(clearingFractions(equation("1/2:1 1/3:0 | 1/4:0")), equation("6/1:1 4/1:0 | 3/1:0")));
    EXPECT_TRUE(identical(*reciprocal(Rational(-2, 6)), Rational(-3, 1)) && !reciprocal(Rational(0, 5)));
    const ExchangedSides sorted = exchangeSidesStep(equation("0/1:0 | -1/1:0 1/1:2"));
    EXPECT_EQ(sorted.note, "exchange sides for convenience");
    EXPECT_TRUE(sorted.equations &&
                identical(*sorted.equations, std::vector<PolyEquation>{equation("0/1:0 | -1/1:0 1/1:2"),
                                                                       equation("0/1:0 | 1/1:2 -1/1:0"),
                                                                       equation("1/1:2 -1/1:0 | 0/1:0")}));
    // The mends.
    EXPECT_THROW(analyzeQuadratic(equation("1/1:2 1/1:1 | 1/1:2 3/1:0")), std::domain_error);
    EXPECT_TRUE(isSingleIntegerConstant(Polynomial({Monomial(Rational(LLONG_MIN, -1), 0)}), false));
    // Balancing −2x + 1 + 5 carries every term after the second.
    const auto balanced =
        transposeAdvice(equation("4/1:0 | -2/1:1 1/1:0 5/1:0"), Technique::balance, false, Method::smart);
    EXPECT_TRUE(balanced && balanced->equations[1].RHS.terms.size() == 4);
    const PolyEquation whole = equation("2/1:1 | 3/-1:0");
    const CommonDenominatorEquation common = overCommonDenominator(whole);
    EXPECT_TRUE(!common.hasFractions && !common.changed && identical(common.equation, whole));
    EXPECT_EQ(transposeAdvice(equation("0/1:0 | -2/1:1 1/1:0"), Technique::transpose, false, Method::standard)
                  ->advice,
              std::nullopt);
    // Overflow throws; a sign alone is read in 128 bits (x²·2³¹ + 2³¹ has D = −2⁶⁴).
    EXPECT_THROW(combiningLikeTerms(equation("9223372036854775807/1:1 1/1:1 |").LHS, false),
                 std::overflow_error);
    EXPECT_THROW(analyzeQuadratic(equation("1/1:2 8589934592/1:1 |")), std::overflow_error);
    EXPECT_EQ(analyzeQuadratic(equation("2147483648/1:2 2147483648/1:0 |")).status, Quadratic_status::none);
}

// The solution set of a relation line, read as a·x + b (relation) 0.
std::optional<LinearSolution> lineSolution(const Record& line) {
    const testing::DecodedItem root = testing::decodeRecord(line);  // validates the record
    if (root.kind != "join" || std::find(kSymbols.begin(), kSymbols.end(), root.values[0]) == kSymbols.end())
        return std::nullopt;
    const auto at = [&](std::int64_t x) {
        const testing::AlgebraLineValue v = evaluateAlgebraLine(line, x);
        const Fraction d = (v.left - v.right).rationalPart();
        return Rational(static_cast<std::int64_t>(d.num), static_cast<std::int64_t>(d.den));
    };
    const Rational b = at(0), a = *at(1).adding(*b.negated());
    return linearSolution(PolyEquation(Polynomial({Monomial(a, 1), Monomial(b, 0)}), Polynomial(),
                                       indexIn<Relation>(kSymbols, root.values[0])));
}

// `checked` holds the lines of the case already found sound.
::testing::AssertionResult sound(const SolverResult& r, const LinearSolution& expected, bool continued,
                                 Style style, std::set<Record>& checked) {
    for (std::size_t i = 0; i < r.steps.size(); ++i) {
        const bool face = r.comments[i] == Comment{"🤔"} || r.comments[i] == Comment{"😎"};
        if (r.comments[i].empty() || face != (!continued && (i == 0 || i + 1 == r.steps.size())))
            return ::testing::AssertionFailure() << "the comments of step " << i;
        for (const Record& line : r.steps[i]) {
            if (!checked.insert(line).second) continue;
            if (style == Style::decimal) {  // rounded: the record well formed only
                if (auto valid = testing::IsValidRecord(line); !valid) return valid;
            } else if (const auto solution = lineSolution(line); solution && !same(*solution, expected)) {
                return ::testing::AssertionFailure() << "step " << i << ": " << text(line);
            }
        }
    }
    if (r.steps.size() != r.comments.size() || r.steps.empty() ||
        (!continued && r.steps.back().back() != verdictLine(expected, "x", style)))
        return ::testing::AssertionFailure() << "the number of steps or the closing line";
    return ::testing::AssertionSuccess();
}

// The L and P cases: the verdicts as SymPy's solveset has them, and the
// solvers under every option set (a fifth of the cases under the sanitizers).
TEST(LinearSolvers, EveryOptionSetKeepsTheSolutionSet) {
    std::vector<Case> all = cases("verdict_cases.txt", 'L'), parenthesised = cases("verdict_cases.txt", 'P');
    ASSERT_TRUE(all.size() >= 80 && parenthesised.size() >= 40);
    all.insert(all.end(), parenthesised.begin(), parenthesised.end());
    for (std::size_t n = 0; n < all.size(); ++n) {
        const Case& c = all[n];
        std::istringstream words(c.expected);
        std::string status, value, solved;
        words >> status >> value >> solved;
        const LinearSolution expected{rational(value), indexIn<Relation>(kRelations, solved),
                                      indexIn<Status>(kStatuses, status)};
        EXPECT_TRUE(same(linearSolution(c.equation), expected)) << c.given;
        EXPECT_TRUE(c.given[0] == 'P' || same(linearSolution(toPolyEquation(c.equation)), expected))
            << c.given;
        if (testing::kSanitized && n % 5 != 0) continue;
        std::set<Record> checked;
        for (const Technique technique : {Technique::balance, Technique::transpose})
            for (const int draw : {0, 1, 2})  // standard, then smart with either draw
                for (const Style style : {Style::fraction, Style::rational_fraction, Style::decimal})
                    for (int flags = 0; flags < 8; ++flags) {
                        const bool colored = flags & 1, clearing = flags & 2, continued = flags & 4;
                        Draw random(draw);
                        const SolverResult r =
                            solveLinear(c.equation, {.technique = technique,
                                                     .colored = colored,
                                                     .continued = continued,
                                                     .style = style,
                                                     .method = draw == 0 ? Method::standard : Method::smart,
                                                     .fractions = clearing != colored,
                                                     .clearing = clearing,
                                                     .random = random});
                        EXPECT_TRUE(sound(r, expected, continued, style, checked)) << c.given << flags;
                        // Each round of distributing takes one pair of parentheses away.
                        EXPECT_LE(std::count(r.comments.begin(), r.comments.end(),
                                             Comment{"distribute to remove (  )"}),
                                  std::count(c.given.begin(), c.given.end(), '@'));
                    }
    }
}

TEST(LinearSolvers, WorkedExamplesAndSoundBehaviour) {
    const SolverResult r = solveLinear(equation("2/1:1 1/1:0 | 7/1:0"), {.colored = true});
    ASSERT_EQ(r.comments, (Comments{{"🤔"}, {"constant terms opposite to x"}, {"solve for x"}, {"😎"}}));
    std::string shown;  // lines parted by " | ", steps by " || "
    for (const Step& step : r.steps)
        for (const Record& line : step) shown += text(line) + (&line == &step.back() ? " || " : " | ");
    const std::string opening = R"(((("2" 🖇 "x") + "1") = "7"))",
                      moved = R"((("2" 🖇 "x") = ("7" − "1")))";
    EXPECT_EQ(
        shown,
        opening +
            R"-( || ((("2" 🖇 "x") +{red} "1"{red}) = "7") | (("2" 🖇 "x") = ("7" −{red} "1"{red})) | )-" +
            moved + " || " + opening + " | " + moved +
            R"-( | (("2" 🖇 "x") = "6") | (("" 🖇 "x") = ("6" /{red} "2"{red})) | ("x" = "3") || )-" +
            opening + R"-( | ("x" = "3") || )-");
    for (const bool colored : {true, false})  // −2x < 6: the relation turns, red only when colored
        EXPECT_EQ(text(solveLinear(equation("-2/1:1 | 6/1:0", Relation::less_than),
                                   {.colored = colored, .continued = true})
                           .steps[0][1]),
                  colored ? R"((("" 🖇 "x") >{red} ("6" /{red} "-2"{red})))"
                          : R"((("" 🖇 "x") > ("6" / "-2")))");

    // The mends.
    const auto solve = [](const PolyEquation& e) {
        return solveLinear(e, {.technique = Technique::balance, .continued = true});
    };
    // The decimal note for 10ᵏ only; the solvers refuse a square and a second letter.
    EXPECT_TRUE(clearingNote(3, Style::decimal) == clearingNote(3, Style::fraction) &&
                clearingNote(100, Style::decimal) ==
                    "\nhighest decimal place count\nis 2, multiply both sides\nby 10² = 100");
    PolyEquation twoLetters = equation("1/1:1 3/1:0 | 1/1:1");
    twoLetters.RHS.terms[0].variable = "y";
    EXPECT_THROW(solve(equation("1/1:2 | 4/1:0")), std::invalid_argument);
    EXPECT_THROW(solve(twoLetters), std::invalid_argument);
    // Empty sides of a flat equation are written 0.
    EXPECT_EQ(text(solve(PolyEquation(Polynomial(std::vector<Monomial>{}), equation("1/0:0 |").LHS,
                                      Relation::equal_to))
                       .steps[0][0]),
              R"(("0" = [+1/0]))");
    // An equation with a side without term lists is only "unexpected error".
    for (const bool left : {true, false})
        EXPECT_EQ(
            text(record(Ext_polyEquation(left ? Ext_polynomial({}) : side("1/1:0"),
                                         left ? side("1/1:0") : Ext_polynomial({}), Relation::less_than),
                        Style::fraction)),
            R"("unexpected error")");
    // 2·(3·(x + 1)) = 12 is x = 1; 2y·(5) = 10 is y = 1; 2·(0y + x) = 2 is solved for x: so say
    // the last working line and the verdict.
    const auto solvedAs = [](const Ext_polynomial& left, const char* right, const std::string& line) {
        const Steps steps =
            solveLinear(Ext_polyEquation(left, side(right), Relation::equal_to),
                        {.technique = Technique::balance, .colored = true, .method = Method::smart})
                .steps;
        EXPECT_EQ(text(steps.end()[-2].back()) + text(steps.back().back()), line + line);
    };
    Ext_polynomial twoY = side("5/1:0 ; 2/1:1@0"), zeroY = side("0/1:1 1/1:1 ; 2/1:0@0");
    twoY.terms[1][0].monomial.variable = zeroY.terms[0][0].monomial.variable = "y";
    solvedAs(side("1/1:1 1/1:0 ; 3/1:0@0 ; 2/1:0@1"), "12/1:0", R"(("x" = "1"))");
    solvedAs(twoY, "10/1:0", R"(("y" = "1"))");
    solvedAs(zeroY, "2/1:0", R"(("x" = "1"))");
    // Malformed: a list naming itself or a later one, an empty list, a list named twice, no list.
    for (const Ext_polynomial& bad : {side("1/1:1 2/1:0@0"), side("1/1:1 ; 2/1:0@2 ; 1/1:0"),
                                      side("1/1:1 ; "), side("1/1:1 ; 2/1:0@0 3/1:0@0"), Ext_polynomial({})})
        EXPECT_THROW(linearSolution(Ext_polyEquation(bad, side("1/1:0"), Relation::equal_to)),
                     std::invalid_argument);
}

// The first `count` steps of a solution: each its comment, then its lines with their colours.
std::string whole(const SolverResult& r, std::size_t count = SIZE_MAX) {
    std::string shown;
    for (std::size_t i = 0; i < std::min(count, r.steps.size()); ++i) {
        shown += "[" + r.comments[i].at(0) + "]";
        for (const Record& line : r.steps[i]) shown += " " + text(line) + " |";
        shown += "\n";
    }
    return shown;
}

// Worked examples whole, coloured: a slip in a colour or a comment shows here.
TEST(LinearSolvers, WorkedExamplesWhole) {
    EXPECT_EQ(whole(solveLinear(equation("-2/1:1 | 6/1:0", Relation::less_than), {.colored = true})),
              R"-([🤔] (("-2" 🖇 "x") < "6") |
[solve for x] (("-2" 🖇 "x") < "6") | (("" 🖇 "x") >{red} ("6" /{red} "-2"{red})) | ("x" > "-3") |
[😎] (("-2" 🖇 "x") < "6") | ("x" > "-3") |
)-");
    // x/2 + x/3 = 5/6: the denominators and the multiplier red, two blank lines before the note.
    const std::string
        halvesAndThirds = R"-(((([+1/2] 🖇 "x") + ([+1/3] 🖇 "x")) = [+5/6]) |)-",
        timesSix = R"-((("6" 🖇 ()((([+1/2] 🖇 "x") + ([+1/3] 🖇 "x")))) = ("6" 🖇 ()([+5/6]))) |)-",
        cleared = R"-(((("3" 🖇 "x") + ("2" 🖇 "x")) = "5") |)-";
    EXPECT_EQ(
        whole(solveLinear(equation("1/2:1 1/3:1 | 5/6:0"), {.colored = true})),
        "[🤔] " + halvesAndThirds + "\n[clear fractions] " +
            R"-(((([+1/2]{black,black,red,black} 🖇 "x") + ([+1/3]{black,black,red,black} 🖇 "x")) = )-"
            R"-([+5/6]{black,black,red,black}) | (("6"{red} 🖇 ()((([+1/2] 🖇 "x") + ([+1/3] 🖇 "x")))) = )-"
            R"-(("6"{red} 🖇 ()([+5/6]))) | )-" +
            cleared +
            " BLANK | BLANK | \"6 is LCM of denominators\n\nwe can use any multiple of the\n"
            "denominators to clear fractions\" |\n[combine like terms] " +
            halvesAndThirds + " " + timesSix + " " + cleared + R"-( (("5" 🖇 "x") = "5") |)-" +
            "\n[solve for x] " + halvesAndThirds + " " + timesSix + " " + cleared +
            R"-( (("5" 🖇 "x") = "5") | (("" 🖇 "x") = ("5" /{red} "5"{red})) | ("x" = "1") |)-" +
            "\n[😎] " + halvesAndThirds + R"-( ("x" = "1") |)-" + "\n");
    // 2(y + 1) = 4: the carrier, its terms and the products red while distributing.
    Ext_polynomial y = side("1/1:1 1/1:0 ; 2/1:0@0");
    y.terms[0][0].monomial.variable = "y";
    EXPECT_EQ(whole(solveLinear(Ext_polyEquation(y, side("4/1:0"), Relation::equal_to), {.colored = true})),
              R"-([🤔] (("2" 🖇 ()(("y" + "1"))) = "4") |
[distribute to remove (  )] (("2"{red} 🖇 (){red}(("y"{red} +{red} "1"{red}))) = "4") | ((("2"{red} 🖇 "y"{red}) +{red} "2"{red}) = "4") |
[constant terms opposite to y] (("2" 🖇 ()(("y" + "1"))) = "4") | ((("2" 🖇 "y") +{red} "2"{red}) = "4") | (("2" 🖇 "y") = ("4" −{red} "2"{red})) | (("2" 🖇 "y") = ("4" − "2")) |
[solve for y] (("2" 🖇 ()(("y" + "1"))) = "4") | ((("2" 🖇 "y") + "2") = "4") | (("2" 🖇 "y") = ("4" − "2")) | (("2" 🖇 "y") = "2") | (("" 🖇 "y") = ("2" /{red} "2"{red})) | ("y" = "1") |
[😎] (("2" 🖇 ()(("y" + "1"))) = "4") | ("y" = "1") |
)-");
    // x/2 + 1/3·(x + 1) = 1: the parentheses solver's own clearing step, its note on one line.
    EXPECT_EQ(whole(solveLinear(extEquation("1/1:1 1/1:0 ; 1/2:1 1/3:0@0 | 1/1:0"), {.colored = true}), 2),
              R"-([🤔] ((([+1/2] 🖇 "x") + ([+1/3] 🖇 ()(("x" + "1")))) = "1") |
[clear fractions] ((([+1/2]{black,black,red,black} 🖇 "x") + ([+1/3]{black,black,red,black} 🖇 ()(("x" + "1")))) = "1") | (("6"{red} 🖇 ()((([+1/2] 🖇 "x") + ([+1/3] 🖇 ()(("x" + "1")))))) = ("6"{red} 🖇 ()("1"))) | ((("3" 🖇 "x") + ("2" 🖇 ()(("x" + "1")))) = "6") | "
6 is LCM of denominators

we can use any multiple of the
denominators to clear fractions" |
)-");
    // A coefficient over 0: every solver writes the one "oops" step.
    const std::string oops = R"-( | BLANK | BLANK | "division by zero" | "please correct" |
)-";
    EXPECT_EQ(whole(solveLinear(equation("1/0:1 1/1:0 | 2/1:0"))),
              R"-([oops] ((([+1/0] 🖇 "x") + "1") = "2"))-" + oops);
    EXPECT_EQ(whole(solveLinear(extEquation("1/1:1 1/0:0 ; 2/1:0@0 | 2/1:0"))),
              R"-([oops] (("2" 🖇 ()(("x" + [+1/0]))) = "2"))-" + oops);
    for (const Quadratic_method m :
         {Quadratic_method::formula, Quadratic_method::factor, Quadratic_method::complete_the_square})
        EXPECT_EQ(whole(solveQuadratic(equation("1/1:2 1/0:1 | 2/1:0"), m)),
                  R"-([oops] (("x²" + ([+1/0] 🖇 "x")) = "2"))-" + oops);
}

const Quadratic_method kMethods[] = {Quadratic_method::formula, Quadratic_method::factor,
                                     Quadratic_method::complete_the_square};

SolverResult solved(const PolyEquation& e, Quadratic_method m, Style style = Style::fraction,
                    bool continued = false) {
    Draw random(1);
    return solveQuadratic(e, m,
                          {.technique = Technique::balance,
                           .colored = true,
                           .continued = continued,
                           .style = style,
                           .random = random});
}

SurdValue value(const Quadratic_solution& s) {
    return SurdValue(testing::fraction(s.a)) + SurdValue(testing::fraction(s.b)) * SurdValue::root(s.c);
}

// A line whose outermost item is "=" has left less right side λ·P for one λ ≠ 0.
::testing::AssertionResult multipleOf(const Record& line, const PolyEquation& P) {
    const testing::DecodedItem root = testing::decodeRecord(line);
    if (root.kind != "join" || root.values[0] != "=") return ::testing::AssertionSuccess();
    std::optional<SurdValue> lambda;
    for (const Fraction& x : kPoints) {
        const auto sides = evaluateAlgebraLine(line, x);
        const SurdValue p = differenceAt(P, x);
        if (!lambda && !p.isZero()) lambda = (sides.left - sides.right) / p;
        if ((lambda && lambda->isZero()) || !(sides.left - sides.right == lambda.value_or(0) * p))
            return ::testing::AssertionFailure() << text(line) << " is no multiple of the equation";
    }
    return ::testing::AssertionSuccess();
}

// Every property of one worked solution; `roots` are the distinct roots, ascending, of kind `kind`.
void check(const PolyEquation& e, Quadratic_method m, Style style, bool continued,
           const std::vector<SurdValue>& roots, Quadratic_status kind) {
    const SolverResult r = solved(e, m, style, continued);
    const std::string what = text(record(e, Style::fraction)) + " by " + rawValue(m);
    ASSERT_TRUE(r.steps.size() == r.comments.size() && testing::AreValidSteps(r.steps)) << what;
    EXPECT_EQ(r.comments.front()[0] == text::kThinking && r.comments.back()[0] == text::kCool, !continued);
    for (std::size_t s = 0; s < r.steps.size(); ++s) {
        const std::string& comment = r.comments[s].at(0);
        const Step& lines = r.steps[s];
        const Record& last = lines.back();
        if (comment == "substitute in formula and solve") {  // the standard form, then the ± branches
            const std::size_t at = lines.size() - (roots.empty() ? 14 : 15);
            EXPECT_TRUE(multipleOf(lines[at], e)) << what;
            if (roots.empty()) continue;
            const SurdValue minus = evaluateAlgebraLine(lines[at + 9], 0, "x", -1).right,
                            plus = evaluateAlgebraLine(lines[at + 9], 0, "x", 1).right;
            EXPECT_TRUE((minus == roots.front() && plus == roots.back()) ||
                        (minus == roots.back() && plus == roots.front()))
                << what;
        } else if (comment == "zero-product rule") {  // each factor is 0 at the root beside it, a root of P
            const auto solved = evaluateAlgebraPieces(last, 0);
            for (std::size_t i = 0; i < solved.size(); ++i) {
                const auto f = evaluateAlgebraPieces(lines.end()[-2], solved[i].right.rationalPart()).at(i);
                EXPECT_TRUE(f.left == f.right && std::count(roots.begin(), roots.end(), solved[i].right))
                    << what;
            }
        } else if (comment == "complete the factorization") {  // the product is exactly the side it factors
            for (const Fraction& x : kPoints) {
                const auto before = evaluateAlgebraLine(lines.end()[-2], x),
                           after = evaluateAlgebraLine(last, x);
                EXPECT_TRUE(before.left == after.left && before.right == after.right) << what;
            }
        } else if (style != Style::decimal && comment != "square root and solve") {
            for (const Record& line : lines) EXPECT_TRUE(multipleOf(line, e)) << what << ", " << comment;
        }
    }
    if (continued) return;
    const Step& closing = r.steps.back();
    const auto status = std::find_if(closing.begin(), closing.end(), [&](const Record& l) {
        return text(l) == "\"" + rawValue(kind) + "\"";
    });
    ASSERT_NE(status, closing.end()) << what << " is not " << rawValue(kind);
    const auto written =
        roots.empty() ? decltype(evaluateAlgebraPieces({}, 0)){} : evaluateAlgebraPieces(status[-1], 0);
    ASSERT_EQ(written.size(), roots.size()) << what;
    for (std::size_t i = 0; i < roots.size(); ++i) {  // irrational decimals to their eight digits
        const double root = double(roots[i].approximate());
        EXPECT_TRUE(written[i].left == roots[i] ||
                    (style == Style::decimal && std::abs(double(written[i].left.approximate()) - root) <
                                                    1e-7 * std::max(1.0, std::abs(root))))
            << what;
    }
}

// The Q cases and the quadratic fixture (zero b and c, negative a, every status among them): the
// analysis root by root as SymPy's real roots, and every solver by every property of `check`, in
// every style, alone and continued.
TEST(QuadraticSolvers, AgreeWithSymPy) {
    std::vector<Case> all = cases("verdict_cases.txt", 'Q'), more = cases("quadratic_cases.txt");
    ASSERT_TRUE(all.size() >= 40 && more.size() == 20);
    all.insert(all.end(), more.begin(), more.end());
    for (const Case& c : all) {
        const PolyEquation e = toPolyEquation(c.equation);
        std::istringstream expected(c.expected);
        std::string status, a, b, k;
        expected >> status;
        const auto kind = indexIn<Quadratic_status>(kQuadraticStatuses, status);
        std::vector<SurdValue> roots;
        std::vector<Quadratic_solution> listed;  // a repeated root once or twice
        while (expected >> a >> b >> k) {
            listed.push_back({rational(a), rational(b), std::stoll(k)});
            if (roots.empty() || !(roots.back() == value(listed.back())))
                roots.push_back(value(listed.back()));
        }
        const QuadraticAnalysis got = analyzeQuadratic(e);
        EXPECT_TRUE(got.status == kind &&
                    (listed.empty() ? !got.first && !got.second
                                    : got.first && identical(*got.first, listed.front()) && got.second &&
                                          identical(*got.second, listed.back())))
            << c.given;
        // A cube on both sides cancels on the quadratic road.
        for (const Quadratic_method m : kMethods)
            for (int o = 0; o < 6; ++o) check(e, m, static_cast<Style>(o % 3), o > 2, roots, kind);
    }
}
// A grid of P = a·x² + b·x + c, a in −6…6 without 0, b and c in −10…10, each coefficient over 1, 2,
// 3, 4 or 10, its terms spread over both sides (negated on the right; now and then x/3 on both), one
// method and option set per P in turn (a fifth of P under the sanitizers). Roots by the evaluator in
// Q(√c): (−b ± √D)/2a.
TEST(QuadraticSolvers, GridOfQuadratics) {
    const std::int64_t denominators[] = {1, 2, 3, 4, 10};
    std::size_t n = 0;
    for (std::int64_t a = -6; a <= 6; ++a)
        for (std::int64_t b = -10; b <= 10 && a != 0; ++b)
            for (std::int64_t c = -10; c <= 10; ++c, ++n) {
                if (testing::kSanitized && n % 5 != 0) continue;
                const Rational p[] = {Rational(c, denominators[n % 5]), Rational(b, denominators[n / 5 % 5]),
                                      Rational(a, denominators[n / 25 % 5])};
                std::vector<Monomial> left, right;
                for (std::uint64_t e = 0; e < 3; ++e)
                    if (n / 12 >> e & 1)
                        right.emplace_back(*p[e].negated(), e);
                    else
                        left.emplace_back(p[e], e);
                for (auto* side : {&left, &right})
                    if (n % 7 == 0 || side->empty()) side->emplace_back(Rational(n % 7 == 0, 3), 1);
                const SurdValue A(testing::fraction(p[2])), B(testing::fraction(p[1])),
                    D = B * B - SurdValue(4) * A * SurdValue(testing::fraction(p[0]));
                std::vector<SurdValue> roots;
                if (!(D.approximate() < 0))
                    for (const int sign : {-1, 1})
                        roots.push_back((-B + SurdValue(sign) * SurdValue::root(D)) / (SurdValue(2) * A));
                if (A.approximate() < 0) std::reverse(roots.begin(), roots.end());
                if (D.isZero()) roots.pop_back();
                const Quadratic_status kind = roots.empty()           ? Quadratic_status::none
                                              : D.isZero()            ? Quadratic_status::rational_repeated
                                              : roots[0].isRational() ? Quadratic_status::rational_distinct
                                                                      : Quadratic_status::irrational_distinct;
                check(PolyEquation(Polynomial(left), Polynomial(right), Relation::equal_to), kMethods[n % 3],
                      n / 3 % 2 ? Style::decimal : Style::fraction, n / 6 % 2, roots, kind);
            }
}

// The worked examples: the comments between the opening and the closing, and a line of the last of them.
TEST(QuadraticSolvers, WorkedExamplesAndSoundBehaviour) {
    const Quadratic_method F = Quadratic_method::factor, C = Quadratic_method::complete_the_square;
    const std::string factored = "complete the factorization|zero-product rule|",
                      square = "constant term to right hand side|complete the square|square root and solve|",
                      down = "descending powers of x|";
    const struct {
        Quadratic_method method;
        std::string given, comments, line;
    } examples[] = {
        {F, "1/1:2 1/1:1 -6/1:0 |", factored,
         R"(((("" 🖇 ()(("x" − "2"))) 🖇 ()(("x" + "3"))) = "0"))"},
        {F, "6/1:2 -5/1:1 1/1:0 |", factored,
         R"(((("" 🖇 ()((("2" 🖇 "x") − "1"))) 🖇 ()((("3" 🖇 "x") − "1"))) = "0"))"},
        {F, "6/1:2 -4/1:1 |", factored,
         R"(((("2" 🖇 "x") 🖇 ("" 🖇 ()((("3" 🖇 "x") − "2")))) = "0"))"},
        {F, "-6/1:2 4/1:1 |", factored,
         R"(((("-2" 🖇 "x") 🖇 ("" 🖇 ()((("3" 🖇 "x") − "2")))) = "0"))"},
        {F, "3/1:2 |", "zero-product rule|", R"(("x"{clear} ={clear} "0"{clear}))"},
        {F, "1/1:2 -2/1:0 |", "no solution|", R"("factors but not over integers")"},
        {F, "1/1:2 1/1:0 |", "no solution|", R"("no solution")"},
        {C, "1/1:2 6/1:1 5/1:0 |", square, R"((("x"{red} +{red} "3"{red}) ={red} ±{red}(√{red}("4"{red}))))"},
        {C, "2/1:2 | 8/1:0",
         down + "divide by coefficient of x²|constant term to right hand side|square root and solve|",
         R"(("x²" = "4"))"},
        {C, "1/1:2 3/1:1 | 10/1:0", down + square, R"(("x" = ([-3/2] ± [+7/2])))"},
        {C, "1/1:2 2/1:1 | -5/1:0", down + square, R"("negative RHS, no solution")"},
        {Quadratic_method::formula, "2/1:2 3/1:1 | 2/1:2 5/1:0",
         "same square term on both sides|solve for x|", R"(("x" = [+5/3]))"},
    };
    for (const auto& x : examples) {
        const PolyEquation e = equation(x.given + " 0/1:0");
        const SolverResult r = solved(e, x.method);
        std::string comments;
        for (std::size_t i = 1; i + 1 < r.comments.size(); ++i) comments += r.comments[i][0] + "|";
        EXPECT_EQ(comments, x.comments) << x.given;
        const Step& last = r.steps.end()[-2];
        EXPECT_TRUE(
            std::any_of(last.begin(), last.end(), [&](const Record& l) { return text(l) == x.line; }));
        // Technique, colored and method leave completing the square alone.
        EXPECT_TRUE(x.method == F || r.steps == solveQuadratic(e, C, {.method = Method::smart}).steps);
    }
    // Formula, x² + 1: b is a bare 0, squared without parentheses, and no line says "from calculator".
    const Step formula = solved(equation("1/1:2 1/1:0 | 0/1:0"), Quadratic_method::formula).steps.at(1);
    EXPECT_EQ(text(formula.at(9)),
              R"(("x" = (("0"{blue} ± √((("0"{blue} ^ "2") − (("4" 🖇 ()("1"{red})) 🖇 )"
              R"(()("1"{gray}))))) / ("2" 🖇 ()("1"{red})))))");
    EXPECT_EQ(formula.size(), 14U);
    // Roots as written: a sum over its denominator, and zero in decimals.
    EXPECT_EQ(text(record({Rational(-1, 2), Rational(1, 2), 5}, Style::rational_fraction)),
              R"((("-1" + √("5")) / "2"))");
    EXPECT_EQ(text(record({Rational(0, 1), Rational(0, 1), 0}, Style::decimal)), R"("0")");

    // The mends: refusals instead of a wrong answer or a division by 0, the
    // factors in the equation's own letter, overflow caught.
    for (const auto& [given, relation, reason] :
         {std::tuple{"1/1:3 1/1:2 -1/1:0 |", Relation::equal_to, "not a quadratic equation"},
          {"1/1:3 1/1:1 | 1/1:3 2/1:0", Relation::equal_to, "not a quadratic equation"},
          {"1/1:2 -4/1:0 |", Relation::less_than, "quadratic inequality"}})
        for (const Quadratic_method m : kMethods) {
            const SolverResult refused =
                solved(equation(given + std::string(" 0/1:0"), relation), m, Style::fraction, true);
            EXPECT_EQ(refused.comments, Comments{{"oops"}});
            EXPECT_EQ(text(refused.steps.at(0).at(3)), "\"" + std::string(reason) + "\"") << given;
        }
    const Polynomial twoLetters({Monomial(Rational(1, 1), 2), Monomial(Rational(1, 1), 1, "y")});
    EXPECT_EQ(solved(PolyEquation(twoLetters, Polynomial(), Relation::equal_to), kMethods[2]).comments,
              Comments{{"oops"}});
    // Decimals over 2 and 3 are cleared by their lcm 6, not by a power of ten.
    const Step clearing =
        solved(equation("1/2:2 1/3:1 -1/1:0 | 0/1:0"), Quadratic_method::factor, Style::decimal).steps[1];
    EXPECT_EQ(
        text(clearing.back()),
        "\"6 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions\"");
    EXPECT_FALSE(factorOutGcdStep(equation("0/1:2 0/1:0 | 0/1:0")));
    EXPECT_EQ(gcdStepNote(-1) + gcdStepNote(-2),
              " \nfactor out  -1\ndivide both sides by  -1\n2 is greatest common "
              "divisor\n\nfactor out  -2\ndivide both sides by  -2");
    const Polynomial y({Monomial(Rational(1, 1), 2, "y"), Monomial(Rational(-4, 1), 0, "y")});
    EXPECT_EQ(
        text(record(*factorability(PolyEquation(y, Polynomial(), Relation::equal_to)), Style::fraction)),
        R"(((("" 🖇 ()(("y" + "2"))) 🖇 ()(("y" − "2"))) = "0"))");
    const Rational huge(1, INT64_MAX), zeroDenominator(1, 0);
    EXPECT_THROW(record({huge, Rational(1, INT64_MAX - 1), 2}, Style::rational_fraction),
                 std::overflow_error);
    EXPECT_THROW(record({zeroDenominator, huge, 2}, Style::rational_fraction), std::domain_error);
}

}  // namespace
}  // namespace radixmender
