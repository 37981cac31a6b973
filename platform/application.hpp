#pragma once
// The application object and its start-up, in place of UIApplicationMain:
// make the platform's application, the delegate (by class name), load the
// screen layout resource, create the window, show the layout's first screen
// and tell the delegate that launching has finished.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/storyboard.hpp"
#include "platform/window.hpp"

namespace platform {

class UIApplication;

// Launch options by key; start-up from the command line passes none.
using LaunchOptions = std::map<std::string, std::string>;

class UIApplicationDelegate : public Responder {
public:
    // The application's window; the platform fills it at start-up.
    std::shared_ptr<UIWindow> window;

    virtual bool application(UIApplication& /*application*/, const LaunchOptions* /*options*/) {
        return true;
    }
    virtual void applicationWillResignActive(UIApplication& /*application*/) {}
    virtual void applicationDidEnterBackground(UIApplication& /*application*/) {}
    virtual void applicationWillEnterForeground(UIApplication& /*application*/) {}
    virtual void applicationDidBecomeActive(UIApplication& /*application*/) {}
    virtual void applicationWillTerminate(UIApplication& /*application*/) {}
};

using DelegateFactory = std::function<std::unique_ptr<UIApplicationDelegate>()>;

// Class name → factory of application delegates.
class DelegateRegistry {
public:
    static void registerClass(const std::string& className, DelegateFactory factory);
    // Throws std::logic_error for a name that was never registered.
    static std::unique_ptr<UIApplicationDelegate> make(const std::string& className);
};

// Where the screen layout resource is, unless a launch names another one.
inline constexpr const char kMainStoryboardPath[] = ":/Main.storyboard.json";

struct LaunchConfiguration {
    std::string delegateClassName;
    std::string storyboardPath = kMainStoryboardPath;
    Size windowSize = UIWindow::kPhoneSize;
    bool showWindow = true;
    const LaunchOptions* options = nullptr;
};

class UIApplication : public Responder {
public:
    ~UIApplication() override;
    UIApplication(const UIApplication&) = delete;
    UIApplication& operator=(const UIApplication&) = delete;

    // Launches without entering the event loop (tests, benchmarks, and the
    // first half of UIApplicationMain). Throws when the delegate class is
    // unknown or the layout cannot be loaded.
    static std::unique_ptr<UIApplication> launch(const LaunchConfiguration& configuration);
    // The application running now, or null.
    static UIApplication* shared();

    // The platform's event loop; returns when the last window closes.
    int run();

    [[nodiscard]] UIApplicationDelegate& delegate() const { return *delegate_; }
    [[nodiscard]] UIWindow& window() const { return *delegate_->window; }
    [[nodiscard]] const Storyboard& storyboard() const { return *storyboard_; }
    // What the delegate answered when launching finished.
    [[nodiscard]] bool didFinishLaunching() const { return launched_; }

    // After the window comes the application, then its delegate.
    Responder* nextResponder() const override { return delegate_.get(); }

private:
    UIApplication() = default;

    std::unique_ptr<Storyboard> storyboard_;
    std::unique_ptr<UIApplicationDelegate> delegate_;
    bool launched_ = false;
    std::unique_ptr<struct ApplicationStateWatch> watch_;
};

// Makes the platform's application from the command line and runs the
// launched application's event loop. A principal class other than the
// platform's own is not supported (none is needed). Returns the loop's result.
int UIApplicationMain(int argc, char** argv, const std::optional<std::string>& principalClassName,
                      const std::string& delegateClassName);

}  // namespace platform
