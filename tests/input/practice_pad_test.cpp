// The practice pad and its entry display: starting state, geometry on a phone,
// and what every tap does, against a spy data source.
#include <gtest/gtest.h>

#include <tuple>

#include "input/universal_integer_practice_pad_view.hpp"
#include "pad_fixtures.hpp"
#include "platform/layout.hpp"
#include "records/literals.hpp"

namespace radixmender::testing {
namespace {

using platform::Rect;
using platform::UIButton;
using platform::UIColor;
using Selections = std::vector<std::vector<std::int64_t>>;

constexpr double kTol = 1e-6;
const std::vector<std::string> kLevels{text::kGrinning, text::kSmiling, text::kNeutral};

// Answers problem number n of the asked level as the line "p<n>L<level>" and
// the entries [["form", "<n>", "<level>"]]; `lines` lines per answer.
struct SpyPracticeSource : IntegerPracticeDataSource {
    std::vector<std::tuple<std::int64_t, TextLists, TextLists>> requests;  // level, options, multi-line
    std::size_t lines = 1;
    int limitQuestions = 0;
    std::int64_t maximumDigits() override { return ++limitQuestions, 3; }
    bool allowsNegative() override { return ++limitQuestions, true; }
    PracticeExample practiceExample(std::int64_t level, const TextLists& options,
                                    const TextLists& ml) override {
        requests.push_back({level, options, ml});
        const std::string n = std::to_string(requests.size()), l = std::to_string(level);
        return {std::vector<std::string>(lines, "p" + n + "L" + l), {{{"form", n, l}}}};
    }
};

// A practice pad with the levels and entries of the practice screen.
std::unique_ptr<UniversalIntegerPracticePadView> makePad(
    const TextGroups& options = {{{kBefore, kAfter}}}, const Selections& chosen = {{0}},
    const TextGroups& multiLine = {}, const TextLists& flush = {},
    const std::vector<std::string>& examples = {"1/(2\u221A3)"},
    const std::vector<std::string>& info = {" method and level ... ", " for steps "}) {
    return std::make_unique<UniversalIntegerPracticePadView>(info, multiLine, options, chosen, flush, kLevels,
                                                             examples, TextGroups{{{"a/(b\u221Ac)", "1"}}},
                                                             Rect{});
}

// With no choices given, the first option of every row and the first level
// start green; the example lines are white and have no selectors.
TEST(PracticePad, StartingState) {
    auto pad = makePad({{{"x", "y"}}, {{kBefore, kAfter}}}, {});
    EXPECT_EQ(pad->optionsSelections, (Selections{{4097}, {4161}}));
    EXPECT_TRUE(!pad->multiLineSelection && pad->levelSelection == 5121 && pad->exampleNumberOfRows == 1);
    EXPECT_EQ(greenTags(pad.get()), (std::vector<std::int64_t>{4097, 4161, 5121}));
    for (std::int64_t tag : {5121, 5122, 5123}) {
        EXPECT_EQ(textAt(pad.get(), tag), kLevels[static_cast<std::size_t>(tag - 5121)]);
        EXPECT_NE(findButton(pad.get(), "L" + std::to_string(tag)), nullptr);
    }
    EXPECT_EQ(labelAt(pad.get(), 6145)->backgroundColor(), UIColor::white());
    EXPECT_EQ(findButton(pad.get(), "E6145"), nullptr);
    // A chosen column outside its row, and a pad without info lines, are refused.
    EXPECT_THROW(makePad({{{kBefore, kAfter}}}, {{2}}), std::out_of_range);
    EXPECT_THROW(makePad({{{kBefore, kAfter}}}, {{0}}, {}, {}, {"e"}, {}), std::invalid_argument);
}

// What the random run below cannot see: taps before a data source or a
// delegate is set, the problem a level tap brings, stray key titles, and
// answers with fewer or more lines than shown.
TEST(PracticePad, Taps) {
    auto pad = makePad({{{kBefore, kAfter}}}, {{0}}, {}, {}, {"e0", "e1", "e2"});
    SpyPracticeSource source;
    SpyDelegate delegate;
    press(pad.get(), "L5122");  // no data source yet: the highlight moves, the problem stays
    EXPECT_EQ(pad->levelSelection, 5122);
    EXPECT_EQ(textAt(pad.get(), 6145), "e0");
    press(pad.get(), text::kThinking);  // no delegate: nothing
    pad->dataSource = &source;
    pad->delegate = &delegate;
    source.lines = 3;
    press(pad.get(), "L5123");
    EXPECT_EQ(source.requests, (decltype(source.requests){{2, {{kBefore}}, {}}}));
    for (std::int64_t n = 0; n < 3; ++n) EXPECT_EQ(textAt(pad.get(), 6145 + n), "p1L2");
    EXPECT_EQ(pad->inputs, (TextGroups{{{"form", "1", "2"}}}));
    for (const char* stray : {"7", "DEL", "C", "+/-", "."}) {
        auto key = UniversalIntegerIOView::makeButton(stray, UIColor::clear(), kKeyPressedAction, 30);
        pad->keyPressed(key.get());
    }
    EXPECT_TRUE(source.requests.size() == 1 && source.limitQuestions == 0);
    source.lines = 1;  // a short answer rewrites only the lines it has
    press(pad.get(), "L5121");
    EXPECT_TRUE(textAt(pad.get(), 6145) == "p2L0" && textAt(pad.get(), 6146) == "p1L2");
    source.lines = 5;  // surplus lines are not shown
    press(pad.get(), "L5121");
    EXPECT_TRUE(textAt(pad.get(), 6147) == "p3L0" && labelAt(pad.get(), 6148) == nullptr);
}

// Random taps on the practice pad's labels and key (the harness the form
// pads share): level taps and taps on the flushing row ask for a new problem
// of the chosen level with what is chosen, the one shown; every chosen label,
// and only those, is green, the tapped one among them; "🤔" hands over the
// entries and what is chosen. Two rows of one
// option group share a band, 10 points apart; the "🤔" key is two cells high
// at the bottom, as wide as its title.
TEST(PracticePad, RandomTapsKeepTheInvariants) {
    const Screen<UniversalIntegerPracticePadView> s(
        390, 844, {47, 0, 34, 0},
        makePad({{{"x", "y", "z"}, {"u", "v"}}, {{kBefore, kAfter}}}, {{2, 1}, {0}}, {{{"m0", "m1"}}},
                {{"", ""}, {"YES"}}));
    expectTidy(s.window.get());
    EXPECT_NEAR(findButton(s.pad, "O4105")->frame().minX() - findButton(s.pad, "O4099")->frame().maxX(), 10,
                kTol);
    EXPECT_EQ(findButton(s.pad, "O4105")->frame().minY(), findButton(s.pad, "O4097")->frame().minY());
    platform::View* io = s.pad->subviews()[1].get();
    UIButton* thinking = findButton(io, text::kThinking);
    EXPECT_NEAR(thinking->frame().height(), 2 * labelAt(io, 6145)->frame().height(), kTol);
    EXPECT_NEAR(thinking->frame().maxY(), io->frame().height(), kTol);
    EXPECT_NEAR(thinking->frame().midX(), io->frame().width() / 2, kTol);
    EXPECT_NEAR(thinking->frame().width(), thinking->intrinsicContentSize().width, kTol);
    SpyPracticeSource source;
    SpyDelegate delegate;
    s.pad->dataSource = &source;
    s.pad->delegate = &delegate;
    std::vector<platform::View*> targets{thinking};
    for (const std::int64_t tag :
         {3073, 3074, 4097, 4098, 4099, 4105, 4106, 4161, 4162, 5121, 5122, 5123, 6145})
        targets.push_back(labelAt(s.pad, tag));
    std::size_t asked = 0;
    tapAtRandom(s, targets, 2000, delegate, [&](platform::View* target) {
        const std::int64_t tag = target ? target->tag() : 0;
        const bool asks = (tag >= 5121 && tag <= 5123) || tag == 4161 || tag == 4162;
        ASSERT_EQ(source.requests.size(), asked += asks);
        const std::vector<std::int64_t> chosen{*s.pad->multiLineSelection, s.pad->optionsSelections[0][0],
                                               s.pad->optionsSelections[0][1], s.pad->optionsSelections[1][0],
                                               s.pad->levelSelection};
        ASSERT_EQ(greenTags(s.pad), chosen);
        ASSERT_TRUE(tag == 0 || tag == 6145 || std::find(chosen.begin(), chosen.end(), tag) != chosen.end());
        const TextLists options{{textAt(s.pad, chosen[1]), textAt(s.pad, chosen[2])},
                                {textAt(s.pad, chosen[3])}},
            multiLine{{textAt(s.pad, chosen[0])}};
        ASSERT_TRUE(!asks ||
                    source.requests.back() == std::tuple(s.pad->levelSelection - 5121, options, multiLine));
        const auto& row = s.pad->inputs[0][0];
        ASSERT_TRUE(row[0] != "form" || textAt(s.pad, 6145) == "p" + row[1] + "L" + row[2]);
        ASSERT_TRUE(target != thinking ||
                    delegate.calls.back() == Handover(s.pad->inputs, options, multiLine));
    });
}

}  // namespace
}  // namespace radixmender::testing
