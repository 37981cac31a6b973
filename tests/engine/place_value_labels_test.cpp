// The turned place-value labels over a tableau's digit columns, drawn into a
// canvas that knows its visible bounds, against the whole run drawn where
// nothing is cut: under turns, mirrors and scales, every character that
// meets the canvas is drawn and little else; with the tableau wholly in view
// the labels are the whole run's; and counts up to the largest integer cost
// what the canvas shows, wherever the run lies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/universal_engine_view.hpp"
#include "platform/image_renderer.hpp"
#include "records/tableau_records.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/support/pixel_bounds.hpp"

namespace radixmender {
namespace {

using platform::AffineTransform;
using platform::Point;
using platform::RecordedOperation;
using platform::Rect;

struct Canvas : platform::RecordingContext {
    std::optional<Rect> bounds;
    [[nodiscard]] std::optional<Rect> visibleBounds() const override { return bounds; }
};

// 93 + 15 counted on over `columns` digit columns.
Record counting(const std::string& columns) {
    return makeCountOpRecord("t", "count", {{"93", "10", "103"}, {"103", "5", "108"}},
                             {"COUNT UP", columns, "2", "15"}, {"STEP", "2"}, {"10", "5"});
}

// The record drawn at (x, y) under `ctm` into a canvas with these bounds.
std::vector<RecordedOperation> texts(const Record& r, const AffineTransform& ctm, std::optional<Rect> bounds,
                                     double x, double y, double size) {
    Canvas canvas;
    canvas.bounds = bounds;
    canvas.concatCTM(ctm);
    {
        const platform::ContextScope scope(&canvas);
        drawItems(r, testing::startOf(r), defaultFontName(), x, y, size, testing::kMedium);
    }
    return canvas.texts();
}

// The labels among them: the texts drawn turned.
std::vector<RecordedOperation> labels(const std::vector<RecordedOperation>& all, const AffineTransform& ctm) {
    std::vector<RecordedOperation> out;
    for (const RecordedOperation& op : all)
        if (!(op.ctm == ctm)) out.push_back(op);
    return out;
}

// `change` and then `turn` radians, both about (200, 150).
AffineTransform about(double turn, AffineTransform change = {}) {
    return AffineTransform::translation(-200, -150)
        .concatenating(change)
        .concatenating(AffineTransform::rotation(turn))
        .concatenating(AffineTransform::translation(200, 150));
}

const AffineTransform kTransforms[] = {
    {},
    about(0.3),
    about(0.01),
    about(-0.3),
    about(1.0),
    about(M_PI / 2),
    about(M_PI),
    about(0, {-1, 0, 0, 1, 0, 0}),  // mirrored left to right
    about(0.7, {0.5, 0, 0, 0.5, 0, 0}),
    about(-2.0, {1.7, 0, 0, -1.7, 0, 0}),  // mirrored top to bottom, larger
};

platform::UIFont labelFont(double size) {
    return platform::UIFont::monospacedDigitSystemFont(size / 2, testing::kMedium);
}

// Where the tableau's baseline goes for the feet of its labels to stand at `feet`.
double baselineFor(const Record& r, std::int64_t columns, double size, double feet) {
    const double band = static_cast<double>(columns - 1) * textSize("0", labelFont(size)).width +
                        textSize("1", labelFont(size)).width;
    return feet + testing::measure(r, size).ascent - band;
}

double stretchOf(const AffineTransform& t) {
    return std::max(std::abs(t.a) + std::abs(t.c), std::abs(t.b) + std::abs(t.d));
}

// Every character of the labels lies within a label's reach of the canvas
// (0, 0, 400, 300): half its height and two characters, on the device.
void expectWithinReach(const std::vector<RecordedOperation>& drawn, const AffineTransform& ctm, double size) {
    const double advance = textSize("0", labelFont(size)).width;
    const double reach = (textSize("1", labelFont(size)).height / 2 + 2 * advance) * stretchOf(ctm);
    const Rect near(-reach, -reach, 400 + 2 * reach, 300 + 2 * reach);
    for (const RecordedOperation& op : drawn)
        for (std::size_t i = 0; i < op.text.size(); ++i) {
            const double x = (static_cast<double>(i) + 0.5) * advance;
            ASSERT_TRUE(near.contains(op.ctm.apply({x, 0}))) << op.text.size() << " " << i;
        }
}

// The corners of the text-space box [x0, x1] × [y0, y1] on the device.
std::vector<Point> quad(const AffineTransform& t, double x0, double x1, double y0, double y1) {
    return {t.apply({x0, y0}), t.apply({x1, y0}), t.apply({x1, y1}), t.apply({x0, y1})};
}

// A convex quadrilateral meets a rectangle unless an axis of either parts them.
bool meets(const std::vector<Point>& q, const Rect& r) {
    const Point corners[4] = {
        {r.minX(), r.minY()}, {r.maxX(), r.minY()}, {r.maxX(), r.maxY()}, {r.minX(), r.maxY()}};
    const auto apart = [&](Point axis) {
        double qLow = HUGE_VAL, qHigh = -HUGE_VAL, rLow = HUGE_VAL, rHigh = -HUGE_VAL;
        for (const Point p : q)
            qLow = std::min(qLow, p.x * axis.x + p.y * axis.y),
            qHigh = std::max(qHigh, p.x * axis.x + p.y * axis.y);
        for (const Point p : corners)
            rLow = std::min(rLow, p.x * axis.x + p.y * axis.y),
            rHigh = std::max(rHigh, p.x * axis.x + p.y * axis.y);
        return qHigh < rLow || rHigh < qLow;
    };
    return !apart({1, 0}) && !apart({0, 1}) && !apart({q[1].y - q[0].y, q[0].x - q[1].x}) &&
           !apart({q[2].y - q[1].y, q[1].x - q[2].x});
}

// Under every transform, with the labels' feet inside the canvas and far
// below it: each character of the whole run that meets the canvas is drawn,
// in a label of its own column cut only at characters that do not meet it,
// and every character drawn lies within a character's reach of the canvas.
TEST(PlaceValueLabels, EveryCharacterThatMeetsTheCanvasAndLittleElse) {
    const Rect canvas(0, 0, 400, 300);
    const double size = 20, advance = textSize("0", labelFont(size)).width,
                 height = textSize("1", labelFont(size)).height;
    const Record r = counting("400");
    for (const AffineTransform& ctm : kTransforms)
        for (const Point at :
             {Point{-300, baselineFor(r, 400, size, 250)}, Point{-1200, baselineFor(r, 400, size, 1300)}}) {
            SCOPED_TRACE(::testing::Message() << ctm.a << " " << ctm.b << " at " << at.x);
            const auto whole = labels(texts(r, ctm, std::nullopt, at.x, at.y, size), ctm);
            const auto cut = labels(texts(r, ctm, canvas, at.x, at.y, size), ctm);
            ASSERT_EQ(whole.size(), 400u);
            std::vector<bool> matched(cut.size(), false);
            std::size_t visible = 0;
            for (std::size_t c = 0; c < whole.size(); ++c) {
                const RecordedOperation& w = whole[c];
                ASSERT_EQ(w.text, "1" + std::string(399 - c, '0'));
                // The characters of this column's label that meet the canvas.
                std::size_t first = SIZE_MAX, last = 0;
                for (std::size_t i = 0; i < w.text.size(); ++i) {
                    const double x = static_cast<double>(i) * advance;
                    if (meets(quad(w.ctm, x, x + advance, w.topLeft.y, w.topLeft.y + height), canvas))
                        first = std::min(first, i), last = i;
                }
                // The cut label of this column: its start lies on the whole one's line.
                const AffineTransform back = w.ctm.inverted();
                std::optional<std::size_t> drawn;
                for (std::size_t k = 0; k < cut.size(); ++k) {
                    const Point p = back.apply(cut[k].ctm.apply({0, 0}));
                    const double skip = p.x / advance;
                    if (std::abs(p.y) > 1e-6 || std::abs(skip - std::round(skip)) > 1e-6) continue;
                    EXPECT_FALSE(drawn.has_value()) << c;
                    drawn = k;
                    matched[k] = true;
                    const auto from = static_cast<std::size_t>(std::round(skip));
                    const std::size_t length = cut[k].text.size();
                    EXPECT_EQ(cut[k].text, from == 0 ? w.text.substr(0, length) : std::string(length, '0'))
                        << c;
                    if (first != SIZE_MAX) {
                        EXPECT_LE(from, first) << c;
                        EXPECT_GE(from + length, last + 1) << c;
                    }
                }
                if (first == SIZE_MAX) continue;
                ++visible;
                EXPECT_TRUE(drawn.has_value()) << c;
            }
            EXPECT_TRUE(std::all_of(matched.begin(), matched.end(), [](bool m) { return m; }));
            EXPECT_GT(visible, 10u);
            expectWithinReach(cut, ctm, size);
        }
}

// The tableaux drawn wholly in view, low on the canvas and at its right edge,
// with and without visible bounds: the same labels, the last column's "1"
// included, under every transform.
TEST(PlaceValueLabels, WhollyInViewAsTheWholeRun) {
    const double size = 20;
    const Record tableaux[] = {counting("60"),
                               makeAddColumnRecord("t", "+", 1, {Texts(60, "7")}, {Texts(60, "YN")})};
    for (const Record& r : tableaux)
        for (const AffineTransform& ctm : kTransforms) {
            SCOPED_TRACE(::testing::Message() << r[1][1] << " " << ctm.a << " " << ctm.b);
            const auto all = texts(r, ctm, std::nullopt, 10, 100, size);
            double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
            for (const RecordedOperation& op : all) {
                const platform::Size box = textSize(op.text, op.attributes.font);
                for (const Point p : quad(op.ctm, op.topLeft.x, op.topLeft.x + box.width, op.topLeft.y,
                                          op.topLeft.y + box.height))
                    left = std::min(left, p.x), top = std::min(top, p.y), right = std::max(right, p.x),
                    bottom = std::max(bottom, p.y);
            }
            const double width = right - left + 300, height = bottom - top + 300;
            const auto whole = labels(all, ctm);
            ASSERT_EQ(whole.size(), 60u);
            EXPECT_EQ(whole.back().text, "1");
            EXPECT_EQ(labels(texts(r, ctm, Rect(right + 1 - width, bottom + 1 - height, width, height), 10,
                                   100, size),
                             ctm),
                      whole);
        }
}

// The counting tableau of the largest counts, its labels' feet far below the
// canvas, under every transform, into a canvas and into a 400 × 300 image:
// no label reaches the canvas, and none is drawn (the sums are drawn far
// below it).
TEST(PlaceValueLabels, HugeCountsOutOfViewUnderEveryTransform) {
    for (const char* columns : {"5000000000000000", "9223372036854775807"}) {
        const Record r = counting(columns);
        for (const AffineTransform& ctm : kTransforms) {
            SCOPED_TRACE(::testing::Message() << columns << " " << ctm.a << " " << ctm.b);
            const auto drawn = texts(r, ctm, Rect(0, 0, 400, 300), 10, 150, 32);
            EXPECT_EQ(drawn.size(), 8u);  // the sums' numbers and operators
            EXPECT_TRUE(labels(drawn, ctm).empty());
        }
        const platform::RasterImage image =
            platform::ImageRenderer({400, 300}).image([&](platform::GraphicsContext& c) {
                c.concatCTM(about(0.3));
                drawItems(r, testing::startOf(r), defaultFontName(), 10, 150, 32, testing::kMedium);
            });
        // The whole tableau lies below the image.
        EXPECT_EQ(testing::pixelBounds(image, [](platform::Pixel p) { return p.a > 0; })[2], 0);
    }
}

// Looked at from 10¹¹ points above their feet, where the labels of a
// trillion digit columns cross the canvas: the labels drawn are cut to the
// canvas and come one column apart across their direction, from one side of
// it to the other, under every transform.
TEST(PlaceValueLabels, CrossingTheCanvasFromAfar) {
    const double size = 20, rise = 1e11;
    const Record r = counting("1000000000000");
    const double pitch =
        textSize("0", platform::UIFont::monospacedDigitSystemFont(size, testing::kMedium)).width;
    // Near where the label of column 1000 crosses, `rise` above its foot.
    const double x = 40 + 1000 * pitch + (800 + rise) / std::tan(M_PI / 3);
    for (const AffineTransform& change : kTransforms) {
        const AffineTransform ctm = AffineTransform::translation(200 - x, 150 + rise).concatenating(change);
        SCOPED_TRACE(::testing::Message() << change.a << " " << change.b);
        const auto drawn = labels(
            texts(r, ctm, Rect(0, 0, 400, 300), 10, baselineFor(r, 1000000000000, size, 800), size), ctm);
        ASSERT_GT(drawn.size(), 10u);
        expectWithinReach(drawn, ctm, size);
        // Across the labels' direction: each label's line, and the canvas's extent.
        const Point along = {ctm.a * std::cos(-M_PI / 3) + ctm.c * std::sin(-M_PI / 3),
                             ctm.b * std::cos(-M_PI / 3) + ctm.d * std::sin(-M_PI / 3)};
        const Point normal = {-along.y / std::hypot(along.x, along.y),
                              along.x / std::hypot(along.x, along.y)};
        const auto across = [&](Point p) { return p.x * normal.x + p.y * normal.y; };
        const double step = std::abs(across({ctm.a * pitch, ctm.b * pitch}));
        std::vector<double> lines;
        for (const RecordedOperation& op : drawn) {
            EXPECT_EQ(op.text, std::string(op.text.size(), '0'));
            lines.push_back(across(op.ctm.apply({0, 0})));
        }
        std::sort(lines.begin(), lines.end());
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_NEAR(lines[i] - lines[i - 1], step, step / 100) << i;
        double low = HUGE_VAL, high = -HUGE_VAL;
        for (const Point corner : {Point{0, 0}, Point{400, 0}, Point{0, 300}, Point{400, 300}})
            low = std::min(low, across(corner)), high = std::max(high, across(corner));
        EXPECT_LE(lines.front(), low + step);
        EXPECT_GE(lines.back(), high - step);
    }
}

}  // namespace
}  // namespace radixmender
