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

// Brackets ignore the item's font name and are sized to the operand.
platform::UIFont bracketFont(const ItemBox& operand) {
    return platform::UIFont::monospacedDigitSystemFont(1.125 * operand.height, platform::FontWeight::light);
}

// The operand, in the default family, and the width before it.
class UnaryNode : public ItemNode {
public:
    UnaryNode(const Item& from, const ItemBox& measured, Node operand, double lead)
        : ItemNode(from, measured), operand_(std::move(operand)), lead_(lead) {}

protected:
    const Node operand_;
    const double lead_;  // the radical sign's, the opening bracket's or the prefix's width
};

class RadicalNode : public UnaryNode {
public:
    using UnaryNode::UnaryNode;
    void draw(double x, double y) const override {
        const std::string& text = item.value(0, 1);
        const Metric& m = item.metric();
        const double hb = m.halfBarSpace;
        const Color color = item.color(2, 1);
        const ItemBox& o = operand_->box;
        const double s = lead_;
        operand_->draw(x + s, y);
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
                item.fonts->small.pointSize, emphasizedWeight(item.weight()));
            drawText(characters(text).back(), x + 0.05 * s, y - o.ascent - m.barSpace, index, color);
        }
    }
};

class BracketNode : public UnaryNode {
public:
    using UnaryNode::UnaryNode;
    void draw(double x, double y) const override {
        const Color color = item.color(2, 1);
        const ItemBox& o = operand_->box;
        const std::vector<std::string> glyphs = characters(item.value(0, 1));
        const platform::UIFont font = bracketFont(o);
        const FontMetrics bm = fontMetrics(font);
        // The glyphs' capitals start at the operand's top.
        const double g = bm.ascender - bm.capHeight;
        drawText(glyphs.front(), x, y - o.ascent - g, font, color);
        operand_->draw(x + lead_, y);
        drawText(glyphs.back(), x + lead_ + o.width, y - o.ascent - g, font, color);
    }
};

class PrefixNode : public UnaryNode {
public:
    using UnaryNode::UnaryNode;
    void draw(double x, double y) const override {
        const Color color = item.color(2, 1);
        operand_->draw(x + lead_, y);
        drawText(item.value(0, 1), x, y - item.metric().wholeAscender, item.fonts->whole, color);
    }
};

}  // namespace

void unaryOperands(const Item& item, Starts& starts) { starts.push_back(&item.value(1, 1)); }

Node measureUnary(const Item& item, Measurer& measurer) {
    const std::string& text = item.value(0, 1);
    const Metric& m = item.metric();
    Node operand = measurer.operand(item, item.value(1, 1), kDefaultFamily, item.size(), item.weight());
    const ItemBox o = operand->box;
    if (isRadical(text)) {
        const double s = textSize("√", item.fonts->whole).width;
        const ItemBox box{o.width + s, o.height + 1.25 * m.barSpace, o.ascent + m.barSpace};
        return std::make_unique<RadicalNode>(item, box, std::move(operand), s);
    }
    if (isBracketPair(text)) {
        // An invisible pair is its operand: no room, no glyphs. A clear one keeps its room.
        if (item.value(2, 1) == "invisible") return operand;
        const std::vector<std::string> glyphs = characters(text);
        const platform::UIFont font = bracketFont(o);
        const double open = textSize(glyphs.front(), font).width;
        const ItemBox box{open + o.width + textSize(glyphs.back(), font).width, o.height, o.ascent};
        return std::make_unique<BracketNode>(item, box, std::move(operand), open);
    }
    const double prefix = textSize(text, item.fonts->whole).width;
    return std::make_unique<PrefixNode>(item, ItemBox{prefix + o.width, o.height, o.ascent},
                                        std::move(operand), prefix);
}

}  // namespace radixmender::items
