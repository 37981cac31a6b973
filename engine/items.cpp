// The dispatch of `measureItems` and `drawItems` on an item's keyword, the
// fonts and metric built on every entry, and the "font" item.
#include <algorithm>
#include <stdexcept>

#include "engine/item_support.hpp"
#include "engine/text_drawing.hpp"
#include "records/text.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace items {

platform::FontFamily familyForName(const std::string& fontName) {
    return fontName == kMonospacedSystemName ? platform::FontFamily::monospacedSystem
                                             : platform::FontFamily::monospacedDigitSystem;
}

EngineFonts makeEngineFonts(const std::string& fontName, double size, double weight) {
    const platform::FontFamily family = familyForName(fontName);
    EngineFonts f{{family, size, weight},
                  {family, 0.75 * size, weight},
                  {family, 0.4666666666666667 * size, weight},
                  {},
                  {},
                  {}};
    f.wholeMetrics = fontMetrics(f.whole);
    f.fractionMetrics = fontMetrics(f.fraction);
    const double barSpace = std::max(0.125 * size, 5.0);
    f.metric = Metric{size,
                      f.wholeMetrics.capHeight,
                      0.5 * f.wholeMetrics.capHeight,
                      f.wholeMetrics.ascender,
                      f.wholeMetrics.lineHeight,
                      f.wholeMetrics.xHeight,
                      0.5 * f.wholeMetrics.xHeight,
                      f.fractionMetrics.capHeight,
                      f.fractionMetrics.ascender,
                      2 * f.fractionMetrics.capHeight + barSpace,
                      f.fraction.pointSize,
                      barSpace,
                      0.5 * barSpace};
    return f;
}

const Row& Item::row(std::size_t offset) const {
    return rowAt(record, static_cast<std::int64_t>(k + offset));
}

const std::string& Item::value(std::size_t offset, std::size_t index) const {
    return entryAt(row(offset), index);
}

Color Item::color(std::size_t offset, std::size_t slot) const {
    const auto c = colorFromRawValue(value(offset, slot));
    if (!c) throw std::invalid_argument(kNilMessage);
    return *c;
}

std::size_t rowIndex(const std::string& text) {
    const auto n = parseInteger(text);
    if (!n || *n < 0) throw std::invalid_argument(kNilMessage);
    return static_cast<std::size_t>(*n);
}

platform::UIColor textColor(Color c) { return platform::UIColor::from(c); }

void drawText(const std::string& text, double x, double y, const platform::UIFont& font, Color color) {
    if (platform::GraphicsContext* context = platform::currentContext())
        context->drawText(text, {x, y}, {font, textColor(color), platform::UIColor::clear()});
}

namespace {

// Locators of a malformed record may form a cycle; real records nest a few levels.
constexpr int kMaximumDepth = 256;
int gDepth = 0;

class DepthGuard {
public:
    DepthGuard() {
        if (++gDepth > kMaximumDepth) {
            --gDepth;
            throw std::length_error("Items nested too deeply");
        }
    }
    ~DepthGuard() { --gDepth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

}  // namespace
}  // namespace items

std::string defaultFontName() { return "monospaced digit system"; }

double emphasizedWeight(double weight) {
    using namespace platform::FontWeight;
    if (weight == light) return medium;
    if (weight == medium) return heavy;
    if (weight == heavy) return bold;
    return weight;
}

// Kinds whose measuring and drawing are not built yet occupy no room:
// "block", "whole", the fraction family, "mixed_number", "box_grid",
// "box_table" and every "plug_in" sub-kind.
ItemBox measureItems(const Record& record, const std::string& start, const std::string& fontName, double size,
                     double weight) {
    using namespace items;
    const DepthGuard guard;
    const EngineFonts fonts = makeEngineFonts(fontName, size, weight);
    const std::size_t k = rowIndex(start);
    const Item item{record, k, fontName, size, weight, fonts};
    const std::string& keyword = item.value(0, 0);
    if (keyword == "font") return measureItems(record, item.value(1, 1), item.value(0, 1), size, weight);
    if (keyword == "unary") return measureUnary(item);
    if (keyword == "join") return measureJoin(item);
    if (keyword == "integer") return measureInteger(item);
    if (keyword == "signed_rational") return measureSignedRational(item);
    if (keyword == "rational") return measureRational(item);
    if (keyword == "message") return measureMessage(item);
    return {};
}

void drawItems(const Record& record, const std::string& start, const std::string& fontName, double x,
               double y, double size, double weight) {
    using namespace items;
    const DepthGuard guard;
    const EngineFonts fonts = makeEngineFonts(fontName, size, weight);
    const std::size_t k = rowIndex(start);
    const Item item{record, k, fontName, size, weight, fonts};
    const std::string& keyword = item.value(0, 0);
    if (keyword == "font") return drawItems(record, item.value(1, 1), item.value(0, 1), x, y, size, weight);
    if (keyword == "unary") return drawUnary(item, x, y);
    if (keyword == "join") return drawJoin(item, x, y);
    if (keyword == "signed_rational") return drawSignedRational(item, x, y);
    if (keyword == "rational") return drawRational(item, x, y);
    if (keyword == "integer") return drawInteger(item, x, y);
    if (keyword == "message") return drawMessage(item, x, y);
}

}  // namespace radixmender
