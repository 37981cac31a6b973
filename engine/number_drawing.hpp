#pragma once
// Whole numbers and fractions drawn as school arithmetic writes them: the
// fraction family's kinds and the block's columns of numbers both lay out
// their numbers with these. Internal to the engine.
#include <string>

#include "engine/marks.hpp"

namespace radixmender::items {

// A fraction laid out for drawing: with the sign placed "LEFT" a numerator
// that begins with "-" loses it, and the sign stands in the whole font on the
// baseline left of the fraction; placed "TOP" the numerator keeps it.
struct SignedNumber {
    std::string numerator;                     // as drawn
    const std::string* denominator = nullptr;  // needed only until the number is drawn
    bool signLeft = false;
    double sign = 0;  // the room of the moved sign
    double wN = 0, wD = 0;
    [[nodiscard]] double width() const;
};

SignedNumber layOutSignedNumber(const std::string& numerator, const std::string& denominator,
                                const EngineFonts& fonts, bool left);
// Numerator, moved sign and bar in `first`, denominator in `second`; the bar
// lies on the line's axis, half the x-height above the baseline y.
void drawSignedNumber(Marks& marks, const SignedNumber& number, Paint first, Paint second,
                      const EngineFonts& fonts, double x, double y);

// A number of a block, given as its kind row: "whole", "fraction" or
// "mixed_number" ("UNKNOWN" for any other kind, with no width).
struct NumberSize {
    std::string kind;
    double wholeWidth = 0, fractionWidth = 0, totalWidth = 0, height = 0;
};
NumberSize numberKind(const Row& parts, const EngineFonts& fonts);

// Draws the number in a whole column (right-aligned) followed by a fraction
// column (centred), its sign kept in the numerator; colours from `colours`.
void drawNumber(Marks& marks, const Row& parts, const Row& colours, const EngineFonts& fonts,
                const NumberSize& widths, double x, double y, double wholeColumn, double fractionColumn);

}  // namespace radixmender::items
