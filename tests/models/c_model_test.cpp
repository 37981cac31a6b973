// Form C driver: which path a problem takes, the steps each path shows in
// either context, and the lines that only the driver draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "models/radixmender_c_model.hpp"
#include "models/shapes.hpp"
#include "records/literals.hpp"
#include "tests/support/model_check.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using std::int64_t;

const std::string kBefore = shapes::kOrderBefore, kAfter = shapes::kOrderAfter;
const std::string kApp = shapes::kApplication, kModule = shapes::kModule;
const std::string kThink = text::kThinking, kCool = text::kCool, kWow = text::kAstonished;

using testing::commentsOf;
const auto linesOf = testing::describeLines;

struct PathCase {
    const char* name;
    Radixmender_C_Model model;
    std::string context;
    const char* comments;  // separated by " | "
    std::size_t step;      // a step whose lines are checked
    const char* lines;     // its lines, described, separated by " | "
};

// Cases from the form C rules, checked by the step sequence and one drawn step.
TEST(FormCModel, EachPathShowsItsSteps) {
    const PathCase cases[] = {
        {"negative radicand outranks a vanished term",
         {1, 0, -3, 1, 2, kBefore},
         kApp,
         "🤔 | oops | 😲",
         2,
         "= {clear}((1 / ((0 🖇 √(-3)) + (1 🖇 √(2))))) | \"√ of negative number\""},
        {"vanished terms, continued",
         {1, 0, 5, 1, 0, kBefore},
         kModule,
         "oops",
         0,
         "\"...\" | = ((1 / ((0 🖇 √(5)) + (1 🖇 √(0))))) | \"division by zero\""},
        {"terms that cancel",
         {1, 2, 3, -2, 3, kBefore},
         kApp,
         "🤔 | oops | 😲",
         1,
         "= {clear}((1 / ((2 🖇 √(3)) − (2 🖇 √(3))))) | \"denominator evaluates to zero\""},
        {"zero numerator before equal radicands",
         {0, 2, 3, 2, 3, kBefore},
         kApp,
         "🤔 | simple | 😎",
         2,
         "= {clear}((0 / ((2 🖇 √(3)) + (2 🖇 √(3))))) | = (0)"},
        {"equal radicands combine and go on as form A",
         {4, 3, 5, -1, 5, kBefore},
         kApp,
         "🤔 | radicals are same | simplify | radixmender | 😎",
         1,
         "= {clear}((4 / ((3 🖇 √(5)) − √(5)))) | = ((4 / (2 🖇 √(5))))"},
        {"equal radicands, continued: the combined line alone",
         {4, 3, 5, -2, 5, kBefore},
         kModule,
         "radicals are same | radixmender",
         0,
         "= ((4 / √(5)))"},
        {"both radicands squares",
         {6, 1, 4, 1, 9, kBefore},
         kApp,
         "🤔 | simple | 😎",
         1,
         "= {clear}((6 / (√(4) + √(9)))) | = ((6 / (2 + 3))) | = ([6/5])"},
        {"both squares, negative quotient, continued",
         {-10, 2, 4, 1, 9, kBefore},
         kModule,
         "simple",
         0,
         "\"...\" | = ((-10 / ((2 ∙ 2) + 3))) | = (-([10/7]))"},
        {"both squares, first coefficient -1",
         {5, -1, 9, 1, 4, kBefore},
         kApp,
         "🤔 | simple | 😎",
         1,
         "= {clear}((5 / (-(√(9)) + √(4)))) | = ((5 / (-3 + 2))) | = (-5)"},
        {"first radicand a square, coefficient -1: no multiplied line",
         {5, -1, 4, 1, 3, kBefore},
         kApp,
         "🤔 | square number here | simplify | radixmender | simplify | 😎",
         1,
         "= {clear}((5 / (-(√(4)) + √(3)))) | = ((5 / (-2 + √(3))))"},
        {"second radicand a square",
         {5, 2, 3, -3, 4, kBefore},
         kApp,
         "🤔 | square number here | simplify | radixmender | simplify | 😎",
         1,
         "= {clear}((5 / ((2 🖇 √(3)) − (3 🖇 √(4))))) | = ((5 / ((2 🖇 √(3)) − (3 ∙ 2)))) "
         "| "
         "= ((5 / ((2 🖇 √(3)) − 6)))"},
        {"b²c = d²e with the order after: the advisory, then radicals first",
         {5, 1, 12, 2, 3, kAfter},
         kApp,
         "🤔 | advisory | simplify radical | radixmender | 😎",
         1,
         "= {clear}((5 / (√(12) + (2 🖇 √(3))))) | \"division by zero in\" | "
         "\"rationalization phase\" | \"simplify radical first\"{red}"},
        {"the advisory is shown in any context and opens without \"...\"",
         {5, 1, 12, 2, 3, kAfter},
         kModule,
         "advisory | simplify radical | radixmender",
         1,
         "\"...\" | = ((5 / (√{red}(12{red}) + (2 🖇 √(3))))) | "
         "= ((5 / ((2{red} 🖇 √{red}(3{red})) + (2 🖇 √(3))))) | = ((5 / (4 🖇 √(3))))"},
        {"an unknown order with b²c = d²e: radicals first without the advisory",
         {5, 1, 12, 2, 3, "sideways"},
         kApp,
         "🤔 | simplify radical | radixmender | 😎",
         1,
         "= {clear}((5 / (√{red}(12{red}) + (2 🖇 √(3))))) | "
         "= ((5 / ((2{red} 🖇 √{red}(3{red})) + (2 🖇 √(3))))) | = ((5 / (4 🖇 √(3))))"},
        {"radicals last",
         {1, 1, 12, 1, 5, kAfter},
         kApp,
         "🤔 | radixmender | simplify | simplify radical | 😎",
         4,
         "= {clear}((1 / (√(12) + √(5)))) | = ((((2 🖇 √(3)) − √(5)) / 7))"},
        {"radicals last, continued from the first builder on",
         {-6, 2, 12, 4, 5, "anything"},
         kModule,
         "simplify | radixmender | simplify | simplify radical",
         0,
         "\"...\" | = ((-6 / ((2 🖇 √(12)) + (4 🖇 √(5))))) | "
         "= ((-6 / (2 🖇 ()((√(12) + (2 🖇 √(5))))))) | = ((-3 / (√(12) + (2 🖇 √(5)))))"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ModelOutput out = c.model.steps(c.context);
        EXPECT_EQ(commentsOf(out), testing::splitLines(c.comments));
        EXPECT_EQ(out.detailParameters, Parameters{shapes::kNoParameters});
        ASSERT_LT(c.step, out.detailSteps.size());
        EXPECT_EQ(linesOf(out.detailSteps[c.step]), testing::splitLines(c.lines));
    }
}

TEST(FormCModel, AnyContextButApplicationContinues) {
    for (const Radixmender_C_Model& m :
         {Radixmender_C_Model{3, 1, 3, 1, 2, kBefore}, Radixmender_C_Model{1, 2, 3, -2, 3, kAfter},
          Radixmender_C_Model{4, 3, 5, -1, 5, kAfter}}) {
        EXPECT_EQ(m.steps("Application"), m.steps(kModule));
        EXPECT_EQ(m.steps(""), m.steps(kModule));
    }
    EXPECT_EQ(Radixmender_C_Model{}.steps(), (Radixmender_C_Model{0, 0, 0, 0, 0, kBefore}.steps(kApp)));
}

// The products b²c and d²e are only formed where they decide something, so a
// problem that is settled before them cannot overflow; where they are formed
// an overflow is reported, never wrapped.
TEST(FormCModel, ProductsAreFormedOnlyWhereNeeded) {
    const int64_t huge = std::numeric_limits<int64_t>::max();
    const ModelOutput negative = Radixmender_C_Model{1, huge, -1, -1, 2, kBefore}.steps();
    EXPECT_EQ(commentsOf(negative), (std::vector<std::string>{kThink, "oops", kWow}));
    EXPECT_EQ(testing::describeRecord(negative.detailSteps[1][1]), "\"√ of negative number\"");
    EXPECT_THROW((Radixmender_C_Model{1, huge, 2, -1, 3, kBefore}.steps()), std::overflow_error);
    EXPECT_THROW((Radixmender_C_Model{1, 3037000500, 5, 1, 3, kAfter}.steps()), std::overflow_error);
}

TEST(FormCSummary, AnswerLines) {
    const struct {
        int64_t a, b, c, d, e;
        const char* lines;
    } cases[] = {
        {3, 1, 3, 1, 2,
         "= {clear}((3 / (√(3) + √(2)))) | = ((3 🖇 ()((√(3) − √(2))))) | "
         "= (((3 🖇 √(3)) − (3 🖇 √(2))))"},
        {3, 1, 2, 1, 3,
         "= {clear}((3 / (√(2) + √(3)))) | = ((()(-3) 🖇 ()((√(2) − √(3))))) | "
         "= (((-3 🖇 √(2)) + (3 🖇 √(3))))"},
        {1, 1, 2, 1, 8, "= {clear}((1 / (√(2) + √(8)))) | = ((√(2) / 6))"},
        {-1, 1, 2, -1, 3, "= {clear}((-1 / (√(2) − √(3)))) | = ((√(2) + √(3)))"},
        {1, -1, 5, -2, 3,
         "= {clear}((1 / (-(√(5)) − (2 🖇 √(3))))) | = (((√(5) − (2 🖇 √(3))) / 7))"},
        {1, 1, 2, 1, 3, "= {clear}((1 / (√(2) + √(3)))) | = (-(()((√(2) − √(3))))) | = ((-(√(2)) + √(3)))"},
    };
    for (const auto& c : cases) {
        const StepResult s = Radixmender_C_Model::summaryStep(c.a, c.b, c.c, c.d, c.e, {});
        EXPECT_EQ(linesOf(s.lines), testing::splitLines(c.lines));
        EXPECT_EQ(s.comments, Comment{kCool});
    }
    // A leading line stands in for the problem line.
    const Record leading = shapes::message("P");
    EXPECT_EQ(linesOf(Radixmender_C_Model::summaryStep(1, 1, 3, 1, 2, leading).lines),
              (std::vector<std::string>{"\"P\"", "= ((√(3) − √(2)))"}));
}

}  // namespace
}  // namespace radixmender
