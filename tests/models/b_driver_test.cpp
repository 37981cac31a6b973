// Form B drivers: validation and its messages, hand-overs to form A, the
// "simple" answers, the template and order switches, the continuation rule
// and overflow.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "records/literals.hpp"
#include "tests/models/b_test_util.hpp"
#include "tests/support/line_value.hpp"
#include "tests/support/model_check.hpp"

namespace radixmender {
namespace {

using namespace form_b_test;
using Lines = std::vector<std::string>;
using testing::commentsOf;

Radixmender_B_Model wholeFirst(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                               const char* order = kBeforeOption) {
    return {a, b, c, d, kWholeFirst, order};
}

Radixmender_B_Model radicalFirst(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                 const char* order = kBeforeOption) {
    return {a, b, c, d, kRadicalFirst, order};
}

struct ErrorCase {
    Radixmender_B_Model model;
    const char* problem;  // the error drawing, marked: its "= " is clear in application
    const char* message;
};

TEST(FormBDriver, ErrorsNameTheirCauseInOrderOfPrecedence) {
    const char* root = "\u221A of negative number";
    const char* zero = "division by zero";
    const char* cancel = "denominator evaluates to zero";
    const std::vector<ErrorCase> cases{
        // A negative radicand outranks a zero denominator.
        {wholeFirst(1, 0, 0, -4), "=~ {1 / 0 + 0√-4}", root},
        {wholeFirst(1, 0, 0, 5), "=~ {1 / 0 + 0√5}", zero},
        // The coefficient 1 and the perfect square are drawn as entered.
        {wholeFirst(1, 3, -1, 9), "=~ {1 / 3 − 1√9}", cancel},
        // A negative radicand is not handed over, though its term vanishes.
        {wholeFirst(7, 2, 0, -3), "=~ {7 / 2 + 0√-3}", root},
        // A zero numerator does not hide a zero denominator.
        {wholeFirst(0, -6, 2, 9), "=~ {0 / -6 + 2√9}", cancel},
        {radicalFirst(1, 0, 0, 0), "=~ {1 / 0√0 + 0}", zero},
        {radicalFirst(1, 0, -4, 0), "=~ {1 / 0√-4 + 0}", root},
        {radicalFirst(1, -1, 4, 2), "=~ {1 / -1√4 + 2}", cancel},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.problem);
        const ModelOutput app = c.model.steps("application");
        ASSERT_TRUE(testing::HasModelStructure(app, "application"));
        EXPECT_EQ(commentsOf(app), (Lines{text::kThinking, "oops", text::kAstonished}));
        EXPECT_EQ(render(app.detailSteps[0], true), (Lines{c.problem}));
        EXPECT_EQ(render(app.detailSteps[1], true), (Lines{c.problem, c.message}));
        EXPECT_EQ(render(app.detailSteps[2], true), (Lines{c.problem}));

        const ModelOutput module = c.model.steps("module");
        ASSERT_TRUE(testing::HasModelStructure(module, "module"));
        EXPECT_EQ(commentsOf(module), (Lines{"oops"}));
        std::string blackProblem = c.problem;
        blackProblem.erase(1, 1);  // "=~ " becomes "= "
        EXPECT_EQ(render(module.detailSteps[0], true), (Lines{"...", blackProblem, c.message}));
    }
}

struct SimpleCase {
    Radixmender_B_Model model;
    const char* simple;  // the lines of the "simple" step, problem first, separated by " | "
    const char* answer;  // the answer line of the "😎" step, under the problem line
};

TEST(FormBDriver, SimpleCasesAnswerAtOnce) {
    const std::vector<SimpleCase> cases{
        {wholeFirst(0, 2, 3, 5), "=~ {0 / 2 + 3√5} | = 0", "= 0"},
        // d = 1: the coefficient stays in the problem, even when it is 1.
        {wholeFirst(6, 1, 2, 1), "=~ {6 / 1 + 2} | = 2", "= 2"},
        {wholeFirst(6, 2, 2, 1), "=~ {6 / 2 + 2} | = [3/2]", "= [3/2]"},
        // A perfect square is evaluated, with "∙" for a coefficient other than 1.
        {wholeFirst(4, 1, 1, 9), "=~ {4 / 1 + √9} | = {4 / 1 + 3} = 1", "= 1"},
        {wholeFirst(7, 1, 2, 9), "=~ {7 / 1 + 2√9} | = {7 / 1 + 2∙3} = 1", "= 1"},
        {wholeFirst(5, -4, -3, 4), "=~ {5 / -4 − 3√4} | = {5 / -4 − 3∙2} = -[1/2]", "= -[1/2]"},
        {radicalFirst(3, 2, 1, 4), "=~ {3 / 2 + 4} | = [1/2]", "= [1/2]"},
        {radicalFirst(4, -1, 9, 7), "=~ {4 / -√9 + 7} | = {4 / -3 + 7} = 1", "= 1"},
    };
    for (const SimpleCase& c : cases) {
        const Lines simple = testing::splitLines(c.simple);
        SCOPED_TRACE(simple[0]);
        const ModelOutput app = c.model.steps("application");
        ASSERT_TRUE(testing::HasModelStructure(app, "application"));
        EXPECT_EQ(commentsOf(app), (Lines{text::kThinking, "simple", text::kCool}));
        EXPECT_EQ(render(app.detailSteps[0], true), (Lines{simple[0]}));
        EXPECT_EQ(render(app.detailSteps[1], true), simple);
        EXPECT_EQ(render(app.detailSteps[2], true), (Lines{simple[0], c.answer}));

        const ModelOutput module = c.model.steps("module");
        EXPECT_EQ(commentsOf(module), (Lines{"simple"}));
        Lines continued = simple;
        continued[0].erase(1, 1);
        continued.insert(continued.begin(), "...");
        EXPECT_EQ(render(module.detailSteps[0], true), continued);
    }
}

TEST(FormBDriver, TemplateOrderAndContextAreComparedExactly) {
    const Radixmender_B_Model exact = wholeFirst(6, 4, 2, 8);
    EXPECT_EQ(exact.steps("module"), exact.stepsWholeFirst("module"));
    for (const char* other : {"", "a/(b + c\u221Ad) ", kRadicalFirst, "anything"}) {
        Radixmender_B_Model m = exact;
        m.template_ = other;
        EXPECT_EQ(m.steps("module"), m.stepsRadicalFirst("module")) << other;
    }

    // Only "simplify √ before" simplifies the radical before the conjugate.
    const Lines before{text::kThinking, "simplify radical", "radixmender", "simplify", text::kCool};
    const Lines after{text::kThinking, "radixmender", "simplify", "simplify radical", text::kCool};
    EXPECT_EQ(commentsOf(wholeFirst(1, 1, 1, 8, kBeforeOption).steps()), before);
    EXPECT_EQ(commentsOf(radicalFirst(1, 1, 8, 1, kBeforeOption).steps()), before);
    for (const char* order : {kAfterOption, " simplify \u221A before "}) {
        EXPECT_EQ(commentsOf(wholeFirst(1, 1, 1, 8, order).steps()), after) << order;
        EXPECT_EQ(commentsOf(radicalFirst(1, 1, 8, 1, order).steps()), after) << order;
    }

    // Any context but "application" continues the caller's steps.
    for (const char* context : {"module", "Application"}) {
        const ModelOutput out = wholeFirst(1, 1, 1, 8).steps(context);
        EXPECT_TRUE(testing::HasModelStructure(out, "module")) << context;
        EXPECT_EQ(commentsOf(out), (Lines{"simplify radical", "radixmender", "simplify"}));
    }
}

TEST(FormBDriver, OverflowThrowsInsteadOfWrapping) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_THROW((void)wholeFirst(1, kMax, 1, 2).steps(), std::overflow_error);
    EXPECT_THROW((void)radicalFirst(1, 3'000'000'000, 3'000'000'000, 1).steps(), std::overflow_error);
    EXPECT_THROW((void)wholeFirst(1, 2, kMax, 4).steps(), std::overflow_error);
    EXPECT_THROW((void)radicalFirst(1, kMin, 4, 1).steps(), std::overflow_error);
    // The most negative numerator cannot be negated when b is negative.
    EXPECT_THROW((void)radicalFirst(kMin, -1, 2, 3).steps(), std::overflow_error);
}

}  // namespace
}  // namespace radixmender
