#pragma once
// Fonts with UIKit's weights and metrics. Sizes are fractional points and are
// never rounded; the metrics follow UIKit's signs (the descender is negative).
#include <optional>
#include <string>

#include "platform/color.hpp"
#include "platform/geometry.hpp"

namespace platform {

namespace FontWeight {
inline constexpr double light = -0.4;
inline constexpr double regular = 0.0;
inline constexpr double medium = 0.23;
inline constexpr double semibold = 0.3;
inline constexpr double bold = 0.4;
inline constexpr double heavy = 0.56;
}  // namespace FontWeight

enum class FontFamily {
    system,                 // DejaVu Sans
    monospacedDigitSystem,  // DejaVu Sans (its digits are tabular)
    monospacedSystem,       // DejaVu Sans Mono
};

struct UIFont {
    FontFamily family = FontFamily::system;
    double pointSize = 17;
    double weight = FontWeight::regular;

    static UIFont systemFont(double size, double weight = FontWeight::regular) {
        return {FontFamily::system, size, weight};
    }
    static UIFont monospacedDigitSystemFont(double size, double weight) {
        return {FontFamily::monospacedDigitSystem, size, weight};
    }
    static UIFont monospacedSystemFont(double size, double weight) {
        return {FontFamily::monospacedSystem, size, weight};
    }
    // The font of a family by name, as UIFont(name:size:): none when this
    // platform has no such family (it has only the system families, by their names).
    static std::optional<UIFont> named(const std::string& name, double size);

    // Metrics in points, cached per (family, size, weight).
    [[nodiscard]] double ascender() const;
    [[nodiscard]] double descender() const;  // negative
    [[nodiscard]] double capHeight() const;
    [[nodiscard]] double xHeight() const;
    [[nodiscard]] double lineHeight() const;
    [[nodiscard]] double leading() const;

    bool operator==(const UIFont&) const = default;
};

// The attributes of a run of text.
struct TextAttributes {
    UIFont font;
    UIColor foregroundColor = UIColor::black();
    UIColor backgroundColor = UIColor::clear();
    bool operator==(const TextAttributes&) const = default;
};

// The size of a one-line text: its typographic advance and its line height
// (taller where a fallback font such as the emoji font raises the line).
Size sizeWithAttributes(const std::string& text, const TextAttributes& attributes);

}  // namespace platform
