// Form B over a dense random sample of small problems, both templates, both
// orders: every line keeps the problem's value, the answer is reduced, the
// working ends reduced, steps follow the continuation rules, and problems with
// a vanished term are form A's answer exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"
#include "tests/models/b_test_util.hpp"
#include "tests/support/model_check.hpp"

namespace radixmender {
namespace {

using namespace form_b_test;
using testing::commentsOf;
using testing::SurdValue;

bool hasSquareFactor(std::int64_t n) {
    for (std::int64_t k = 2; k * k <= n; ++k)
        if (n % (k * k) == 0) return true;
    return false;
}

struct Problem {
    bool wholeFirst = true;
    bool before = true;
    std::int64_t a = 0, b = 0, c = 0, d = 0;

    [[nodiscard]] Radixmender_B_Model model() const {
        return {a, b, c, d, wholeFirst ? kWholeFirst : kRadicalFirst, before ? kBeforeOption : kAfterOption};
    }
    [[nodiscard]] std::int64_t radicand() const { return wholeFirst ? d : c; }
    [[nodiscard]] std::int64_t whole() const { return wholeFirst ? b : d; }
    [[nodiscard]] std::int64_t coefficient() const { return wholeFirst ? c : b; }
    // The form A problem a vanished term leaves, if any.
    [[nodiscard]] std::optional<Radixmender_A_Model> handOver() const {
        const std::string order = before ? kBeforeOption : kAfterOption;
        if (coefficient() == 0 || radicand() == 0) return Radixmender_A_Model{a, whole(), 1, order};
        if (whole() == 0) return Radixmender_A_Model{a, coefficient(), radicand(), order};
        return std::nullopt;
    }
    [[nodiscard]] std::string name() const {
        return std::to_string(a) + "/(" +
               (wholeFirst ? std::to_string(b) + " + " + std::to_string(c) + "√" + std::to_string(d)
                           : std::to_string(b) + "√" + std::to_string(c) + " + " + std::to_string(d)) +
               (before ? ") before" : ") after");
    }
};

// The comments of the general path, from the problem alone.
std::vector<std::string> expectedComments(const Problem& p, bool application) {
    const bool squareFactor = hasSquareFactor(p.radicand());
    std::vector<std::string> comments;
    if (application) comments.push_back(text::kThinking);
    if (p.b < 0 || gcd(p.whole(), p.coefficient()) != 1) comments.push_back("simplify");
    if (p.before && squareFactor) comments.push_back("simplify radical");
    comments.push_back("radixmender");
    comments.push_back("simplify");
    if (!p.before && squareFactor) comments.push_back("simplify radical");
    if (application) comments.push_back(text::kCool);
    return comments;
}

// Every problem gets its values, answer and comments checked; `thorough`
// adds the record layout of every line and the module context, which cost
// more than the model itself.
void checkProblem(const Problem& p, bool thorough) {
    SCOPED_TRACE(p.name());
    const Radixmender_B_Model model = p.model();
    const ModelOutput out = model.steps("application");
    if (thorough) {
        ASSERT_TRUE(testing::HasModelStructure(out, "application"));
    }

    const std::optional<Radixmender_A_Model> formA = p.handOver();
    const bool negativeRadicand = p.radicand() < 0;
    const bool bothZero = p.whole() == 0 && (p.coefficient() == 0 || p.radicand() == 0);
    std::optional<SurdValue> expected;
    if (!negativeRadicand && !bothZero) {
        expected = p.wholeFirst ? testing::problemValue(p.a, {{p.b, 1}, {p.c, p.d}})
                                : testing::problemValue(p.a, {{p.b, p.c}, {p.d, 1}});
    }
    ASSERT_EQ(testing::IsErrorOutput(out), !expected.has_value());
    if (!expected) return;

    if (formA) {
        ASSERT_EQ(out, formA->steps("application"));
        if (thorough) {
            ASSERT_EQ(model.steps("module"), formA->steps("module"));
        }
        return;
    }
    ASSERT_TRUE(testing::EveryLineHasValue(out, *expected));
    const std::vector<std::string> comments = commentsOf(out);
    if (p.a == 0) {
        EXPECT_EQ(render(out.detailSteps.back().back()), "= 0");
    } else {
        ASSERT_TRUE(testing::HasCanonicalAnswer(out, *expected));
    }
    const bool general = comments.size() > 3;
    if (general) {
        ASSERT_EQ(comments, expectedComments(p, true));
        const Record& lastWorking = out.detailSteps[out.detailSteps.size() - 2].back();
        const auto fault = reducedWorkingFault(lastWorking);
        EXPECT_FALSE(fault) << *fault << ": " << render(lastWorking);
    } else {
        EXPECT_EQ(comments, (std::vector<std::string>{text::kThinking, "simple", text::kCool}));
    }

    if (!thorough) return;
    const ModelOutput module = model.steps("module");
    ASSERT_TRUE(testing::HasModelStructure(module, "module"));
    ASSERT_TRUE(testing::EveryLineHasValue(module, *expected));
    // The working is the same in both contexts but for the opening of its
    // first step.
    ASSERT_EQ(module.detailSteps.size() + 2, out.detailSteps.size());
    for (std::size_t s = 1; s < module.detailSteps.size(); ++s) {
        EXPECT_EQ(module.detailSteps[s], out.detailSteps[s + 1]) << "step " << s;
        EXPECT_EQ(module.detailComments[s], out.detailComments[s + 1]);
    }
    std::vector<std::string> opening = render(out.detailSteps[1]);
    opening.insert(opening.begin(), "...");
    EXPECT_EQ(render(module.detailSteps[0]), opening);
}

// The radicand takes −3…60 and the other integers −9…9, in both templates.
Problem randomProblem(std::mt19937_64& random) {
    auto pick = [&](std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(high - low + 1));
    };
    Problem p;
    p.wholeFirst = random() % 2 == 0;
    p.before = random() % 2 == 0;
    p.a = pick(-9, 9);
    p.b = pick(-9, 9);
    if (p.wholeFirst) {
        p.c = pick(-9, 9);
        p.d = pick(-3, 60);
    } else {
        p.c = pick(-3, 60);
        p.d = pick(-9, 9);
    }
    return p;
}

TEST(FormBSweep, RandomProblemsOfTheSmallGrid) {
    std::mt19937_64 random(20261206);
    const int count = testing::kSanitized ? 4000 : 60000;
    for (int i = 0; i < count; ++i) {
        checkProblem(randomProblem(random), i % 8 == 0);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// Problems rich in common factors and square factors, where the reductions
// of the steps meet.
TEST(FormBSweep, CommonAndSquareFactorsMeet) {
    const std::vector<std::int64_t> numerators{1, -1, 6, -12};
    const std::vector<std::int64_t> firsts{-6, -2, 1, 4, 12};
    const std::vector<std::int64_t> seconds{-6, -2, 1, 3, 4, 12};
    const std::vector<std::int64_t> radicands{8, 12, 18, 50, 72};
    int i = 0;
    for (const bool wholeFirst : {true, false})
        for (const bool before : {true, false})
            for (const std::int64_t a : numerators)
                for (const std::int64_t first : firsts)
                    for (const std::int64_t second : seconds)
                        for (const std::int64_t radicand : radicands) {
                            if (testing::kSanitized && ++i % 6 != 0) continue;
                            const Problem p = wholeFirst ? Problem{true, before, a, first, second, radicand}
                                                         : Problem{false, before, a, first, radicand, second};
                            checkProblem(p, true);
                            if (::testing::Test::HasFatalFailure()) return;
                        }
}

}  // namespace
}  // namespace radixmender
