// Counting pictures in the recording context: what is drawn, where, in which
// colours; out-of-contract calls. The screenshot test writes them as PNGs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "platform/recording_context.hpp"
#include "tests/pictures/recorded_pictures.hpp"
#include "tests/support/picture_examples.hpp"

namespace radixmender {
namespace {

using namespace testing;
using platform::CGColor;

// Each doubles picture (its kind its index; ten-frames are -1): least n, bricks beyond 2n, joined and apart.
struct DoublesKind {
    DrawDoubles draw;
    int least, leastApart, extra, extraApart;
};
const DoublesKind kDoubles[] = {{drawDoubleStrategy, 0, 0, 0, 0},
                                {drawDoublePlusOneStrategy, 1, 1, -1, -1},
                                {drawDoubleMinusOneStrategy, 2, 1, 0, -1},
                                {drawMakeADoubleStrategy, 2, 2, -2, -2}};

std::vector<platform::RecordedOperation> record(const DrawPicture& draw, bool apart, double w = 390,
                                                double h = 844) {
    platform::RecordingContext c;
    draw(c, apart, w, h);
    return c.operations();
}

// Each strategy over its numbers, both arrangements, three sizes: the picture
// either way up, inside the canvas, captions sized by the sample (40 points,
// shrunk 5 % at a time) and centred, frames as large as the area allows, the
// bricks and counters the numbers ask for in their colours. Each counter sits
// in a cell its frame's lines make, the cells filled in order (red ones, then
// moved blue ones). Bricks stand in the two towers' columns, as many in each
// as the strategy leaves there; edges alternate white and black up each
// tower, faces on their bricks; a lone brick floats a quarter brick above its
// tower with the edge of brick n − 1 and its tower's face (a moved brick keeps
// the left face).
TEST(Pictures, EveryStrategyOverItsNumbers) {
    const auto sample = [](double p) {
        return sizeWithAttributes("double 66 plus 99", captionAttributes(p));
    };
    for (const auto& [w, h] : {std::pair{390.0, 844.0}, {1024.0, 1366.0}, {200.0, 300.0}}) {
        const auto check = [&](const DrawPicture& draw, bool apart, int kind, int n, std::int64_t drawnBricks,
                               std::int64_t a, std::int64_t b) {
            const auto ops = record(draw, apart, w, h);
            ASSERT_EQ(ops, record(draw, apart, h, w));
            const LabelSize label = kind >= 0 ? doublesLabelSize(n, 0.5, w, h) : countOnLabelSize(250, w, h);
            EXPECT_TRUE(sample(label.fontSize).width <= w &&
                        (label.fontSize == 40 || sample(label.fontSize / 0.95).width > w));
            EXPECT_NEAR(std::remainder(std::log(label.fontSize / 40) / std::log(0.95), 1), 0, 1e-9);
            EXPECT_TRUE(kind >= 0 || label.scale == 1 || std::abs(500 * label.scale + 45 - w) < 1e-9 ||
                        std::abs(625 * label.scale + 3 * label.captionHeight - h) < 1e-9);
            const auto inside = [&](platform::Point p, double m) {
                EXPECT_TRUE(
                    platform::Rect(m - 1e-9, m - 1e-9, w - 2 * m + 2e-9, h - 2 * m + 2e-9).contains(p));
            };
            const double s = 60 * label.scale;
            const double leftX = apart ? w / 2 - 2 * s : w / 2 - s - 2, rightX = apart ? w / 2 + s : w / 2 + 2;
            std::int64_t captions = 0, paths = 0, bricks = 0, red = 0, blue = 0, cyan = 0, lone = 0, onRight = 0;
            FrameCells cells;
            std::vector<std::vector<CGColor>> filled;  // per frame, each cell's counter colour in filling order
            for (std::size_t i = 0; i < ops.size(); ++i) {
                const auto& op = ops[i];
                for (const auto& element : op.path.elements())
                    if (element.kind != platform::Path::Element::Kind::closeSubpath)
                        inside(element.point, op.lineWidth / 2 + element.radius);
                const auto is = [&](CGColor fill, CGColor stroke) {
                    return op.isPath() && op.fillColor == fill && op.strokeColor == stroke;
                };
                paths += op.isPath();
                bricks += op.isPath() && op.fillColor == CGColor::lightGray();
                red += is(CGColor::red(), CGColor::black());
                blue += is(CGColor::blue(), CGColor::black());
                cyan += is(CGColor::cyan(), CGColor::white());
                if (is(CGColor::cyan(), CGColor::white())) {  // the frames, as far from each other as from the sides
                    cells = frameCells(op);
                    const double gap = (w - 500 * label.scale) / 3;
                    expectAt(cells.corner, {filled.empty() ? gap : 2 * gap + 250 * label.scale,
                                            h / 2 + frame{}.frameHeight() * label.scale / 2});
                    filled.emplace_back(10, CGColor::clear());
                }
                if (op.isPath() && op.path.elements().front().radius > 0) {  // a counter, in a cell of its frame
                    const platform::Point centre = op.path.elements().front().point;
                    std::size_t cell = 0;
                    while (cell < 10 && !cells.centres.empty() &&
                           std::hypot(centre.x - cells.centres[cell / 5][cell % 5].x,
                                      centre.y - cells.centres[cell / 5][cell % 5].y) > 1e-9)
                        ++cell;
                    ASSERT_TRUE(cell < 10 && !cells.centres.empty()) << "a counter outside the cells";
                    EXPECT_EQ(std::exchange(filled.back()[cell], op.fillColor), CGColor::clear());
                }
                if (is(CGColor::lightGray(), op.strokeColor)) {
                    const platform::Rect square = brickSquare(op);
                    EXPECT_NEAR(square.height(), s, 1e-9);
                    const bool right = std::abs(square.minX() - rightX) < 1e-9;
                    EXPECT_TRUE(right || std::abs(square.minX() - leftX) < 1e-9) << square.minX();
                    onRight += right;
                    const double level = (h / 2 + s * n / 2 - square.maxY()) / s;
                    const bool inTower = std::abs(level - std::round(level)) < 1e-9;
                    const bool dark = (inTower ? std::llround(level) : n - 1) % 2 == 1;
                    EXPECT_EQ(op.strokeColor, dark ? CGColor::black() : CGColor::white());
                    const auto& face = ops.at(i + 1);
                    const double faceMiddle =
                        face.topLeft.y + sizeWithAttributes(face.text, face.attributes).height / 2;
                    EXPECT_EQ(face.text, natureFaces[(n + (right && (inTower || kind != 3))) % 8]);
                    EXPECT_LT(std::abs(faceMiddle - square.midY()), s / 4);
                    if (inTower) continue;
                    ++lone;
                    EXPECT_NEAR(level, (kind == 3 ? n - 2 : n - 1) + 0.25, 1e-9);
                    EXPECT_EQ(kind == 2, i + 2 < ops.size() && ops[i + 2].text == "\u274C");
                }
                if (!op.isText()) continue;
                const platform::Size size = sizeWithAttributes(op.text, op.attributes);
                inside(op.topLeft, 0);
                inside({op.topLeft.x + size.width, op.topLeft.y + size.height}, 0);
                if (op.attributes.foregroundColor != CGColor::black()) continue;  // a caption
                const double line = 0.75 * label.captionHeight;
                EXPECT_NEAR(op.topLeft.x + size.width / 2, w / 2, 1e-9);
                EXPECT_NEAR(op.topLeft.y + size.height / 2, captions++ == 0 ? line : h - line, 1e-9);
            }
            const std::int64_t moved = apart ? 0 : std::min(10 - a, b);
            EXPECT_EQ(captions, 2);
            EXPECT_EQ(lone, !apart && kind > 0);
            EXPECT_EQ(bricks + red + blue + cyan, paths);
            EXPECT_EQ(bricks, drawnBricks);
            EXPECT_EQ(bricks - onRight, n - (kind == 3 && !apart));  // the moved brick is on the right
            EXPECT_EQ(cyan, kind >= 0 ? 0 : 2);             // the two frames
            EXPECT_EQ(red, std::min<std::int64_t>(a, 10));  // counters beyond ten have no cell
            EXPECT_EQ(blue, moved + std::min<std::int64_t>(b - moved, 10));
            const auto frameOf = [](std::int64_t reds, std::int64_t blues) {
                std::vector<CGColor> cellColours(10, CGColor::clear());
                for (std::int64_t i = 0; i < std::min<std::int64_t>(reds + blues, 10); ++i)
                    cellColours[i] = i < reds ? CGColor::red() : CGColor::blue();
                return cellColours;
            };
            if (kind < 0) {
                EXPECT_EQ(filled, (std::vector{frameOf(a, moved), frameOf(0, b - moved)}));
            }
        };
        for (int n = 0; n <= 9; ++n)
            for (int kind = 0; kind < 4; ++kind)
                for (const bool apart : {true, false})
                    if (const DoublesKind& k = kDoubles[kind]; n >= (apart ? k.leastApart : k.least))
                        check(doublesPicture(k.draw, n), apart, kind, n,
                              2 * n + (apart ? k.extraApart : k.extra), 0, 0);
        for (const char* strategy : {"count on", "combine to ten", "make a ten"})
            for (const std::int64_t a : {0, 3, 7, 10, 13})
                for (const std::int64_t b : {0, 4, 9, 12})
                    for (const bool apart : {true, false})
                        if (apart || a <= 10) check(tenFramesPicture(strategy, a, b), apart, -1, 0, 0, a, b);
    }
}

// The texts drawn on a phone in a colour, "|" between them.
std::string texts(const DrawPicture& draw, bool apart, CGColor colour = CGColor::black()) {
    std::string result;
    for (const auto& op : record(draw, apart))
        if (op.isText() && op.attributes.foregroundColor == colour)
            result += (result.empty() ? "" : "|") + op.text;
    return result;
}

// Captions apart and joined; counters moved count on from a, those left read
// 11, 12, …, cells row by row from the bottom, left first. Fitting ends where
// nothing fits; calls out of contract throw and draw nothing: n below the
// least, towers too tall, negative counts, more than ten to move, a sum past 64 bits.
TEST(Pictures, CaptionsNumbersAndOutOfContractCalls) {
    const std::pair<DrawPicture, std::string> table[] = {
        {doublesPicture(drawDoubleStrategy, 7), "double|7 + 7/double 7|7 + 7 = 14"},
        {doublesPicture(drawDoublePlusOneStrategy, 7),
         "double plus 1|7 + 6/double 6 plus 1|7 + 6 = 6 + 1 + 6 = 13"},
        {doublesPicture(drawDoubleMinusOneStrategy, 7),
         "double minus 1|7 + 6/double 7 minus 1|7 + 6 = 7 + 7 \u2212 1 = 13"},
        {doublesPicture(drawMakeADoubleStrategy, 8),
         "make a double|8 + 6/8 + 6 = double 7|8 \u2212 1 + 6 + 1 = 7 + 7"},
        {tenFramesPicture("count on", 8, 5), "count on|8 + 5/count from 8|8 + 5 = 13 "},
        {tenFramesPicture("combine to ten", 3, 4), "combine to ten|3 + 4/combine them|3 + 4 = 10 "},
        {tenFramesPicture("make a ten", 7, 5), "make a ten|7 + 5/make that ten|7 + 5 = 10 + 2 = 12"},
        {tenFramesPicture("make a ten", 6, 4), "make a ten|6 + 4/make that ten|6 + 4 = 10"},
        {tenFramesPicture("Count on", 8, 5), "/"}};
    for (const auto& [draw, expected] : table)
        EXPECT_EQ(texts(draw, true) + "/" + texts(draw, false), expected);
    EXPECT_EQ(texts(tenFramesPicture("count on", 8, 5), false, CGColor::white()), "9|10|11|12|13");
    EXPECT_EQ(texts(tenFramesPicture("count on", 2, 30), false, CGColor::white()),
              "6|7|3|8|4|9|5|10|11|16|12|17|13|18|14|19|15|20");
    platform::RecordingContext c;
    for (const auto& [w, h] : {std::pair{0.0, 0.0}, {-40.0, 30.0}, {5.0, 8.0}}) {
        drawMakeADoubleStrategy(c, 9, false, w, h);
        drawCountOnMakeTenStrategy(c, 8, INT64_MAX - 8, false, "count on", w, h);
    }
    EXPECT_LT(fittedFontSize("8 + 5 = 13 ", 40, -1), 0.5);
    c.clear();
    for (const DoublesKind& k : kDoubles)
        for (const bool apart : {true, false})
            EXPECT_THROW(k.draw(c, (apart ? k.leastApart : k.least) - 1, apart, 390, 844),
                         std::invalid_argument);
    EXPECT_THROW(drawDoubleStrategy(c, kMostBricks + 1, true, 390, 844), std::invalid_argument);
    const std::tuple<std::int64_t, std::int64_t, bool> frames[] = {
        {-1, 3, true}, {3, -1, true}, {11, 3, false}, {5, INT64_MAX - 4, true}};
    for (const auto& [a, b, apart] : frames)
        EXPECT_THROW(drawCountOnMakeTenStrategy(c, a, b, apart, "make a ten", 390, 844),
                     std::invalid_argument);
    EXPECT_TRUE(c.operations().empty());
}

}  // namespace
}  // namespace radixmender
