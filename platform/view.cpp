#include "platform/view.hpp"

#include <algorithm>
#include <utility>

#include "platform/display_requests.hpp"
#include "platform/graphics_context.hpp"
#include "platform/view_controller.hpp"

namespace platform {
namespace {
DisplayRequestHandler& displayRequestHandler() {
    static DisplayRequestHandler handler;
    return handler;
}
}  // namespace

void setDisplayRequestHandler(DisplayRequestHandler handler) { displayRequestHandler() = std::move(handler); }

Point Touch::location(const View* in) const {
    return in != nullptr ? in->convertFromWindow(windowLocation) : windowLocation;
}

View::View(Rect frame) : frame_(frame) {}

View::~View() = default;

void View::setFrame(Rect frame) {
    const bool resized = frame.size != frame_.size;
    frame_ = frame;
    if (resized) setNeedsDisplay();
}

void View::adopt(std::unique_ptr<View> view) {
    if (!view || view.get() == this) return;
    // A view has one superview: adding it elsewhere moves it.
    if (view->superview_ != nullptr) {
        View* old = view->superview_;
        auto& siblings = old->subviews_;
        auto it = std::find_if(siblings.begin(), siblings.end(),
                               [&](const auto& v) { return v.get() == view.get(); });
        if (it != siblings.end()) {
            it->release();
            siblings.erase(it);
        }
    }
    view->superview_ = this;
    subviews_.push_back(std::move(view));
    setNeedsDisplay();
}

std::unique_ptr<View> View::removeFromSuperview() {
    if (superview_ == nullptr) return nullptr;
    auto& siblings = superview_->subviews_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [&](const auto& v) { return v.get() == this; });
    if (it == siblings.end()) return nullptr;
    std::unique_ptr<View> self = std::move(*it);
    siblings.erase(it);
    superview_->setNeedsDisplay();
    superview_ = nullptr;
    return self;
}

View* View::viewWithTag(std::int64_t tag) {
    if (tag_ == tag) return this;
    for (const auto& sub : subviews_)
        if (View* found = sub->viewWithTag(tag)) return found;
    return nullptr;
}

Responder* View::nextResponder() const {
    if (viewController_ != nullptr) return viewController_;
    return superview_;
}

Point View::convertToWindow(Point p) const {
    for (const View* v = this; v != nullptr; v = v->superview_) {
        p.x += v->frame_.origin.x;
        p.y += v->frame_.origin.y;
    }
    return p;
}

Point View::convertFromWindow(Point p) const {
    const Point origin = convertToWindow({0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

void View::draw(Rect /*rect*/) {}

void View::setNeedsDisplay() {
    ++displayRequests_;
    if (auto& handler = displayRequestHandler()) handler(*this);
}

void View::render(GraphicsContext& context) {
    if (hidden_) return;
    ContextScope scope(&context);
    context.saveGState();
    // Nothing thrown while painting may reach the event loop: what failed is
    // simply not drawn.
    try {
        if (!backgroundColor_.isClear()) {
            context.setFillColor(backgroundColor_);
            context.fillRect(bounds());
        }
        draw(bounds());
    } catch (...) {
    }
    context.restoreGState();
    for (const auto& sub : subviews_) {
        if (sub->hidden_) continue;
        context.saveGState();
        context.translateBy(sub->frame_.origin.x, sub->frame_.origin.y);
        sub->render(context);
        context.restoreGState();
    }
}

void View::touchesBegan(const std::vector<Touch>& /*touches*/) {}

void View::touchesEnded(const std::vector<Touch>& /*touches*/) {}

bool View::scrollWheel(Point /*notches*/) { return false; }

bool View::keyPressed(KeyboardKey /*key*/) { return false; }

View* View::hitTest(Point p) {
    if (hidden_ || !userInteractionEnabled_ || !bounds().contains(p)) return nullptr;
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
        const Rect f = (*it)->frame_;
        if (View* hit = (*it)->hitTest({p.x - f.origin.x, p.y - f.origin.y})) return hit;
    }
    return this;
}

}  // namespace platform
