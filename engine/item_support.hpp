#pragma once
// What the item kinds share: the fonts and metric of one size, checked
// reading of rows, colours and operand indices, and text drawing into the
// current context. Internal to the engine.
#include <cstddef>
#include <string>

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

// The whole, fraction and small fonts of one family, size and weight, and
// the metric the kinds lay out with.
struct EngineFonts {
    platform::UIFont whole;
    platform::UIFont fraction;
    platform::UIFont small;
    Metric metric;
};

EngineFonts makeEngineFonts(const std::string& fontName, double size, double weight);

// One entry of `measureItems` or `drawItems`: the record, the item's kind row
// and the arguments it was entered with.
struct Item {
    const Record& record;
    std::size_t k;
    const std::string& fontName;
    double size;
    double weight;
    const EngineFonts& fonts;

    [[nodiscard]] const Row& row(std::size_t offset = 0) const;
    [[nodiscard]] const std::string& value(std::size_t offset, std::size_t index) const;
    // The colour name at `slot` of the row `offset` below the kind row; an unknown name throws.
    [[nodiscard]] Color color(std::size_t offset, std::size_t slot) const;
};

// A decimal row index; anything else throws.
std::size_t rowIndex(const std::string& text);

// Draws a text with its line box's top-left at (x, y) when there is a current context.
void drawText(const std::string& text, double x, double y, const platform::UIFont& font, Color color);

// The kinds.
ItemBox measureUnary(const Item& item);
void drawUnary(const Item& item, double x, double y);
ItemBox measureJoin(const Item& item);
void drawJoin(const Item& item, double x, double y);
ItemBox measureInteger(const Item& item);
void drawInteger(const Item& item, double x, double y);
ItemBox measureRational(const Item& item);
void drawRational(const Item& item, double x, double y);
ItemBox measureSignedRational(const Item& item);
void drawSignedRational(const Item& item, double x, double y);
ItemBox measureMessage(const Item& item);
void drawMessage(const Item& item, double x, double y);

}  // namespace radixmender::items
