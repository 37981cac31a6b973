// The engine view: fitting, rendering, the bands, the data source and the
// navigation taps.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/text_drawing.hpp"
#include "engine/universal_engine_view.hpp"
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/support/screen_width.hpp"

namespace radixmender {
namespace {

using platform::FontWeight::medium;
using testing::ScreenWidth;
using Texts = std::vector<std::string>;

// Serves `n` steps ("comment i" over the integer i and "step") and logs what the view asks.
class Source : public UniversalEngineViewDataSource {
public:
    explicit Source(std::optional<std::int64_t> n) : count(n) {
        for (std::int64_t i = 0; i < n.value_or(0); ++i) {
            steps.push_back({makeIntegerRecord(i), makeMessageRecord("step")});
            notes.push_back({"comment " + std::to_string(i)});
        }
    }
    std::optional<std::int64_t> numberOfSteps() override { return asked.push_back("count"), count; }
    Step step(std::int64_t i) override {
        return asked.push_back("step " + std::to_string(i)), steps.at(static_cast<std::size_t>(i));
    }
    Comment comments(std::int64_t i) override {
        return asked.push_back("comments " + std::to_string(i)), notes.at(static_cast<std::size_t>(i));
    }
    Parameters parameters() override { return {"NO PARAMETERS"}; }
    std::optional<std::int64_t> count;
    Steps steps;
    Comments notes;
    Texts asked;
};

std::vector<platform::RecordedOperation> textsOf(UniversalEngineView& view) {
    platform::RecordingContext context;
    view.render(context);
    return context.texts();
}

double centreX(const platform::RecordedOperation& text) {
    return text.topLeft.x + textSize(text.text, text.attributes.font).width / 2;
}

Record longLine(int digits) { return makeMessageRecord(std::string(static_cast<std::size_t>(digits), '8')); }

double widthAt(const Record& r, double size) { return testing::measure(r, size).width; }

// The sizes fitting must land on, found the slow way: each line shrunk 2 % at
// a time while it is too wide; then, while the stack (the lines' boxes, and
// between two the base size's gap scaled by their mean size) is too high, the
// lines within 1 % of the largest shrink a step together. Never below the floor.
LineSizes stepwise(double w, double h, double base, const Step& lines) {
    const FontMetrics f = fontMetrics(platform::UIFont::monospacedDigitSystemFont(base, medium));
    LineSizes sizes;
    for (const Record& line : lines) {
        double s = base;
        while (widthAt(line, s) > w && s * 0.98 >= kMinimumFittedSize) s *= 0.98;
        sizes.push_back({base, s});
    }
    const auto stack = [&] {
        double total = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            total += testing::measure(lines[i], sizes[i][1]).height;
            if (i > 0) total += 0.5 * (sizes[i - 1][1] + sizes[i][1]) / base * (f.lineHeight - f.pointSize);
        }
        return total;
    };
    for (bool shrunk = true; shrunk && stack() > h;) {
        double largest = 0;
        for (const auto& s : sizes) largest = std::max(largest, s[1] / base);
        shrunk = false;
        for (auto& s : sizes)
            if (largest - s[1] / base < 0.01 && s[1] * 0.98 >= kMinimumFittedSize)
                s[1] *= 0.98, shrunk = true;
    }
    return sizes;
}

// Fitting predicts how many steps to skip and measures a few sizes only, yet
// lands where shrinking step by step would, in views where everything fits,
// where lines must wait for larger ones, and where nothing fits. (A size of
// 12 points or more fits the width: fitting stops short of it only at the floor.)
TEST(FitLines, LandWhereShrinkingStepByStepWould) {
    const UniversalEngineView view;
    const Record tall = makeJoinRecord("/", makeJoinRecord("/", makeIntegerRecord(1), makeIntegerRecord(2)),
                                       makeUnaryRecord("√", makeIntegerRecord(3)));
    const Record bracketed =
        makeUnaryRecord("()", makeJoinRecord("/", longLine(9), makeUnaryRecord("√", makeIntegerRecord(7))));
    const std::vector<Step> steps = {{},
                                     {makeIntegerRecord(5)},
                                     {longLine(8), longLine(20), longLine(8)},
                                     {tall, tall, tall, tall, tall, tall, longLine(25)},
                                     {longLine(30), longLine(31), makeBlankRecords(1)[0], tall}};
    for (const double w : {390.0, 200.0, 1014.0, 0.0})
        for (const double h : {1e9, 600.0, 150.0, 40.0, 0.0})
            for (const Step& lines : steps)
                EXPECT_EQ(view.fitLines(w, h, 32, medium, lines), stepwise(w, h, 32, lines))
                    << w << " x " << h;
    // A line at each size's width and just below it, where predicting is closest.
    for (const Record& line : {longLine(40), bracketed})
        for (double rung = 32 * 0.98; rung > 17; rung *= 0.98)
            for (const double w : {widthAt(line, rung), std::nextafter(widthAt(line, rung), 0.0)})
                EXPECT_EQ(view.fitLines(w, 1e9, 32, medium, {line}), stepwise(w, 1e9, 32, {line})) << w;
    const testing::CountingMeasurer counter;
    static_cast<void>(view.fitLines(390, 1e9, 32, medium, {longLine(5000)}));
    EXPECT_LE(counter.calls, 12);
    // The widest problems three-digit entries allow fit a phone at 12 points or more.
    const ScreenWidth screen(390);
    for (const std::string order : {shapes::kOrderBefore, shapes::kOrderAfter})
        for (const ModelOutput& output :
             {Radixmender_A_Model{999, -999, 998, order}.steps(),
              Radixmender_B_Model{997, 991, -983, 977, kTemplateWholeFirst, order}.steps(),
              Radixmender_B_Model{997, 991, -983, 977, kTemplateRadicalFirst, order}.steps(),
              Radixmender_C_Model{999, 997, 995, -993, 991, order}.steps()})
            for (const Step& lines : output.detailSteps)
                for (const auto& s : view.fitLines(390, (844 - 10) * 0.85, basePointSize(), medium, lines))
                    EXPECT_GE(s[1], 12.0);
}

// Comments shrink 5 % at a time, all lines of a group alike, groups to the
// smallest of them, never below the floor.
TEST(FittedFontSize, ShrinksInStepsOfFivePercent) {
    const platform::TextAttributes attributes{platform::UIFont::systemFont(30, medium)};
    const auto size = [](const std::string& t, double s) {
        return textSize(t, platform::UIFont::systemFont(s, kFittingWeight));
    };
    const std::string text = "simplify radical", twice = text + text;
    EXPECT_EQ(fittedFontSize({text}, attributes, 1000, 1000), 30);
    const double shrunk = 30 * 0.95 * 0.95;
    EXPECT_DOUBLE_EQ(fittedFontSize({"x", text}, attributes, size(text, shrunk).width + 1e-6, 1000), shrunk);
    EXPECT_EQ(fittedFontSize({text, text}, attributes, 1000, 2 * size(text, 30).height), 30);
    EXPECT_LT(fittedFontSize({text, text, text}, attributes, 1000, 2 * size(text, 30).height), 30);
    EXPECT_EQ(commonFittedFontSize({{text}, {twice}}, attributes, size(twice, 30).width - 1, 1000),
              fittedFontSize({twice}, attributes, size(twice, 30).width - 1, 1000));
    EXPECT_GE(fittedFontSize({text}, attributes, 0, -4), kMinimumFittedSize);

    // A few sizes are measured, yet the size is the one shrinking step by step
    // finds, from any starting size; one that is no finite number ends at once.
    const auto stepwise = [&](const std::vector<std::string>& lines, double s, double width, double height) {
        const auto fits = [&](double at) {
            for (const std::string& line : lines)
                if (size(line, at).width > width || size(line, at).height * double(lines.size()) > height)
                    return false;
            return true;
        };
        while (!fits(s) && s * 0.95 >= kMinimumFittedSize) s *= 0.95;
        return s;
    };
    // The platform's fonts measure sizes up to about 40,000 points: beyond
    // them, a measurer in proportion to the size stands in.
    struct Proportional : TextMeasurer {
        mutable int calls = 0;
        platform::Size textSize(const std::string& t, const platform::UIFont& f) const override {
            return ++calls, platform::Size{0.6 * f.pointSize * double(t.size()), 1.2 * f.pointSize};
        }
        FontMetrics metrics(const platform::UIFont& f) const override { return {f.pointSize}; }
    };
    for (const double start : {30.0, 1000.0, 10000.0, 1e6, 1e300}) {
        const Proportional proportional;
        std::optional<ScopedTextMeasurer> scope;
        if (start > 1e4) scope.emplace(proportional);
        for (double width = 0; width < 700; width += 13.7)
            for (const double height : {1000.0, 150.0, 20.0}) {
                const platform::TextAttributes at{platform::UIFont::systemFont(start, medium)};
                EXPECT_EQ(fittedFontSize({"x", twice}, at, width, height),
                          stepwise({"x", twice}, start, width, height))
                    << start << " " << width << " " << height;
            }
        proportional.calls = 0;
        static_cast<void>(fittedFontSize({text}, {platform::UIFont::systemFont(start, medium)}, 390, 40));
        if (start > 1e4) {
            EXPECT_LT(proportional.calls, 30) << start;
        }
    }
    for (const double odd : {HUGE_VAL, -HUGE_VAL, std::nan("")})
        EXPECT_EQ(fittedFontSize({text}, {platform::UIFont::systemFont(odd, medium)}, 390, 40),
                  kMinimumFittedSize);
}

// Comments centred in the system font at the top; the lines in the digit font
// at the screen's base size, left-aligned from the middle band's top, each a
// line and a gap below the one before; the navigator centred in the bottom band.
TEST(EngineView, BandsAndRenderedLines) {
    for (const auto& [screen, base] : {std::pair{428.0, 30.0}, {430.0, 32.0}}) {
        const ScreenWidth width(screen);
        Source source(3);
        source.steps[1] = {makeIntegerRecord(11), makeIntegerRecord(22), makeIntegerRecord(33)};
        source.notes[1] = {"short", "a longer comment"};
        UniversalEngineView view({0, 0, 390, 844});
        view.setDataSource(&source);
        view.setStep(1);
        const auto texts = textsOf(view);
        EXPECT_EQ(source.asked, (Texts{"count", "step 1", "comments 1"}));
        ASSERT_EQ(texts.size(), 6u);
        const double h = 844 - 10, lineHeight = texts[2].attributes.font.lineHeight();
        for (std::size_t i : {0, 1}) {
            EXPECT_EQ(texts[i].attributes.font.family, platform::FontFamily::system);
            EXPECT_NEAR(centreX(texts[i]), 195, 1e-9);
        }
        EXPECT_NEAR(texts[2].topLeft.y, 0.05 * h + 5, 1e-9);
        for (std::size_t i = 2; i < 5; ++i) {
            EXPECT_EQ(texts[i].topLeft.x, 0);
            EXPECT_EQ(texts[i].attributes.font, platform::UIFont::monospacedDigitSystemFont(base, medium));
        }
        for (std::size_t i = 3; i < 5; ++i)
            EXPECT_NEAR(texts[i].topLeft.y - texts[i - 1].topLeft.y, 2 * lineHeight - base, 1e-9);
        EXPECT_EQ(texts[5].text, UniversalEngineView::navigatorText());
        EXPECT_GE(texts[5].topLeft.y, 0.05 * h + 5 + 0.85 * h + 5 - 1e-9);
        EXPECT_NEAR(centreX(texts[5]), 195, 1e-9);
    }
}

TEST(EngineView, WhatIsDrawnForEachSourceState) {
    const ScreenWidth width(390);
    UniversalEngineView view({0, 0, 390, 844});
    const auto drawn = [&] {
        Texts out;
        for (const auto& op : textsOf(view)) out.push_back(op.text);
        return out;
    };
    const std::string navigator = UniversalEngineView::navigatorText();
    EXPECT_TRUE(drawn().empty());  // no source
    Source none(std::nullopt), empty(0), one(1), two(2);
    view.setDataSource(&none);
    EXPECT_TRUE(drawn().empty());
    view.setDataSource(&empty);
    EXPECT_TRUE(drawn().empty());
    EXPECT_EQ(empty.asked, Texts{"count"});
    view.setDataSource(&one);
    EXPECT_EQ(drawn(), (Texts{"comment 0", "0", "step"}));  // no navigator for one step

    // The source shrank under the current step: nothing is asked beyond it.
    view.setDataSource(&two);
    view.setStep(5);
    EXPECT_EQ(drawn(), Texts{navigator});
    EXPECT_EQ(two.asked, Texts{"count"});
    // A step without lines draws its comments; a line that cannot be read, or is no tree, is skipped.
    view.setStep(0);
    two.steps[0] = {};
    EXPECT_EQ(drawn(), (Texts{"comment 0", navigator}));
    Record broken = makeIntegerRecord(4),
           shared = makeJoinRecord("+", makeIntegerRecord(1), makeIntegerRecord(2));
    broken[2][1] = "no such colour";
    shared[shared.size() - 3][2] = shared[shared.size() - 3][1];  // both operands the 1
    two.steps[0] = {makeIntegerRecord(1), broken, shared, makeIntegerRecord(3)};
    EXPECT_EQ(drawn(), (Texts{"comment 0", "1", "3", navigator}));

    platform::RecordingContext context;
    const platform::ContextScope scope(&context);
    EXPECT_THROW(view.renderLines(0, 0, {makeIntegerRecord(1), makeIntegerRecord(2)}, {{30, 30}, {30}}),
                 std::invalid_argument);
    EXPECT_TRUE(context.operations().empty());
}

// Taps in the bottom band step forward right of the middle and back left of
// it, wrapping, and redraw; a step outside the count goes to the first or the
// last. Without steps (none drawn yet) taps do nothing, as do touch-less events.
TEST(EngineView, NavigationTaps) {
    const double band = 844 * 0.9, middle = 390 * 0.5;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max(), kMin = -kMax - 1;
    const std::tuple<int, std::int64_t, platform::Point, std::int64_t> taps[] = {
        {3, 0, {300, 800}, 1},    {3, 2, {300, 800}, 0},         {3, 2, {10, 800}, 1},
        {3, 0, {10, 800}, 2},     {3, 1, {middle, 800}, 0},      {3, 1, {middle + 1e-9, 800}, 2},
        {3, 1, {300, band}, 1},   {3, 1, {300, band + 1e-9}, 2}, {3, 1, {300, 100}, 1},
        {1, 0, {300, 800}, 0},    {1, 0, {10, 800}, 0},          {3, 7, {300, 800}, 0},
        {3, kMax, {300, 800}, 0}, {3, kMax, {10, 800}, 2},       {3, kMin, {300, 800}, 0},
        {3, kMin, {10, 800}, 2},  {0, 0, {300, 800}, 0},
    };
    const ScreenWidth screen(390);
    for (const auto& [count, from, at, to] : taps) {
        Source source(count);
        UniversalEngineView view({0, 0, 390, 844});
        view.setDataSource(&source);
        textsOf(view);
        view.setStep(from);
        const auto before = view.displayRequests();
        view.touchesBegan({platform::Touch{at}});
        view.touchesBegan({});
        EXPECT_EQ(view.step(), to) << count << " " << from << " " << at.x << "," << at.y;
        EXPECT_EQ(view.displayRequests() - before, at.y > band && count > 0 ? 1 : 0);
    }
}

}  // namespace
}  // namespace radixmender
