// "unary": a radical sign over its operand, a pair of brackets around it, or
// a text before it.
#include <algorithm>
#include <array>
#include <string_view>

#include "engine/item_support.hpp"
#include "records/text.hpp"

namespace radixmender::items {
namespace {

constexpr std::array<std::string_view, 6> kRadicals = {"√", "√2", "√3", "√4", "√5", "√6"};
constexpr std::array<std::string_view, 9> kBracketPairs = {"()", "(]", "[]", "[)", "[[",
                                                           "]]", "][", "{}", "||"};

bool isRadical(const std::string& text) {
    return std::find(kRadicals.begin(), kRadicals.end(), text) != kRadicals.end();
}
bool isBracketPair(const std::string& text) {
    return std::find(kBracketPairs.begin(), kBracketPairs.end(), text) != kBracketPairs.end();
}

const std::string& operandStart(const Item& item) { return item.value(1, 1); }

ItemBox measureOperand(const Item& item) {
    return measureItems(item.record, operandStart(item), defaultFontName(), item.size, item.weight);
}

void drawOperand(const Item& item, double x, double y) {
    drawItems(item.record, operandStart(item), defaultFontName(), x, y, item.size, item.weight);
}

// Brackets ignore the item's font name and are sized to the operand.
platform::UIFont bracketFont(const ItemBox& operand) {
    return platform::UIFont::monospacedDigitSystemFont(1.125 * operand.height, platform::FontWeight::light);
}

}  // namespace

ItemBox measureUnary(const Item& item) {
    const std::string& text = item.value(0, 1);
    const Metric& m = item.fonts.metric;
    const ItemBox o = measureOperand(item);
    if (isRadical(text)) {
        const double s = textSize("√", item.fonts.whole).width;
        return {o.width + s, o.height + 1.25 * m.barSpace, o.ascent + m.barSpace};
    }
    if (isBracketPair(text)) {
        // An invisible pair takes no room at all; a clear one keeps its room.
        if (item.value(2, 1) == "invisible") return o;
        const std::vector<std::string> glyphs = characters(text);
        const platform::UIFont font = bracketFont(o);
        return {textSize(glyphs.front(), font).width + o.width + textSize(glyphs.back(), font).width,
                o.height, o.ascent};
    }
    return {textSize(text, item.fonts.whole).width + o.width, o.height, o.ascent};
}

void drawUnary(const Item& item, double x, double y) {
    const std::string& text = item.value(0, 1);
    const Metric& m = item.fonts.metric;
    const double hb = m.halfBarSpace;
    if (isRadical(text)) {
        const Color color = item.color(2, 1);
        const ItemBox o = measureOperand(item);
        const double s = textSize("√", item.fonts.whole).width;
        drawOperand(item, x + s, y);
        // The sign is stroked, never the glyph: bar, long stroke down, short tick up.
        if (platform::GraphicsContext* context = platform::currentContext()) {
            platform::Path path;
            const double bottom = y + (o.height - o.ascent) - hb;
            path.moveTo({x + s + o.width, y - o.ascent - hb});
            path.addLineTo({x + 0.8 * s, y - o.ascent - hb});
            path.addLineTo({x + 0.4 * s, bottom});
            path.addLineTo({x + 0.1 * s, bottom - 0.4 * o.height});
            context->addPath(path);
            context->setStrokeColor(platform::UIColor::from(color));
            context->setLineWidth(hb);
            context->setFillColor(platform::UIColor::clear());
            context->drawPath(platform::PathDrawingMode::fillStroke);
        }
        if (text != "√") {
            const platform::UIFont index = platform::UIFont::monospacedDigitSystemFont(
                item.fonts.small.pointSize, emphasizedWeight(item.weight));
            drawText(characters(text).back(), x + 0.05 * s, y - o.ascent - m.barSpace, index, color);
        }
        return;
    }
    if (isBracketPair(text)) {
        if (item.value(2, 1) == "invisible") return drawOperand(item, x, y);
        const Color color = item.color(2, 1);
        const ItemBox o = measureOperand(item);
        const std::vector<std::string> glyphs = characters(text);
        const platform::UIFont font = bracketFont(o);
        const FontMetrics bm = fontMetrics(font);
        // The glyphs' capitals start at the operand's top.
        const double g = bm.ascender - bm.capHeight;
        const double open = textSize(glyphs.front(), font).width;
        drawText(glyphs.front(), x, y - o.ascent - g, font, color);
        drawOperand(item, x + open, y);
        drawText(glyphs.back(), x + open + o.width, y - o.ascent - g, font, color);
        return;
    }
    const Color color = item.color(2, 1);
    drawOperand(item, x + textSize(text, item.fonts.whole).width, y);
    drawText(text, x, y - m.wholeAscender, item.fonts.whole, color);
}

}  // namespace radixmender::items
