#include "pictures/ten_frames.hpp"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace radixmender {

namespace {

constexpr std::size_t kCells = 10;

struct Captions {
    std::string title, secondText, shortSum, equation;
};

Captions tenFramesCaptions(const std::string& strategy, std::int64_t a, std::int64_t b) {
    const std::int64_t sum = a + b;  // checked by the caller
    const std::string sa = std::to_string(a), sb = std::to_string(b), total = std::to_string(sum);
    const std::string plain = sa + " + " + sb;
    if (strategy == "count on") return {"count on", "count from " + sa, plain, plain + " = " + total + " "};
    if (strategy == "combine to ten") return {"combine to ten", "combine them", plain, plain + " = 10 "};
    if (strategy == "make a ten")
        return {"make a ten", "make that ten", plain,
                sum == 10 ? plain + " = 10" : plain + " = 10 + " + std::to_string(sum - 10) + " = " + total};
    return {};
}

std::vector<counter> counters(std::size_t count, double diameter, platform::CGColor color) {
    return std::vector<counter>(
        count, counter{diameter, color, platform::CGColor::black(), "", platform::UIColor::white()});
}

}  // namespace

void drawTenFrames(platform::GraphicsContext& context, double x, double y, double scale,
                   const filledFrame& filled) {
    const frame& empty = filled.emptyFrame;
    drawFrame(context, empty.frameColor, empty.frameEdgeColor, x, y, scale, empty.frameWidth,
              frame::frameEdgeWidth);
    const double e = frame::frameEdgeWidth;
    const double cell = (empty.frameWidth * scale - 3 * e) / 2;
    const double step = cell + e;
    const double x0 = x + cell / 2 + e, y0 = y - cell / 2 - e;  // the bottom-left cell's centre
    const std::size_t count = filled.counters.size();
    for (std::size_t r = 0; r < kCells / 2; ++r) {
        const double rowY = y0 - static_cast<double>(r) * step;
        if (r < count) drawCounter(context, x0, rowY, scale, filled.counters[r]);
        if (r + 5 < count) drawCounter(context, x0 + step, rowY, scale, filled.counters[r + 5]);
    }
}

void drawCountOnMakeTenStrategy(platform::GraphicsContext& context, std::int64_t a, std::int64_t b,
                                bool apart, const std::string& strategy, double width, double height) {
    if (a < 0 || b < 0)
        throw std::invalid_argument("a ten-frame picture needs counts of 0 or more, not " +
                                    std::to_string(a) + " and " + std::to_string(b));
    if (b > std::numeric_limits<std::int64_t>::max() - a)
        throw std::invalid_argument("a ten-frame picture cannot write the sum of " + std::to_string(a) +
                                    " and " + std::to_string(b));
    if (!apart && a > 10)
        throw std::invalid_argument("a ten-frame picture moves counters into a frame of at most 10, not " +
                                    std::to_string(a));
    filledFrame left, right;
    const double w = std::min(width, height), h = std::max(width, height);
    const double frameWidth = left.emptyFrame.frameWidth;
    const LabelSize label = countOnLabelSize(frameWidth, w, h);

    const Captions captions = tenFramesCaptions(strategy, a, b);
    drawCaption(context, apart ? captions.title : captions.secondText, captionAttributes(label.fontSize), w,
                0.75 * label.captionHeight);
    const std::string& bottom = apart ? captions.shortSum : captions.equation;
    const double bottomSize = apart ? label.fontSize : fittedFontSize(bottom, label.fontSize, 0.95 * w);
    drawCaption(context, bottom, captionAttributes(bottomSize), w, h - 0.75 * label.captionHeight);

    // A frame draws only its first ten counters and at most ten move, so
    // counters beyond ten on the left or twenty on the right would change nothing drawn.
    const double diameter = left.emptyFrame.frameCounterDiameter();
    left.counters = counters(std::min(static_cast<std::uint64_t>(a), std::uint64_t{kCells}), diameter,
                             platform::CGColor::red());
    right.counters = counters(std::min(static_cast<std::uint64_t>(b), std::uint64_t{2 * kCells}), diameter,
                              platform::CGColor::blue());

    const double gap = (w - 2 * frameWidth * label.scale) / 3;
    const double y = h / 2 + left.emptyFrame.frameHeight() * label.scale / 2;
    if (!apart) {
        const bool countOn = strategy == "count on";
        const std::size_t moving = std::min(kCells - static_cast<std::size_t>(a), right.counters.size());
        for (std::size_t i = 0; i < moving; ++i) {
            if (countOn)
                right.counters.back().counterNumber = std::to_string(a + static_cast<std::int64_t>(i) + 1);
            left.counters.push_back(right.counters.back());
            right.counters.pop_back();
        }
        if (countOn)
            for (std::size_t j = 0; j < right.counters.size(); ++j)
                right.counters[j].counterNumber = std::to_string(11 + j);
    }
    drawTenFrames(context, gap, y, label.scale, left);
    drawTenFrames(context, 2 * gap + frameWidth * label.scale, y, label.scale, right);
}

}  // namespace radixmender
