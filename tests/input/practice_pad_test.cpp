// The practice pad and its entry display: starting state, geometry on a phone
// and a tablet, and what every tap does, against a spy data source.
#include <gtest/gtest.h>

#include <functional>

#include "input/universal_integer_practice_pad_view.hpp"
#include "pad_fixtures.hpp"
#include "platform/layout.hpp"
#include "records/literals.hpp"

namespace radixmender::testing {
namespace {

using platform::Rect;
using platform::UIButton;
using platform::UIColor;
using platform::View;
using Selections = std::vector<std::vector<std::int64_t>>;

constexpr double kTol = 1e-6;
const std::vector<std::string> kLevels{text::kGrinning, text::kSmiling, text::kNeutral};

// Answers problem number n of the asked level as the line "p<n>L<level>" and
// the entries [["form", "<n>", "<level>"]]; `lines` lines per answer.
struct SpyPracticeSource : IntegerPracticeDataSource {
    struct Request {
        std::int64_t level;
        TextLists options, multiLine;
    };
    std::vector<Request> requests;
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

struct PadArgs {
    std::vector<std::string> info{" method and level ... ", " for steps "};
    TextGroups multiLine;
    TextGroups options{{{kBefore, kAfter}}};
    Selections chosen{{0}};
    TextLists flush;
    std::vector<std::string> examples{"1/(2\u221A3)"};
};

std::unique_ptr<UniversalIntegerPracticePadView> makePad(const PadArgs& a = {}) {
    return std::make_unique<UniversalIntegerPracticePadView>(a.info, a.multiLine, a.options, a.chosen,
                                                             a.flush, kLevels, a.examples,
                                                             TextGroups{{{"a/(b\u221Ac)", "1"}}}, Rect{});
}

TEST(PracticePad, StartingState) {
    struct Case {
        const char* name;
        PadArgs args;
        Selections selections;
        std::int64_t multiLine;  // 0: none
        std::vector<std::int64_t> green;
    };
    PadArgs chosenSecond, twoGroups, withMultiLine, threeInfo;
    chosenSecond.chosen = {{1}};
    twoGroups.options = {{{"x", "y"}}, {{kBefore, kAfter}}};
    twoGroups.chosen = {};
    withMultiLine.multiLine = {{{"m0", "m1"}}};
    withMultiLine.chosen = {};
    const Case cases[] = {
        {"practice screen", {}, {{4097}}, 0, {4097, 5121}},
        {"second option chosen", chosenSecond, {{4098}}, 0, {4098, 5121}},
        {"two option groups", twoGroups, {{4097}, {4161}}, 0, {4097, 4161, 5121}},
        {"multi-line first", withMultiLine, {{4097}}, 3073, {3073, 4097, 5121}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto pad = makePad(c.args);
        EXPECT_EQ(pad->optionsSelections, c.selections);
        EXPECT_EQ(pad->multiLineSelection.value_or(0), c.multiLine);
        EXPECT_EQ(pad->levelSelection, 5121);
        EXPECT_EQ(pad->exampleNumberOfRows, 1);
        EXPECT_EQ(greenTags(pad.get()), c.green);
        for (std::int64_t tag : {5121, 5122, 5123}) {
            EXPECT_EQ(textAt(pad.get(), tag), kLevels[static_cast<std::size_t>(tag - 5121)]);
            EXPECT_NE(findButton(pad.get(), "L" + std::to_string(tag)), nullptr);
        }
        EXPECT_EQ(labelAt(pad.get(), 6145)->backgroundColor(), UIColor::white());
        EXPECT_EQ(findButton(pad.get(), "E6145"), nullptr);  // example lines have no selector
    }
    // A chosen column outside its row, and a pad without info lines, are refused.
    PadArgs outside, noInfo;
    outside.chosen = {{2}};
    noInfo.info = {};
    EXPECT_THROW(makePad(outside), std::out_of_range);
    EXPECT_THROW(makePad(noInfo), std::invalid_argument);
}

using PracticeScreen = Screen<UniversalIntegerPracticePadView>;

// What the random run below cannot see: taps before a data source or a
// delegate is set, the problem a level tap brings, and stray key titles.
TEST(PracticePad, Taps) {
    auto pad = makePad();
    SpyPracticeSource source;
    SpyDelegate delegate;
    press(pad.get(), "L5122");  // no data source yet: the highlight moves, the problem stays
    EXPECT_EQ(pad->levelSelection, 5122);
    EXPECT_EQ(textAt(pad.get(), 6145), "1/(2\u221A3)");
    press(pad.get(), text::kThinking);  // no delegate: nothing
    pad->dataSource = &source;
    pad->delegate = &delegate;

    press(pad.get(), "L5123");
    ASSERT_EQ(source.requests.size(), 1u);
    EXPECT_EQ(source.requests[0].level, 2);
    EXPECT_EQ(source.requests[0].options, (TextLists{{kBefore}}));
    EXPECT_EQ(textAt(pad.get(), 6145), "p1L2");
    EXPECT_EQ(pad->inputs, (TextGroups{{{"form", "1", "2"}}}));
    for (const char* stray : {"7", "DEL", "C", "+/-", "."}) {
        auto key = UniversalIntegerIOView::makeButton(stray, UIColor::clear(), kKeyPressedAction, 30);
        pad->keyPressed(key.get());
    }
    EXPECT_EQ(source.requests.size(), 1u);
    EXPECT_EQ(source.limitQuestions, 0);
}

// Flushing rows, multi-line texts, and answers with fewer or more lines than shown.
TEST(PracticePad, FlushingRowsMultiLineAndShortAnswers) {
    PadArgs args;
    args.multiLine = {{{"m0", "m1"}}};
    args.options = {{{"x", "y"}}, {{kBefore, kAfter}}};
    args.chosen = {};
    args.flush = {{"YES"}, {"NO"}};
    args.examples = {"e0", "e1", "e2"};
    auto pad = makePad(args);
    SpyPracticeSource source;
    source.lines = 3;
    pad->dataSource = &source;
    press(pad.get(), "L5122");
    press(pad.get(), "O4097");  // flushing row, option already chosen: still a new problem
    press(pad.get(), "O4098");
    press(pad.get(), "O4162");  // not flushing
    press(pad.get(), "M3074");  // multi-line: highlight only
    ASSERT_EQ(source.requests.size(), 3u);
    EXPECT_EQ(source.requests[2].level, 1);
    EXPECT_EQ(source.requests[2].options, (TextLists{{"y"}, {kBefore}}));
    EXPECT_EQ(source.requests[2].multiLine, (TextLists{{"m0"}}));
    EXPECT_EQ(pad->multiLineSelection, 3074);
    for (std::int64_t n = 0; n < 3; ++n) EXPECT_EQ(textAt(pad.get(), 6145 + n), "p3L1");

    source.lines = 1;  // a short answer rewrites only the lines it has
    press(pad.get(), "L5121");
    EXPECT_EQ(textAt(pad.get(), 6145), "p4L0");
    EXPECT_EQ(textAt(pad.get(), 6146), "p3L1");
    source.lines = 5;  // surplus lines are not shown
    press(pad.get(), "L5121");
    EXPECT_EQ(textAt(pad.get(), 6147), "p5L0");
    EXPECT_EQ(labelAt(pad.get(), 6148), nullptr);
}

// Random taps on the practice pad's labels and key (the harness the form
// pads share): level taps and taps on the flushing row ask for a new problem,
// the one shown; every chosen label, and only those, is green; "🤔" hands over
// the entries and what is chosen.
TEST(PracticePad, RandomTapsKeepTheInvariants) {
    PadArgs args;
    args.multiLine = {{{"m0", "m1"}}};
    args.options = {{{"x", "y", "z"}, {"u", "v"}}, {{kBefore, kAfter}}};
    args.chosen = {{2, 1}, {0}};
    args.flush = {{"", ""}, {"YES"}};
    const PracticeScreen s(390, 844, {47, 0, 34, 0}, makePad(args));
    // Two rows of one option group share a band, 10 points apart; the "🤔" key
    // is two cells high at the bottom, as wide as its title.
    expectTidy(s.window.get());
    EXPECT_NEAR(findButton(s.pad, "O4105")->frame().minX() - findButton(s.pad, "O4099")->frame().maxX(), 10,
                kTol);
    EXPECT_EQ(findButton(s.pad, "O4105")->frame().minY(), findButton(s.pad, "O4097")->frame().minY());
    View* io = s.pad->subviews()[1].get();
    UIButton* thinking = findButton(io, text::kThinking);
    EXPECT_NEAR(thinking->frame().height(), 2 * labelAt(io, 6145)->frame().height(), kTol);
    EXPECT_NEAR(thinking->frame().maxY(), io->frame().height(), kTol);
    EXPECT_NEAR(thinking->frame().midX(), io->frame().width() / 2, kTol);
    EXPECT_NEAR(thinking->frame().width(), thinking->intrinsicContentSize().width, kTol);
    SpyPracticeSource source;
    SpyDelegate delegate;
    s.pad->dataSource = &source;
    s.pad->delegate = &delegate;
    std::vector<platform::View*> targets{findButton(s.pad, text::kThinking)};
    for (const std::int64_t tag :
         {3073, 3074, 4097, 4098, 4099, 4105, 4106, 4161, 4162, 5121, 5122, 5123, 6145})
        targets.push_back(labelAt(s.pad, tag));
    std::size_t asked = 0;
    tapAtRandom(s, targets, 2000, delegate, [&](platform::View* target) {
        const std::int64_t tag = target->tag();
        ASSERT_EQ(source.requests.size(),
                  asked += (tag >= 5121 && tag <= 5123) || tag == 4161 || tag == 4162);
        const std::vector<std::int64_t> chosen{*s.pad->multiLineSelection, s.pad->optionsSelections[0][0],
                                               s.pad->optionsSelections[0][1], s.pad->optionsSelections[1][0],
                                               s.pad->levelSelection};
        ASSERT_EQ(greenTags(s.pad), chosen);
        ASSERT_TRUE(tag == 0 || tag == 6145 || std::find(chosen.begin(), chosen.end(), tag) != chosen.end());
        const auto& row = s.pad->inputs[0][0];
        ASSERT_TRUE(row[0] != "form" || textAt(s.pad, 6145) == "p" + row[1] + "L" + row[2]);
        if (target != targets[0]) return;
        ASSERT_EQ(delegate.calls.back().inputs, s.pad->inputs);
        ASSERT_EQ(
            delegate.calls.back().options,
            (TextLists{{textAt(s.pad, chosen[1]), textAt(s.pad, chosen[2])}, {textAt(s.pad, chosen[3])}}));
        ASSERT_EQ(delegate.calls.back().multiLine, TextLists{{textAt(s.pad, chosen[0])}});
    });
}

}  // namespace
}  // namespace radixmender::testing
