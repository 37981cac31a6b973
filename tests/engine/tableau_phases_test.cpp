// Every phase of every operation tableau, each pinned by one worked example:
// every text the drawing context receives with its place, size and colours,
// every rule, slash and fill, against where the tableau's layout puts them
// (measured in the tableau font at size 60, where the gap is 12). Each
// example is also written as a picture for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/universal_engine_view.hpp"
#include "platform/graphics_context.hpp"
#include "records/literals.hpp"
#include "records/tableau_records.hpp"
#include "tests/engine/engine_test_helpers.hpp"

namespace radixmender {
namespace {

using platform::Point;

constexpr double kSize = 60, kGap = 12, kX = 20, kY = 300;
constexpr double kColumnAngle = -0.425 * M_PI, kCountAngle = -M_PI / 3;

platform::UIFont font(double share = 1) {
    return platform::UIFont::monospacedDigitSystemFont(share * kSize, testing::kMedium);
}
double w(const std::string& t, double share = 1) { return textSize(t, font(share)).width; }
double lineHeight(double share = 1) { return fontMetrics(font(share)).lineHeight; }
// The band of turned labels: the longest label, whichever way it is turned.
double band(const std::string& label) {
    const platform::Size s = textSize(label, font(0.5));
    return std::max(s.width, s.height);
}
double topOf(const Record& r) { return kY - testing::measure(r, kSize).ascent; }

// Marks compare as texts, lengths in ten-thousandths. The font's measures are
// binary fractions, which can fall on a half: the rounding is moved off them.
std::string n(double v) { return std::to_string(std::llround(v * 1e4 + 0.3)); }
std::string placed(const std::vector<Point>& points) {
    std::string out = " at";
    for (const Point p : points) out += " " + n(p.x) + "," + n(p.y);
    return out;
}
// A text's colours in colourCode's letters, by the letter of its shade: "."
// black on clear, "G" or "D" on gray, "L" or "R" on light gray, "~" hidden.
std::string on(char shade) {
    return shade == 'G' || shade == 'D'   ? "/G"
           : shade == 'L' || shade == 'R' ? "/L"
           : shade == '~'                 ? "~/~"
                                          : "/~";
}

// What a learner sees drawn: a text with its colours and share of the size at
// its top-left, a turned label at its start, a rule (its width), a fill (its
// colour) and the one path of a multiplication's lines at their points.
struct Drawing {
    std::vector<std::string> marks;
    void text(const std::string& t, double x, double y, const std::string& colours = "/~", double share = 1) {
        marks.push_back(t + " " + colours + " @" + n(share) + placed({{x, y}}));
    }
    // The labels of `columns` digit columns, 10^(columns − 1) first, `pitch` apart.
    void labels(int columns, double x, double pitch, double y, double angle) {
        const std::string widest = "1" + std::string(std::size_t(columns - 1), '0');
        for (int c = 0; c < columns; ++c)
            marks.push_back(widest.substr(0, std::size_t(columns - c)) + " turned " + n(angle) + " @" +
                            n(0.5) + placed({{x + c * pitch, y}}));
    }
    void line(double x1, double y1, double x2, double y2, double width = 2.5) {
        marks.push_back("line " + n(width) + placed({{x1, y1}, {x2, y2}}));
    }
    void fill(const std::string& colour, const std::vector<Point>& corners) {
        marks.push_back("fill/" + colour + placed(corners));
    }
    void lines(const std::vector<Point>& ends) { marks.push_back("lines " + n(2.5) + placed(ends)); }
};

std::vector<std::string> marksOf(const platform::RecordingContext& context) {
    using testing::colourCode;
    std::vector<std::string> out;
    for (const auto& op : context.operations()) {
        const std::string share = " @" + n(op.attributes.font.pointSize / kSize);
        if (op.isText() && op.ctm == platform::AffineTransform())
            out.push_back(op.text + " " + colourCode(op.attributes.foregroundColor) + "/" +
                          colourCode(op.attributes.backgroundColor) + share + placed({op.topLeft}));
        else if (op.isText())
            out.push_back(op.text + " turned " + n(std::atan2(op.ctm.b, op.ctm.a)) + share +
                          placed({op.ctm.apply({0, 0})}));
        else if (op.mode != platform::PathDrawingMode::fill)
            out.push_back((op.mode == platform::PathDrawingMode::stroke ? "lines" : "line") +
                          colourCode(op.strokeColor) + " " + n(op.lineWidth) + placed(op.points()));
        else if (op.path.elements()[0].kind !=
                 platform::Path::Element::Kind::rect)  // not a text's background
            out.push_back("fill/" + colourCode(op.fillColor) + placed(op.points()));
    }
    return out;
}

// The record drawn with its left edge at kX and its baseline at kY draws the
// expected marks and nothing else, in any order; it is also written as a picture.
void expectDrawn(const std::string& name, const Record& record, Drawing expected) {
    std::vector<std::string> drawn = marksOf(*testing::record(record, kX, kY, kSize)), missing, extra;
    std::sort(drawn.begin(), drawn.end());
    std::sort(expected.marks.begin(), expected.marks.end());
    std::set_difference(expected.marks.begin(), expected.marks.end(), drawn.begin(), drawn.end(),
                        std::back_inserter(missing));
    std::set_difference(drawn.begin(), drawn.end(), expected.marks.begin(), expected.marks.end(),
                        std::back_inserter(extra));
    for (const std::string& m : missing) ADD_FAILURE() << name << ": not drawn: " << m;
    for (const std::string& m : extra) ADD_FAILURE() << name << ": drawn beyond the layout: " << m;

    std::string file = name;
    std::replace(file.begin(), file.end(), ' ', '_');
    testing::savePicture({record}, kSize, testing::measure(record, kSize).width + 20,
                         "tableau_phases/" + file);
}

// 108 − 15 counted down (8 to 100, then 7 to 93): "−" before the jumps, the
// digit columns after it, and the count-ups column keeping its "+" (each
// phase's shades of a count on are read in the tableau tests). `shades`: of
// the first and the last sum's numbers, then of their jumps.
TEST(TableauPhases, CountingDown) {
    const std::tuple<const char*, const char*, bool> cases[] = {{"STEP", ".G.G", false},
                                                                {"COUNT", "..GG", true}};
    const Texts cells{"108", "8", "100", "100", "7", "93"}, jumps{"8", "7"};
    for (const auto& [phase, shades, countUps] : cases) {
        const Record r =
            makeCountOpRecord("t", "count", {cells}, {"COUNT DOWN", "3", "2", "15"}, {phase, "2"}, jumps);
        const std::string op = text::kMinusSign;
        const double d = w("0"), lh = lineHeight(), xL = kX + w(op) + kGap, xR = xL + 3 * d;
        const double top = topOf(r) + band("100") + 5, labelShift = d / 2 - w("0", 0.5) / 2;
        const auto right = [&](const std::string& t, double edge) { return edge - double(t.size()) * d; };
        Drawing e;
        e.labels(3, xL + labelShift, d, top - 5, kCountAngle);
        for (std::size_t i = 0; i < 2; ++i) {
            const double y = top + lh + 5 + double(i) * (2 * lh + 15);
            const std::string &start = cells[3 * i], &jump = cells[3 * i + 1], &reached = cells[3 * i + 2];
            e.text(start, right(start, xR), y - lh - 5, on(shades[i]));
            e.text(reached, right(reached, xR), y + lh + 10, on(shades[i]));
            e.text(jump, right(jump, xR), y, on(shades[2 + i]));
            e.line(xL, y + lh + 3.75, xR, y + lh + 3.75);
            e.text(op, kX, y);
        }
        if (countUps) {  // their column's labels are its own place values
            const double xR2 = xR + 30, xL2 = xR2 + w("+") + kGap, xR3 = xL2 + 2 * d, yc = top + 2 * (lh + 5);
            e.labels(2, xL2 + labelShift, d, top - 5, kCountAngle);
            for (std::size_t i = 0; i < 2; ++i)
                e.text(jumps[i], right(jumps[i], xR3), top + double(i) * (lh + 5), on('G'));
            e.text("15", xL2, yc + 5, "r/~");
            e.line(xL2, yc - 1.25, xR3, yc - 1.25);
            e.text("+", xR2, yc - lh - 5);
        }
        expectDrawn(std::string("counting down ") + phase, r, e);
    }
}

// Three columns: a subtraction with borrowing in short form (carries struck
// and shaded), a product with its final sum, and a difference below zero
// whose "-" is set against its digits (beside a "Z" cell and a hidden one).
// Cells are "text/attribute", rows apart by "|"; each row's line is named by
// the layout's frame ("t" a carry row, A to E), and so are the rules.
TEST(TableauPhases, TableauOperation) {
    const std::tuple<const char*, const char*, int, bool, bool, const char*, const char*, const char*>
        cases[] = {{"subtraction short form", text::kMinusSign, 1, false, true, "tABC", "CE",
                    "/NNN 4/YYG 12/YNR | /NNN 5/YYN 2/YYN | /NNN 1/YNN 7/YNN | /NNN 3/YNG 5/YNR"},
                   {"product with its sum", "×", 0, true, false, "ABCDE", "CEF",
                    "/NNN 1/YNN 2/YNN | /NNN 3/YNN 4/YNN | /NNN 4/YNN 8/YNN | 3/YNN 6/YNN 0/YNN | 4/YNN "
                    "0/YNN 8/YNN"},
                   {"difference below zero", text::kMinusSign, 0, false, false, "ABC", "C",
                    "Z/YYG 1/YNN 7/YNN | 9/NYG 5/YNN 2/YNN | -/YNN 3/YNN 5/YNN"}};
    for (const auto& [name, sign, k, sum, shortForm, rowsAt, rules, rows] : cases) {
        TextTable cells(1), attributes(1);
        std::istringstream in(rows);
        for (std::string cell; in >> cell;) {
            if (cell == "|") {
                cells.emplace_back(), attributes.emplace_back();
                continue;
            }
            cells.back().push_back(cell.substr(0, cell.find('/')));
            attributes.back().push_back(cell.substr(cell.find('/') + 1));
        }
        const std::string count = std::to_string(cells.size());
        const Record r = makeTableauOpRecord("t", sign, cells, attributes,
                                             {count, "3", std::to_string(k), shortForm ? "true" : "false"},
                                             {count, sum ? "true" : "false"});
        const double w0 = w("0"), wPlus = w("+"), wSign = w(sign), pitch = w0 + kGap;
        const double lhF = lineHeight(), lhS = lineHeight(0.7), h0s = textSize("0", font(0.7)).height;
        const platform::Size ten = textSize("10", font(0.7));
        const double x0 = kX + wPlus + kGap, yTop = topOf(r) + band("100") + 5, carries = k;
        std::map<char, double> at{{'A', yTop + carries * (lhS + 5)}};
        at['B'] = at['A'] + lhF + 5;
        at['C'] = at['B'] + lhF + 10;
        at['D'] = shortForm ? at['C'] : at['C'] + (lhF + 5) * (double(cells.size()) - 4 - carries);
        at['E'] = at['D'] + lhF + 10;
        at['F'] = shortForm ? at['E'] : at['E'] + lhF + 10;
        Drawing e;
        e.text(sign, kX + (wPlus - wSign) / 2, at['B']);
        e.labels(3, x0 - w("0", 0.5) / 2 + w0 / 2, pitch, yTop - 5, kColumnAngle);
        for (const char* rule = rules; *rule != '\0'; ++rule)
            e.line(x0, at[*rule] - 6.25, x0 + 3 * pitch - kGap, at[*rule] - 6.25);
        if (sum) e.text("+", kX, at['D']);
        for (std::size_t row = 0; row < cells.size(); ++row) {
            const double y = rowsAt[row] == 't' ? yTop + double(row) * (lhS + 5) : at[rowsAt[row]];
            for (std::size_t col = 0; col < 3; ++col) {
                const std::string &t = cells[row][col], &code = attributes[row][col];
                if (code[0] != 'Y' || t == "Z") continue;
                const double x = x0 + double(col) * pitch;
                if (rowsAt[row] == 't') {  // a carry: its highlight as wide as "10", centred
                    const double left = x + w0 / 2 - ten.width / 2, s = y + lhS / 2 + h0s / 2;
                    e.text("10", left, y, "~" + on(code[2]), 0.7);
                    e.text(t, x + w0 / 2 - w(t, 0.7) / 2, y, "/~", 0.7);
                    if (code[1] == 'Y') e.line(left, s, left + ten.width, s - ten.height, 3);
                } else {
                    e.text(t, x + (t == "-" ? pitch - wSign : 0), y, on(code[2]));
                    if (code[1] == 'Y') e.line(x, y + lhF, x + w0, y, 3);
                }
            }
        }
        expectDrawn(std::string("tableau ") + name, r, e);
    }
}

// 47 + 85: the column sums 12 and 12 small and centred, shaded light gray and
// gray; a "Z" cell shows nothing, not even its gray.
TEST(TableauPhases, ColumnAddition) {
    const Record r =
        makeAddColumnRecord("t", "+", 4, {{"", "4", "7"}, {"", "8", "5"}, {"Z", "12", "12"}, {"1", "3", "2"}},
                            {{"NN", "YN", "YN"}, {"NN", "YN", "YN"}, {"YG", "YR", "YG"}, {"YN", "YN", "YN"}});
    const double w0 = w("0"), lh = lineHeight(), pitch = w0 + kGap, top = topOf(r);
    const double x0 = kX + w("+") + kGap, t0 = top + band("100") + 5, t1 = t0 + lh + 5, t2 = t1 + lh + 10;
    const double small = (textSize("0", font()).height - textSize("0", font(0.7)).height) / 2;
    Drawing e;
    e.text("+", kX, t1);
    e.labels(3, x0 + w0 / 2 - w("0", 0.5) / 2, pitch, t0 - 5, kColumnAngle);
    e.line(x0, t2 - 6.25, x0 + 3 * pitch - kGap, t2 - 6.25);
    for (const double x : {x0 + w0 + kGap / 2, x0 + w0 + kGap / 2 + pitch})
        e.line(x, top, x, t0 + 4 * (lh + 5), 1.25);
    const double rowsAt[] = {t0, t1, t2, t2 + lh + 5};
    const std::tuple<const char*, int, int, char> shown[] = {
        {"4", 1, 0, '.'},  {"7", 2, 0, '.'}, {"8", 1, 1, '.'}, {"5", 2, 1, '.'}, {"12", 1, 2, 'R'},
        {"12", 2, 2, 'G'}, {"1", 0, 3, '.'}, {"3", 1, 3, '.'}, {"2", 2, 3, '.'}};
    for (const auto& [t, col, row, shade] : shown) {
        const double x = x0 + col * pitch, y = rowsAt[row];
        if (std::string(t).size() == 1)
            e.text(t, x, y, on(shade));
        else  // small, centred on the column
            e.text(t, x + w0 / 2 - w(t, 0.7) / 2, y + small, on(shade), 0.7);
    }
    expectDrawn("add column", r, e);
}

// 99 ÷ 7 = 14 R 1 (and 98 ÷ 7 = 14): its grid, the remainder after the
// quotient, the bracket and one subtraction mark per stage, one more while
// subtracting. The codes shade the first product light gray and the first
// remainder gray; an "L" under a blank changes nothing.
TEST(TableauPhases, LongDivision) {
    const std::tuple<const char*, const char*, char, char, char, int> cases[] = {
        {"SOLUTION", "2", '9', '1', 'L', 2},
        {"SUMMARY", "2", '9', '1', '.', 2},
        {"SOLUTION", "2", '8', '0', '-', 2},
        {"SUBTRACT", "1", '9', '1', '-', 2},
        {"MULTIPLY", "1", '9', '1', '-', 1}};
    for (const auto& [phase, stages, last, remainder, style, marks] : cases) {
        const std::string dividend = std::string("9") + last;
        const Texts grid{
            "B14", "7" + dividend, "B7", std::string("B2") + last, "B28", std::string("BB") + remainder};
        const Texts codes{"NNN", "NNN", "LL", "NDD", "NNN", "NNN"};
        const Record r = makeDivideOpRecord("t", "÷", grid, codes, {"0", "3", "1", "3", "0", "5", "2", "5"},
                                            {dividend, "7", "", std::string(1, remainder)}, {phase, stages});
        const double w0 = w("0"), lh = lineHeight(), top = topOf(r);
        const double xB = kX + w("7") + 2 * kGap, xC = xB + w(dividend), yBar = top + lh + 2.5;
        Drawing e;
        for (std::size_t row = 0; row < grid.size(); ++row)
            for (std::size_t j = 0; j < grid[row].size(); ++j)
                if (grid[row][j] != 'B')
                    e.text(grid[row].substr(j, 1), kX + double(j) * w0 + (j >= 1 ? 2 * kGap : 0),
                           top + double(row) * lh + 5 * double((row + 1) / 2), on(codes[row][j]));
        if (style != '-') e.text(std::string(" R ") + remainder, xC, top, on(style));
        e.line(xB - kGap, yBar + lh + 2.5, xB - kGap, yBar);
        e.line(xB - kGap - 1.25, yBar, xC, yBar);
        for (int m = 0; m < marks; ++m) {  // under the product of stage m, from its first column
            const double y = top + 7.5 + 5 * m + (2 * m + 3) * lh;
            e.line(xB, y, xB + (m + 1) * w0, y);
            e.text(text::kMinusSign, xB - w(text::kMinusSign), y - 2.5 - lh);
        }
        expectDrawn(std::string("long division ") + phase + " remainder " + remainder, r, e);
    }
}

// 99 ÷ 7 in two stages, 70 (10) and 28 (4), remainder 1, in every phase.
// `styles`: the quotient and remainder at the top, the dividend, the last
// product, the last partial quotient, the first one, the last remainder row
// and the sum ("-" none).
TEST(TableauPhases, PartialQuotients) {
    const std::pair<std::string, const char*> cases[] = {
        {"PROBLEM", "~.....-"},  {"GRAB AND CHOOSE", "~....L-"},
        {"CHOOSE", "~L....-"},   {"CHOICE", "~.LL.~-"},
        {"GRAB", "~....L-"},     {"ADD", "~..LL.D"},
        {"SOLUTION", "L....LL"}, {"SUMMARY", "......."},
        {"CHECK", "~.....-"}};
    const Texts rows{"99", "70", "29", "28", "1"}, partials{"10", "4"};
    for (const auto& [phase, styles] : cases) {
        const Record r =
            makeDividePartialOpRecord("t", "÷", rows, {"99", "7", "14", "1"}, {phase, "2"}, partials);
        const bool longer = phase == "PROBLEM" || phase == "GRAB AND CHOOSE" || phase == "CHOOSE";
        const double lh = lineHeight(), top = topOf(r), wMinus = w(text::kMinusSign), wPlus = w("+");
        const double xB = kX + w("7") + 2 * kGap, xC = xB + w("99"), yBar = top + lh + 2.5;
        const double xD = xC + 30 + wPlus, xE = xD + w("14");
        Drawing e;
        e.line(xB - kGap, yBar + lh + 2.5, xB - kGap, yBar);
        e.line(xB - kGap - 1.25, yBar, xC + kGap + 1.25, yBar);
        e.line(xC + kGap, yBar, xC + kGap, top + 6 * lh + 15 + (longer ? lh : 0));
        e.text("14", xC - w("14"), top, on(styles[0]));
        e.text(" R 1", xC, top, on(styles[0]));
        e.text("7", kX, top + lh + 5);
        e.text("99", xB, top + lh + 5, on(styles[1]));
        for (std::size_t i = 0; i < 2; ++i) {
            const double y = top + 2 * lh + 5 + double(i) * (2 * lh + 5);
            const std::string &product = rows[2 * i + 1], &rest = rows[2 * i + 2], &partial = partials[i];
            e.text(product, xC - w(product), y, on(i == 1 ? styles[2] : '.'));
            e.text(text::kMinusSign, xC - w(product) - wMinus, y);
            e.line(xC - w(product), y + lh + 2.5, xC, y + lh + 2.5);
            e.text(partial, xE - w(partial), y, on(styles[i == 1 ? 3 : 4]));
            e.text(rest, xC - w(rest), y + lh + 5, on(i == 1 ? styles[5] : '.'));
        }
        if (styles[6] != '-') {  // the partial quotients added under the last
            const double y = top + 4 * lh + 10;
            e.line(xD, y + lh + 2.5, xE, y + lh + 2.5);
            e.text("+", xD - wPlus, y);
            e.text("14", xE - w("14"), y + lh + 5, on(styles[6]));
        }
        expectDrawn("partial quotients " + phase, r, e);
    }
}

// The lines of a grid of square cells from (x0, y0): the verticals, then the
// horizontals, 1.25 past the grid at both ends.
std::vector<Point> gridLines(double x0, double y0, double side, int rows, int columns) {
    std::vector<Point> ends;
    for (int c = 0; c <= columns; ++c)
        ends.insert(ends.end(), {{x0 + c * side, y0}, {x0 + c * side, y0 + rows * side}});
    for (int r = 0; r <= rows; ++r)
        ends.insert(ends.end(), {{x0 - 1.25, y0 + r * side}, {x0 + columns * side + 1.25, y0 + r * side}});
    return ends;
}

// 23 × 4 = 092 on a lattice and (20 + 3) × (10 + 4) on a grid, each entry
// with a text colour and a background of its own, so that every slot is seen.
TEST(TableauPhases, Multiplications) {
    const FontMetrics cell = fontMetrics(font(0.75)), answer = fontMetrics(font(0.9)),
                      factor = fontMetrics(font());
    const auto middle = [&](const FontMetrics& f, double top, double side) {
        return top + side / 2 - (f.ascender - f.capHeight / 2);
    };
    {
        const Record r = makeLatticeMultiplyRecord(
            "1", "2", {"2", "3", "4"}, {"red", "blue", "green", "cyan", "light gray", "white"},
            {"0", "9", "2"}, {"green", "red", "blue", "light gray", "cyan", "gray"}, {"0", "1", "8", "2"},
            {"red", "blue", "cyan", "gray", "green", "black", "light gray", "clear"}, "t");
        const double wCell = w("8\u2078", 0.75), lift = wCell - w("8", 0.75);
        const double hCell = (cell.lineHeight + cell.capHeight) / 2;
        const double e = hCell <= wCell + 1.25 ? 2 * (wCell + 1.25) : 2 * hCell;
        const double x0 = kX + w("8", 0.9) + answer.ascender - answer.capHeight;
        const double y0 = kY - (e + answer.lineHeight + factor.lineHeight) / 2 + factor.lineHeight;
        const double lower = y0 + e - cell.lineHeight;
        Drawing d;
        d.fill("c", {{x0, y0}, {x0 + e, y0}, {x0, y0 + e}});
        d.fill("G", {{x0 + e, y0}, {x0 + 2 * e, y0}, {x0 + e, y0 + e}});
        d.fill("L", {{x0 + e, y0}, {x0 + e, y0 + e}, {x0, y0 + e}});  // the last lower background is clear
        d.text("0", x0 + lift, y0, "r/~", 0.75);
        d.text("1", x0 + e + lift, y0, "b/~", 0.75);
        d.text("8", x0 + e - wCell - 1.25, lower, "g/~", 0.75);
        d.text("2", x0 + 2 * e - wCell - 1.25, lower, "/~", 0.75);
        d.text("0", kX, y0 + e - answer.lineHeight, "g/L", 0.9);
        d.text("9", x0, y0 + e, "r/c", 0.9);
        d.text("2", x0 + e, y0 + e, "b/G", 0.9);
        d.text("2", x0 + (e - w("8")) / 2, y0 - factor.lineHeight, "r/c");
        d.text("3", x0 + e + (e - w("8")) / 2, y0 - factor.lineHeight, "b/L");
        d.text("4", x0 + 2 * e - factor.descender, middle(factor, y0, e), "g/w");
        std::vector<Point> ends = gridLines(x0, y0, e, 1, 2);  // and the diagonals, a quarter cell past
        ends.insert(
            ends.end(),
            {{x0 + e, y0}, {x0 - e / 4, y0 + 1.25 * e}, {x0 + 2 * e, y0}, {x0 + 0.75 * e, y0 + 1.25 * e}});
        d.lines(ends);
        expectDrawn("lattice", r, d);
    }
    const Record r = makeGridMultiplyRecord(
        "2", "2", {"20", "3", "10", "4"},
        {"red", "blue", "green", "cyan", "light gray", "white", "gray", "clear"}, {"200", "30", "80", "12"},
        {"red", "blue", "green", "black", "cyan", "clear", "light gray", "gray"}, "t");
    const double e = std::max({cell.lineHeight, w("8888", 0.75) + 5, factor.lineHeight, w("88") + 5});
    const double x0 = kX - factor.descender + w("88"),
                 y0 = kY - (2 * e + factor.lineHeight) / 2 + factor.lineHeight;
    Drawing d;
    const std::tuple<const char*, const char*, char> cells[] = {
        {"200", "r/~", 'c'}, {"30", "b/~", '.'}, {"80", "g/~", 'L'}, {"12", "/~", 'G'}};
    for (int i = 0; i < 4; ++i) {
        const auto& [t, colours, shade] = cells[i];
        const double left = x0 + (i % 2) * e, top = y0 + (i / 2) * e;
        if (shade != '.')
            d.fill(std::string(1, shade),
                   {{left, top}, {left + e, top}, {left + e, top + e}, {left, top + e}});
        d.text(t, left + (e - w(t, 0.75)) / 2, middle(cell, top, e), colours, 0.75);
    }
    d.text("20", x0 + (e - w("20")) / 2, y0 - factor.lineHeight, "r/L");
    d.text("3", x0 + e + (e - w("3")) / 2, y0 - factor.lineHeight, "b/w");
    d.text("10", x0 + factor.descender - w("10"), middle(factor, y0, e), "g/G");
    d.text("4", x0 + factor.descender - w("4"), middle(factor, y0 + e, e), "c/~");
    d.lines(gridLines(x0, y0, e, 2, 2));
    expectDrawn("grid", r, d);
}

}  // namespace
}  // namespace radixmender
