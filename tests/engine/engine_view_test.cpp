// The engine view: fitting, rendering, the bands, the data source and the
// navigation taps.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/text_drawing.hpp"
#include "engine/universal_engine_view.hpp"
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "records/literals.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/support/screen_width.hpp"

namespace radixmender {
namespace {

using platform::FontWeight::medium;

// Serves fixed steps and counts what the view asks.
class SpySource : public UniversalEngineViewDataSource {
public:
    std::optional<std::int64_t> count;
    Steps steps;
    Comments comments_;
    int countCalls = 0, stepCalls = 0, commentCalls = 0;
    std::vector<std::int64_t> asked;

    std::optional<std::int64_t> numberOfSteps() override {
        ++countCalls;
        return count;
    }
    Step step(std::int64_t index) override {
        ++stepCalls;
        asked.push_back(index);
        return steps.at(static_cast<std::size_t>(index));
    }
    Comment comments(std::int64_t index) override {
        ++commentCalls;
        return comments_.at(static_cast<std::size_t>(index));
    }
    Parameters parameters() override { return {"NO PARAMETERS"}; }
};

SpySource sourceWith(int n) {
    SpySource s;
    s.count = n;
    for (int i = 0; i < n; ++i) {
        s.steps.push_back({makeIntegerRecord(i), makeMessageRecord("step")});
        s.comments_.push_back({"comment " + std::to_string(i)});
    }
    return s;
}

std::unique_ptr<platform::RecordingContext> drawView(UniversalEngineView& view) {
    auto context = std::make_unique<platform::RecordingContext>();
    view.render(*context);
    return context;
}

using testing::ScreenWidth;

Record longLine(int digits) { return makeMessageRecord(std::string(static_cast<std::size_t>(digits), '8')); }

double widthAt(const Record& r, double size) { return testing::measure(r, size).width; }

// Whether `size` is base·0.98^k for a whole k.
bool isShrinkStep(double size, double base) {
    const double k = std::log(size / base) / std::log(0.98);
    return std::abs(k - std::round(k)) < 1e-6;
}

double stackHeight(const Step& lines, const LineSizes& sizes, double base) {
    const FontMetrics f = fontMetrics(platform::UIFont::monospacedDigitSystemFont(base, medium));
    const double gap = f.lineHeight - f.pointSize;
    double total = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        total += testing::measure(lines[i], sizes[i][1]).height;
        if (i > 0) total += 0.5 * (sizes[i - 1][1] + sizes[i][1]) / base * gap;
    }
    return total;
}

TEST(FitLines, PropertiesOverSyntheticSteps) {
    const UniversalEngineView view;
    const Record tall = makeJoinRecord("/", makeJoinRecord("/", makeIntegerRecord(1), makeIntegerRecord(2)),
                                       makeUnaryRecord("√", makeIntegerRecord(3)));
    const std::vector<Step> steps = {
        {makeIntegerRecord(5)},
        {longLine(10), longLine(40), longLine(12)},
        {tall, tall, tall, tall, tall, tall, longLine(25)},
        {longLine(30), longLine(31), makeBlankRecords(1)[0], tall},
    };
    for (const double w : {390.0, 200.0, 1014.0}) {
        for (const double h : {600.0, 150.0, 40.0}) {
            for (const Step& lines : steps) {
                SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
                const LineSizes sizes = view.fitLines(w, h, 32, medium, lines);
                ASSERT_EQ(sizes.size(), lines.size());
                double largest = 0;
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    EXPECT_EQ(sizes[i][0], 32);
                    EXPECT_TRUE(isShrinkStep(sizes[i][1], 32)) << sizes[i][1];
                    EXPECT_LE(widthAt(lines[i], sizes[i][1]), w);
                    largest = std::max(largest, sizes[i][1]);
                }
                // The stack fits, unless its largest lines reached the floor (parts such
                // as the bar spaces do not shrink with the size).
                if (largest * 0.98 >= kMinimumFittedSize) {
                    EXPECT_LE(stackHeight(lines, sizes, 32), h + 1e-9);
                }
                // The stack is as large as it may be: the largest lines one step up would not fit.
                if (largest < 32) {
                    LineSizes up = sizes;
                    for (auto& s : up)
                        if (largest - s[1] < 0.32) s[1] = std::min(32.0, s[1] / 0.98);
                    bool widthOk = true;
                    for (std::size_t i = 0; i < lines.size(); ++i)
                        widthOk &= widthAt(lines[i], up[i][1]) <= w;
                    EXPECT_TRUE(!widthOk || stackHeight(lines, up, 32) > h);
                }
            }
        }
    }
}

// The width pass lands on the size that shrinking 2 % at a time finds, from a
// few measurements however many steps it skips.
TEST(FitLines, WidthPassPredictsItsShrinkSteps) {
    const UniversalEngineView view;
    const auto stepwise = [](const Record& line, double w) {
        double size = 32;
        while (widthAt(line, size) > w && size * 0.98 >= kMinimumFittedSize) size *= 0.98;
        return size;
    };
    const Record bracketed =
        makeUnaryRecord("()", makeJoinRecord("/", longLine(9), makeUnaryRecord("√", makeIntegerRecord(7))));
    for (const Record& line : {longLine(40), bracketed}) {
        std::vector<double> widths = {-1, 0, 1, 50, 389.5};
        for (double rung = 32 * 0.98; rung > 17; rung *= 0.98)  // a rung's width, and just below it
            widths.insert(widths.end(), {widthAt(line, rung), std::nextafter(widthAt(line, rung), 0.0)});
        for (const double w : widths)
            EXPECT_EQ(view.fitLines(w, 1e9, 32, medium, {line})[0][1], stepwise(line, w)) << w;
    }
    const testing::CountingMeasurer counter;
    static_cast<void>(view.fitLines(390, 1e9, 32, medium, {longLine(5000)}));
    EXPECT_LE(counter.calls, 12);
}

TEST(FitLines, NearlyEqualLinesShrinkTogetherAndSmallerOnesWait) {
    const UniversalEngineView view;
    const Record a = longLine(20);
    // One line narrow enough, one forced five steps down by the width.
    const double w = widthAt(a, 32 * std::pow(0.98, 5)) + 0.01;
    const Step lines = {longLine(8), a, longLine(8)};
    const LineSizes wide = view.fitLines(w, 1000, 32, medium, lines);
    EXPECT_EQ(wide[0][1], 32);
    EXPECT_NEAR(wide[1][1], 32 * std::pow(0.98, 5), 1e-9);
    // A height that forces two steps: the two larger lines shrink, the smaller keeps its size.
    const double h = stackHeight(lines, {{32, 32 * 0.98 * 0.98}, wide[1], {32, 32 * 0.98 * 0.98}}, 32);
    const LineSizes tight = view.fitLines(w, h, 32, medium, lines);
    EXPECT_NEAR(tight[0][1], 32 * 0.98 * 0.98, 1e-9);
    EXPECT_EQ(tight[0][1], tight[2][1]);
    EXPECT_EQ(tight[1][1], wide[1][1]);
}

TEST(FitLines, EndsForViewsWhereNothingFits) {
    const UniversalEngineView view;
    const Step lines = {longLine(30), makeUnaryRecord("√", makeIntegerRecord(2)), makeRationalRecord(1, 2)};
    for (const auto& [w, h] : std::vector<std::pair<double, double>>{{0, 0}, {1, 1}, {-5, -9}, {1000, 0}}) {
        const LineSizes sizes = view.fitLines(w, h, 30, medium, lines);
        for (const auto& s : sizes) {
            EXPECT_GE(s[1], kMinimumFittedSize);
            EXPECT_LT(s[1] * 0.98, kMinimumFittedSize + 1e-9);
        }
    }
    EXPECT_TRUE(view.fitLines(100, 100, 30, medium, {}).empty());
    EXPECT_GE(fittedFontSize({"a long comment that will never fit"},
                             {platform::UIFont::systemFont(30, medium)}, 0, -4),
              kMinimumFittedSize);
}

TEST(FittedFontSize, ShrinksInStepsOfFivePercent) {
    const platform::TextAttributes attributes{platform::UIFont::systemFont(30, medium)};
    const auto width = [](const std::string& t, double s) {
        return textSize(t, platform::UIFont::systemFont(s, kFittingWeight)).width;
    };
    const std::string text = "simplify radical";
    EXPECT_EQ(fittedFontSize({text}, attributes, 1000, 1000), 30);
    EXPECT_EQ(fittedFontSize({}, attributes, 1, 1), 30);
    const double twice = 30 * 0.95 * 0.95;
    EXPECT_DOUBLE_EQ(fittedFontSize({"x", text}, attributes, width(text, twice) + 1e-6, 1000), twice);
    const double lineHeight = textSize(text, platform::UIFont::systemFont(30, kFittingWeight)).height;
    EXPECT_EQ(fittedFontSize({text, text}, attributes, 1000, 2 * lineHeight), 30);
    EXPECT_LT(fittedFontSize({text, text, text}, attributes, 1000, 2 * lineHeight), 30);
    EXPECT_EQ(commonFittedFontSize({{text}, {text + text}}, attributes, width(text + text, 30) - 1, 1000),
              fittedFontSize({text + text}, attributes, width(text + text, 30) - 1, 1000));
}

// Comments in the system font at the top; the lines in the digit font at the
// screen's base size, left-aligned from the middle band's top, each below the
// one before; the navigator centred in the bottom band.
TEST(EngineView, BandsAndRenderedLines) {
    for (const auto& [screen, base] : std::vector<std::pair<double, double>>{{428, 30}, {430, 32}}) {
        const ScreenWidth width(screen);
        SpySource source = sourceWith(3);
        source.steps[1] = {makeIntegerRecord(11), makeIntegerRecord(22), makeIntegerRecord(33)};
        source.comments_[1] = {"short", "a longer comment"};
        UniversalEngineView view({0, 0, 390, 844});
        view.setDataSource(&source);
        view.setStep(1);
        const auto texts = drawView(view)->texts();
        EXPECT_EQ(source.countCalls, 1);
        EXPECT_EQ(source.asked, std::vector<std::int64_t>{1});
        EXPECT_EQ(source.commentCalls, 1);
        EXPECT_EQ(view.totalSteps(), 3);
        ASSERT_EQ(texts.size(), 6u);
        const double h = 844 - 10;
        EXPECT_EQ(texts[0].attributes.font.family, platform::FontFamily::system);
        EXPECT_LT(texts[0].topLeft.y, texts[1].topLeft.y);
        EXPECT_NEAR(texts[2].topLeft.y, 0.05 * h + 5, 1e-9);
        for (std::size_t i = 2; i < 5; ++i) {
            EXPECT_EQ(texts[i].topLeft.x, 0);
            EXPECT_EQ(texts[i].attributes.font.pointSize, base);
            EXPECT_EQ(texts[i].attributes.font.family, platform::FontFamily::monospacedDigitSystem);
            EXPECT_TRUE(i == 2 || texts[i].topLeft.y > texts[i - 1].topLeft.y);
        }
        const auto& nav = texts[5];
        EXPECT_EQ(nav.text, UniversalEngineView::navigatorText());
        EXPECT_GE(nav.topLeft.y, 0.05 * h + 5 + 0.85 * h + 5 - 1e-9);
        EXPECT_NEAR(nav.topLeft.x + textSize(nav.text, nav.attributes.font).width / 2, 390 / 2, 1e-9);
    }
}

// The widest problems three-digit entries allow: fitted on a phone, every
// line of every step is no wider than the view and no smaller than 12 points.
TEST(EngineView, WidestProblemsFitAPhoneReadably) {
    const ScreenWidth screen(390);
    const UniversalEngineView view;
    for (const std::string order : {shapes::kOrderBefore, shapes::kOrderAfter}) {
        for (const ModelOutput& output :
             {Radixmender_A_Model{999, -999, 998, order}.steps(),
              Radixmender_B_Model{997, 991, -983, 977, kTemplateWholeFirst, order}.steps(),
              Radixmender_B_Model{997, 991, -983, 977, kTemplateRadicalFirst, order}.steps(),
              Radixmender_C_Model{999, 997, 995, -993, 991, order}.steps()}) {
            for (const Step& lines : output.detailSteps) {
                const LineSizes sizes = view.fitLines(390, (844 - 10) * 0.85, basePointSize(), medium, lines);
                for (std::size_t j = 0; j < lines.size(); ++j) {
                    EXPECT_LE(testing::measure(lines[j], sizes[j][1]).width, 390);
                    EXPECT_GE(sizes[j][1], 12.0);
                }
            }
        }
    }
}

TEST(EngineView, WhatIsDrawnForEachSourceState) {
    const ScreenWidth width(390);
    UniversalEngineView view({0, 0, 390, 844});
    EXPECT_TRUE(drawView(view)->operations().empty());  // no source

    SpySource none;
    view.setDataSource(&none);
    EXPECT_TRUE(drawView(view)->operations().empty());
    EXPECT_EQ(view.totalSteps(), 0);

    SpySource empty = sourceWith(0);
    view.setDataSource(&empty);
    EXPECT_TRUE(drawView(view)->operations().empty());
    EXPECT_EQ(empty.stepCalls, 0);

    SpySource one = sourceWith(1);
    view.setDataSource(&one);
    for (const auto& op : drawView(view)->texts()) EXPECT_NE(op.text, UniversalEngineView::navigatorText());

    // The source shrank under the current step: nothing is asked beyond it.
    SpySource two = sourceWith(2);
    view.setDataSource(&two);
    view.setStep(5);
    const auto texts = drawView(view)->texts();
    EXPECT_EQ(two.stepCalls, 0);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, UniversalEngineView::navigatorText());

    // A step with no lines draws its comments.
    two.steps[0] = {};
    view.setStep(0);
    EXPECT_EQ(drawView(view)->texts().front().text, "comment 0");

    // A line that cannot be read, or is no tree, is skipped; the others are drawn.
    Record broken = makeIntegerRecord(4);
    broken[2][1] = "no such colour";
    two.steps[0] = {makeIntegerRecord(1), broken, testing::sharedOperandLine(10), makeIntegerRecord(3)};
    std::vector<std::string> drawn;
    for (const auto& op : drawView(view)->texts()) drawn.push_back(op.text);
    EXPECT_EQ(drawn, (std::vector<std::string>{"comment 0", "1", "3", UniversalEngineView::navigatorText()}));
}

TEST(EngineView, RenderLinesRefusesSizesWithoutBaseAndFittedSize) {
    const UniversalEngineView view;
    platform::RecordingContext context;
    const platform::ContextScope scope(&context);
    const Step lines = {makeIntegerRecord(1), makeMessageRecord("m")};
    EXPECT_THROW(view.renderLines(0, 0, lines, {{30}, {30}}), std::invalid_argument);
    EXPECT_THROW(view.renderLines(0, 0, lines, {{30, 30}, {30}}), std::invalid_argument);
    EXPECT_TRUE(context.operations().empty());
}

TEST(EngineView, NavigationTaps) {
    struct Tap {
        const char* name;
        int count;
        std::int64_t from;
        platform::Point at;
        std::int64_t to;
        bool redraws;
    };
    const double w = 390, h = 844, band = h * 0.9, middle = w * 0.5;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max(), kMin = -kMax - 1;
    const std::vector<Tap> taps = {
        {"next", 3, 0, {300, 800}, 1, true},
        {"next wraps", 3, 2, {300, 800}, 0, true},
        {"prior", 3, 2, {10, 800}, 1, true},
        {"prior wraps", 3, 0, {10, 800}, 2, true},
        {"middle line is prior", 3, 1, {middle, 800}, 0, true},
        {"just right of middle", 3, 1, {middle + 1e-9, 800}, 2, true},
        {"band edge ignored", 3, 1, {300, band}, 1, false},
        {"just inside band", 3, 1, {300, band + 1e-9}, 2, true},
        {"above band", 3, 1, {300, 100}, 1, false},
        {"one step, next", 1, 0, {300, 800}, 0, true},
        {"one step, prior", 1, 0, {10, 800}, 0, true},
        {"back from beyond a shrunk source", 3, 7, {300, 800}, 0, true},
        {"next from the largest step", 3, kMax, {300, 800}, 0, true},
        {"prior from the largest step", 3, kMax, {10, 800}, 2, true},
        {"next from the smallest step", 3, kMin, {300, 800}, 0, true},
        {"prior from the smallest step", 3, kMin, {10, 800}, 2, true},
    };
    const ScreenWidth screen(390);
    for (const Tap& t : taps) {
        SCOPED_TRACE(t.name);
        SpySource source = sourceWith(t.count);
        UniversalEngineView view({0, 0, w, h});
        view.setDataSource(&source);
        drawView(view);
        view.setStep(t.from);
        const auto before = view.displayRequests();
        view.touchesBegan({platform::Touch{t.at}});
        EXPECT_EQ(view.step(), t.to);
        EXPECT_EQ(view.displayRequests() - before, t.redraws ? 1 : 0);
    }
    // Before the first draw a tap does nothing; so does a touch-less event.
    SpySource source = sourceWith(3);
    UniversalEngineView view({0, 0, w, h});
    view.setDataSource(&source);
    const auto before = view.displayRequests();
    view.touchesBegan({platform::Touch{{300, 800}}});
    view.touchesBegan({});
    EXPECT_EQ(view.step(), 0);
    EXPECT_EQ(view.displayRequests(), before);
}

}  // namespace
}  // namespace radixmender
