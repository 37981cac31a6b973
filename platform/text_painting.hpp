#pragma once
// Internal to the platform layer: painting text with a QPainter, kept beside
// the fonts so the fonts' Qt details stay in one file.
#include <string>

#include "platform/font.hpp"

namespace platform::detail {

// `qpainter` is an active QPainter whose transform is already set; the text's
// line box has its top-left at `topLeft`.
void paintText(void* qpainter, const std::string& text, Point topLeft, const TextAttributes& attributes);

}  // namespace platform::detail
