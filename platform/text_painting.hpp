#pragma once
// Internal to the platform layer: painting text with a QPainter, kept beside
// the fonts so the fonts' Qt details stay in one file.
#include <QRectF>
#include <string>

#include "platform/font.hpp"

class QPainter;

namespace platform::detail {

// `qpainter` is an active QPainter whose transform is already set; the text's
// line box has its top-left at `topLeft`.
void paintText(void* qpainter, const std::string& text, Point topLeft, const TextAttributes& attributes);

// The part of the painter's device that can show anything: its viewport,
// cut to the clip if there is one.
QRectF visibleOnDevice(const QPainter& painter);

}  // namespace platform::detail
