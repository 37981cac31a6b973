#include "engine/marks.hpp"

#include <stdexcept>
#include <utility>

#include "engine/text_drawing.hpp"
#include "engine/universal_engine_view.hpp"

namespace radixmender::items {

Paint Paint::named(const std::string& name) {
    Paint paint(platform::UIColor::clear());
    paint.name_ = &name;
    return paint;
}

platform::UIColor Paint::resolve() const {
    if (name_ == nullptr) return colour_;
    const auto c = colorFromRawValue(*name_);
    if (!c) throw std::invalid_argument(kNilMessage);
    return platform::UIColor::from(*c);
}

void Marks::text(std::string text, double x, double y, const platform::UIFont& font, Paint foreground,
                 Paint background) {
    Mark& m = marks_.emplace_back();
    m.text = std::move(text);
    m.points = {{x, y}};
    m.font = font;
    m.foreground = foreground;
    m.background = background;
}

void Marks::rotatedText(std::string text, double x, double y, double angle, const platform::UIFont& font) {
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::rotatedText;
    m.height = textSize(text, font).height;
    m.text = std::move(text);
    m.points = {{x, y}};
    m.font = font;
    m.value = angle;
}

void Marks::fill(std::vector<platform::Point> corners, Paint colour) {
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::fill;
    m.points = std::move(corners);
    m.background = colour;
}

void Marks::line(double x1, double y1, double x2, double y2, Paint colour, double width) {
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::line;
    m.points = {{x1, y1}, {x2, y2}};
    m.foreground = colour;
    m.value = width;
}

void Marks::segments(std::vector<platform::Point> ends, double width) {
    if (ends.empty()) return;
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::segments;
    m.points = std::move(ends);
    m.value = width;
}

void Marks::draw(double x, double y) const {
    platform::GraphicsContext* context = platform::currentContext();
    const auto at = [&](platform::Point p) { return platform::Point{p.x + x, p.y + y}; };
    for (const Mark& m : marks_) {
        switch (m.kind) {
            case Mark::Kind::text: {
                const platform::TextAttributes attributes{m.font, m.foreground.resolve(),
                                                          m.background.resolve()};
                if (context != nullptr) context->drawText(m.text, at(m.points[0]), attributes);
                break;
            }
            case Mark::Kind::rotatedText:
                if (context != nullptr)
                    drawTurnedText(*context, m.text, {m.font}, at(m.points[0]), m.value, m.height);
                break;
            case Mark::Kind::fill: {
                const platform::UIColor colour = m.background.resolve();
                if (context == nullptr) break;
                platform::Path path;
                for (const platform::Point p : m.points) path.addLineTo(at(p));
                path.closeSubpath();
                context->addPath(path);
                context->setFillColor(colour);
                context->drawPath(platform::PathDrawingMode::fill);
                break;
            }
            case Mark::Kind::line: {
                const platform::UIColor colour = m.foreground.resolve();
                if (context == nullptr) break;
                const platform::Point a = at(m.points[0]), b = at(m.points[1]);
                drawLine(*context, colour, a.x, a.y, b.x, b.y, m.value);
                break;
            }
            case Mark::Kind::segments: {
                if (context == nullptr) break;
                platform::Path path;
                for (std::size_t i = 0; i + 1 < m.points.size(); i += 2) {
                    path.moveTo(at(m.points[i]));
                    path.addLineTo(at(m.points[i + 1]));
                }
                context->addPath(path);
                context->setStrokeColor(platform::UIColor::black());
                context->setLineWidth(m.value);
                context->drawPath(platform::PathDrawingMode::stroke);
                break;
            }
        }
    }
}

}  // namespace radixmender::items
