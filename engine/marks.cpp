#include "engine/marks.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
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

void Marks::label(std::shared_ptr<const std::string> text, std::size_t length, double x, double y,
                  double angle, const platform::UIFont& font, double height, double advance) {
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::label;
    m.shared = std::move(text);
    m.length = std::min(length, m.shared->size());
    m.points = {{x, y}};
    m.font = font;
    m.value = angle;
    m.height = height;
    m.advance = advance;
}

namespace {

// How many of a turned label's characters can reach the context's visible
// bounds: the label's line, a line height thick, runs from `start` along the
// turned direction; past the last point where it can touch the bounds (with
// a character's room to spare) nothing shows.
std::size_t shownLength(const platform::GraphicsContext& context, const std::optional<platform::Rect>& bounds,
                        platform::Point start, double angle, double height, double advance, std::size_t length) {
    if (!bounds || !(advance > 0)) return length;
    const platform::AffineTransform ctm = context.currentTransform();
    const platform::Point o = ctm.apply(start);
    const auto towards = [&](double dx, double dy) {
        const platform::Point p = ctm.apply({start.x + dx, start.y + dy});
        return platform::Point{p.x - o.x, p.y - o.y};
    };
    const double c = std::cos(angle), s = std::sin(angle);
    const platform::Point along = towards(c, s), across = towards(-s, c);
    const double reach = height / 2 + advance;  // half the line, and a character's overhang
    const double lows[2] = {bounds->minX() - std::abs(across.x) * reach,
                            bounds->minY() - std::abs(across.y) * reach};
    const double highs[2] = {bounds->maxX() + std::abs(across.x) * reach,
                             bounds->maxY() + std::abs(across.y) * reach};
    const double from[2] = {o.x, o.y}, step[2] = {along.x, along.y};
    double first = -HUGE_VAL, last = HUGE_VAL;
    for (int axis = 0; axis < 2; ++axis) {
        if (std::abs(step[axis]) < 1e-12) {
            if (from[axis] < lows[axis] || from[axis] > highs[axis]) return 0;
            continue;
        }
        const double a = (lows[axis] - from[axis]) / step[axis], b = (highs[axis] - from[axis]) / step[axis];
        first = std::max(first, std::min(a, b));
        last = std::min(last, std::max(a, b));
    }
    if (!(first <= last) || last < 0) return 0;
    const double characters = std::ceil(last / advance) + 1;
    return characters < static_cast<double>(length) ? static_cast<std::size_t>(characters) : length;
}

}  // namespace

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
    // The context's visible bounds, read at the first label: no mark clips, so they hold for all.
    std::optional<std::optional<platform::Rect>> bounds;
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
            case Mark::Kind::label: {
                if (context == nullptr) break;
                const platform::Point start = at(m.points[0]);
                if (!bounds) bounds = context->visibleBounds();
                const std::size_t shown =
                    shownLength(*context, *bounds, start, m.value, m.height, m.advance, m.length);
                if (shown > 0)
                    drawTurnedText(*context, m.shared->substr(0, shown), {m.font}, start, m.value, m.height);
                break;
            }
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
