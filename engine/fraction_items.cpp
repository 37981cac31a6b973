// The fraction family: "whole", "fraction", "mixed_number",
// "extended_fraction" and the three cancellations, whose fractions stand in
// the fraction font over a bar on the line's axis. A numerator that begins
// with "-" loses its sign to the left of the fraction, and every kind makes
// room for it, so the marks of a cancellation stay over the fraction.
#include <algorithm>

#include "engine/number_drawing.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"

namespace radixmender::items {

double SignedNumber::width() const { return sign + std::max(wN, wD); }

SignedNumber layOutSignedNumber(const std::string& numerator, const std::string& denominator,
                                const EngineFonts& fonts, bool left) {
    SignedNumber n;
    n.denominator = &denominator;
    n.signLeft = left && numerator.starts_with(text::kHyphenMinus);
    n.numerator = n.signLeft ? numerator.substr(1) : numerator;
    n.sign = n.signLeft ? textSize(text::kHyphenMinus, fonts.whole).width : 0;
    n.wN = textSize(n.numerator, fonts.fraction).width;
    n.wD = textSize(denominator, fonts.fraction).width;
    return n;
}

void drawSignedNumber(Marks& marks, const SignedNumber& number, Paint first, Paint second,
                      const EngineFonts& fonts, double x, double y) {
    const Metric& m = fonts.metric;
    const double w = std::max(number.wN, number.wD);
    const double a = m.fracAscender + m.wholeHalfXHeight + m.halfBarSpace;
    const double left = x + number.sign;
    marks.text(number.numerator, left + (w - number.wN) / 2, y - a, fonts.fraction, first);
    if (number.signLeft) marks.text(text::kHyphenMinus, x, y - m.wholeAscender, fonts.whole, first);
    marks.text(*number.denominator, left + (w - number.wD) / 2, y - a + m.barSpace + m.fracCapHeight,
               fonts.fraction, second);
    marks.line(left, y - m.wholeHalfXHeight, left + w, y - m.wholeHalfXHeight, first, m.halfBarSpace);
}

NumberSize numberKind(const Row& parts, const EngineFonts& fonts) {
    const FontMetrics f = fontMetrics(fonts.fraction);
    NumberSize n{entryAt(parts, 0), 0, 0, 0, 2 * f.capHeight + std::max(0.125 * f.pointSize, 6.0)};
    const auto whole = [&](std::size_t i) { return textSize(entryAt(parts, i), fonts.whole).width; };
    const auto fraction = [&](std::size_t i) {
        return std::max(textSize(entryAt(parts, i), fonts.fraction).width,
                        textSize(entryAt(parts, i + 1), fonts.fraction).width);
    };
    if (n.kind == "whole") {
        n.wholeWidth = whole(1);
    } else if (n.kind == "fraction") {
        n.fractionWidth = fraction(1);
    } else if (n.kind == "mixed_number") {
        n.wholeWidth = whole(1);
        n.fractionWidth = fraction(2);
    } else {
        n.kind = "UNKNOWN";
    }
    n.totalWidth = n.wholeWidth + n.fractionWidth;
    return n;
}

void drawNumber(Marks& marks, const Row& parts, const Row& colours, const EngineFonts& fonts,
                const NumberSize& widths, double x, double y, double wholeColumn, double fractionColumn) {
    const auto wholeText = [&] {
        marks.text(entryAt(parts, 1), x + wholeColumn - widths.wholeWidth, y - fonts.metric.wholeAscender,
                   fonts.whole, Paint::named(entryAt(colours, 1)));
    };
    const auto fraction = [&](std::size_t first) {
        const SignedNumber n =
            layOutSignedNumber(entryAt(parts, first), entryAt(parts, first + 1), fonts, false);
        drawSignedNumber(marks, n, Paint::named(entryAt(colours, first)),
                         Paint::named(entryAt(colours, first + 1)), fonts,
                         x + wholeColumn + (fractionColumn - widths.fractionWidth) / 2, y);
    };
    if (widths.kind == "whole") wholeText();
    if (widths.kind == "fraction") fraction(1);
    if (widths.kind == "mixed_number") {
        wholeText();
        fraction(2);
    }
}

namespace {

// Every kind of the family but the cancellations spans the fraction's box:
// from the numerator's capitals down to the denominator's baseline.
ItemBox fractionBox(const Item& item, double width) {
    const Metric& m = item.metric();
    return {width, m.fracHeight, m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace};
}

Paint slot(const Item& item, std::size_t n) { return Paint::named(item.value(1, n)); }

// A fraction item, the whole part (mixed numbers) before it.
Node measureFractionOf(const Item& item, Measurer& measurer, const std::string& numerator,
                       const std::string& denominator, const std::string* wholePart) {
    const EngineFonts& f = *item.fonts;
    const double whole = wholePart ? textSize(*wholePart, f.whole).width : 0;
    const SignedNumber n = layOutSignedNumber(numerator, denominator, f, true);
    return laidOut(item, fractionBox(item, whole + n.width()), measurer, [&](Marks& marks) {
        const std::size_t first = wholePart ? 2 : 1;
        if (wholePart) marks.text(*wholePart, 0, -f.metric.wholeAscender, f.whole, slot(item, 1));
        drawSignedNumber(marks, n, slot(item, first), slot(item, first + 1), f, whole, 0);
    });
}

}  // namespace

Node measureWhole(const Item& item, Measurer& measurer) {
    const std::string& whole = item.value(0, 1);
    return laidOut(item, fractionBox(item, textSize(whole, item.fonts->whole).width), measurer,
                   [&](Marks& marks) {
                       marks.text(whole, 0, -item.metric().wholeAscender, item.fonts->whole, slot(item, 1));
                   });
}

Node measureFractionNumber(const Item& item, Measurer& measurer) {
    return measureFractionOf(item, measurer, item.value(0, 1), item.value(0, 2), nullptr);
}

Node measureMixedNumber(const Item& item, Measurer& measurer) {
    return measureFractionOf(item, measurer, item.value(0, 2), item.value(0, 3), &item.value(0, 1));
}

Node measureExtendedFraction(const Item& item, Measurer& measurer) {
    // One blank on each side of the operator, in both lines.
    const std::string op = " " + item.value(0, 1) + " ";
    const std::string numerator = item.value(0, 2) + op + item.value(0, 4);
    const std::string denominator = item.value(0, 3) + op + item.value(0, 5);
    const SignedNumber n = layOutSignedNumber(numerator, denominator, *item.fonts, true);
    return laidOut(item, fractionBox(item, n.width()), measurer, [&](Marks& marks) {
        drawSignedNumber(marks, n, slot(item, 1), slot(item, 2), *item.fonts, 0, 0);
    });
}

// The three cancellations: the fraction, the reduced numerator written above
// it and the reduced denominator below, and thin strokes rising from bottom
// left to top right across the parts they cancel.
Node measureCancel(const Item& item, Measurer& measurer) {
    const std::string& kind = item.value(0, 0);
    const bool top = kind != "fraction_cancel_denominator";
    const bool bottom = kind != "fraction_cancel_numerator";
    const Metric& m = item.metric();
    const EngineFonts& f = *item.fonts;
    const SignedNumber n = layOutSignedNumber(item.value(0, 1), item.value(0, 2), f, true);
    const double extra =
        top && bottom ? 4 * m.fracCapHeight + 3 * m.barSpace : 3 * m.fracCapHeight + 2 * m.barSpace;
    const double ascent =
        m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace + (top ? m.fracCapHeight + m.barSpace : 0);
    return laidOut(item, ItemBox{n.width(), extra, ascent}, measurer, [&](Marks& marks) {
        drawSignedNumber(marks, n, slot(item, 1), slot(item, 2), f, 0, 0);
        const double x = n.sign, w = std::max(n.wN, n.wD);
        const double u = m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace + m.barSpace;
        const double l = m.fracHeight - u + m.fracCapHeight + 2 * m.barSpace;
        // Colour slots: 3 and on hold the reduced values, then the strokes.
        const std::size_t reduced = 3, strokes = top && bottom ? 5 : 4;
        const auto written = [&](std::size_t value, std::size_t colour, double baseline) {
            const std::string& t = item.value(0, value);
            marks.text(t, x + (w - textSize(t, f.fraction).width) / 2, baseline - m.fracAscender, f.fraction,
                       slot(item, colour));
        };
        if (top) written(3, reduced, -u);
        if (bottom) written(top ? 4 : 3, top ? reduced + 1 : reduced, l);
        const double stroke = 0.67 * m.halfBarSpace;
        if (top)
            marks.line(x, -m.wholeHalfXHeight - m.halfBarSpace, x + w,
                       -m.wholeHalfXHeight - m.halfBarSpace - m.fracCapHeight, slot(item, strokes), stroke);
        if (bottom)
            marks.line(x, -m.wholeHalfXHeight + m.halfBarSpace + m.fracCapHeight, x + w,
                       -m.wholeHalfXHeight + m.halfBarSpace, slot(item, top ? strokes + 1 : strokes), stroke);
    });
}

}  // namespace radixmender::items
