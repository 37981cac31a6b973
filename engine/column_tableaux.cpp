// "tableau_op" and "add_column": operations written digit under digit in
// fixed-pitch columns under turned place-value labels, each cell shown,
// shaded or struck through as its attribute letters say. The record must
// hold the cells and attributes its row and column counts declare.
#include <cmath>

#include "engine/marks.hpp"
#include "engine/tableau_layout.hpp"
#include "engine/universal_engine_view.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"

namespace radixmender::items {
namespace {

constexpr double kColumnLabelAngle = -0.425 * M_PI;

const platform::UIColor kBlack = platform::UIColor::black();
const platform::UIColor kClear = platform::UIColor::clear();

using Letters = std::vector<std::string>;

// Walks the cells the record holds, `columns` to a row and at most `rows`
// rows (the cells at row k + 2, their attributes at k + 3): `shown(r, c,
// text, letters)` for each cell whose attribute begins with "Y" and whose text
// is not "Z", and `rowDone(r)` after each row.
template <class Shown, class RowDone>
void forEachShownCell(const Item& item, std::int64_t rows, std::int64_t columns, Shown shown,
                      RowDone rowDone) {
    const Texts cells = valuesOf(item.row(2)), attributes = valuesOf(item.row(3));
    for (std::int64_t r = 0, drawn = groupsReached(cells.size(), columns, rows); r < drawn; ++r) {
        for (std::int64_t c = 0; c < columns; ++c) {
            const auto i = static_cast<std::size_t>(r * columns + c);
            if (i >= cells.size()) break;
            const Letters letters = i < attributes.size() ? characters(attributes[i]) : Letters{};
            if (hasLetter(letters, 0, "Y") && cells[i] != "Z") shown(r, c, cells[i], letters);
        }
        rowDone(r);
    }
}

// The cells and attributes of rows k + 2 and k + 3 must be `rows` rows of `columns`.
void requireGrid(const Item& item, std::int64_t rows, std::int64_t columns) {
    requireCells(valuesOf(item.row(2)).size(), rows, columns);
    requireCells(valuesOf(item.row(3)).size(), rows, columns);
}

}  // namespace

Node measureTableauOp(const Item& item, Measurer& measurer) {
    const std::string& sign = item.value(1, 1);
    const Texts globals = valuesOf(item.row(4)), locals = valuesOf(item.row(5));
    requireGrid(item, countOf(entryOf(locals, 0)), countOf(entryOf(globals, 1)));
    const ItemBox box = UniversalEngineView::sizeOfTableauOp(globals, locals, item.size());
    return laidOut(item, box, measurer, [&](Marks& marks) {
        const std::int64_t rows = countOf(entryOf(locals, 0)), n = countOf(entryOf(globals, 0));
        const std::int64_t columns = countOf(entryOf(globals, 1)), carries = countOf(entryOf(globals, 2));
        const bool sum = entryOf(locals, 1) == "true", shortForm = entryOf(globals, 3) == "true";
        const double size = item.size(), gap = tableauGap(size);
        const platform::UIFont full = tableauFont(size), label = tableauFont(size, 0.5),
                               carry = tableauFont(size, 0.7);
        const double w0 = widthOf("0", full), wPlus = widthOf(text::kPlus, full), wSign = widthOf(sign, full);
        const double h0s = textSize("0", carry).height;
        const platform::Size ten = textSize("10", carry);
        const double lhF = fontMetrics(full).lineHeight, lhS = fontMetrics(carry).lineHeight;

        const double x0 = wPlus + gap, pitch = w0 + gap;
        const double xEnd = x0 + static_cast<double>(columns) * pitch - gap;
        const double yTop = -box.ascent + labelBand(columns, label) + 5;
        const double yA = yTop + static_cast<double>(carries) * (lhS + 5);
        const double yB = yA + lhF + 5, yC = yB + lhF + 10;
        const double yD = shortForm ? yC : yC + (lhF + 5) * static_cast<double>(rows - 4 - carries);
        const double yE = yD + lhF + 10, yF = shortForm ? yE : yE + lhF + 10;

        marks.text(sign, sign == text::kPlus ? 0 : (wPlus - wSign) / 2, yB, full);
        placeValueLabels(marks, columns, x0 - widthOf("0", label) / 2 + w0 / 2, pitch, yTop - 5,
                         kColumnLabelAngle, label);
        const auto rule = [&](double y) {
            if (columns > 0) marks.line(x0, y - 6.25, xEnd, y - 6.25, kBlack);
        };
        rule(yC);
        if (sum) {
            marks.text(text::kPlus, 0, yD, full);
            rule(yE);
            rule(yF);
        } else if (shortForm) {
            rule(yF);
        }

        double y = yTop;
        const auto cell = [&](std::int64_t r, std::int64_t c, const std::string& t, const Letters& letters) {
            const double x = x0 + static_cast<double>(c) * pitch;
            const platform::UIColor shade = shadeOf(letters, 2);
            const bool slashed = hasLetter(letters, 1, "Y");
            if (r < carries) {
                // The highlight is as wide as "10" whatever the carry, centred on the column.
                const double left = x + w0 / 2 - ten.width / 2;
                marks.text("10", left, y, carry, kClear, shade);
                marks.text(t, x + w0 / 2 - widthOf(t, carry) / 2, y, carry);
                const double s = y + lhS / 2 + h0s / 2;
                if (slashed) marks.line(left, s, left + ten.width, s - ten.height, kBlack, 3);
            } else {
                marks.text(t, x + (t == text::kHyphenMinus ? w0 + gap - wSign : 0), y, full, kBlack, shade);
                if (slashed) marks.line(x, y + lhF, x + w0, y, kBlack, 3);
            }
        };
        forEachShownCell(item, rows, columns, cell, [&](std::int64_t r) {
            if (r <= carries && (carries == 0 || r == carries))
                y += lhF + 5;
            else if (r < carries)
                y += lhS + 5;
            else if (r == carries + 1)
                y += lhF + 10;
            else if (r == n - 2)
                y += sum ? lhF + 10 : 0;
            else
                y += lhF + 5;
        });
    });
}

Node measureAddColumn(const Item& item, Measurer& measurer) {
    const std::string& s = item.value(1, 1);
    const std::int64_t lines = countOf(item.value(1, 2)), rows = countOf(item.value(1, 3));
    const std::int64_t columns = countOf(item.value(1, 4));
    requireGrid(item, rows, columns);
    const ItemBox box = UniversalEngineView::sizeOfAddColumn(s, lines, columns, item.size());
    return laidOut(item, box, measurer, [&](Marks& marks) {
        const double size = item.size(), gap = tableauGap(size);
        const platform::UIFont main = tableauFont(size), small = tableauFont(size, 0.7),
                               heading = tableauFont(size, 0.5);
        const platform::Size zero = textSize("0", main);
        const double h0small = textSize("0", small).height, lh = fontMetrics(main).lineHeight;
        const double top = -box.ascent, x0 = widthOf(s, main) + gap, pitch = zero.width + gap;
        const double t0 = top + labelBand(columns, heading) + 5, t1 = t0 + lh + 5, t2 = t1 + lh + 10;

        marks.text(s, 0, t1, main);
        placeValueLabels(marks, columns, x0 + zero.width / 2 - widthOf("0", heading) / 2, pitch, t0 - 5,
                         kColumnLabelAngle, heading);
        if (columns > 0) {
            const double xEnd = x0 + static_cast<double>(columns) * pitch - gap;
            marks.line(x0, t2 - 5 - 1.25, xEnd, t2 - 5 - 1.25, kBlack);
        }
        for (std::int64_t k = 0; k + 1 < columns; ++k) {
            const double x = x0 + zero.width + gap / 2 + static_cast<double>(k) * pitch;
            marks.line(x, top, x, t0 + static_cast<double>(lines) * (lh + 5), kBlack, 1.25);
        }

        double y = t0;
        const auto cell = [&](std::int64_t, std::int64_t c, const std::string& t, const Letters& letters) {
            const double x = x0 + static_cast<double>(c) * pitch;
            const platform::UIColor shade = shadeOf(letters, 1);
            // One character in the main font; longer texts small, centred on the column.
            if (characterCount(t) == 1)
                marks.text(t, x, y, main, kBlack, shade);
            else
                marks.text(t, x + zero.width / 2 - widthOf(t, small) / 2, y + (zero.height - h0small) / 2,
                           small, kBlack, shade);
        };
        forEachShownCell(item, rows, columns, cell, [&](std::int64_t r) { y += r == 1 ? lh + 10 : lh + 5; });
    });
}

}  // namespace radixmender::items
