// "message": a text on the line's baseline, its middle at the middle of a
// whole line even when the text is taller (emoji) or shorter.
#include "engine/item_support.hpp"

namespace radixmender::items {
namespace {

class MessageNode : public ItemNode {
public:
    using ItemNode::ItemNode;
    void draw(double x, double y) const override {
        const Metric& m = item.metric();
        const Color color = item.color(1, 1);
        drawText(item.value(0, 1), x, y - m.wholeAscender - box.height / 2 + m.wholeLineHeight / 2,
                 item.fonts->whole, color);
    }
};

}  // namespace

Node measureMessage(const Item& item, Measurer& /*measurer*/) {
    const Metric& m = item.metric();
    const platform::Size s = textSize(item.value(0, 1), item.fonts->whole);
    return std::make_unique<MessageNode>(
        item, ItemBox{s.width, s.height, m.wholeAscender + s.height / 2 - m.wholeLineHeight / 2});
}

}  // namespace radixmender::items
