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
using platform::Point;
using platform::RecordedOperation;

// The frame's sizes and their inverses; the caption sizing keeps whole
// frames at scale 1 exactly when the area has room for them.
TEST(PictureElements, FrameSizesAndScale) {
    frame f;
    EXPECT_DOUBLE_EQ(f.frameHeight(), 617.5);
    EXPECT_NEAR(f.frameCounterDiameter(), 97.0 + 11.0 / 12.0, 1e-12);
    for (const double width : {250.0, 101.0, 15.0}) {
        frame g;
        g.frameWidth = width;
        frame h = g;
        h.setFrameHeight(g.frameHeight());
        EXPECT_NEAR(h.frameWidth, width, 1e-12);
        h.setFrameCounterDiameter(g.frameCounterDiameter());
        EXPECT_NEAR(h.frameWidth, width, 1e-12);
    }
    const double caption = countOnLabelSize(250, 545, 1e4).captionHeight;
    EXPECT_EQ(countOnLabelSize(250, 545, 625 + 3 * caption).scale, 1.0);
    EXPECT_LT(countOnLabelSize(250, 544.9, 625 + 3 * caption).scale, 1.0);
    EXPECT_LT(countOnLabelSize(250, 545, 624.9 + 3 * caption).scale, 1.0);
}

// A filled frame at two scales with 0 to 12 counters: ten cells read off its
// lines (white, 5 points at any scale, on cyan), and each of the first ten
// counters, in its colours, in its cell: the left column from the bottom up,
// then the right; its number centred on it.
TEST(PictureElements, CountersInTheCellsTheFrameDraws) {
    for (const double scale : {1.0, 0.4})
        for (const std::size_t n : {0, 1, 5, 7, 10, 12}) {
            SCOPED_TRACE(std::to_string(scale) + " " + std::to_string(n));
            filledFrame filled;
            for (std::size_t i = 0; i < n; ++i)
                filled.counters.push_back({20.0 + static_cast<double>(i),
                                           i % 2 ? CGColor::blue() : CGColor::red(),
                                           i % 3 ? CGColor::black() : CGColor::white(),
                                           i % 4 ? "" : std::to_string(i), platform::UIColor::green()});
            platform::RecordingContext c;
            drawTenFrames(c, 20, 700, scale, filled);
            const auto& ops = c.operations();
            ASSERT_FALSE(ops.empty());
            EXPECT_TRUE(ops[0].fillColor == CGColor::cyan() && ops[0].strokeColor == CGColor::white() &&
                        ops[0].lineWidth == 5 && ops[0].mode == platform::PathDrawingMode::fillStroke);
            const FrameCells cells = frameCells(ops[0]);
            ASSERT_EQ(cells.centres.size(), 2u);
            EXPECT_NEAR(cells.side, (250 * scale - 15) / 2, 1e-9);
            expectAt(cells.centres[0][0], {20 + 5 + cells.side / 2, 700 - 5 - cells.side / 2});
            std::vector<bool> seen(n);
            std::size_t at = 1, drawn = 0;
            while (at < ops.size()) {
                const RecordedOperation& disc = ops[at++];
                ASSERT_TRUE(disc.isPath() && disc.path.elements().size() == 1);
                const Point centre = disc.path.elements()[0].point;
                std::size_t i = 0;
                while (i < std::min<std::size_t>(n, 10) &&
                       std::hypot(centre.x - cells.centres[i / 5][i % 5].x,
                                  centre.y - cells.centres[i / 5][i % 5].y) > 1e-9)
                    ++i;
                ASSERT_LT(i, std::min<std::size_t>(n, 10)) << "a counter outside the cells it may take";
                EXPECT_FALSE(seen[i]);
                seen[i] = true;
                ++drawn;
                const counter& expected = filled.counters[i];
                EXPECT_NEAR(disc.path.elements()[0].radius, expected.counterDiameter * scale / 2 - 1.5, 1e-9);
                EXPECT_TRUE(disc.fillColor == expected.counterColor &&
                            disc.strokeColor == expected.counterEdgeColor && disc.lineWidth == 3);
                if (expected.counterNumber.empty()) continue;
                ASSERT_LT(at, ops.size());
                const RecordedOperation& number = ops[at++];
                EXPECT_EQ(number.text, expected.counterNumber);
                EXPECT_EQ(number.attributes.foregroundColor, expected.counterFontColor);
                const platform::Size size = sizeWithAttributes(number.text, number.attributes);
                expectAt({number.topLeft.x + size.width / 2, number.topLeft.y + size.height / 2}, centre);
            }
            EXPECT_EQ(drawn, std::min<std::size_t>(n, 10));
        }
}

// A tower of bricks of three sizes: squares of their own size, each resting
// on the one below and centred on the bottom one, outlined inside the square
// in their own width and colours; faces in white at three quarters of the
// edge, centred across the square, the cross over the face. An empty tower
// draws nothing.
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
        ASSERT_LT(at, ops.size());
        const RecordedOperation& outline = ops[at++];
        const platform::Rect square = brickSquare(outline);
        const double s = brick.height * 0.5;
        EXPECT_NEAR(square.width(), s, 1e-9);
        EXPECT_NEAR(square.maxY(), bottom, 1e-9);
        EXPECT_NEAR(square.midX(), 100 + 15, 1e-9);
        EXPECT_TRUE(outline.fillColor == brick.color && outline.strokeColor == brick.edgeColor &&
                    outline.lineWidth == brick.edgeWidth);
        for (const std::string& text : {brick.face, brick.faceOver}) {
            if (text.empty()) continue;
            ASSERT_LT(at, ops.size());
            const RecordedOperation& face = ops[at++];
            const platform::Size size = sizeWithAttributes(face.text, face.attributes);
            EXPECT_EQ(face.text, text);
            EXPECT_EQ(face.attributes.foregroundColor, CGColor::white());
            EXPECT_EQ(face.attributes.font.pointSize, 0.75 * s);
            EXPECT_NEAR(face.topLeft.x + size.width / 2, square.midX(), 1e-9);
            EXPECT_NEAR(face.topLeft.y - size.height / 2, bottom - 1.5 * s, 1e-9);
        }
        bottom -= s;
    }
    EXPECT_EQ(at, ops.size());
}

}  // namespace
}  // namespace radixmender::testing
