#pragma once
// How `View::setNeedsDisplay` reaches the window that shows the view: the
// window installs a handler (for Qt, one that calls update()); without one a
// request is only counted.
#include <functional>

namespace platform {

class View;

using DisplayRequestHandler = std::function<void(View& view)>;
void setDisplayRequestHandler(DisplayRequestHandler handler);

}  // namespace platform
