// The drawing half of the platform layer: fonts, the two drawing contexts,
// views rendering and hit testing, raster images.
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
#include "platform/view_controller.hpp"
#include "records/literals.hpp"
#include "tests/support/test_output.hpp"

namespace platform {
namespace {

TEST(Fonts, MetricsWidthsAndEmoji) {
    for (const UIFont& f : {UIFont::systemFont(32, FontWeight::medium),
                            UIFont::monospacedDigitSystemFont(32, FontWeight::heavy),
                            UIFont::monospacedSystemFont(32, FontWeight::light)}) {
        EXPECT_NEAR(f.ascender(), 0.928 * 32, 1.0);
        EXPECT_NEAR(f.descender(), -0.236 * 32, 1.0);
        EXPECT_NEAR(f.lineHeight(), f.ascender() - f.descender() + f.leading(), 1e-9);
        EXPECT_GT(f.capHeight(), f.xHeight());
    }
    // Fractional sizes are honoured, not rounded; digits are tabular.
    const TextAttributes a{UIFont::monospacedDigitSystemFont(30, FontWeight::medium)};
    const TextAttributes b{UIFont::monospacedDigitSystemFont(30 * 0.98, FontWeight::medium)};
    EXPECT_NEAR(sizeWithAttributes("1234567890", b).width / sizeWithAttributes("1234567890", a).width, 0.98,
                0.005);
    EXPECT_DOUBLE_EQ(sizeWithAttributes("111", a).width, sizeWithAttributes("888", a).width);
    // Bold is wider than book; medium and the fitting weight 0.25 draw as book.
    EXPECT_GT(sizeWithAttributes("radix", {UIFont::systemFont(30, FontWeight::bold)}).width,
              sizeWithAttributes("radix", {UIFont::systemFont(30, FontWeight::medium)}).width);
    EXPECT_EQ(sizeWithAttributes("radix", {UIFont::systemFont(30, 0.25)}),
              sizeWithAttributes("radix", {UIFont::systemFont(30, FontWeight::regular)}));
    // Emoji are measured with the colour font: one wide glyph, the skin tone included.
    const TextAttributes text{UIFont::systemFont(30, FontWeight::medium)};
    for (const char* face :
         {radixmender::text::kThinking, radixmender::text::kPointLeft, "\u263A\uFE0F", "\u274C"}) {
        const Size size = sizeWithAttributes(face, text);
        EXPECT_GT(size.width, 0.8 * 30) << face;
        EXPECT_LT(size.width, 1.6 * 30) << face;
        EXPECT_GE(size.height, text.font.lineHeight() - 1e-9) << face;
    }
    // A presentation selector after a text character asks for the emoji font (as
    // does a character the text font lacks, "❌" above), and is no box glyph itself.
    EXPECT_NE(sizeWithAttributes("\u263A\uFE0F", text).width, sizeWithAttributes("\u263A", text).width);
}

TEST(RecordingContext, LogsPrimitivesWithStateAndTransform) {
    RecordingContext c;
    Path p;
    p.moveTo({1, 2});
    p.addLineTo({3, 4});
    c.addPath(p);
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
    c.restoreGState();  // nothing saved: harmless
    c.moveTo({0, 0});
    c.addLineTo({1, 0});
    c.strokePath();

    const auto& ops = c.operations();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0].points(), (std::vector<Point>{{1, 2}, {3, 4}}));
    EXPECT_EQ(ops[0].mode, PathDrawingMode::fillStroke);
    EXPECT_EQ(ops[0].lineWidth, 2.5);
    EXPECT_EQ(ops[0].strokeColor, UIColor::red());
    EXPECT_EQ(ops[1].points(),
              (std::vector<Point>{{10, 20}, {15, 20}, {15, 25}, {10, 25}}));  // in device space
    EXPECT_EQ(ops[1].fillColor, UIColor::blue());
    // A text with a background fills its box first, in the background colour.
    EXPECT_EQ(ops[2].fillColor, UIColor::green());
    EXPECT_TRUE(ops[3].isText());
    EXPECT_EQ(ops[3].topLeft, (Point{1, 1}));
    EXPECT_EQ(ops[3].ctm, AffineTransform::translation(10, 20));
    // After restoring, the transform, the fill colour and the width are back to the defaults.
    EXPECT_EQ(ops[4].ctm, AffineTransform::identity());
    EXPECT_EQ(ops[4].lineWidth, 2.5);  // set before the save
    EXPECT_EQ(ops[4].points(), (std::vector<Point>{{0, 0}, {1, 0}}));
}

// Arcs sweep the way asked for; a turn or a mirror keeps the circle, a stretch
// gets straight pieces, and the mapped arc starts and ends where it should.
TEST(Paths, ArcsSweepAndMapOntoTheirCircle) {
    for (const AffineTransform& t :
         {AffineTransform::rotation(0.3).concatenating(AffineTransform::translation(5, 7)),
          AffineTransform{0, 2, 2, 0, 1, 1}, AffineTransform{2, 0, 0, 1, 0, 0}}) {
        Path p;
        p.addArc({10, 4}, 3, 0.5, -4.5, true);  // clockwise the long way: 0.5 + 2π − 5
        const Path mapped = p.applying(t);
        const auto& e = mapped.elements();
        EXPECT_EQ(e.size() == 1, t.a != 2);  // only the stretch is flattened
        for (const auto& [q, angle] :
             {std::pair{e.size() == 1 ? Path::arcStart(e[0]) : e.front().point, 0.5},
              {e.size() == 1 ? Path::arcEnd(e[0]) : e.back().point, 2 * M_PI - 4.5}}) {
            const Point o = t.inverted().apply(q);
            EXPECT_NEAR(std::hypot(o.x - 10 - 3 * std::cos(angle), o.y - 4 - 3 * std::sin(angle)), 0, 1e-9);
        }
    }
    Path full;
    full.addArc({0, 0}, 1, 0, 2 * M_PI, false);
    EXPECT_NEAR(full.elements().front().sweep, -2 * M_PI, 1e-12);  // a whole turn either way round
}

bool inked(const RasterImage& image, int x, int y) { return image.pixel(x, y).a > 64; }

TEST(PainterContext, ButtCapsFillRulesAndTransforms) {
    const RasterImage image = ImageRenderer({100, 100}, 1).image([](GraphicsContext& c) {
        // A thick horizontal segment: butt caps end exactly at its end points.
        c.setStrokeColor(UIColor::black());
        c.setLineWidth(10);
        c.moveTo({20, 20});
        c.addLineTo({60, 20});
        c.strokePath();
        // Two nested squares in the same direction: non-zero winding fills the hole too.
        Path p;
        for (double inset : {0.0, 10.0}) {
            p.moveTo({10 + inset, 50 + inset});
            p.addLineTo({50 - inset, 50 + inset});
            p.addLineTo({50 - inset, 90 - inset});
            p.addLineTo({10 + inset, 90 - inset});
            p.closeSubpath();
        }
        c.addPath(p);
        c.setFillColor(UIColor::red());
        c.fillPath();
        // A rotated, translated rectangle.
        c.saveGState();
        c.translateBy(80, 70);
        c.rotateBy(M_PI / 2);
        c.setFillColor(UIColor::blue());
        c.fillRect({0, 0, 20, 4});  // becomes x 76..80, y 70..90
        c.restoreGState();
    });
    EXPECT_TRUE(inked(image, 21, 20));
    EXPECT_TRUE(inked(image, 59, 24));
    EXPECT_FALSE(inked(image, 17, 20));  // square caps would reach 15
    EXPECT_FALSE(inked(image, 63, 20));
    EXPECT_EQ(image.pixel(30, 70), (Pixel{255, 0, 0, 255}));  // inside the inner square
    EXPECT_EQ(image.pixel(78, 85), (Pixel{0, 0, 255, 255}));
    EXPECT_FALSE(inked(image, 85, 85));
}

// The ink of an image: its left, top, right and bottom pixel edges.
std::array<int, 4> inkBounds(const RasterImage& image) {
    std::array<int, 4> b{image.pixelWidth(), image.pixelHeight(), 0, 0};
    for (int y = 0; y < image.pixelHeight(); ++y)
        for (int x = 0; x < image.pixelWidth(); ++x)
            if (image.pixel(x, y).a > 128)
                b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x + 1), y + 1};
    return b;
}

// A capital's ink runs from the cap line down to the baseline below the
// text's top left, at every scale; text after an emoji goes on where the
// emoji's measured advance ends, at sizes drawn before and not.
TEST(PainterContext, TextSitsWhereItIsMeasured) {
    for (double scale : {1.0, 2.0, 3.0}) {
        const UIFont font = UIFont::systemFont(40, FontWeight::medium);
        const auto ink = inkBounds(ImageRenderer({200, 100}, scale).image([&](GraphicsContext& c) {
            c.drawText("H", {20, 10}, {font, UIColor::black(), UIColor::clear()});
        }));
        EXPECT_NEAR(ink[1] / scale, 10 + font.ascender() - font.capHeight(), 1.0);
        EXPECT_NEAR(ink[3] / scale, 10 + font.ascender(), 1.0);
    }
    for (double size : {30.0, 30.0, 23.75}) {
        const UIFont font = UIFont::systemFont(size, FontWeight::medium);
        const std::string cool = radixmender::text::kCool;
        const auto ink = inkBounds(ImageRenderer({200, 100}, 1).image([&](GraphicsContext& c) {
            c.drawText(cool + "l", {10, 10}, {font});
        }));
        const double end =
            10 + sizeWithAttributes(cool, {font}).width + sizeWithAttributes("l", {font}).width;
        EXPECT_NEAR(ink[2], end, 0.15 * size) << size;
    }
}

class Painted : public View {
public:
    using View::View;
    int draws = 0;
    bool fail = false;
    void draw(Rect) override {
        ++draws;
        if (GraphicsContext* c = currentContext()) {
            c->setFillColor(UIColor::green());
            c->fillRect({0, 0, 2, 2});
        }
        if (fail) throw std::runtime_error("bad record");
    }
};

TEST(Views, RenderTranslatesSubviewsAndSwallowsFailures) {
    View root({0, 0, 100, 100});
    root.setBackgroundColor(UIColor::white());
    auto* child = root.addSubview(std::make_unique<Painted>(Rect{30, 40, 20, 20}));
    auto* hidden = root.addSubview(std::make_unique<Painted>(Rect{0, 0, 10, 10}));
    hidden->setHidden(true);
    auto* failing = root.addSubview(std::make_unique<Painted>(Rect{60, 60, 10, 10}));
    failing->fail = true;

    RecordingContext c;
    EXPECT_NO_THROW(root.render(c));
    EXPECT_EQ(child->draws, 1);
    EXPECT_EQ(hidden->draws, 0);
    EXPECT_EQ(failing->draws, 1);
    const auto paths = c.paths();
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
}

// Each page begins with beginPage; a file that cannot be written is reported.
TEST(PDFRenderer, WritesOnePagePerBeginPage) {
    const std::string path = radixmender::testing::testOutputPath("platform/three_pages.pdf");
    const PDFRenderer renderer({200, 300}, {"three", "tests"});
    EXPECT_TRUE(renderer.writePDF(path, [](PDFRendererContext& pdf) {
        for (int i = 0; i < 3; ++i) {
            pdf.beginPage();
            EXPECT_EQ(currentContext(), &pdf.graphicsContext());
            pdf.graphicsContext().drawText(std::to_string(i + 1), {20, 20}, {UIFont::systemFont(12)});
        }
    }));
    const auto document = PDFDocument::open(path);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->pageCount(), 3);
    EXPECT_EQ(currentContext(), nullptr);
    EXPECT_FALSE(renderer.writePDF("/nonexistent-folder/x.pdf", [](PDFRendererContext&) {}));
}

}  // namespace
}  // namespace platform
