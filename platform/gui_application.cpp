#include "platform/gui_application.hpp"

#include <QGuiApplication>
#include <cstdlib>

namespace platform {

void ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    const bool hasDisplay = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && !hasDisplay) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The application keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char name[] = "radixmender";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

}  // namespace platform
