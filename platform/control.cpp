#include "platform/control.hpp"

namespace platform {

UIControl::UIControl(Rect frame) : View(frame) {}

void UIControl::addTarget(Responder* target, const std::string& selector, unsigned events) {
    actions_.push_back({target, selector, events});
}

Responder* responderFor(Responder* start, const std::string& selector) {
    for (Responder* r = start; r != nullptr; r = r->nextResponder())
        if (r->respondsToAction(selector)) return r;
    return nullptr;
}

void UIControl::sendActions(unsigned events) {
    // A copy: an action may register further actions on this control.
    const std::vector<Action> actions = actions_;
    for (const auto& a : actions) {
        if ((a.events & events) == 0) continue;
        if (a.target != nullptr) {
            a.target->performAction(a.selector, this);
        } else if (Responder* r = responderFor(this, a.selector)) {
            r->performAction(a.selector, this);
        }
    }
}

void UIControl::setHighlighted(bool highlighted) {
    if (highlighted_ == highlighted) return;
    highlighted_ = highlighted;
    highlightChanged();
    setNeedsDisplay();
}

void UIControl::touchesBegan(const std::vector<Touch>& /*touches*/) {
    setHighlighted(true);
    sendActions(ControlEvent::touchDown);
}

void UIControl::touchesEnded(const std::vector<Touch>& touches) {
    const bool wasTracking = highlighted_;
    setHighlighted(false);
    if (!wasTracking || touches.empty()) return;
    if (bounds().contains(touches.front().location(this))) sendActions(ControlEvent::touchUpInside);
}

void tap(UIControl& control) { control.sendActions(ControlEvent::touchUpInside); }

View* touchAt(View& window, Point windowLocation) {
    View* hit = window.hitTest(window.convertFromWindow(windowLocation));
    if (hit == nullptr) return nullptr;
    const std::vector<Touch> touches{Touch{windowLocation}};
    hit->touchesBegan(touches);
    hit->touchesEnded(touches);
    return hit;
}

}  // namespace platform
