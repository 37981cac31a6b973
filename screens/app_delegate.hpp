#pragma once
// The application delegate: it reports a successful launch and does nothing
// else; the window and the screens come from the screen layout resource.
#include "platform/application.hpp"

namespace radixmender {

class AppDelegate : public platform::UIApplicationDelegate {
public:
    AppDelegate() { window = nullptr; }

    bool application(platform::UIApplication& application, const platform::LaunchOptions* options) override;
    // The life-cycle callbacks share one empty body.
    void applicationWillResignActive(platform::UIApplication& application) override { ignore(application); }
    void applicationDidEnterBackground(platform::UIApplication& application) override { ignore(application); }
    void applicationWillEnterForeground(platform::UIApplication& application) override { ignore(application); }
    void applicationDidBecomeActive(platform::UIApplication& application) override { ignore(application); }
    void applicationWillTerminate(platform::UIApplication& application) override { ignore(application); }

private:
    static void ignore(platform::UIApplication& /*application*/) {}
};

// Registers the delegate and every screen controller under its class name.
void registerScreens();

}  // namespace radixmender
