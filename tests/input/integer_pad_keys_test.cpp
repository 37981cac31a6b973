// Editing, selecting and handing over on the integer pad, key by key, through
// the real key grid and selectors (each tap travels the responder chain).
#include <gtest/gtest.h>

#include "pad_fixtures.hpp"

namespace radixmender::testing {
namespace {

using platform::UIColor;

TEST(IntegerPadKeys, SequencesEditTheSelectedEntry) {
    pressSequences<UniversalIntegerPadView>({
        {"digits up to the limit", 3, true, "5 0 7 9", "5 50 507 507"},
        {"no leading zero", 3, true, "0 0 3", "0 0 3"},
        {"negative entry", 3, true, "+/- 4 1 2 3 +/- +/-", "-0 -4 -41 -412 -412 412 -412"},
        {"sign ignores the limit", 3, true, "7 5 0 +/-", "7 75 750 -750"},
        {"delete", 3, true, "+/- DEL 4 1 DEL DEL +/- 7 DEL DEL", "-0 -0 -4 -41 -4 -0 0 7 0 0"},
        {"clear", 3, true, "9 +/- C 4 C", "9 -9 0 4 0"},
        {"the point does nothing", 3, true, "4 .", "4 4"},
        {"negatives refused", 3, false, "+/- 5 +/-", "0 5 5"},
        {"limit zero still takes one digit", 0, true, "5 6 +/- 6", "5 5 -5 -5"},
    });
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

// Random taps on the keys, entries and orders of the form pad, on the
// integer pad and on the decimal pad: after each, every entry reads as a
// number within the limit (a decimal one on the decimal pad), the selected
// entry and order are the green ones, and "🤔" hands the entries over as
// shown, the integer pad's "-0" as "0", with the order shown.
template <typename Pad>
void tapFormPadAtRandom(std::int64_t limit) {
    SCOPED_TRACE(limit);
    constexpr bool decimal = std::is_same_v<Pad, UniversalRealPadView>;
    const Screen<Pad> s(390, 844, {47, 0, 34, 0}, makeFormAPad<Pad>());
    SpyDataSource source;
    SpyDelegate delegate;
    source.limit = limit;
    s.pad->dataSource = &source;
    s.pad->delegate = &delegate;
    std::vector<platform::View*> targets{findButton(s.pad, "\U0001F914")};
    for (const char* t : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "C", "DEL", "+/-", "."})
        targets.push_back(findButton(s.pad, t));
    for (const std::int64_t tag : {1, 2, 3, 4097, 4098}) targets.push_back(labelAt(s.pad, tag));
    tapAtRandom(s, targets, 5000, delegate, [&](platform::View* target) {
        std::vector<std::int64_t> green = greenTags(s.pad),
                                  chosen{*s.pad->selection, s.pad->optionsSelections[0][0]};
        std::sort(green.begin(), green.end());
        ASSERT_EQ(green, chosen);
        for (std::int64_t tag = 1; tag <= 3; ++tag) {
            const std::string shown = textAt(s.pad, tag);
            ASSERT_TRUE(readsAsNumber(shown, limit, decimal)) << shown;
            ASSERT_TRUE(target != targets[0] ||
                        delegate.calls.back().inputs[0][0][static_cast<std::size_t>(tag - 1)] ==
                            (!decimal && shown == "-0" ? "0" : shown));
        }
        ASSERT_TRUE(target != targets[0] || delegate.calls.back().options[0][0] == textAt(s.pad, chosen[1]));
    });
}

TEST(PadKeys, RandomTapsKeepTheInvariants) {
    tapFormPadAtRandom<UniversalIntegerPadView>(3);
    for (std::int64_t limit : {3, 0}) tapFormPadAtRandom<UniversalRealPadView>(limit);
}

}  // namespace
}  // namespace radixmender::testing
