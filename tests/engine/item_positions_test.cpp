// Where each item kind puts its texts, bars, strokes and rules, and in which
// colour. The engine measures with a stand-in whose characters and metrics are
// simple, distinct shares of the point size, and every expected place is
// worked out here from the layout rules of the kind (the fraction geometry,
// the radical's corners, the block's columns, the tree's staircase), never
// from the engine's own code.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/literals.hpp"
#include "records/text.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/engine/tableau_samples.hpp"

namespace radixmender {
namespace {

namespace W = platform::FontWeight;
using platform::UIColor;

// The stand-in fonts' shares of the point size.
constexpr double kAscender = 0.93, kDescender = -0.21, kCapHeight = 0.71, kXHeight = 0.53, kLine = 1.17;
constexpr double kEmojiLine = 1.6;  // a text with an emoji stands taller than a line
constexpr double kSmallShare = 7.0 / 15.0;

// Each character its own advance, so that centring, right-aligning and
// swapped texts show; every metric a different share, so that one used for
// another shows.
struct StandIn : TextMeasurer {
    static double advance(const std::string& c) {
        if (c.size() > 3) return 1.1;  // an emoji
        if (c.size() > 1) return 0.63;
        return 0.4 + 0.02 * (static_cast<unsigned char>(c[0]) % 11);
    }
    platform::Size textSize(const std::string& t, const platform::UIFont& f) const override {
        double w = 0, line = kLine;
        for (const std::string& c : characters(t)) {
            w += advance(c);
            if (c.size() > 3) line = kEmojiLine;
        }
        return {w * f.pointSize, line * f.pointSize};
    }
    FontMetrics metrics(const platform::UIFont& f) const override {
        const double p = f.pointSize;
        return {p, kAscender * p, kDescender * p, kCapHeight * p, kXHeight * p, kLine * p};
    }
};

// A text by the top-left of its line box, or a straight segment, as drawn.
struct Mark {
    std::string text;  // empty for a segment
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double size = 0;  // a text's point size, a segment's width
    double weight = 0;
    UIColor colour;
};
using Marks = std::vector<Mark>;

Mark text(std::string t, double x, double y, double size, double weight, Color c) {
    return {std::move(t), x, y, 0, 0, size, weight, UIColor::from(c)};
}
Mark segment(double x1, double y1, double x2, double y2, double width, Color c) {
    return {"", x1, y1, x2, y2, width, 0, UIColor::from(c)};
}

// The fonts' lengths at one size, as the items lay out with them.
struct Fonts {
    double s, weight;
    double asc, cap, lh, xh, halfX, fAsc, fCap, fs, bs, hb, fh;
    explicit Fonts(double size, double w = W::medium)
        : s(size),
          weight(w),
          asc(kAscender * s),
          cap(kCapHeight * s),
          lh(kLine * s),
          xh(kXHeight * s),
          halfX(xh / 2),
          fAsc(kAscender * 0.75 * s),
          fCap(kCapHeight * 0.75 * s),
          fs(0.75 * s),
          bs(std::max(0.125 * s, 5.0)),
          hb(bs / 2),
          fh(2 * fCap + bs) {}
    [[nodiscard]] static double width(const std::string& t, double size) {
        return StandIn().textSize(t, {platform::FontFamily::monospacedDigitSystem, size, 0}).width;
    }
    [[nodiscard]] double w(const std::string& t) const { return width(t, s); }
    [[nodiscard]] double wf(const std::string& t) const { return width(t, fs); }
    [[nodiscard]] Mark whole(const std::string& t, double x, double baseline, Color c) const {
        return text(t, x, baseline - asc, s, weight, c);
    }
    [[nodiscard]] Mark fraction(const std::string& t, double x, double baseline, Color c) const {
        return text(t, x, baseline - fAsc, fs, weight, c);
    }
};

// An expected item: its box, and the marks it draws at a left edge and baseline.
struct Shape {
    ItemBox box;
    std::function<void(Marks&, double, double)> draw;
};

// Leaves.
Shape integer(const Fonts& f, const std::string& t, Color c) {
    return {{f.w(t), f.lh, f.asc}, [=](Marks& m, double x, double y) { m.push_back(f.whole(t, x, y, c)); }};
}

Shape message(const Fonts& f, const std::string& t, Color c) {
    const double h = StandIn().textSize(t, {platform::FontFamily::monospacedDigitSystem, f.s, 0}).height;
    return {{f.w(t), h, f.asc + h / 2 - f.lh / 2}, [=](Marks& m, double x, double y) {
                m.push_back(text(t, x, y - f.asc - h / 2 + f.lh / 2, f.s, f.weight, c));
            }};
}

// "rational" (no sign) and "signed_rational": the slots are sign, numerator, denominator, bar.
Shape rational(const Fonts& f, const std::string& sign, const std::string& n, const std::string& d,
               std::array<Color, 4> c) {
    const double s = sign == "-" ? f.w("-") : 0, wN = f.wf(n), wD = f.wf(d), w = std::max(wN, wD);
    return {{s + w, f.fh + f.lh - f.cap, f.fCap + f.halfX + f.hb + f.asc - f.cap},
            [=](Marks& m, double x, double y) {
                if (s > 0) m.push_back(text("-", x, y - f.fAsc - f.halfX, f.s, f.weight, c[0]));
                const double a = f.fAsc + f.halfX + f.hb;
                m.push_back(text(n, x + s + (w - wN) / 2, y - a, f.fs, f.weight, c[1]));
                m.push_back(text(d, x + s + (w - wD) / 2, y - a + f.bs + f.fCap, f.fs, f.weight, c[2]));
                m.push_back(segment(x + s, y - f.halfX, x + s + w, y - f.halfX, f.hb, c[3]));
            }};
}

// Unary: a stroked radical sign with its index, brackets scaled to the operand, a prefix.
Shape radical(const Fonts& f, const std::string& sign, const Shape& o, Color c) {
    const double s = f.w(text::kRadical);
    const ItemBox b = o.box;
    return {{b.width + s, b.height + 1.25 * f.bs, b.ascent + f.bs}, [=](Marks& m, double x, double y) {
                o.draw(m, x + s, y);
                const double top = y - b.ascent - f.hb, low = y + b.height - b.ascent - f.hb;
                m.push_back(segment(x + s + b.width, top, x + 0.8 * s, top, f.hb, c));
                m.push_back(segment(x + 0.8 * s, top, x + 0.4 * s, low, f.hb, c));
                m.push_back(segment(x + 0.4 * s, low, x + 0.1 * s, low - 0.4 * b.height, f.hb, c));
                if (sign != text::kRadical)
                    m.push_back(text(sign.substr(sign.size() - 1), x + 0.05 * s, y - b.ascent - f.bs,
                                     kSmallShare * f.s, W::heavy, c));
            }};
}

Shape brackets(const std::string& pair, const Shape& o, Color c) {
    if (c == Color::invisible) return o;
    const ItemBox b = o.box;
    const double p = 1.125 * b.height, g = (kAscender - kCapHeight) * p;
    const std::string open = pair.substr(0, 1), close = pair.substr(1);
    const double wo = Fonts::width(open, p), wc = Fonts::width(close, p);
    return {{wo + b.width + wc, b.height, b.ascent}, [=](Marks& m, double x, double y) {
                m.push_back(text(open, x, y - b.ascent - g, p, W::light, c));
                o.draw(m, x + wo, y);
                m.push_back(text(close, x + wo + b.width, y - b.ascent - g, p, W::light, c));
            }};
}

Shape prefix(const Fonts& f, const std::string& t, const Shape& o, Color c) {
    const double w = f.w(t);
    return {{w + o.box.width, o.box.height, o.box.ascent}, [=](Marks& m, double x, double y) {
                o.draw(m, x + w, y);
                m.push_back(f.whole(t, x, y, c));
            }};
}

// Join: side by side with an operator ("" for "🖇"), the left side possibly absent.
Shape beside(const Fonts& f, const std::string& op, const std::optional<Shape>& l, const Shape& r, Color c) {
    const ItemBox a = l ? l->box : ItemBox{}, b = r.box;
    const std::string padded = " " + op + " ";
    const double o = op.empty() ? 0 : f.w(padded), ascent = std::max(a.ascent, b.ascent);
    return {{a.width + o + b.width, ascent + std::max(a.height - a.ascent, b.height - b.ascent), ascent},
            [=](Marks& m, double x, double y) {
                if (l) l->draw(m, x, y);
                r.draw(m, x + a.width + o, y);
                if (!op.empty()) m.push_back(f.whole(padded, x + a.width, y, c));
            }};
}

// The exponent's shape is made at the small size and the emphasized weight it is drawn at.
Shape power(const Fonts& f, const Shape& base, const Shape& exponent) {
    const ItemBox b = base.box, e = exponent.box;
    const double rise = f.asc - f.xh - kDescender * kSmallShare * f.s;
    return {{b.width + e.width, b.height + e.height - rise, b.ascent + e.height - rise},
            [=](Marks& m, double x, double y) {
                base.draw(m, x, y);
                exponent.draw(m, x + b.width, y - b.ascent + rise - e.height + e.ascent);
            }};
}

Shape over(const Fonts& f, const Shape& n, const Shape& d, Color c) {
    const ItemBox a = n.box, b = d.box;
    const double w = std::max(a.width, b.width);
    return {{w, a.height + b.height + f.bs, a.height + f.halfX + f.hb}, [=](Marks& m, double x, double y) {
                n.draw(m, x + (w - a.width) / 2, y - (f.halfX + a.height - a.ascent + f.hb));
                d.draw(m, x + (w - b.width) / 2, y + (b.ascent - f.halfX + f.hb));
                m.push_back(segment(x, y - f.halfX, x + w, y - f.halfX, f.hb, c));
            }};
}

// The fraction family. A fraction's numerator, moved sign and bar in c1, its
// denominator in c2; the sign moves left of the fraction only when `left`.
double signWidth(const Fonts& f, const std::string& n, bool left) {
    return left && n.starts_with("-") ? f.w("-") : 0;
}
void signedNumber(Marks& m, const Fonts& f, std::string n, const std::string& d, Color c1, Color c2,
                  bool left, double x, double y) {
    const double s = signWidth(f, n, left);
    if (s > 0) n = n.substr(1);
    const double wN = f.wf(n), wD = f.wf(d), w = std::max(wN, wD), a = f.fAsc + f.halfX + f.hb;
    m.push_back(text(n, x + s + (w - wN) / 2, y - a, f.fs, f.weight, c1));
    if (s > 0) m.push_back(f.whole("-", x, y, c1));
    m.push_back(text(d, x + s + (w - wD) / 2, y - a + f.bs + f.fCap, f.fs, f.weight, c2));
    m.push_back(segment(x + s, y - f.halfX, x + s + w, y - f.halfX, f.hb, c1));
}
double fractionWidth(const Fonts& f, const std::string& n, const std::string& d) {
    const double s = signWidth(f, n, true);
    return s + std::max(f.wf(s > 0 ? n.substr(1) : n), f.wf(d));
}

// A whole part (none when empty) and a fraction (none when `n` is empty), in one fraction's box.
Shape number(const Fonts& f, const std::string& whole, const std::string& n, const std::string& d,
             std::vector<Color> c) {
    const double ww = whole.empty() ? 0 : f.w(whole);
    return {{ww + (n.empty() ? 0 : fractionWidth(f, n, d)), f.fh, f.fCap + f.halfX + f.hb},
            [=](Marks& m, double x, double y) {
                if (!whole.empty()) m.push_back(f.whole(whole, x, y, c[0]));
                if (!n.empty()) signedNumber(m, f, n, d, c[c.size() - 2], c.back(), true, x + ww, y);
            }};
}

// Cancellations: the reduced numerator above (when `nr` is set) and the reduced
// denominator below (when `dr` is set), strokes across what they replace; the
// colours in the order of the kind's slots.
Shape cancel(const Fonts& f, const std::string& n, const std::string& d, const std::string& nr,
             const std::string& dr, std::vector<Color> c) {
    const bool top = !nr.empty(), bottom = !dr.empty();
    const double w = std::max(f.wf(n), f.wf(d));
    const double u = f.fCap + f.halfX + f.hb + f.bs, l = f.fh - u + f.fCap + 2 * f.bs;
    const double height = top && bottom ? 4 * f.fCap + 3 * f.bs : 3 * f.fCap + 2 * f.bs;
    const double ascent = (top ? 2 * f.fCap + f.bs : f.fCap) + f.halfX + f.hb;
    return {{w, height, ascent}, [=](Marks& m, double x, double y) {
                signedNumber(m, f, n, d, c[0], c[1], true, x, y);
                std::size_t next = 2;
                if (top) m.push_back(f.fraction(nr, x + (w - f.wf(nr)) / 2, y - u, c[next++]));
                if (bottom) m.push_back(f.fraction(dr, x + (w - f.wf(dr)) / 2, y + l, c[next++]));
                const double stroke = 0.67 * f.hb, axis = y - f.halfX;
                if (top) m.push_back(segment(x, axis - f.hb, x + w, axis - f.hb - f.fCap, stroke, c[next++]));
                if (bottom)
                    m.push_back(segment(x, axis + f.hb + f.fCap, x + w, axis + f.hb, stroke, c[next]));
            }};
}

// A number of a block: whole when d is 0, a fraction when the whole is 0, else
// mixed; its whole part in c1, numerator and bar in c2, denominator in c3.
struct Number {
    std::int64_t whole, n, d;
    Color c1, c2, c3;
    [[nodiscard]] Record record() const { return makeNumberRecord(whole, n, d, c1, c2, c3, "t"); }
    [[nodiscard]] bool hasWhole() const { return d == 0 || whole != 0; }
    [[nodiscard]] double wholeWidth(const Fonts& f) const {
        return hasWhole() ? f.w(std::to_string(whole)) : 0;
    }
    [[nodiscard]] double fractionWidth(const Fonts& f) const {
        return d == 0 ? 0 : std::max(f.wf(std::to_string(n)), f.wf(std::to_string(d)));
    }
    // Right-aligned in the whole column, the fraction centred in the fraction column, its sign on top.
    void draw(Marks& m, const Fonts& f, double x, double y, double wholeColumn, double fractionColumn) const {
        if (hasWhole()) m.push_back(f.whole(std::to_string(whole), x + wholeColumn - wholeWidth(f), y, c1));
        if (d != 0)
            signedNumber(m, f, std::to_string(n), std::to_string(d), c2, c3, false,
                         x + wholeColumn + (fractionColumn - fractionWidth(f)) / 2, y);
    }
};

Record block(const Number& a, const std::string& op, const Number& b, const Number& p, Color opColour,
             Color rules) {
    return makeBlockRecord(
        makeJoinRecord("=", makeJoinRecord(op, a.record(), b.record(), opColour), p.record(), rules));
}

Shape blockShape(const Fonts& f, const Number& a, const std::string& op, const Number& b, const Number& p,
                 Color opColour, Color rules) {
    const double wc = std::max({a.wholeWidth(f), b.wholeWidth(f), p.wholeWidth(f)});
    const double fc = std::max({a.fractionWidth(f), b.fractionWidth(f), p.fractionWidth(f)});
    const double o = f.w(op + " "), number = 2 * f.fCap + std::max(0.125 * f.fs, 6.0);
    const double height = 3 * number + 5 * f.bs;
    return {{o + wc + fc, height, 0.5 * height + f.halfX - f.hb - f.bs}, [=](Marks& m, double x, double y) {
                a.draw(m, f, x + o, y - f.fh - f.bs, wc, fc);
                b.draw(m, f, x + o, y, wc, fc);
                p.draw(m, f, x + o, y + f.fh + 2 * f.bs, wc, fc);
                m.push_back(f.whole(op + " ", x, y, opColour));
                const double under = y - f.halfX + f.fCap + 1.5 * f.bs;
                m.push_back(segment(x + o, under, x + o + wc + fc, under, f.hb, rules));
                m.push_back(segment(x + o, under + 2 * f.bs + f.fh, x + o + wc + fc, under + 2 * f.bs + f.fh,
                                    f.hb, rules));
            }};
}

// A 3 × 3 grid of terms sized by the four products, the products boxed.
Shape boxGrid(const Fonts& f, const std::vector<std::string>& terms, const std::vector<Color>& c) {
    double widest = 0;
    for (const std::size_t i : {4, 5, 7, 8}) widest = std::max(widest, f.w(terms[i]));
    const double s = widest + f.w("0"), h0 = kLine * f.s;
    return {{3 * s, 3 * s, 1.5 * s}, [=](Marks& m, double x, double y) {
                for (std::size_t i = 0; i < 9; ++i) {
                    const double r = double(i / 3), col = double(i % 3);
                    m.push_back(f.whole(terms[i], x + (col + 0.5) * s - f.w(terms[i]) / 2,
                                        y - 1.5 * s + r * s + (s - h0) / 2 + f.asc, c[i]));
                }
                for (int j = 0; j < 3; ++j) {
                    m.push_back(segment(x + s, y - 0.5 * s + j * s, x + 3 * s, y - 0.5 * s + j * s, 2.5,
                                        Color::black));
                    m.push_back(segment(x + (j + 1) * s, y - 0.5 * s, x + (j + 1) * s, y + 1.5 * s, 2.5,
                                        Color::black));
                }
            }};
}

// R rows of C texts right-aligned in columns as wide as the longest text's digits.
Shape boxTable(const Fonts& f, std::size_t rows, std::size_t columns, const std::vector<std::string>& entries,
               const std::vector<Color>& c) {
    std::size_t longest = 0;
    for (const std::string& e : entries) longest = std::max(longest, e.size());
    const double z = f.w("0"), w = z * double(longest), height = double(rows) * f.lh;
    return {{z * double(columns * (longest + 1) - 1), height, height / 2}, [=](Marks& m, double x, double y) {
                for (std::size_t i = 0; i < entries.size(); ++i)
                    m.push_back(f.whole(entries[i], x + double(i % columns) * (w + z) + w - f.w(entries[i]),
                                        y - height / 2 + double(i / columns) * f.lh + f.asc, c[i]));
            }};
}

// A staircase of pairs, columns as wide as the first right-hand number.
Shape primeTree(const Fonts& f, const std::vector<PrimeTreeRow>& rows) {
    const double n = double(rows.size()), g = 0.25 * f.lh, w = f.w(std::to_string(rows[0].quotient));
    return {
        {w * (0.5 * n + 1.5) + g * (0.5 * n + 0.5), n * (f.lh + g), f.asc},
        [=](Marks& m, double x, double y) {
            const double step = (w + g) / 2;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const double left = x + double(i) * step, top = y - f.asc + double(i) * (f.lh + g);
                const std::string a = std::to_string(rows[i].divisor), b = std::to_string(rows[i].quotient);
                m.push_back(f.whole(a, left + (w - f.w(a)) / 2, top + f.asc, rows[i].divisorColor));
                m.push_back(f.whole(b, left + w + g + (w - f.w(b)) / 2, top + f.asc, rows[i].quotientColor));
            }
            for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
                const double bx = x + w + g + w / 2 + double(i) * step,
                             by = y + f.lh - f.asc + double(i) * (f.lh + g);
                m.push_back(segment(bx, by, bx + step, by + g, 0.67 * f.hb, Color::black));
                m.push_back(segment(bx, by, bx - step, by + g, 0.67 * f.hb, Color::black));
            }
        }};
}

// What the recording context received: texts as they are, every path as its segments.
Marks drawn(const Record& r, double x, double y, double size) {
    Marks out;
    const auto context = testing::record(r, x, y, size);
    for (const platform::RecordedOperation& op : context->operations()) {
        const UIColor colour = op.isText() ? op.attributes.foregroundColor : op.strokeColor;
        if (op.isText()) {
            out.push_back({op.text, op.topLeft.x, op.topLeft.y, 0, 0, op.attributes.font.pointSize,
                           op.attributes.font.weight, colour});
            continue;
        }
        platform::Point from{};
        for (const auto& e : op.path.elements()) {
            if (e.kind == platform::Path::Element::Kind::lineTo)
                out.push_back({"", from.x, from.y, e.point.x, e.point.y, op.lineWidth, 0, colour});
            from = e.point;
        }
    }
    return out;
}

struct Case {
    std::string name;
    Record record;
    Shape expected;
};

std::vector<Case> cases(double size) {
    const Fonts f(size), small(kSmallShare * size, W::heavy);
    using C = Color;
    const auto join = [](const std::string& t, const Record& l, const Record& r, C c = C::black) {
        return makeJoinRecord(t, l, r, c);
    };
    // Integer operands as records (i) and as expected shapes (s), each in its own colour.
    const auto leaf = [&](std::int64_t v, C c) {
        return std::pair{makeIntegerRecord(v, c), integer(f, std::to_string(v), c)};
    };
    const auto [i27, s27] = leaf(27, C::red);
    const auto [i8, s8] = leaf(8, C::green);
    const auto [i1, s1] = leaf(1, C::blue);
    const auto [i12, s12] = leaf(12, C::brown);
    const auto [i12345, s12345] = leaf(12345, C::gray);
    const auto [i7, s7] = leaf(7, C::cyan);
    const auto [i10, s10] = leaf(10, C::magenta);
    const Record r314 = makeRationalRecord(-3, 14, C::gray, C::red, C::blue, C::green);
    const Shape q314 = rational(f, "", "-3", "14", {C::gray, C::red, C::blue, C::green});
    Record blankLeft = join(text::kMinusSign, i12, i7, C::red);
    blankLeft[blankLeft.size() - 3][1] = "BLANK";
    const std::vector<PrimeTreeRow> tree = {
        {2, C::red, 45, C::blue}, {3, C::green, 15, C::brown}, {1001, C::cyan, 5, C::magenta}};
    const auto treeOf = [&](std::size_t levels) {
        const std::vector<PrimeTreeRow> rows(tree.begin(), tree.begin() + static_cast<long>(levels));
        return Case{"prime tree of " + std::to_string(levels), makePrimeTreeRecord("t", rows),
                    primeTree(f, rows)};
    };
    const Number mixedA{3, 1, 4, C::red, C::blue, C::green}, fractionB{0, 5, 8, C::brown, C::cyan, C::gray},
        mixedP{3, 7, 8, C::magenta, C::dark_gray, C::light_gray};
    const Number wholeA{123, 0, 0, C::red, C::black, C::black},
        wholeB{-45, 0, 0, C::blue, C::black, C::black}, wholeP{78, 0, 0, C::green, C::black, C::black};
    const std::vector<C> nine = {C::red,  C::blue,    C::green,     C::cyan,      C::brown,
                                 C::gray, C::magenta, C::dark_gray, C::light_gray};
    Record grid = testing::fractionAndBoxSamples()[8].record;  // "box_grid", its terms in black
    grid[3].resize(1);
    for (const C c : nine) grid[3].push_back(rawValue(c));
    const std::vector<std::string> terms(grid[2].begin() + 1, grid[2].end());
    const std::vector<C> six(nine.begin(), nine.begin() + 6);
    return {
        // Unary and join items.
        {"radical", makeUnaryRecord("√", i27, C::blue), radical(f, "√", s27, C::blue)},
        {"radical with an index", makeUnaryRecord("√3", i8, C::magenta), radical(f, "√3", s8, C::magenta)},
        {"brackets round a fraction", makeUnaryRecord("()", join("/", i1, i12, C::red), C::green),
         brackets("()", over(f, s1, s12, C::red), C::green)},
        {"brackets (] round an integer", makeUnaryRecord("(]", i27, C::brown), brackets("(]", s27, C::brown)},
        {"invisible brackets", makeUnaryRecord("[]", i27, C::invisible), brackets("[]", s27, C::invisible)},
        {"clear equals prefix", makeEqualsRecord(i12, C::clear), prefix(f, "= ", s12, C::clear)},
        {"minus prefix", makeUnaryRecord(text::kMinusSign, i7, C::red),
         prefix(f, text::kMinusSign, s7, C::red)},
        {"operator between a rational and an integer", join("+", r314, i27, C::cyan),
         beside(f, "+", q314, s27, C::cyan)},
        {"juxtaposition", join(text::kPaperclip, i12, makeUnaryRecord("√", i8, C::red)),
         beside(f, "", s12, radical(f, "√", s8, C::red), C::black)},
        {"operator with no left operand", blankLeft, beside(f, text::kMinusSign, std::nullopt, s7, C::red)},
        {"exponent", join("^", i10, i12), power(f, s10, integer(small, "12", C::brown))},
        {"fraction, wider numerator", join("/", i12345, i7, C::red), over(f, s12345, s7, C::red)},
        {"fraction, wider denominator", join("/", i7, join("+", i10, i12, C::blue), C::green),
         over(f, s7, beside(f, "+", s10, s12, C::blue), C::green)},
        // Integers, rationals and messages.
        {"integer", makeIntegerRecord(-1234, C::red), integer(f, "-1234", C::red)},
        {"message", makeMessageRecord(" note ", C::green), message(f, " note ", C::green)},
        {"taller message", makeMessageRecord(text::kCool, C::blue), message(f, text::kCool, C::blue)},
        {"rational, wider numerator", r314, q314},
        {"rational, wider denominator", makeRationalRecord(5, 1234, C::red, C::blue, C::green, C::brown),
         rational(f, "", "5", "1234", {C::red, C::blue, C::green, C::brown})},
        {"signed rational", makeSignedRationalRecord(-3, 4, C::red, C::blue, C::green, C::brown),
         rational(f, "-", "3", "4", {C::red, C::blue, C::green, C::brown})},
        {"signed rational, plus", makeSignedRationalRecord(3, 4, C::red, C::blue, C::green, C::brown),
         rational(f, "+", "3", "4", {C::red, C::blue, C::green, C::brown})},
        // Whole numbers, fractions, mixed numbers and cancellations.
        {"whole", makeWholeRecord(-1234, C::red, "t"), number(f, "-1234", "", "", {C::red})},
        {"fraction", makeFractionRecord(5, 8, C::red, C::blue, "t"),
         number(f, "", "5", "8", {C::red, C::blue})},
        {"fraction, moved sign", makeFractionRecord(-3, 14, C::red, C::blue, "t"),
         number(f, "", "-3", "14", {C::red, C::blue})},
        {"mixed number", makeMixedNumberRecord(3, 1, 4, C::red, C::blue, C::green, "t"),
         number(f, "3", "1", "4", {C::red, C::blue, C::green})},
        {"extended fraction", makeExtendedFractionRecord("×", -2, 5, 3, 7, C::red, C::blue, "t"),
         number(f, "", "-2 × 3", "5 × 7", {C::red, C::blue})},
        {"cancel both",
         makeCancelBothRecord(12, 18, 2, 3, C::red, C::blue, C::green, C::cyan, C::brown, C::magenta, "t"),
         cancel(f, "12", "18", "2", "3", {C::red, C::blue, C::green, C::cyan, C::brown, C::magenta})},
        {"cancel numerator", makeCancelNumeratorRecord(6, 35, 3, C::red, C::blue, C::green, C::cyan, "t"),
         cancel(f, "6", "35", "3", "", {C::red, C::blue, C::green, C::cyan})},
        {"cancel denominator", makeCancelDenominatorRecord(7, 21, 3, C::red, C::blue, C::green, C::cyan, "t"),
         cancel(f, "7", "21", "", "3", {C::red, C::blue, C::green, C::cyan})},
        // Blocks and boxes.
        {"block of mixed numbers", block(mixedA, "+", fractionB, mixedP, C::red, C::blue),
         blockShape(f, mixedA, "+", fractionB, mixedP, C::red, C::blue)},
        {"block of whole numbers", block(wholeA, text::kMinusSign, wholeB, wholeP, C::cyan, C::green),
         blockShape(f, wholeA, text::kMinusSign, wholeB, wholeP, C::cyan, C::green)},
        {"box grid", grid, boxGrid(f, terms, nine)},
        {"box table", makeBoxTableRecord(2, 3, {7, 12, -345, 6, 78, 9}, six, "t"),
         boxTable(f, 2, 3, {"7", "12", "-345", "6", "78", "9"}, six)},
        // Prime trees.
        treeOf(1),
        treeOf(2),
        treeOf(3),
    };
}

TEST(ItemPositions, FollowTheLayoutOfEachKind) {
    const StandIn standIn;
    const ScopedTextMeasurer scope(standIn);
    // At 32 the bar space is its floor of 5; at 72 it is an eighth of the size.
    for (const double size : {32.0, 72.0}) {
        for (const Case& c : cases(size)) {
            SCOPED_TRACE(c.name + " at " + std::to_string(size));
            const ItemBox box = testing::measure(c.record, size);
            EXPECT_NEAR(box.width, c.expected.box.width, 1e-9);
            EXPECT_NEAR(box.height, c.expected.box.height, 1e-9);
            EXPECT_NEAR(box.ascent, c.expected.box.ascent, 1e-9);
            Marks expected;
            c.expected.draw(expected, 40, 300);
            const Marks got = drawn(c.record, 40, 300, size);
            ASSERT_EQ(got.size(), expected.size());
            for (std::size_t i = 0; i < got.size(); ++i) {
                const Mark &g = got[i], &e = expected[i];
                SCOPED_TRACE("mark " + std::to_string(i) + " " + e.text);
                EXPECT_EQ(g.text, e.text);
                EXPECT_NEAR(g.x1, e.x1, 1e-9);
                EXPECT_NEAR(g.y1, e.y1, 1e-9);
                EXPECT_NEAR(g.x2, e.x2, 1e-9);
                EXPECT_NEAR(g.y2, e.y2, 1e-9);
                EXPECT_NEAR(g.size, e.size, 1e-9);
                EXPECT_EQ(g.weight, e.weight);
                EXPECT_TRUE(g.colour == e.colour)
                    << g.colour.r << " " << g.colour.g << " " << g.colour.b << " " << g.colour.a;
            }
        }
    }
}

}  // namespace
}  // namespace radixmender
