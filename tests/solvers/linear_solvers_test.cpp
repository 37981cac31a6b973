// The linear solvers over every option set against SymPy's solution sets
// (the L and P cases of verdict_cases.txt): every relation line keeps the
// input's solution set, the steps keep their shape, the closing line is the
// verdict. The worked examples and the refusals are pinned.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "solvers/clearing_note.hpp"
#include "solvers/linear_core.hpp"
#include "solvers/linear_parentheses.hpp"
#include "solvers/parentheses_records.hpp"
#include "solvers/parentheses_stages.hpp"
#include "tests/support/algebra_check.hpp"
#include "tests/support/model_check.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::describeRecord;

const std::vector<std::string> kRelations = {"=", "<", ">", "<=", ">="}, kSymbols = {"=", "<", ">", "≤", "≥"};

template <class T>
T indexIn(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<T>(std::find(names.begin(), names.end(), name) - names.begin());
}

// "n/d:e" or "n/d:e@j" (times list j) in lists parted by ";", the top level last.
Ext_polynomial side(const std::string& text) {
    std::vector<std::vector<Term>> lists(1);
    std::istringstream in(text);
    for (std::string t; in >> t;) {
        if (t == ";" && (lists.emplace_back(), true)) continue;
        const auto slash = t.find('/'), at = t.find('@');
        lists.back().emplace_back(
            Monomial(Rational(std::stoll(t), std::stoll(t.substr(slash + 1))),
                     std::stoull(t.substr(t.find(':') + 1))),
            std::pair{at != std::string::npos, at == std::string::npos ? 0 : std::stoull(t.substr(at + 1))});
    }
    return Ext_polynomial(lists);
}

PolyEquation flat(const std::string& left, const std::string& right, Relation relation = Relation::equal_to) {
    return {toPolynomial(side(left)), toPolynomial(side(right)), relation};
}

struct Case {
    Ext_polyEquation equation;
    LinearSolution expected;
    std::int64_t carriers;
};

// The "rel left | right => status value rel'" cases of one kind.
std::vector<Case> cases(char kind) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "verdict_cases.txt");
    std::vector<Case> all;
    for (std::string line; std::getline(in, line);) {
        if (line[0] != kind) continue;
        std::istringstream words(line.substr(2));
        std::string rel, status, value, solved, sides[2], t;
        words >> rel;
        for (int at = 0; words >> t && t != "=>";) t == "|" ? void(++at) : void(sides[at] += t + " ");
        words >> status >> value >> solved;
        all.push_back(
            {Ext_polyEquation(side(sides[0]), side(sides[1]), indexIn<Relation>(kRelations, rel)),
             {flat(value + ":0", "").LHS.terms[0].coefficient, indexIn<Relation>(kRelations, solved),
              indexIn<Status>({"unique", "infinite", "none"}, status)},
             std::count(line.begin(), line.end(), '@')});
    }
    return all;
}

// The solution set of a relation line, read as a·x + b (relation) 0.
std::optional<LinearSolution> lineSolution(const Record& line) {
    const testing::DecodedItem root = testing::decodeRecord(line);  // validates the record
    if (root.kind != "join" || std::find(kSymbols.begin(), kSymbols.end(), root.values[0]) == kSymbols.end())
        return std::nullopt;
    const auto at = [&](std::int64_t x) {
        const testing::AlgebraLineValue v = testing::evaluateAlgebraLine(line, x);
        const testing::Fraction d = (v.left - v.right).rationalPart();
        return Rational(static_cast<std::int64_t>(d.num), static_cast<std::int64_t>(d.den));
    };
    const Rational b = at(0), a = *at(1).adding(*b.negated());
    return linearSolution(PolyEquation(Polynomial({Monomial(a, 1), Monomial(b, 0)}), Polynomial(),
                                       indexIn<Relation>(kSymbols, root.values[0])));
}

bool same(const LinearSolution& a, const LinearSolution& b) {
    return testing::identical(a.value, b.value) && a.relation == b.relation && a.status == b.status;
}

struct Draw final : RandomSource {
    std::int64_t value;
    explicit Draw(std::int64_t v) : value(v) {}
    std::int64_t uniform(std::int64_t, std::int64_t) override { return value; }
    bool coin() override { return false; }
};

// `checked` holds the lines of the case already found sound.
::testing::AssertionResult sound(const SolverResult& r, const Case& c, bool continued, Style style,
                                 std::set<Record>& checked) {
    for (std::size_t i = 0; i < r.steps.size(); ++i) {
        const bool face = r.comments[i] == Comment{"🤔"} || r.comments[i] == Comment{"😎"};
        if (r.comments[i].empty() || face != (!continued && (i == 0 || i + 1 == r.steps.size())))
            return ::testing::AssertionFailure() << "the comments of step " << i;
        for (const Record& line : r.steps[i])
            if (checked.insert(line).second && style != Style::decimal)  // decimals are rounded
                if (const auto solution = lineSolution(line); solution && !same(*solution, c.expected))
                    return ::testing::AssertionFailure() << "step " << i << ": " << describeRecord(line);
    }
    if (r.steps.size() != r.comments.size() || r.steps.empty() ||
        (!continued && r.steps.back().back() != verdictLine(c.expected, "x", style)))
        return ::testing::AssertionFailure() << "the number of steps or the closing line";
    return ::testing::AssertionSuccess();
}

TEST(LinearSolvers, EveryOptionSetKeepsTheSolutionSet) {
    // Without parentheses the solver answers exactly what the linear core does.
    std::vector<Case> all = cases('L'), parenthesised = cases('P');
    ASSERT_TRUE(all.size() >= 80 && parenthesised.size() >= 40);
    all.insert(all.end(), parenthesised.begin(), parenthesised.end());
    for (std::size_t n = 0; n < all.size(); n += testing::kSanitized ? 5 : 1) {
        const Case& c = all[n];
        EXPECT_TRUE(same(linearSolution(c.equation), c.expected)) << n;
        std::set<Record> checked;
        for (const Technique technique : {Technique::balance, Technique::transpose})
            for (const int draw : {0, 1, 2})  // standard, then smart with either draw
                for (const Style style : {Style::fraction, Style::rational_fraction, Style::decimal})
                    for (int flags = 0; flags < 8; ++flags) {
                        const bool colored = flags & 1, clearing = flags & 2, continued = flags & 4;
                        Draw random(draw);
                        const SolverResult r = solveLinear(c.equation, technique, colored, continued, style,
                                                           draw == 0 ? Method::standard : Method::smart,
                                                           clearing != colored, clearing, random);
                        EXPECT_TRUE(sound(r, c, continued, style, checked)) << n << " flags " << flags;
                        // Each round of distributing takes one pair of parentheses away.
                        EXPECT_LE(std::count(r.comments.begin(), r.comments.end(),
                                             Comment{"distribute to remove (  )"}),
                                  c.carriers);
                    }
    }
}

TEST(LinearSolvers, WorkedExamples) {
    const SolverResult r = solveLinear(flat("2/1:1 1/1:0", "7/1:0"), Technique::transpose, true, false,
                                       Style::fraction, Method::standard, true);
    ASSERT_EQ(r.comments, (Comments{{"🤔"}, {"constant terms opposite to x"}, {"solve for x"}, {"😎"}}));
    std::string shown;  // lines parted by " | ", steps by " || "
    for (const Step& step : r.steps)
        for (const Record& line : step)
            shown += describeRecord(line) + (&line == &step.back() ? " || " : " | ");
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
        EXPECT_EQ(
            describeRecord(solveLinear(flat("-2/1:1", "6/1:0", Relation::less_than), Technique::transpose,
                                       colored, true, Style::fraction, Method::standard, true)
                               .steps[0][1]),
            colored ? R"((("" 🖇 "x") >{red} ("6" /{red} "-2"{red})))"
                    : R"((("" 🖇 "x") > ("6" / "-2")))");
}

TEST(LinearSolvers, SoundBehaviour) {
    const auto solve = [](const PolyEquation& e) {
        return solveLinear(e, Technique::balance, false, true, Style::fraction, Method::standard, true);
    };
    // The decimal note for 10ᵏ only; the solvers refuse a square and a second letter.
    EXPECT_TRUE(clearingNote(3, Style::decimal) == clearingNote(3, Style::fraction) &&
                clearingNote(100, Style::decimal) ==
                    "\nhighest decimal place count\nis 2, multiply both sides\nby 10² = 100");
    PolyEquation twoLetters = flat("1/1:1 3/1:0", "1/1:1");
    twoLetters.RHS.terms[0].variable = "y";
    EXPECT_THROW(solve(flat("1/1:2", "4/1:0")), std::invalid_argument);
    EXPECT_THROW(solve(twoLetters), std::invalid_argument);
    // Empty sides are written 0.
    EXPECT_EQ(describeRecord(solve(PolyEquation(Polynomial(std::vector<Monomial>{}), flat("1/0:0", "").LHS,
                                                Relation::equal_to))
                                 .steps[0][0]),
              R"(("0" = [+1/0]))");
    EXPECT_EQ(describeRecord(record(Ext_polyEquation(Ext_polynomial({}), side("1/1:0"), Relation::less_than),
                                    Style::fraction)),
              R"(("0" < "1"))");
    // 2·(3·(x + 1)) = 12 is x = 1; 2y·(5) = 10 is y = 1; 0y + 2·(x) = 2 is solved for x.
    const auto verdict = [](const Ext_polynomial& left, const char* right) {
        return describeRecord(solveLinear(Ext_polyEquation(left, side(right), Relation::equal_to),
                                          Technique::balance, true, false, Style::fraction, Method::smart,
                                          true, true)
                                  .steps.back()
                                  .back());
    };
    Ext_polynomial twoY = side("5/1:0 ; 2/1:1@0"), zeroY = side("1/1:1 ; 0/1:1 2/1:0@0");
    twoY.terms[1][0].monomial.variable = zeroY.terms[1][0].monomial.variable = "y";
    EXPECT_EQ(verdict(side("1/1:1 1/1:0 ; 3/1:0@0 ; 2/1:0@1"), "12/1:0"), R"(("x" = "1"))");
    EXPECT_EQ(verdict(twoY, "10/1:0"), R"(("y" = "1"))");
    EXPECT_EQ(verdict(zeroY, "2/1:0"), R"(("x" = "1"))");
    // Malformed: a list naming itself or a later one, an empty list, a list named twice, no list.
    for (const Ext_polynomial& bad : {side("1/1:1 2/1:0@0"), side("1/1:1 ; 2/1:0@2 ; 1/1:0"),
                                      side("1/1:1 ; "), side("1/1:1 ; 2/1:0@0 3/1:0@0"), Ext_polynomial({})})
        EXPECT_THROW(linearSolution(Ext_polyEquation(bad, side("1/1:0"), Relation::equal_to)),
                     std::invalid_argument);
}

}  // namespace
}  // namespace radixmender
