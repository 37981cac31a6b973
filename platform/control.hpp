#pragma once
// Controls send actions to targets when events happen, as UIKit's UIControl.
//
// An action with an explicit target is performed on that target. An action
// with no target travels up the responder chain from the control itself
// (view, then its controller when it is that controller's root view, then the
// superview, ...) to the first responder that implements the selector; when
// none does, the action is dropped.
#include <string>
#include <vector>

#include "platform/view.hpp"

namespace platform {

// UIControl.Event raw values.
namespace ControlEvent {
inline constexpr unsigned touchDown = 1;
inline constexpr unsigned touchUpInside = 64;
}  // namespace ControlEvent

class UIControl : public View {
public:
    explicit UIControl(Rect frame = {});

    struct Action {
        Responder* target = nullptr;  // not owned; none sends up the responder chain
        std::string selector;
        unsigned events = 0;
    };

    void addTarget(Responder* target, const std::string& selector, unsigned events);
    [[nodiscard]] const std::vector<Action>& actions() const { return actions_; }

    // Performs every action registered for one of `events`.
    void sendActions(unsigned events);

    // True between a touch going down on the control and its release.
    [[nodiscard]] bool isHighlighted() const { return highlighted_; }

    void touchesBegan(const std::vector<Touch>& touches) override;
    void touchesEnded(const std::vector<Touch>& touches) override;

protected:
    virtual void highlightChanged() {}

private:
    void setHighlighted(bool highlighted);

    std::vector<Action> actions_;
    bool highlighted_ = false;
};

// The first responder from `start` upwards that implements `selector`, or none.
Responder* responderFor(Responder* start, const std::string& selector);

// Test hooks. `tap` releases a finger inside the control (touch-up-inside).
// `touchAt` delivers a touch down and up at a position in the coordinates of
// `window` (the root of a view tree) to whatever view hit testing finds
// there, and returns that view.
void tap(UIControl& control);
View* touchAt(View& window, Point windowLocation);

}  // namespace platform
