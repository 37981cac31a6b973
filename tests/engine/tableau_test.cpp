// The operation tableaux beyond what every kind shares: their sizes against
// the platform's font metrics, turned labels, counts that must agree with the
// record, the drawers callable with their values, and worked examples placed
// where their layout puts every row and column.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/universal_engine_view.hpp"
#include "records/literals.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/engine/tableau_samples.hpp"

namespace radixmender {
namespace {

using T = std::vector<std::string>;
using platform::Point;

platform::UIFont tableauFont(double size, double share = 1) {
    return platform::UIFont::monospacedDigitSystemFont(share * size, testing::kMedium);
}
double w(const std::string& t, double size = 32, double share = 1) {
    return textSize(t, tableauFont(size, share)).width;
}
double lineHeight(double size, double share = 1) { return fontMetrics(tableauFont(size, share)).lineHeight; }

const testing::Sample& sample(const std::string& name) {
    static const std::vector<testing::Sample> all = testing::tableauSamples();
    for (const testing::Sample& s : all)
        if (s.name == name) return s;
    throw std::out_of_range(name);
}

// A sample's record with the value at (row, index) replaced.
Record with(const std::string& name, std::size_t row, std::size_t index, const std::string& value) {
    Record r = sample(name).record;
    r.at(row).at(index) = value;
    return r;
}

// The measuring functions against the platform's fonts, in a table of shapes:
// no rows, one row, twenty columns, a remainder "0" and "00", count down. The
// division tableaux read their stage count as a number; their items read it
// once as an integer, for the box and the drawing alike.
TEST(TableauSizes, FollowTheFontMetrics) {
    const double s = 32, gap = 10, lh = lineHeight(s);
    const auto f = [&](double share) { return tableauFont(s, share); };
    const std::string twenty = "1" + std::string(19, '0');
    struct Case {
        const char* name;
        ItemBox measured;
        double width, height;
    };
    const Case cases[] = {
        {"lattice no rows", UniversalEngineView::sizeOfLatticeMultiply(0, 0, s),
         w("8", s, 0.9) + f(0.9).ascender() - f(0.9).capHeight() - f(1).descender() + w("8"),
         lineHeight(s, 0.9) + lh},
        {"grid one row", UniversalEngineView::sizeOfGridMultiply(1, 0, 0, 2, s), w("88") - f(1).descender(),
         std::max({lineHeight(s, 0.75), w("88", s, 0.75) + 5, lh}) + lh},
        {"tableau twenty columns", UniversalEngineView::sizeOfTableauOp(T{"4", "20", "1"}, T{"3"}, s),
         w("+" + twenty) + 20 * gap, 3 * lh + lineHeight(s, 0.7) + w(twenty, s, 0.5) + 5 * 9},
        {"add column no rows", UniversalEngineView::sizeOfAddColumn("+", 0, 1, s), w("+1") + gap,
         5 + w("1", s, 0.5) + 5},
        {"division remainder 0",
         UniversalEngineView::sizeOfDivideOp(T{"987654", "7", "", "0"}, T{"SOLUTION", "0"}, s),
         w("7987654") + 2 * gap, 2 * lh + 5},
        {"division subtracting",
         UniversalEngineView::sizeOfDivideOp(T{"98", "7", "", "00"}, T{"SUBTRACT", "2"}, s),
         w("798") + w(" R 00") + 2 * gap, 4 * (2 * lh + 5)},
        {"division a stage and a half",
         UniversalEngineView::sizeOfDivideOp(T{"98", "7", "", "0"}, T{"SOLUTION", "1.5"}, s),
         w("798") + 2 * gap, 2.5 * (2 * lh + 5)},
        {"partial quotients problem",
         UniversalEngineView::sizeOfDividePartialOp(T{"98", "7", "123456", "3"}, T{"PROBLEM", "0"}, s),
         w("7") + 2 * gap + w("98") + 30 + w("+") + gap + w("123456"), 3 * lh + 5},
        {"partial quotients, a negative count",
         UniversalEngineView::sizeOfDividePartialOp(T{"98", "7", "1", "3"}, T{"ADD", "-2"}, s),
         w("7") + 2 * gap + w("98") + 30 + w("+") + gap + w("1"), -(2 * lh + 5)},
        {"count down summary",
         UniversalEngineView::sizeOfCountOp(T{"COUNT DOWN", "2", "1"}, T{"SUMMARY", "1"}, s),
         w(std::string(text::kMinusSign) + "10") + gap + 30 + w("+1") + gap,
         3 * lh + 15 + 5 + w("10", s, 0.5) + 5},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.measured.width, c.width, 1e-9) << c.name;
        EXPECT_NEAR(c.measured.height, c.height, 1e-9) << c.name;
        EXPECT_DOUBLE_EQ(c.measured.ascent, c.measured.height / 2) << c.name;
    }
    EXPECT_THROW(UniversalEngineView::sizeOfCountOp(T{"UP", "2"}, T{"COUNT", "1"}, s), std::out_of_range);
    const Record half = with("divide_op", 7, 2, "1.5");  // the locals row: l1
    EXPECT_THROW(testing::measure(half), std::invalid_argument);
    EXPECT_THROW(testing::record(half), std::invalid_argument);
}

// A turned label starts at its point, centred on the turned line, and every
// transform it sets is undone; without a context nothing is drawn.
TEST(RotatedText, LeavesTheTransformAsItFoundIt) {
    platform::RecordingContext context;
    const platform::ContextScope scope(&context);
    const platform::TextAttributes label{platform::UIFont::systemFont(16)};
    UniversalEngineView::drawRotatedText("100", label, 40, 60, -0.425 * M_PI);
    UniversalEngineView::drawRotatedText("10", label, 40, 60, 0);
    ASSERT_EQ(context.texts().size(), 2u);
    EXPECT_EQ(context.texts()[0].topLeft, (Point{0, -textSize("100", label.font).height / 2}));
    const Point start = context.texts()[0].ctm.apply({0, 0});
    EXPECT_NEAR(start.x, 40, 1e-12);
    EXPECT_NEAR(start.y, 60, 1e-12);
    EXPECT_NEAR(context.texts()[1].ctm.b, 0, 1e-12);  // angle 0: a plain move
    EXPECT_EQ(context.currentTransform(), platform::AffineTransform());
    const platform::ContextScope none(nullptr);
    EXPECT_NO_THROW(UniversalEngineView::drawRotatedText("1", label, 0, 0, 1));
}

// Shapes the layouts leave open draw what there is, without an exception: a
// column addition without columns or cells, division rows shorter than their
// stages and marks (or a negative stage count), multiplications with empty
// lists (a grid with only the headings its size is measured by), a box grid
// of fewer than nine terms.
TEST(TableauItems, OpenShapesDrawWhatThereIs) {
    Record grid = testing::fractionAndBoxSamples()[8].record;  // "box_grid"
    grid[2].resize(4);
    const Record shapes[] = {
        makeAddColumnRecord("t", "+", 2, {{}}, {{}}),
        with("divide_op", 7, 2, "7"),  // a mark more than the lines hold
        with("divide_op", 4, 3, "N"),  // a code row shorter than its grid row
        with("divide_op", 7, 2, "-4"),
        with("divide_partial_op", 6, 2, "9"),
        makeLatticeMultiplyRecord("1", "1", {}, {}, {}, {}, {}, {}, "t"),
        makeGridMultiplyRecord("2", "2", {"10", "2", "30"}, {}, {}, {}, "t"),
        grid,
    };
    for (const Record& r : shapes) EXPECT_NO_THROW(testing::record(r)) << r[2][0];
}

// A count that the record's cells do not bear out makes the line malformed
// (it is skipped), so no count asks for work the record does not hold; the
// place-value labels of a wide tableau are measured once and, into a canvas,
// drawn only as far as the canvas can show them. A counting tableau's digit
// columns are no cells: more of them than its numbers have stand empty.
TEST(TableauItems, CountsMustAgreeWithTheCells) {
    const std::string huge = "3000";
    for (const Record& r :
         {with("add_column", 2, 4, huge), with("tableau_op_add", 5, 2, huge), with("count_op", 6, 2, huge)}) {
        EXPECT_THROW(testing::measure(r), std::length_error);
        EXPECT_THROW(testing::record(r), std::length_error);
    }
    for (const Record& r : {with("count_op", 5, 2, huge), with("count_op", 5, 3, huge)})
        EXPECT_NO_THROW(testing::record(r));
    const auto wide = [](std::size_t columns) {
        return makeAddColumnRecord("t", "+", 1, {T(columns, "7")}, {T(columns, "YN")});
    };
    const testing::CountingMeasurer counter;
    testing::record(wide(400));
    EXPECT_LT(counter.calls, 40);
    struct Canvas : platform::RecordingContext {
        [[nodiscard]] std::optional<platform::Rect> visibleBounds() const override {
            return platform::Rect(0, 0, 390, 844);
        }
    } canvas;
    const platform::ContextScope scope(&canvas);
    for (const double y : {40.0, 400.0, 3000.0})
        drawItems(wide(3000), "1", defaultFontName(), 10, y, 20, testing::kMedium);
    std::size_t characters = 0;
    for (const auto& op : canvas.texts()) characters += op.text.size();
    EXPECT_LT(characters, 3 * 20000u);  // all labels whole would be 3 × 4.5 million
}

TEST(TableauItems, MarksBeyondTheIntegersAreRefused) {
    Record subtracting = with("divide_op", 7, 1, "SUBTRACT");
    subtracting[7][2] = std::to_string(std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(testing::record(subtracting), std::overflow_error);
}

// Each drawer given its item's values draws what drawItems draws for the item.
TEST(TableauDrawers, DrawWhatTheItemsDraw) {
    using V = UniversalEngineView;
    for (const testing::Sample& s : testing::tableauSamples()) {
        const Record& r = s.record;
        const auto values = [&](std::size_t k) { return T(r[k].begin() + 1, r[k].end()); };
        const auto cut = [](const T& list, std::size_t columns) {
            V::Table table;
            for (std::size_t i = 0; i < list.size(); i += columns)
                table.emplace_back(list.begin() + static_cast<long>(i),
                                   list.begin() + static_cast<long>(std::min(i + columns, list.size())));
            return table;
        };
        const std::string kind = r[1][1];
        platform::RecordingContext context;
        {
            const platform::ContextScope scope(&context);
            if (kind == "lattice_multiply" || kind == "grid_multiply") {
                const std::size_t a = std::stoul(r[2][1]), b = std::stoul(r[2][2]), n = a + b, p = a * b;
                const bool lattice = kind == "lattice_multiply";
                // Entry i of the values at row k, its colours at row k + 1 (text i, background `count` + i).
                const auto entries = [&](std::size_t k, std::size_t from, std::size_t count,
                                         std::size_t colours, std::size_t shift) {
                    V::Entries out;
                    for (std::size_t i = from; i < from + count; ++i)
                        out.push_back(
                            {r[k][i + 1], r[k + 1][shift + i + 1], r[k + 1][shift + colours + i + 1]});
                    return out;
                };
                const auto rows = [&](std::size_t k, std::size_t from, std::size_t colours,
                                      std::size_t shift) {
                    std::vector<V::Entries> out;
                    for (std::size_t row = 0; row < a; ++row)
                        out.push_back(entries(k, from + row * b, b, colours, shift));
                    return out;
                };
                const V::Entries top = entries(3, 0, b, n, 0), side = entries(3, b, a, n, 0);
                if (lattice)
                    V::drawLatticeMultiply(top, side, entries(5, 0, a, n, 0), entries(5, a, b, n, 0),
                                           rows(7, 0, p, 0), rows(7, p, p, p), 0, 100, 32);
                else
                    V::drawGridMultiply(top, side, rows(5, 0, p, 0), 0, 100, 32);
            } else if (kind == "add_column") {
                const std::size_t columns = std::stoul(r[2][4]);
                V::drawAddColumn(r[2][1], std::stoll(r[2][2]), std::stoll(r[2][3]), std::stoll(r[2][4]),
                                 cut(values(3), columns), cut(values(4), columns), 0, 100, 32);
            } else if (kind == "tableau_op") {
                const std::size_t columns = std::stoul(r[5][2]);
                V::drawTableauOp(r[2][1], cut(values(3), columns), cut(values(4), columns), values(5),
                                 values(6), 0, 100, 32);
            } else if (kind == "divide_op") {
                V::drawDivideOp(r[2][1], values(3), values(4), values(5), values(6), values(7), 0, 100, 32);
            } else if (kind == "divide_partial_op") {
                V::drawDividePartialOp(r[2][1], values(3), values(4), values(5), values(6), 0, 100, 32);
            } else {
                V::drawCountOp(r[2][1], values(3), values(4), values(5), values(6), 0, 100, 32);
            }
        }
        const auto items = testing::record(r);
        EXPECT_FALSE(context.operations().empty()) << s.name;
        EXPECT_EQ(context.operations(), items->operations()) << s.name;
    }
}

// Where the worked examples put their texts and rules, from their layouts'
// rules: the rows of each grid, the digit columns, the bars and column rules.
// `top` is the box's top (the item drawn with its baseline at 100).
struct Placed {
    std::string text;
    double x, y;
};

std::vector<Placed> upright(const platform::RecordingContext& context, const platform::UIFont& font) {
    std::vector<Placed> out;
    for (const auto& op : context.texts())
        if (op.attributes.font == font && op.ctm == platform::AffineTransform())
            out.push_back({op.text, op.topLeft.x, op.topLeft.y});
    return out;
}

void expectPoints(const std::vector<Point>& drawn, const std::vector<Point>& expected) {
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_NEAR(drawn[i].x, expected[i].x, 1e-9);
        EXPECT_NEAR(drawn[i].y, expected[i].y, 1e-9);
    }
}

void expectPlaced(const std::vector<Placed>& drawn, const std::vector<Placed>& expected,
                  const std::string& name) {
    ASSERT_EQ(drawn.size(), expected.size()) << name;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].text, expected[i].text) << name << " " << i;
        EXPECT_NEAR(drawn[i].x, expected[i].x, 1e-9) << name << " " << drawn[i].text;
        EXPECT_NEAR(drawn[i].y, expected[i].y, 1e-9) << name << " " << drawn[i].text;
    }
}

TEST(TableauGeometry, WorkedExamplesPlaceEveryRowAndColumn) {
    const double s = 32, gap = 10, lh = lineHeight(s), w0 = w("0"), pitch = w0 + gap;
    const auto top = [&](const Record& r) { return 100 - testing::measure(r).ascent; };
    const auto band = [&](const std::string& label) {
        const platform::Size l = textSize(label, tableauFont(s, 0.5));
        return std::max(l.width, l.height) + 5;
    };

    {  // Column addition: "+" on row 1, the units at the right, 10 under row 1, 5 under the others.
        const Record& r = sample("add_column").record;
        const double x0 = w("+") + gap, t0 = top(r) + band("1000000");
        const double rows[] = {t0, t0 + lh + 5, t0 + 2 * lh + 15, t0 + 3 * lh + 20};
        std::vector<Placed> expected{{"+", 0, rows[1]}};
        const std::string digits[] = {"345678", "123459", "", "469137"};
        for (int row = 0; row < 4; ++row) {
            if (row == 2) {
                for (const auto& [c, t] :
                     std::vector<std::pair<int, std::string>>{{1, "4"}, {2, "6"}, {3, "8"}})
                    expected.push_back({t, x0 + c * pitch, rows[2]});
                continue;
            }
            for (std::size_t j = 0; j < 6; ++j)
                expected.push_back(
                    {digits[row].substr(j, 1), x0 + static_cast<double>(j + 1) * pitch, rows[row]});
        }
        const auto drawn = testing::record(r);
        expectPlaced(upright(*drawn, tableauFont(s)), expected, "add_column");
        std::vector<platform::RecordedOperation> paths;  // the bar under row 1, then six column rules
        for (const auto& op : drawn->paths())
            if (op.mode != platform::PathDrawingMode::fill) paths.push_back(op);  // not a shade
        ASSERT_EQ(paths.size(), 7u);
        expectPoints(paths[0].points(), {{x0, rows[2] - 6.25}, {x0 + 7 * pitch - gap, rows[2] - 6.25}});
        for (std::size_t k = 1; k < 7; ++k) {
            const double xk = x0 + w0 + gap / 2 + static_cast<double>(k - 1) * pitch;
            expectPoints(paths[k].points(), {{xk, top(r)}, {xk, t0 + 4 * (lh + 5)}});
            EXPECT_EQ(paths[k].lineWidth, 1.25);
        }
    }
    {  // Tableau operation: a carry row, the operands 5 apart, the sum 10 below the rule.
        const Record& r = sample("tableau_op_add").record;
        const double x0 = w("+") + gap, yTop = top(r) + band("1000000");
        const double yA = yTop + lineHeight(s, 0.7) + 5, yB = yA + lh + 5, yC = yB + lh + 10;
        std::vector<Placed> expected{{"+", 0, yB}};
        const std::pair<std::string, double> rows[] = {{"345678", yA}, {"123459", yB}, {"469137", yC}};
        for (const auto& [digits, y] : rows)
            for (std::size_t j = 0; j < 6; ++j)
                expected.push_back({digits.substr(j, 1), x0 + static_cast<double>(j + 1) * pitch, y});
        const auto drawn = testing::record(r);
        expectPlaced(upright(*drawn, tableauFont(s)), expected, "tableau_op_add");
        expectPoints(drawn->paths().at(0).points(), {{x0, yC - 6.25}, {x0 + 7 * pitch - gap, yC - 6.25}});
    }
    {  // Long division: one character a column, the dividend 2·gap right of the divisor, 5 under even rows.
        const Record& r = sample("divide_op").record;
        std::vector<Placed> expected;
        double y = top(r);
        for (std::size_t row = 0; row < r[3].size() - 1; ++row) {
            const std::string& line = r[3][row + 1];
            for (std::size_t j = 0; j < line.size(); ++j)
                if (line[j] != 'B')
                    expected.push_back(
                        {line.substr(j, 1), static_cast<double>(j) * w0 + (j >= 1 ? 2 * gap : 0), y});
            y += lh + (row % 2 == 0 ? 5 : 0);
        }
        std::vector<Placed> drawn = upright(*testing::record(r), tableauFont(s));
        drawn.resize(std::min(drawn.size(), expected.size()));  // the grid comes first
        expectPlaced(drawn, expected, "divide_op");
    }
}

// 93 + 15 counted on: 93 + 7 = 100, then 100 + 8 = 108; the count-ups 7 and
// 8 add up to 15. `sums` sums are drawn over `columns` digit columns.
Record countingOn(const std::string& phase, const std::string& sums = "2", const std::string& columns = "3") {
    const TextTable cells = sums == "0" ? TextTable{} : TextTable{{"93", "7", "100"}, {"100", "8", "108"}};
    return makeCountOpRecord("t", "count", cells, {"COUNT UP", columns, "2", "15"}, {phase, sums},
                             {"7", "8"});
}

// The counting tableau of 93 + 15 in every phase: what a learner reads (the
// place values, each sum's start, reached number, jump, rule and "+", and in
// "COUNT" and "SUMMARY" the count-ups, their total, rule and "+"), with no
// sum, and with digit columns to spare; and where the texts, labels and rules
// of the "COUNT" phase go.
TEST(CountingTableau, NinetyThreePlusFifteenInEveryPhase) {
    const std::string sums = "93|100|#G|7|/|+|100|108|#G|8|/|+", plain = "93|100|7|/|+|100|108|8|/|+";
    const std::pair<Record, std::string> cases[] = {
        {countingOn("COUNT"), "100|10|1|" + sums + "|10|1|#G|7|#G|8|15r|/|+"},
        {countingOn("STEP"), "100|10|1|93|100|7|/|+|#G|100|#G|108|#G|8|/|+"},
        {countingOn("SHOW"), "100|10|1|93|100|#G|7|/|+|#G|100|#G|108|#G|8|/|+"},
        {countingOn("SUMMARY"), "100|10|1|" + plain + "|10|1|7|8|15|/|+"},
        {countingOn("SUMMARY SHORT"), "100|10|1|" + plain},
        {countingOn("JUMP"), "100|10|1|" + sums},
        {countingOn("COUNT", "0"), "100|10|1|10|1|#G|7|#G|8|15r|/|+"},
        {countingOn("SUMMARY", "0"), "100|10|1|10|1|7|8|15|/|+"},
        {countingOn("STEP", "0"), "100|10|1"},
        {countingOn("SHOW", "2", "5"), "10000|1000|100|10|1|93|100|#G|7|/|+|#G|100|#G|108|#G|8|/|+"},
    };
    for (const auto& [r, reads] : cases)
        EXPECT_EQ(testing::reads(*testing::record(r)), reads) << r[5][1] << " " << r[6][2] << " " << r[5][2];

    const double s = 32, gap = 10, lh = lineHeight(s), d = w("0"), ds = w("0", s, 0.5);
    const double band = std::max(w("100", s, 0.5), lineHeight(s, 0.5));
    EXPECT_NEAR(testing::measure(countingOn("COUNT", "0")).height, lh + 5 + w("100", s, 0.5) + 5, 1e-9);
    const Record r = countingOn("COUNT");
    const auto drawn = testing::record(r);
    const double xL = w("+") + gap, xR = xL + 3 * d, top = 100 - testing::measure(r).ascent + band + 5;
    const double y0 = top + lh + 5, y1 = y0 + 2 * lh + 15;
    const double xR2 = xR + 30, xL2 = xR2 + w("+") + gap, xR3 = xL2 + 2 * d, yc = top + 2 * (lh + 5);
    const auto right = [&](const std::string& t, double edge) {
        return edge - static_cast<double>(t.size()) * d;
    };
    expectPlaced(upright(*drawn, tableauFont(s)),
                 {{"93", right("93", xR), y0 - lh - 5},
                  {"100", xL, y0 + lh + 10},
                  {"7", right("7", xR), y0},
                  {"+", 0, y0},
                  {"100", xL, y1 - lh - 5},
                  {"108", xL, y1 + lh + 10},
                  {"8", right("8", xR), y1},
                  {"+", 0, y1},
                  {"7", right("7", xR3), top},
                  {"8", right("8", xR3), top + lh + 5},
                  {"15", xL2, yc + 5},
                  {"+", xR2, yc - lh - 5}},
                 "count");
    std::vector<Placed> labels;  // each turned about its start
    for (const auto& op : drawn->texts())
        if (op.ctm != platform::AffineTransform())
            labels.push_back({op.text, op.ctm.apply({0, 0}).x, op.ctm.apply({0, 0}).y});
    const double shift = -0.5 * ds + 0.5 * d;
    expectPlaced(labels,
                 {{"100", xL + shift, top - 5},
                  {"10", xL + shift + d, top - 5},
                  {"1", xL + shift + 2 * d, top - 5},
                  {"10", xL2 + shift, top - 5},
                  {"1", xL2 + shift + d, top - 5}},
                 "count labels");
    std::vector<Point> rules;
    for (const auto& op : drawn->paths())
        if (op.mode != platform::PathDrawingMode::fill)
            for (const Point& p : op.points()) rules.push_back(p);
    expectPoints(rules, {{xL, y0 + lh + 3.75},
                         {xR, y0 + lh + 3.75},
                         {xL, y1 + lh + 3.75},
                         {xR, y1 + lh + 3.75},
                         {xL2, yc - 1.25},
                         {xR3, yc - 1.25}});

    // Pictures for a person to look at: the "COUNT" phase large, and every
    // case one under the other (the count-ups column of a count without sums
    // reaches below its box, as its size leaves it no room).
    testing::savePicture({r}, 60, 390, "tableaux/counting_on_93_plus_15");
    std::vector<Record> all;
    for (const auto& c : cases) all.push_back(c.first);
    testing::savePicture(all, 24, 300, "tableaux/counting_on_93_plus_15_phases");
}

// A line the view cannot read is skipped and the lines after it are drawn: a
// grid of three columns with three headings, of the four it is measured by
// (the three column headings and the first row heading), is refused; 93 + 15
// counted on is drawn.
TEST(TableauItems, AGridWithoutItsHeadingsIsSkipped) {
    const Record grid =
        makeGridMultiplyRecord("2", "3", {"12", "4", "5"}, testing::coloursOf("black", "..."),
                               {"40", "8", "50", "10", "", ""}, testing::coloursOf("black", "......"), "t");
    EXPECT_THROW(testing::measure(grid), std::out_of_range);
    EXPECT_THROW(testing::record(grid), std::out_of_range);
    platform::RecordingContext context;
    {
        const platform::ContextScope scope(&context);
        UniversalEngineView().renderLines(0, 0, {grid, countingOn("COUNT")}, {{32, 32}, {32, 32}});
    }
    EXPECT_EQ(testing::reads(context), testing::reads(*testing::record(countingOn("COUNT"))));
}

// The public size functions measure a run of digits from one digit's width,
// the tableau font's digits being tabular: the same results as measuring the
// whole text, exactly, at sizes from above the base down to the fitting's
// smallest; and for any
// count, up to the largest integer, no text longer than a few characters is
// made or measured (a count past the integers overflows, as the grid's sum of
// label lengths can).
TEST(TableauSizes, DigitRunsAreMeasuredFromOneDigit) {
    using V = UniversalEngineView;
    const auto label = [](std::int64_t columns) {
        return columns < 1 ? std::string() : "1" + std::string(static_cast<std::size_t>(columns - 1), '0');
    };
    const auto eights = [](std::int64_t n) { return std::string(static_cast<std::size_t>(n), '8'); };
    for (const double s : {32.0, 30.0, 20.0, 30 * std::pow(0.98, 37), 7.5, 2.3, 1.0}) {
        for (const char* digit : {"1", "2", "3", "4", "5", "6", "7", "8", "9"})
            for (const double share : {1.0, 0.75, 0.5})
                EXPECT_EQ(w(digit, s, share), w("0", s, share)) << digit << " " << s;
        const double gap = std::max(s / 5, 10.0), lh = lineHeight(s);
        for (std::int64_t n = 0; n <= 40; ++n) {
            const std::string c = std::to_string(n);
            const ItemBox t = V::sizeOfTableauOp(T{"4", c, "1"}, T{"4"}, s);
            EXPECT_EQ(t.width, w("+" + label(n), s) + gap * double(n)) << n << " " << s;
            EXPECT_EQ(t.height, lh * 3 + lineHeight(s, 0.7) + w(label(n), s, 0.5) + 5 * 9) << n << " " << s;
            const ItemBox a = V::sizeOfAddColumn("×", 2, n, s);
            EXPECT_EQ(a.width, w("×" + label(n), s) + gap * double(n)) << n << " " << s;
            EXPECT_EQ(a.height, lh * 2 + 5 * 3 + w(label(n), s, 0.5) + 5) << n << " " << s;
            const ItemBox k = V::sizeOfCountOp(T{"COUNT DOWN", c, c}, T{"COUNT", "1"}, s);
            EXPECT_EQ(k.width, w(text::kMinusSign + label(n), s) + gap + 30 + w("+" + label(n), s) + gap)
                << n;
            EXPECT_EQ(k.height, lh * 3 + 15 + 5 + w(label(n), s, 0.5) + 5) << n << " " << s;
            const ItemBox g = V::sizeOfGridMultiply(1, 1, n, 2, s);
            EXPECT_EQ(g.width, std::max({lineHeight(s, 0.75), w(eights(n + 2), s, 0.75) + 5, lh,
                                         w(eights(n), s) + 5}) -
                                   tableauFont(s).descender() + w("88", s))
                << n << " " << s;
        }
    }

    struct LongestText : TextMeasurer {
        mutable std::size_t longest = 0;
        const TextMeasurer& inner = textMeasurer();
        const ScopedTextMeasurer scope{*this};
        platform::Size textSize(const std::string& t, const platform::UIFont& f) const override {
            longest = std::max(longest, t.size());
            return inner.textSize(t, f);
        }
        FontMetrics metrics(const platform::UIFont& f) const override { return inner.metrics(f); }
    } measurer;
    const double s = 20, d = w("0", s), half = w("0", s, 0.5);
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    for (const std::int64_t n : {std::int64_t{1000000}, std::int64_t{1000000000000000000}, kLargest}) {
        const std::string c = std::to_string(n);
        const double zeros = static_cast<double>(n - 1), columns = static_cast<double>(n);
        ItemBox t, a, k, g;
        ASSERT_NO_THROW(t = V::sizeOfTableauOp(T{"4", c, "1", "false"}, T{"4", "false"}, s)) << n;
        ASSERT_NO_THROW(a = V::sizeOfAddColumn("+", 4, n, s)) << n;
        ASSERT_NO_THROW(k = V::sizeOfCountOp(T{"COUNT UP", c, c, "15"}, T{"COUNT", "2"}, s)) << n;
        ASSERT_NO_THROW(g = V::sizeOfGridMultiply(2, 3, n / 2, n - n / 2, s)) << n;
        EXPECT_LE(measurer.longest, 4u) << n;
        EXPECT_DOUBLE_EQ(t.width, w("+1", s) + zeros * d + 10 * columns) << n;
        EXPECT_DOUBLE_EQ(t.height,
                         3 * lineHeight(s) + lineHeight(s, 0.7) + w("1", s, 0.5) + zeros * half + 5 * 9)
            << n;
        EXPECT_DOUBLE_EQ(a.width, w("+1", s) + zeros * d + 10 * columns) << n;
        EXPECT_DOUBLE_EQ(k.width, 2 * (w("+1", s) + zeros * d + 10) + 30) << n;
        EXPECT_DOUBLE_EQ(g.width, 3 * (columns * w("8", s, 0.75) + 5) - tableauFont(s).descender() +
                                      static_cast<double>(n - n / 2) * w("8", s))
            << n;
        for (const ItemBox& b : {t, a, k, g}) EXPECT_TRUE(std::isfinite(b.height) && b.height > 0) << n;
    }
    EXPECT_THROW(V::sizeOfGridMultiply(2, 3, kLargest, 1, s), std::overflow_error);
}

// A counting tableau's digit columns cost nothing beyond what a canvas shows:
// with far more columns than its numbers have (up to the largest integer),
// it is measured and drawn, and only the labels, and the parts of them, that
// can reach the canvas are made and drawn.
TEST(CountingTableau, DigitColumnsCostWhatTheCanvasShows) {
    struct Canvas : platform::RecordingContext {
        [[nodiscard]] std::optional<platform::Rect> visibleBounds() const override {
            return platform::Rect(0, 0, 390, 844);
        }
    };
    for (const std::int64_t n : {std::int64_t{1000000000000000}, std::numeric_limits<std::int64_t>::max()}) {
        const Record r = countingOn("COUNT", "2", std::to_string(n));
        const ItemBox box = testing::measure(r, 20);
        ASSERT_TRUE(std::isfinite(box.height)) << n;
        // The labels' feet at 800, so that the first columns' labels cross the
        // canvas; at the largest integer the 800 is lost to rounding beside the
        // band's length, and they stand at the canvas's top edge.
        const double band = static_cast<double>(n - 1) * w("0", 20, 0.5) + w("1", 20, 0.5);
        Canvas canvas;
        {
            const platform::ContextScope scope(&canvas);
            drawItems(r, testing::startOf(r), defaultFontName(), 10, 800 + box.ascent - band, 20,
                      testing::kMedium);
        }
        std::size_t labels = 0, characters = 0;
        for (const auto& op : canvas.texts()) {
            if (op.ctm == platform::AffineTransform()) continue;
            ++labels;
            characters += op.text.size();
            EXPECT_EQ(op.text, "1" + std::string(op.text.size() - 1, '0'));
        }
        EXPECT_GT(labels, 10u) << n;
        EXPECT_LT(characters, 20000u) << n;
    }
}

}  // namespace
}  // namespace radixmender
