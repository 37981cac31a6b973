#include "engine/text_drawing.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/text_measure.hpp"
#include "records/shrinking.hpp"

namespace radixmender {
namespace {

constexpr double kShrink = 0.95;

}  // namespace

double fittedFontSize(const std::vector<std::string>& lines, const platform::TextAttributes& attributes,
                      double maxWidth, double maxHeight) {
    // The widest and the tallest line at the given attributes (the first on ties).
    const std::string* widest = nullptr;
    const std::string* tallest = nullptr;
    double widestWidth = 0, tallestHeight = 0;
    for (const std::string& line : lines) {
        const platform::Size s = textSize(line, attributes.font);
        if (widest == nullptr || s.width > widestWidth) {
            widest = &line;
            widestWidth = s.width;
        }
        if (tallest == nullptr || s.height > tallestHeight) {
            tallest = &line;
            tallestHeight = s.height;
        }
    }
    const double count = static_cast<double>(lines.size());
    const double base = attributes.font.pointSize;
    // A size that is no finite number could never shrink to a fit.
    if (!std::isfinite(base)) return kMinimumFittedSize;
    const std::vector<double> sizes = shrinkingSizes(base, kShrink, kMinimumFittedSize, SIZE_MAX);
    const auto over = [](double measured, double bound) {
        return measured <= bound ? 0 : bound > 0 ? measured / bound : HUGE_VAL;
    };
    return sizes[firstFitting(sizes.size(), kShrink, [&](std::size_t i) {
        const platform::UIFont font = platform::UIFont::systemFont(sizes[i], kFittingWeight);
        const double w = widest != nullptr ? textSize(*widest, font).width : 0;
        const double h = tallest != nullptr ? textSize(*tallest, font).height : 0;
        const bool fits = w <= maxWidth && h * count <= maxHeight;
        return Fit{fits, fits ? 0 : std::max(over(w, maxWidth), over(h * count, maxHeight))};
    })];
}

double commonFittedFontSize(const std::vector<std::vector<std::string>>& groups,
                            const platform::TextAttributes& attributes, double maxWidth, double maxHeight) {
    double size = attributes.font.pointSize;
    for (const auto& group : groups)
        size = std::min(size, fittedFontSize(group, attributes, maxWidth, maxHeight));
    return size;
}

void drawTextLines(const std::vector<std::string>& lines, bool centred, platform::UIColor foreground,
                   platform::UIColor background, double x, double y, double width, double height,
                   double pointSize, double weight) {
    platform::TextAttributes attributes{platform::UIFont::systemFont(pointSize, weight), foreground,
                                        background};
    const double size = fittedFontSize(lines, attributes, width, height);
    attributes.font = platform::UIFont::systemFont(size, weight);
    const double lineHeight = fontMetrics(attributes.font).lineHeight;
    platform::GraphicsContext* context = platform::currentContext();
    double top = y;
    for (const std::string& line : lines) {
        double left = x;
        if (centred) left = x + width * 0.5 - textSize(line, attributes.font).width * 0.5;
        if (context != nullptr) context->drawText(line, {left, top}, attributes);
        top += lineHeight;
    }
}

void drawTurnedText(platform::GraphicsContext& context, const std::string& text,
                    const platform::TextAttributes& attributes, platform::Point start, double angle,
                    double height) {
    // Saved and restored rather than turned back: undoing a move to a far-off
    // start would leave the transform off by the move's rounding.
    context.saveGState();
    context.concatCTM(platform::AffineTransform::translation(start.x, start.y));
    context.concatCTM(platform::AffineTransform::rotation(angle));
    context.drawText(text, {0, -height / 2}, attributes);
    context.restoreGState();
}

void drawLine(platform::GraphicsContext& context, platform::CGColor color, double x1, double y1, double x2,
              double y2, double width) {
    platform::Path path;
    path.moveTo({x1, y1});
    path.addLineTo({x2, y2});
    context.addPath(path);
    context.setStrokeColor(color);
    context.setLineWidth(width);
    context.setFillColor(color);
    context.drawPath(platform::PathDrawingMode::fillStroke);
}

}  // namespace radixmender
