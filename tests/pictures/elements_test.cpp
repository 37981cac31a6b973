// The picture elements as the recording context receives them: a frame's
// lines, the cells its counters sit in, a tower's squares and faces.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "pictures/doubles.hpp"
#include "pictures/elements.hpp"
#include "pictures/ten_frames.hpp"
#include "tests/pictures/recorded_pictures.hpp"

namespace radixmender::testing {
namespace {

using platform::CGColor;

// The frame's sizes and their inverses; the caption sizing keeps whole
// frames at scale 1 exactly when the area has room for them.
TEST(PictureElements, FrameSizesAndScale) {
    EXPECT_DOUBLE_EQ(frame{}.frameHeight(), 617.5);
    EXPECT_NEAR(frame{}.frameCounterDiameter(), 97.0 + 11.0 / 12.0, 1e-12);
    for (const double width : {250.0, 101.0, 15.0}) {
        frame f{width}, g;
        g.setFrameHeight(f.frameHeight());
        EXPECT_NEAR(g.frameWidth, width, 1e-12);
        g.setFrameCounterDiameter(f.frameCounterDiameter());
        EXPECT_NEAR(g.frameWidth, width, 1e-12);
    }
    const double caption = countOnLabelSize(250, 545, 1e4).captionHeight;
    EXPECT_EQ(countOnLabelSize(250, 545, 625 + 3 * caption).scale, 1.0);
    EXPECT_LT(countOnLabelSize(250, 544.9, 625 + 3 * caption).scale, 1.0);
    EXPECT_LT(countOnLabelSize(250, 545, 624.9 + 3 * caption).scale, 1.0);
}

// Caption fitting lands where shrinking by 5 % a try, measuring every size,
// lands: from below half a point to sizes far beyond the width, for widths
// from none to unbounded, and from 10³⁰⁰ (the platform's fonts measure
// proportionally only up to a few hundred thousand points; beyond, the two
// still see the same widths). A size of +∞ ends at once, as if nothing fitted.
TEST(PictureElements, CaptionFittingAsShrinkingStepByStep) {
    const auto stepwise = [](const std::string& text, double size, double width) {
        double p = size;
        while (p >= 0.5 && width < platform::sizeWithAttributes(text, captionAttributes(p)).width) p *= 0.95;
        return p;
    };
    const double widths[] = {-1, 0, 0.3, 1, 7.5, 40, 390, 1e5, 1e12, HUGE_VAL};
    const char* const kSample = "double 66 plus 99";
    for (const char* text : {kSample, "7", "8 + 5 = 13 ", "\U0001F914 x", ""})
        for (const double size : {0.3, 0.5, 0.52, 12.0, 40.0, 1000.0, 3.7e4, 2e5})
            for (const double width : widths)
                EXPECT_EQ(fittedFontSize(text, size, width), stepwise(text, size, width))
                    << text << " " << size << " " << width;
    for (const double width : {1.0, 390.0})
        EXPECT_EQ(fittedFontSize(kSample, 1e300, width), stepwise(kSample, 1e300, width)) << width;
    for (const double width : widths) {
        EXPECT_EQ(fittedFontSize("8 + 5 = 13 ", HUGE_VAL, width), 0.475) << width;
        EXPECT_EQ(fittedFontSize("8 + 5 = 13 ", -HUGE_VAL, width), -HUGE_VAL);
        EXPECT_TRUE(std::isnan(fittedFontSize("8 + 5 = 13 ", std::nan(""), width)));
    }
}

// A filled frame at two scales with 0 to 12 counters: white lines 5 points
// wide at any scale on cyan, and the first ten counters drawn row by row,
// each in its own cell (the left column from the bottom up, then the right),
// in its own size and colours with a 3-point outline, its number centred.
TEST(PictureElements, CountersInTheCellsTheFrameDraws) {
    for (const double scale : {1.0, 0.4})
        for (const std::size_t n : {0, 1, 5, 7, 10, 12}) {
            filledFrame filled;
            for (std::size_t i = 0; i < n; ++i)
                filled.counters.push_back({20.0 + double(i), i % 2 ? CGColor::blue() : CGColor::red(),
                                           i % 3 ? CGColor::black() : CGColor::white(),
                                           i % 4 ? "" : std::to_string(i), CGColor::green()});
            platform::RecordingContext c;
            drawTenFrames(c, 20, 700, scale, filled);
            const auto& ops = c.operations();
            EXPECT_TRUE(ops[0].fillColor == CGColor::cyan() && ops[0].strokeColor == CGColor::white() &&
                        ops[0].lineWidth == 5 && ops[0].mode == platform::PathDrawingMode::fillStroke);
            const FrameCells cells = frameCells(ops[0]);
            ASSERT_EQ(cells.centres.size(), 2u);
            EXPECT_NEAR(cells.side, (250 * scale - 15) / 2, 1e-9);
            expectAt(cells.corner, {20, 700});
            std::size_t at = 1;
            for (std::size_t row = 0; row < 5; ++row)
                for (const std::size_t i : {row, row + 5}) {
                    if (i >= n) continue;
                    const counter& expected = filled.counters[i];
                    ASSERT_TRUE(at < ops.size() && ops[at].path.elements().size() == 1);
                    const auto& disc = ops[at++].path.elements().front();
                    expectAt(disc.point, cells.centres[i / 5][i % 5]);
                    EXPECT_NEAR(disc.radius, expected.counterDiameter * scale / 2 - 1.5, 1e-9);
                    EXPECT_TRUE(ops[at - 1].fillColor == expected.counterColor && ops[at - 1].lineWidth == 3 &&
                                ops[at - 1].strokeColor == expected.counterEdgeColor);
                    if (expected.counterNumber.empty()) continue;
                    const auto& number = ops.at(at++);
                    const platform::Size size = sizeWithAttributes(number.text, number.attributes);
                    EXPECT_TRUE(number.text == expected.counterNumber &&
                                number.attributes.foregroundColor == CGColor::green());
                    expectAt({number.topLeft.x + size.width / 2, number.topLeft.y + size.height / 2}, disc.point);
                }
            EXPECT_EQ(at, ops.size());
        }
}

// A tower of bricks of three sizes: squares of their own size, each resting
// on the one below and centred on the bottom one, outlined in their own
// width and colours; faces in white at three quarters of the edge, centred
// across the square, the cross over the face. An empty tower draws nothing.
TEST(PictureElements, TowerSquaresAndFaces) {
    const std::vector<box> bricks{{60, 4, CGColor::white(), CGColor::lightGray(), "A", ""},
                                  {40, 2, CGColor::black(), CGColor::red(), "", ""},
                                  {80, 6, CGColor::white(), CGColor::blue(), natureFaces[0], "\u274C"}};
    platform::RecordingContext c;
    drawTower(c, {}, 100, 500, 0.5);
    EXPECT_TRUE(c.operations().empty());
    drawTower(c, bricks, 100, 500, 0.5);
    const auto& ops = c.operations();
    std::size_t at = 0;
    double bottom = 500;
    for (const box& brick : bricks) {
        const double s = brick.height * 0.5;
        const platform::Rect square = brickSquare(ops.at(at));
        EXPECT_TRUE(std::abs(square.width() - s) + std::abs(square.maxY() - bottom) +
                        std::abs(square.midX() - 115) < 1e-9);
        EXPECT_TRUE(ops[at].fillColor == brick.color && ops[at].strokeColor == brick.edgeColor &&
                    ops[at].lineWidth == brick.edgeWidth);
        ++at;
        for (const std::string& text : {brick.face, brick.faceOver}) {
            if (text.empty()) continue;
            const auto& face = ops.at(at++);
            const platform::Size size = sizeWithAttributes(face.text, face.attributes);
            EXPECT_TRUE(face.text == text && face.attributes.foregroundColor == CGColor::white() &&
                        face.attributes.font.pointSize == 0.75 * s);
            expectAt({face.topLeft.x + size.width / 2, face.topLeft.y - size.height / 2},
                     {square.midX(), bottom - 1.5 * s});  // centred only across, as drawn
        }
        bottom -= s;
    }
    EXPECT_EQ(at, ops.size());
}

}  // namespace
}  // namespace radixmender::testing
