// The shared tables whole, entry by entry: platform colours, view-tag kinds,
// font names, the metric's fields, the display constants, place-value
// words, the code points read as digits, and the signed term texts with
// every branch of their sign, unit and exponent rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "records/number_helpers.hpp"
#include "records/term_texts.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {
namespace {

TEST(Tables, PlatformColoursTagsFontsAndMetric) {
    // The platform's class colours: clear for both transparent
    // names, the grays at 2/3, 1/2 and 1/3 white, brown at 0.6, 0.4, 0.2.
    const double third = 1.0 / 3.0, twoThirds = 2.0 / 3.0;
    using enum Color;
    const std::pair<Color, RGBA> colours[] = {
        {invisible, {0, 0, 0, 0}},
        {white, {1, 1, 1, 1}},
        {clear, {0, 0, 0, 0}},
        {black, {0, 0, 0, 1}},
        {light_gray, {twoThirds, twoThirds, twoThirds, 1}},
        {gray, {.5, .5, .5, 1}},
        {dark_gray, {third, third, third, 1}},
        {red, {1, 0, 0, 1}},
        {blue, {0, 0, 1, 1}},
        {green, {0, 1, 0, 1}},
        {cyan, {0, 1, 1, 1}},
        {brown, {.6, .4, .2, 1}},
        {magenta, {1, 0, 1, 1}},
    };
    ASSERT_EQ(std::size(colours), std::size_t(kColorCount));
    for (const auto& [colour, rgba] : colours) {
        EXPECT_EQ(uiColor(colour), rgba) << rawValue(colour);
        EXPECT_EQ(cgColor(colour), rgba) << rawValue(colour);
    }
    const std::pair<Tag, std::int64_t> tags[] = {
        {Tag::input, 1},     {Tag::polynomial, 1025}, {Tag::fraction, 2049}, {Tag::multi_line, 3073},
        {Tag::option, 4097}, {Tag::level, 5121},      {Tag::example, 6145}};
    for (const auto& [tag, value] : tags) {
        EXPECT_EQ(rawValue(tag), value);
        EXPECT_EQ(tagFromRawValue(value), tag) << value;
    }
    const std::pair<Font, const char*> fonts[] = {{Font::system, "system"},
                                                  {Font::monospaced_system, "monospaced system"},
                                                  {Font::monospaced_digit_system, "monospaced_digit_system"}};
    for (const auto& [font, name] : fonts) {
        EXPECT_EQ(rawValue(font), name);
        EXPECT_EQ(fontFromRawValue(name), font) << name;
    }
    const Metric m{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    EXPECT_EQ(
        (std::vector<double>{m.size, m.wholeCapHeight, m.wholeHalfCapHeight, m.wholeAscender,
                             m.wholeLineHeight, m.wholeXHeight, m.wholeHalfXHeight, m.fracCapHeight,
                             m.fracAscender, m.fracHeight, m.fracPointSize, m.barSpace, m.halfBarSpace}),
        (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    // The display constants in their order of declaration.
    EXPECT_EQ((std::vector<double>{kLayOut::stepLinesShare, kLayOut::commentShare, kLayOut::navigatorShare,
                                   kLayOut::bandGap, kLayOut::shrinkFactor, kLayOut::narrowPointSize,
                                   kLayOut::widePointSize, kLayOut::narrowScreenWidth,
                                   kLayOut::wideScreenWidth, kLayOut::padFactor, kMetric::fractionScale,
                                   kMetric::smallScale, kMetric::barSpaceScale, kMetric::unit}),
              (std::vector<double>{0.85, 0.05, 0.1, 5.0, 0.98, 30.0, 32.0, 428.0, 926.0, 1.5, 0.75,
                                   0.4666666666666667, 0.125, 1.0}));
}

TEST(Tables, PlaceValueWordsAndDigitCodePoints) {
    const char* words[] = {"one",     "ten",        "hundred", "thousand", "ten thousand", "hundred thousand",
                           "million", "ten million"};
    for (std::int64_t e = 0; e < 8; ++e) {
        EXPECT_EQ(placeValueWord(e, false), words[e]);
        EXPECT_EQ(placeValueWord(e, true), std::string(words[e]) + "s");
    }
    for (std::int64_t e : {std::int64_t{-1}, std::int64_t{8}, INT64_MIN, INT64_MAX})
        for (bool plural : {false, true}) EXPECT_EQ(placeValueWord(e, plural), "...?") << e;
    // The superscript digit's code point and the plain digit's, in capitals.
    const char* superscripts[] = {"2070", "B9", "B2", "B3", "2074", "2075", "2076", "2077", "2078", "2079"};
    for (std::int64_t d = 0; d < 10; ++d) {
        EXPECT_EQ(superscriptDigitClass(superscripts[d]), d) << superscripts[d];
        EXPECT_EQ(superscriptDigitClass("3" + std::to_string(d)), d) << d;
    }
    for (const char* other : {"b9", "b2", "207a", "3A", "39 ", "0039", "2071", "B1", "40", "", "9"})
        EXPECT_EQ(superscriptDigitClass(other), 0) << other;
}

// {coefficient, exponent, variable, shows one, text}: each row of the table
// with a unit coefficient and another, shown or not.
TEST(Tables, SignedTermTexts) {
    const std::tuple<std::int64_t, std::int64_t, const char*, bool, const char*> cases[] = {
        {-4, 0, "x", false, "-4"},       {-1, 0, "x", false, "-1"},       {-1, 0, "x", true, "-1"},
        {-1, 1, "x", false, "-x"},       {-1, 1, "x", true, "-1x"},       {-3, 1, "y", false, "-3y"},
        {-1, 2, "x", false, "-x\u00B2"}, {-1, 2, "x", true, "-1x\u00B2"}, {-3, 9, "x", false, "-3x\u2079"},
        {0, 0, "x", false, "+0"},        {1, 0, "x", false, "+1"},        {7, 0, "x", true, "+7"},
        {1, 1, "x", false, "+x"},        {1, 1, "x", true, "+1x"},        {0, 1, "x", false, "+0x"},
        {3, 1, "z", false, "+3z"},       {1, 2, "x", false, "+x\u00B2"},  {1, 2, "x", true, "+1x\u00B2"},
        {3, 2, "x", false, "+3x\u00B2"}, {0, 3, "y", false, "+0y\u00B3"}, {2, 12, "x", false, "+2x..."},
        {-1, -2, "x", false, "-x..."},   {5, 4, "t", true, "+5t\u2074"},
    };
    for (const auto& [c, e, v, showsOne, text] : cases)
        EXPECT_EQ(signedTermText(c, e, v, showsOne), text) << c << " " << e << " " << showsOne;
}

}  // namespace
}  // namespace radixmender
