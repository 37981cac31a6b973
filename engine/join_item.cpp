// "join": two operands side by side ("🖇"), around an operator, as base and
// exponent ("^") or as numerator over denominator ("/").
#include <algorithm>
#include <array>
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

// "🖇" and the operators, whose operands may be absent.
bool isSideBySide(const std::string& text) { return text == text::kPaperclip || isOperator(text); }

std::string padded(const std::string& op) { return " " + op + " "; }

ItemBox boxOf(const Node& node) { return node ? node->box : ItemBox{}; }

class SideBySideNode : public ItemNode {
public:
    SideBySideNode(const Item& from, const ItemBox& measured, Node left, Node right, double op)
        : ItemNode(from, measured), left_(std::move(left)), right_(std::move(right)), op_(op) {}
    void draw(double x, double y) const override {
        const std::string& text = item.value(0, 1);
        const bool paperclip = text == text::kPaperclip;
        // "🖇" never reads its colour row.
        const Color color = paperclip ? Color::clear : item.color(2, 1);
        const double wL = boxOf(left_).width;
        if (left_) left_->draw(x, y);
        if (right_) right_->draw(x + wL + op_, y);
        if (!paperclip)
            drawText(padded(text), x + wL, y - item.metric().wholeAscender, item.fonts->whole, color);
    }

private:
    const Node left_, right_;  // none for an absent ("BLANK") side
    const double op_;          // the padded operator's width; 0 for "🖇"
};

class PowerNode : public ItemNode {
public:
    PowerNode(const Item& from, const ItemBox& measured, Node base, Node exponent, Node drawnExponent,
              double rise)
        : ItemNode(from, measured),
          base_(std::move(base)),
          exponent_(std::move(exponent)),
          drawnExponent_(std::move(drawnExponent)),
          rise_(rise) {}
    void draw(double x, double y) const override {
        const ItemBox& b = base_->box;
        const ItemBox& e = exponent_->box;
        base_->draw(x, y);
        (drawnExponent_ ? drawnExponent_ : exponent_)
            ->draw(x + b.width, y - b.ascent + rise_ - e.height + e.ascent);
    }

private:
    const Node base_;
    // The exponent is measured at the item's weight, which gives its room, and
    // drawn at the emphasized weight, laid out at that weight.
    const Node exponent_, drawnExponent_;  // no drawn one when the weights agree
    const double rise_;
};

class FractionNode : public ItemNode {
public:
    FractionNode(const Item& from, const ItemBox& measured, Node numerator, Node denominator)
        : ItemNode(from, measured), numerator_(std::move(numerator)), denominator_(std::move(denominator)) {}
    void draw(double x, double y) const override {
        const Metric& m = item.metric();
        const Color color = item.color(2, 1);
        const ItemBox& n = numerator_->box;
        const ItemBox& d = denominator_->box;
        const double w = std::max(n.width, d.width);
        const double hb = m.halfBarSpace;
        numerator_->draw(x + (w - n.width) / 2, y - (m.wholeHalfXHeight + n.height - n.ascent + hb));
        denominator_->draw(x + (w - d.width) / 2, y + (d.ascent - m.wholeHalfXHeight + hb));
        if (platform::GraphicsContext* context = platform::currentContext())
            drawLine(*context, platform::UIColor::from(color), x, y - m.wholeHalfXHeight, x + w,
                     y - m.wholeHalfXHeight, hb);
    }

private:
    const Node numerator_, denominator_;
};

Node measureSideBySide(const Item& item, Measurer& measurer, const std::string& text) {
    // Only "🖇" hands its family on; operators return to the default.
    const bool paperclip = text == text::kPaperclip;
    const platform::FontFamily family = paperclip ? item.family() : kDefaultFamily;
    const auto side = [&](std::size_t slot) -> Node {
        const std::string& start = item.value(1, slot);
        return start == kBlank ? nullptr : measurer.operand(item, start, family, item.size(), item.weight());
    };
    Node left = side(1);
    Node right = side(2);
    const ItemBox l = boxOf(left), r = boxOf(right);
    const double o = paperclip ? 0 : textSize(padded(text), item.fonts->whole).width;
    const double ascent = std::max(l.ascent, r.ascent);
    const double descent = std::max(l.height - l.ascent, r.height - r.ascent);
    return std::make_unique<SideBySideNode>(item, ItemBox{l.width + o + r.width, ascent + descent, ascent},
                                            std::move(left), std::move(right), o);
}

Node measurePower(const Item& item, Measurer& measurer) {
    const Metric& m = item.metric();
    const std::string& exponentStart = item.value(1, 2);
    const double small = item.fonts->small.pointSize;
    const double weight = item.weight(), drawnWeight = emphasizedWeight(weight);
    Node base = measurer.operand(item, item.value(1, 1), kDefaultFamily, item.size(), weight);
    const bool apart = measurer.drawing() && drawnWeight != weight;
    Node exponent = measurer.operand(item, exponentStart, kDefaultFamily, small, weight, !apart);
    Node drawn = apart ? measurer.operand(item, exponentStart, kDefaultFamily, small, drawnWeight) : nullptr;
    const ItemBox b = base->box, e = exponent->box;
    const double rise = m.wholeAscender - m.wholeXHeight - fontMetrics(item.fonts->small).descender;
    const ItemBox box{b.width + e.width, b.height + e.height - rise, b.ascent + e.height - rise};
    return std::make_unique<PowerNode>(item, box, std::move(base), std::move(exponent), std::move(drawn),
                                       rise);
}

Node measureFraction(const Item& item, Measurer& measurer) {
    const Metric& m = item.metric();
    Node numerator = measurer.operand(item, item.value(1, 1), kDefaultFamily, item.size(), item.weight());
    Node denominator = measurer.operand(item, item.value(1, 2), kDefaultFamily, item.size(), item.weight());
    const ItemBox n = numerator->box, d = denominator->box;
    const ItemBox box{std::max(n.width, d.width), n.height + d.height + m.barSpace,
                      n.height + m.wholeHalfXHeight + m.halfBarSpace};
    return std::make_unique<FractionNode>(item, box, std::move(numerator), std::move(denominator));
}

}  // namespace

void joinOperands(const Item& item, Starts& starts) {
    const std::string& text = item.value(0, 1);
    const bool sideBySide = isSideBySide(text);
    if (!sideBySide && text != text::kCaret && text != text::kSlash) return;
    for (const std::size_t slot : {1, 2}) {
        const std::string& start = item.value(1, slot);
        if (!sideBySide || start != kBlank) starts.push_back(&start);
    }
}

Node measureJoin(const Item& item, Measurer& measurer) {
    const std::string& text = item.value(0, 1);
    if (isSideBySide(text)) return measureSideBySide(item, measurer, text);
    if (text == text::kCaret) return measurePower(item, measurer);
    if (text == text::kSlash) return measureFraction(item, measurer);
    // Any other text takes no room, and its operands are not visited.
    return emptyNode(item);
}

}  // namespace radixmender::items
