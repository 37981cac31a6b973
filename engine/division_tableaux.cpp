// "divide_op" (long division) and "divide_partial_op" (division by partial
// quotients): the divisor, a bracket and the dividend, the stages below, and
// highlights by phase word. The item reads the stage count once, as an
// integer (the measuring functions read it as a number), for the box and the
// drawing alike; rows shorter than their stages or marks are drawn as far as
// they go, and a mark count beyond the integers is refused.
#include <algorithm>

#include "engine/marks.hpp"
#include "engine/tableau_layout.hpp"
#include "records/checked.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"

namespace radixmender::items {
namespace {

const platform::UIColor kBlack = platform::UIColor::black();
const platform::UIColor kClear = platform::UIColor::clear();

// Black text on clear (plain), light gray (light) or gray (dark), or a text
// that keeps its room and shows nothing (hidden).
enum class Style { plain, light, dark, hidden };

// The frame both drawings share, in the item's coordinates.
struct Frame {
    platform::UIFont font;
    double gap, lh, top;
    double xA, xB, xC;  // the divisor's right end, the dividend's left and right ends
    double yBar;
};

Frame frameOf(const Item& item, const ItemBox& box, Texts globals) {
    Frame f{tableauFont(item.size()), tableauGap(item.size()), 0, -box.ascent, 0, 0, 0, 0};
    f.lh = fontMetrics(f.font).lineHeight;
    f.xA = widthOf(entryOf(globals, 1), f.font);
    f.xB = f.xA + 2 * f.gap;
    f.xC = f.xB + widthOf(entryOf(globals, 0), f.font);
    f.yBar = f.top + f.lh + 2.5;
    return f;
}

void text(Marks& marks, const Frame& f, const std::string& t, double x, double y, Style style) {
    const platform::UIColor background = style == Style::light  ? platform::UIColor::lightGray()
                                         : style == Style::dark ? platform::UIColor::gray()
                                                                : kClear;
    marks.text(t, x, y, f.font, style == Style::hidden ? kClear : kBlack, background);
}

// The bracket's upright stroke; its bar runs from just left of it to `barEnd`.
void bracket(Marks& marks, const Frame& f, double barEnd) {
    marks.line(f.xB - f.gap, f.yBar + f.lh + 2.5, f.xB - f.gap, f.yBar, kBlack);
    marks.line(f.xB - f.gap - 1.25, f.yBar, barEnd, f.yBar, kBlack);
}

std::string remainderText(const std::string& remainder) { return remainder == "0" ? "" : " R " + remainder; }

}  // namespace

Node measureDivideOp(const Item& item, Measurer& measurer) {
    const Texts globals = valuesOf(item.row(5)), locals = valuesOf(item.row(6));
    const std::string& phase = entryOf(locals, 0);
    const std::int64_t stages = countOf(entryOf(locals, 1));
    const ItemBox box = divideBox(globals, phase, static_cast<double>(stages), item.size());
    return laidOut(item, box, measurer, [&](Marks& marks) {
        const Frame f = frameOf(item, box, globals);
        const double w0 = widthOf("0", f.font), wMinus = widthOf(text::kMinusSign, f.font);
        const std::size_t nd = characterCount(entryOf(globals, 1));

        // The grid: one character per column, 2·gap more after the divisor's
        // characters; "B" keeps its column empty.
        const Texts grid = valuesOf(item.row(2)), codes = valuesOf(item.row(3));
        double y = f.top;
        for (std::size_t r = 0; r < grid.size(); ++r) {
            const std::vector<std::string> row = characters(grid[r]);
            const std::vector<std::string> shades =
                r < codes.size() ? characters(codes[r]) : std::vector<std::string>{};
            double x = 0;
            for (std::size_t j = 0; j < row.size(); ++j) {
                if (row[j] != "B")
                    text(marks, f, row[j], x, y,
                         hasLetter(shades, j, "L")   ? Style::light
                         : hasLetter(shades, j, "D") ? Style::dark
                                                     : Style::plain);
                x += w0 + (j + 1 == nd ? 2 * f.gap : 0);
            }
            y += f.lh + (r % 2 == 0 ? 5 : 0);
        }
        if (phase == "SOLUTION" || phase == "SUMMARY")
            text(marks, f, remainderText(entryOf(globals, 3)), f.xC, f.top,
                 phase == "SOLUTION" ? Style::light : Style::plain);
        bracket(marks, f, f.xC);

        // One mark per stage, one more while subtracting: a rule from column a
        // of row b to column c of row d (in digit widths from the dividend's
        // left edge and line heights), and "−" before it.
        const Texts lines = valuesOf(item.row(4));
        const std::int64_t count = checkedAdd(stages, phase == "SUBTRACT" ? 1 : 0);
        double yL = f.top + 7.5, yM = f.top + 5 - f.lh;
        for (std::size_t q = 0; static_cast<std::int64_t>(q / 4) < count && q + 3 < lines.size(); q += 4) {
            const double a = numberOf(lines[q]), b = numberOf(lines[q + 1]);
            const double c = numberOf(lines[q + 2]), d = numberOf(lines[q + 3]);
            marks.line(f.xB + a * w0, yL + b * f.lh, f.xB + c * w0, yL + d * f.lh, kBlack);
            text(marks, f, text::kMinusSign, f.xB + a * w0 - wMinus, yM + b * f.lh, Style::plain);
            yL += 5;
            yM += 5;
        }
    });
}

Node measureDividePartialOp(const Item& item, Measurer& measurer) {
    const Texts globals = valuesOf(item.row(4)), locals = valuesOf(item.row(5));
    const std::string& phase = entryOf(locals, 0);
    const std::int64_t stages = countOf(entryOf(locals, 1));
    const ItemBox box = dividePartialBox(globals, phase, static_cast<double>(stages), item.size());
    return laidOut(item, box, measurer, [&](Marks& marks) {
        const Frame f = frameOf(item, box, globals);
        const std::string &dividend = entryOf(globals, 0), &divisor = entryOf(globals, 1);
        const std::string &quotient = entryOf(globals, 2), &remainder = entryOf(globals, 3);
        const double wPlus = widthOf(text::kPlus, f.font), wMinus = widthOf(text::kMinusSign, f.font);
        const double xD = f.xC + 30 + wPlus, xE = xD + widthOf(quotient, f.font);
        const auto is = [&](const char* word) { return phase == word; };

        bracket(marks, f, f.xC + f.gap + 1.25);
        // The separator before the partial quotients runs to the box's bottom.
        marks.line(f.xC + f.gap, f.yBar, f.xC + f.gap, f.top + box.height, kBlack);
        const Style answer = is("SOLUTION") ? Style::light : is("SUMMARY") ? Style::plain : Style::hidden;
        text(marks, f, quotient, f.xC - widthOf(quotient, f.font), f.top, answer);
        text(marks, f, remainderText(remainder), f.xC, f.top, answer);
        text(marks, f, divisor, 0, f.top + f.lh + 5, Style::plain);
        text(marks, f, dividend, f.xB, f.top + f.lh + 5, is("CHOOSE") ? Style::light : Style::plain);

        const Texts rows = valuesOf(item.row(2)), partials = valuesOf(item.row(3));
        const auto reached = static_cast<std::int64_t>(std::max(rows.size() / 2, partials.size()));
        const auto rightAligned = [&](const std::string* t, double right, double y, Style style) {
            if (t != nullptr) text(marks, f, *t, right - widthOf(*t, f.font), y, style);
        };
        for (std::int64_t i = 0; i < std::min(stages, reached); ++i) {
            const double y = f.top + 2 * f.lh + 5 + static_cast<double>(i) * (2 * f.lh + 5);
            const bool last = i == stages - 1;
            const auto at = static_cast<std::size_t>(2 * i + 1);
            if (const std::string* product = optionalEntry(rows, at)) {
                const double left = f.xC - widthOf(*product, f.font);
                rightAligned(product, f.xC, y, is("CHOICE") && last ? Style::light : Style::plain);
                text(marks, f, text::kMinusSign, left - wMinus, y, Style::plain);
                marks.line(left, y + f.lh + 2.5, f.xC, y + f.lh + 2.5, kBlack);
            }
            rightAligned(optionalEntry(partials, static_cast<std::size_t>(i)), xE, y,
                         is("ADD") || (is("CHOICE") && last) ? Style::light : Style::plain);
            const bool grabbed =
                last && (is("GRAB AND CHOOSE") || is("GRAB") || (is("SOLUTION") && remainder != "0"));
            rightAligned(optionalEntry(rows, at + 1), f.xC, y + f.lh + 5,
                         grabbed                ? Style::light
                         : is("CHOICE") && last ? Style::hidden
                                                : Style::plain);
            if (last && (is("ADD") || is("SOLUTION") || is("SUMMARY"))) {
                marks.line(xD, y + f.lh + 2.5, xE, y + f.lh + 2.5, kBlack);
                text(marks, f, text::kPlus, xD - wPlus, y, Style::plain);
                rightAligned(&quotient, xE, y + f.lh + 5,
                             is("ADD")        ? Style::dark
                             : is("SOLUTION") ? Style::light
                                              : Style::plain);
            }
        }
    });
}

}  // namespace radixmender::items
