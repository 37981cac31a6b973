// Form A, a/(b√c): a sweep that checks every line's value, the reduced answer
// and the step structure of every small problem, and the drawn shape of the
// cases where signs, unit coefficients and perfect squares are easy to get wrong.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"
#include "tests/support/model_check.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::commentsOf;
using testing::describeLines;
using testing::describeRecord;
using testing::SurdValue;

const char kBeforeOption[] = "simplify \u221A before";
const char kAfterOption[] = "simplify \u221A after";

// The comments the general path must show, worked out from the problem alone:
// "simplify" unless b > 0 and a, b coprime; "simplify radical" when c has a square factor.
std::vector<std::string> expectedGeneralComments(std::int64_t a, std::int64_t b, std::int64_t c, bool before,
                                                 bool application) {
    bool squareFactor = false;
    for (std::int64_t k = 2; k * k <= c; ++k) squareFactor = squareFactor || c % (k * k) == 0;
    std::vector<std::string> comments;
    if (application) comments.push_back(text::kThinking);
    if (b < 0 || gcd(a, b) != 1) comments.push_back("simplify");
    if (before && squareFactor) comments.push_back("simplify radical");
    comments.push_back("radixmender");
    if (!before && squareFactor) comments.push_back("simplify radical");
    if (application) comments.push_back(text::kCool);
    return comments;
}

// A continuation is the application solution without its opening and summary
// steps, its first working step opening with "..." and a black "= ".
Steps asContinuation(const ModelOutput& application) {
    Steps steps(application.detailSteps.begin() + 1, application.detailSteps.end() - 1);
    if (steps.empty()) return steps;
    Step& first = steps.front();
    if (first.front() !=
        Record{{"start", "1"}, {"message", "..."}, {"message_color", "black"}, {"message_tag", "anon"}})
        first.insert(first.begin(), makeMessageRecord("..."));
    Record& restated = first.at(1);
    const auto equalsRow = static_cast<std::size_t>(std::stoll(restated.at(0).at(1)));
    if (restated.at(equalsRow).at(1) == "= ") restated.at(equalsRow + 2).at(1) = "black";
    return steps;
}

// Sanitized builds run the sweep on every seventh problem of the grid (7 is
// prime to the grid's sides, so every a, b and c still comes up, and every
// path many times); plain builds run all of it.
constexpr std::int64_t kSweepStride = testing::kSanitized ? 7 : 1;

TEST(FormAModel, SweepOfSmallProblems) {
    std::int64_t index = 0;
    for (std::int64_t a = -12; a <= 12; ++a) {
        for (std::int64_t b = -12; b <= 12; ++b) {
            for (std::int64_t c = -3; c <= 60; ++c) {
                if (index++ % kSweepStride != 0) continue;
                const bool error = b == 0 || c <= 0;
                const bool special = !error && (a == 0 || exactSquareRoot(c).has_value());
                const SurdValue expected =
                    error ? SurdValue() : SurdValue(a) / (SurdValue(b) * SurdValue::root(c));
                std::optional<SurdValue> finalValue[2];
                for (const bool before : {true, false}) {
                    SCOPED_TRACE(std::to_string(a) + "/(" + std::to_string(b) + "√" + std::to_string(c) +
                                 ") " + (before ? "before" : "after"));
                    const Radixmender_A_Model model{a, b, c, before ? kBeforeOption : kAfterOption};
                    const ModelOutput out = model.steps("application");
                    const ModelOutput continued = model.steps("module");
                    // Record layout depends on the path, not on the numbers: a third of the grid covers it.
                    const bool validate = index % 3 == 0;
                    ASSERT_TRUE(testing::HasModelStructure(out, "application", {{}, validate}));
                    ASSERT_TRUE(testing::HasModelStructure(continued, "module", {{}, false}));
                    if (error) {
                        EXPECT_EQ(out.detailSteps[1].back().at(1).at(1),
                                  c < 0 ? "\u221A of negative number" : "division by zero");
                        EXPECT_EQ(continued.detailSteps.size(), 1u);
                        EXPECT_EQ(continued.detailSteps[0].back(), out.detailSteps[1].back());
                        continue;
                    }
                    ASSERT_TRUE(testing::EveryLineHasValue(out, expected));
                    ASSERT_TRUE(testing::HasCanonicalAnswer(out, expected));
                    if (special) {
                        EXPECT_EQ(commentsOf(out),
                                  (std::vector<std::string>{text::kThinking, "simple", text::kCool}));
                        EXPECT_EQ(continued.detailSteps, asContinuation(out));
                        continue;
                    }
                    EXPECT_EQ(commentsOf(out), expectedGeneralComments(a, b, c, before, true));
                    // The same working, drawn as the continuation of a caller's steps.
                    EXPECT_EQ(continued.detailSteps, asContinuation(out));
                    // The working ends fully reduced, in the numbers the summary derives on its own.
                    const Step& last = out.detailSteps[out.detailSteps.size() - 2];
                    EXPECT_EQ(testing::decodeCanonicalAnswer(last.back(), true),
                              testing::decodeCanonicalAnswer(out.detailSteps.back().back()));
                    finalValue[before ? 0 : 1] = testing::evaluateLine(last.back());
                }
                if (!error && !special) {
                    ASSERT_TRUE(finalValue[0] && finalValue[1]);
                    EXPECT_EQ(*finalValue[0], *finalValue[1]);
                }
            }
        }
    }
}

const char kApp[] = "application";
const char kModule[] = "module";

// The drawn lines of chosen steps, for the shapes a value check cannot see:
// which "= " is clear, where the minus sign sits, what is red, what is left out.
TEST(FormAModel, DrawsTheDelicateCasesAsSpecified) {
    const struct {
        std::int64_t a, b, c;
        const char* order;
        const char* context;
        std::size_t step;
        const char* lines;  // separated by " | "
    } cases[] = {
        // A negative b with no common factor still moves the sign up.
        {2, -3, 5, kBeforeOption, kApp, 1, "= {clear}((2 / (-3 🖇 √(5)))) | = ((-2 / (3 🖇 √(5))))"},
        {5, -1, 2, kBeforeOption, kApp, 1, "= {clear}((5 / -(√(2)))) | = ((-5 / √(2)))"},
        // The radical step stops once nothing more cancels; the square factor cancels against a.
        {3, 1, 12, kBeforeOption, kApp, 1,
         "= {clear}((3 / √{red}(12{red}))) | = ((3 / (2{red} 🖇 √{red}(3{red}))))"},
        {4, 1, 8, kBeforeOption, kApp, 1,
         "= {clear}((4 / √{red}(8{red}))) | = ((4 / (2{red} 🖇 √{red}(2{red})))) | = ((2 / √(2)))"},
        {3, 3, 8, kBeforeOption, kApp, 2,
         "\"...\" | = ((1 / √{red}(8{red}))) | = ((1 / (2{red} 🖇 √{red}(2{red}))))"},
        {3, 2, 8, kBeforeOption, kModule, 0,
         "\"...\" | = ((3 / (2 🖇 √{red}(8{red})))) | "
         "= ((3 / (2 🖇 (){red}((2{red} 🖇 √{red}(2{red})))))) | = ((3 / (4 🖇 √(2))))"},
        // Clearing: the multiplier line, the bracketed square, and the reductions.
        {2, 3, 2, kBeforeOption, kModule, 0,
         "\"...\" | = ((2 / (3 🖇 √(2)))) | "
         "(= ((2 / (3 🖇 √{red}(2{red})))) ∙{red} (√(2) / √{red}(2{red}))) | "
         "= (((2 🖇 √(2)) / (3 ∙ ((){red}(√{red}(2{red})) ^ 2{red})))) | "
         "= (((2 🖇 √(2)) / (3 ∙ 2{red}))) | = (((2 🖇 √(2)) / 6)) | = ((√(2) / 3))"},
        {-3, 1, 3, kAfterOption, kApp, 1,
         "= {clear}((-3 / √(3))) | (= ((-3 / √{red}(3{red}))) ∙{red} (√(3) / √{red}(3{red}))) | "
         "= (((-3 🖇 √(3)) / ((){red}(√{red}(3{red})) ^ 2{red}))) | = (((-3 🖇 √(3)) / 3{red})) | "
         "= (-(√(3)))"},
        // The radical of the result, after clearing: P = 1, P = −1 and |P| > 1.
        {1, 1, 8, kAfterOption, kApp, 2,
         "\"...\" | = ((√{red}(8{red}) / 8)) | = (((2{red} 🖇{red} √{red}(2{red})) / 8)) | "
         "= ((√(2) / 4))"},
        {-1, 1, 12, kAfterOption, kApp, 2,
         "\"...\" | = ((-(√{red}(12{red})) / 12)) | "
         "= ((-((2{red} 🖇{red} √{red}(3{red}))) / 12)) | = ((-(√(3)) / 6))"},
        {5, 1, 12, kAfterOption, kModule, 1,
         "\"...\" | = (((5 🖇 √{red}(12{red})) / 12)) | "
         "= (((5 🖇 (){red}((2{red} 🖇{red} √{red}(3{red})))) / 12)) | = (((10 🖇 √(3)) / 12)) | "
         "= (((5 🖇 √(3)) / 6))"},
        // Special cases: the problem as entered, the intermediate fraction, the reduced result.
        {6, -4, 1, kBeforeOption, kApp, 1, "= {clear}((6 / -4)) | = (-([3/2]))"},
        {-6, -3, 1, kBeforeOption, kModule, 0, "\"...\" | = ((-6 / -3)) | = (2)"},
        {6, 2, 9, kBeforeOption, kApp, 1, "= {clear}((6 / (2 🖇 √(9)))) | (= ((6 / (2 ∙ 3))) = 1)"},
        {6, 2, 9, kBeforeOption, kApp, 2, "= {clear}((6 / (2 🖇 √(9)))) | = (1)"},
        {3, -1, 4, kBeforeOption, kApp, 1, "= {clear}((3 / -(√(4)))) | (= ((3 / -2)) = -([3/2]))"},
        {0, 2, 3, kBeforeOption, kModule, 0, "\"...\" | = ((0 / (2 🖇 √(3)))) | = (0)"},
        // Errors draw the denominator as entered, coefficient 1 and bad radicand included.
        {1, 1, -4, kBeforeOption, kApp, 1, "= {clear}((1 / (1 🖇 √(-4)))) | \"√ of negative number\""},
        {0, 0, 7, kBeforeOption, kModule, 0, "\"...\" | = ((0 / (0 🖇 √(7)))) | \"division by zero\""},
        {2, 3, 0, kBeforeOption, kApp, 2, "= {clear}((2 / (3 🖇 √(0))))"},
        // Summaries: rational answers of square radicands come only through direct calls (below).
        {1, -2, 3, kBeforeOption, kApp, 3, "= {clear}((1 / (-2 🖇 √(3)))) | = ((-(√(3)) / 6))"},
        {6, 1, 3, kAfterOption, kApp, 2, "= {clear}((6 / √(3))) | = ((2 🖇 √(3)))"},
    };
    for (const auto& c : cases) {
        const ModelOutput out = Radixmender_A_Model{c.a, c.b, c.c, c.order}.steps(c.context);
        SCOPED_TRACE(std::to_string(c.a) + "/(" + std::to_string(c.b) + "√" + std::to_string(c.c) + ") " +
                     c.order + " " + c.context + " step " + std::to_string(c.step));
        ASSERT_LT(c.step, out.detailSteps.size());
        EXPECT_EQ(describeLines(out.detailSteps[c.step]), testing::splitLines(c.lines));
    }
}

TEST(FormAModel, OrderAndContextAreComparedExactly) {
    // 1/√8: "before" simplifies the radical first, anything else last.
    const auto comments = [](const std::string& order, const std::string& context) {
        return commentsOf(Radixmender_A_Model{1, 1, 8, order}.steps(context));
    };
    const std::vector<std::string> before{text::kThinking, "simplify radical", "radixmender", text::kCool};
    const std::vector<std::string> after{text::kThinking, "radixmender", "simplify radical", text::kCool};
    EXPECT_EQ(comments(kBeforeOption, "application"), before);
    EXPECT_EQ(comments(kAfterOption, "application"), after);
    EXPECT_EQ(comments(" simplify \u221A before ", "application"), after);
    // Any context but "application" continues a caller's steps.
    EXPECT_EQ(comments(kBeforeOption, "Application"),
              (std::vector<std::string>{"simplify radical", "radixmender"}));
    const Radixmender_A_Model model{1, 1, 8, kBeforeOption};
    EXPECT_EQ(model.steps(), model.steps("application"));
}

TEST(FormAModel, BuildersAnswerNothingExactlyWhenNothingChanges) {
    using M = Radixmender_A_Model;
    EXPECT_FALSE(M::simplifyStep(5, 2, 3, false));
    EXPECT_TRUE(M::simplifyStep(5, -2, 3, false));  // g = −1 still moves the sign
    EXPECT_FALSE(M::simplifyRadicalStep(3, 1, 7, false));
    EXPECT_FALSE(M::simplifyResultRadicalStep(3, 1, 7));
    EXPECT_TRUE(M::simplifyRadicalStep(3, 1, 12, false));
    // Only the exact word "before" works on the simplified radical.
    EXPECT_EQ(M::clearDenominatorStep(1, 1, 8, "Before", false),
              M::clearDenominatorStep(1, 1, 8, "after", false));
    EXPECT_NE(M::clearDenominatorStep(1, 1, 8, "before", false),
              M::clearDenominatorStep(1, 1, 8, "after", false));
}

TEST(FormAModel, SummaryOfSquareRadicandsAndLeadingLines) {
    using M = Radixmender_A_Model;
    // Reached only from callers that hand over a perfect-square radicand.
    EXPECT_EQ(describeLines(M::summaryStep(3, 2, 4).lines),
              (std::vector<std::string>{"= {clear}((3 / (2 🖇 √(4))))", "= ([3/4])"}));
    EXPECT_EQ(describeRecord(M::summaryStep(-3, 2, 4).lines.back()), "= (-([3/4]))");
    EXPECT_EQ(describeRecord(M::summaryStep(4, 2, 4).lines.back()), "= (1)");
    EXPECT_EQ(describeRecord(M::summaryStep(3, 1, 12).lines.back()), "= ((√(3) / 2))");
    const Record leading = makeMessageRecord("a/(b√c + d√e)");
    const StepResult withLeading = M::summaryStep(1, 1, 2, leading);
    EXPECT_EQ(withLeading.lines.size(), 2u);
    EXPECT_EQ(withLeading.lines.front(), leading);
    EXPECT_EQ(withLeading.comments, Comment{text::kCool});
}

TEST(FormAModel, OverflowThrowsInsteadOfWrapping) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    // b·r of a perfect square, b·c of the summary and the clearing step, |b| of the smallest integer.
    EXPECT_THROW(Radixmender_A_Model(1, kMax / 2, 9).steps(), std::overflow_error);
    EXPECT_THROW(Radixmender_A_Model(1, kMax / 2, 3).steps(), std::overflow_error);
    EXPECT_THROW(Radixmender_A_Model(1, kMin, 4).steps(), std::overflow_error);
    EXPECT_THROW(Radixmender_A_Model::simplifyRadicalStep(1, 1, -8, false), std::invalid_argument);
    // Three-digit entries never come near the limits.
    EXPECT_NO_THROW(Radixmender_A_Model(-999, -999, 998).steps());
    // With a = c = 0 every reducing divisor is gcd(0, 0) = 0: the builders throw, as
    // B's and C's do, instead of dividing by zero.
    EXPECT_THROW(Radixmender_A_Model::clearDenominatorStep(0, 1, 0, "after", false), std::domain_error);
    EXPECT_THROW(Radixmender_A_Model::simplifyRadicalStep(0, 1, 0, false), std::domain_error);
    EXPECT_THROW(Radixmender_A_Model::simplifyResultRadicalStep(1, 1, 0), std::domain_error);
}

}  // namespace
}  // namespace radixmender
