#include "platform/label.hpp"

#include <algorithm>

#include "platform/graphics_context.hpp"
#include "records/text.hpp"

namespace platform {

namespace {
// UIKit will not shrink a text below this size, however long it is.
constexpr double kSmallestFontSize = 1.0;
constexpr char kEllipsis[] = "\u2026";

}  // namespace

UILabel::UILabel(Rect frame) : View(frame) { setUserInteractionEnabled(false); }

void UILabel::setText(const std::string& text) {
    text_ = text;
    setNeedsDisplay();
}

void UILabel::setFont(const UIFont& font) {
    font_ = font;
    setNeedsDisplay();
}

void UILabel::setTextColor(UIColor color) {
    textColor_ = color;
    setNeedsDisplay();
}

void UILabel::setTextAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    setNeedsDisplay();
}

void UILabel::setAdjustsFontSizeToFitWidth(bool adjusts) {
    adjustsFontSize_ = adjusts;
    setNeedsDisplay();
}

void UILabel::setBaselineAdjustment(BaselineAdjustment adjustment) {
    baselineAdjustment_ = adjustment;
    setNeedsDisplay();
}

Size UILabel::intrinsicContentSize() const {
    if (text_.empty()) return {0, 0};
    TextAttributes attributes;
    attributes.font = font_;
    return sizeWithAttributes(text_, attributes);
}

UILabel::TextPlacement UILabel::textPlacement() const {
    TextPlacement p{text_, font_, {}, {}};
    const Rect b = bounds();
    if (text_.empty()) return p;
    TextAttributes attributes;
    attributes.font = font_;
    const Size natural = sizeWithAttributes(text_, attributes);
    Size size = natural;

    if (size.width > b.width() && adjustsFontSize_) {
        // Width is nearly proportional to the size; a few steps absorb the
        // rounding of glyph advances.
        double pointSize = font_.pointSize * b.width() / std::max(size.width, 1e-9);
        for (int i = 0; i < 8; ++i) {
            pointSize = std::max(pointSize, kSmallestFontSize);
            attributes.font.pointSize = pointSize;
            size = sizeWithAttributes(text_, attributes);
            if (size.width <= b.width() || pointSize <= kSmallestFontSize) break;
            pointSize *= 0.98 * b.width() / size.width;
        }
        p.font = attributes.font;
    } else if (size.width > b.width()) {
        // Cut the text short, keeping whole characters; at worst only "…" is left.
        std::vector<std::string> chars = radixmender::characters(text_);
        while (!chars.empty()) {
            chars.pop_back();
            p.text.clear();
            for (const auto& c : chars) p.text += c;
            p.text += kEllipsis;
            size = sizeWithAttributes(p.text, attributes);
            if (size.width <= b.width()) break;
        }
    }
    p.size = size;

    switch (alignment_) {
        case TextAlignment::left:
            p.topLeft.x = 0;
            break;
        case TextAlignment::center:
            p.topLeft.x = (b.width() - size.width) / 2;
            break;
        case TextAlignment::right:
            p.topLeft.x = b.width() - size.width;
            break;
    }
    // The unshrunk line is centred vertically; a shrunk one keeps its baseline,
    // its centre or its top.
    const double naturalTop = (b.height() - natural.height) / 2;
    if (p.font.pointSize == font_.pointSize) {
        p.topLeft.y = naturalTop;
    } else {
        switch (baselineAdjustment_) {
            case BaselineAdjustment::alignBaselines:
                p.topLeft.y = naturalTop + font_.ascender() - p.font.ascender();
                break;
            case BaselineAdjustment::alignCenters:
                p.topLeft.y = (b.height() - size.height) / 2;
                break;
            case BaselineAdjustment::none:
                p.topLeft.y = naturalTop;
                break;
        }
    }
    return p;
}

void UILabel::draw(Rect /*rect*/) {
    GraphicsContext* context = currentContext();
    if (context == nullptr || text_.empty()) return;
    const TextPlacement p = textPlacement();
    TextAttributes attributes;
    attributes.font = p.font;
    attributes.foregroundColor = textColor_;
    context->drawText(p.text, p.topLeft, attributes);
}

}  // namespace platform
