// The rules of the screens, each made by itself: hand-overs that cannot be
// read, preparing only one's own segue, the step viewer's answers, the guide
// on other devices or without its document.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/bundle.hpp"
#include "platform/device.hpp"
#include "platform/recording_context.hpp"
#include "records/literals.hpp"
#include "screens/radixmender_form_vcs.hpp"
#include "screens/radixmender_guide_vc.hpp"
#include "screens/universal_engine_vc.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender {
namespace {

const std::string kAfter = std::string(" simplify ") + text::kRadical + " after ";

// A hand-over that cannot be read changes nothing (without a layout resource
// a segue would throw); preparing fills only the screen's own segue's viewer,
// the model running even when the destination cannot show its answer.
TEST(FormScreens, HandOversAndPreparing) {
    Radixmender_C_VC c;
    const std::pair<TextGroups, TextLists> cases[] = {
        {{{{"1", "x", "3", "4", "5"}}}, {{kAfter}}},
        {{{{"1", "2", "3", "4"}}}, {{kAfter}}},
        {{}, {{kAfter}}},
        {{{{"1", "2", "3", "4", "99999999999999999999"}}}, {{kAfter}}},
        {{{{"1", "2", "3", "4", "5"}}}, {}},
        {{{{"1", "2", "3", "4", "5"}}}, {{}}}};
    for (const auto& [inputs, options] : cases) {
        EXPECT_NO_THROW(c.didEnterIntegers(inputs, options, {}));
        EXPECT_TRUE(c.theModel.a == 0 && c.theModel.order == shapes::kOrderBefore);
    }
    c.theModel.a = 1, c.theModel.b = 1, c.theModel.c = 2, c.theModel.d = 1, c.theModel.e = 3;
    UniversalEngineVC other, viewer;
    platform::ViewController notAViewer;
    c.prepare({"Radixmender_A_Segue", &c, &other}, &c);
    c.prepare({std::nullopt, &c, &other}, &c);
    c.prepare({"Radixmender_C_Segue", &c, &notAViewer}, &c);
    c.prepare({"Radixmender_C_Segue", &c, &viewer}, &c);
    EXPECT_TRUE(other.detailSteps().empty() && other.detailParameters().empty());
    const ModelOutput expected = c.theModel.steps(shapes::kApplication);
    EXPECT_EQ(viewer.detailSteps(), expected.detailSteps);
    EXPECT_EQ(viewer.detailComments(), expected.detailComments);
    EXPECT_EQ(viewer.detailParameters(), Parameters{shapes::kNoParameters});
    EXPECT_FALSE(viewer.isViewLoaded());
}

// The step viewer serves what it was handed and nothing beyond; an empty
// output is an empty screen.
TEST(StepViewer, ServesWhatItWasHandedAndNothingBeyond) {
    UniversalEngineVC empty, viewer;
    EXPECT_EQ(empty.numberOfSteps(), 0);
    EXPECT_TRUE(empty.step(0).empty());
    EXPECT_TRUE(empty.comments(0).empty());
    empty.view()->setFrame({0, 0, 390, 844});
    empty.view()->layoutIfNeeded();
    platform::RecordingContext context;
    empty.view()->render(context);
    EXPECT_TRUE(context.texts().empty());
    viewer.setDetailSteps({{makeMessageRecord("one")}, {makeMessageRecord("two")}});
    viewer.setDetailComments({{"first"}, {"second", "more"}});
    EXPECT_EQ(viewer.numberOfSteps(), 2);
    EXPECT_EQ(viewer.comments(1), (Comment{"second", "more"}));
    EXPECT_THROW(viewer.step(2), std::out_of_range);
    EXPECT_THROW(viewer.comments(-1), std::out_of_range);
}

// The guide pages horizontally on an iPhone only; without its document it is
// an empty screen without buttons; with one that cannot be read, an empty view
// whose buttons do nothing.
TEST(GuideScreen, OtherDevicesAndMissingOrUnreadableDocuments) {
    for (const auto& [model, direction] : {std::pair{"iPad", platform::PDFDisplayDirection::vertical},
                                           {"iPhone ", platform::PDFDisplayDirection::vertical},
                                           {"iPhone", platform::PDFDisplayDirection::horizontal}}) {
        platform::UIDevice::current().setModel(model);
        Radixmender_Guide_VC guide;
        guide.view();
        EXPECT_EQ(guide.pdfView()->displayDirection, direction) << model;
    }
    platform::Bundle::setMainLookup([](const std::string&, const std::string&) { return std::nullopt; });
    Radixmender_Guide_VC missing;
    EXPECT_TRUE(missing.view()->subviews().empty());
    EXPECT_TRUE(missing.navigationItem.rightBarButtonItems.empty());
    const auto path = testing::testOutputPath("not_a_guide.pdf");
    std::ofstream(path) << "this is no PDF";
    platform::Bundle::setMainLookup([path](const std::string&, const std::string&) { return path; });
    Radixmender_Guide_VC unreadable;
    EXPECT_EQ(unreadable.pdfView()->superview(), unreadable.view());
    EXPECT_EQ(unreadable.pdfView()->document(), nullptr);
    EXPECT_EQ(unreadable.navigationItem.rightBarButtonItems.size(), 3u);
    for (const auto& item : unreadable.navigationItem.rightBarButtonItems) unreadable.tap(item.get());
    EXPECT_EQ(unreadable.pdfView()->currentPageIndex(), std::nullopt);
    platform::Bundle::setMainLookup(nullptr);
}

}  // namespace
}  // namespace radixmender
