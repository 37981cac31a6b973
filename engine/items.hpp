#pragma once
// Measuring and drawing the items of a step record. An item's box is
// (width, height, ascent), the ascent running from the box's top down to its
// baseline; an item is drawn by its left edge and its baseline.
#include <string>

#include "records/types.hpp"

namespace radixmender {

struct ItemBox {
    double width = 0, height = 0, ascent = 0;
    bool operator==(const ItemBox&) const = default;
};

// The font name of every line: the monospaced-digit system font.
std::string defaultFontName();

// Light becomes medium, medium heavy, heavy bold; any other weight stays.
double emphasizedWeight(double weight);

// The box of the item whose kind row is `start` (a decimal row index). An
// unknown kind is an empty box. A malformed record throws.
ItemBox measureItems(const Record& record, const std::string& start, const std::string& fontName, double size,
                     double weight);

// Draws the item into the current graphics context (texts and strokes are
// skipped without one, but the record is still read, so a malformed record
// throws either way).
void drawItems(const Record& record, const std::string& start, const std::string& fontName, double x,
               double y, double size, double weight);

}  // namespace radixmender
