// Counting pictures in the recording context: what is drawn, where, in which
// colours; out-of-contract calls. The screenshot test writes them as PNGs.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "pictures/doubles.hpp"
#include "pictures/ten_frames.hpp"
#include "platform/recording_context.hpp"

namespace radixmender {
namespace {

using platform::CGColor;
using platform::GraphicsContext;
using Draw = std::function<void(GraphicsContext&, bool apart, double width, double height)>;
using DrawDoubles = void (*)(GraphicsContext&, std::int64_t, bool, double, double);

// Each doubles picture, its least n (joined, apart) and the bricks it draws beyond 2n (joined, apart).
struct DoublesKind {
    DrawDoubles draw;
    int least, leastApart, extra, extraApart;
};
const DoublesKind kDoubles[] = {{drawDoubleStrategy, 0, 0, 0, 0},
                                {drawDoublePlusOneStrategy, 1, 1, -1, -1},
                                {drawDoubleMinusOneStrategy, 2, 1, 0, -1},
                                {drawMakeADoubleStrategy, 2, 2, -2, -2}};

Draw doubles(DrawDoubles draw, std::int64_t n) {
    return [=](GraphicsContext& c, bool apart, double w, double h) { draw(c, n, apart, w, h); };
}
Draw frames(const std::string& strategy, std::int64_t a, std::int64_t b) {
    return [=](GraphicsContext& c, bool apart, double w, double h) {
        drawCountOnMakeTenStrategy(c, a, b, apart, strategy, w, h);
    };
}
std::vector<platform::RecordedOperation> record(const Draw& draw, bool apart, double w = 390,
                                                double h = 844) {
    platform::RecordingContext c;
    draw(c, apart, w, h);
    return c.operations();
}

// Each strategy over its numbers, both arrangements, three sizes: the same
// picture either way up, everything inside the canvas, captions sized by the
// sample and centred on their lines, and the bricks and counters the numbers
// ask for, in their colours. Brick edges alternate white and black up each
// tower; a lone brick floats a quarter brick above its tower with the edge of
// brick n − 1 and its tower's face (the moved brick keeps the left face).
// (Top captions are never shrunk: from n = 10 a name can outgrow a narrow area.)
TEST(Pictures, EveryStrategyOverItsNumbers) {
    struct Case {
        Draw draw;
        bool apart;
        int kind, n;  // kind: in kDoubles, or -1 for ten-frames
        std::int64_t bricks, a, b;
    };
    std::vector<Case> cases;
    for (int n = 0; n <= 9; ++n)
        for (int kind = 0; kind < 4; ++kind)
            for (const bool apart : {true, false})
                if (const DoublesKind& k = kDoubles[kind]; n >= (apart ? k.leastApart : k.least))
                    cases.push_back(
                        {doubles(k.draw, n), apart, kind, n, 2 * n + (apart ? k.extraApart : k.extra), 0, 0});
    for (const char* strategy : {"count on", "combine to ten", "make a ten"})
        for (const std::int64_t a : {0, 3, 7, 10, 13})
            for (const std::int64_t b : {0, 4, 9, 12})
                for (const bool apart : {true, false})
                    if (apart || a <= 10) cases.push_back({frames(strategy, a, b), apart, -1, 0, 0, a, b});
    const auto sample = [](double p) {
        return sizeWithAttributes("double 66 plus 99", captionAttributes(p));
    };
    for (const auto& [w, h] : {std::pair{390.0, 844.0}, {1024.0, 1366.0}, {200.0, 300.0}})
        for (const Case& e : cases) {
            const auto ops = record(e.draw, e.apart, w, h);
            ASSERT_EQ(ops, record(e.draw, e.apart, h, w));
            const LabelSize label =
                e.kind >= 0 ? doublesLabelSize(e.n, 0.5, w, h) : countOnLabelSize(250, w, h);
            EXPECT_EQ(label.captionHeight, sample(label.fontSize).height);
            EXPECT_TRUE(sample(label.fontSize).width <= w &&
                        (label.fontSize == 40 || sample(label.fontSize / 0.95).width > w));
            const auto inside = [&](platform::Point p, double margin) {
                EXPECT_TRUE(p.x >= margin - 1e-9 && p.x + margin <= w + 1e-9 && p.y >= margin - 1e-9 &&
                            p.y + margin <= h + 1e-9);
            };
            const double s = 60 * label.scale;
            std::int64_t captions = 0, paths = 0, bricks = 0, red = 0, blue = 0, cyan = 0, lone = 0;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                const auto& op = ops[i];
                for (const auto& element : op.path.elements())
                    if (element.kind != platform::Path::Element::Kind::closeSubpath)
                        inside(element.point, op.lineWidth / 2 + element.radius);
                const auto is = [&](CGColor fill, CGColor stroke) {
                    return op.isPath() && op.fillColor == fill && op.strokeColor == stroke;
                };
                paths += op.isPath();
                bricks +=
                    is(CGColor::lightGray(), CGColor::white()) || is(CGColor::lightGray(), CGColor::black());
                red += is(CGColor::red(), CGColor::black());
                blue += is(CGColor::blue(), CGColor::black());
                cyan += is(CGColor::cyan(), CGColor::white());
                if (is(CGColor::lightGray(), op.strokeColor)) {
                    const platform::Point corner = op.points().front();  // inset by half the 4-point edge
                    const double x = corner.x - 2, level = (h / 2 + s * e.n / 2 - corner.y - 2) / s;
                    const bool inTower = std::abs(level - std::round(level)) < 1e-9;
                    const std::int64_t position = inTower ? std::llround(level) : e.n - 1;
                    EXPECT_EQ(op.strokeColor, position % 2 == 0 ? CGColor::white() : CGColor::black());
                    const bool faceB = x > w / 2 && (inTower || e.kind != 3);
                    EXPECT_EQ(ops.at(i + 1).text, natureFaces[(e.n + faceB) % 8]);
                    if (inTower) continue;
                    ++lone;
                    EXPECT_NEAR(x, e.kind == 1 ? w / 2 - s - 2 : w / 2 + 2, 1e-9);
                    EXPECT_NEAR(level, (e.kind == 3 ? e.n - 2 : e.n - 1) + 0.25, 1e-9);
                    EXPECT_EQ(e.kind == 2, i + 2 < ops.size() && ops[i + 2].text == "\u274C");
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
            const std::int64_t moved = e.apart ? 0 : std::min(10 - e.a, e.b);
            EXPECT_EQ(captions, 2);
            EXPECT_EQ(lone, !e.apart && e.kind > 0);
            EXPECT_EQ(bricks + red + blue + cyan, paths);
            EXPECT_EQ(bricks, e.bricks);
            EXPECT_EQ(cyan, e.kind >= 0 ? 0 : 2);             // the two frames
            EXPECT_EQ(red, std::min<std::int64_t>(e.a, 10));  // counters beyond ten have no cell
            EXPECT_EQ(blue, moved + std::min<std::int64_t>(e.b - moved, 10));
        }
}

// The texts drawn on a phone, "|" between them: captions, or the counters' numbers.
std::string texts(const Draw& draw, bool apart, bool numbers = false) {
    std::string result;
    for (const auto& op : record(draw, apart))
        if (op.isText() && (op.attributes.foregroundColor == CGColor::white()) == numbers)
            result += (result.empty() ? "" : "|") + op.text;
    return result;
}

// One picture of each strategy, with its texts apart and joined.
struct Example {
    Draw draw;
    std::string apart, joined;
};
const std::string m = "\u2212";
const Example kExamples[] = {
    {doubles(drawDoubleStrategy, 7), "double|7 + 7", "double 7|7 + 7 = 14"},
    {doubles(drawDoublePlusOneStrategy, 7), "double plus 1|7 + 6", "double 6 plus 1|7 + 6 = 6 + 1 + 6 = 13"},
    {doubles(drawDoubleMinusOneStrategy, 7), "double minus 1|7 + 6",
     "double 7 minus 1|7 + 6 = 7 + 7 " + m + " 1 = 13"},
    {doubles(drawMakeADoubleStrategy, 8), "make a double|8 + 6",
     "8 + 6 = double 7|8 " + m + " 1 + 6 + 1 = 7 + 7"},
    {frames("count on", 8, 5), "count on|8 + 5", "count from 8|8 + 5 = 13 "},
    {frames("combine to ten", 6, 4), "combine to ten|6 + 4", "combine them|6 + 4 = 10 "},
    {frames("make a ten", 7, 5), "make a ten|7 + 5", "make that ten|7 + 5 = 10 + 2 = 12"}};

TEST(Pictures, CaptionsAndCounterNumbers) {
    for (const Example& e : kExamples)
        EXPECT_EQ(texts(e.draw, true) + "/" + texts(e.draw, false), e.apart + "/" + e.joined);
    const std::pair<std::string, std::string> table[] = {
        {texts(doubles(drawDoubleStrategy, 0), false), "double 0|0 + 0 = 0"},
        {texts(doubles(drawDoublePlusOneStrategy, 1), false), "double 0 plus 1|1 + 0 = 0 + 1 + 0 = 1"},
        {texts(doubles(drawDoubleMinusOneStrategy, 1), true), "double minus 1|1 + 0"},
        {texts(frames("make a ten", 6, 4), false), "make that ten|6 + 4 = 10"},
        {texts(frames("combine to ten", 3, 4), false), "combine them|3 + 4 = 10 "},  // whatever the sum
        {texts(frames("Count on", 8, 5), false), ""},
        // Moved counters count on from a, those left on the right read 11, 12, …;
        // cells are drawn row by row from the bottom, left column first.
        {texts(frames("count on", 8, 5), false, true), "9|10|11|12|13"},
        {texts(frames("count on", 10, 3), false, true), "11|12|13"},
        {texts(frames("count on", 3, 4), false, true), "6|7|4|5"},
        {texts(frames("count on", 2, 30), false, true), "6|7|3|8|4|9|5|10|11|16|12|17|13|18|14|19|15|20"},
        {texts(frames("make a ten", 8, 5), false, true), ""}};
    for (const auto& [drawn, expected] : table) EXPECT_EQ(drawn, expected);
}

TEST(Pictures, MeasuresEmptyAreasAndOutOfContractCalls) {
    frame f;
    EXPECT_EQ(f.frameHeight(), 617.5);
    EXPECT_NEAR(f.frameCounterDiameter(), 97.916666666, 1e-8);
    f.setFrameHeight(1000);
    EXPECT_NEAR(f.frameHeight(), 1000, 1e-9);
    f.setFrameCounterDiameter(30);
    EXPECT_NEAR(f.frameCounterDiameter(), 30, 1e-9);
    // Scale 1 and 40-point captions while the area has room.
    const double ch = countOnLabelSize(250, 545, 900).captionHeight;
    EXPECT_EQ(countOnLabelSize(250, 545, 625 + 3 * ch).scale, 1);
    EXPECT_LT(countOnLabelSize(250, 544, 900).scale, 1);
    EXPECT_LT(countOnLabelSize(250, 545, 624 + 3 * ch).scale, 1);
    EXPECT_EQ(doublesLabelSize(5, 0.5, 545, 900).fontSize, 40.0);

    platform::RecordingContext c;
    // Nothing to shrink into: every fitting loop still ends.
    for (const auto& [w, h] : {std::pair{0.0, 0.0}, {-40.0, 30.0}, {5.0, 8.0}}) {
        drawMakeADoubleStrategy(c, 9, false, w, h);
        drawCountOnMakeTenStrategy(c, 8, INT64_MAX - 8, false, "count on", w, h);
        drawCounter(c, 0, 0, -1, counter{50, CGColor::red(), CGColor::black(), "12", CGColor::white()});
    }
    EXPECT_LT(fittedFontSize("8 + 5 = 13 ", 40, -1), 0.5);
    c.clear();
    // Below an operation's least n, a tower too tall to tell its bricks apart,
    // negative counts, more than ten to move into a frame, a sum past 64 bits.
    for (const auto& [kind, n, apart] : {std::tuple{0, -1, true},
                                         {1, 0, false},
                                         {2, 1, false},
                                         {2, 0, true},
                                         {3, 1, true},
                                         {0, int(kMostBricks) + 1, true}})
        EXPECT_THROW(kDoubles[kind].draw(c, n, apart, 390, 844), std::invalid_argument) << kind << " " << n;
    for (const auto& [a, b, apart] : {std::tuple<std::int64_t, std::int64_t, bool>{-1, 3, true},
                                      {3, -1, true},
                                      {11, 3, false},
                                      {5, INT64_MAX - 4, true}})
        EXPECT_THROW(drawCountOnMakeTenStrategy(c, a, b, apart, "make a ten", 390, 844),
                     std::invalid_argument)
            << a;
    EXPECT_TRUE(c.operations().empty());
}

}  // namespace
}  // namespace radixmender
