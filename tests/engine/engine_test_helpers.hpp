#pragma once
// Shared helpers of the engine tests: measuring and drawing a record into a
// recording context, what a learner reads of a drawing, counting measurements,
// pictures for a person to look at.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/items.hpp"
#include "engine/text_measure.hpp"
#include "platform/font.hpp"
#include "platform/image_renderer.hpp"
#include "platform/recording_context.hpp"
#include "records/types.hpp"
#include "records/writers.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender::testing {

inline constexpr double kMedium = platform::FontWeight::medium;

inline std::string startOf(const Record& r) { return r[0][1]; }

inline ItemBox measure(const Record& r, double size = 32) {
    return measureItems(r, startOf(r), defaultFontName(), size, kMedium);
}

// The context is handed back whole: a context cannot be copied or moved.
inline std::unique_ptr<platform::RecordingContext> record(const Record& r, double x = 0, double y = 100,
                                                          double size = 32) {
    auto context = std::make_unique<platform::RecordingContext>();
    const platform::ContextScope scope(context.get());
    drawItems(r, startOf(r), defaultFontName(), x, y, size, kMedium);
    return context;
}

// The lines one under the other at `size`, on white with a margin of 10,
// into a picture `width` wide written as `name` (a PNG in the test output
// folder) for a person to look at.
inline void savePicture(const std::vector<Record>& lines, double size, double width,
                        const std::string& name) {
    const double gap = 3 * size;
    double height = 20 - gap;
    for (const Record& line : lines) height += measure(line, size).height + gap;
    const platform::RasterImage image =
        platform::ImageRenderer({width, height}, 2).image([&](platform::GraphicsContext& c) {
            c.setFillColor(platform::UIColor::white());
            c.fillRect({0, 0, width, height});
            double y = 10;
            for (const Record& line : lines) {
                const ItemBox box = measure(line, size);
                drawItems(line, startOf(line), defaultFontName(), 10, y + box.ascent, size, kMedium);
                y += box.height + gap;
            }
        });
    EXPECT_TRUE(image.savePNG(testOutputPath(name + ".png"))) << name;
}

// A colour as one letter: black none, "~" clear, "L" light gray, "G" gray,
// "w" white, "r" red, "g" green, "b" blue, "c" cyan.
inline std::string colourCode(const platform::UIColor& c) {
    using C = platform::UIColor;
    const std::pair<C, const char*> codes[] = {{C::black(), ""},  {C::clear(), "~"}, {C::lightGray(), "L"},
                                               {C::gray(), "G"},  {C::white(), "w"}, {C::red(), "r"},
                                               {C::green(), "g"}, {C::blue(), "b"},  {C::cyan(), "c"}};
    for (const auto& [colour, code] : codes)
        if (colour == c) return code;
    return "?";
}

// What a learner reads, in drawing order, "|" between: each text with its
// colour, "^" when heavy, "m" in the monospaced family; each stroke as "/" and
// each fill (a text's background too) as "#", with its colour.
inline std::string reads(const platform::RecordingContext& context) {
    std::string out;
    for (const platform::RecordedOperation& op : context.operations()) {
        out += out.empty() ? "" : "|";
        if (op.isPath()) {
            const bool fill = op.mode == platform::PathDrawingMode::fill;
            out += fill ? "#" + colourCode(op.fillColor) : "/" + colourCode(op.strokeColor);
            continue;
        }
        out += op.text + colourCode(op.attributes.foregroundColor);
        if (op.attributes.font.weight == platform::FontWeight::heavy) out += "^";
        if (op.attributes.font.family == platform::FontFamily::monospacedSystem) out += "m";
    }
    return out;
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
