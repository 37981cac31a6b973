#pragma once
// The parts that counting pictures are built from: square bricks with a face,
// towers of bricks, upright ten-frames (two columns, five rows) and round
// counters, with the caption sizing that fits a picture to its drawing area.
//
// Points have y growing downwards. Sizes kept in the values are picture
// units, multiplied by a scale when drawn; line widths are points and are
// never scaled. Everything draws into the context it is given, texts too.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/color.hpp"
#include "platform/font.hpp"
#include "platform/graphics_context.hpp"

namespace radixmender {

// One square brick.
struct box {
    double height = 20.0;    // edge length, picture units
    double edgeWidth = 3.0;  // outline width, points
    platform::CGColor edgeColor = platform::CGColor::black();
    platform::CGColor color = platform::CGColor::red();
    std::string face;      // drawn in the brick
    std::string faceOver;  // drawn over `face` (a cross over a face)
};

// A tower of bricks, bottom brick first.
struct tower {
    std::vector<box> bricks;
};

// An empty upright ten-frame.
struct frame {
    static constexpr double frameEdgeWidth = 5.0;  // border and grid lines, points

    double frameWidth = 250.0;  // outer width, picture units
    platform::CGColor frameColor = platform::CGColor::cyan();
    platform::CGColor frameEdgeColor = platform::CGColor::white();

    // Five square cells of half the width left after three lines, and six lines.
    [[nodiscard]] double frameHeight() const;
    void setFrameHeight(double height);
    // Five sixths of a cell.
    [[nodiscard]] double frameCounterDiameter() const;
    void setFrameCounterDiameter(double diameter);
};

// A round counter.
struct counter {
    static constexpr double counterEdgeWidth = 3.0;  // outline width, points

    double counterDiameter = 0;  // picture units
    platform::CGColor counterColor = platform::CGColor::red();
    platform::CGColor counterEdgeColor = platform::CGColor::black();
    std::string counterNumber;  // "" draws no text
    platform::UIColor counterFontColor = platform::UIColor::white();
};

// A ten-frame with its counters: 0 to 4 fill the left column from the bottom
// row up, 5 to 9 the right column; further counters have no cell.
struct filledFrame {
    frame emptyFrame;
    std::vector<counter> counters;
};

// The scale of a picture and the size and height of its captions.
struct LabelSize {
    double scale = 1;
    double fontSize = 40;
    double captionHeight = 0;
};

// The bottom-left corner of a brick, of a tower's bottom brick or of a frame is (x, y).
void drawBrick(platform::GraphicsContext& context, double x, double y, double scale, const box& brick);
void drawTower(platform::GraphicsContext& context, const std::vector<box>& bricks, double x, double y,
               double scale);
void drawFrame(platform::GraphicsContext& context, platform::CGColor frameColor,
               platform::CGColor frameEdgeColor, double x, double y, double scale, double frameWidth,
               double frameEdgeWidth);
void drawCounter(platform::GraphicsContext& context, double centreX, double centreY, double scale,
                 const counter& item);

// Brick pictures: n bricks high plus `extraRows`, three caption heights of room.
LabelSize doublesLabelSize(std::int64_t n, double extraRows, double width, double height);
// Two frames side by side, three caption heights of room.
LabelSize countOnLabelSize(double frameWidth, double width, double height);

// The captions' font: the system font at `size`, medium weight.
platform::TextAttributes captionAttributes(double size);

// The first point size, from `size` down by 5 % a try, at which `text` in
// the captions' font measures no wider than `maxWidth`. Shrinking stops below
// half a point, where no text can be read, so a width of zero or less ends too:
// the result is then the first size below half a point, and a size already
// below it (or not a number) comes back unmeasured. A few sizes are measured,
// not every one, the answer being the same. A size of +∞ never shrinks to a
// fit: it gives 0.475 at once, where shrinking stops when nothing fits from
// half a point.
double fittedFontSize(const std::string& text, double size, double maxWidth);

// Draws `text` centred across `width` with its middle at `middleY`.
void drawCaption(platform::GraphicsContext& context, const std::string& text,
                 const platform::TextAttributes& attributes, double width, double middleY);

}  // namespace radixmender
