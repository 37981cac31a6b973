// Whole-solution properties of form C over a dense random sample and a grid
// of small values: every line of every step has the problem's value, the
// answer is fully reduced, errors carry the right message, and the problems
// that form C hands over give exactly the simpler model's solution.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "models/shapes.hpp"
#include "tests/support/model_check.hpp"

namespace radixmender {
namespace {

using std::int64_t;
using testing::EveryLineHasValue;
using testing::HasCanonicalAnswer;
using testing::HasModelStructure;
using testing::IsErrorOutput;
using testing::kSanitized;
using testing::oopsMessage;

const int kSampleSize = kSanitized ? 3000 : 100000;
const std::vector<int64_t> kGridNumerators =
    kSanitized ? std::vector<int64_t>{-6, 0} : std::vector<int64_t>{-6, -1, 0, 1, 10};
const int kGridStride = kSanitized ? 3 : 1;  // every third problem of the grid under the sanitizers

struct Problem {
    int64_t a, b, c, d, e;
    std::string order;
};

std::string describe(const Problem& p) {
    return "a/(b√c + d√e) with a=" + std::to_string(p.a) + " b=" + std::to_string(p.b) +
           " c=" + std::to_string(p.c) + " d=" + std::to_string(p.d) + " e=" + std::to_string(p.e) + ", " +
           p.order;
}

std::string expectedMessage(const Problem& p) {
    if (p.c < 0 || p.e < 0) return shapes::kRootOfNegative;
    if ((p.b == 0 || p.c == 0) && (p.d == 0 || p.e == 0)) return shapes::kDivisionByZero;
    return shapes::kDenominatorZero;
}

// The comments that may open a step without "...": the advisory note in any
// context, and outside application the combined line of equal radicands.
testing::StructureOptions exemptions(const std::string& context) {
    if (context == shapes::kApplication) return {{shapes::kAdvisory}};
    return {{shapes::kAdvisory, shapes::kRadicalsAreSame}};
}

// Checks one problem in one context; returns the output for further checks.
// The structure check decodes every record, which costs more than the
// solution itself, so the random samples run it on a share of the problems.
ModelOutput check(const Problem& p, const std::string& context, bool structure = true) {
    const ModelOutput out = Radixmender_C_Model{p.a, p.b, p.c, p.d, p.e, p.order}.steps(context);
    if (structure) {
        EXPECT_TRUE(HasModelStructure(out, context, exemptions(context))) << describe(p) << " in " << context;
    }
    const auto value = testing::problemValue(p.a, {{p.b, p.c}, {p.d, p.e}});
    if (!value) {
        EXPECT_TRUE(IsErrorOutput(out)) << describe(p);
        EXPECT_EQ(oopsMessage(out), expectedMessage(p)) << describe(p);
        return out;
    }
    EXPECT_FALSE(IsErrorOutput(out)) << describe(p);
    EXPECT_TRUE(EveryLineHasValue(out, *value)) << describe(p) << " in " << context;
    if (context == shapes::kApplication) {
        EXPECT_TRUE(HasCanonicalAnswer(out, *value)) << describe(p);
    }
    return out;
}

TEST(FormCSweep, RandomProblemsKeepTheirValueInEveryLine) {
    std::mt19937_64 engine(20261206);
    std::uniform_int_distribution<int64_t> numerator(-60, 60), coefficient(-15, 15), radicand(-1, 80);
    std::bernoulli_distribution coin(0.5), module(0.2);
    for (int i = 0; i < kSampleSize && !::testing::Test::HasFailure(); ++i) {
        const Problem p{numerator(engine), coefficient(engine),
                        radicand(engine),  coefficient(engine),
                        radicand(engine),  coin(engine) ? shapes::kOrderBefore : shapes::kOrderAfter};
        check(p, module(engine) ? shapes::kModule : shapes::kApplication, i % 8 == 0);
    }
}

// Larger coefficients and radicands with many square factors, where the
// common factors of several steps meet.
TEST(FormCSweep, ProblemsRichInCommonAndSquareFactors) {
    std::mt19937_64 engine(7);
    const int64_t radicands[] = {2,  3,  5,  6,  8,  12, 18, 20,  24,  27,
                                 32, 45, 48, 50, 72, 75, 98, 200, 242, 300};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(radicands) - 1);
    std::uniform_int_distribution<int64_t> factor(1, 6), numerator(-360, 360);
    std::bernoulli_distribution coin(0.5);
    for (int i = 0; i < kSampleSize / 5 && !::testing::Test::HasFailure(); ++i) {
        const int64_t b = factor(engine) * factor(engine) * (coin(engine) ? 1 : -1);
        const int64_t d = factor(engine) * factor(engine) * (coin(engine) ? 1 : -1);
        const Problem p{numerator(engine),       b,
                        radicands[pick(engine)], d,
                        radicands[pick(engine)], coin(engine) ? shapes::kOrderBefore : shapes::kOrderAfter};
        check(p, shapes::kApplication, i % 8 == 0);
    }
}

// Every value of a small grid, both orders: vanished terms, radicands 0 and
// 1, perfect squares, equal radicands, and b²c = d²e with both sign pairs.
// Also the hand-overs: a problem with a vanished term or a radicand of 1 is
// answered by form A or B exactly as if it had been entered there. The
// continuation form is checked with the order "after", which has the most
// ways to open a step.
TEST(FormCSweep, SmallGridReachesEveryPath) {
    const int64_t coefficients[] = {-3, -2, -1, 0, 1, 2, 3};
    const int64_t radicands[] = {-1, 0, 1, 2, 3, 4, 8, 9, 12, 18};
    std::set<std::string> seen;
    int index = 0;
    const auto visit = [&](const Problem& p, const std::string& context) {
        const ModelOutput out = check(p, context);
        for (const Comment& comment : out.detailComments) seen.insert(comment[0]);
        if (IsErrorOutput(out)) {
            seen.insert(oopsMessage(out));
            return;
        }
        const auto [a, b, c, d, e, order] = p;
        std::optional<ModelOutput> simpler;
        if (b == 0 || c == 0) {
            simpler = Radixmender_A_Model{a, d, e, order}.steps(context);
        } else if (d == 0 || e == 0) {
            simpler = Radixmender_A_Model{a, b, c, order}.steps(context);
        } else if (c == 1) {
            simpler = Radixmender_B_Model{a, b, d, e, kTemplateWholeFirst, order}.steps(context);
        } else if (e == 1) {
            simpler = Radixmender_B_Model{a, b, c, d, kTemplateRadicalFirst, order}.steps(context);
        }
        if (simpler) {
            EXPECT_EQ(out, *simpler) << describe(p) << " in " << context;
        }
    };
    for (const int64_t a : kGridNumerators)
        for (const int64_t b : coefficients)
            for (const int64_t c : radicands)
                for (const int64_t d : coefficients)
                    for (const int64_t e : radicands) {
                        if (::testing::Test::HasFailure()) return;
                        if (++index % kGridStride != 0) continue;
                        visit({a, b, c, d, e, shapes::kOrderBefore}, shapes::kApplication);
                        visit({a, b, c, d, e, shapes::kOrderAfter}, shapes::kApplication);
                        visit({a, b, c, d, e, shapes::kOrderAfter}, shapes::kModule);
                    }
    const std::set<std::string> paths = {
        shapes::kRootOfNegative,  shapes::kDivisionByZero,   shapes::kDenominatorZero, shapes::kAdvisory,
        shapes::kRadicalsAreSame, shapes::kSquareNumberHere, shapes::kSimple,          shapes::kSimplify,
        shapes::kSimplifyRadical, shapes::kRadixmender};
    for (const std::string& path : paths) EXPECT_TRUE(seen.count(path)) << "never reached: " << path;
}

}  // namespace
}  // namespace radixmender
