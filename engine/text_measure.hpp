#pragma once
// Every text measurement of the engine goes through one measurer, so tests
// can put a simple fake in place of the platform's fonts.
#include <string>

#include "platform/font.hpp"
#include "platform/geometry.hpp"

namespace radixmender {

struct FontMetrics {
    double pointSize = 0;
    double ascender = 0;
    double descender = 0;  // negative
    double capHeight = 0;
    double xHeight = 0;
    double lineHeight = 0;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    [[nodiscard]] virtual platform::Size textSize(const std::string& text,
                                                  const platform::UIFont& font) const = 0;
    [[nodiscard]] virtual FontMetrics metrics(const platform::UIFont& font) const = 0;
};

// The measurer in use: the platform's fonts unless a test installed another.
const TextMeasurer& textMeasurer();

// Installs a measurer for its lifetime.
class ScopedTextMeasurer {
public:
    explicit ScopedTextMeasurer(const TextMeasurer& measurer);
    ~ScopedTextMeasurer();
    ScopedTextMeasurer(const ScopedTextMeasurer&) = delete;
    ScopedTextMeasurer& operator=(const ScopedTextMeasurer&) = delete;

private:
    const TextMeasurer* previous_;
};

inline platform::Size textSize(const std::string& text, const platform::UIFont& font) {
    return textMeasurer().textSize(text, font);
}
inline FontMetrics fontMetrics(const platform::UIFont& font) { return textMeasurer().metrics(font); }

}  // namespace radixmender
