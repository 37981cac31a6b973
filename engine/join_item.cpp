// "join": two operands side by side ("🖇"), around an operator, as base and
// exponent ("^") or as numerator over denominator ("/").
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "engine/item_support.hpp"
#include "engine/text_drawing.hpp"
#include "records/literals.hpp"

namespace radixmender::items {
namespace {

constexpr std::array<std::string_view, 13> kOperators = {"+", "−", "×", "÷", "=", "<", ">",
                                                         "≤", "≥", "➩", "∙", "±", "?"};
constexpr std::string_view kBlank = "BLANK";

bool isOperator(const std::string& text) {
    return std::find(kOperators.begin(), kOperators.end(), text) != kOperators.end();
}

struct Operand {
    std::optional<std::string> start;  // none for an absent ("BLANK") operand
    ItemBox box;
};

// The operands of "🖇" and the operators, which may be absent.
Operand sideOperand(const Item& item, std::size_t slot, const std::string& fontName) {
    const std::string& start = item.value(1, slot);
    if (start == kBlank) return {};
    return {start, measureItems(item.record, start, fontName, item.size, item.weight)};
}

std::string padded(const std::string& op) { return " " + op + " "; }

}  // namespace

ItemBox measureJoin(const Item& item) {
    const std::string& text = item.value(0, 1);
    const Metric& m = item.fonts.metric;
    const bool paperclip = text == text::kPaperclip;
    if (paperclip || isOperator(text)) {
        // Only "🖇" hands its font name on; operators return to the default.
        const std::string& name = paperclip ? item.fontName : defaultFontName();
        const Operand l = sideOperand(item, 1, name);
        const Operand r = sideOperand(item, 2, name);
        const double o = paperclip ? 0 : textSize(padded(text), item.fonts.whole).width;
        const double ascent = std::max(l.box.ascent, r.box.ascent);
        const double descent = std::max(l.box.height - l.box.ascent, r.box.height - r.box.ascent);
        return {l.box.width + o + r.box.width, ascent + descent, ascent};
    }
    if (text == text::kCaret) {
        const ItemBox b =
            measureItems(item.record, item.value(1, 1), defaultFontName(), item.size, item.weight);
        const ItemBox e = measureItems(item.record, item.value(1, 2), defaultFontName(),
                                       item.fonts.small.pointSize, item.weight);
        const double rise = m.wholeAscender - m.wholeXHeight - fontMetrics(item.fonts.small).descender;
        return {b.width + e.width, b.height + e.height - rise, b.ascent + e.height - rise};
    }
    if (text == text::kSlash) {
        const ItemBox n =
            measureItems(item.record, item.value(1, 1), defaultFontName(), item.size, item.weight);
        const ItemBox d =
            measureItems(item.record, item.value(1, 2), defaultFontName(), item.size, item.weight);
        return {std::max(n.width, d.width), n.height + d.height + m.barSpace,
                n.height + m.wholeHalfXHeight + m.halfBarSpace};
    }
    return {};
}

void drawJoin(const Item& item, double x, double y) {
    const std::string& text = item.value(0, 1);
    const Metric& m = item.fonts.metric;
    const bool paperclip = text == text::kPaperclip;
    if (paperclip || isOperator(text)) {
        const std::string& name = paperclip ? item.fontName : defaultFontName();
        // "🖇" never reads its colour row.
        const Color color = paperclip ? Color::clear : item.color(2, 1);
        // Only the left operand's width places anything, so the right one is not measured.
        const Operand l = sideOperand(item, 1, name);
        const std::string& right = item.value(1, 2);
        const double o = paperclip ? 0 : textSize(padded(text), item.fonts.whole).width;
        if (l.start) drawItems(item.record, *l.start, name, x, y, item.size, item.weight);
        if (right != kBlank)
            drawItems(item.record, right, name, x + l.box.width + o, y, item.size, item.weight);
        if (!paperclip) drawText(padded(text), x + l.box.width, y - m.wholeAscender, item.fonts.whole, color);
        return;
    }
    if (text == text::kCaret) {
        const std::string& base = item.value(1, 1);
        const std::string& exponent = item.value(1, 2);
        const double small = item.fonts.small.pointSize;
        const ItemBox b = measureItems(item.record, base, defaultFontName(), item.size, item.weight);
        const ItemBox e = measureItems(item.record, exponent, defaultFontName(), small, item.weight);
        const double rise = m.wholeAscender - m.wholeXHeight - fontMetrics(item.fonts.small).descender;
        drawItems(item.record, base, defaultFontName(), x, y, item.size, item.weight);
        drawItems(item.record, exponent, defaultFontName(), x + b.width,
                  y - b.ascent + rise - e.height + e.ascent, small, emphasizedWeight(item.weight));
        return;
    }
    if (text == text::kSlash) {
        const Color color = item.color(2, 1);
        const std::string& numerator = item.value(1, 1);
        const std::string& denominator = item.value(1, 2);
        const ItemBox n = measureItems(item.record, numerator, defaultFontName(), item.size, item.weight);
        const ItemBox d = measureItems(item.record, denominator, defaultFontName(), item.size, item.weight);
        const double w = std::max(n.width, d.width);
        const double hb = m.halfBarSpace;
        drawItems(item.record, numerator, defaultFontName(), x + (w - n.width) / 2,
                  y - (m.wholeHalfXHeight + n.height - n.ascent + hb), item.size, item.weight);
        drawItems(item.record, denominator, defaultFontName(), x + (w - d.width) / 2,
                  y + (d.ascent - m.wholeHalfXHeight + hb), item.size, item.weight);
        if (platform::GraphicsContext* context = platform::currentContext())
            drawLine(*context, platform::UIColor::from(color), x, y - m.wholeHalfXHeight, x + w,
                     y - m.wholeHalfXHeight, hb);
    }
}

}  // namespace radixmender::items
