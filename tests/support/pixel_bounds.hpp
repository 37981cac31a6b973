#pragma once
// Where a rendered image shows something: the pixels of one kind and the
// rectangle they fill.
#include <algorithm>
#include <array>

#include "platform/image_renderer.hpp"

namespace radixmender::testing {

// The yellow of the colour emoji faces.
inline bool isFaceYellow(platform::Pixel p) { return p.r > 200 && p.g > 150 && p.b < 100 && p.a > 200; }

// The left, top, right and bottom pixel edges of the pixels that `match`
// (right and bottom past the last such pixel; {width, height, 0, 0} for none).
template <typename Match>
std::array<int, 4> pixelBounds(const platform::RasterImage& image, Match match) {
    std::array<int, 4> b{image.pixelWidth(), image.pixelHeight(), 0, 0};
    for (int y = 0; y < image.pixelHeight(); ++y)
        for (int x = 0; x < image.pixelWidth(); ++x)
            if (match(image.pixel(x, y)))
                b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x + 1), std::max(b[3], y + 1)};
    return b;
}

}  // namespace radixmender::testing
