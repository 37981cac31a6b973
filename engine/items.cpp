// The dispatch of `measureItems` and `drawItems` on an item's keyword, the
// fonts and metric built on every entry, and the "font" item.
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

#include "engine/item_support.hpp"
#include "records/text.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace items {

EngineFonts makeEngineFonts(const std::string& fontName, double size, double weight) {
    const platform::FontFamily family = fontName == kMonospacedSystemName
                                            ? platform::FontFamily::monospacedSystem
                                            : platform::FontFamily::monospacedDigitSystem;
    EngineFonts f{{family, size, weight},
                  {family, 0.75 * size, weight},
                  {family, 0.4666666666666667 * size, weight},
                  {}};
    const FontMetrics whole = fontMetrics(f.whole);
    const FontMetrics fraction = fontMetrics(f.fraction);
    const double barSpace = std::max(0.125 * size, 5.0);
    f.metric = Metric{size,
                      whole.capHeight,
                      0.5 * whole.capHeight,
                      whole.ascender,
                      whole.lineHeight,
                      whole.xHeight,
                      0.5 * whole.xHeight,
                      fraction.capHeight,
                      fraction.ascender,
                      2 * fraction.capHeight + barSpace,
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

void drawText(const std::string& text, double x, double y, const platform::UIFont& font, Color color) {
    if (platform::GraphicsContext* context = platform::currentContext())
        context->drawText(text, {x, y}, {font, platform::UIColor::from(color), platform::UIColor::clear()});
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

struct Kind {
    std::string_view keyword;
    ItemBox (*measure)(const Item&);
    void (*draw)(const Item&, double x, double y);
};

// Kinds whose measuring and drawing are not built yet are missing here and
// occupy no room: "block", "whole", the fraction family, "mixed_number",
// "box_grid", "box_table" and every "plug_in" sub-kind.
constexpr std::array<Kind, 6> kKinds = {{
    {"unary", measureUnary, drawUnary},
    {"join", measureJoin, drawJoin},
    {"integer", measureInteger, drawInteger},
    {"rational", measureRational, drawRational},
    {"signed_rational", measureSignedRational, drawSignedRational},
    {"message", measureMessage, drawMessage},
}};

const Kind* kindOf(const std::string& keyword) {
    const auto it =
        std::find_if(kKinds.begin(), kKinds.end(), [&](const Kind& k) { return k.keyword == keyword; });
    return it != kKinds.end() ? &*it : nullptr;
}

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

ItemBox measureItems(const Record& record, const std::string& start, const std::string& fontName, double size,
                     double weight) {
    using namespace items;
    const DepthGuard guard;
    const EngineFonts fonts = makeEngineFonts(fontName, size, weight);
    const Item item{record, rowIndex(start), fontName, size, weight, fonts};
    const std::string& keyword = item.value(0, 0);
    if (keyword == "font") return measureItems(record, item.value(1, 1), item.value(0, 1), size, weight);
    const Kind* kind = kindOf(keyword);
    return kind != nullptr ? kind->measure(item) : ItemBox{};
}

void drawItems(const Record& record, const std::string& start, const std::string& fontName, double x,
               double y, double size, double weight) {
    using namespace items;
    const DepthGuard guard;
    const EngineFonts fonts = makeEngineFonts(fontName, size, weight);
    const Item item{record, rowIndex(start), fontName, size, weight, fonts};
    const std::string& keyword = item.value(0, 0);
    if (keyword == "font") return drawItems(record, item.value(1, 1), item.value(0, 1), x, y, size, weight);
    if (const Kind* kind = kindOf(keyword)) kind->draw(item, x, y);
}

}  // namespace radixmender
