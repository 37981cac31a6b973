// The guide as a learner meets it: swiped page by page in the display
// direction of the device, and its worked examples with every step comment,
// faces included.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "platform/device.hpp"
#include "platform/image_renderer.hpp"
#include "platform/window.hpp"
#include "screens/radixmender_guide_vc.hpp"
#include "tests/support/pixel_bounds.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender {
namespace {

// How many bands of rows, apart by more than a pair of sunglasses, hold the
// yellow of an emoji face.
int faceBands(const platform::RasterImage& image) {
    int bands = 0, sinceYellow = 1000;
    for (int y = 0; y < image.pixelHeight(); ++y) {
        bool yellow = false;
        for (int x = 0; x < image.pixelWidth() && !yellow; ++x)
            yellow = testing::isFaceYellow(image.pixel(x, y));
        if (yellow && sinceYellow > 6) ++bands;
        sinceYellow = yellow ? 0 : sinceYellow + 1;
    }
    return bands;
}

// On a phone the guide turns a page per sideways swipe, elsewhere per swipe
// up or down, stopping at its first page.
TEST(GuideScreen, SwipesPageByPage) {
    const double d = platform::PDFView::kPageTurnDistance;
    for (const auto& [model, dx, dy] : {std::tuple{"iPhone", -d, 0.0}, {"iPad", 0.0, -d}}) {
        platform::UIDevice::current().setModel(model);
        platform::UIWindow window;
        window.setRootViewController(std::make_unique<Radixmender_Guide_VC>());
        auto* pdf = dynamic_cast<Radixmender_Guide_VC&>(*window.rootViewController()).pdfView();
        ASSERT_TRUE(pdf != nullptr && pdf->document() != nullptr);
        const platform::Point centre = platform::UIWindow::centre(pdf);
        const auto swipe = [&](double by) {
            window.press(centre);
            window.release({centre.x + by * dx, centre.y + by * dy});
        };
        for (const auto& [by, page] : {std::pair{1.0, 1}, {1.5, 2}, {-1.0, 1}, {-1.0, 0}, {-1.0, 0}}) {
            swipe(by);
            EXPECT_EQ(pdf->currentPageIndex(), page) << model;
        }
    }
    platform::UIDevice::current().setModel("iPhone");
}

// Each example page shows the faces of its first and last step comments.
TEST(GuideScreen, ExamplesShowTheStepFaces) {
    Radixmender_Guide_VC guide;
    guide.view()->setFrame({0, 0, 420, 720});
    guide.view()->layoutIfNeeded();
    auto* pdf = guide.pdfView();
    ASSERT_EQ(pdf->document()->pageCount(), 12);
    for (const int index : {9, 10, 11}) {
        pdf->go(*pdf->document()->page(index));
        const platform::RasterImage page = platform::renderView(*pdf, 1);
        page.savePNG(testing::testOutputPath("guide/page_" + std::to_string(index + 1) + ".png"));
        EXPECT_EQ(faceBands(page), 2) << "page " << index + 1;
    }
}

}  // namespace
}  // namespace radixmender
