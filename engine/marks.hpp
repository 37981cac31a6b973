#pragma once
// The drawing of a laid-out item as a list of marks: texts (upright or
// turned), filled polygons and stroked segments, placed relative to the
// item's origin (its left edge and its baseline). Kinds with many parts lay
// them out once while they are measured; drawing only walks the list.
// Internal to the engine.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/item_support.hpp"

namespace radixmender::items {

// A mark's colour: a colour name of the record, turned into a colour only
// when the mark is drawn (a bad name throws then, as for every kind), or a
// platform colour.
class Paint {
public:
    Paint(platform::UIColor colour) : colour_(colour) {}  // NOLINT: a colour is a paint
    // The name must outlive the paint: it is one of the record's entries.
    static Paint named(const std::string& name);
    [[nodiscard]] platform::UIColor resolve() const;

private:
    const std::string* name_ = nullptr;
    platform::UIColor colour_;
};

class Marks {
public:
    // A text with the top-left of its line box at (x, y).
    void text(std::string text, double x, double y, const platform::UIFont& font,
              Paint foreground = platform::UIColor::black(), Paint background = platform::UIColor::clear());
    // A black text that starts at (x, y), centred vertically on the line
    // through it turned by `angle` (see UniversalEngineView::drawRotatedText).
    void rotatedText(std::string text, double x, double y, double angle, const platform::UIFont& font);
    // The place-value labels of `columns` digit columns `pitch` apart: the
    // label of column c (from 0) reads 10^(columns − 1 − c) and starts at
    // (x + c·pitch, y), turned as rotatedText; `height` is a label's height
    // and `advance` a digit's. Only the labels, and the parts of them, that
    // can reach the context's visible bounds are drawn (a label that enters
    // them from afar is drawn from the zero before it enters), and their
    // texts are made only then, so any number of columns costs no more than
    // the canvas can show, whatever the context's transform; one that
    // flattens the plane shows none. Without visible bounds every label is
    // drawn whole.
    void placeValues(std::int64_t columns, double x, double pitch, double y, double angle,
                     const platform::UIFont& font, double height, double advance);
    // A filled polygon (non-zero winding), drawn only into a context.
    void fill(std::vector<platform::Point> corners, Paint colour);
    // One segment as the engine's lines are drawn (filled and stroked in one colour).
    void line(double x1, double y1, double x2, double y2, Paint colour, double width = 2.5);
    // Segments given as pairs of ends, stroked in black as one path.
    void segments(std::vector<platform::Point> ends, double width);

    [[nodiscard]] bool empty() const { return marks_.empty(); }
    // Draws every mark moved by (x, y) into the current context; the colours
    // are read even without one.
    void draw(double x, double y) const;

private:
    struct Mark {
        enum class Kind { text, rotatedText, placeValues, fill, line, segments };
        Kind kind = Kind::text;
        std::string text;
        platform::UIFont font;
        Paint foreground = platform::UIColor::black();
        Paint background = platform::UIColor::clear();
        std::vector<platform::Point> points;
        double value = 0;          // a turned text's angle, a stroke's width
        double height = 0;         // a turned text's height
        std::int64_t columns = 0;  // place values: how many columns
        double pitch = 0;          // place values: from one column to the next
        double advance = 0;        // place values: a digit's advance
    };
    std::vector<Mark> marks_;
};

// A measured item that draws its marks.
class MarksNode : public ItemNode {
public:
    MarksNode(const Item& from, const ItemBox& measured) : ItemNode(from, measured) {}
    void draw(double x, double y) const override { marks.draw(x, y); }
    Marks marks;
};

// The node of an item measured as `box`, its marks laid out by `layOut`
// only when the line will be drawn.
template <class LayOut>
Node laidOut(const Item& item, const ItemBox& box, const Measurer& measurer, LayOut layOut) {
    auto node = std::make_unique<MarksNode>(item, box);
    if (measurer.drawing()) layOut(node->marks);
    return node;
}

}  // namespace radixmender::items
