#include "platform/image_renderer.hpp"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/graphics_context.hpp"
#include "platform/gui_application.hpp"
#include "platform/view.hpp"

namespace platform {

struct RasterImage::Impl {
    QImage image;
};

RasterImage::RasterImage() : impl_(std::make_unique<Impl>()) {}
RasterImage::~RasterImage() = default;
RasterImage::RasterImage(const RasterImage& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
RasterImage& RasterImage::operator=(const RasterImage& other) {
    if (this != &other) *impl_ = *other.impl_;
    return *this;
}

int RasterImage::pixelWidth() const { return impl_->image.width(); }
int RasterImage::pixelHeight() const { return impl_->image.height(); }

Pixel RasterImage::pixel(int x, int y) const {
    const QImage& image = impl_->image;
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return {};
    const QColor c = image.pixelColor(x, y);
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue()), static_cast<std::uint8_t>(c.alpha())};
}

bool RasterImage::savePNG(const std::string& path) const {
    if (impl_->image.isNull()) return false;
    return impl_->image.save(QString::fromStdString(path), "PNG");
}

ImageRenderer::ImageRenderer(Size size, double scale)
    : size_(size), scale_(std::isfinite(scale) ? std::clamp(scale, 1.0, 3.0) : 1.0) {}

RasterImage ImageRenderer::image(const std::function<void(GraphicsContext&)>& actions) const {
    ensureGuiApplication();
    RasterImage result;
    const auto pixels = [&](double points) {
        const double p = std::ceil(std::max(0.0, points) * scale_);
        return static_cast<int>(std::min(p, 20000.0));
    };
    const int w = pixels(size_.width), h = pixels(size_.height);
    if (w == 0 || h == 0) return result;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // 72 dpi: a point size is a pixel size before the scale.
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    {
        QPainter painter(&image);
        painter.scale(scale_, scale_);
        auto context = makePainterContext(&painter);
        ContextScope scope(context.get());
        actions(*context);
    }
    result.impl_->image = std::move(image);
    return result;
}

RasterImage renderView(View& view, double scale) {
    return ImageRenderer(view.bounds().size, scale).image([&](GraphicsContext& context) {
        view.render(context);
    });
}

}  // namespace platform
