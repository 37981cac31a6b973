// Strict integer parsing and character-wise text handling.
#include "records/text.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "records/literals.hpp"

namespace radixmender {
namespace {

TEST(ParseInteger, AcceptsOnlySignAndDigits) {
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    const std::vector<std::pair<std::string, std::int64_t>> accepted = {
        {"5", 5},
        {"+5", 5},
        {"-5", -5},
        {"-0", 0},
        {"007", 7},
        {"9223372036854775807", kMax},
        {"+9223372036854775807", kMax},
        {"-9223372036854775808", kMin},
        {"00000000000000000000009223372036854775807", kMax}};
    for (const auto& [text, value] : accepted) EXPECT_EQ(parseInteger(text), value) << text;
    // One past either end, a digit too many; blanks, signs, other notations; the
    // minus sign "−" instead of the hyphen, a full-width five, an embedded NUL.
    std::vector<std::string> refused = {std::string("5\0", 2)};
    std::istringstream fields(
        "9223372036854775808|-9223372036854775809|92233720368547758070|99999999999999999999||+|-| 5|5 |5x|x5|"
        "+-5|5-|1.0|0x10|\u22125|\uFF15");
    for (std::string field; std::getline(fields, field, '|');) refused.push_back(field);
    for (const auto& text : refused) EXPECT_EQ(parseInteger(text), std::nullopt) << "\"" << text << "\"";
}

TEST(ParseInteger, RoundTripsEveryMagnitude) {
    std::int64_t v = 1;
    for (int digits = 1; digits <= 18; ++digits, v *= 10) {
        for (std::int64_t n : {v - 1, v, v + 1, -v, -(v - 1), 9 * v}) {
            EXPECT_EQ(parseInteger(std::to_string(n)), n);
        }
    }
}

TEST(Characters, CountWhatAReaderSees) {
    struct Case {
        std::string text;
        std::size_t count;
        std::string inner;  // without the first and last character
    };
    const std::vector<Case> cases = {
        {"", 0, ""},
        {"a", 1, ""},
        {"ab", 2, ""},
        {"abc", 3, "b"},
        {text::kRadical, 1, ""},
        {text::kMinusSign, 1, ""},
        {text::kThinking, 1, ""},
        {text::kPointLeft, 1, ""},  // pointing hand with a skin tone
        {text::kPaperclip, 1, ""},
        {"\U0001F587\uFE0F", 1, ""},  // paperclip with its emoji selector
        {" simplify √ before ", 19, "simplify √ before"},
        {"e\u0301te\u0301", 3, "t"},                            // combining accents stay on their letter
        {"\U0001F469\u200D\U0001F469\u200D\U0001F467", 1, ""},  // one joined family
        {"x\U0001F449\U0001F3FD\U0001F914y", 4, "\U0001F449\U0001F3FD\U0001F914"},
        {"\u221A2\u221A3", 4, "2\u221A"},
        {"\xFF\xFEz", 3, "\xFE"},  // malformed bytes count one each
        {"\xE2\x88", 2, ""},       // a cut-off sequence too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(characterCount(c.text), c.count) << c.text;
        EXPECT_EQ(dropFirstAndLastCharacter(c.text), c.inner) << c.text;
        std::string joined;
        for (const auto& ch : characters(c.text)) {
            EXPECT_FALSE(ch.empty());
            joined += ch;
        }
        EXPECT_EQ(joined, c.text) << "characters lose or add bytes";
    }
    EXPECT_EQ(characters("a√🤔"), (std::vector<std::string>{"a", "√", "🤔"}));
}

}  // namespace
}  // namespace radixmender
