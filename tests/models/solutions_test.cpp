// Every form over a generated sample of problems, one row per form: each
// solution passes `checkSolution` in application and as a continuation, the
// problems a form hands over are the simpler model's exactly, and every path
// of the form is reached.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "models/radixmender_practice_model.hpp"
#include "models/shapes.hpp"
#include "records/text.hpp"
#include "tests/models/solve.hpp"
#include "tests/support/model_check.hpp"

namespace radixmender {
namespace {

using std::int64_t;
using testing::ModelProblem;
using namespace shapes;

// A seeded sample of the integers the forms take, mostly small (zero, one,
// negatives and squares among them), a third of them products of small
// factors or radicands rich in square factors, where the steps' reductions meet.
class Draws final : public RandomSource {
public:
    explicit Draws(std::uint64_t seed) : engine_(seed) {}
    int64_t uniform(int64_t low, int64_t high) override {
        return std::uniform_int_distribution<int64_t>(low, high)(engine_);
    }
    bool coin() override { return uniform(0, 1) == 1; }
    int64_t factors(int count) {
        int64_t n = coin() ? 1 : -1;
        for (int i = 0; i < count; ++i) n *= uniform(1, 6);
        return n;
    }
    int64_t numerator() { return uniform(0, 2) != 0 ? uniform(-12, 12) : factors(3); }
    int64_t coefficient() { return uniform(0, 2) != 0 ? uniform(-9, 9) : factors(2); }
    int64_t radicand() {
        static const int64_t rich[] = {8, 12, 18, 20, 24, 27, 32, 45, 48, 50, 72, 75, 98, 200};
        return uniform(0, 2) != 0 ? uniform(-3, 60) : rich[uniform(0, std::size(rich) - 1)];
    }
    std::string order() { return coin() ? kOrderBefore : kOrderAfter; }

private:
    std::mt19937_64 engine_;
};

std::string describe(const std::string& form, const std::vector<int64_t>& values, const std::string& order) {
    std::string text = form + " with";
    for (const int64_t v : values) text += " " + std::to_string(v);
    return text + ", " + order;
}

template <class Model>
std::function<ModelOutput(const std::string&)> solver(Model model) {
    return [model](const std::string& context) { return model.steps(context); };
}

// A hand-over only for problems with a value: an error is drawn in the problem's own form.
ModelProblem withHandOver(ModelProblem p, std::function<ModelOutput(const std::string&)> simpler) {
    if (testing::problemValue(p.numerator, p.terms)) p.handOver = std::move(simpler);
    return p;
}

ModelProblem formA(int64_t a, int64_t b, int64_t c, const std::string& order) {
    return {describe(kFormA, {a, b, c}, order), a, {{b, c}}, solver(Radixmender_A_Model{a, b, c, order}), {}};
}

ModelProblem formB(int64_t a, int64_t b, int64_t c, int64_t d, bool wholeFirst, const std::string& order) {
    const char* form = wholeFirst ? kTemplateWholeFirst : kTemplateRadicalFirst;
    ModelProblem p{
        describe(form, {a, b, c, d}, order), a, {}, solver(Radixmender_B_Model{a, b, c, d, form, order}), {}};
    // The whole term w and the term k√r.
    const auto [w, k, r] = wholeFirst ? std::tuple{b, c, d} : std::tuple{d, b, c};
    p.terms = wholeFirst ? testing::Terms{{w, 1}, {k, r}} : testing::Terms{{k, r}, {w, 1}};
    if (k == 0 || r == 0) return withHandOver(p, solver(Radixmender_A_Model{a, w, 1, order}));
    if (w == 0) return withHandOver(p, solver(Radixmender_A_Model{a, k, r, order}));
    return p;
}

ModelProblem formC(int64_t a, int64_t b, int64_t c, int64_t d, int64_t e, const std::string& order) {
    ModelProblem p{describe(kFormC, {a, b, c, d, e}, order),
                   a,
                   {{b, c}, {d, e}},
                   solver(Radixmender_C_Model{a, b, c, d, e, order}),
                   {}};
    if (b == 0 || c == 0) return withHandOver(p, solver(Radixmender_A_Model{a, d, e, order}));
    if (d == 0 || e == 0) return withHandOver(p, solver(Radixmender_A_Model{a, b, c, order}));
    if (c == 1) return withHandOver(p, solver(Radixmender_B_Model{a, b, d, e, kTemplateWholeFirst, order}));
    if (e == 1) return withHandOver(p, solver(Radixmender_B_Model{a, b, c, d, kTemplateRadicalFirst, order}));
    return p;
}

// The practice line read back on its own: the numerator, then each term of
// the denominator as (coefficient, radicand), radicand 1 for a whole term.
testing::Terms readBack(const std::string& line, int64_t& numerator) {
    const std::string root = text::kRadical, minus = std::string(" ") + text::kMinusSign + " ";
    const auto open = line.find("/(");
    numerator = parseInteger(line.substr(0, open)).value();
    std::string rest = line.substr(open + 2, line.size() - open - 3) + " + ";
    testing::Terms terms;
    for (int64_t sign = 1; !rest.empty();) {
        const auto cut = std::min(rest.find(" + "), rest.find(minus));
        const std::string t = rest.substr(0, cut);
        const auto at = t.find(root);
        const std::string k = t.substr(0, at);
        terms.emplace_back(sign * (k.empty()  ? 1
                                   : k == "-" ? -1
                                              : parseInteger(k).value()),
                           at == std::string::npos ? 1 : parseInteger(t.substr(at + root.size())).value());
        sign = rest.compare(cut, minus.size(), minus) == 0 ? -1 : 1;
        rest.erase(0, cut + (sign < 0 ? minus.size() : 3));
    }
    return terms;
}

// A practice problem of a level, solved by the practice model: it must be the
// form model's solution of the entries, and its line must show those entries.
ModelProblem practice(Draws& draws) {
    const int64_t level = draws.uniform(0, 3);
    const PracticeProblem problem = Radixmender_Practice_Model::makeProblem(level, draws);
    const std::vector<std::string>& row = problem.entries.at(0).at(0);
    std::vector<int64_t> v;
    for (std::size_t i = 1; i < row.size(); ++i) v.push_back(parseInteger(row[i]).value());
    const std::string order = draws.order();
    ModelProblem p = row[0] == kFormA ? formA(v.at(0), v.at(1), v.at(2), order)
                     : row[0] == kFormC
                         ? formC(v.at(0), v.at(1), v.at(2), v.at(3), v.at(4), order)
                         : formB(v.at(0), v.at(1), v.at(2), v.at(3), row[0] == kTemplateWholeFirst, order);
    EXPECT_EQ(level == 0, row[0] == kFormA);
    EXPECT_EQ(level >= 2, row[0] == kFormC);
    int64_t numerator = 0;
    EXPECT_EQ(readBack(problem.displayLines.at(0), numerator), p.terms) << problem.displayLines[0];
    EXPECT_EQ(numerator, p.numerator) << problem.displayLines[0];
    // Only form C has a negative first coefficient, and then with a negative second one.
    EXPECT_TRUE(p.terms[0].first > 0 || (level >= 2 && p.terms[1].first < 0)) << problem.displayLines[0];
    Radixmender_Practice_Model model;
    // Entries beyond the form's and the multi-line choices are not read.
    std::vector<std::string> entries(row.begin() + 1, row.end());
    if (draws.coin()) entries.push_back("x");
    model.inputs = {{entries}};
    model.options = {{row[0]}, {order}};
    model.multiLine = {{"anything"}};
    p.handOver = p.steps;
    p.steps = [model](const std::string&) { return model.steps(); };
    return p;
}

struct FormRow {
    std::function<ModelProblem(Draws&)> draw;
    int count;
    bool continuation;  // also checked outside application
    std::set<std::string> paths;
};

const std::set<std::string> kPathsA = {kSimple,      kSimplify,       kSimplifyRadical,
                                       kRadixmender, kRootOfNegative, kDivisionByZero};

std::set<std::string> with(std::set<std::string> paths, const std::set<std::string>& more) {
    paths.insert(more.begin(), more.end());
    return paths;
}

void sweep(const FormRow& row) {
    Draws draws(20261206);
    std::set<std::string> reached;
    const int count = testing::kSanitized ? row.count / 20 : row.count;
    for (int i = 0; i < count; ++i) {
        const ModelProblem p = row.draw(draws);
        ASSERT_TRUE(testing::checkSolution(p, kApplication, i % 8 == 0, &reached));
        if (row.continuation && i % 4 == 0) {
            ASSERT_TRUE(testing::checkSolution(p, kModule, i % 8 == 0));
        }
    }
    for (const std::string& path : row.paths) EXPECT_TRUE(reached.count(path)) << "never reached: " << path;
}

TEST(Solutions, FormA) {
    sweep({[](Draws& d) {
               const int64_t a = d.numerator(), b = d.coefficient(), c = d.radicand();
               return formA(a, b, c, d.order());
           },
           20000, true, kPathsA});
}

// One problem in eight has terms that meet: a whole term and a perfect
// square, or two radicals alike up to a square, with the same coefficient
// (b²c = d²e) or not.
TEST(Solutions, FormB) {
    sweep({[](Draws& d) {
               const bool wholeFirst = d.coin();
               const int64_t a = d.numerator(), k = d.coefficient(), x = d.uniform(1, 6);
               const bool meet = d.uniform(0, 7) == 0;
               const int64_t r = meet ? x * x : d.radicand(), w = meet && d.coin() ? -k * x : d.coefficient();
               return wholeFirst ? formB(a, w, k, r, true, d.order()) : formB(a, k, r, w, false, d.order());
           },
           20000, true, with(kPathsA, {kDenominatorZero})});
}

TEST(Solutions, FormC) {
    sweep({[](Draws& d) {
               const int64_t a = d.numerator();
               if (d.uniform(0, 7) == 0) {
                   const int64_t m = d.uniform(2, 3), x = d.uniform(1, 3), y = d.uniform(1, 3);
                   const int64_t k = d.coefficient(), sign = d.coin() ? 1 : -1;
                   const int64_t dd = d.coin() ? sign * k * x : d.coefficient();
                   return formC(a, k * y, m * x * x, dd, m * y * y, d.order());
               }
               const int64_t b = d.coefficient(), c = d.radicand(), dd = d.coefficient(), e = d.radicand();
               return formC(a, b, c, dd, e, d.order());
           },
           30000, true, with(kPathsA, {kDenominatorZero, kSquareNumberHere, kRadicalsAreSame, kAdvisory})});
}

TEST(Solutions, Practice) {
    sweep({practice,
           6000,
           false,
           {kSimple, kSimplify, kSimplifyRadical, kRadixmender, kSquareNumberHere, kRadicalsAreSame}});
}

// Products are formed only where they decide something, and an overflow is
// reported, never wrapped; three-digit entries never come near the limits.
TEST(Solutions, OverflowThrowsInsteadOfWrapping) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max(), kMin = std::numeric_limits<int64_t>::min();
    for (const std::string problem :
         {"1 4611686018427387903 9", "1 4611686018427387903 3", "1 -9223372036854775808 4",
          "w 1 9223372036854775807 1 2", "w 1 2 9223372036854775807 4", "r 1 3000000000 3000000000 1",
          "r 1 -9223372036854775808 4 1", "r -9223372036854775808 -1 2 3", "1 9223372036854775807 2 -1 3"})
        EXPECT_THROW(testing::solve(problem, kOrderBefore, kApplication), std::overflow_error) << problem;
    EXPECT_THROW(testing::solve("1 3037000500 5 1 3", kOrderAfter, kApplication), std::overflow_error);
    // Settled before the products: a negative radicand beside a huge coefficient.
    EXPECT_EQ(testing::oopsMessage(Radixmender_C_Model{1, kMax, -1, -1, 2}.steps()), kRootOfNegative);
    EXPECT_NO_THROW(Radixmender_A_Model(-999, -999, 998).steps());
    EXPECT_THROW(reducedQuotient(kMin, 3), std::overflow_error);
    EXPECT_THROW(reducedQuotient(3, 0), std::domain_error);
    EXPECT_EQ(signedGcd(4, 6, 0), -2);  // the sign of a zero is taken as negative
    EXPECT_THROW(Radixmender_A_Model::simplifyRadicalStep(1, 1, -8, false), std::invalid_argument);
    // With a = c = 0 every reducing divisor is gcd(0, 0) = 0: the builders throw
    // instead of dividing by zero.
    EXPECT_THROW(Radixmender_A_Model::clearDenominatorStep(0, 1, 0, "after", false), std::domain_error);
    EXPECT_THROW(Radixmender_A_Model::simplifyRadicalStep(0, 1, 0, false), std::domain_error);
    EXPECT_THROW(Radixmender_A_Model::simplifyResultRadicalStep(1, 1, 0), std::domain_error);
}

}  // namespace
}  // namespace radixmender
