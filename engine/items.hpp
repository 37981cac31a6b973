#pragma once
// Measuring and drawing the items of a step record. An item's box is
// (width, height, ascent), the ascent running from the box's top down to its
// baseline; an item is drawn by its left edge and its baseline.
#include <memory>
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

// The item whose kind row is `start` (a decimal row index), measured once at
// one font, size and weight into a tree of boxes that drawing only walks.
// The record must be a tree: every locator names an earlier row that no other
// locator names, at most 256 items deep. Any other record, or one whose rows
// cannot be read, throws when the tree is made; colours are read, and a bad
// one throws, only when it is drawn. The tree refers to the record, which
// must outlive it.
class ItemTree {
public:
    // A tree made `forDrawing` can be drawn; one made only for its box cannot.
    ItemTree(const Record& record, const std::string& start, const std::string& fontName, double size,
             double weight, bool forDrawing);
    ~ItemTree();
    ItemTree(const ItemTree&) = delete;
    ItemTree& operator=(const ItemTree&) = delete;

    [[nodiscard]] ItemBox box() const;
    // Draws the item with its left edge at x and its baseline at y into the
    // current graphics context (texts and strokes are skipped without one, but
    // the colours are still read, so a bad colour throws either way).
    void draw(double x, double y) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The box of the item whose kind row is `start` (a decimal row index). An
// unknown kind is an empty box. A malformed record, or one that is no tree
// (see ItemTree), throws.
ItemBox measureItems(const Record& record, const std::string& start, const std::string& fontName, double size,
                     double weight);

// Draws the item into the current graphics context (texts and strokes are
// skipped without one, but the record is still read, so a malformed record
// throws either way).
void drawItems(const Record& record, const std::string& start, const std::string& fontName, double x,
               double y, double size, double weight);

}  // namespace radixmender
