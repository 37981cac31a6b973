// Strict integer parsing, characters as a reader sees them, and the names of
// colours, view tags, relations, fonts and superscripts; the base point size.
#include "records/vocabulary.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "records/literals.hpp"
#include "records/text.hpp"
#include "tests/support/screen_width.hpp"

namespace radixmender {
namespace {

TEST(ParseInteger, AcceptsOnlySignAndDigits) {
    EXPECT_TRUE(parseInteger("+5") == 5 && parseInteger("-0") == 0 &&
                parseInteger("-9223372036854775808") == INT64_MIN);
    EXPECT_EQ(parseInteger("0000000000000000009223372036854775807"), INT64_MAX);
    for (std::int64_t v = 1; v <= INT64_MAX / 10; v *= 10)
        for (std::int64_t n : {v - 1, v + 1, -v, 9 * v}) EXPECT_EQ(parseInteger(std::to_string(n)), n);
    // One past either end, a digit too many; blanks, signs, other notations; the
    // minus sign "−" instead of the hyphen, a full-width five, an embedded NUL.
    std::vector<std::string> refused = {std::string("5\0", 2)};
    std::istringstream fields(
        "9223372036854775808|-9223372036854775809|92233720368547758070|99999999999999999999||+|-| 5|5 |5x|x5|"
        "+-5|5-|1.0|0x10|\u22125|\uFF15");
    for (std::string field; std::getline(fields, field, '|');) refused.push_back(field);
    for (const auto& text : refused) EXPECT_EQ(parseInteger(text), std::nullopt) << "\"" << text << "\"";
}

TEST(Characters, CountWhatAReaderSees) {
    const struct {
        std::string text;
        std::size_t count;
        std::string inner;  // without the first and last character
    } cases[] = {
        {"", 0, ""},
        {text::kPointLeft, 1, ""},    // pointing hand with a skin tone
        {"\U0001F587\uFE0F", 1, ""},  // paperclip with its emoji selector
        {" simplify √ before ", 19, "simplify √ before"},
        {"e\u0301te\u0301", 3, "t"},                            // combining accents stay on their letter
        {"\U0001F469\u200D\U0001F469\u200D\U0001F467", 1, ""},  // one joined family
        {"x\U0001F449\U0001F3FD\U0001F914y", 4, "\U0001F449\U0001F3FD\U0001F914"},
        {"\xFF\xFEz", 3, "\xFE"},  // malformed bytes count one each
        {"\xE2\x88", 2, ""},       // a cut-off sequence too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(characterCount(c.text), c.count) << c.text;
        EXPECT_EQ(dropFirstAndLastCharacter(c.text), c.inner) << c.text;
        std::string joined;
        for (const auto& ch : characters(c.text)) joined += ch.empty() ? "<empty>" : ch;
        EXPECT_EQ(joined, c.text) << "characters lose or add bytes";
    }
}

TEST(Names, RoundTripInTheirOrder) {
    const std::vector<std::string> colors = {"invisible", "white",     "clear",  "black", "light gray",
                                             "gray",      "dark gray", "red",    "blue",  "green",
                                             "cyan",      "brown",     "magenta"};
    ASSERT_EQ(colors.size(), static_cast<std::size_t>(kColorCount));
    for (int i = 0; i < kColorCount; ++i) {
        EXPECT_EQ(rawValue(static_cast<Color>(i)), colors[static_cast<std::size_t>(i)]);
        EXPECT_EQ(colorFromRawValue(colors[static_cast<std::size_t>(i)]), static_cast<Color>(i));
    }
    for (const char* bad : {"light_gray", "Black", "", "red ", "grey"})
        EXPECT_EQ(colorFromRawValue(bad), std::nullopt) << bad;
    for (Font f : {Font::system, Font::monospaced_system, Font::monospaced_digit_system})
        EXPECT_EQ(fontFromRawValue(rawValue(f)), f);
    // The engine's line font name is written with blanks; it is no Font.
    EXPECT_EQ(fontFromRawValue("monospaced digit system"), std::nullopt);
    const char* superscripts[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                  "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    for (int d = 0; d < 10; ++d) EXPECT_EQ(superscriptDigit(std::to_string(d)), superscripts[d]);
    for (const char* other : {"12", "a", "", " 1", "-1", "\u00B2"})
        EXPECT_EQ(superscriptDigit(other), "...") << other;
}

TEST(Names, ViewTagsPackAndUnpack) {
    EXPECT_EQ(viewTag(1, 2, 3, Tag::option), 4097 + 64 + 16 + 3);
    // Below the base the parts truncate toward zero; they are not wrapped.
    EXPECT_EQ(viewTagIndices(0, Tag::input), (ViewTagIndices{0, 0, -1}));
    // Every position below 1024 decodes back, no two kinds share a view tag,
    // and each kind's raw value names it.
    std::set<std::int64_t> seen;
    for (Tag tag : {Tag::input, Tag::polynomial, Tag::fraction, Tag::multi_line, Tag::option, Tag::level,
                    Tag::example}) {
        EXPECT_EQ(tagFromRawValue(rawValue(tag)), tag);
        for (std::int64_t n = 0; n < 1024; ++n) {
            const std::int64_t v = viewTag(n / 64, n / 8 % 8, n % 8, tag);
            EXPECT_EQ(viewTagIndices(v, tag), (ViewTagIndices{n / 64, n / 8 % 8, n % 8}));
            EXPECT_TRUE(seen.insert(v).second) << v;
        }
    }
    EXPECT_THROW(viewTag(INT64_MAX / 8, 0, 0, Tag::input), std::overflow_error);
    EXPECT_THROW(viewTag(0, 0, INT64_MAX, Tag::example), std::overflow_error);
    EXPECT_THROW(viewTagIndices(INT64_MIN, Tag::input), std::overflow_error);
    for (std::int64_t bad : {0, 2, 1026, -1}) EXPECT_EQ(tagFromRawValue(bad), std::nullopt) << bad;
}

// {relation, symbol, reversed, negated}
TEST(Names, RelationsReversedAndNegated) {
    using R = Relation;
    const std::tuple<Relation, const char*, Relation, Relation> cases[] = {
        {R::equal_to, "=", R::equal_to, R::equal_to},
        {R::less_than, "<", R::greater_than, R::greater_than_or_equal_to},
        {R::greater_than, ">", R::less_than, R::less_than_or_equal_to},
        {R::less_than_or_equal_to, "\u2264", R::greater_than_or_equal_to, R::greater_than},
        {R::greater_than_or_equal_to, "\u2265", R::less_than_or_equal_to, R::less_than},
    };
    for (const auto& [relation, symbol, reverse, negation] : cases) {
        EXPECT_EQ(rawValue(relation), symbol);
        EXPECT_EQ(relationFromRawValue(symbol), relation);
        EXPECT_TRUE(reversed(relation) == reverse && negated(relation) == negation) << symbol;
    }
    for (const char* bad : {"<=", "==", "", "\u2260"})
        EXPECT_EQ(relationFromRawValue(bad), std::nullopt) << bad;
}

TEST(BasePointSize, FollowsTheMainScreenWidth) {
    EXPECT_EQ(basePointSize(), 30.0);  // no provider: a phone screen
    for (const auto& [width, size] :
         std::vector<std::pair<double, double>>{{428, 30}, {428.5, 32}, {1366, 32}}) {
        const testing::ScreenWidth screen(width);
        EXPECT_EQ(basePointSize(), size) << width;
    }
}

}  // namespace
}  // namespace radixmender
