#pragma once
// Text blocks and straight strokes for the engine: fitting lines of text into
// a box by shrinking the font, drawing them one under the other, and
// stroking one segment.
#include <string>
#include <vector>

#include "platform/color.hpp"
#include "platform/font.hpp"
#include "platform/graphics_context.hpp"

namespace radixmender {

// The weight at which `fittedFontSize` measures, whatever weight is drawn.
inline constexpr double kFittingWeight = 0.25;
// Every shrinking loop of the engine (fitted texts, the view's lines) stops at
// this size even when the text still does not fit, so that an empty or tiny
// box (or parts that do not shrink with the size) cannot keep it running.
inline constexpr double kMinimumFittedSize = 1.0;

// The first size of s, 0.95·s, 0.95²·s, ... (s the attributes' font size) at
// which every line is at most `maxWidth` wide and the lines stacked are at
// most `maxHeight` high, measured in the system font at `kFittingWeight`;
// never below `kMinimumFittedSize` unless s already is. A few sizes are
// measured, not every one; a size that is no finite number gives
// `kMinimumFittedSize` at once.
double fittedFontSize(const std::vector<std::string>& lines, const platform::TextAttributes& attributes,
                      double maxWidth, double maxHeight);

// The smallest fitted size over all groups, and never above the attributes' size.
double commonFittedFontSize(const std::vector<std::vector<std::string>>& groups,
                            const platform::TextAttributes& attributes, double maxWidth, double maxHeight);

// Draws the lines into the box at (x, y), each a line height below the one
// before, at the fitted size, left-aligned or centred in the box's width.
void drawTextLines(const std::vector<std::string>& lines, bool centred, platform::UIColor foreground,
                   platform::UIColor background, double x, double y, double width, double height,
                   double pointSize, double weight);

// Draws the text turned by `angle` (radians; negative turns counter-clockwise
// on screen) about `start`, where its line box starts, centred vertically on
// the turned line through it; `height` is the text's height. The transform
// comes back as it was.
void drawTurnedText(platform::GraphicsContext& context, const std::string& text,
                    const platform::TextAttributes& attributes, platform::Point start, double angle,
                    double height);

// Strokes the segment with butt ends.
void drawLine(platform::GraphicsContext& context, platform::CGColor color, double x1, double y1, double x2,
              double y2, double width = 2.5);

}  // namespace radixmender
