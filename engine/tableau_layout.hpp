#pragma once
// What the operation tableaux share between their measuring and their
// drawing: the tableau font, the gap, place-value labels, the reading of
// counts and lists, and the metrics of the two multiplication tableaux.
// Internal to the engine.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/items.hpp"
#include "engine/text_measure.hpp"
#include "platform/font.hpp"

namespace radixmender::items {

using Texts = std::span<const std::string>;

// The monospaced-digit system font at weight medium, at `scale` of the size:
// every tableau's font, whatever the line's font name and weight.
platform::UIFont tableauFont(double size, double scale = 1);
// The spacing unit of the column and division tableaux: size / 5, at least 10.
double tableauGap(double size);
// Widths of digit runs of any length, from one digit's width: the tableau
// font's digits are tabular and no two of them kern, so each digit of a run
// adds the same advance, and a run costs no more to measure than a digit.
// `count` copies of `digit` (none below 1):
double digitsWidth(const char* digit, std::int64_t count, const platform::UIFont& font);
// `prefix` followed by the place-value label of `columns` columns, the
// decimal text of 10^(columns − 1) (the prefix alone without columns):
double labelledWidth(const std::string& prefix, std::int64_t columns, const platform::UIFont& font);

// A count: a decimal integer (anything else throws), a negative one read as 0.
std::int64_t countOf(const std::string& text);
// A record's cells must be what its counts declare, so that no count can ask
// for work the record does not hold: `held` cells are `rows` rows of
// `columns` exactly, or this throws std::length_error.
void requireCells(std::size_t held, std::int64_t rows, std::int64_t columns);
// A decimal number (an optional sign, digits, a fraction, an exponent);
// anything else, or a number beyond the doubles, throws.
double numberOf(const std::string& text);
// The band of turned place-value labels over `columns` columns: room for the
// longest label whichever way it is turned (none without columns).
double labelBand(std::int64_t columns, const platform::UIFont& font);
// Entry i of a list; past its end throws.
const std::string& entryOf(Texts list, std::size_t i);
// Entry i of a list, or none past its end.
const std::string* optionalEntry(Texts list, std::size_t i);
// A row's values after its keyword.
Texts valuesOf(const Row& row);
// How many of `count` groups of `per` entries a list of `size` entries
// reaches into (its last group may be partial): the groups a drawing walks.
std::int64_t groupsReached(std::size_t size, std::int64_t per, std::int64_t count);

// The labels of `columns` digit columns, 10^(columns − 1) down to 1 from
// the left, each turned by `angle` about (x + c·pitch, y) for column c; only
// those a canvas can show are drawn (Marks::placeValues).
class Marks;
void placeValueLabels(Marks& marks, std::int64_t columns, double x, double pitch, double y, double angle,
                      const platform::UIFont& font);

// The background a cell's shade letter asks for: "G" gray, "R" light gray,
// anything else (or none) clear.
platform::UIColor shadeOf(const std::vector<std::string>& letters, std::size_t i);
// Letter i of a cell's attribute is `letter`.
bool hasLetter(const std::vector<std::string>& letters, std::size_t i, const char* letter);

inline double widthOf(const std::string& text, const platform::UIFont& font) {
    return textSize(text, font).width;
}

// The boxes of the division tableaux for a stage count already read (the
// measuring functions read it as a number, the items as an integer).
ItemBox divideBox(Texts globals, const std::string& phase, double stages, double size);
ItemBox dividePartialBox(Texts globals, const std::string& phase, double stages, double size);

struct LatticeMetrics {
    platform::UIFont cell, answer, factor;
    FontMetrics cellMetrics, answerMetrics, factorMetrics;
    double wCell = 0;     // "8⁸" in the cell font
    double lift = 0;      // what the superscript adds to "8"
    double side = 0;      // of a square cell
    double leftBand = 0;  // the answers' band left of the grid
    double eight = 0;     // "8" in the factor font
};
LatticeMetrics latticeMetrics(double size);
ItemBox latticeBox(const LatticeMetrics& m, std::int64_t rows, std::int64_t columns);

struct GridMetrics {
    platform::UIFont cell, label;
    FontMetrics cellMetrics, labelMetrics;
    double side = 0;   // of a square cell
    double wLeft = 0;  // the row labels' room
};
// `top` and `left`: the character counts of the first column and row labels.
GridMetrics gridMetrics(std::int64_t top, std::int64_t left, double size);
ItemBox gridBox(const GridMetrics& m, std::int64_t rows, std::int64_t columns);

}  // namespace radixmender::items
