#include "pictures/elements.hpp"

#include <cmath>
#include <cstdint>
#include <vector>

#include "records/shrinking.hpp"

namespace radixmender {

using platform::CGColor;
using platform::GraphicsContext;
using platform::Path;
using platform::PathDrawingMode;
using platform::TextAttributes;
using platform::UIFont;

namespace {

// Below this no text can be read; shrinking loops stop here.
constexpr double kSmallestFontSize = 0.5;
// Each try shrinks the size by this factor.
constexpr double kShrink = 0.95;

// The text that captions are sized by.
constexpr char kSampleCaption[] = "double 66 plus 99";

// The brick faces' chalk lettering, or the system sans where the platform has no such font.
UIFont faceFont(double size) { return UIFont::named("ChalkDuster", size).value_or(UIFont::systemFont(size)); }

// Draws `text` with the top-left corner of its line box at (left, top) worked out from its size.
template <typename Place>
void drawPlaced(GraphicsContext& context, const std::string& text, const TextAttributes& attributes,
                Place place) {
    if (text.empty()) return;
    const platform::Size size = platform::sizeWithAttributes(text, attributes);
    context.drawText(text, place(size), attributes);
}

}  // namespace

double frame::frameHeight() const { return 2.5 * (frameWidth - 3 * frameEdgeWidth) + 6 * frameEdgeWidth; }

void frame::setFrameHeight(double height) {
    frameWidth = (height - 6 * frameEdgeWidth) * 0.4 + 3 * frameEdgeWidth;
}

double frame::frameCounterDiameter() const { return 0.5 * (frameWidth - 3 * frameEdgeWidth) * 5 / 6; }

void frame::setFrameCounterDiameter(double diameter) { frameWidth = 2 * diameter * 1.2 + 3 * frameEdgeWidth; }

TextAttributes captionAttributes(double size) {
    return {UIFont::systemFont(size, platform::FontWeight::medium)};
}

double fittedFontSize(const std::string& text, double size, double maxWidth) {
    // As trying every size: p = size; while (p >= kSmallestFontSize && maxWidth < width at p) p *= kShrink.
    if (!(size >= kSmallestFontSize)) return size;
    if (!std::isfinite(size)) return kShrink * kSmallestFontSize;
    // The sizes tried, then the first below half a point, where trying stops unmeasured.
    std::vector<double> sizes = shrinkingSizes(size, kShrink, kSmallestFontSize, SIZE_MAX);
    sizes.push_back(sizes.back() * kShrink);
    return sizes[firstFitting(sizes.size(), kShrink, [&](std::size_t i) {
        if (i + 1 == sizes.size()) return Fit{true, 0};
        const double width = platform::sizeWithAttributes(text, captionAttributes(sizes[i])).width;
        if (!(maxWidth < width)) return Fit{true, 0};
        return Fit{false, maxWidth > 0 ? width / maxWidth : HUGE_VAL};
    })];
}

void drawCaption(GraphicsContext& context, const std::string& text, const TextAttributes& attributes,
                 double width, double middleY) {
    drawPlaced(context, text, attributes, [&](platform::Size size) {
        return platform::Point{0.5 * (width - size.width), middleY - 0.5 * size.height};
    });
}

void drawBrick(GraphicsContext& context, double x, double y, double scale, const box& brick) {
    const double s = brick.height * scale;
    const double e = brick.edgeWidth;
    // The outline is inset by half its width, so its stroke stays inside the square.
    Path path;
    path.moveTo({x + e / 2, y - e / 2});
    path.addLineTo({x + s - e / 2, y - e / 2});
    path.addLineTo({x + s - e / 2, y - (s - e / 2)});
    path.addLineTo({x + e / 2, y - (s - e / 2)});
    path.closeSubpath();
    context.addPath(path);
    context.setStrokeColor(brick.edgeColor);
    context.setLineWidth(e);
    context.setFillColor(brick.color);
    context.drawPath(PathDrawingMode::fillStroke);

    const TextAttributes attributes{faceFont(s * 0.75), platform::UIColor::white()};
    for (const std::string* text : {&brick.face, &brick.faceOver})
        drawPlaced(context, *text, attributes, [&](platform::Size size) {
            return platform::Point{x + s / 2 - size.width / 2, y - 1.5 * s + size.height / 2};
        });
}

void drawTower(GraphicsContext& context, const std::vector<box>& bricks, double x, double y, double scale) {
    const double w0 = bricks.empty() ? 0 : bricks.front().height;
    double bottom = y;
    for (const box& brick : bricks) {
        drawBrick(context, x + 0.5 * (w0 - brick.height) * scale, bottom, scale, brick);
        bottom -= brick.height * scale;
    }
}

void drawFrame(GraphicsContext& context, CGColor frameColor, CGColor frameEdgeColor, double x, double y,
               double scale, double frameWidth, double frameEdgeWidth) {
    const double w = frameWidth * scale;
    const double e = frameEdgeWidth;
    const double cell = (w - 3 * e) / 2;
    const double h = 5 * cell + 6 * e;
    context.setStrokeColor(frameEdgeColor);
    context.setLineWidth(e);
    context.setFillColor(frameColor);

    Path path;
    // The border is left open at the bottom-left: its left side runs down to y
    // and its bottom side starts at x + e, so the butt ends meet in a square corner.
    path.moveTo({x + e, y - e / 2});
    path.addLineTo({x + w - e / 2, y - e / 2});
    path.addLineTo({x + w - e / 2, y - (h - e / 2)});
    path.addLineTo({x + e / 2, y - (h - e / 2)});
    path.addLineTo({x + e / 2, y});
    path.moveTo({x + w / 2, y - e});
    path.addLineTo({x + w / 2, y - (h - e)});
    for (int k = 1; k <= 4; ++k) {
        const double rowY = y - (k * (cell + e) + e / 2);
        path.moveTo({x + e, rowY});
        path.addLineTo({x + w - e, rowY});
    }
    path.closeSubpath();
    context.addPath(path);
    // The non-zero fill closes the open border itself; the dividers enclose nothing.
    context.drawPath(PathDrawingMode::fillStroke);
}

void drawCounter(GraphicsContext& context, double centreX, double centreY, double scale,
                 const counter& item) {
    const double d = item.counterDiameter * scale;
    context.setStrokeColor(item.counterEdgeColor);
    context.setLineWidth(counter::counterEdgeWidth);
    context.setFillColor(item.counterColor);
    Path path;
    path.addArc({centreX, centreY}, d / 2 - counter::counterEdgeWidth / 2, 0, 2 * M_PI, true);
    context.addPath(path);
    context.drawPath(PathDrawingMode::fillStroke);

    if (item.counterNumber.empty()) return;
    TextAttributes attributes = captionAttributes(fittedFontSize(item.counterNumber, 0.75 * d, 0.75 * d));
    attributes.foregroundColor = item.counterFontColor;
    drawPlaced(context, item.counterNumber, attributes, [&](platform::Size size) {
        return platform::Point{centreX - size.width / 2, centreY - size.height / 2};
    });
}

namespace {

struct CaptionFit {
    double fontSize;
    double captionHeight;
};

CaptionFit fitSampleCaption(double width) {
    const double p = fittedFontSize(kSampleCaption, 40.0, width);
    return {p, platform::sizeWithAttributes(kSampleCaption, captionAttributes(p)).height};
}

}  // namespace

LabelSize doublesLabelSize(std::int64_t n, double extraRows, double width, double height) {
    const CaptionFit fit = fitSampleCaption(width);
    double unit = (height - 3 * fit.captionHeight) / (static_cast<double>(n) + extraRows);
    if (width < 6 * unit) unit = width / 6;
    return {unit / 60.0, fit.fontSize, fit.captionHeight};
}

LabelSize countOnLabelSize(double frameWidth, double width, double height) {
    const CaptionFit fit = fitSampleCaption(width);
    double f = frameWidth;
    if (width < 2 * f + 45.0) f = (width - 45.0) * 0.5;
    if (height - 3 * fit.captionHeight < 2.5 * f) f = (height - 3 * fit.captionHeight) / 2.5;
    return {f / frameWidth, fit.fontSize, fit.captionHeight};
}

}  // namespace radixmender
