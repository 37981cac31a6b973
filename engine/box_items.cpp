// Numbers laid out in two dimensions: "block", a column operation worked as
// on paper; "box_grid", the box method of multiplying two two-term
// expressions; "box_table", a table of right-aligned texts.
#include <algorithm>

#include "engine/number_drawing.hpp"
#include "engine/tableau_layout.hpp"
#include "records/checked.hpp"
#include "records/text.hpp"
#include "records/writers.hpp"

namespace radixmender::items {
namespace {

const Row& rowOf(const Record& record, std::size_t k) { return rowAt(record, static_cast<std::int64_t>(k)); }

}  // namespace

// The block's item wraps M op N = P as a join of (a join of M and N) and P;
// the three numbers are aligned in a whole column and a fraction column, the
// operator stands before N, and two rules underline N and P.
Node measureBlock(const Item& item, Measurer& measurer) {
    const Record& record = *item.record;
    const EngineFonts& f = *item.fonts;
    const Metric& m = f.metric;
    const std::size_t e = rowIndex(item.value(0, 1));
    const std::size_t l = rowIndex(entryAt(rowOf(record, e + 1), 1));
    const std::size_t p = rowIndex(entryAt(rowOf(record, e + 1), 2));
    const std::size_t first = rowIndex(entryAt(rowOf(record, l + 1), 1));
    const std::size_t second = rowIndex(entryAt(rowOf(record, l + 1), 2));
    const std::string op = entryAt(rowOf(record, l), 1) + " ";
    const std::size_t rows[3] = {first, second, p};
    NumberSize sizes[3];
    double wholeColumn = 0, fractionColumn = 0, height = 5 * m.barSpace;
    for (int i = 0; i < 3; ++i) {
        sizes[i] = numberKind(rowOf(record, rows[i]), f);
        wholeColumn = std::max(wholeColumn, sizes[i].wholeWidth);
        fractionColumn = std::max(fractionColumn, sizes[i].fractionWidth);
        height += sizes[i].height;
    }
    const double o = textSize(op, f.whole).width;
    const ItemBox box{o + wholeColumn + fractionColumn, height,
                      0.5 * height + m.wholeHalfXHeight - m.halfBarSpace - m.barSpace};
    return laidOut(item, box, measurer, [&](Marks& marks) {
        const double baselines[3] = {-m.fracHeight - m.barSpace, 0, m.fracHeight + 2 * m.barSpace};
        for (int i = 0; i < 3; ++i)
            drawNumber(marks, rowOf(record, rows[i]), rowOf(record, rows[i] + 1), f, sizes[i], o,
                       baselines[i], wholeColumn, fractionColumn);
        marks.text(op, 0, -m.wholeAscender, f.whole, Paint::named(entryAt(rowOf(record, l + 2), 1)));
        const Paint rules = Paint::named(entryAt(rowOf(record, e + 2), 1));
        const double under = -m.wholeHalfXHeight + m.fracCapHeight + 1.5 * m.barSpace;
        marks.line(o, under, box.width, under, rules, m.halfBarSpace);
        marks.line(o, under + 2 * m.barSpace + m.fracHeight, box.width, under + 2 * m.barSpace + m.fracHeight,
                   rules, m.halfBarSpace);
    });
}

// Nine terms in a 3 × 3 grid, row by row: the header row and column hold the
// factors' terms, the four boxed cells their products, which alone size the
// grid. Missing terms are empty.
Node measureBoxGrid(const Item& item, Measurer& measurer) {
    const EngineFonts& f = *item.fonts;
    const Texts terms = valuesOf(item.row(1));
    double widest = 0;
    for (const std::size_t i : {4, 5, 7, 8})
        if (const std::string* t = optionalEntry(terms, i))
            widest = std::max(widest, textSize(*t, f.whole).width);
    const double s = widest + textSize("0", f.whole).width;
    return laidOut(item, ItemBox{3 * s, 3 * s, 1.5 * s}, measurer, [&](Marks& marks) {
        const double h0 = textSize("0", f.whole).height;
        const Texts colours = valuesOf(item.row(2));
        for (std::size_t i = 0; i < 9; ++i) {
            const std::string* t = optionalEntry(terms, i);
            if (t == nullptr || t->empty()) continue;
            const double r = static_cast<double>(i / 3), c = static_cast<double>(i % 3);
            marks.text(*t, (c + 0.5) * s - textSize(*t, f.whole).width / 2, -1.5 * s + r * s + (s - h0) / 2,
                       f.whole, Paint::named(entryOf(colours, i)));
        }
        std::vector<platform::Point> ends;
        for (int j = 0; j < 3; ++j) {
            ends.insert(ends.end(), {{s, -0.5 * s + j * s}, {3 * s, -0.5 * s + j * s}});
            ends.insert(ends.end(), {{(j + 1) * s, -0.5 * s}, {(j + 1) * s, 1.5 * s}});
        }
        marks.segments(std::move(ends), 2.5);
    });
}

// R rows of C texts, each right-aligned in a column as wide as the longest
// text's digits, one digit width between columns; centred on the baseline.
Node measureBoxTable(const Item& item, Measurer& measurer) {
    const EngineFonts& f = *item.fonts;
    const std::int64_t rows = countOf(item.value(0, 2));
    const std::int64_t columns = countOf(item.value(0, 3));
    const Texts entries = valuesOf(item.row(1));
    std::size_t longest = 0;
    for (const std::string& t : entries) longest = std::max(longest, characterCount(t));
    const double z = textSize("0", f.whole).width;
    const double lh = item.metric().wholeLineHeight;
    const std::int64_t digits =
        checkedSub(checkedMul(columns, checkedAdd(static_cast<std::int64_t>(longest), 1)), 1);
    const double height = static_cast<double>(rows) * lh;
    return laidOut(
        item, ItemBox{z * static_cast<double>(std::max<std::int64_t>(digits, 0)), height, height / 2},
        measurer, [&](Marks& marks) {
            const Texts colours = valuesOf(item.row(2));
            const double w = z * static_cast<double>(longest);
            const std::int64_t drawn = groupsReached(entries.size(), columns, rows);
            for (std::int64_t r = 0; r < drawn; ++r) {
                for (std::int64_t c = 0; c < columns; ++c) {
                    const auto i = static_cast<std::size_t>(r * columns + c);
                    if (i >= entries.size()) break;
                    const std::string& t = entries[i];
                    marks.text(t, static_cast<double>(c) * (w + z) + w - textSize(t, f.whole).width,
                               -height / 2 + static_cast<double>(r) * lh, f.whole,
                               Paint::named(entryOf(colours, i)));
                }
            }
        });
}

}  // namespace radixmender::items
