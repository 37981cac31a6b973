#pragma once
// Platform colours, as UIKit's class colours give them.
#include "records/vocabulary.hpp"

namespace platform {

struct UIColor {
    double r = 0, g = 0, b = 0, a = 0;

    static UIColor clear() { return {0, 0, 0, 0}; }
    static UIColor white() { return {1, 1, 1, 1}; }
    static UIColor black() { return {0, 0, 0, 1}; }
    static UIColor lightGray() { return {2.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0, 1}; }
    static UIColor gray() { return {0.5, 0.5, 0.5, 1}; }
    static UIColor darkGray() { return {1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0, 1}; }
    static UIColor red() { return {1, 0, 0, 1}; }
    static UIColor green() { return {0, 1, 0, 1}; }
    static UIColor blue() { return {0, 0, 1, 1}; }
    static UIColor cyan() { return {0, 1, 1, 1}; }
    static UIColor fromRGBA(radixmender::RGBA c) { return {c.red, c.green, c.blue, c.alpha}; }
    // A record colour name's platform colour.
    static UIColor from(radixmender::Color c) { return fromRGBA(radixmender::uiColor(c)); }

    [[nodiscard]] bool isClear() const { return a == 0; }
    bool operator==(const UIColor&) const = default;
};

// Core Graphics colours are the same values.
using CGColor = UIColor;

}  // namespace platform
