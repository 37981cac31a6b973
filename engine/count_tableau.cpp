// "count_op": an addition (or subtraction) worked by counting on (or down)
// in place-value jumps, as a column of small sums each written under the one
// before, and in some phases the jumps listed again on the right and added.
// The phase word decides what is highlighted in gray. The record must hold
// the cells of its sums.
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "engine/marks.hpp"
#include "engine/tableau_layout.hpp"
#include "engine/universal_engine_view.hpp"
#include "records/checked.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"

namespace radixmender::items {

namespace {

// The record must hold what its counts declare: three cells for each sum
// drawn, four globals and two locals. Its digit columns may be more than its
// numbers have (they stand empty on the left): whatever their count, only the
// place values a canvas can show are drawn.
void requireCounts(const Item& item, Texts globals, Texts locals) {
    static_cast<void>(entryOf(globals, 3));  // the count-ups' total, the last global
    if (static_cast<std::uint64_t>(checkedMul(3, countOf(entryOf(locals, 1)))) > valuesOf(item.row(2)).size())
        throw std::length_error("The cells disagree with the declared sums");
}

}  // namespace

Node measureCountOp(const Item& item, Measurer& measurer) {
    const Texts globals = valuesOf(item.row(4)), locals = valuesOf(item.row(5));
    requireCounts(item, globals, locals);
    const ItemBox box = UniversalEngineView::sizeOfCountOp(globals, locals, item.size());
    return laidOut(item, box, measurer, [&](Marks& marks) {
        const std::int64_t n = countOf(entryOf(globals, 1)), m = countOf(entryOf(globals, 2));
        const std::int64_t sums = countOf(entryOf(locals, 1));
        const std::string& phase = entryOf(locals, 0);
        const auto is = [&](const char* word) { return phase == word; };
        const double angle = -M_PI / 3, size = item.size(), gap = tableauGap(size);
        const platform::UIFont full = tableauFont(size), half = tableauFont(size, 0.5);
        const std::string op = entryOf(globals, 0) == "COUNT DOWN" ? text::kMinusSign : text::kPlus;
        const double d = widthOf("0", full), wOp = widthOf(op, full), wPlus = widthOf(text::kPlus, full);
        const double ds = widthOf("0", half), lh = fontMetrics(full).lineHeight;
        const double xL = wOp + gap, xR = xL + static_cast<double>(n) * d;
        const double top = -box.ascent + labelBand(n, half) + 5;
        const platform::UIColor gray = platform::UIColor::gray(), clear = platform::UIColor::clear();
        const platform::UIColor black = platform::UIColor::black();
        // A number right-aligned in `columns` digit columns that end at `right`.
        const auto number = [&](const std::string& t, double right, double y, platform::UIColor background) {
            marks.text(t, right - static_cast<double>(characterCount(t)) * d, y, full, black, background);
        };

        placeValueLabels(marks, n, xL - 0.5 * ds + 0.5 * d, d, top - 5, angle, half);
        // Sum i: its start, the jump with the operator before it, a rule, the
        // number reached, which is where the next sum starts.
        const Texts cells = valuesOf(item.row(2));
        double y = top + lh + 5;
        for (std::int64_t i = 0; i < sums; ++i) {
            const bool lastSum = i == sums - 1;
            const platform::UIColor numbers = (is("STEP") || is("SHOW")) && lastSum ? gray : clear;
            const auto cell = [&](std::int64_t j) -> const std::string& {
                return cells[static_cast<std::size_t>(3 * i + j)];
            };
            number(cell(0), xR, y - lh - 5, numbers);
            number(cell(2), xR, y + lh + 10, numbers);
            const bool plainJump = is("SUMMARY") || is("SUMMARY SHORT") || (is("STEP") && !lastSum);
            number(cell(1), xR, y, plainJump ? clear : gray);
            marks.line(xL, y + lh + 5 - 1.25, xR, y + lh + 5 - 1.25, black);
            marks.text(op, 0, y, full);
            y += 2 * lh + 15;
        }
        if (!is("COUNT") && !is("SUMMARY")) return;

        // The count-ups, added: their column's labels are its own place values.
        const double xR2 = xR + 30, xL2 = xR2 + wPlus + gap, xR3 = xL2 + static_cast<double>(m) * d;
        placeValueLabels(marks, m, xL2 - 0.5 * ds + 0.5 * d, d, top - 5, angle, half);
        double yc = top;
        for (const std::string& up : valuesOf(item.row(3))) {
            number(up, xR3, yc, is("COUNT") ? gray : clear);
            yc += lh + 5;
        }
        marks.text(entryOf(globals, 3), xL2, yc + 5, full, is("COUNT") ? platform::UIColor::red() : black);
        marks.line(xL2, yc - 1.25, xR3, yc - 1.25, black);
        marks.text(text::kPlus, xR2, yc - lh - 5, full);
    });
}

}  // namespace radixmender::items
