// Building and placing the integer pad: its starting state, the proportions
// of its three parts on a phone and a tablet, the bands of the entry display,
// and taps by screen position.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "input/universal_info_view.hpp"
#include "input/universal_integer_io_view.hpp"
#include "input/universal_numeric_pad_view.hpp"
#include "pad_fixtures.hpp"
#include "platform/layout.hpp"

namespace radixmender::testing {
namespace {

using platform::Rect;
using platform::UIButton;
using platform::UIColor;
using platform::UILabel;
using platform::View;

constexpr double kTol = 1e-6;

using FormScreen = Screen<UniversalIntegerPadView>;

void forEachView(View* v, const std::function<void(View*)>& f) {
    f(v);
    for (const auto& s : v->subviews()) forEachView(s.get(), f);
}

struct Expected {
    std::int64_t selection;  // 0: none
    std::vector<std::vector<std::int64_t>> optionsSelections;
    std::int64_t multiLineSelection;  // 0: none
};

TEST(IntegerPadLayout, StartingSelections) {
    const TextGroups row3{{{"0", "0", "0"}}};
    const TextGroups orders{{{kBefore, kAfter}}};
    struct Case {
        const char* name;
        TextGroups inputs, polynomials, fractions, options;
        std::vector<std::vector<std::int64_t>> chosen;
        TextGroups multiLine;
        Expected expected;
    };
    const Case cases[] = {
        {"form A", row3, {}, {}, orders, {}, {}, {1, {{4097}}, 0}},
        {"form B: two option groups",
         row3,
         {},
         {},
         TextGroups{{{"a", "b"}}, {{kBefore, kAfter}}},
         {},
         {},
         {1, {{4097}, {4161}}, 0}},
        {"second option chosen", row3, {}, {}, orders, {{1}}, {}, {1, {{4098}}, 0}},
        {"two rows in one group",
         row3,
         {},
         {},
         TextGroups{{{"a", "b"}, {"c", "d"}}},
         {{1, 0}},
         {},
         {1, {{4098, 4105}}, 0}},
        {"only polynomials", {}, TextGroups{{{"1", "2"}}}, {}, {}, {}, {}, {1025, {}, 0}},
        {"only fractions", {}, {}, TextGroups{{{"1", "2"}}}, {}, {}, {}, {2049, {}, 0}},
        {"multi-line", row3, {}, {}, {}, {}, TextGroups{{{"x", "y"}}}, {1, {}, 3073}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UniversalIntegerPadView pad({"i"}, c.inputs, c.polynomials, c.fractions, c.options, c.chosen,
                                    c.multiLine, {});
        EXPECT_EQ(pad.selection.value_or(0), c.expected.selection);
        EXPECT_EQ(pad.optionsSelections, c.expected.optionsSelections);
        EXPECT_EQ(pad.multiLineSelection.value_or(0), c.expected.multiLineSelection);
        EXPECT_EQ(pad.subviews().size(), 3u);
        // Exactly the chosen options start green.
        for (const auto& group : c.expected.optionsSelections) {
            for (std::int64_t tag : group) {
                EXPECT_EQ(labelAt(&pad, tag)->backgroundColor(), UIColor::green());
            }
        }
        if (c.expected.selection != 0) {
            EXPECT_EQ(labelAt(&pad, c.expected.selection)->backgroundColor(), UIColor::green());
        }
    }
}

// A chosen option must exist in its row; a missing row or a column past the
// row is refused when the pad is built.
TEST(IntegerPadLayout, ChosenOptionsOutsideTheirRowsAreRefused) {
    const TextGroups orders{{{kBefore, kAfter}}};
    for (const auto& chosen : std::vector<std::vector<std::vector<std::int64_t>>>{{{2}}, {{-1}}, {{}}}) {
        EXPECT_THROW(UniversalIntegerPadView({}, TextGroups{{{"0"}}}, {}, {}, orders, chosen, {}, {}),
                     std::out_of_range);
    }
    // Choices for groups the pad does not have are simply not read.
    EXPECT_NO_THROW(UniversalIntegerPadView({}, TextGroups{{{"0"}}}, {}, {}, orders, {{0}, {0}}, {}, {}));
}

// The form pad on a phone and on a tablet: every part where its proportions
// put it, keys and cells equal and apart, nothing outside its parent.
TEST(IntegerPadLayout, FormPadGeometryOnPhoneAndTablet) {
    struct Device {
        double w, h;
        platform::EdgeInsets insets;
        double font, thinkingFont;
    };
    for (const Device& d :
         {Device{390, 844, {47, 0, 34, 0}, 30, 45}, Device{1024, 1366, {24, 0, 20, 0}, 32, 48}}) {
        SCOPED_TRACE(d.w);
        ScreenWidth screen(d.w);
        FormScreen s(d.w, d.h, d.insets, makeFormAPad());
        EXPECT_TRUE(platform::layoutDiagnostics(*s.window).empty());
        const double W = d.w - 10;
        const double P = d.h - d.insets.top - d.insets.bottom - 10;
        EXPECT_NEAR(s.pad->frame().minY(), d.insets.top + 5, kTol);
        EXPECT_NEAR(s.pad->frame().width(), W, kTol);
        EXPECT_NEAR(s.pad->frame().height(), P, kTol);

        auto* info = dynamic_cast<UniversalInfoView*>(s.pad->subviews()[0].get());
        auto* io = dynamic_cast<UniversalIntegerIOView*>(s.pad->subviews()[1].get());
        auto* grid = dynamic_cast<UniversalNumericPadView*>(s.pad->subviews()[2].get());
        ASSERT_TRUE(info && io && grid);
        const double H = (P - 10) / (1 + 2 / 7.5 + 1.0 / 3);
        EXPECT_NEAR(grid->frame().height(), H, kTol);
        EXPECT_NEAR(info->frame().height(), H * 2 / 7.5, kTol);
        EXPECT_NEAR(io->frame().height(), H / 3, kTol);
        EXPECT_NEAR(info->frame().minY(), 0, kTol);
        EXPECT_NEAR(io->frame().minY(), info->frame().maxY() + 5, kTol);
        EXPECT_NEAR(grid->frame().minY(), io->frame().maxY() + 5, kTol);
        EXPECT_NEAR(grid->frame().maxY(), P, kTol);
        for (View* part : {static_cast<View*>(info), static_cast<View*>(io), static_cast<View*>(grid)})
            EXPECT_NEAR(part->frame().width(), W, kTol);

        // Keys: rows (H−3)/4; the "0" key twice as wide as "🤔", whose title is larger.
        const double row = (H - 3) / 4;
        for (auto [title, width, font] :
             {std::tuple{"7", (W - 3) / 4, d.font}, std::tuple{"0", (W - 2) / 2, d.font},
              std::tuple{"\U0001F914", (W - 2) / 4, d.thinkingFont}}) {
            UIButton* key = findButton(grid, title);
            ASSERT_NE(key, nullptr);
            EXPECT_NEAR(key->frame().width(), width, kTol) << title;
            EXPECT_NEAR(key->frame().height(), row, kTol) << title;
            EXPECT_EQ(key->titleLabel()->font().pointSize, font) << title;
        }
        // Entry labels lie on their selectors.
        for (const char* title : {"O4097", "I1", "I3"}) {
            UIButton* selector = findButton(io, title);
            EXPECT_EQ(labelAt(io, std::stoll(title + 1))->frame(), selector->frame()) << title;
        }
        EXPECT_NEAR(findButton(io, "I3")->frame().maxX(), W, kTol);

        // Every frame inside its parent; keys never overlap.
        std::vector<Rect> keys;
        forEachView(s.pad, [&](View* v) {
            if (View* parent = v->superview(); parent != nullptr) {
                const Rect f = v->frame(), b = parent->bounds();
                EXPECT_GE(f.minX(), -kTol);
                EXPECT_GE(f.minY(), -kTol);
                EXPECT_LE(f.maxX(), b.maxX() + kTol);
                EXPECT_LE(f.maxY(), b.maxY() + kTol);
                EXPECT_GT(f.width(), 0);
                EXPECT_GT(f.height(), 0);
            }
            if (auto* key = dynamic_cast<UIButton*>(v); key != nullptr &&
                                                        v->superview()->superview() != nullptr &&
                                                        v->superview()->superview()->superview() == grid)
                keys.push_back(s.inWindow(key));
        });
        ASSERT_EQ(keys.size(), 15u);
        for (std::size_t a = 0; a < keys.size(); ++a)
            for (std::size_t b = a + 1; b < keys.size(); ++b) {
                const bool apart =
                    keys[a].maxX() <= keys[b].minX() + kTol || keys[b].maxX() <= keys[a].minX() + kTol ||
                    keys[a].maxY() <= keys[b].minY() + kTol || keys[b].maxY() <= keys[a].minY() + kTol;
                EXPECT_TRUE(apart) << a << " and " << b;
            }
    }
}

// Taps land by screen position: on a label (which lets them through to its
// selector) or on a key, along the responder chain to the pad.
TEST(IntegerPadLayout, TapsByScreenPosition) {
    FormScreen s(390, 844, {47, 0, 34, 0}, makeFormAPad());
    SpyDataSource source;
    s.pad->dataSource = &source;
    auto centre = [&](const View* v) { return s.centre(v); };
    View* hit = platform::touchAt(*s.window, centre(labelAt(s.pad, 3)));
    ASSERT_NE(dynamic_cast<UIButton*>(hit), nullptr);
    EXPECT_EQ(dynamic_cast<UIButton*>(hit)->currentTitle(), "I3");
    EXPECT_EQ(s.pad->selection, 3);
    EXPECT_EQ(labelAt(s.pad, 3)->backgroundColor(), UIColor::green());
    platform::touchAt(*s.window, centre(findButton(s.pad, "7")));
    platform::touchAt(*s.window, centre(findButton(s.pad, "+/-")));
    EXPECT_EQ(textAt(s.pad, 3), "-7");
    platform::touchAt(*s.window, centre(labelAt(s.pad, 4098)));
    EXPECT_EQ(s.pad->optionsSelections[0][0], 4098);
    // The 1-point gap between two keys belongs to no key.
    const Rect seven = s.inWindow(findButton(s.pad, "7"));
    platform::touchAt(*s.window, {seven.maxX() + 0.5, seven.midY()});
    EXPECT_EQ(textAt(s.pad, 3), "-7");
}

// Bands of the entry display for regular and fraction groups.
TEST(IntegerPadLayout, EntryDisplayBands) {
    struct Case {
        const char* name;
        TextGroups inputs, fractions;
        double width, height;
        // Expected frames by label tag.
        std::vector<std::pair<std::int64_t, Rect>> frames;
    };
    const double H = 305;  // (H − 10) / 3 = 98.333…
    const double t = (H - 10) / 3;
    const Case cases[] = {
        {"rows of two and three",
         TextGroups{{{"a", "b"}, {"c", "d", "e"}}},
         {},
         325,
         50,
         {{1, {0, 0, 60, 50}}, {2, {65, 0, 60, 50}}, {9, {135, 0, 60, 50}}, {11, {265, 0, 60, 50}}}},
        {"regular above a two-tier fraction",
         TextGroups{{{"a"}}},
         TextGroups{{{"u", "w"}}},
         100,
         H,
         {{1, {0, 0, 100, t}}, {2049, {0, t + 5, 100, t}}, {2050, {0, 2 * t + 10, 100, t}}}},
        {"regular above a tall-cell fraction",
         TextGroups{{{"a"}}},
         TextGroups{{{"t", "u", "w"}}},
         105,
         155,
         // Tall cell twice a regular one: 3r + 5 = 155, r = 50; tiers (100 − 5) / 2.
         {{1, {0, 0, 105, 50}},
          {2049, {0, 55, 50, 100}},
          {2050, {55, 55, 50, 47.5}},
          {2051, {55, 107.5, 50, 47.5}}}},
        {"only a fraction",
         {},
         TextGroups{{{"u", "w"}, {"x", "y"}}},
         110,
         85,
         {{2049, {0, 0, 50, 40}},
          {2050, {0, 45, 50, 40}},
          {2057, {60, 0, 50, 40}},
          {2058, {60, 45, 50, 40}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        View root(Rect(0, 0, c.width, c.height));
        auto* io = root.addSubview(std::make_unique<UniversalIntegerIOView>(
            c.inputs, TextGroups{}, c.fractions, TextGroups{}, std::vector<std::vector<std::int64_t>>{},
            TextGroups{}, Rect{}));
        platform::pinInsideSafeArea(*io, root, 0);
        root.layoutIfNeeded();
        EXPECT_TRUE(platform::layoutDiagnostics(root).empty()) << platform::layoutDiagnostics(root).front();
        for (const auto& [tag, r] : c.frames) {
            const Rect f = labelAt(io, tag)->frame();
            EXPECT_NEAR(f.minX(), r.minX(), kTol) << tag;
            EXPECT_NEAR(f.minY(), r.minY(), kTol) << tag;
            EXPECT_NEAR(f.width(), r.width(), kTol) << tag;
            EXPECT_NEAR(f.height(), r.height(), kTol) << tag;
        }
    }
}

// Two fraction-only groups leave the split between them open: the pass says
// so, keeps the 5-point gap between the bands, and still fills the display.
TEST(IntegerPadLayout, TwoFractionOnlyGroupsAreReportedNotFatal) {
    View root(Rect(0, 0, 100, 200));
    auto* io = root.addSubview(std::make_unique<UniversalIntegerIOView>(
        TextGroups{}, TextGroups{}, TextGroups{{{"a", "b"}}, {{"c", "d"}}}, TextGroups{},
        std::vector<std::vector<std::int64_t>>{}, TextGroups{}, Rect{}));
    platform::pinInsideSafeArea(*io, root, 0);
    root.layoutIfNeeded();
    EXPECT_FALSE(platform::layoutDiagnostics(root).empty());
    EXPECT_NEAR(labelAt(io, 2049)->frame().minY(), 0, kTol);
    EXPECT_NEAR(labelAt(io, 2113)->frame().minY() - labelAt(io, 2050)->frame().maxY(), 5, kTol);
    EXPECT_NEAR(labelAt(io, 2114)->frame().maxY(), 200, kTol);
}

// Without info lines the strip is zero high and the gap under it remains.
TEST(IntegerPadLayout, NoInfoLines) {
    auto owned = std::make_unique<UniversalIntegerPadView>(
        std::vector<std::string>{}, TextGroups{{{"0"}}}, TextGroups{}, TextGroups{}, TextGroups{},
        std::vector<std::vector<std::int64_t>>{}, TextGroups{}, platform::Rect{});
    FormScreen s(390, 844, {}, std::move(owned));
    EXPECT_TRUE(platform::layoutDiagnostics(*s.window).empty());
    const double P = 844 - 10, H = (P - 10) / (1 + 1.0 / 6);
    EXPECT_NEAR(s.pad->subviews()[0]->frame().height(), 0, kTol);
    EXPECT_NEAR(s.pad->subviews()[1]->frame().minY(), 5, kTol);
    EXPECT_NEAR(s.pad->subviews()[2]->frame().height(), H, kTol);
}

// A key grid on its own forwards nothing and raises nothing.
TEST(IntegerPadLayout, KeyGridWithoutDelegateDropsPresses) {
    UniversalNumericPadView grid;
    for (const char* key : {"7", "DEL", "\U0001F914"}) EXPECT_NO_THROW(press(&grid, key));
    struct Recorder : PadDataEntryDelegate {
        std::vector<platform::View*> senders;
        void keyPressed(platform::View* sender) override { senders.push_back(sender); }
    } recorder;
    grid.delegate = &recorder;
    press(&grid, ".");
    ASSERT_EQ(recorder.senders.size(), 1u);
    EXPECT_EQ(recorder.senders[0], findButton(&grid, "."));
}

}  // namespace
}  // namespace radixmender::testing
