// Colour names, view tags, relations, fonts, superscripts and the base point size.
#include "records/vocabulary.hpp"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "tests/support/screen_width.hpp"

namespace radixmender {
namespace {

using testing::ScreenWidth;

TEST(Colors, NamesRoundTripInTheirOrder) {
    const std::vector<std::string> names = {"invisible", "white",     "clear",  "black", "light gray",
                                            "gray",      "dark gray", "red",    "blue",  "green",
                                            "cyan",      "brown",     "magenta"};
    ASSERT_EQ(names.size(), static_cast<std::size_t>(kColorCount));
    for (int i = 0; i < kColorCount; ++i) {
        const auto color = static_cast<Color>(i);
        EXPECT_EQ(rawValue(color), names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(colorFromRawValue(names[static_cast<std::size_t>(i)]), color);
    }
    EXPECT_EQ(colorFromRawValue("light gray"), Color::light_gray);
    for (const char* bad :
         {"light_gray", "dark_gray", "Black", "RED", "", " red", "red ", "grey", "transparent"})
        EXPECT_EQ(colorFromRawValue(bad), std::nullopt) << bad;
}

TEST(Tags, ViewTagsPackAndUnpack) {
    EXPECT_EQ(viewTag(0, 0, 0, Tag::input), 1);
    EXPECT_EQ(viewTag(1, 2, 3, Tag::option), 4097 + 64 + 16 + 3);
    EXPECT_EQ(viewTagIndices(4097 + 64 + 16 + 3, Tag::option), (ViewTagIndices{1, 2, 3}));
    // Below the base the parts truncate toward zero; they are not wrapped.
    EXPECT_EQ(viewTagIndices(0, Tag::input), (ViewTagIndices{0, 0, -1}));
    EXPECT_EQ(viewTagIndices(1025 - 9, Tag::polynomial), (ViewTagIndices{0, -1, -1}));
    EXPECT_EQ(viewTagIndices(1, Tag::polynomial), (ViewTagIndices{-16, 0, 0}));

    // Every position below 1024 decodes back, no two kinds share a view tag,
    // and each kind's raw value names it.
    std::set<std::int64_t> seen;
    for (Tag tag : {Tag::input, Tag::polynomial, Tag::fraction, Tag::multi_line, Tag::option, Tag::level,
                    Tag::example}) {
        EXPECT_EQ(tagFromRawValue(rawValue(tag)), tag);
        for (std::int64_t i = 0; i < 16; ++i)
            for (std::int64_t j = 0; j < 8; ++j)
                for (std::int64_t k = 0; k < 8; ++k) {
                    const std::int64_t v = viewTag(i, j, k, tag);
                    EXPECT_EQ(viewTagIndices(v, tag), (ViewTagIndices{i, j, k}));
                    EXPECT_TRUE(seen.insert(v).second) << v;
                }
    }

    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_THROW(viewTag(kMax / 8, 0, 0, Tag::input), std::overflow_error);
    EXPECT_THROW(viewTag(0, 0, kMax, Tag::example), std::overflow_error);
    EXPECT_THROW(viewTagIndices(kMin, Tag::input), std::overflow_error);
    for (std::int64_t bad : {0, 2, 1024, 1026, 7169, -1})
        EXPECT_EQ(tagFromRawValue(bad), std::nullopt) << bad;
}

TEST(Relations, SymbolsReversedNegated) {
    struct Case {
        Relation relation;
        const char* symbol;
        Relation reversed, negated;
    };
    using R = Relation;
    const std::vector<Case> cases = {
        {R::equal_to, "=", R::equal_to, R::equal_to},
        {R::less_than, "<", R::greater_than, R::greater_than_or_equal_to},
        {R::greater_than, ">", R::less_than, R::less_than_or_equal_to},
        {R::less_than_or_equal_to, "\u2264", R::greater_than_or_equal_to, R::greater_than},
        {R::greater_than_or_equal_to, "\u2265", R::less_than_or_equal_to, R::less_than},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rawValue(c.relation), c.symbol);
        EXPECT_EQ(relationFromRawValue(c.symbol), c.relation);
        EXPECT_EQ(reversed(c.relation), c.reversed) << c.symbol;
        EXPECT_EQ(negated(c.relation), c.negated) << c.symbol;
    }
    for (const char* bad : {"<=", ">=", "==", "", "≠", "⩽"})
        EXPECT_EQ(relationFromRawValue(bad), std::nullopt) << bad;
}

TEST(Names, FontsAndSuperscripts) {
    for (Font f : {Font::system, Font::monospaced_system, Font::monospaced_digit_system})
        EXPECT_EQ(fontFromRawValue(rawValue(f)), f);
    // The engine's line font name is written with blanks; it is no Font.
    EXPECT_EQ(fontFromRawValue("monospaced digit system"), std::nullopt);
    const std::vector<std::string> expected = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                               "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(superscriptDigit(std::to_string(d)), expected[static_cast<std::size_t>(d)]);
    for (const char* other : {"12", "a", "", " 1", "1 ", "-1", "\u00B2", "\u0663"})
        EXPECT_EQ(superscriptDigit(other), "...") << other;
}

TEST(BasePointSize, FollowsTheMainScreenWidth) {
    EXPECT_EQ(basePointSize(), 30.0);  // no provider: a phone screen
    const std::vector<std::pair<double, double>> table = {
        {320, 30}, {428, 30}, {428.5, 32}, {430, 32}, {1366, 32}};
    for (const auto& [width, size] : table) {
        const ScreenWidth screen(width);
        EXPECT_EQ(basePointSize(), size) << width;
    }
    EXPECT_EQ(basePointSize(), 30.0);
    // The width is read on every call, not remembered.
    double width = 320;
    const ScreenWidth screen([&width] { return width; });
    EXPECT_EQ(basePointSize(), 30.0);
    width = 1024;
    EXPECT_EQ(basePointSize(), 32.0);
}

}  // namespace
}  // namespace radixmender
