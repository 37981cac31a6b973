#pragma once
// Text needs the platform's application object. Tools and tests that draw
// without the app call this first; fonts call it themselves.
namespace platform {

// Creates the application object when there is none. Without a display (no
// DISPLAY or WAYLAND_DISPLAY) and no QT_QPA_PLATFORM, the offscreen platform is used.
void ensureGuiApplication();

}  // namespace platform
