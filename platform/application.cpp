#include "platform/application.hpp"

#include <QGuiApplication>
#include <QObject>
#include <cstdlib>
#include <stdexcept>

#include "platform/gui_application.hpp"

namespace platform {

namespace {

std::map<std::string, DelegateFactory>& delegates() {
    static std::map<std::string, DelegateFactory> factories;
    return factories;
}

UIApplication*& sharedApplication() {
    static UIApplication* application = nullptr;
    return application;
}

}  // namespace

// Tells the delegate about the platform's state changes.
struct ApplicationStateWatch {
    QMetaObject::Connection stateChanged;
    QMetaObject::Connection aboutToQuit;
    ~ApplicationStateWatch() {
        QObject::disconnect(stateChanged);
        QObject::disconnect(aboutToQuit);
    }
};

void DelegateRegistry::registerClass(const std::string& className, DelegateFactory factory) {
    delegates()[className] = std::move(factory);
}

std::unique_ptr<UIApplicationDelegate> DelegateRegistry::make(const std::string& className) {
    const auto found = delegates().find(className);
    if (found == delegates().end() || !found->second) {
        throw std::logic_error("no application delegate class registered as \"" + className + "\"");
    }
    return found->second();
}

UIApplication::~UIApplication() {
    watch_.reset();
    if (sharedApplication() == this) sharedApplication() = nullptr;
    // The window (and the screens in it) go before the layout they came from.
    if (delegate_) delegate_->window.reset();
    delegate_.reset();
    storyboard_.reset();
}

std::unique_ptr<UIApplication> UIApplication::launch(const LaunchConfiguration& configuration) {
    ensureGuiApplication();
    std::unique_ptr<UIApplication> application(new UIApplication);
    application->delegate_ = DelegateRegistry::make(configuration.delegateClassName);
    application->storyboard_ = Storyboard::load(configuration.storyboardPath);
    sharedApplication() = application.get();

    auto window = std::make_shared<UIWindow>(configuration.windowSize);
    application->delegate_->window = window;
    window->setRootViewController(application->storyboard_->instantiateInitialViewController());
    if (configuration.showWindow) window->makeKeyAndVisible();

    auto* app = application.get();
    application->watch_ = std::make_unique<ApplicationStateWatch>();
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        application->watch_->stateChanged = QObject::connect(
            gui, &QGuiApplication::applicationStateChanged, [app](Qt::ApplicationState state) {
                auto& d = *app->delegate_;
                switch (state) {
                    case Qt::ApplicationActive:
                        d.applicationDidBecomeActive(*app);
                        break;
                    case Qt::ApplicationInactive:
                        d.applicationWillResignActive(*app);
                        break;
                    case Qt::ApplicationHidden:
                    case Qt::ApplicationSuspended:
                        d.applicationDidEnterBackground(*app);
                        break;
                }
            });
        application->watch_->aboutToQuit = QObject::connect(
            gui, &QCoreApplication::aboutToQuit, [app] { app->delegate_->applicationWillTerminate(*app); });
    }
    application->launched_ = application->delegate_->application(*application, configuration.options);
    return application;
}

UIApplication* UIApplication::shared() { return sharedApplication(); }

int UIApplication::run() { return QGuiApplication::exec(); }

int UIApplicationMain(int argc, char** argv, const std::optional<std::string>& principalClassName,
                      const std::string& delegateClassName) {
    if (principalClassName) {
        throw std::logic_error("UIApplicationMain: only the platform's own application class is supported");
    }
    // The platform's application keeps references to the count and the vector.
    static int count = 0;
    count = argc;
    static std::unique_ptr<QGuiApplication> gui;
    if (QCoreApplication::instance() == nullptr) gui = std::make_unique<QGuiApplication>(count, argv);
    LaunchConfiguration configuration;
    configuration.delegateClassName = delegateClassName;
    auto application = UIApplication::launch(configuration);
    return application->run();
}

}  // namespace platform
