// Editing, selecting and handing over on the integer pad, key by key, through
// the real key grid and selectors (each tap travels the responder chain).
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "pad_fixtures.hpp"

namespace radixmender::testing {
namespace {

using platform::UIColor;

struct Sequence {
    const char* name;
    std::int64_t limit;
    bool negatives;
    // Each key with the text the selected entry shows after it.
    std::vector<std::pair<std::string, std::string>> steps;
};

TEST(IntegerPadKeys, SequencesEditTheSelectedEntry) {
    const Sequence sequences[] = {
        {"digits up to the limit", 3, true, {{"5", "5"}, {"0", "50"}, {"7", "507"}, {"9", "507"}}},
        {"no leading zero", 3, true, {{"0", "0"}, {"0", "0"}, {"3", "3"}}},
        {"negative entry",
         3,
         true,
         {{"+/-", "-0"},
          {"4", "-4"},
          {"1", "-41"},
          {"2", "-412"},
          {"3", "-412"},
          {"+/-", "412"},
          {"+/-", "-412"}}},
        {"sign ignores the limit", 3, true, {{"7", "7"}, {"5", "75"}, {"0", "750"}, {"+/-", "-750"}}},
        {"delete",
         3,
         true,
         {{"+/-", "-0"}, {"DEL", "-0"}, {"4", "-4"}, {"1", "-41"}, {"DEL", "-4"}, {"DEL", "-0"}}},
        {"clear", 3, true, {{"9", "9"}, {"+/-", "-9"}, {"C", "0"}, {"4", "4"}, {"C", "0"}}},
        {"the point does nothing", 3, true, {{"4", "4"}, {".", "4"}}},
        {"negatives refused", 3, false, {{"+/-", "0"}, {"5", "5"}, {"+/-", "5"}}},
        {"limit zero still takes one digit", 0, true, {{"5", "5"}, {"6", "5"}, {"+/-", "-5"}, {"6", "-5"}}},
    };
    for (const auto& s : sequences) {
        SCOPED_TRACE(s.name);
        auto pad = makeFormAPad();
        SpyDataSource source;
        source.limit = s.limit;
        source.negatives = s.negatives;
        pad->dataSource = &source;
        for (const auto& [key, expected] : s.steps) {
            press(pad.get(), key);
            EXPECT_EQ(textAt(pad.get(), 1), expected) << "after " << key;
        }
        EXPECT_EQ(textAt(pad.get(), 2), "0");  // only the selected entry changes
        EXPECT_EQ(textAt(pad.get(), 3), "0");
    }
}

// The limit is asked only when a digit would lengthen a non-zero entry; the
// sign permission on every "+/-"; neither is remembered.
TEST(IntegerPadKeys, DataSourceIsAskedOnlyWhenItMatters) {
    auto pad = makeFormAPad();
    SpyDataSource source;
    pad->dataSource = &source;
    for (const char* key : {"0", "0", "C", "DEL", "7"}) press(pad.get(), key);
    EXPECT_EQ(source.digitQuestions, 0);
    press(pad.get(), "1");
    press(pad.get(), "2");
    press(pad.get(), "3");  // refused, but asked
    EXPECT_EQ(source.digitQuestions, 3);
    source.negatives = false;
    press(pad.get(), "+/-");
    source.negatives = true;
    press(pad.get(), "+/-");
    EXPECT_EQ(source.signQuestions, 2);
    EXPECT_EQ(textAt(pad.get(), 1), "-712");
}

TEST(IntegerPadKeys, ThinkingKeyHandsEverythingOver) {
    auto pad = makeFormAPad();
    SpyDataSource source;
    SpyDelegate delegate;
    pad->dataSource = &source;
    press(pad.get(), "\U0001F914");  // no delegate yet: dropped
    pad->delegate = &delegate;
    for (const char* key : {"6", "I2", "2", "I3", "3", "O4098", "\U0001F914"}) press(pad.get(), key);
    ASSERT_EQ(delegate.calls.size(), 1u);
    EXPECT_EQ(delegate.calls[0], (Handover{{{{"6", "2", "3"}}}, {{kAfter}}, {}}));

    // "-0" goes out as "0"; the pad itself is left as it was, and may hand over again.
    for (const char* key : {"C", "+/-", "I1", "+/-", "\U0001F914"}) press(pad.get(), key);
    ASSERT_EQ(delegate.calls.size(), 2u);
    EXPECT_EQ(delegate.calls[1].inputs, (TextGroups{{{"-6", "2", "0"}}}));
    EXPECT_EQ(textAt(pad.get(), 3), "-0");
    EXPECT_EQ(pad->selection, 1);
}

// Polynomial rows end with an arrow that toggles and travels with the row;
// multi-line texts keep one choice; any entry kind can take the selection.
TEST(IntegerPadKeys, PolynomialFractionAndMultiLineCells) {
    UniversalIntegerPadView pad({"info"}, TextGroups{{{"1"}}}, TextGroups{{{"2", "3"}}},
                                TextGroups{{{"4", "5"}}}, TextGroups{}, {}, TextGroups{{{"x", "y"}}}, {});
    SpyDataSource source;
    SpyDelegate delegate;
    pad.dataSource = &source;
    pad.delegate = &delegate;
    EXPECT_EQ(textAt(&pad, 1027), "\u2798");
    EXPECT_EQ(labelAt(&pad, 1027)->backgroundColor(), UIColor::cyan());
    press(&pad, "P_option1027");
    EXPECT_EQ(textAt(&pad, 1027), "\u279A");
    press(&pad, "P1026");
    EXPECT_EQ(pad.selection, 1026);
    press(&pad, "9");
    press(&pad, "F2050");
    press(&pad, "+/-");
    press(&pad, "M3074");
    EXPECT_EQ(pad.multiLineSelection, 3074);
    EXPECT_EQ(labelAt(&pad, 3074)->backgroundColor(), UIColor::green());
    EXPECT_EQ(labelAt(&pad, 3073)->backgroundColor(), UIColor::white());
    press(&pad, "\U0001F914");
    ASSERT_EQ(delegate.calls.size(), 1u);
    EXPECT_EQ(delegate.calls[0], (Handover{{{{"1"}}, {{"2", "39", "\u279A"}}, {{"4", "-5"}}}, {}, {{"y"}}}));
    press(&pad, "P_option1027");
    EXPECT_EQ(textAt(&pad, 1027), "\u2798");
}

// A pad with nothing to edit has no selection and ignores every key.
TEST(IntegerPadKeys, PadWithoutEntriesIgnoresKeys) {
    UniversalIntegerPadView pad({}, {}, {}, {}, TextGroups{{{"a", "b"}}}, {}, {}, {});
    SpyDelegate delegate;
    pad.delegate = &delegate;
    EXPECT_FALSE(pad.selection.has_value());
    for (const char* key : {"5", "O4098", "\U0001F914"}) press(&pad, key);
    EXPECT_TRUE(delegate.calls.empty());
    EXPECT_EQ(labelAt(&pad, 4097)->backgroundColor(), UIColor::green());
}

// Ten thousand random keys and selector taps; after each one every entry is
// a valid number of at most three digits, each kind of choice shows exactly
// one green label that matches the pad's selection, and the tags stay put.
TEST(IntegerPadKeys, RandomKeysKeepTheInvariants) {
    auto pad = makeFormAPad();
    SpyDataSource source;
    SpyDelegate delegate;
    pad->dataSource = &source;
    pad->delegate = &delegate;
    const std::vector<std::string> titles = {"0",          "1",  "2",  "3",  "4",     "5",    "6",
                                             "7",          "8",  "9",  "C",  "DEL",   "+/-",  ".",
                                             "\U0001F914", "I1", "I2", "I3", "O4097", "O4098"};
    std::vector<platform::UIButton*> buttons;
    for (const auto& t : titles) buttons.push_back(findButton(pad.get(), t));
    const std::set<std::int64_t> tags = {1, 2, 3, 4097, 4098};

    auto wellFormed = [](const std::string& t) {
        if (t == "0" || t == "-0") return true;
        const std::size_t start = (!t.empty() && t[0] == '-') ? 1 : 0;
        const std::size_t digits = t.size() - start;
        if (digits < 1 || digits > 3 || t[start] == '0') return false;
        return t.find_first_not_of("0123456789", start) == std::string::npos;
    };

    std::mt19937 rng(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, titles.size() - 1);
    for (int n = 0; n < 10000; ++n) {
        const std::size_t i = pick(rng);
        platform::tap(*buttons[i]);
        std::set<std::int64_t> seen;
        int greenEntries = 0;
        for (const auto& v : pad->subviews()[1]->subviews()) {
            auto* l = dynamic_cast<platform::UILabel*>(v.get());
            if (l == nullptr) continue;
            seen.insert(l->tag());
            if (l->tag() < 4097) {
                ASSERT_TRUE(wellFormed(l->text())) << l->text() << " after key " << n << " " << titles[i];
                greenEntries += l->backgroundColor() == UIColor::green();
                ASSERT_EQ(l->backgroundColor() == UIColor::green(), l->tag() == pad->selection);
            } else {
                ASSERT_EQ(l->backgroundColor() == UIColor::green(), l->tag() == pad->optionsSelections[0][0]);
            }
        }
        ASSERT_EQ(greenEntries, 1);
        ASSERT_EQ(seen, tags);
        if (titles[i] == "\U0001F914") {
            const auto& call = delegate.calls.back();
            for (std::int64_t k = 0; k < 3; ++k) {
                const std::string shown = textAt(pad.get(), k + 1);
                ASSERT_EQ(call.inputs[0][0][static_cast<std::size_t>(k)], shown == "-0" ? "0" : shown);
            }
            ASSERT_EQ(call.options[0][0], textAt(pad.get(), pad->optionsSelections[0][0]));
        }
    }
    EXPECT_GT(delegate.calls.size(), 100u);
}

}  // namespace
}  // namespace radixmender::testing
