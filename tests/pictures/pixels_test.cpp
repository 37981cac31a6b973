// Brick faces in pixels, at any size.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "pictures/doubles.hpp"
#include "pictures/elements.hpp"
#include "platform/image_renderer.hpp"
#include "platform/recording_context.hpp"

namespace radixmender::testing {
namespace {

using platform::CGColor;
using platform::Pixel;
using platform::Rect;

platform::RasterImage onWhite(double w, double h, const std::function<void(platform::GraphicsContext&)>& draw) {
    return platform::ImageRenderer({w, h}).image([&](platform::GraphicsContext& c) {
        c.setFillColor(CGColor::white());
        c.fillRect({0, 0, w, h});
        draw(c);
    });
}

bool alike(Pixel p, Pixel q, int tolerance) {
    return std::abs(p.r - q.r) <= tolerance && std::abs(p.g - q.g) <= tolerance && std::abs(p.b - q.b) <= tolerance;
}

// Where drawBrick puts the face of `brick` drawn at (x, y).
Rect faceBox(const box& brick, double x, double y) {
    platform::RecordingContext c;
    drawBrick(c, x, y, 1, brick);
    const auto& face = c.operations().at(1);
    return {face.topLeft, sizeWithAttributes(face.text, face.attributes)};
}

// A brick's face is drawn wherever it meets the canvas, at any size. Seen
// through a 120 × 160 canvas, a face 10 to 100 times as large as that of a
// brick of edge 200 (up to 15,000 points, drawn from an image of bounded
// size) shows the colours the smaller one has at the same places of it
// (wherever those are even); a face beside the canvas leaves the fill.
TEST(PicturePixels, BrickFacesAtAnySize) {
    const box small{200, 4, CGColor::lightGray(), CGColor::lightGray(), natureFaces[0], ""};
    const platform::RasterImage reference = onWhite(300, 400, [&](auto& c) { drawBrick(c, 50, 350, 1, small); });
    const Rect ref = faceBox(small, 50, 350);
    const auto at = [&](double x, double y) { return reference.pixel(int(x), int(y)); };
    for (const double m : {10.0, 40.0, 100.0}) {
        int compared = 0, differing = 0;
        for (const auto& [u, v] : {std::pair{0.5, 0.5}, {0.3, 0.6}, {0.62, 0.35}, {0.45, 0.75}}) {
            // The big brick placed so that the point (u, v) of its face is the canvas's middle.
            box big = small;
            big.height *= m;
            const Rect placed = faceBox(big, 0, 0);
            const double x = 60 - placed.minX() - u * placed.width(), y = 80 - placed.minY() - v * placed.height();
            const Rect face = faceBox(big, x, y);
            const platform::RasterImage image = onWhite(120, 160, [&](auto& c) { drawBrick(c, x, y, 1, big); });
            for (int i = 0; i < 120; i += 3)
                for (int j = 0; j < 160; j += 3) {
                    const double px = ref.minX() + (i + 0.5 - face.minX()) / face.width() * ref.width(),
                                 py = ref.minY() + (j + 0.5 - face.minY()) / face.height() * ref.height();
                    bool even = true;
                    for (const int dx : {-2, 0, 2})
                        for (const int dy : {-2, 0, 2}) even = even && alike(at(px + dx, py + dy), at(px, py), 12);
                    if (!even) continue;
                    ++compared;
                    differing += !alike(image.pixel(i, j), at(px, py), 40);
                }
        }
        SCOPED_TRACE(m);
        EXPECT_GT(compared, 100);
        EXPECT_LE(differing, compared / 20);
    }
    // The brick: its face lies right of the canvas, which shows the fill inside the edge.
    const box huge{30000, 4, CGColor::white(), CGColor::lightGray(), natureFaces[0], ""};
    const platform::RasterImage image = onWhite(120, 160, [&](auto& c) { drawBrick(c, 0, 160, 1, huge); });
    int fill = 0;
    for (int i = 4; i < 120; ++i)
        for (int j = 0; j < 156; ++j) fill += image.pixel(i, j) == Pixel{170, 170, 170, 255};
    EXPECT_EQ(fill, 116 * 156);
}

}  // namespace
}  // namespace radixmender::testing
