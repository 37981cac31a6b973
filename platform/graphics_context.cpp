#include "platform/graphics_context.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {

namespace {
constexpr double kTurn = 2 * M_PI;

Point onCircle(Point centre, double radius, double angle) {
    return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

bool nearlyEqual(double a, double b) { return std::abs(a - b) <= 1e-12 * (std::abs(a) + std::abs(b) + 1); }
}  // namespace

bool Path::hasCurrentPoint() const {
    if (elements_.empty()) return false;
    const Element::Kind last = elements_.back().kind;
    return last == Element::Kind::moveTo || last == Element::Kind::lineTo || last == Element::Kind::arc;
}

void Path::addLineTo(Point p) {
    elements_.push_back({hasCurrentPoint() ? Element::Kind::lineTo : Element::Kind::moveTo, p, {}});
}

void Path::addArc(Point centre, double radius, double startAngle, double endAngle, bool clockwise) {
    double sweep = endAngle - startAngle;
    if (clockwise) {
        if (sweep > kTurn) sweep = kTurn;
        if (sweep < 0) sweep = std::fmod(sweep, kTurn) + kTurn;
    } else {
        if (sweep < -kTurn) sweep = -kTurn;
        if (sweep > 0) sweep = std::fmod(sweep, kTurn) - kTurn;
    }
    elements_.push_back({Element::Kind::arc, centre, {}, std::max(radius, 0.0), startAngle, sweep});
}

Point Path::arcStart(const Element& arc) { return onCircle(arc.point, arc.radius, arc.startAngle); }
Point Path::arcEnd(const Element& arc) { return onCircle(arc.point, arc.radius, arc.startAngle + arc.sweep); }

void Path::closeSubpath() {
    if (!elements_.empty()) elements_.push_back({Element::Kind::closeSubpath, {}, {}});
}

void Path::addPath(const Path& other) {
    elements_.insert(elements_.end(), other.elements_.begin(), other.elements_.end());
}

Path Path::applying(const AffineTransform& t) const {
    if (t == AffineTransform::identity()) return *this;
    Path mapped;
    for (const Element& e : elements_) {
        switch (e.kind) {
            case Element::Kind::moveTo:
            case Element::Kind::lineTo:
            case Element::Kind::closeSubpath:
                mapped.elements_.push_back({e.kind, t.apply(e.point), {}});
                break;
            case Element::Kind::rect: {
                // A rectangle under a general transform is a closed polygon.
                const Rect& r = e.rect;
                mapped.moveTo(t.apply({r.minX(), r.minY()}));
                mapped.addLineTo(t.apply({r.maxX(), r.minY()}));
                mapped.addLineTo(t.apply({r.maxX(), r.maxY()}));
                mapped.addLineTo(t.apply({r.minX(), r.maxY()}));
                mapped.closeSubpath();
                break;
            }
            case Element::Kind::arc: {
                // A turn, a uniform scale and a mirror keep a circle a circle;
                // any other transform gets the arc as short straight pieces.
                const double det = t.a * t.d - t.b * t.c;
                const bool turns = nearlyEqual(t.a, t.d) && nearlyEqual(t.b, -t.c);
                const bool mirrors = nearlyEqual(t.a, -t.d) && nearlyEqual(t.b, t.c);
                if (det != 0 && (turns || mirrors)) {
                    const double phase = std::atan2(t.b, t.a);
                    mapped.elements_.push_back({e.kind,
                                                t.apply(e.point),
                                                {},
                                                e.radius * std::sqrt(std::abs(det)),
                                                turns ? e.startAngle + phase : phase - e.startAngle,
                                                turns ? e.sweep : -e.sweep});
                    break;
                }
                // The sweep is at most a turn (or not a number, drawn as one piece).
                const int pieces =
                    std::isfinite(e.sweep)
                        ? std::max(1, static_cast<int>(std::ceil(std::abs(e.sweep) / kTurn * 64)))
                        : 1;
                for (int k = 0; k <= pieces; ++k)
                    mapped.addLineTo(
                        t.apply(onCircle(e.point, e.radius, e.startAngle + e.sweep * k / pieces)));
                break;
            }
        }
    }
    return mapped;
}

namespace {
Path rectangle(Rect r) {
    Path p;
    p.addRect(r);
    return p;
}
}  // namespace

void GraphicsContext::addRect(Rect r) { addPath(rectangle(r)); }

void GraphicsContext::drawPath(PathDrawingMode mode) {
    Path path;
    std::swap(path, path_);
    if (!path.isEmpty()) renderPath(path, mode, state_);
}

void GraphicsContext::fillRect(Rect r) {
    renderPath(rectangle(r).applying(state_.ctm), PathDrawingMode::fill, state_);
}

void GraphicsContext::strokeRect(Rect r) {
    renderPath(rectangle(r).applying(state_.ctm), PathDrawingMode::stroke, state_);
}

void GraphicsContext::restoreGState() {
    if (saved_.empty()) return;
    state_ = saved_.back();
    saved_.pop_back();
}

void GraphicsContext::drawText(const std::string& text, Point topLeft, const TextAttributes& attributes) {
    if (text.empty()) return;
    if (!attributes.backgroundColor.isClear()) {
        const Size size = sizeWithAttributes(text, attributes);
        GraphicsState background = state_;
        background.fillColor = attributes.backgroundColor;
        renderPath(rectangle(Rect(topLeft, size)).applying(state_.ctm), PathDrawingMode::fill, background);
    }
    renderText(text, topLeft, attributes, state_);
}

namespace {
GraphicsContext* gCurrentContext = nullptr;
}  // namespace

GraphicsContext* currentContext() { return gCurrentContext; }

ContextScope::ContextScope(GraphicsContext* context) : previous_(gCurrentContext) {
    gCurrentContext = context;
}

ContextScope::~ContextScope() { gCurrentContext = previous_; }

}  // namespace platform
