// Building and placing the integer pad: its starting state, its parts on a
// phone and a tablet, and the bands of the entry display.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

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
    // clang-format off
    const Case cases[] = {
        {"form A", row3, {}, {}, orders, {}, {}, {1, {{4097}}, 0}},
        {"form B: two option groups", row3, {}, {}, TextGroups{{{"a", "b"}}, {{kBefore, kAfter}}}, {}, {}, {1, {{4097}, {4161}}, 0}},
        {"second option chosen", row3, {}, {}, orders, {{1}}, {}, {1, {{4098}}, 0}},
        {"two rows in one group", row3, {}, {}, TextGroups{{{"a", "b"}, {"c", "d"}}}, {{1, 0}}, {}, {1, {{4098, 4105}}, 0}},
        {"only polynomials", {}, TextGroups{{{"1", "2"}}}, {}, {}, {}, {}, {1025, {}, 0}},
        {"only fractions", {}, {}, TextGroups{{{"1", "2"}}}, {}, {}, {}, {2049, {}, 0}},
        {"multi-line", row3, {}, {}, {}, {}, TextGroups{{{"x", "y"}}}, {1, {}, 3073}},
    };
    // clang-format on
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

// The form pad on a phone, on a tablet and without info lines: the layout
// every pad keeps; info strip, entry display and key grid stacked 5 points
// apart, filling the pad in the proportions 2 : 7.5, 1 : 3 of the grid; the
// keys in rows of equal height, each row filling the grid with 1-point gaps
// (which belong to no key), titled at the base size, "🤔" half as large again.
TEST(IntegerPadLayout, FormPadOnPhoneAndTablet) {
    struct Device {
        double w, h;
        platform::EdgeInsets insets;
        double font;
        bool info;
    };
    for (const Device& d : {Device{390, 844, {47, 0, 34, 0}, 30, true},
                            Device{1024, 1366, {24, 0, 20, 0}, 32, true}, Device{390, 844, {}, 30, false}}) {
        SCOPED_TRACE(d.w);
        ScreenWidth screen(d.w);
        auto pad = makeFormAPad();
        if (!d.info)
            pad = std::make_unique<UniversalIntegerPadView>(
                std::vector<std::string>{}, TextGroups{{{"0", "0", "0"}}}, TextGroups{}, TextGroups{},
                TextGroups{{{kBefore, kAfter}}}, std::vector<std::vector<std::int64_t>>{}, TextGroups{},
                Rect{});
        FormScreen s(d.w, d.h, d.insets, std::move(pad));
        expectTidy(s.window.get());
        EXPECT_EQ(s.pad->frame(),
                  Rect(5, d.insets.top + 5, d.w - 10, d.h - d.insets.top - d.insets.bottom - 10));
        const Rect info = s.pad->subviews()[0]->frame(), io = s.pad->subviews()[1]->frame(),
                   grid = s.pad->subviews()[2]->frame();
        EXPECT_NEAR(info.minY(), 0, kTol);
        EXPECT_NEAR(io.minY(), info.maxY() + 5, kTol);
        EXPECT_NEAR(grid.minY(), io.maxY() + 5, kTol);
        EXPECT_NEAR(grid.maxY(), s.pad->frame().height(), kTol);
        EXPECT_NEAR(info.height() * 7.5, d.info ? 2 * grid.height() : 0, kTol);
        EXPECT_NEAR(io.height() * 3, grid.height(), kTol);
        for (const Rect part : {info, io, grid}) EXPECT_NEAR(part.width(), s.pad->frame().width(), kTol);

        std::map<double, std::vector<Rect>> rows;
        forEachView(s.pad->subviews()[2].get(), [&](View* v) {
            if (auto* key = dynamic_cast<UIButton*>(v)) {
                rows[s.inWindow(key).minY()].push_back(s.inWindow(key));
                EXPECT_EQ(key->titleLabel()->font().pointSize,
                          key->currentTitle() == "\U0001F914" ? 1.5 * d.font : d.font);
            }
        });
        ASSERT_EQ(rows.size(), 4u);
        for (auto& [y, keys] : rows) {
            std::sort(keys.begin(), keys.end(), [](Rect l, Rect r) { return l.minX() < r.minX(); });
            EXPECT_NEAR(keys.front().minX(), 5, kTol);
            EXPECT_NEAR(keys.back().maxX(), d.w - 5, kTol);
            for (std::size_t k = 1; k < keys.size(); ++k) {
                EXPECT_NEAR(keys[k].minX(), keys[k - 1].maxX() + 1, kTol);
                EXPECT_NEAR(keys[k].height(), keys[0].height(), kTol);
            }
        }
        const Rect seven = s.inWindow(findButton(s.pad, "7"));
        SpyDataSource source;
        s.pad->dataSource = &source;
        platform::touchAt(*s.window, {seven.maxX() + 0.5, seven.midY()});
        platform::touchAt(*s.window, {seven.midX(), seven.midY()});
        EXPECT_EQ(textAt(s.pad, 1), "7");
    }
}

// The entry display's bands: rows split their band's width 5 (or between two
// rows of a group 10) points apart, a fraction stacks its tiers, a tall cell
// spans two of them; everything tidy and filling the display.
TEST(IntegerPadLayout, EntryDisplayBands) {
    struct Case {
        TextGroups inputs, fractions;
        double width, height;
        std::vector<std::pair<std::int64_t, Rect>> frames;  // a few exactly
    };
    const Case cases[] = {
        {TextGroups{{{"a", "b"}, {"c", "d", "e"}}},
         {},
         325,
         50,
         {{2, {65, 0, 60, 50}}, {9, {135, 0, 60, 50}}}},
        {TextGroups{{{"a"}}}, TextGroups{{{"u", "w"}}}, 100, 305, {{2050, {0, 620.0 / 3, 100, 295.0 / 3}}}},
        // Tall cell twice a regular one: 3r + 5 = 155, r = 50; tiers (100 − 5) / 2.
        {TextGroups{{{"a"}}},
         TextGroups{{{"t", "u", "w"}}},
         105,
         155,
         {{2049, {0, 55, 50, 100}}, {2051, {55, 107.5, 50, 47.5}}}},
        {{},
         TextGroups{{{"u", "w"}, {"x", "y"}}},
         110,
         85,
         {{2057, {60, 0, 50, 40}}, {2058, {60, 45, 50, 40}}}},
    };
    for (const auto& c : cases) {
        View root(Rect(0, 0, c.width, c.height));
        auto* io = root.addSubview(std::make_unique<UniversalIntegerIOView>(
            c.inputs, TextGroups{}, c.fractions, TextGroups{}, std::vector<std::vector<std::int64_t>>{},
            TextGroups{}, Rect{}));
        platform::pinInsideSafeArea(*io, root, 0);
        root.layoutIfNeeded();
        expectTidy(&root);
        double right = 0, bottom = 0;
        for (const auto& v : io->subviews())
            right = std::max(right, v->frame().maxX()), bottom = std::max(bottom, v->frame().maxY());
        EXPECT_NEAR(right, c.width, kTol);
        EXPECT_NEAR(bottom, c.height, kTol);
        for (const auto& [tag, r] : c.frames) {
            const Rect f = labelAt(io, tag)->frame();
            EXPECT_TRUE(std::abs(f.minX() - r.minX()) + std::abs(f.minY() - r.minY()) +
                            std::abs(f.width() - r.width()) + std::abs(f.height() - r.height()) <
                        kTol)
                << tag;
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
