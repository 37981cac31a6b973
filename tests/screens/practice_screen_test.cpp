// The practice screen with scripted chance: the first problem at
// construction, a new problem on every level tap, "🤔" into the step viewer
// with the practice model's own output; driven by taps at screen positions.
#include <gtest/gtest.h>

#include "models/radixmender_b_model.hpp"
#include "models/shapes.hpp"
#include "records/literals.hpp"
#include "screens/radixmender_practice_vc.hpp"
#include "screens/universal_engine_vc.hpp"
#include "screens_test_support.hpp"

namespace radixmender {
namespace {

using testing::labelTagged;
using testing::tapTitled;
using testing::top;

const std::string kRoot = text::kRadical;

using testing::InstalledSource;
using testing::ScriptedSource;

std::string shownLine(Radixmender_Practice_VC& vc) { return labelTagged(&vc.thePadView(), 6145)->text(); }

// What the model must solve for a problem's entries and an order.
ModelOutput solutionOf(const PracticeProblem& problem, const std::string& order) {
    const auto& row = problem.entries.at(0).at(0);
    Radixmender_Practice_Model model;
    model.options = {{row[0]}, {order}};
    model.inputs = {{std::vector<std::string>(row.begin() + 1, row.end())}};
    return model.steps();
}

TEST(PracticeScreen, BuiltWithTheFirstProblemAndTheScreensAnswers) {
    ScriptedSource source("6 H 2 3", 2026);
    InstalledSource installed(source);
    Radixmender_Practice_VC vc;
    EXPECT_EQ(shownLine(vc), "6/(2" + kRoot + "3)");
    EXPECT_EQ(vc.thePadView().inputs, (TextGroups{{{kFormA, "6", "2", "3"}}}));
    EXPECT_EQ(vc.thePadView().optionsSelections, (std::vector<std::vector<std::int64_t>>{{4097}}));
    EXPECT_EQ(vc.theSegue(), "Radixmender_Practice_Segue");
    EXPECT_TRUE(vc.theModel.inputs.empty() && vc.theModel.options.empty() && vc.theModel.multiLine.empty());
    EXPECT_EQ(vc.maximumDigits(), 3);
    EXPECT_TRUE(vc.allowsNegative());

    // The choices handed in do not shape the problem: same chance, same problem.
    ScriptedSource a("", 2026), b("", 2026);
    Radixmender_Practice_VC::setRandomSource(&a);
    const auto first = vc.practiceExample(2, {{" simplify " + kRoot + " after "}}, {{"m"}});
    Radixmender_Practice_VC::setRandomSource(&b);
    const auto second = vc.practiceExample(2, {}, {});
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.second[0][0][0], kFormC);

    // A hand-over without a problem row or an order leaves the model as it was.
    vc.didEnterIntegers({}, {{" x "}}, {});
    vc.didEnterIntegers({{{kFormA, "1", "2", "3"}}}, {}, {});
    EXPECT_TRUE(vc.theModel.inputs.empty());
}

TEST(PracticeScreen, LevelTapsBringNewProblemsAndThinkingSolvesTheShownOne) {
    ScriptedSource source("", 2026), twin("", 2026);
    InstalledSource installed(source);
    auto app = testing::launchApp();
    ASSERT_TRUE(tapTitled(*app, "practice"));
    auto* vc = top<Radixmender_Practice_VC>(*app);
    ASSERT_NE(vc, nullptr);
    PracticeProblem shown = Radixmender_Practice_Model::makeProblem(0, twin);
    EXPECT_EQ(shownLine(*vc), shown.displayLines.at(0));

    // Level 0 is already chosen: tapping it still brings a new problem.
    for (std::int64_t level : {0, 1, 1, 1, 2, 0, 2}) {
        SCOPED_TRACE(level);
        ASSERT_TRUE(tapTitled(*app, "L" + std::to_string(5121 + level)));
        shown = Radixmender_Practice_Model::makeProblem(level, twin);
        ASSERT_EQ(vc->thePadView().inputs, shown.entries);
        EXPECT_EQ(shownLine(*vc), shown.displayLines.at(0));
        EXPECT_EQ(vc->thePadView().levelSelection, 5121 + level);
    }
    ASSERT_EQ(shown.entries[0][0][0], kFormC);

    ASSERT_TRUE(tapTitled(*app, text::kThinking));
    auto* viewer = top<UniversalEngineVC>(*app);
    ASSERT_NE(viewer, nullptr);
    const auto& row = shown.entries[0][0];
    EXPECT_EQ(vc->theModel.options, (OptionRows{{kFormC}, {shapes::kOrderBefore}}));
    EXPECT_EQ(vc->theModel.inputs, (EntryGroups{{std::vector<std::string>(row.begin() + 1, row.end())}}));
    const ModelOutput before = solutionOf(shown, shapes::kOrderBefore);
    ASSERT_GT(before.detailSteps.size(), 1u);
    EXPECT_EQ(viewer->detailSteps(), before.detailSteps);
    EXPECT_EQ(viewer->detailComments(), before.detailComments);
    EXPECT_EQ(viewer->detailParameters(), Parameters{shapes::kNoParameters});

    // Back: nothing reset. Changing only the order solves the same problem again.
    app->window().tap(platform::UIWindow::centre(testing::navigation(*app).backButton()));
    ASSERT_EQ(testing::navigation(*app).topViewController(), vc);
    EXPECT_EQ(shownLine(*vc), shown.displayLines[0]);
    ASSERT_TRUE(tapTitled(*app, "O4098"));
    EXPECT_EQ(vc->thePadView().inputs, shown.entries);
    ASSERT_TRUE(tapTitled(*app, text::kThinking));
    viewer = top<UniversalEngineVC>(*app);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(vc->theModel.options[1], std::vector<std::string>{shapes::kOrderAfter});
    EXPECT_EQ(viewer->detailSteps(), solutionOf(shown, shapes::kOrderAfter).detailSteps);
}

// "🤔" right after the screen opens solves the problem made at construction;
// a form-B problem keeps its template untrimmed.
TEST(PracticeScreen, FirstProblemAndTemplates) {
    ScriptedSource source("6 H 2 3 T 5 T 3 4 T 7", 2026);  // level 0, then level 1
    InstalledSource installed(source);
    auto app = testing::launchApp();
    ASSERT_TRUE(tapTitled(*app, "practice"));
    auto* vc = top<Radixmender_Practice_VC>(*app);
    ASSERT_TRUE(tapTitled(*app, text::kThinking));
    EXPECT_EQ(vc->theModel.options, (OptionRows{{kFormA}, {shapes::kOrderBefore}}));
    EXPECT_EQ(vc->theModel.inputs, (EntryGroups{{{"6", "2", "3"}}}));
    EXPECT_EQ(top<UniversalEngineVC>(*app)->detailSteps(),
              solutionOf({{}, {{{kFormA, "6", "2", "3"}}}}, shapes::kOrderBefore).detailSteps);

    app->window().tap(platform::UIWindow::centre(testing::navigation(*app).backButton()));
    ASSERT_TRUE(tapTitled(*app, "L5122"));
    EXPECT_EQ(shownLine(*vc), "-5/(3" + kRoot + "7 " + text::kMinusSign + " 4)");
    ASSERT_TRUE(tapTitled(*app, text::kThinking));
    EXPECT_EQ(vc->theModel.options[0], std::vector<std::string>{kTemplateRadicalFirst});
    EXPECT_EQ(vc->theModel.inputs, (EntryGroups{{{"-5", "3", "7", "-4"}}}));
}

}  // namespace
}  // namespace radixmender
