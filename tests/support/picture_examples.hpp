#pragma once
// The counting pictures as one kind of drawing, apart or joined into an area
// of a given size, and one example of each strategy: shared by the pictures'
// tests and the screenshot test.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "pictures/doubles.hpp"
#include "pictures/ten_frames.hpp"

namespace radixmender::testing {

using DrawPicture = std::function<void(platform::GraphicsContext&, bool apart, double width, double height)>;
using DrawDoubles = void (*)(platform::GraphicsContext&, std::int64_t, bool, double, double);

inline DrawPicture doublesPicture(DrawDoubles draw, std::int64_t n) {
    return [=](platform::GraphicsContext& c, bool apart, double w, double h) { draw(c, n, apart, w, h); };
}

inline DrawPicture tenFramesPicture(const std::string& strategy, std::int64_t a, std::int64_t b) {
    return [=](platform::GraphicsContext& c, bool apart, double w, double h) {
        drawCountOnMakeTenStrategy(c, a, b, apart, strategy, w, h);
    };
}

struct PictureExample {
    std::string name;
    DrawPicture draw;
};

inline std::vector<PictureExample> pictureExamples() {
    return {{"double", doublesPicture(drawDoubleStrategy, 7)},
            {"double_plus_1", doublesPicture(drawDoublePlusOneStrategy, 7)},
            {"double_minus_1", doublesPicture(drawDoubleMinusOneStrategy, 7)},
            {"make_a_double", doublesPicture(drawMakeADoubleStrategy, 8)},
            {"count_on", tenFramesPicture("count on", 8, 5)},
            {"combine_to_ten", tenFramesPicture("combine to ten", 6, 4)},
            {"make_a_ten", tenFramesPicture("make a ten", 7, 5)}};
}

}  // namespace radixmender::testing
