#include "engine/text_measure.hpp"

namespace radixmender {
namespace {

class PlatformMeasurer : public TextMeasurer {
public:
    platform::Size textSize(const std::string& text, const platform::UIFont& font) const override {
        return platform::sizeWithAttributes(text, {font});
    }
    FontMetrics metrics(const platform::UIFont& font) const override {
        return {font.pointSize,   font.ascender(), font.descender(),
                font.capHeight(), font.xHeight(),  font.lineHeight()};
    }
};

const TextMeasurer* gMeasurer = nullptr;

}  // namespace

const TextMeasurer& textMeasurer() {
    static const PlatformMeasurer platformMeasurer;
    return gMeasurer != nullptr ? *gMeasurer : platformMeasurer;
}

ScopedTextMeasurer::ScopedTextMeasurer(const TextMeasurer& measurer) : previous_(gMeasurer) {
    gMeasurer = &measurer;
}

ScopedTextMeasurer::~ScopedTextMeasurer() { gMeasurer = previous_; }

}  // namespace radixmender
