// The integer and the decimal pad of the form screens. Editing, selecting and
// handing over through the real key grid and selectors (each tap travels the
// responder chain): runs of keys with the text a learner sees after each, and
// random taps on a pad with every kind of entry checked against invariants.
// Building and placing: where the selections start, the parts on a phone and
// a tablet, every key of the grid, and the bands of the entry display.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <sstream>
#include <tuple>

#include "input/universal_integer_io_view.hpp"
#include "input/universal_numeric_pad_view.hpp"
#include "pad_fixtures.hpp"
#include "platform/layout.hpp"
#include "records/literals.hpp"

namespace radixmender::testing {
namespace {

using platform::Rect;
using platform::View;

constexpr double kTol = 1e-6;

// Keys pressed one by one on the first entry of the form pad, each with the
// text that entry shows after it, the other entries staying "0": {decimal
// pad, limit, negatives allowed, keys, texts shown, how often the limit was
// asked (-1: not counted)}. The integer pad asks for the limit only when a
// digit would lengthen a non-zero entry, the decimal pad on every digit.
// Without a delegate "🤔" does nothing.
TEST(FormPad, SequencesEditTheSelectedEntry) {
    using Sequence = std::tuple<bool, std::int64_t, bool, const char*, const char*, int>;
    const auto run = [](auto pad, const Sequence& sequence) {
        const auto& [decimal, limit, negatives, keys, shown, asks] = sequence;
        SCOPED_TRACE(keys);
        SpyDataSource source;
        source.limit = limit;
        source.negatives = negatives;
        pad->dataSource = &source;
        std::istringstream pressed(keys), texts(shown);
        for (std::string key, expected; pressed >> key;) {
            ASSERT_TRUE(texts >> expected);
            press(pad.get(), key);
            EXPECT_EQ(textAt(pad.get(), 1), expected) << "after " << key;
        }
        EXPECT_TRUE(textAt(pad.get(), 2) == "0" && textAt(pad.get(), 3) == "0");
        EXPECT_TRUE(asks < 0 || source.digitQuestions == asks) << source.digitQuestions;
    };
    const Sequence sequences[] = {
        {false, 3, true, "5 0 7 9 \U0001F914", "5 50 507 507 507", 3},
        {false, 3, true, "0 0 C DEL 3", "0 0 0 0 3", 0},
        {false, 3, true, "+/- 4 1 2 3 +/- +/-", "-0 -4 -41 -412 -412 412 -412", -1},
        {false, 3, true, "7 5 0 +/-", "7 75 750 -750", -1},
        {false, 3, true, "+/- DEL 4 1 DEL DEL +/- 7 DEL DEL", "-0 -0 -4 -41 -4 -0 0 7 0 0", -1},
        {false, 3, true, "9 +/- C 4 C", "9 -9 0 4 0", -1},
        {false, 0, true, "5 6 +/- 6", "5 5 -5 -5", -1},
        {true, 3, true, "0 5 C . 1 2 3 4 .", "0 5 0 0. 0.1 0.12 0.123 0.123 0.123", 6},
        {true, 3, true, "1 2 . 3 4", "1 12 12. 12.3 12.3", -1},
        {true, 3, true, "1 2 3 . 4 DEL DEL", "1 12 123 123. 123. 123 12", -1},
        {true, 3, true, "+/- 7 C +/- . 1 2 3 4", "-0 -7 0 -0 -0. -0.1 -0.12 -0.123 -0.123", -1},
        {true, 3, true, "+/- 5 . 1 2 3 C +/- 1 2 3 4", "-0 -5 -5. -5.1 -5.12 -5.12 0 -0 -1 -12 -123 -123", -1},
        {true, 3, true, ". DEL 5 . 0 DEL DEL", "0. 0 5 5. 5.0 5. 5", -1},
        {true, 3, true, ". +/- DEL DEL 1 . 5 DEL DEL +/- . DEL", "0. -0. -0 -0 -1 -1. -1.5 -1. -1 1 1. 1",
         -1},
        {true, 0, true, ". 5 C 5 . 6", "0. 0. 0 5 5. 5.", -1},
        {true, 3, false, "+/- . 5 +/-", "0 0. 0.5 0.5", -1},
        {false, 3, true, "4 . 3", "4 4 43", -1},  // the point does nothing
        {true, INT64_MAX, true, "+/- . 1 2 3 4", "-0 -0. -0.1 -0.12 -0.123 -0.1234", -1},
    };
    for (const auto& s : sequences)
        std::get<0>(s) ? run(makeFormAPad<UniversalRealPadView>(), s)
                       : run(makeFormAPad<UniversalIntegerPadView>(), s);
}

// A pad with nothing to edit has no selection and ignores every key; a key
// grid on its own forwards nothing; a decimal pad without a data source stops
// at a digit.
TEST(FormPad, PadsWithoutEntriesOrPartners) {
    UniversalIntegerPadView pad({}, {}, {}, {}, TextGroups{{{"a", "b"}}}, {}, {}, {});
    SpyDelegate delegate;
    pad.delegate = &delegate;
    EXPECT_FALSE(pad.selection.has_value());
    for (const char* key : {"5", "O4098", "\U0001F914"}) press(&pad, key);
    EXPECT_TRUE(delegate.calls.empty());
    EXPECT_EQ(labelAt(&pad, 4097)->backgroundColor(), platform::UIColor::green());
    UniversalNumericPadView grid;
    for (const char* key : {"7", "DEL", "\U0001F914"}) EXPECT_NO_THROW(press(&grid, key));
    EXPECT_THROW(press(makeFormAPad<UniversalRealPadView>().get(), "0"), std::runtime_error);
}

// Random taps on every key and label of a pad with every kind of entry, on
// the integer pad (4,000) and on the decimal pad (10,000 at each of two
// limits). After each: the chosen entry,
// options and multi-line text are the green labels, the tapped label among
// them (each kind of entry starts with its first cell green, which stays so
// until the selection has been there); every entry reads as a number within
// the limit (a decimal one on the decimal pad); the arrow turns on its own
// tap only; and "🤔" changes no label and hands over what was shown, "-0" as
// "0" (on the decimal pad only outside its plain inputs), with the chosen
// options and multi-line text.
template <typename Pad>
void tapEveryKindAtRandom(std::int64_t limit, int taps) {
    SCOPED_TRACE(limit);
    constexpr bool decimal = std::is_same_v<Pad, UniversalRealPadView>;
    const TextGroups two{{{"0", "0"}}};
    const Screen<Pad> s(390, 844, {47, 0, 34, 0},
                        std::make_unique<Pad>(std::vector<std::string>{"info"}, TextGroups{{{"0", "0", "0"}}},
                                              two, two, TextGroups{{{kBefore, kAfter}, {"x", "y", "z"}}},
                                              std::vector<std::vector<std::int64_t>>{{1, 2}},
                                              TextGroups{{{"m0", "m1"}}}, platform::Rect{}));
    SpyDataSource source;
    SpyDelegate delegate;
    source.limit = limit;
    s.pad->dataSource = &source;
    s.pad->delegate = &delegate;
    std::vector<platform::View*> targets;
    for (platform::View* key : below(s.pad->subviews()[2].get()))
        if (dynamic_cast<platform::UIButton*>(key)) targets.push_back(key);
    for (const std::int64_t tag :
         {1, 2, 3, 1025, 1026, 1027, 2049, 2050, 3073, 3074, 4097, 4098, 4105, 4106, 4107})
        targets.push_back(labelAt(s.pad, tag));
    const platform::View* thinking = findButton(s.pad, text::kThinking);
    const auto shown = [&] {
        const auto at = [&](std::int64_t tag) { return textAt(s.pad, tag); };
        return TextGroups{{{at(1), at(2), at(3)}}, {{at(1025), at(1026), at(1027)}}, {{at(2049), at(2050)}}};
    };
    std::string arrow = text::kArrowDownRight;
    std::vector<std::int64_t> firstCells{1025, 2049};
    TextGroups before = shown();
    tapAtRandom(s, targets, taps, delegate, [&](platform::View* target) {
        const std::int64_t tag = target && dynamic_cast<platform::UILabel*>(target) ? target->tag() : 0;
        if (tag == 1027) arrow = arrow == text::kArrowDownRight ? text::kArrowUpRight : text::kArrowDownRight;
        const auto& options = s.pad->optionsSelections[0];
        std::erase(firstCells, *s.pad->selection);
        std::vector<std::int64_t> chosen{*s.pad->selection, *s.pad->multiLineSelection, options[0],
                                         options[1]},
            green = greenTags(s.pad);
        chosen.insert(chosen.end(), firstCells.begin(), firstCells.end());
        std::sort(chosen.begin(), chosen.end());
        std::sort(green.begin(), green.end());
        ASSERT_EQ(green, chosen);
        ASSERT_TRUE(tag == 0 || tag == 1027 || std::find(chosen.begin(), chosen.end(), tag) != chosen.end());
        ASSERT_EQ(textAt(s.pad, 1027), arrow);
        for (const std::int64_t entry : {1, 2, 3, 1025, 1026, 2049, 2050})
            ASSERT_TRUE(readsAsNumber(textAt(s.pad, entry), limit, decimal)) << textAt(s.pad, entry);
        if (target == thinking) {
            TextGroups expected = before;
            for (std::size_t g = decimal ? 1 : 0; g < expected.size(); ++g)
                for (std::string& entry : expected[g][0]) entry = entry == "-0" ? "0" : entry;
            ASSERT_EQ(shown(), before);
            ASSERT_EQ(delegate.calls.back(),
                      (Handover{expected,
                                {{textAt(s.pad, options[0]), textAt(s.pad, options[1])}},
                                {{textAt(s.pad, *s.pad->multiLineSelection)}}}));
        }
        before = shown();
    });
}

TEST(FormPad, RandomTapsKeepTheInvariants) {
    tapEveryKindAtRandom<UniversalIntegerPadView>(3, 4000);
    for (std::int64_t limit : {3, 0}) tapEveryKindAtRandom<UniversalRealPadView>(limit, 10000);
}

// The selection starts at the first input, else the first polynomial entry,
// else the first fraction entry; a polynomial row ends with a cyan arrow. A
// chosen option must exist in its row; choices for groups the pad does not
// have are not read.
TEST(FormPad, StartingSelectionsAndChoices) {
    const TextGroups one{{{"0"}}}, orders{{{kBefore, kAfter}}};
    UniversalIntegerPadView polynomial({}, {}, one, one, {}, {}, {}, {}),
        fraction({}, {}, {}, one, {}, {}, {}, {});
    EXPECT_EQ(polynomial.selection, 1025);
    EXPECT_EQ(fraction.selection, 2049);
    EXPECT_EQ(labelAt(&polynomial, 1026)->backgroundColor(), platform::UIColor::cyan());
    for (const auto& chosen : std::vector<std::vector<std::vector<std::int64_t>>>{{{2}}, {{-1}}, {{}}})
        EXPECT_THROW(UniversalIntegerPadView({}, one, {}, {}, orders, chosen, {}, {}), std::out_of_range);
    EXPECT_NO_THROW(UniversalIntegerPadView({}, one, {}, {}, orders, {{0}, {0}}, {}, {}));
}

// The form pad on a phone and on a tablet: the layout every pad keeps; info
// strip, entry display and key grid stacked 5 points apart, filling the pad
// in the proportions 2 : 7.5, 1 : 3 of the grid; the keys in rows of equal
// height 1 point apart, each row filling the grid with 1-point gaps, titled
// at the base size, "🤔" half as large again.
TEST(FormPad, PartsOnPhoneAndTablet) {
    for (const auto& [w, h, insets, font] :
         {std::tuple{390.0, 844.0, platform::EdgeInsets{47, 0, 34, 0}, 30.0},
          std::tuple{1024.0, 1366.0, platform::EdgeInsets{24, 0, 20, 0}, 32.0}}) {
        SCOPED_TRACE(w);
        const ScreenWidth screen(w);
        const Screen<UniversalIntegerPadView> s(w, h, insets, makeFormAPad());
        expectTidy(s.window.get());
        const Rect pad = s.pad->frame(), info = s.pad->subviews()[0]->frame(),
                   io = s.pad->subviews()[1]->frame(), grid = s.pad->subviews()[2]->frame();
        EXPECT_EQ(pad, Rect(5, insets.top + 5, w - 10, h - insets.top - insets.bottom - 10));
        EXPECT_TRUE(info.minY() == 0 && std::abs(grid.maxY() - pad.height()) < kTol);
        EXPECT_NEAR(io.minY() - info.maxY(), 5, kTol);
        EXPECT_NEAR(grid.minY() - io.maxY(), 5, kTol);
        EXPECT_NEAR(info.height() * 7.5, 2 * grid.height(), kTol);
        EXPECT_NEAR(io.height() * 3, grid.height(), kTol);
        for (const Rect part : {info, io, grid}) EXPECT_NEAR(part.width(), pad.width(), kTol);

        std::map<double, std::vector<Rect>> rows;
        for (View* v : below(s.pad->subviews()[2].get())) {
            if (auto* key = dynamic_cast<platform::UIButton*>(v)) {
                rows[s.inWindow(key).minY()].push_back(s.inWindow(key));
                EXPECT_EQ(key->titleLabel()->font().pointSize,
                          key->currentTitle() == "\U0001F914" ? 1.5 * font : font);
            }
        }
        ASSERT_EQ(rows.size(), 4u);
        double rowTop = rows.begin()->first;
        for (auto& [y, keys] : rows) {
            EXPECT_NEAR(y, std::exchange(rowTop, keys[0].maxY() + 1), kTol);
            std::sort(keys.begin(), keys.end(), [](Rect l, Rect r) { return l.minX() < r.minX(); });
            EXPECT_NEAR(keys.front().minX(), 5, kTol);
            EXPECT_NEAR(keys.back().maxX(), w - 5, kTol);
            for (std::size_t k = 1; k < keys.size(); ++k) {
                EXPECT_NEAR(keys[k].minX(), keys[k - 1].maxX() + 1, kTol);
                EXPECT_NEAR(keys[k].height(), keys[0].height(), kTol);
            }
        }
    }
}

// The key grid of both pads on a phone and on a tablet: every key, found by
// its title, where its row and column of the table put it. The rows share the
// grid's height and the keys their row's width, 1 point apart and without a
// margin; "0" takes half of what the bottom row's gaps leave, "." and "🤔" a
// quarter each, like every key above them; and no constraint dropped on the
// way (a contradicting one is dropped without moving a key). Keys are light
// gray with black titles.
TEST(FormPad, KeyGridFrames) {
    // Row by row: each title with its share of the row, in quarters.
    const std::vector<std::vector<std::pair<std::string, int>>> table = {
        {{"7", 1}, {"8", 1}, {"9", 1}, {"+/-", 1}},
        {{"4", 1}, {"5", 1}, {"6", 1}, {"C", 1}},
        {{"1", 1}, {"2", 1}, {"3", 1}, {"DEL", 1}},
        {{"0", 2}, {".", 1}, {"\U0001F914", 1}}};
    const auto check = [&](const char* name, auto pad, double w, double h, platform::EdgeInsets insets) {
        SCOPED_TRACE(name);
        const Screen s(w, h, insets, std::move(pad));
        EXPECT_EQ(platform::layoutDiagnostics(*s.window), std::vector<std::string>{});
        View* grid = s.pad->subviews()[2].get();
        const Rect g = s.inWindow(grid);
        const double rowHeight = (g.height() - 3) / 4;
        std::map<std::string, Rect> expected, found;
        for (std::size_t r = 0; r < table.size(); ++r) {
            const double quarter = (g.width() - static_cast<double>(table[r].size() - 1)) / 4;
            double x = g.minX();
            for (const auto& [title, quarters] : table[r]) {
                expected[title] = Rect(x, g.minY() + static_cast<double>(r) * (rowHeight + 1),
                                       quarters * quarter, rowHeight);
                x += quarters * quarter + 1;
            }
        }
        for (View* v : below(grid)) {
            if (auto* key = dynamic_cast<platform::UIButton*>(v)) {
                const std::string title = key->currentTitle().value_or("<untitled>");
                EXPECT_TRUE(found.emplace(title, s.inWindow(key)).second) << "two keys " << title;
                EXPECT_TRUE(key->backgroundColor() == platform::UIColor::lightGray() &&
                            key->currentTitleColor() == platform::UIColor::black())
                    << title;
            }
        }
        ASSERT_EQ(found.size(), expected.size());
        for (const auto& [title, e] : expected) {
            SCOPED_TRACE(title);
            ASSERT_TRUE(found.contains(title));
            const Rect f = found[title];
            EXPECT_NEAR(f.minX(), e.minX(), kTol);
            EXPECT_NEAR(f.minY(), e.minY(), kTol);
            EXPECT_NEAR(f.width(), e.width(), kTol);
            EXPECT_NEAR(f.height(), e.height(), kTol);
        }
    };
    for (const auto& [w, h, insets] : {std::tuple{390.0, 844.0, platform::EdgeInsets{47, 0, 34, 0}},
                                       std::tuple{1024.0, 1366.0, platform::EdgeInsets{24, 0, 20, 0}}}) {
        SCOPED_TRACE(w);
        const ScreenWidth screen(w);
        check("integer pad", makeFormAPad<UniversalIntegerPadView>(), w, h, insets);
        check("decimal pad", makeFormAPad<UniversalRealPadView>(), w, h, insets);
    }
}

// The entry display's bands: rows split their band's width 5 (or between two
// rows of a group 10) points apart, a fraction stacks its tiers, a tall cell
// spans two of them; everything tidy and filling the display. Two
// fraction-only groups leave the split between them open: the pass says so,
// keeps the 5-point gap between the bands (label 2113 below 2050), and still
// fills the display.
TEST(FormPad, EntryDisplayBands) {
    // {inputs, fractions, width, height, a label's tag (0: none) and its frame}
    const std::tuple<TextGroups, TextGroups, double, double, std::int64_t, Rect> cases[] = {
        {TextGroups{{{"a", "b"}, {"c", "d", "e"}}}, {}, 325, 50, 9, {135, 0, 60, 50}},
        {TextGroups{{{"a"}}}, TextGroups{{{"u", "w"}}}, 100, 305, 2050, {0, 620.0 / 3, 100, 295.0 / 3}},
        // Tall cell twice a regular one: 3r + 5 = 155, r = 50.
        {TextGroups{{{"a"}}}, TextGroups{{{"t", "u", "w"}}}, 105, 155, 2049, {0, 55, 50, 100}},
        {{}, TextGroups{{{"a", "b"}}, {{"c", "d"}}}, 100, 200, 0, {}},
    };
    for (const auto& [inputs, fractions, width, height, tag, r] : cases) {
        View root(Rect(0, 0, width, height));
        auto* io = root.addSubview(std::make_unique<UniversalIntegerIOView>(
            inputs, TextGroups{}, fractions, TextGroups{}, std::vector<std::vector<std::int64_t>>{},
            TextGroups{}, Rect{}));
        platform::pinInsideSafeArea(*io, root, 0);
        root.layoutIfNeeded();
        EXPECT_EQ(platform::layoutDiagnostics(root).empty(), !inputs.empty());
        expectTidy(io);
        double right = 0, bottom = 0;
        for (const auto& v : io->subviews())
            right = std::max(right, v->frame().maxX()), bottom = std::max(bottom, v->frame().maxY());
        EXPECT_TRUE(std::abs(right - width) + std::abs(bottom - height) < kTol);
        const Rect f = labelAt(io, tag ? tag : 2113)->frame();
        EXPECT_TRUE(tag == 0 || std::abs(f.minX() - r.minX()) + std::abs(f.minY() - r.minY()) +
                                        std::abs(f.width() - r.width()) + std::abs(f.height() - r.height()) <
                                    kTol);
        EXPECT_TRUE(tag != 0 || std::abs(f.minY() - labelAt(io, 2050)->frame().maxY() - 5) < kTol);
    }
}

}  // namespace
}  // namespace radixmender::testing
