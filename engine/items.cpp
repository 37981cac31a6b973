// The kind table, the check of a line before it is measured, the measurer
// that builds the nodes with the fonts of each size made once, the "font"
// item, and `measureItems` and `drawItems` over the measured tree.
#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "engine/item_support.hpp"
#include "records/text.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace items {

platform::FontFamily familyOf(const std::string& fontName) {
    return fontName == kMonospacedSystemName ? platform::FontFamily::monospacedSystem : kDefaultFamily;
}

EngineFonts makeEngineFonts(platform::FontFamily family, double size, double weight) {
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
    return rowAt(*record, static_cast<std::int64_t>(k + offset));
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

class EmptyNode : public ItemNode {
public:
    explicit EmptyNode(const Item& from) : ItemNode(from, {}) {}
    void draw(double /*x*/, double /*y*/) const override {}
};

// "font": the operand in the family the item names, same size and weight;
// it is the operand's own node, as the item adds nothing to it.
void fontOperands(const Item& item, Starts& starts) { starts.push_back(&item.value(1, 1)); }

Node measureFont(const Item& item, Measurer& measurer) {
    return measurer.operand(item, item.value(1, 1), familyOf(item.value(0, 1)), item.size(), item.weight());
}

void noOperands(const Item& /*item*/, Starts& /*starts*/) {}

struct Kind {
    std::string_view keyword;
    void (*operands)(const Item&, Starts&);
    Node (*measure)(const Item&, Measurer&);
};

// The kinds in the order the keywords are tested. A "block" reads its
// numbers' rows itself and follows no locator: nothing of it is measured twice.
constexpr std::array<Kind, 18> kKinds = {{
    {"font", fontOperands, measureFont},
    {"unary", unaryOperands, measureUnary},
    {"join", joinOperands, measureJoin},
    {"integer", noOperands, measureInteger},
    {"signed_rational", noOperands, measureSignedRational},
    {"rational", noOperands, measureRational},
    {"message", noOperands, measureMessage},
    {"block", noOperands, measureBlock},
    {"whole", noOperands, measureWhole},
    {"fraction", noOperands, measureFractionNumber},
    {"fraction_cancel_numerator_and_denominator", noOperands, measureCancel},
    {"fraction_cancel_numerator", noOperands, measureCancel},
    {"fraction_cancel_denominator", noOperands, measureCancel},
    {"extended_fraction", noOperands, measureExtendedFraction},
    {"mixed_number", noOperands, measureMixedNumber},
    {"box_grid", noOperands, measureBoxGrid},
    {"box_table", noOperands, measureBoxTable},
    {"plug_in", noOperands, measurePlugIn},
}};

const Kind* kindOf(const std::string& keyword) {
    const auto it =
        std::find_if(kKinds.begin(), kKinds.end(), [&](const Kind& k) { return k.keyword == keyword; });
    return it != kKinds.end() ? &*it : nullptr;
}

// Real steps nest a few levels; the bound keeps the measuring recursion shallow.
constexpr std::size_t kMaximumDepth = 256;
constexpr std::size_t kUnreached = std::numeric_limits<std::size_t>::max();
constexpr std::size_t kRoot = kUnreached - 1;

// Checks the items reachable from `root` in time linear in the record's rows:
// every locator must name an earlier row (so locators cannot cycle) that no
// other locator names (so no item is measured or drawn once per path to it),
// and the nesting stays within kMaximumDepth. Returns for every row the kind
// row whose locator named it (kRoot for the root, kUnreached for the rest).
std::vector<std::size_t> checkLine(const Record& record, std::size_t root) {
    std::vector<std::size_t> owners(record.size(), kUnreached);
    rowAt(record, static_cast<std::int64_t>(root));
    owners[root] = kRoot;
    std::vector<std::pair<std::size_t, std::size_t>> pending{{root, 1}};  // row and depth
    Starts starts;
    while (!pending.empty()) {
        const auto [k, depth] = pending.back();
        pending.pop_back();
        const Item item{&record, k, nullptr};
        const Kind* kind = kindOf(item.value(0, 0));
        if (kind == nullptr) continue;
        starts.clear();
        kind->operands(item, starts);
        for (const std::string* start : starts) {
            const std::size_t operand = rowIndex(*start);
            rowAt(record, static_cast<std::int64_t>(operand));
            if (operand >= k) throw std::invalid_argument("Locator names no earlier row");
            if (owners[operand] != kUnreached) throw std::invalid_argument("Item is reached twice");
            if (depth + 1 > kMaximumDepth) throw std::length_error("Items nested too deeply");
            owners[operand] = k;
            pending.emplace_back(operand, depth + 1);
        }
    }
    return owners;
}

}  // namespace

Node emptyNode(const Item& item) { return std::make_unique<EmptyNode>(item); }

Measurer::Measurer(const Record& record, std::vector<std::size_t> owners, bool drawing)
    : record_(record), owners_(std::move(owners)), drawing_(drawing) {}

const EngineFonts& Measurer::fonts(platform::FontFamily family, double size, double weight) {
    // A line uses a few sizes (one more per exponent level): a scan finds them.
    for (const EngineFonts& f : fonts_)
        if (f.whole == platform::UIFont{family, size, weight}) return f;
    return fonts_.emplace_back(makeEngineFonts(family, size, weight));
}

Node Measurer::measure(std::size_t k, platform::FontFamily family, double size, double weight) {
    const Item item{&record_, k, &fonts(family, size, weight)};
    const Kind* kind = kindOf(item.value(0, 0));
    return kind != nullptr ? kind->measure(item, *this) : emptyNode(item);
}

Node Measurer::operand(const Item& parent, const std::string& start, platform::FontFamily family, double size,
                       double weight, bool drawn) {
    const std::size_t k = rowIndex(start);
    // The check let through only the locators the kinds name.
    if (k >= owners_.size() || owners_[k] != parent.k)
        throw std::logic_error("Operand not named by its kind's locators");
    const bool drawing = std::exchange(drawing_, drawing_ && drawn);
    Node node = measure(k, family, size, weight);
    drawing_ = drawing;
    return node;
}

}  // namespace items

struct ItemTree::Impl {
    items::Measurer measurer;
    items::Node root;
};

ItemTree::ItemTree(const Record& record, const std::string& start, const std::string& fontName, double size,
                   double weight, bool forDrawing) {
    using namespace items;
    const std::size_t k = rowIndex(start);
    impl_ = std::make_unique<Impl>(Impl{Measurer(record, checkLine(record, k), forDrawing), nullptr});
    impl_->root = impl_->measurer.measure(k, familyOf(fontName), size, weight);
}

ItemTree::~ItemTree() = default;

ItemBox ItemTree::box() const { return impl_->root->box; }

void ItemTree::draw(double x, double y) const {
    if (!impl_->measurer.drawing()) throw std::logic_error("Tree measured only for its box");
    impl_->root->draw(x, y);
}

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
    return ItemTree(record, start, fontName, size, weight, false).box();
}

void drawItems(const Record& record, const std::string& start, const std::string& fontName, double x,
               double y, double size, double weight) {
    ItemTree(record, start, fontName, size, weight, true).draw(x, y);
}

}  // namespace radixmender
