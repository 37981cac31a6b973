// The drawing half of the platform layer: fonts, the two drawing contexts,
// views rendering, raster images and PDF files.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "platform/font.hpp"
#include "platform/graphics_context.hpp"
#include "platform/image_renderer.hpp"
#include "platform/pdf_renderer.hpp"
#include "platform/pdf_view.hpp"
#include "platform/recording_context.hpp"
#include "platform/view.hpp"
#include "records/literals.hpp"
#include "tests/support/pixel_bounds.hpp"
#include "tests/support/test_output.hpp"

namespace platform {
namespace {

// The ink of an image: its left, top, right and bottom pixel edges.
std::array<int, 4> inkBounds(const RasterImage& image) {
    return radixmender::testing::pixelBounds(image, [](Pixel p) { return p.a > 128; });
}

// The fonts' metrics are DejaVu's; fractional sizes are honoured, not
// rounded; digits are tabular; the fitting weight 0.25 draws as book; emoji
// are measured with the colour font, one wide glyph with its skin tone, also
// after a text character with a presentation selector. The painter: butt
// caps end a stroke at its end points, non-zero winding fills a hole drawn
// the same way round, transforms apply; a capital's ink runs from the cap
// line to the baseline below the text's top left at every scale; text after
// an emoji goes on where its measured advance ends.
TEST(PainterContext, FontsCapsFillsTransformsAndText) {
    const UIFont f = UIFont::monospacedDigitSystemFont(30, FontWeight::medium);
    EXPECT_NEAR(f.ascender(), 0.928 * 30, 1.0);
    const auto width = [](const std::string& t, const UIFont& font) {
        return sizeWithAttributes(t, {font}).width;
    };
    EXPECT_NEAR(width("1234567890", UIFont::monospacedDigitSystemFont(30 * 0.98, FontWeight::medium)) /
                    width("1234567890", f),
                0.98, 0.005);
    EXPECT_DOUBLE_EQ(width("111", f), width("888", f));
    EXPECT_EQ(width("radix", UIFont::systemFont(30, 0.25)), width("radix", UIFont::systemFont(30)));
    for (const char* face :
         {radixmender::text::kThinking, radixmender::text::kPointLeft, "\u263A\uFE0F", "\u274C"})
        EXPECT_TRUE(width(face, f) > 0.8 * 30 && width(face, f) < 1.6 * 30) << face;
    EXPECT_NE(width("\u263A\uFE0F", f), width("\u263A", f));
    const RasterImage image = ImageRenderer({100, 100}, 1).image([](GraphicsContext& c) {
        c.setLineWidth(10);
        c.moveTo({20, 20});
        c.addLineTo({60, 20});
        c.strokePath();
        c.addRect({10, 50, 40, 40});
        c.addRect({20, 60, 20, 20});
        c.setFillColor(UIColor::red());
        c.fillPath();
        c.translateBy(80, 70);
        c.rotateBy(M_PI / 2);
        c.setFillColor(UIColor::blue());
        c.fillRect({0, 0, 20, 4});  // x 76..80, y 70..90
    });
    EXPECT_TRUE(image.pixel(21, 20).a > 64 && image.pixel(59, 24).a > 64);
    EXPECT_TRUE(image.pixel(17, 20).a <= 64 && image.pixel(63, 20).a <= 64);  // square caps would reach 15
    EXPECT_EQ(image.pixel(30, 70), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(image.pixel(78, 85), (Pixel{0, 0, 255, 255}));
    EXPECT_LE(image.pixel(85, 85).a, 64);
    for (double scale : {1.0, 3.0}) {
        const UIFont font = UIFont::systemFont(40, FontWeight::medium);
        const auto ink = inkBounds(ImageRenderer({200, 100}, scale).image([&](GraphicsContext& c) {
            c.drawText("H", {20, 10}, {font, UIColor::black(), UIColor::clear()});
        }));
        EXPECT_NEAR(ink[1] / scale, 10 + font.ascender() - font.capHeight(), 1.0);
        EXPECT_NEAR(ink[3] / scale, 10 + font.ascender(), 1.0);
    }
    for (double size : {30.0, 30.0, 23.75}) {  // sizes drawn before and not
        const UIFont font = UIFont::systemFont(size, FontWeight::medium);
        const std::string cool = radixmender::text::kCool;
        const auto ink = inkBounds(ImageRenderer({200, 100}, 1).image([&](GraphicsContext& c) {
            c.drawText(cool + "l", {10, 10}, {font});
        }));
        EXPECT_NEAR(ink[2],
                    10 + sizeWithAttributes(cool, {font}).width + sizeWithAttributes("l", {font}).width,
                    0.15 * size);
    }
}

struct Painted : View {
    using View::View;
    bool fail = false;
    void draw(Rect) override {
        currentContext()->setFillColor(UIColor::green());
        currentContext()->fillRect({0, 0, 2, 2});
        if (fail) throw std::runtime_error("bad record");
    }
};
// The recording context logs primitives in device space with the state in
// force; a text with a background fills its box first; restoring brings back
// the transform and colours saved, a restore without a save is harmless; an
// arc of a whole turn sweeps it either way round. Views render their
// subviews moved to their frames, skip hidden ones and swallow what a drawing
// throws; raster images are at their scale. Files that cannot be written are
// reported; a PDF has a page per beginPage.
TEST(RecordingContext, LogsPrimitivesAndRendersViews) {
    RecordingContext c;
    c.moveTo({1, 2});
    c.addLineTo({3, 4});
    c.setStrokeColor(UIColor::red());
    c.setLineWidth(2.5);
    c.drawPath(PathDrawingMode::fillStroke);
    EXPECT_TRUE(c.isPathEmpty());
    c.saveGState();
    c.translateBy(10, 20);
    c.setFillColor(UIColor::blue());
    c.fillRect({0, 0, 5, 5});
    c.drawText("7", {1, 1}, {UIFont::systemFont(12), UIColor::black(), UIColor::green()});
    c.restoreGState();
    c.restoreGState();
    c.fillRect({0, 0, 1, 1});

    const auto& ops = c.operations();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0].points(), (std::vector<Point>{{1, 2}, {3, 4}}));
    EXPECT_TRUE(ops[0].mode == PathDrawingMode::fillStroke && ops[0].lineWidth == 2.5);
    EXPECT_EQ(ops[0].strokeColor, UIColor::red());
    EXPECT_EQ(ops[1].points(), (std::vector<Point>{{10, 20}, {15, 20}, {15, 25}, {10, 25}}));
    EXPECT_TRUE(ops[1].fillColor == UIColor::blue() && ops[2].fillColor == UIColor::green());
    EXPECT_TRUE(ops[3].isText() && ops[3].topLeft == (Point{1, 1}));
    EXPECT_EQ(ops[3].ctm, AffineTransform::translation(10, 20));
    EXPECT_EQ(ops[4].ctm, AffineTransform::identity());
    EXPECT_NE(ops[4].fillColor, UIColor::blue());
    EXPECT_EQ(ops[4].lineWidth, 2.5);  // set before the save
    Path full;
    full.addArc({0, 0}, 1, 0, 2 * M_PI, false);
    EXPECT_NEAR(full.elements().front().sweep, -2 * M_PI, 1e-12);  // a whole turn either way round
    View root({0, 0, 100, 100});
    root.setBackgroundColor(UIColor::white());
    root.addSubview(std::make_unique<Painted>(Rect{30, 40, 20, 20}));
    root.addSubview(std::make_unique<Painted>(Rect{0, 0, 10, 10}))->setHidden(true);
    root.addSubview(std::make_unique<Painted>(Rect{60, 60, 10, 10}))->fail = true;
    RecordingContext rendered;
    EXPECT_NO_THROW(root.render(rendered));
    const auto paths = rendered.paths();
    ASSERT_EQ(paths.size(), 3u);  // background, child, failing child's square
    EXPECT_EQ(paths[0].fillColor, UIColor::white());
    EXPECT_EQ(paths[1].points().front(), (Point{30, 40}));
    EXPECT_EQ(paths[2].points().front(), (Point{60, 60}));
    EXPECT_EQ(currentContext(), nullptr);
    const RasterImage image = renderView(root, 2);
    EXPECT_EQ(image.pixelWidth(), 200);
    EXPECT_EQ(image.pixel(61, 81), (Pixel{0, 255, 0, 255}));  // child at (30, 40) × 2
    EXPECT_EQ(image.pixel(150, 10), (Pixel{255, 255, 255, 255}));
    EXPECT_FALSE(RasterImage().savePNG(radixmender::testing::testOutputPath("empty.png")));

    const std::string path = radixmender::testing::testOutputPath("platform/three_pages.pdf");
    const PDFRenderer renderer({200, 300}, {"three", "tests"});
    EXPECT_TRUE(renderer.writePDF(path, [](PDFRendererContext& pdf) {
        for (int i = 0; i < 3; ++i) {
            pdf.beginPage();
            EXPECT_EQ(currentContext(), &pdf.graphicsContext());
        }
    }));
    const auto document = PDFDocument::open(path);
    EXPECT_EQ(document ? document->pageCount() : 0, 3);
    EXPECT_FALSE(renderer.writePDF("/nonexistent-folder/x.pdf", [](PDFRendererContext&) {}));
}

}  // namespace
}  // namespace platform
