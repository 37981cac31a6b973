#pragma once
// Addition facts a + b on two upright ten-frames: a red counters on the left,
// b blue ones on the right, a caption above and one below. The strategies
// "count on", "combine to ten" and "make a ten" are chosen by name; any other
// name draws the frames with empty captions. With `apart` each frame keeps
// its counters under the strategy's title and the plain sum; without it
// counters move from the end of the right frame into the left one until that
// holds ten, and "count on" numbers them as they are counted on.
#include <cstdint>
#include <string>

#include "pictures/elements.hpp"
#include "platform/graphics_context.hpp"

namespace radixmender {

// The frame with its bottom-left corner at (x, y) and its first ten counters.
void drawTenFrames(platform::GraphicsContext& context, double x, double y, double scale,
                   const filledFrame& filled);

// Laid out upright in the area (0, 0, width, height). A negative a or b, or
// an a above 10 without `apart`, throws std::invalid_argument.
void drawCountOnMakeTenStrategy(platform::GraphicsContext& context, std::int64_t a, std::int64_t b,
                                bool apart, const std::string& strategy, double width, double height);

}  // namespace radixmender
