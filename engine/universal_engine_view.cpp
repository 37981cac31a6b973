#include "engine/universal_engine_view.hpp"

#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "engine/items.hpp"
#include "engine/text_drawing.hpp"
#include "engine/text_measure.hpp"
#include "platform/graphics_context.hpp"
#include "records/literals.hpp"
#include "records/shrinking.hpp"
#include "records/vocabulary.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace {

constexpr double kShrink = 0.98;
// A bound of last resort for sizes that are not numbers.
constexpr int kMaximumShrinks = 10000;

const std::string& startOf(const Record& line) { return entryAt(rowAt(line, 0), 1); }

// A line that cannot be read measures as nothing; drawing skips it.
ItemBox measureLine(const Record& line, double size, double weight) {
    try {
        return measureItems(line, startOf(line), defaultFontName(), size, weight);
    } catch (const std::exception&) {
        return {};
    }
}

// The first of `sizes` at which the line is at most `width` wide (or the
// last), as measuring size after size would find it, and the line's box there.
std::size_t firstFittingSize(const Record& line, const std::vector<double>& sizes, double width,
                             double weight, ItemBox& box) {
    std::vector<std::pair<std::size_t, ItemBox>> measured;
    const std::size_t at = firstFitting(sizes.size(), kShrink, [&](std::size_t i) {
        const ItemBox b = measureLine(line, sizes[i], weight);
        measured.emplace_back(i, b);
        // Nothing fits a width of 0 or less.
        return Fit{!(b.width > width), width > 0 ? b.width / width : HUGE_VAL};
    });
    for (const auto& [i, b] : measured)
        if (i == at) box = b;
    return at;
}

double gapOf(double size, double weight) {
    const FontMetrics f = fontMetrics(platform::UIFont::monospacedDigitSystemFont(size, weight));
    return f.lineHeight - f.pointSize;
}

}  // namespace

UniversalEngineView::UniversalEngineView(platform::Rect frame) : platform::View(frame) {
    translatesAutoresizingMaskIntoConstraints = false;
    setBackgroundColor(platform::UIColor::clear());
}

std::string UniversalEngineView::navigatorText() {
    return std::string(" ") + text::kPointLeft + "  prior" + std::string(28, ' ') + "next  " +
           text::kPointRight + " ";
}

LineSizes UniversalEngineView::fitLines(double width, double height, double baseSize, double weight,
                                        const Step& lines) const {
    const double gap = gapOf(baseSize, weight);
    LineSizes sizes(lines.size(), std::vector<double>{baseSize, baseSize});
    std::vector<ItemBox> boxes(lines.size());
    const std::vector<double> shrinking =
        shrinkingSizes(baseSize, kShrink, kMinimumFittedSize, kMaximumShrinks);
    for (std::size_t i = 0; i < lines.size(); ++i)
        sizes[i][1] = shrinking[firstFittingSize(lines[i], shrinking, width, weight, boxes[i])];
    for (int round = 0; round < kMaximumShrinks; ++round) {
        double total = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            total += boxes[i].height;
            if (i > 0) total += 0.5 * (sizes[i - 1][1] + sizes[i][1]) / baseSize * gap;
        }
        if (total <= height) break;
        double largest = 0;
        for (const auto& s : sizes) largest = std::max(largest, s[1] / baseSize);
        bool shrunk = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            double& size = sizes[i][1];
            if (largest - size / baseSize < 0.01 && size * kShrink >= kMinimumFittedSize) {
                size *= kShrink;
                boxes[i] = measureLine(lines[i], size, weight);
                shrunk = true;
            }
        }
        if (!shrunk) break;
    }
    return sizes;
}

void UniversalEngineView::renderLines(double x, double y, const Step& lines, const LineSizes& sizes) const {
    if (lines.empty() || sizes.empty()) return;
    const std::size_t count = std::min(lines.size(), sizes.size());
    for (std::size_t i = 0; i < count; ++i)
        if (sizes[i].size() < 2) throw std::invalid_argument("Every line needs its base and fitted sizes");
    const double weight = platform::FontWeight::medium;
    const double base = sizes[0][0];
    const double gap = gapOf(base, weight);
    double top = y;
    for (std::size_t i = 0; i < count; ++i) {
        const double size = sizes[i][1];
        ItemBox box;
        try {
            const ItemTree tree(lines[i], startOf(lines[i]), defaultFontName(), size, weight, true);
            box = tree.box();
            // A dry run without a context reads every colour first, so a line
            // that cannot be read leaves no half-drawn marks.
            {
                const platform::ContextScope none(nullptr);
                tree.draw(x, top + box.ascent);
            }
            tree.draw(x, top + box.ascent);
        } catch (const std::exception&) {
        }
        top += box.height;
        if (i + 1 < count) top += 0.5 * (size + sizes[i + 1][1]) / base * gap;
    }
}

void UniversalEngineView::draw(platform::Rect /*rect*/) {
    if (dataSource_ == nullptr) return;
    try {
        const std::optional<std::int64_t> count = dataSource_->numberOfSteps();
        if (!count) return;
        totalSteps_ = *count;
        if (*count <= 0) return;
        // A source that shrank since the last tap has no step `step_`: ask for nothing.
        const bool known = step_ >= 0 && step_ < *count;
        const Step lines = known ? dataSource_->step(step_) : Step{};
        const Comment comments = known ? dataSource_->comments(step_) : Comment{};

        const platform::Rect b = bounds();
        const double w = b.width() - (tiktok_lead + tiktok_trail);
        const double h = b.height() - 10 - (tiktok_top + tiktok_bottom);
        const double base = basePointSize();
        const double medium = platform::FontWeight::medium;
        drawTextLines(comments, true, platform::UIColor::black(), platform::UIColor::clear(), tiktok_lead,
                      tiktok_top, w, 0.05 * h, base, medium);
        const double y1 = tiktok_top + 0.05 * h + 5;
        renderLines(tiktok_lead, y1, lines, fitLines(w, 0.85 * h, base, medium, lines));
        const double y2 = y1 + 0.85 * h + 5;
        if (totalSteps_ > 1)
            drawTextLines({navigatorText()}, true, tiktok_navigator_color(), platform::UIColor::clear(),
                          tiktok_lead, y2, w, 0.1 * h, base, medium);
    } catch (...) {
        // A source or a record that fails leaves the rest of this draw undone.
    }
}

void UniversalEngineView::touchesBegan(const std::vector<platform::Touch>& touches) {
    if (totalSteps_ <= 0 || touches.empty()) return;
    const platform::Point p = touches.front().location(this);
    const platform::Rect b = bounds();
    if (!(p.y > b.height() * 0.9 - tiktok_bottom)) return;
    // A step outside the count (the source shrank under it, or it was set so)
    // is not moved, as moving it could overflow: next goes to the first step,
    // prior to the last.
    const bool known = step_ >= 0 && step_ < totalSteps_;
    if (p.x > tiktok_lead + (b.width() - (tiktok_lead + tiktok_trail)) * 0.5)
        step_ = known && step_ + 1 < totalSteps_ ? step_ + 1 : 0;
    else
        step_ = known && step_ > 0 ? step_ - 1 : totalSteps_ - 1;
    setNeedsDisplay();
}

}  // namespace radixmender
