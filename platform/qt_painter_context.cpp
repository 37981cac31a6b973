// The drawing context over a QPainter, for the window, raster images and PDF.
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>
#include <cmath>

#include "platform/graphics_context.hpp"
#include "platform/text_painting.hpp"

namespace platform {
namespace {

QTransform toQt(const AffineTransform& t) { return QTransform(t.a, t.b, t.c, t.d, t.tx, t.ty); }

QColor toQt(const UIColor& c) {
    return QColor::fromRgbF(static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b),
                            static_cast<float>(c.a));
}

QPainterPath toQt(const Path& path, Qt::FillRule rule) {
    QPainterPath q;
    q.setFillRule(rule);
    bool hasCurrentPoint = false;
    for (const Path::Element& e : path.elements()) {
        const bool startsFresh = !hasCurrentPoint;
        hasCurrentPoint = e.kind != Path::Element::Kind::closeSubpath && e.kind != Path::Element::Kind::rect;
        switch (e.kind) {
            case Path::Element::Kind::moveTo:
                q.moveTo(e.point.x, e.point.y);
                break;
            case Path::Element::Kind::lineTo:
                q.lineTo(e.point.x, e.point.y);
                break;
            case Path::Element::Kind::closeSubpath:
                q.closeSubpath();
                break;
            case Path::Element::Kind::rect:
                q.addRect(e.rect.minX(), e.rect.minY(), e.rect.width(), e.rect.height());
                break;
            case Path::Element::Kind::arc: {
                // Qt's angles are degrees counter-clockwise on screen.
                const QRectF box(e.point.x - e.radius, e.point.y - e.radius, 2 * e.radius, 2 * e.radius);
                const double start = -e.startAngle * 180 / M_PI;
                if (startsFresh) q.arcMoveTo(box, start);
                q.arcTo(box, start, -e.sweep * 180 / M_PI);
                break;
            }
        }
    }
    return q;
}

class PainterContext : public GraphicsContext {
public:
    explicit PainterContext(QPainter* painter) : painter_(painter), base_(painter->worldTransform()) {
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    }

protected:
    void renderPath(const Path& devicePath, PathDrawingMode mode, const GraphicsState& state) override {
        const bool evenOdd = mode == PathDrawingMode::eoFill || mode == PathDrawingMode::eoFillStroke;
        const bool fills = mode != PathDrawingMode::stroke;
        const bool strokes = mode == PathDrawingMode::stroke || mode == PathDrawingMode::fillStroke ||
                             mode == PathDrawingMode::eoFillStroke;
        // The path is kept in the context's space; the line width is in user space
        // at drawing time, so draw under the CTM with the path mapped back into it.
        const AffineTransform& ctm = state.ctm;
        const bool invertible = ctm.a * ctm.d - ctm.b * ctm.c != 0;
        const Path userPath = invertible ? devicePath.applying(ctm.inverted()) : devicePath;
        const QPainterPath q = toQt(userPath, evenOdd ? Qt::OddEvenFill : Qt::WindingFill);

        painter_->save();
        painter_->setWorldTransform(invertible ? toQt(ctm) * base_ : base_);
        if (fills && !state.fillColor.isClear()) painter_->fillPath(q, toQt(state.fillColor));
        if (strokes && !state.strokeColor.isClear()) {
            QPen pen(toQt(state.strokeColor), state.lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
            pen.setMiterLimit(5);  // Core Graphics' limit of 10 counts the whole miter length
            painter_->strokePath(q, pen);
        }
        painter_->restore();
    }

    void renderText(const std::string& text, Point topLeft, const TextAttributes& attributes,
                    const GraphicsState& state) override {
        painter_->save();
        painter_->setWorldTransform(toQt(state.ctm) * base_);
        detail::paintText(painter_, text, topLeft, attributes);
        painter_->restore();
    }

public:
    [[nodiscard]] QPainter* painter() const { return painter_; }

    [[nodiscard]] std::optional<Rect> visibleBounds() const override {
        // The context's own coordinates reach the device through the base transform and the view.
        const QTransform toDevice =
            base_ * painter_->worldTransform().inverted() * painter_->combinedTransform();
        const QRectF r = toDevice.inverted().mapRect(detail::visibleOnDevice(*painter_));
        return Rect(r.x(), r.y(), r.width(), r.height());
    }

private:
    QPainter* painter_;
    QTransform base_;
};

}  // namespace

std::unique_ptr<GraphicsContext> makePainterContext(void* qpainter) {
    if (qpainter == nullptr) return nullptr;
    return std::make_unique<PainterContext>(static_cast<QPainter*>(qpainter));
}

void* painterOf(const GraphicsContext& context) {
    const auto* painterContext = dynamic_cast<const PainterContext*>(&context);
    return painterContext != nullptr ? painterContext->painter() : nullptr;
}

}  // namespace platform
