#include "platform/graphics_context.hpp"

#include <utility>

namespace platform {

void Path::addLineTo(Point p) {
    const bool hasCurrentPoint = !elements_.empty() && (elements_.back().kind == Element::Kind::moveTo ||
                                                        elements_.back().kind == Element::Kind::lineTo);
    elements_.push_back({hasCurrentPoint ? Element::Kind::lineTo : Element::Kind::moveTo, p, {}});
}

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
