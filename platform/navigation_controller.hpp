#pragma once
// A stack of screens under a navigation bar. The bar shows the top screen's
// title, a back button that pops it (when there is a screen below) and the
// top screen's right-hand bar button items, laid out from the right edge
// inwards. The bar is part of the screens' safe-area top inset.
#include <memory>
#include <vector>

#include "platform/layout.hpp"
#include "platform/view_controller.hpp"

namespace platform {

class NavigationController : public ViewController {
public:
    static constexpr double kBarHeight = 44;

    NavigationController();
    ~NavigationController() override;

    // Shows `controller` on top; its view loads now if it has not yet.
    void pushViewController(std::unique_ptr<ViewController> controller);
    // Removes the top screen and hands it back; none when only the root is left.
    std::unique_ptr<ViewController> popViewController();

    [[nodiscard]] ViewController* topViewController() const;
    [[nodiscard]] const std::vector<std::unique_ptr<ViewController>>& viewControllers() const {
        return stack_;
    }

    // The bar view (loads the view), its back button (null without a screen
    // to go back to) and the views of the right-hand items, rightmost first.
    [[nodiscard]] View* navigationBar();
    [[nodiscard]] View* backButton();
    [[nodiscard]] std::vector<View*> rightBarButtonViews();

    // The insets the container gives this controller's view (the window's);
    // the screens get them plus the bar's height at the top.
    void setContainerSafeAreaInsets(EdgeInsets insets);

    // Forwarded to every screen on the stack.
    void didReceiveMemoryWarning() override;

    void loadView() override;

    // Places the bar and the top screen's view; refreshes the bar's items.
    void layoutContent();

private:
    void showTop();
    void hideTop();

    std::vector<std::unique_ptr<ViewController>> stack_;
    EdgeInsets containerInsets_;
    View* bar_ = nullptr;
};

}  // namespace platform
