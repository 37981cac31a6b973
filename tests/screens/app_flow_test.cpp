// The app end to end, from the layout resource, driven only by taps at
// screen positions through the window.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/universal_engine_view.hpp"
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "platform/recording_context.hpp"
#include "records/literals.hpp"
#include "records/vocabulary.hpp"
#include "screens/radixmender_form_vcs.hpp"
#include "screens/radixmender_menu_vc.hpp"
#include "screens/universal_engine_vc.hpp"
#include "screens_test_support.hpp"

namespace radixmender {
namespace {

using testing::labelTagged;
using testing::launchApp;
using testing::tapTitled;
using testing::top;

const std::string kRoot = text::kRadical;
const std::string kMenuA = "a/(b" + kRoot + "c)";
const std::string kMenuB = "a/(b + c" + kRoot + "d) or a/(b" + kRoot + "c + d)";
const std::string kMenuC = "a/(b" + kRoot + "c + d" + kRoot + "e)";

// Types `value` into input entry `tag` with the keys, as a learner would.
void typeEntry(platform::UIApplication& app, std::int64_t tag, const std::string& value) {
    ASSERT_TRUE(tapTitled(app, "I" + std::to_string(tag)));
    ASSERT_TRUE(tapTitled(app, "C"));
    for (char ch : value) ASSERT_TRUE(tapTitled(app, ch == '-' ? "+/-" : std::string(1, ch)));
}

// The texts the engine view draws for its current step.
std::vector<std::string> drawnTexts(UniversalEngineView& view) {
    platform::RecordingContext context;
    view.render(context);
    std::vector<std::string> texts;
    for (const auto& op : context.texts()) texts.push_back(op.text);
    return texts;
}

bool drawn(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

platform::Point navigatorPoint(const UniversalEngineView& view, bool next) {
    const platform::Point origin = view.convertToWindow({0, 0});
    const platform::Rect f = view.frame();
    return {origin.x + f.width() * (next ? 0.75 : 0.25), origin.y + f.height() * 0.97};
}

struct FlowCase {
    std::string name;
    std::string menuTitle;
    std::vector<std::string> entries;     // typed into input entries 1, 2, ...
    std::vector<std::string> optionTaps;  // selector titles tapped after typing
    ModelOutput expected;
};

// Form B's radical-first template and the order "after" are chosen with the selectors.
std::vector<FlowCase> flowCases() {
    return {
        {"A", kMenuA, {"6", "2", "3"}, {"O4098"}, Radixmender_A_Model{6, 2, 3, shapes::kOrderAfter}.steps()},
        // The defaults: the whole-first template and the order "before", which matters for √8.
        {"B_whole_first", kMenuB, {"4", "3", "1", "8"}, {}, Radixmender_B_Model{4, 3, 1, 8}.steps()},
        {"B_radical_first",
         kMenuB,
         {"-12", "2", "8", "5"},
         {"O4098", "O4162"},
         Radixmender_B_Model{-12, 2, 8, 5, kTemplateRadicalFirst, shapes::kOrderAfter}.steps()},
        {"C",
         kMenuC,
         {"10", "1", "3", "1", "2"},
         {"O4098"},
         Radixmender_C_Model{10, 1, 3, 1, 2, shapes::kOrderAfter}.steps()},
    };
}

TEST(AppFlow, TypedProblemsReachTheStepViewerAndBackKeepsThePad) {
    for (const auto& flow : flowCases()) {
        SCOPED_TRACE(flow.name);
        auto app = launchApp();
        ASSERT_TRUE(app->didFinishLaunching());
        ASSERT_NE(top<Radixmender_Menu_VC>(*app), nullptr);
        ASSERT_TRUE(tapTitled(*app, flow.menuTitle));
        auto* form = dynamic_cast<RadixmenderFormVC*>(testing::navigation(*app).topViewController());
        ASSERT_NE(form, nullptr);
        for (std::size_t i = 0; i < flow.entries.size(); ++i) {
            typeEntry(*app, static_cast<std::int64_t>(i + 1), flow.entries[i]);
        }
        for (const auto& option : flow.optionTaps) ASSERT_TRUE(tapTitled(*app, option));
        ASSERT_TRUE(tapTitled(*app, text::kThinking));

        auto* viewer = top<UniversalEngineVC>(*app);
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->detailSteps(), flow.expected.detailSteps);
        EXPECT_EQ(viewer->detailComments(), flow.expected.detailComments);
        EXPECT_EQ(viewer->detailParameters(), Parameters{shapes::kNoParameters});

        // The viewer is pinned 5 points inside its safe area (below the bar).
        auto& engine = viewer->universalEngineView();
        const auto insets = viewer->view()->safeAreaInsets();
        EXPECT_EQ(engine.frame(),
                  platform::Rect(5, insets.top + 5, 380, 844 - insets.top - insets.bottom - 10));

        // Forward through every step, wrapping to the first; each drawn with its comments.
        const auto count = static_cast<std::int64_t>(flow.expected.detailSteps.size());
        ASSERT_GT(count, 1);
        for (std::int64_t i = 0; i < count; ++i) {
            ASSERT_EQ(engine.step(), i);
            const auto texts = drawnTexts(engine);
            for (const auto& comment : flow.expected.detailComments[static_cast<std::size_t>(i)]) {
                if (!comment.empty()) {
                    EXPECT_TRUE(drawn(texts, comment)) << "step " << i << ": " << comment;
                }
            }
            app->window().tap(navigatorPoint(engine, true));
        }
        EXPECT_EQ(engine.step(), 0);
        app->window().tap(navigatorPoint(engine, false));
        EXPECT_EQ(engine.step(), count - 1);
        // A tap above the band does not move.
        app->window().tap(platform::UIWindow::centre(&engine));
        EXPECT_EQ(engine.step(), count - 1);

        // Back: the same form, its pad as it was.
        app->window().tap(platform::UIWindow::centre(testing::navigation(*app).backButton()));
        ASSERT_EQ(testing::navigation(*app).topViewController(), form);
        for (std::size_t i = 0; i < flow.entries.size(); ++i) {
            const auto* label = labelTagged(form->view(), static_cast<std::int64_t>(i + 1));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), flow.entries[i]);
        }
        for (const auto& option : flow.optionTaps) {
            const auto* label = labelTagged(form->view(), std::stoll(option.substr(1)));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->backgroundColor(), platform::UIColor::green());
        }
        // Each "🤔" makes a fresh viewer at its first step.
        ASSERT_TRUE(tapTitled(*app, text::kThinking));
        auto* again = top<UniversalEngineVC>(*app);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->universalEngineView().step(), 0);
        EXPECT_EQ(again->detailSteps(), flow.expected.detailSteps);
    }
}

// An untouched pad is a/(0√0) with the order "before": an error in three steps.
TEST(AppFlow, UntouchedPadShowsTheErrorSteps) {
    auto app = launchApp();
    ASSERT_TRUE(tapTitled(*app, kMenuA));
    auto* form = top<Radixmender_A_VC>(*app);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(tapTitled(*app, text::kThinking));
    EXPECT_EQ(form->theModel.order, shapes::kOrderBefore);  // the option's blanks trimmed
    auto* viewer = top<UniversalEngineVC>(*app);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->detailSteps(), Radixmender_A_Model{}.steps().detailSteps);
    EXPECT_EQ(viewer->detailComments(), (Comments{{text::kThinking}, {shapes::kOops}, {text::kAstonished}}));
}

}  // namespace
}  // namespace radixmender
