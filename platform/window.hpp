#pragma once
// The window that shows a view tree on screen: it paints the tree, turns
// mouse and touch events into touches on the view under them, and lays the
// tree out whenever its size changes or an event has been handled. It opens
// phone-sized and can be resized; its width is the main screen's width.
#include <memory>
#include <string>

#include "platform/geometry.hpp"
#include "platform/layout.hpp"
#include "platform/view_controller.hpp"

namespace platform {

class UIWindow {
public:
    static constexpr Size kPhoneSize{390, 844};

    explicit UIWindow(Size size = kPhoneSize);
    ~UIWindow();
    UIWindow(const UIWindow&) = delete;
    UIWindow& operator=(const UIWindow&) = delete;

    void setRootViewController(std::unique_ptr<ViewController> controller);
    [[nodiscard]] ViewController* rootViewController() const { return root_.get(); }
    // The window's own view, which holds the root controller's view.
    [[nodiscard]] View* view() const { return view_.get(); }

    // Shows the window on screen (without a display, on the offscreen platform).
    void makeKeyAndVisible();
    [[nodiscard]] bool isVisible() const;

    [[nodiscard]] Size size() const { return size_; }
    void resize(Size size);
    // Insets of the device (status bar, home indicator); the navigation bar adds its own.
    void setSafeAreaInsets(EdgeInsets insets);
    [[nodiscard]] EdgeInsets safeAreaInsets() const { return insets_; }

    // Places the root controller's view and solves the tree's anchors.
    void layout();

    // Test hooks that go through the same path as the platform's events: a
    // press and a release at a point in window coordinates.
    void tap(Point p);
    void press(Point p);
    void release(Point p);
    // A turn of the mouse wheel by `notches` (as View::scrollWheel counts
    // them) with the pointer at `p`, sent in Qt's eighths of a degree and
    // clamped to what its event holds; and a key press.
    void scrollWheel(Point p, Point notches);
    void pressKey(KeyboardKey key);
    // The centre of a view in window coordinates, for tapping it.
    [[nodiscard]] static Point centre(const View* view);

    // Paints the window into a PNG file at the given scale (what the screen would show).
    bool renderToPNG(const std::string& path, double scale = 1) const;
    // How many frames the platform has painted.
    [[nodiscard]] int paintedFrames() const;
    // Processes pending platform events until a frame has been painted or
    // `timeoutMs` has passed; true when one was painted.
    bool waitForPaint(int timeoutMs);

    struct Host;

private:
    void paintInto(void* qpainter) const;
    void deliverPress(Point p);
    void deliverRelease(Point p);
    void deliverWheel(Point p, Point notches);
    void deliverKey(KeyboardKey key);
    friend struct Host;

    Size size_;
    EdgeInsets insets_;
    std::unique_ptr<View> view_;
    std::unique_ptr<ViewController> root_;
    View* pressed_ = nullptr;
    std::unique_ptr<Host> host_;
};

}  // namespace platform
