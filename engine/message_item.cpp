// "message": a text on the line's baseline, its middle at the middle of a
// whole line even when the text is taller (emoji) or shorter.
#include "engine/item_support.hpp"

namespace radixmender::items {

ItemBox measureMessage(const Item& item) {
    const Metric& m = item.fonts.metric;
    const platform::Size s = textSize(item.value(0, 1), item.fonts.whole);
    return {s.width, s.height, m.wholeAscender + s.height / 2 - m.wholeLineHeight / 2};
}

void drawMessage(const Item& item, double x, double y) {
    const Metric& m = item.fonts.metric;
    const std::string& text = item.value(0, 1);
    const Color color = item.color(1, 1);
    const double h = textSize(text, item.fonts.whole).height;
    drawText(text, x, y - m.wholeAscender - h / 2 + m.wholeLineHeight / 2, item.fonts.whole, color);
}

}  // namespace radixmender::items
