#pragma once
// What the item kinds share: the fonts and metric of one size, checked
// reading of rows and colours, the measured node that every kind builds, and
// the measurer that builds operands' nodes. Internal to the engine.
//
// A line is measured once into a tree of nodes; drawing walks the tree and
// never measures an operand again. A kind is two functions in the kind table
// (items.cpp): `operands` names the locator values it follows, so the line can
// be checked before anything is measured, and `measure` builds its node,
// asking the measurer for its operands' nodes and keeping whatever its drawing
// needs. Colours are read only when drawing, as measuring never looks at them.
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "engine/items.hpp"
#include "engine/text_measure.hpp"
#include "platform/color.hpp"
#include "platform/font.hpp"
#include "platform/graphics_context.hpp"
#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender::items {

inline constexpr char kMonospacedSystemName[] = "monospaced system";
inline constexpr char kNilMessage[] = "Unexpectedly found nil while unwrapping an Optional value";
inline constexpr platform::FontFamily kDefaultFamily = platform::FontFamily::monospacedDigitSystem;

// The family a font name stands for: "monospaced system" names the monospaced
// system font, any other name the monospaced-digit one.
platform::FontFamily familyOf(const std::string& fontName);

// The whole, fraction and small fonts of one family, size and weight, and
// the metric the kinds lay out with.
struct EngineFonts {
    platform::UIFont whole;
    platform::UIFont fraction;
    platform::UIFont small;
    Metric metric;
};

EngineFonts makeEngineFonts(platform::FontFamily family, double size, double weight);

// An item as its kind reads it: the record, the item's kind row and the fonts
// of its family, size and weight (none while the line is being checked).
struct Item {
    const Record* record = nullptr;
    std::size_t k = 0;
    const EngineFonts* fonts = nullptr;

    [[nodiscard]] const Row& row(std::size_t offset = 0) const;
    [[nodiscard]] const std::string& value(std::size_t offset, std::size_t index) const;
    // The colour name at `slot` of the row `offset` below the kind row; an unknown name throws.
    [[nodiscard]] Color color(std::size_t offset, std::size_t slot) const;
    [[nodiscard]] platform::FontFamily family() const { return fonts->whole.family; }
    [[nodiscard]] double size() const { return fonts->whole.pointSize; }
    [[nodiscard]] double weight() const { return fonts->whole.weight; }
    [[nodiscard]] const Metric& metric() const { return fonts->metric; }
};

// A measured item: its box and what its drawing needs. The node refers to
// the record and to fonts that its tree owns.
class ItemNode {
public:
    ItemNode(const Item& from, const ItemBox& measured) : item(from), box(measured) {}
    virtual ~ItemNode() = default;
    ItemNode(const ItemNode&) = delete;
    ItemNode& operator=(const ItemNode&) = delete;

    // Draws the item with its box's left edge at x and its baseline at y into
    // the current context (texts and strokes are skipped without one, but the
    // colours are read either way, so a bad colour throws either way).
    virtual void draw(double x, double y) const = 0;

    const Item item;
    const ItemBox box;
};

using Node = std::unique_ptr<const ItemNode>;

// A node that takes no room and draws nothing.
Node emptyNode(const Item& item);

// The operand starts a kind follows, as locator values; "BLANK" sides are left out.
using Starts = std::vector<const std::string*>;

// Builds the nodes of one checked line. The fonts of each family, size and
// weight are made once and live as long as the measurer.
class Measurer {
public:
    // `owners[r]` is the kind row whose locator named row r (the line check's result).
    Measurer(const Record& record, std::vector<std::size_t> owners, bool drawing);

    // The node of the item at row k.
    Node measure(std::size_t k, platform::FontFamily family, double size, double weight);
    // The node of one of `parent`'s operands; `start` must be one of the
    // locator values that its kind's `operands` names. A node that is only
    // measured (`drawn` false) builds nothing for drawing below it.
    Node operand(const Item& parent, const std::string& start, platform::FontFamily family, double size,
                 double weight, bool drawn = true);
    // Whether the nodes will be drawn, or only their boxes read.
    [[nodiscard]] bool drawing() const { return drawing_; }

private:
    const EngineFonts& fonts(platform::FontFamily family, double size, double weight);

    const Record& record_;
    std::vector<std::size_t> owners_;
    std::deque<EngineFonts> fonts_;
    bool drawing_;
};

// A decimal row index; anything else throws.
std::size_t rowIndex(const std::string& text);

// Draws a text with its line box's top-left at (x, y) when there is a current context.
void drawText(const std::string& text, double x, double y, const platform::UIFont& font, Color color);

// The kinds.
void unaryOperands(const Item& item, Starts& starts);
Node measureUnary(const Item& item, Measurer& measurer);
void joinOperands(const Item& item, Starts& starts);
Node measureJoin(const Item& item, Measurer& measurer);
Node measureInteger(const Item& item, Measurer& measurer);
Node measureRational(const Item& item, Measurer& measurer);
Node measureSignedRational(const Item& item, Measurer& measurer);
Node measureMessage(const Item& item, Measurer& measurer);
Node measureWhole(const Item& item, Measurer& measurer);
Node measureFractionNumber(const Item& item, Measurer& measurer);
Node measureMixedNumber(const Item& item, Measurer& measurer);
Node measureExtendedFraction(const Item& item, Measurer& measurer);
Node measureCancel(const Item& item, Measurer& measurer);
Node measureBlock(const Item& item, Measurer& measurer);
Node measureBoxGrid(const Item& item, Measurer& measurer);
Node measureBoxTable(const Item& item, Measurer& measurer);
Node measurePlugIn(const Item& item, Measurer& measurer);
// The "plug_in" sub-kinds.
Node measureLatticeMultiply(const Item& item, Measurer& measurer);
Node measureGridMultiply(const Item& item, Measurer& measurer);
Node measureTableauOp(const Item& item, Measurer& measurer);
Node measureDividePartialOp(const Item& item, Measurer& measurer);
Node measureDivideOp(const Item& item, Measurer& measurer);
Node measureAddColumn(const Item& item, Measurer& measurer);
Node measureCountOp(const Item& item, Measurer& measurer);
Node measurePrimeTree(const Item& item, Measurer& measurer);

}  // namespace radixmender::items
