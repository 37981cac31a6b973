#pragma once
// Offscreen rendering into raster images, like UIGraphicsImageRenderer: the
// image's context is current while the drawing runs, and the result can be
// read pixel by pixel or saved as PNG.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/geometry.hpp"

namespace platform {

class GraphicsContext;
class View;

struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;  // not premultiplied
    bool operator==(const Pixel&) const = default;
};

class RasterImage {
public:
    RasterImage();
    ~RasterImage();
    RasterImage(const RasterImage&);
    RasterImage& operator=(const RasterImage&);

    // In device pixels: points × scale.
    [[nodiscard]] int pixelWidth() const;
    [[nodiscard]] int pixelHeight() const;
    // Outside the image: a clear pixel.
    [[nodiscard]] Pixel pixel(int x, int y) const;
    // Writes a PNG file; false when it could not be written.
    bool savePNG(const std::string& path) const;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
    friend class ImageRenderer;
};

class ImageRenderer {
public:
    // `size` in points; the scale is clamped to 1...3.
    explicit ImageRenderer(Size size, double scale = 1);

    // A transparent image of the size, drawn by `actions` with its context current.
    [[nodiscard]] RasterImage image(const std::function<void(GraphicsContext&)>& actions) const;

private:
    Size size_;
    double scale_;
};

// The view and its subviews, at the view's bounds size.
RasterImage renderView(View& view, double scale = 1);

}  // namespace platform
