// The rules of the form screens, the step viewer and the guide viewer, each
// screen made by itself (or in the app where the navigation matters).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/bundle.hpp"
#include "platform/device.hpp"
#include "platform/recording_context.hpp"
#include "records/literals.hpp"
#include "screens/radixmender_form_vcs.hpp"
#include "screens/radixmender_guide_vc.hpp"
#include "screens/universal_engine_vc.hpp"
#include "screens_test_support.hpp"

namespace radixmender {
namespace {

using testing::launchApp;
using testing::tapTitled;
using testing::top;

const std::string kRoot = text::kRadical;
const std::string kAfter = " simplify " + kRoot + " after ";

// The pads' info lines; their entries and options are typed and tapped end to end.
TEST(FormScreens, PadsShowTheirForm) {
    Radixmender_A_VC a;
    Radixmender_B_VC b;
    Radixmender_C_VC c;
    const auto info = [](RadixmenderFormVC& vc) {
        std::vector<std::string> texts;
        std::vector<platform::View*> views;
        testing::collect(&vc.thePadView(), views);
        for (auto* v : views) {
            if (auto* label = dynamic_cast<platform::UILabel*>(v);
                label != nullptr && label->tag() == 0 &&
                dynamic_cast<platform::UIButton*>(label->superview()) == nullptr) {
                texts.push_back(label->text());
            }
        }
        return texts;
    };
    const std::string steps = std::string(text::kThinking) + " for steps";
    EXPECT_EQ(info(a), (std::vector<std::string>{" enter a to c of a/(b" + kRoot + "c) ", steps}));
    EXPECT_EQ(info(b), (std::vector<std::string>{
                           " enter a to d of a/(b + c" + kRoot + "d) or a/(b" + kRoot + "c + d) ", steps}));
    EXPECT_EQ(info(c),
              (std::vector<std::string>{" enter a to e of a/(b" + kRoot + "c + d" + kRoot + "e) ", steps}));
    EXPECT_EQ(b.thePadView().optionsSelections, (std::vector<std::vector<std::int64_t>>{{4097}, {4161}}));
}

TEST(FormScreens, TextsThatCannotBeReadChangeNothing) {
    auto app = launchApp();
    ASSERT_TRUE(tapTitled(*app, "a/(b" + kRoot + "c)"));
    auto* a = top<Radixmender_A_VC>(*app);
    ASSERT_NE(a, nullptr);
    const struct {
        TextGroups inputs;
        TextLists options;
    } cases[] = {
        {{{{"1", "x", "3"}}}, {{kAfter}}},
        {{{{"1", "2"}}}, {{kAfter}}},
        {{}, {{kAfter}}},
        {{{{"1", "2", "99999999999999999999"}}}, {{kAfter}}},
        {{{{"1", "2", "3"}}}, {}},
        {{{{"1", "2", "3"}}}, {{}}},
    };
    for (const auto& c : cases) {
        a->didEnterIntegers(c.inputs, c.options, {});
        EXPECT_EQ(top<Radixmender_A_VC>(*app), a);
        EXPECT_EQ(a->theModel.a, 0);
        EXPECT_EQ(a->theModel.order, shapes::kOrderBefore);
    }
}

TEST(FormScreens, PrepareFillsOnlyItsOwnSeguesViewer) {
    Radixmender_C_VC c;
    c.theModel.a = 1, c.theModel.b = 1, c.theModel.c = 2, c.theModel.d = 1, c.theModel.e = 3;
    const ModelOutput expected = c.theModel.steps(shapes::kApplication);

    UniversalEngineVC other;
    c.prepare({"Radixmender_A_Segue", &c, &other}, &c);
    c.prepare({std::nullopt, &c, &other}, &c);
    EXPECT_TRUE(other.detailSteps().empty());
    EXPECT_TRUE(other.detailParameters().empty());

    platform::ViewController notAViewer;
    c.prepare({"Radixmender_C_Segue", &c, &notAViewer}, &c);  // runs the model, drops the answer

    UniversalEngineVC viewer;
    c.prepare({"Radixmender_C_Segue", &c, &viewer}, &c);
    EXPECT_EQ(viewer.detailSteps(), expected.detailSteps);
    EXPECT_EQ(viewer.detailComments(), expected.detailComments);
    EXPECT_EQ(viewer.detailParameters(), Parameters{shapes::kNoParameters});
    EXPECT_FALSE(viewer.isViewLoaded());
}

TEST(StepViewer, ServesWhatItWasHandedAndNothingBeyond) {
    UniversalEngineVC viewer;
    viewer.setDetailSteps({{makeMessageRecord("one")}, {makeMessageRecord("two")}});
    viewer.setDetailComments({{"first"}, {"second", "more"}});
    EXPECT_EQ(viewer.numberOfSteps(), 2);
    EXPECT_EQ(viewer.comments(1), (Comment{"second", "more"}));
    EXPECT_THROW(viewer.step(2), std::out_of_range);
    EXPECT_THROW(viewer.comments(-1), std::out_of_range);
    viewer.view();
    EXPECT_EQ(viewer.universalEngineView().dataSource(), &viewer);
}

TEST(StepViewer, AnEmptyOutputShowsAnEmptyScreen) {
    UniversalEngineVC viewer;
    EXPECT_EQ(viewer.numberOfSteps(), 0);
    EXPECT_TRUE(viewer.step(0).empty());
    EXPECT_TRUE(viewer.comments(0).empty());
    viewer.view()->setFrame({0, 0, 390, 844});
    viewer.view()->layoutIfNeeded();
    platform::RecordingContext context;
    viewer.view()->render(context);
    EXPECT_TRUE(context.texts().empty());
}

// The guide, opened from the menu with a resource lookup of the test's choosing.
class GuideTest : public ::testing::Test {
protected:
    void TearDown() override {
        platform::Bundle::setMainLookup(nullptr);
        platform::UIDevice::current().setModel("iPhone");
    }

    Radixmender_Guide_VC* openGuide(platform::UIApplication& app) {
        EXPECT_TRUE(tapTitled(app, "guide"));
        return top<Radixmender_Guide_VC>(app);
    }

    // The chapter buttons from left to right.
    static std::vector<platform::View*> chapterButtons(platform::UIApplication& app) {
        auto views = testing::navigation(app).rightBarButtonViews();
        std::sort(views.begin(), views.end(),
                  [](auto* l, auto* r) { return l->frame().minX() < r->frame().minX(); });
        return views;
    }
};

TEST_F(GuideTest, ChapterButtonsReadLeftToRightAndGoToTheirPages) {
    auto app = launchApp();
    auto* guide = openGuide(*app);
    ASSERT_NE(guide, nullptr);
    ASSERT_NE(guide->pdfView(), nullptr);
    ASSERT_NE(guide->pdfView()->document(), nullptr);
    EXPECT_GE(guide->pdfView()->document()->pageCount(), 10);
    EXPECT_EQ(guide->pdfView()->currentPageIndex(), 0);
    EXPECT_TRUE(guide->pdfView()->autoScales);
    EXPECT_TRUE(guide->pdfView()->isUsingPageViewController());
    EXPECT_EQ(guide->pdfView()->displayDirection, platform::PDFDisplayDirection::horizontal);
    // Pinned to the safe area without insets.
    EXPECT_EQ(guide->pdfView()->frame(), platform::Rect(0, 44, 390, 800));

    const auto buttons = chapterButtons(*app);
    ASSERT_EQ(buttons.size(), 3u);
    std::vector<std::string> titles;
    for (auto* b : buttons) titles.push_back(*platform::UIBarButtonItem::from(b)->title);
    EXPECT_EQ(titles, (std::vector<std::string>{"intro ", "notes ", "examples"}));
    for (const auto& [index, page] : {std::pair{2, 9}, {0, 0}, {1, 3}, {2, 9}}) {
        app->window().tap(platform::UIWindow::centre(chapterButtons(*app)[static_cast<std::size_t>(index)]));
        EXPECT_EQ(guide->pdfView()->currentPageIndex(), page);
    }
    // A title that matches no chapter does nothing.
    platform::UIBarButtonItem stranger(std::string("intro"), platform::UIBarButtonItem::Style::plain, guide,
                                       kTapAction);
    guide->tap(&stranger);
    guide->tap(nullptr);
    EXPECT_EQ(guide->pdfView()->currentPageIndex(), 9);
}

TEST_F(GuideTest, DisplayDirectionIsHorizontalOnlyOnAnIPhone) {
    for (const auto& [model, direction] : {std::pair{"iPhone", platform::PDFDisplayDirection::horizontal},
                                           {"iPad", platform::PDFDisplayDirection::vertical},
                                           {"iPhone ", platform::PDFDisplayDirection::vertical}}) {
        platform::UIDevice::current().setModel(model);
        Radixmender_Guide_VC guide;
        guide.view();
        EXPECT_EQ(guide.pdfView()->displayDirection, direction) << model;
    }
}

TEST_F(GuideTest, MissingResourceLeavesAnEmptyScreenWithoutButtons) {
    platform::Bundle::setMainLookup([](const std::string&, const std::string&) { return std::nullopt; });
    auto app = launchApp();
    auto* guide = openGuide(*app);
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->view()->subviews().empty());
    EXPECT_TRUE(guide->navigationItem.rightBarButtonItems.empty());
    EXPECT_TRUE(chapterButtons(*app).empty());
}

TEST_F(GuideTest, UnreadableResourceGivesAnEmptyViewWithIdleButtons) {
    const auto path = testing::testOutputPath("not_a_guide.pdf");
    std::ofstream(path) << "this is no PDF";
    platform::Bundle::setMainLookup([path](const std::string&, const std::string&) { return path; });
    auto app = launchApp();
    auto* guide = openGuide(*app);
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->pdfView()->superview(), guide->view());
    EXPECT_EQ(guide->pdfView()->document(), nullptr);
    const auto buttons = chapterButtons(*app);
    ASSERT_EQ(buttons.size(), 3u);
    for (auto* b : buttons) app->window().tap(platform::UIWindow::centre(b));
    EXPECT_EQ(guide->pdfView()->currentPageIndex(), std::nullopt);
}

}  // namespace
}  // namespace radixmender
