// "integer", "rational" and "signed_rational": numbers drawn exactly as their
// texts are stored, the rationals small over a bar on the line's axis.
#include <algorithm>

#include "engine/item_support.hpp"
#include "engine/text_drawing.hpp"

namespace radixmender::items {
namespace {

class IntegerNode : public ItemNode {
public:
    using ItemNode::ItemNode;
    void draw(double x, double y) const override {
        const Color color = item.color(1, 1);
        drawText(item.value(0, 1), x, y - item.metric().wholeAscender, item.fonts->whole, color);
    }
};

// Both rational kinds: an optional "-" (of width `sign`), then numerator and
// denominator in the fraction font centred over a bar on the line's axis.
class FractionNode : public ItemNode {
public:
    FractionNode(const Item& from, std::size_t first, double sign, double numeratorWidth,
                 double denominatorWidth)
        : ItemNode(from, boxOf(from, sign + std::max(numeratorWidth, denominatorWidth))),
          first_(first),
          sign_(sign),
          wN_(numeratorWidth),
          wD_(denominatorWidth) {}

    void draw(double x, double y) const override {
        const Metric& m = item.metric();
        if (sign_ > 0) {
            const Color color = item.color(1, 1);
            drawText("-", x, y - m.fracAscender - m.wholeHalfXHeight, item.fonts->whole, color);
        }
        drawFraction(x + sign_, y);
    }

private:
    // The box reaches as far above the numerator's capitals and below the
    // denominator's baseline as a whole line does above its capitals and below
    // its baseline.
    static ItemBox boxOf(const Item& of, double width) {
        const Metric& m = of.metric();
        return {width, m.fracHeight + m.wholeLineHeight - m.wholeCapHeight,
                m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace + m.wholeAscender - m.wholeCapHeight};
    }

    void drawFraction(double x, double y) const {
        const Metric& m = item.metric();
        const std::string& numerator = item.value(0, first_);
        const std::string& denominator = item.value(0, first_ + 1);
        const Color numeratorColor = item.color(1, 2);
        const Color denominatorColor = item.color(1, 3);
        const Color barColor = item.color(1, 4);
        const double w = std::max(wN_, wD_);
        const double top = y - (m.fracAscender + m.wholeHalfXHeight + m.halfBarSpace);
        drawText(numerator, x + (w - wN_) / 2, top, item.fonts->fraction, numeratorColor);
        drawText(denominator, x + (w - wD_) / 2, top + m.barSpace + m.fracCapHeight, item.fonts->fraction,
                 denominatorColor);
        if (platform::GraphicsContext* context = platform::currentContext())
            drawLine(*context, platform::UIColor::from(barColor), x, y - m.wholeHalfXHeight, x + w,
                     y - m.wholeHalfXHeight, m.halfBarSpace);
    }

    const std::size_t first_;  // the kind row's index of the numerator
    const double sign_, wN_, wD_;
};

Node measureFraction(const Item& item, std::size_t first, double sign) {
    return std::make_unique<FractionNode>(item, first, sign,
                                          textSize(item.value(0, first), item.fonts->fraction).width,
                                          textSize(item.value(0, first + 1), item.fonts->fraction).width);
}

}  // namespace

Node measureInteger(const Item& item, Measurer& /*measurer*/) {
    const Metric& m = item.metric();
    // One whole line high whatever the digits, so integers share a baseline box.
    return std::make_unique<IntegerNode>(item, ItemBox{textSize(item.value(0, 1), item.fonts->whole).width,
                                                       m.wholeLineHeight, m.wholeAscender});
}

Node measureRational(const Item& item, Measurer& /*measurer*/) { return measureFraction(item, 1, 0); }

Node measureSignedRational(const Item& item, Measurer& /*measurer*/) {
    // Only "-" is shown; "+" or any other sign takes no room.
    const double sign = item.value(0, 1) == "-" ? textSize("-", item.fonts->whole).width : 0;
    return measureFraction(item, 2, sign);
}

}  // namespace radixmender::items
