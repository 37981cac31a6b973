// The solvers' verdicts against SymPy (verdict_cases.txt, written once by
// tests/tools/write_solver_fixtures.py), every transform on random equations
// against the exact values of its sides, and a few worked examples pinned.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <set>
#include <sstream>

#include "solvers/clean_up.hpp"
#include "solvers/moving_terms.hpp"
#include "solvers/numbers.hpp"
#include "solvers/queries.hpp"
#include "solvers/rearranging.hpp"
#include "solvers/verdicts.hpp"
#include "tests/support/algebra_check.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::Fraction;
using testing::identical;
using testing::valueAt;

Rational rational(const std::string& text) {
    const auto slash = text.find('/');
    return {std::stoll(text.substr(0, slash)), std::stoll(text.substr(slash + 1))};
}

// "n/d:e n/d:e | n/d:e": the terms of both sides, coefficients as written.
PolyEquation equation(const std::string& text, Relation relation = Relation::equal_to) {
    std::vector<Monomial> sides[2];
    std::istringstream in(text);
    int at = 0;
    for (std::string t; in >> t;) {
        if (t == "|")
            ++at;
        else
            sides[at].emplace_back(rational(t), std::stoull(t.substr(t.find(':') + 1)));
    }
    return {Polynomial(sides[0]), Polynomial(sides[1]), relation};
}

// The fixture's lines of one kind, split at "=>".
std::vector<std::pair<std::string, std::istringstream>> fixture(char kind) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "verdict_cases.txt");
    std::vector<std::pair<std::string, std::istringstream>> cases;
    for (std::string line; std::getline(in, line);) {
        const auto arrow = line.find(" => ");
        if (line[0] == kind)
            cases.emplace_back(line.substr(2, arrow - 2), std::istringstream(line.substr(arrow + 4)));
    }
    return cases;
}

// Fixture names in the order of the enumerations.
const std::vector<std::string> kRelations = {"=", "<", ">", "<=", ">="},
                               kStatuses = {"unique", "infinite", "none"},
                               kQuadraticStatuses = {"rational_repeated", "rational_distinct",
                                                     "irrational_repeated", "irrational_distinct", "none"};

Relation relation(const std::string& name) {
    return static_cast<Relation>(std::find(kRelations.begin(), kRelations.end(), name) - kRelations.begin());
}

TEST(Verdicts, LinearSolutionAgreesWithSolveset) {
    auto cases = fixture('L');
    ASSERT_GE(cases.size(), 80U);
    for (auto& [given, expected] : cases) {
        std::string status, value, solved;
        expected >> status >> value >> solved;
        const auto blank = given.find(' ');
        const LinearSolution got =
            linearSolution(equation(given.substr(blank), relation(given.substr(0, blank))));
        EXPECT_TRUE(identical(got.value, rational(value)) &&
                    kRelations[static_cast<int>(got.relation)] == solved &&
                    kStatuses[static_cast<int>(got.status)] == status)
            << given;
    }
}

TEST(Verdicts, QuadraticAnalysisAgreesWithRealRoots) {
    auto cases = fixture('Q');
    ASSERT_GE(cases.size(), 40U);
    for (auto& [given, expected] : cases) {
        std::string status, a, b, c;
        expected >> status;
        const QuadraticAnalysis got = analyzeQuadratic(equation(given));
        EXPECT_EQ(kQuadraticStatuses[static_cast<int>(got.status)], status) << given;
        for (const auto& root : {got.first, got.second}) {
            const bool listed = static_cast<bool>(expected >> a >> b >> c);
            EXPECT_TRUE(listed ? root && identical(*root, {rational(a), rational(b), std::stoll(c)}) : !root)
                << given;
        }
    }
}

TEST(Verdicts, StepExclusionsAndTheSolvedForm) {
    // Style (0 fraction, 1 rational fraction, 2 decimal) and the answer (0 none, 1 reduce, 2 clear, 3 both),
    // then the equation.
    for (const std::string text :
         {"23 2/1:1 3/1:0 | 7/1:0", "23 1/1:1 | 1/2:0", "21 3/1:1 | 1/2:0", "03 1/3:1 | 5/1:0",
          "02 2/3:1 | 5/1:0", "00 1/3:1 1/1:1 | 5/1:0", "02 1/1:1 | 1/2:0", "00 1/1:1 1/2:0 | 3/1:0",
          "12 1/1:1 1/2:0 | 0/1:0", "02 1/2:1 | 1/3:0", "00 1/2:1 1/3:0 | 1/1:0", "02 1/2:1 | 1/3:0 0/1:0",
          "00 1/2:1 | 1/3:1"}) {
        EXPECT_EQ(stepExclusions(equation(text.substr(3)), static_cast<Style>(text[0] - '0')),
                  static_cast<Step_exclusions>(text[1] - '0'))
            << text;
    }
    // Solved (+) or not (-) outside the decimal style.
    for (const std::string text : {"+1/1:1 | 1/2:0", "+1/1:1 | -4/1:0", "-1/1:1 | 3/6:0", "-2/1:1 | 1/1:0",
                                   "--1/1:1 | 3/1:0", "-1/1:1 0/1:0 | 5/1:0", "-1/1:1 | 1/0:0"})
        EXPECT_EQ(isSolved(equation(text.substr(1)), false), text[0] == '+') << text;
    EXPECT_TRUE(isSolved(equation("1/1:1 | 3/6:0"), true));
}

// Random equations: 1 to 4 terms a side in x, exponents up to `top`,
// numerators in ±12 (zeros included), denominators in ±6, some items red.
struct Generator {
    std::mt19937_64 rng{17};
    std::int64_t pick(std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(rng);
    }
    Color color() { return pick(0, 3) == 0 ? Color::red : Color::black; }
    Polynomial side(std::int64_t top) {
        std::vector<Monomial> terms(static_cast<std::size_t>(pick(1, 4)));
        for (Monomial& m : terms) {
            std::int64_t d = 0;
            while (d == 0) d = pick(-6, 6);
            const Rational c(pick(0, 5) == 0 ? 0 : pick(-12, 12), d, color(), color(), color());
            m = Monomial(c, static_cast<std::uint64_t>(pick(0, top)), "x", color());
        }
        return Polynomial(terms);
    }
    PolyEquation equation(std::int64_t top) {
        return {side(top), side(top), static_cast<Relation>(pick(0, 4)), color()};
    }
};

const Fraction kPoints[] = {Fraction(-2), Fraction(1, 3)};

// Each side of `after` is `factor` times the matching side of `before`.
::testing::AssertionResult sidesScaled(const PolyEquation& before, const PolyEquation& after,
                                       std::int64_t factor = 1) {
    for (const Fraction& x : kPoints)
        if (!(valueAt(after.LHS, x) == valueAt(before.LHS, x) * factor &&
              valueAt(after.RHS, x) == valueAt(before.RHS, x) * factor))
            return ::testing::AssertionFailure() << "a side changed its value at x = " << x.toString();
    return ::testing::AssertionSuccess();
}

testing::SurdValue differenceAt(const PolyEquation& e, const Fraction& x) {
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

::testing::AssertionResult validLines(const std::vector<PolyEquation>& equations) {
    for (const Record& line : std::accumulate(
             equations.begin(), equations.end(), std::vector<Record>{}, [](auto lines, const PolyEquation&e) {
                 return appendRecoloredEquationRecord(std::move(lines), e, Style::fraction);
             }))
        if (auto valid = testing::IsValidRecord(line); !valid) return valid;
    return ::testing::AssertionSuccess();
}

TEST(Transforms, CleanUpsKeepTheValueOfEverySide) {
    Generator g;
    for (int i = 0; i < 400; ++i) {
        const PolyEquation e = g.equation(2);
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
    }
}

TEST(Transforms, RearrangingKeepsTheEquation) {
    Generator g;
    for (int i = 0; i < 300; ++i) {
        const PolyEquation random = g.equation(2);
        for (const PolyEquation& e : {random, PolyEquation(random.LHS, zeroSide(), random.relation),
                                      PolyEquation(zeroSide(), random.RHS, random.relation)}) {
            const ExchangedSides x = exchangeSidesStep(e);
            if (!x.equations) {
                EXPECT_TRUE(e.RHS == zeroSide() && isInDescendingOrder(e.LHS));
                continue;
            }
            const PolyEquation& last = x.equations->back();
            const int sign = x.note == "exchange sides for convenience" ? -1 : 1;
            EXPECT_TRUE(identical(x.equations->front(), e) && validLines(*x.equations));
            EXPECT_TRUE(isInDescendingOrder(last.LHS) && last.RHS == zeroSide() &&
                        last.relation == e.relation);
            EXPECT_TRUE(x.note != "left hand side for convenience" || isTidy(last.LHS));
            for (const Fraction& p : kPoints) EXPECT_EQ(differenceAt(last, p), differenceAt(e, p) * sign);
        }
        // The same square term added to both sides of a combined equation cancels.
        PolyEquation same = combiningLikeTerms(random, false).equation;
        const Monomial square(Rational(g.pick(1, 5), g.pick(1, 3)), 2);
        const bool hadSquares = hasTerm(same.LHS, 2) || hasTerm(same.RHS, 2);
        same.LHS.terms.push_back(square);
        same.RHS.terms.push_back(square);
        const auto cancelled = cancellingSameSquareTerm(same);
        EXPECT_TRUE(cancelled || hadSquares);
        for (const Fraction& p : kPoints)
            EXPECT_TRUE(!cancelled || hadSquares || differenceAt(*cancelled, p) == differenceAt(same, p));
    }
}

// Always draws the same number from 1 to 5.
struct Draw final : RandomSource {
    std::int64_t value;
    explicit Draw(std::int64_t v) : value(v) {}
    std::int64_t uniform(std::int64_t low, std::int64_t high) override {
        return low == 1 && high == 5 ? value : -1;
    }
    bool coin() override { throw std::logic_error("no coin is tossed"); }
};

TEST(TermMoves, EveryEquationShownHasTheVerdictOfTheInput) {
    Generator g;
    for (int i = 0; i < 200; ++i) {
        // Like the linear core: one letter, like terms combined.
        const PolyEquation e = combiningLikeTerms(g.equation(1), false).equation;
        const LinearSolution verdict = linearSolution(e);
        const auto sameVerdict = [&](const PolyEquation& shown) {
            const LinearSolution v = linearSolution(shown);
            return identical(v.value, verdict.value) && v.relation == verdict.relation &&
                   v.status == verdict.status;
        };
        for (const Technique technique : {Technique::balance, Technique::transpose})
            for (const Method method : {Method::standard, Method::smart})
                for (const std::int64_t draw : {1, 2}) {
                    Draw random(draw);
                    const bool colored = draw == 1;
                    const auto moved = transposeAdvice(e, technique, colored, method, random);
                    const PolyEquation gathered =
                        moved ? recolored(moved->equations.back(), Color::black, Color::black, Color::black)
                              : e;
                    if (moved) {
                        EXPECT_TRUE(
                            std::all_of(moved->equations.begin(), moved->equations.end(), sameVerdict) &&
                            validLines(moved->equations))
                            << i;
                        EXPECT_TRUE(!moved->advice || !moved->advice->empty());
                        EXPECT_TRUE(!hasTerm(gathered.LHS, 1) || !hasTerm(gathered.RHS, 1)) << i;
                    }
                    const EditedTerms edited = editTermsStep(gathered, technique, colored);
                    EXPECT_TRUE(sameVerdict(edited.first) && sameVerdict(edited.second) &&
                                sameVerdict(edited.third));
                    const PolyEquation after = combiningLikeTerms(edited.third, false).equation;
                    for (const Polynomial& side : {after.LHS, after.RHS})
                        EXPECT_FALSE(hasTerm(side, 1) && hasTerm(side, 0)) << i;
                }
    }
}

TEST(Anchors, WorkedExamples) {
    const CombinedSide combined = combiningLikeTerms(equation("2/1:1 3/1:0 1/1:1 -3/1:0 |").LHS, false);
    EXPECT_TRUE(combined.changed && identical(combined.side, Polynomial({Monomial(Rational(3, 1), 1)})));
    EXPECT_TRUE(
        identical(clearingFractions(equation("1/2:1 1/3:0 | 1/4:0")), equation("6/1:1 4/1:0 | 3/1:0")));
    EXPECT_TRUE(identical(*reciprocal(Rational(-2, 6)), Rational(-3, 1)) && !reciprocal(Rational(0, 5)));
    const PolyEquation zeroLeft = equation("0/1:0 | -1/1:0 1/1:2");
    const ExchangedSides x = exchangeSidesStep(zeroLeft);
    EXPECT_TRUE(x.equations && identical(*x.equations, {zeroLeft, equation("0/1:0 | 1/1:2 -1/1:0"),
                                                        equation("1/1:2 -1/1:0 | 0/1:0")}));
    EXPECT_EQ(x.note, "exchange sides for convenience");
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
}

TEST(Anchors, SoundBehaviour) {
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

}  // namespace
}  // namespace radixmender
