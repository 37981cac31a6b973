// The linear solvers over every option set, against SymPy's solution sets
// (the L cases of verdict_cases.txt and parentheses_cases.txt, written once
// by tests/tools/): every relation line keeps the input's solution set, the
// shape of the steps holds, the closing line is the verdict. A few worked
// examples and the refusals are pinned.
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

using testing::Fraction;

const std::vector<std::string> kRelations = {"=", "<", ">", "<=", ">="}, kSymbols = {"=", "<", ">", "≤", "≥"};

// "n/d:e" or "n/d:e@j" lists parted by ";", the top level last.
Ext_polynomial side(const std::string& text) {
    std::vector<std::vector<Term>> lists(1);
    std::istringstream in(text);
    for (std::string t; in >> t;) {
        if (t == ";") {
            lists.emplace_back();
            continue;
        }
        const auto slash = t.find('/'), colon = t.find(':'), at = t.find('@');
        const Monomial m(Rational(std::stoll(t.substr(0, slash)), std::stoll(t.substr(slash + 1))),
                         std::stoull(t.substr(colon + 1)));
        lists.back().emplace_back(
            m, std::pair<bool, std::uint64_t>{at != std::string::npos,
                                              at == std::string::npos ? 0 : std::stoull(t.substr(at + 1))});
    }
    return Ext_polynomial(lists);
}

struct Case {
    Ext_polyEquation equation;
    LinearSolution expected;
};

// "rel left | right => status value rel'" lines of a fixture, after `skip` characters.
std::vector<Case> cases(const char* file, char kind, std::size_t skip) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / file);
    std::vector<Case> all;
    for (std::string line; std::getline(in, line);) {
        if (kind && line[0] != kind) continue;
        std::istringstream words(line.substr(skip));
        std::string rel, status, value, solved, left, right, t;
        words >> rel;
        for (std::string* s = &left; words >> t && t != "=>";)
            t == "|" ? void(s = &right) : void(*s += t + " ");
        words >> status >> value >> solved;
        const auto index = [](const std::vector<std::string>& names, const std::string& name) {
            return std::find(names.begin(), names.end(), name) - names.begin();
        };
        const auto slash = value.find('/');
        all.push_back(
            {Ext_polyEquation(side(left), side(right), static_cast<Relation>(index(kRelations, rel))),
             {Rational(std::stoll(value.substr(0, slash)), std::stoll(value.substr(slash + 1))),
              static_cast<Relation>(index(kRelations, solved)),
              static_cast<Status>(index({"unique", "infinite", "none"}, status))}});
    }
    return all;
}

// The solution set of a relation line read as a·x + b (relation) 0.
std::optional<LinearSolution> lineSolution(const Record& line) {
    const testing::DecodedItem root = testing::decodeRecord(line);
    if (root.kind != "join" || std::find(kSymbols.begin(), kSymbols.end(), root.values[0]) == kSymbols.end())
        return std::nullopt;
    const auto difference = [&](const Fraction& x) {
        const testing::AlgebraLineValue v = testing::evaluateAlgebraLine(line, x);
        return (v.left - v.right).rationalPart();
    };
    const Fraction b = difference(0), a = difference(1) - b;
    const auto relation =
        static_cast<Relation>(std::find(kSymbols.begin(), kSymbols.end(), root.values[0]) - kSymbols.begin());
    const auto narrow = [](const Fraction& f) {
        return Rational(static_cast<std::int64_t>(f.num), static_cast<std::int64_t>(f.den));
    };
    return linearSolution(PolyEquation(Polynomial({Monomial(narrow(a), 1), Monomial(narrow(b), 0)}),
                                       Polynomial({Monomial()}), relation));
}

bool same(const LinearSolution& a, const LinearSolution& b) {
    return testing::identical(a.value, b.value) && a.relation == b.relation && a.status == b.status;
}

// Always draws the same number.
struct Draw final : RandomSource {
    std::int64_t value;
    explicit Draw(std::int64_t v) : value(v) {}
    std::int64_t uniform(std::int64_t, std::int64_t) override { return value; }
    bool coin() override { return false; }
};

// `checked` holds the lines already found sound for this case.
::testing::AssertionResult soundSolution(const SolverResult& r, const Case& c, bool continued, Style style,
                                         std::set<Record>& checked) {
    if (r.steps.size() != r.comments.size() || r.steps.empty())
        return ::testing::AssertionFailure() << "steps and comments differ in number";
    for (std::size_t i = 0; i < r.steps.size(); ++i) {
        const bool face = r.comments[i] == Comment{"🤔"} || r.comments[i] == Comment{"😎"};
        if (r.comments[i].empty() || face != (!continued && (i == 0 || i + 1 == r.steps.size())))
            return ::testing::AssertionFailure() << "comments of step " << i;
        for (const Record& line : r.steps[i]) {
            if (!checked.insert(line).second) continue;
            const auto solution = lineSolution(line);  // decoding validates the record
            if (style != Style::decimal && solution && !same(*solution, c.expected))
                return ::testing::AssertionFailure() << "step " << i << ": " << testing::describeRecord(line);
        }
    }
    if (!continued && r.steps.back().back() != verdictLine(c.expected, "x", style))
        return ::testing::AssertionFailure()
               << "closing line " << testing::describeRecord(r.steps.back().back());
    return ::testing::AssertionSuccess();
}

std::size_t carriers(const Ext_polyEquation& e) {
    std::size_t n = 0;
    for (const Ext_polynomial* s : {&e.LHS, &e.RHS})
        for (const auto& list : s->terms)
            n += std::count_if(list.begin(), list.end(), [](const Term& t) { return t.sub_exp.first; });
    return n;
}

TEST(LinearSolvers, EveryOptionSetKeepsTheSolutionSet) {
    std::vector<Case> all = cases("verdict_cases.txt", 'L', 2);
    const std::size_t flat = all.size();
    for (Case& c : cases("parentheses_cases.txt", 0, 0)) all.push_back(std::move(c));
    ASSERT_GE(flat, 80U);
    ASSERT_GE(all.size(), flat + 50);
    for (std::size_t n = 0; n < all.size(); n += testing::kSanitized ? 5 : 1) {
        const Case& c = all[n];
        EXPECT_TRUE(same(linearSolution(c.equation), c.expected)) << n;
        std::set<Record> checked;
        for (const Technique technique : {Technique::balance, Technique::transpose})
            for (const int draw : {0, 1, 2})
                for (const Style style : {Style::fraction, Style::rational_fraction, Style::decimal})
                    for (const int flags : {0, 1, 2, 3, 4, 5, 6, 7}) {
                        const bool colored = flags & 1, clearing = flags & 2, continued = flags & 4;
                        const Method method = draw == 0 ? Method::standard : Method::smart;
                        Draw random(draw);
                        const SolverResult r =
                            n < flat
                                ? solveLinear(PolyEquation(Polynomial(toPolynomial(c.equation.LHS)),
                                                           toPolynomial(c.equation.RHS), c.equation.relation),
                                              technique, colored, continued, style, method, clearing, random)
                                : solveLinear(c.equation, technique, colored, continued, style, method,
                                              clearing != colored, clearing, random);
                        EXPECT_TRUE(soundSolution(r, c, continued, style, checked))
                            << n << " flags " << flags;
                        EXPECT_LE(std::count(r.comments.begin(), r.comments.end(),
                                             Comment{"distribute to remove (  )"}),
                                  carriers(c.equation));
                    }
    }
}

PolyEquation flat(const std::string& left, const std::string& right, Relation relation = Relation::equal_to) {
    return {toPolynomial(side(left)), toPolynomial(side(right)), relation};
}

TEST(LinearSolvers, WorkedExamples) {
    const SolverResult r = solveLinear(flat("2/1:1 1/1:0", "7/1:0"), Technique::transpose, true, false,
                                       Style::fraction, Method::standard, true);
    ASSERT_EQ(r.comments, (Comments{{"🤔"}, {"constant terms opposite to x"}, {"solve for x"}, {"😎"}}));
    const std::string equation = R"(((("2" 🖇 "x") + "1") = "7"))",
                      moved = R"((("2" 🖇 "x") = ("7" − "1")))";
    EXPECT_EQ(testing::describeLines(r.steps[1]),
              (std::vector<std::string>{R"(((("2" 🖇 "x") +{red} "1"{red}) = "7"))",
                                        R"((("2" 🖇 "x") = ("7" −{red} "1"{red})))", moved}));
    EXPECT_EQ(testing::describeLines(r.steps[2]),
              (std::vector<std::string>{equation, moved, R"((("2" 🖇 "x") = "6"))",
                                        R"((("" 🖇 "x") = ("6" /{red} "2"{red})))", R"(("x" = "3"))"}));
    EXPECT_EQ(testing::describeLines(r.steps[3]), (std::vector<std::string>{equation, R"(("x" = "3"))"}));
    // −2x < 6: the relation turns, red only when colored.
    for (const bool colored : {true, false})
        EXPECT_EQ(testing::describeLines(solveLinear(flat("-2/1:1", "6/1:0", Relation::less_than),
                                                     Technique::transpose, colored, true, Style::fraction,
                                                     Method::standard, true)
                                             .steps[0])[1],
                  colored ? R"((("" 🖇 "x") >{red} ("6" /{red} "-2"{red})))"
                          : R"((("" 🖇 "x") > ("6" / "-2")))");
    // 2(y + 1) = 4.
    const SolverResult y =
        solveLinear(Ext_polyEquation(side("1/1:1 1/1:0 ; 2/1:0@0"), side("4/1:0"), Relation::equal_to),
                    Technique::transpose, false, false, Style::fraction, Method::standard, true, true);
    EXPECT_EQ(y.comments, (Comments{{"🤔"},
                                    {"distribute to remove (  )"},
                                    {"constant terms opposite to x"},
                                    {"solve for x"},
                                    {"😎"}}));
    EXPECT_EQ(clearingNote(100, Style::decimal),
              "\nhighest decimal place count\nis 2, multiply both sides\nby 10² = 100");
}

TEST(LinearSolvers, SoundBehaviour) {
    const auto solve = [](const PolyEquation& e) {
        return solveLinear(e, Technique::balance, false, true, Style::fraction, Method::standard, true);
    };
    // A decimal multiplier that is no power of ten gets the fractions wording.
    EXPECT_EQ(clearingNote(3, Style::decimal), clearingNote(3, Style::fraction));
    EXPECT_THROW(solve(flat("1/1:2", "4/1:0")), std::invalid_argument);
    Polynomial y = toPolynomial(side("1/1:1"));
    y.terms[0].variable = "y";
    EXPECT_THROW(solve(PolyEquation(toPolynomial(side("1/1:1 3/1:0")), y, Relation::equal_to)),
                 std::invalid_argument);
    // An empty side beside a zero denominator is written 0.
    EXPECT_EQ(testing::describeRecord(solve(PolyEquation(Polynomial(std::vector<Monomial>{}),
                                                         toPolynomial(side("1/0:0")), Relation::equal_to))
                                          .steps[0][0]),
              R"(("0" = [+1/0]))");
    // 2·(3·(x + 1)) = 12 is x = 1; 2y·(5) = 10 is y = 1; 0y + 2·(x) = 2 is solved for x.
    EXPECT_FALSE(distributeCoefficient(side("1/1:1 1/1:0 ; 3/1:0@0 ; 2/1:0@1")));
    EXPECT_TRUE(same(linearSolution(Ext_polyEquation(side("1/1:1 1/1:0 ; 3/1:0@0 ; 2/1:0@1"), side("12/1:0"),
                                                     Relation::equal_to)),
                     {Rational(1, 1), Relation::equal_to, Status::unique}));
    Ext_polynomial twoY = side("5/1:0 ; 2/1:1@0"), zeroY = side("1/1:1 ; 0/1:1 2/1:0@0");
    twoY.terms[1][0].monomial.variable = zeroY.terms[1][0].monomial.variable = "y";
    for (const auto& [left, right, verdict] :
         {std::tuple{twoY, "10/1:0", "(\"y\" = \"1\")"}, std::tuple{zeroY, "2/1:0", "(\"x\" = \"1\")"}})
        EXPECT_EQ(testing::describeRecord(solveLinear(Ext_polyEquation(left, side(right), Relation::equal_to),
                                                      Technique::balance, true, false, Style::fraction,
                                                      Method::smart, true, true)
                                              .steps.back()
                                              .back()),
                  verdict);
    // Malformed sides: a list naming itself or a later one, an empty list, a list named twice, no list.
    for (const Ext_polynomial& bad : {side("1/1:1 2/1:0@0"), side("1/1:1 ; 2/1:0@2 ; 1/1:0"),
                                      side("1/1:1 ; "), side("1/1:1 ; 2/1:0@0 3/1:0@0"), Ext_polynomial({})})
        EXPECT_THROW(linearSolution(Ext_polyEquation(bad, side("1/1:0"), Relation::equal_to)),
                     std::invalid_argument);
    EXPECT_EQ(testing::describeRecord(record(
                  Ext_polyEquation(Ext_polynomial({}), side("1/1:0"), Relation::less_than), Style::fraction)),
              R"(("0" < "1"))");
}

}  // namespace
}  // namespace radixmender
