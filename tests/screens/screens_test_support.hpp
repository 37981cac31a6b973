#pragma once
// Helpers for driving the whole app headless: launch it from the layout
// resource, find views by what they show, tap them through the window, and
// install a scripted chance for the practice screen.
#include <memory>
#include <string>
#include <vector>

#include "platform/application.hpp"
#include "platform/button.hpp"
#include "platform/label.hpp"
#include "platform/navigation_controller.hpp"
#include "platform/window.hpp"
#include "screens/app_delegate.hpp"
#include "screens/radixmender_practice_vc.hpp"
#include "tests/support/scripted_source.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender::testing {

inline std::unique_ptr<platform::UIApplication> launchApp(
    platform::Size size = platform::UIWindow::kPhoneSize) {
    registerScreens();
    platform::LaunchConfiguration configuration;
    configuration.delegateClassName = "AppDelegate";
    configuration.windowSize = size;
    configuration.showWindow = false;
    return platform::UIApplication::launch(configuration);
}

inline platform::NavigationController& navigation(platform::UIApplication& app) {
    return dynamic_cast<platform::NavigationController&>(*app.window().rootViewController());
}

template <typename T>
T* top(platform::UIApplication& app) {
    return dynamic_cast<T*>(navigation(app).topViewController());
}

// Depth first, visible views only.
inline void collect(platform::View* view, std::vector<platform::View*>& out) {
    if (view->isHidden()) return;
    out.push_back(view);
    for (const auto& sub : view->subviews()) collect(sub.get(), out);
}

// Whether the window's own layout left nothing for another pass to move.
inline bool settled(platform::UIWindow& window) {
    const auto frames = [&] {
        std::vector<platform::View*> views;
        collect(window.view(), views);
        std::vector<platform::Rect> out;
        for (const auto* v : views) out.push_back(v->frame());
        return out;
    };
    const auto before = frames();
    window.view()->layoutIfNeeded();
    return frames() == before;
}

inline platform::UIButton* buttonTitled(platform::View* root, const std::string& title) {
    std::vector<platform::View*> views;
    collect(root, views);
    for (auto* v : views) {
        auto* button = dynamic_cast<platform::UIButton*>(v);
        if (button != nullptr && button->currentTitle() == title) return button;
    }
    return nullptr;
}

inline platform::UILabel* labelTagged(platform::View* root, std::int64_t tag) {
    return dynamic_cast<platform::UILabel*>(root->viewWithTag(tag));
}

// Taps the centre of the button with this title somewhere on the window; false when there is none.
inline bool tapTitled(platform::UIApplication& app, const std::string& title) {
    auto* button = buttonTitled(app.window().view(), title);
    if (button == nullptr) return false;
    app.window().tap(platform::UIWindow::centre(button));
    return true;
}

// Installs a source for the practice screens made while it lives.
struct InstalledSource {
    explicit InstalledSource(RandomSource& source) { Radixmender_Practice_VC::setRandomSource(&source); }
    ~InstalledSource() { Radixmender_Practice_VC::setRandomSource(nullptr); }
    InstalledSource(const InstalledSource&) = delete;
    InstalledSource& operator=(const InstalledSource&) = delete;
};

}  // namespace radixmender::testing
