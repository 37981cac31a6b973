#pragma once
// The view base: a rectangle in its superview's coordinates that owns its
// subviews, draws itself into the current graphics context and receives
// touches. Shaped after UIKit's UIView.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/color.hpp"
#include "platform/geometry.hpp"
#include "platform/layout.hpp"

namespace platform {

class GraphicsContext;
class View;
class ViewController;

struct Touch {
    Point windowLocation;
    // The touch's location in a view's own coordinates.
    [[nodiscard]] Point location(const View* in) const;
};

// The keys of a desktop keyboard that views act on; every other key is `other`.
enum class KeyboardKey { leftArrow, rightArrow, upArrow, downArrow, pageUp, pageDown, other };

// The object that receives an action travelling up the responder chain.
class Responder {
public:
    virtual ~Responder() = default;
    virtual Responder* nextResponder() const { return nullptr; }
    // Actions travel by selector name, such as "keyPressedWithSender:". A
    // responder that implements one answers true and takes it in `performAction`.
    virtual bool respondsToAction(const std::string& /*selector*/) const { return false; }
    virtual void performAction(const std::string& /*selector*/, View* /*sender*/) {}
};

class View : public Responder {
public:
    explicit View(Rect frame = {});
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    [[nodiscard]] Rect frame() const { return frame_; }
    virtual void setFrame(Rect frame);
    [[nodiscard]] Rect bounds() const { return {0, 0, frame_.size.width, frame_.size.height}; }

    [[nodiscard]] std::int64_t tag() const { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }

    [[nodiscard]] UIColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(UIColor color) { backgroundColor_ = color; setNeedsDisplay(); }

    [[nodiscard]] bool isHidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; setNeedsDisplay(); }

    [[nodiscard]] bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }

    bool translatesAutoresizingMaskIntoConstraints = true;

    // The view tree. A view owns its subviews; the order is the z-order.
    template <typename T>
    T* addSubview(std::unique_ptr<T> view) {
        T* raw = view.get();
        adopt(std::unique_ptr<View>(std::move(view)));
        return raw;
    }
    std::unique_ptr<View> removeFromSuperview();
    [[nodiscard]] View* superview() const { return superview_; }
    [[nodiscard]] const std::vector<std::unique_ptr<View>>& subviews() const { return subviews_; }
    // The receiver first, then its subviews depth first in order.
    [[nodiscard]] View* viewWithTag(std::int64_t tag);

    // The controller whose root view this is, if any.
    [[nodiscard]] ViewController* viewController() const { return viewController_; }
    void setViewController(ViewController* controller) { viewController_ = controller; }
    Responder* nextResponder() const override;

    // Coordinates.
    [[nodiscard]] Point convertToWindow(Point p) const;
    [[nodiscard]] Point convertFromWindow(Point p) const;

    // Drawing. `draw` runs with the current graphics context set.
    virtual void draw(Rect rect);
    void setNeedsDisplay();
    [[nodiscard]] std::int64_t displayRequests() const { return displayRequests_; }
    // Draws the background, `draw` and the subviews into `context`.
    void render(GraphicsContext& context);

    // Touches, in window coordinates; `touchesBegan` of a plain view does nothing.
    virtual void touchesBegan(const std::vector<Touch>& touches);
    virtual void touchesEnded(const std::vector<Touch>& touches);
    // Desktop input. A turn of the mouse wheel over the view, in notches
    // (positive towards the right and downwards, as the page would scroll),
    // and a key press. A view answers true when it takes the event; a plain
    // view takes neither.
    virtual bool scrollWheel(Point notches);
    virtual bool keyPressed(KeyboardKey key);
    // The deepest visible, interactive view under a point in this view's coordinates.
    [[nodiscard]] virtual View* hitTest(Point p);

    // Layout: the subclass hook and the pass that solves the anchors below this view.
    virtual void layoutSubviews() {}
    void layoutIfNeeded();

    // Anchors (platform/layout.hpp). Making a constraint activates it.
    [[nodiscard]] LayoutYAxisAnchor topAnchor() { return LayoutYAxisAnchor({this, false, LayoutAttribute::top}); }
    [[nodiscard]] LayoutYAxisAnchor bottomAnchor() {
        return LayoutYAxisAnchor({this, false, LayoutAttribute::bottom});
    }
    [[nodiscard]] LayoutXAxisAnchor leadingAnchor() {
        return LayoutXAxisAnchor({this, false, LayoutAttribute::leading});
    }
    [[nodiscard]] LayoutXAxisAnchor trailingAnchor() {
        return LayoutXAxisAnchor({this, false, LayoutAttribute::trailing});
    }
    [[nodiscard]] LayoutXAxisAnchor centerXAnchor() {
        return LayoutXAxisAnchor({this, false, LayoutAttribute::centerX});
    }
    [[nodiscard]] LayoutDimension widthAnchor() { return LayoutDimension({this, false, LayoutAttribute::width}); }
    [[nodiscard]] LayoutDimension heightAnchor() { return LayoutDimension({this, false, LayoutAttribute::height}); }
    // The bounds inset by `safeAreaInsets`, which the window (or a test) sets.
    [[nodiscard]] LayoutGuide safeAreaLayoutGuide() { return LayoutGuide(this); }
    [[nodiscard]] EdgeInsets safeAreaInsets() const;
    void setSafeAreaInsets(EdgeInsets insets);
    // The natural size of the content; a negative extent means none.
    static constexpr double kNoIntrinsicMetric = -1;
    [[nodiscard]] virtual Size intrinsicContentSize() const { return {kNoIntrinsicMetric, kNoIntrinsicMetric}; }
    // The layout engine's record for this view, made on first use (layout.cpp).
    [[nodiscard]] LayoutNode& layoutNode() const;
    [[nodiscard]] LayoutNode* layoutNodeIfAny() const { return layoutNode_.get(); }

private:
    void adopt(std::unique_ptr<View> view);

    Rect frame_;
    std::int64_t tag_ = 0;
    UIColor backgroundColor_ = UIColor::clear();
    bool hidden_ = false;
    bool userInteractionEnabled_ = true;
    View* superview_ = nullptr;
    ViewController* viewController_ = nullptr;
    std::vector<std::unique_ptr<View>> subviews_;
    std::int64_t displayRequests_ = 0;
    // Shared only so that constraints can notice, through weak references, that a view is gone.
    mutable std::shared_ptr<LayoutNode> layoutNode_;
};

}  // namespace platform
