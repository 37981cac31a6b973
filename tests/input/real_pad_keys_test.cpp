// Editing and handing over on the decimal pad, through the real key grid and
// selectors; what it shares with the integer pad, random taps among them, is
// tested there.
#include <gtest/gtest.h>

#include "pad_fixtures.hpp"

namespace radixmender::testing {
namespace {

TEST(RealPadKeys, SequencesEditTheSelectedEntry) {
    pressSequences<UniversalRealPadView>({
        {"decimals after zero", 3, true, "0 5 C . 1 2 3 4 .", "0 5 0 0. 0.1 0.12 0.123 0.123 0.123"},
        {"one decimal after two digits", 3, true, "1 2 . 3 4", "1 12 12. 12.3 12.3"},
        {"a full entry takes the point", 3, true, "1 2 3 . 4 DEL DEL", "1 12 123 123. 123. 123 12"},
        {"negative zero", 3, true, "+/- 7 C +/- . 1 2 3 4", "-0 -7 0 -0 -0. -0.1 -0.12 -0.123 -0.123"},
        {"negative decimals", 3, true, "5 +/- . 1 2 3", "5 -5 -5. -5.1 -5.12 -5.12"},
        {"negative whole", 3, true, "1 2 +/- 3 4 . 4", "1 12 -12 -123 -123 -123. -123."},
        {"sign and delete around the point", 3, true, ". +/- DEL DEL 1 . 5 DEL DEL +/- . DEL",
         "0. -0. -0 -0 -1 -1. -1.5 -1. -1 1 1. 1"},
        {"limit zero", 0, true, ". 5 C 5 . 6", "0. 0. 0 5 5. 5."},
        {"negatives refused", 3, false, "+/- . +/-", "0 0. 0."},
        {"the largest limit", INT64_MAX, true, "+/- . 1 2 3 4", "-0 -0. -0.1 -0.12 -0.123 -0.1234"},
    });
}

// Input entries go out as shown; polynomial and fraction entries turn "-0"
// into "0". Unlike the integer pad, every digit asks for the limit, "0" on "0" too.
TEST(RealPadKeys, ThinkingKeyHandsInputsOverAsShown) {
    UniversalRealPadView pad({}, TextGroups{{{"0", "0"}}}, TextGroups{{{"0"}}}, TextGroups{{{"0", "0"}}}, {},
                             {}, {}, {});
    EXPECT_THROW(press(&pad, "0"), std::runtime_error);
    SpyDataSource source;
    SpyDelegate delegate;
    pad.dataSource = &source;
    pad.delegate = &delegate;
    for (const char* key :
         {"0", "+/-", "I2", "1", "2", ".", "P1025", "+/-", "F2049", "+/-", "F2050", "+/-", ".", "\U0001F914"})
        press(&pad, key);
    EXPECT_EQ(source.digitQuestions, 3);
    ASSERT_EQ(delegate.calls.size(), 1u);
    EXPECT_EQ(delegate.calls[0].inputs, (TextGroups{{{"-0", "12."}}, {{"0", "\u2798"}}, {{"0", "-0."}}}));
}

}  // namespace
}  // namespace radixmender::testing
