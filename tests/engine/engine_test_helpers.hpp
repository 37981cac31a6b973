#pragma once
// Shared helpers of the engine tests: drawing a record into a recording
// context, the boxes of recorded texts, and small record builders.
#include <memory>
#include <string>
#include <vector>

#include "engine/items.hpp"
#include "engine/text_measure.hpp"
#include "platform/font.hpp"
#include "platform/recording_context.hpp"
#include "records/types.hpp"
#include "records/writers.hpp"

namespace radixmender::testing {

inline constexpr double kMedium = platform::FontWeight::medium;

inline std::string startOf(const Record& r) { return r[0][1]; }

inline ItemBox measure(const Record& r, double size = 32, const std::string& font = defaultFontName()) {
    return measureItems(r, startOf(r), font, size, kMedium);
}

// The context is handed back whole: a context cannot be copied or moved.
inline std::unique_ptr<platform::RecordingContext> record(const Record& r, double x, double y,
                                                          double size = 32,
                                                          const std::string& font = defaultFontName()) {
    auto context = std::make_unique<platform::RecordingContext>();
    const platform::ContextScope scope(context.get());
    drawItems(r, startOf(r), font, x, y, size, kMedium);
    return context;
}

// The line box of a recorded text.
inline platform::Rect textBox(const platform::RecordedOperation& op) {
    const platform::Size s = textSize(op.text, op.attributes.font);
    return {op.topLeft, s};
}

// A "font" item naming `name` around the record's outermost item.
inline Record withFont(const std::string& name, Record r) {
    const std::string operand = startOf(r);
    r.push_back({"font", name});
    r.push_back({"font_locator", operand});
    r.push_back({"font_tag", "anon"});
    r[0][1] = std::to_string(r.size() - 3);
    return r;
}

// "+" joins that each take the join below as both operands: no tree.
inline Record sharedOperandLine(int levels) {
    Record r = makeIntegerRecord(7);
    for (int i = 0; i < levels; ++i) {
        const std::string below = startOf(r);
        r.insert(
            r.end(),
            {{"join", "+"}, {"join_locator", below, below}, {"join_color", "black"}, {"join_tag", "anon"}});
        r[0][1] = std::to_string(r.size() - 4);
    }
    return r;
}

// Counts the engine's text measurements and font metrics while it lives.
struct CountingMeasurer : TextMeasurer {
    mutable int calls = 0;
    const TextMeasurer& inner = textMeasurer();
    const ScopedTextMeasurer scope{*this};
    platform::Size textSize(const std::string& t, const platform::UIFont& f) const override {
        return ++calls, inner.textSize(t, f);
    }
    FontMetrics metrics(const platform::UIFont& f) const override { return ++calls, inner.metrics(f); }
};

}  // namespace radixmender::testing
