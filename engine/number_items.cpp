// "integer", "rational" and "signed_rational": numbers drawn exactly as their
// texts are stored, the rationals small over a bar on the line's axis.
#include <algorithm>

#include "engine/item_support.hpp"
#include "engine/text_drawing.hpp"

namespace radixmender::items {
namespace {

// The fraction's box, shared by both rational kinds: it reaches as far above
// the numerator's capitals and below the denominator's baseline as a whole
// line does above its capitals and below its baseline.
ItemBox fractionBox(const Item& item, double width) {
    const Metric& m = item.fonts.metric;
    return {width, m.fracHeight + m.wholeLineHeight - m.wholeCapHeight,
            m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace + m.wholeAscender - m.wholeCapHeight};
}

// Numerator, denominator and bar of a fraction starting at x; `first` is the
// kind row's index of the numerator.
void drawFraction(const Item& item, double x, double y, std::size_t first) {
    const Metric& m = item.fonts.metric;
    const std::string& numerator = item.value(0, first);
    const std::string& denominator = item.value(0, first + 1);
    const Color numeratorColor = item.color(1, 2);
    const Color denominatorColor = item.color(1, 3);
    const Color barColor = item.color(1, 4);
    const double wN = textSize(numerator, item.fonts.fraction).width;
    const double wD = textSize(denominator, item.fonts.fraction).width;
    const double w = std::max(wN, wD);
    const double top = y - (m.fracAscender + m.wholeHalfXHeight + m.halfBarSpace);
    drawText(numerator, x + (w - wN) / 2, top, item.fonts.fraction, numeratorColor);
    drawText(denominator, x + (w - wD) / 2, top + m.barSpace + m.fracCapHeight, item.fonts.fraction,
             denominatorColor);
    if (platform::GraphicsContext* context = platform::currentContext())
        drawLine(*context, platform::UIColor::from(barColor), x, y - m.wholeHalfXHeight, x + w,
                 y - m.wholeHalfXHeight, m.halfBarSpace);
}

double fractionWidth(const Item& item, std::size_t first) {
    return std::max(textSize(item.value(0, first), item.fonts.fraction).width,
                    textSize(item.value(0, first + 1), item.fonts.fraction).width);
}

double signWidth(const Item& item) {
    return item.value(0, 1) == "-" ? textSize("-", item.fonts.whole).width : 0;
}

}  // namespace

ItemBox measureInteger(const Item& item) {
    const Metric& m = item.fonts.metric;
    // One whole line high whatever the digits, so integers share a baseline box.
    return {textSize(item.value(0, 1), item.fonts.whole).width, m.wholeLineHeight, m.wholeAscender};
}

void drawInteger(const Item& item, double x, double y) {
    const Color color = item.color(1, 1);
    drawText(item.value(0, 1), x, y - item.fonts.metric.wholeAscender, item.fonts.whole, color);
}

ItemBox measureRational(const Item& item) { return fractionBox(item, fractionWidth(item, 1)); }

void drawRational(const Item& item, double x, double y) { drawFraction(item, x, y, 1); }

ItemBox measureSignedRational(const Item& item) {
    return fractionBox(item, signWidth(item) + fractionWidth(item, 2));
}

void drawSignedRational(const Item& item, double x, double y) {
    const Metric& m = item.fonts.metric;
    const double s = signWidth(item);
    if (s > 0) {
        const Color color = item.color(1, 1);
        drawText("-", x, y - m.fracAscender - m.wholeHalfXHeight, item.fonts.whole, color);
    }
    drawFraction(item, x + s, y, 2);
}

}  // namespace radixmender::items
