// "lattice_multiply" and "grid_multiply": a multiplication as a grid of
// square cells, every label and cell with its own text, text colour and
// background colour. A record shorter than its counts say is drawn as far as
// it goes: the grid has as many columns and rows as there are labels, and
// only the cells the record holds are visited; but a grid needs its column
// labels and its first row label to be measured.
#include <algorithm>
#include <optional>

#include "engine/marks.hpp"
#include "engine/tableau_layout.hpp"
#include "engine/universal_engine_view.hpp"
#include "records/checked.hpp"
#include "records/text.hpp"

namespace radixmender::items {
namespace {

// One displayed entry: its text and the names of its text and background colours.
struct Entry {
    const std::string* value;
    Paint foreground, background;
    bool filled;  // the background is anything but exactly "clear"
};

// The entry at `index` of `values`, its colours at `foreground` and
// `background` of `colours`; none when the record stops short of any.
std::optional<Entry> entry(Texts values, std::size_t index, Texts colours, std::size_t foreground,
                           std::size_t background) {
    const std::string* v = optionalEntry(values, index);
    const std::string* f = optionalEntry(colours, foreground);
    const std::string* b = optionalEntry(colours, background);
    if (v == nullptr || f == nullptr || b == nullptr) return std::nullopt;
    return Entry{v, Paint::named(*f), Paint::named(*b), *b != "clear"};
}

std::size_t indexOf(std::int64_t n) { return static_cast<std::size_t>(n); }

// The columns and rows a drawing has: its labels, B of one factor and then A
// of the other, as far as the labels row reaches.
struct Shape {
    std::int64_t rows, columns;
};
Shape drawnShape(Texts labels, std::int64_t rows, std::int64_t columns) {
    const auto n = static_cast<std::int64_t>(labels.size());
    const std::int64_t c = std::min(columns, n);
    return {std::min(rows, n - c), c};
}

void addGridLines(std::vector<platform::Point>& ends, double x0, double y0, double side, Shape s) {
    for (std::int64_t c = 0; c <= s.columns; ++c) {
        const double x = x0 + static_cast<double>(c) * side;
        ends.insert(ends.end(), {{x, y0}, {x, y0 + static_cast<double>(s.rows) * side}});
    }
    for (std::int64_t r = 0; r <= s.rows; ++r) {
        const double y = y0 + static_cast<double>(r) * side;
        ends.insert(ends.end(), {{x0 - 1.25, y}, {x0 + static_cast<double>(s.columns) * side + 1.25, y}});
    }
}

void text(Marks& marks, const Entry& e, double x, double y, const platform::UIFont& font, bool onBackground) {
    marks.text(*e.value, x, y, font, e.foreground, onBackground ? e.background : platform::UIColor::clear());
}

}  // namespace

Node measureLatticeMultiply(const Item& item, Measurer& measurer) {
    const std::int64_t a = countOf(item.value(1, 1)), b = countOf(item.value(1, 2));
    const LatticeMetrics m = latticeMetrics(item.size());
    const ItemBox box = latticeBox(m, a, b);
    return laidOut(item, box, measurer, [&](Marks& marks) {
        const Texts factors = valuesOf(item.row(2)), factorColours = valuesOf(item.row(3));
        const Texts products = valuesOf(item.row(4)), productColours = valuesOf(item.row(5));
        const Texts partials = valuesOf(item.row(6)), partialColours = valuesOf(item.row(7));
        const std::size_t s = indexOf(checkedAdd(a, b)), p = indexOf(checkedMul(a, b));
        const Shape shape = drawnShape(factors, a, b);
        const double e = m.side, x0 = m.leftBand, y0 = -box.ascent + m.factorMetrics.lineHeight;
        const double cellLine = m.cellMetrics.lineHeight;
        for (const bool upper : {true, false}) {
            for (std::int64_t r = 0; r < shape.rows; ++r) {
                for (std::int64_t c = 0; c < shape.columns; ++c) {
                    const std::size_t i = indexOf(r * b + c), at = upper ? i : p + i;
                    if (i >= p || at >= partials.size()) break;  // the rest of the row is not held
                    const auto cell =
                        entry(partials, at, partialColours, upper ? i : 2 * p + i, upper ? p + i : 3 * p + i);
                    if (!cell) continue;
                    const double left = x0 + static_cast<double>(c) * e,
                                 top = y0 + static_cast<double>(r) * e;
                    if (cell->filled)
                        marks.fill(
                            upper
                                ? std::vector<platform::Point>{{left, top}, {left + e, top}, {left, top + e}}
                                : std::vector<platform::Point>{{left + e, top},
                                                               {left + e, top + e},
                                                               {left, top + e}},
                            cell->background);
                    if (upper)
                        text(marks, *cell, left + m.lift, top, m.cell, false);
                    else
                        text(marks, *cell, left + e - m.wCell - 1.25, top + e - cellLine, m.cell, false);
                }
            }
        }
        const auto rows = static_cast<double>(shape.rows), columns = static_cast<double>(shape.columns);
        for (std::int64_t r = 0; r < shape.rows; ++r)
            if (const auto answer = entry(products, indexOf(r), productColours, indexOf(r), s + indexOf(r)))
                text(marks, *answer, 0, y0 + static_cast<double>(r + 1) * e - m.answerMetrics.lineHeight,
                     m.answer, true);
        for (std::int64_t c = 0; c < shape.columns; ++c) {
            const std::size_t i = indexOf(a + c);
            if (const auto answer = entry(products, i, productColours, i, s + i))
                text(marks, *answer, x0 + static_cast<double>(c) * e, y0 + rows * e, m.answer, true);
            if (const auto factor = entry(factors, indexOf(c), factorColours, indexOf(c), s + indexOf(c)))
                text(marks, *factor, x0 + static_cast<double>(c) * e + (e - m.eight) / 2,
                     y0 - m.factorMetrics.lineHeight, m.factor, true);
        }
        const FontMetrics& f = m.factorMetrics;
        for (std::int64_t r = 0; r < shape.rows; ++r) {
            const std::size_t i = indexOf(b + r);
            if (const auto factor = entry(factors, i, factorColours, i, s + i))
                text(marks, *factor, x0 + columns * e - f.descender,
                     y0 + static_cast<double>(r) * e + e / 2 - (f.ascender - f.capHeight / 2), m.factor,
                     true);
        }
        std::vector<platform::Point> ends;
        addGridLines(ends, x0, y0, e, shape);
        // The diagonals run down-left from the top or right edge and overshoot
        // the left or bottom edge by a quarter cell.
        for (double d = 1; d < rows + columns; ++d) {
            const platform::Point from =
                d <= columns ? platform::Point{d, 0} : platform::Point{columns, d - columns};
            const platform::Point to =
                d <= rows ? platform::Point{-0.25, d + 0.25} : platform::Point{d - rows - 0.25, rows + 0.25};
            ends.insert(ends.end(), {{x0 + from.x * e, y0 + from.y * e}, {x0 + to.x * e, y0 + to.y * e}});
        }
        marks.segments(std::move(ends), 2.5);
    });
}

Node measureGridMultiply(const Item& item, Measurer& measurer) {
    const std::int64_t a = countOf(item.value(1, 1)), b = countOf(item.value(1, 2));
    const Texts factors = valuesOf(item.row(2));
    // The cells are sized by the first label of each factor: a record without
    // every column label and the first row label is refused.
    const auto length = [&](std::int64_t i) {
        return static_cast<std::int64_t>(characterCount(entryOf(factors, indexOf(i))));
    };
    const GridMetrics m = gridMetrics(length(0), length(b), item.size());
    const ItemBox box = gridBox(m, a, b);
    return laidOut(item, box, measurer, [&](Marks& marks) {
        const Texts factorColours = valuesOf(item.row(3));
        const Texts partials = valuesOf(item.row(4)), partialColours = valuesOf(item.row(5));
        const std::size_t s = indexOf(checkedAdd(a, b)), p = indexOf(checkedMul(a, b));
        const Shape shape = drawnShape(factors, a, b);
        const FontMetrics &cf = m.cellMetrics, &lf = m.labelMetrics;
        const double e = m.side, x0 = -lf.descender + m.wLeft, y0 = -box.ascent + lf.lineHeight;
        for (std::int64_t r = 0; r < shape.rows; ++r) {
            const double top = y0 + static_cast<double>(r) * e;
            for (std::int64_t c = 0; c < shape.columns; ++c) {
                const std::size_t i = indexOf(r * b + c);
                if (i >= p || i >= partials.size()) break;  // the rest of the row is not held
                const auto cell = entry(partials, i, partialColours, i, p + i);
                if (!cell) continue;
                const double left = x0 + static_cast<double>(c) * e;
                if (cell->filled)
                    marks.fill({{left, top}, {left + e, top}, {left + e, top + e}, {left, top + e}},
                               cell->background);
                text(marks, *cell, left + (e - widthOf(*cell->value, m.cell)) / 2,
                     top + e / 2 - (cf.ascender - cf.capHeight / 2), m.cell, false);
            }
            const std::size_t i = indexOf(b + r);
            if (const auto label = entry(factors, i, factorColours, i, s + i))
                text(marks, *label, x0 + lf.descender - widthOf(*label->value, m.label),
                     top + e / 2 - (lf.ascender - lf.capHeight / 2), m.label, true);
        }
        for (std::int64_t c = 0; c < shape.columns; ++c) {
            if (const auto label = entry(factors, indexOf(c), factorColours, indexOf(c), s + indexOf(c)))
                text(marks, *label,
                     x0 + static_cast<double>(c) * e + (e - widthOf(*label->value, m.label)) / 2,
                     y0 - lf.lineHeight, m.label, true);
        }
        std::vector<platform::Point> ends;
        addGridLines(ends, x0, y0, e, shape);
        marks.segments(std::move(ends), 2.5);
    });
}

}  // namespace radixmender::items
