// Measuring and drawing of the items: every mark lies inside the measured
// box; what a learner reads of each kind; the room each takes; records that
// are no trees, and damaged shapes drawn as far as they go.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "engine/universal_engine_view.hpp"
#include "records/literals.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/engine/tableau_samples.hpp"

namespace radixmender {
namespace {

using testing::measure;
using testing::record;

Record integer(std::int64_t v) { return makeIntegerRecord(v); }
Record unary(const std::string& t, const Record& r, Color c = Color::black) {
    return makeUnaryRecord(t, r, c);
}
Record join(const std::string& t, const Record& l, const Record& r, Color c = Color::black) {
    return makeJoinRecord(t, l, r, c);
}
Record fraction(const Record& n, const Record& d) { return join("/", n, d); }
const Record kRadicalFive = unary("√", integer(5));
const Record kUnknown = {{"start", "1"}, {"mystery", "99"}, {"mystery_tag", "anon"}};

// A "font" item naming `name` around the record's outermost item.
Record withFont(const std::string& name, Record r) {
    const std::string operand = testing::startOf(r);
    r.insert(r.end(), {{"font", name}, {"font_locator", operand}, {"font_tag", "anon"}});
    r[0][1] = std::to_string(r.size() - 3);
    return r;
}

std::vector<testing::Sample> lineSamples() {
    return {
        {"integer", integer(-1234)},
        {"rational", makeRationalRecord(-3, 14)},
        {"signed rational", makeSignedRationalRecord(-3, 4)},
        {"message", makeMessageRecord(" difference of squares ", Color::red)},
        {"emoji message", makeMessageRecord(text::kCool)},
        {"radical with index", unary("√3", integer(27))},
        {"radical of fraction", unary("√", fraction(integer(2), integer(3)))},
        {"brackets round fraction", unary("[]", fraction(integer(1), kRadicalFive))},
        {"difference", join(text::kMinusSign, makeRationalRecord(1, 2), kRadicalFive)},
        {"juxtaposition", join(text::kPaperclip, integer(3), kRadicalFive)},
        {"power of brackets", join("^", unary("()", join("+", integer(2), kRadicalFive)), integer(2))},
        {"nested fraction", fraction(fraction(integer(1), integer(2)), unary("√", integer(7)))},
        {"line",
         unary(text::kEqualsPrefix,
               fraction(join(text::kDot, integer(3), kRadicalFive), join("+", integer(10), integer(-2))),
               Color::clear)},
    };
}

// Every mark lies inside the measured box, within a point, for lines and
// every other kind. Texts of lines count with their line box, but a bracket's
// capitals only (its glyph is taller than its operand) and an exponent a tenth
// wider (drawn bolder than measured); texts of other kinds with their ink from
// capitals to baseline, turned labels through their transform; strokes with
// half their width. A column addition may overrun its box by the share of the
// size its layout specifies: a two-digit text centred on its column in the
// small font, a carry's highlight and slash as wide as "10".
TEST(ItemBoxes, EveryMarkLiesInsideTheMeasuredBox) {
    std::vector<testing::Sample> all = lineSamples(), more = testing::allSamples();
    const std::size_t lines = all.size();
    all.insert(all.end(), more.begin(), more.end());
    for (const double size : {32.0, 30.0, 17.5}) {
        for (std::size_t k = 0; k < all.size(); ++k) {
            const testing::Sample& s = all[k];
            SCOPED_TRACE(s.name + " at " + std::to_string(size));
            const double x = 50, y = 300, overrun = s.name == "add_column" ? 0.13 * size : 0;
            const ItemBox box = measure(s.record, size);
            const platform::Rect outer(x - overrun, y - box.ascent, box.width + 2 * overrun, box.height);
            const auto context = record(s.record, x, y, size);
            ASSERT_FALSE(context->operations().empty());
            for (const auto& op : context->operations()) {
                double tolerance = 1.0;
                std::vector<platform::Point> corners = op.points();
                if (op.isText()) {
                    const FontMetrics m = fontMetrics(op.attributes.font);
                    platform::Rect r(op.topLeft, textSize(op.text, op.attributes.font));
                    if (k >= lines || op.attributes.font.weight == platform::FontWeight::light)
                        r = platform::Rect(r.minX(), r.minY() + m.ascender - m.capHeight, r.width(),
                                           m.capHeight);
                    if (k < lines && op.attributes.font.weight == platform::FontWeight::heavy)
                        tolerance += 0.1 * r.width();
                    corners.clear();
                    for (const double cx : {r.minX(), r.maxX()})
                        for (const double cy : {r.minY(), r.maxY()})
                            corners.push_back(op.ctm.apply({cx, cy}));
                } else if (op.mode != platform::PathDrawingMode::fill) {
                    tolerance += op.lineWidth / 2;
                }
                for (const platform::Point p : corners) {
                    EXPECT_TRUE(p.x >= outer.minX() - tolerance && p.x <= outer.maxX() + tolerance &&
                                p.y >= outer.minY() - tolerance && p.y <= outer.maxY() + tolerance)
                        << op.text << " at " << p.x << ", " << p.y;
                }
            }
        }
    }
}

// One line of each rule a learner sees: operators padded by blanks, "🖇"
// adding nothing; a radical a stroke, its index heavy; an exponent heavy; a
// rational's colour slots, its unit denominator; a fraction's bar in its
// join's colour; brackets by their first and last characters, none when
// invisible; the "font" item reaching juxtaposed operands only, and only the
// monospaced name changing the family; unknown kinds and joins drawing nothing.
TEST(ItemComposition, WhatALearnerReads) {
    const std::pair<Record, std::string> table[] = {
        {join("+", integer(2), kRadicalFive), "2|5|/| + "},
        {join(text::kPaperclip, integer(3), kRadicalFive), "3|5|/"},
        {unary("√3", integer(27), Color::red), "27|/r|3r^"},
        {join("^", integer(5), integer(2)), "5|2^"},
        {makeRationalRecord(5, 1, Color::green, Color::red, Color::blue, Color::cyan), "5r|1b|/c"},
        {join("/", integer(1), kRadicalFive, Color::red), "1|5|/|/r"},
        {unary("(]", integer(4)), "(|4|]"},
        {unary("{}", integer(4), Color::clear), "{~|4|}~"},
        {unary("()", integer(4), Color::invisible), "4"},
        {withFont("monospaced system",
                  join(text::kPaperclip, integer(1), unary(text::kHyphenMinus, integer(2)))),
         "1m|2|-m"},
        {withFont("system", integer(3)), "3"},
        {join(text::kPaperclip, kUnknown, integer(7)), "7"},
        {join(text::kHyphenMinus, integer(1), integer(2)), ""},
    };
    for (const auto& [line, expected] : table) EXPECT_EQ(testing::reads(*record(line)), expected);
}

// The room each kind takes: a join its operands and the padded operator, a
// sign only for "-", an index none, a clear prefix its own, brackets their
// operand's height, an integer a whole line whatever its digits, a column
// addition without rows its sign, a gap and a column. Operands share a
// baseline, an exponent sits above it, a fraction's bar on the axis.
TEST(ItemComposition, RoomAndPlaces) {
    const auto w = [](const std::string& t) {
        return textSize(t, platform::UIFont::monospacedDigitSystemFont(32, testing::kMedium)).width;
    };
    const auto width = [](const Record& r) { return measure(r).width; };
    const Record half = makeRationalRecord(1, 2), operand = fraction(integer(3), integer(7));
    Record blank = join("+", integer(1), integer(2));
    blank[blank.size() - 3][1] = "BLANK";
    const std::pair<Record, double> widths[] = {
        {join("+", half, kRadicalFive), width(half) + w(" + ") + width(kRadicalFive)},
        {join(text::kPaperclip, integer(3), kRadicalFive), w("3") + width(kRadicalFive)},
        {blank, w(" + ") + w("2")},
        {makeSignedRationalRecord(3, 14), width(makeRationalRecord(3, 14))},
        {makeSignedRationalRecord(-3, 14), w("-") + width(makeRationalRecord(3, 14))},
        {unary("√6", operand), width(unary("√", operand))},
        {unary("||", operand, Color::invisible), width(operand)},
        {unary(text::kEqualsPrefix, integer(4), Color::clear), w(text::kEqualsPrefix) + w("4")},
    };
    for (const auto& [r, expected] : widths) EXPECT_DOUBLE_EQ(width(r), expected);
    EXPECT_EQ(measure(unary("[)", operand, Color::clear)).height, measure(operand).height);
    EXPECT_EQ(measure(integer(-123456789)).height, measure(integer(1)).height);
    EXPECT_DOUBLE_EQ(UniversalEngineView::sizeOfAddColumn("+", 0, 1, 32).width, w("+1") + 10);  // a gap of 10
    EXPECT_EQ(measure(kUnknown), ItemBox{});

    const auto sum = record(join("+", integer(2), integer(3)))->texts();
    EXPECT_EQ(sum[0].topLeft.y, sum[1].topLeft.y);
    const auto power = record(join("^", integer(5), integer(2)))->texts();
    EXPECT_LT(power[1].topLeft.y, power[0].topLeft.y);
    const double axis = 200 - fontMetrics(platform::UIFont::monospacedDigitSystemFont(32, 0.23)).xHeight / 2;
    const Record bar = fraction(integer(12345), kRadicalFive);
    for (const Record& r : {bar, makeFractionRecord(-3, 14, Color::black, Color::black, "t")})
        for (const platform::Point p : record(r, 10, 200)->paths().back().points())
            EXPECT_NEAR(p.y, axis, 1e-9);
    EXPECT_NEAR(record(bar, 10, 200)->paths().back().points().back().x, 10 + width(bar), 1e-9);
}

// However deep a line, measuring and drawing it measures each text once and
// makes the fonts of a size once: the work grows with the rows, not their square.
TEST(ItemCost, GrowsWithTheRowsOnly) {
    const auto cost = [](int depth) {
        Record r = integer(1);
        for (int i = 0; i < depth; ++i) r = i % 2 == 0 ? join("+", r, integer(i)) : unary("()", r);
        const testing::CountingMeasurer counter;
        measure(r);
        record(r);
        return counter.calls;
    };
    EXPECT_LE(cost(200), 2 * cost(100));
}

// Every sample's texts, rules and shades in drawing order: the numbers and
// signs of each kind, the colours of their slots, the highlights each phase
// asks for (a long division's current stage and remainder light gray, the
// jumps of a count gray, a carry's highlight light gray, a struck carry).
TEST(TableauItems, WhatALearnerReads) {
    const std::map<std::string, std::string> expected = {
        {"whole", "-1234"},
        {"fraction", "3r|-r|14|/r"},
        {"mixed_number", "3|1|4|/"},
        {"extended_fraction", "2 × 3|-|5 × 7|/"},
        {"cancel_both", "12|18|/|2r|3r|/r|/r"},
        {"cancel_numerator", "6|-|35|/|3r|/r"},
        {"cancel_denominator", "7|21|/|3r|/r"},
        {"block", "3|1|4|/|5b|8b|/b|3|7|8|/|+ |/|/"},
        {"box_grid", "0|2x|+3|x|2x²|+3x|-5|-10x|-15|/"},
        {"box_table", "1b|2b|3b|4b|10b|20b|30b|40b|100b|200b|300b|4000b"},
        {"prime_tree", "1~|180180|2r|90090|2r|45045|3b|15015|3b|5005|5r|1001|7b|143|11r|13b|/"},
        {"lattice_multiply",
         "#L|0|1|2|2|3|4|0|#L|1|2|3|4|4|0|1|#L|2|3|4|5|7|4|1|#L|8|5|2|8|6|4|2|#L|0|8|9|8|7|6|5|#L|4|0r|9r|"
         "7r|4r|1|#L|0r|2|6r|3|7r|4|8r|5|4r|6|7|8|9|/"},
        {"grid_multiply",
         "7000000|1400000|210000|#L|28000|3500|420|70b|800000|160000|24000|3200|400|48|8b|100000b|20000b|"
         "3000b|400b|50b|6b|/"},
        {"tableau_op_add",
         "+|1000000|100000|10000|1000|100|10|1|/|#L|10~|1|#L|10~|1|#L|10~|1|3|4|5|6|7|#G|8|1|2|3|4|5|9|4|6|"
         "9|1|3|7"},
        {"tableau_op_multiply",
         "×|1000000|100000|10000|1000|100|10|1|/|+|/|/|10~|1|/|10~|2|/|10~|3|/|10~|4|/|10~|4|/|1|2|3|4|5|"
         "#G|6|7|8|9|8|7|6|4|8|8|6|4|1|9|2|0|9|6|2|9|5|6|8"},
        {"add_column",
         "+|1000000|100000|10000|1000|100|10|1|/|/|/|/|/|/|/|3|4|5|6|7|8|1|2|3|4|5|9|4|6|8|10|#G|12|#L|17|"
         "4|6|9|1|3|7"},
        {"divide_op",
         "1|4|1|0|9|3|7|9|8|7|6|5|4|7|2|8|2|8|0|7|7|0|6|0|6|5|6|3|2|4|#L|2|#L|1|3|#L| R 3|/|/|/|−|/|−|/|−|"
         "/|−|/|−|/|−"},
        {"divide_partial_op",
         "/|/|/|#L|141093|#L| R 3|7|987654|700000|−|/|100000|287654|280000|−|/|40000|7654|7000|−|/|1000|"
         "654|630|−|/|90|24|21|−|/|3|#L|3|/|+|#L|141093"},
        {"count_op",
         "100000|10000|1000|100|10|1|345678|445678|#G|100000|/|+|445678|465678|#G|20000|/|+|465678|468678|"
         "#G|3000|/|+|468678|469078|#G|400|/|+|469078|469128|#G|50|/|+|469128|469134|#G|6|/|+|100000|10000|"
         "1000|100|10|1|#G|100000|#G|20000|#G|3000|#G|400|#G|50|#G|6|123456r|/|+"},
    };
    for (const testing::Sample& s : testing::allSamples())
        EXPECT_EQ(testing::reads(*record(s.record)), expected.at(s.name)) << s.name;
    // A box table's numbers are right-aligned in their columns.
    const auto table = record(testing::fractionAndBoxSamples()[9].record)->texts();  // "box_table"
    const auto right = [&](std::size_t i) {
        return table[i].topLeft.x + textSize(table[i].text, table[i].attributes.font).width;
    };
    for (std::size_t i = 4; i < table.size(); ++i) EXPECT_NEAR(right(i), right(i - 4), 1e-9);
}

// A line must be a tree: every locator names an earlier row that no other
// locator names. Anything else is refused before it is measured (an item
// reached twice would be measured and drawn once per path to it), as is a
// row or colour that cannot be read; colours are read only when drawing.
// Every row of every box and tableau cut to half its values, or with every
// number negated, is drawn as far as it goes or refused by a checked read
// (std::out_of_range) or for cells that disagree with their counts
// (std::length_error), never read past (the sanitizer build sees that); most
// are drawn. A prime tree without rows takes no room and draws nothing.
TEST(ItemRobustness, MalformedRecordsAreRefusedOrDrawnAsFarAsTheyGo) {
    const Record sum = join("+", integer(1), integer(2));
    const std::size_t k = std::stoul(testing::startOf(sum));
    const std::string one = sum[k + 1][1], self = std::to_string(k), later = std::to_string(k + 2);
    for (const auto& [left, right] : {std::pair{one, one}, {self, one}, {one, later}}) {
        Record r = sum;
        r[k + 1] = {"join_locator", left, right};
        EXPECT_THROW(measure(r), std::invalid_argument) << left << " " << right;
    }
    Record deep = integer(1);  // nested deeper than any step
    for (int i = 0; i < 300; ++i) deep = unary("()", deep);
    EXPECT_THROW(measure(deep), std::length_error);

    Record badColour = integer(5);
    badColour[2][1] = "purple";
    EXPECT_NO_THROW(measure(badColour));
    EXPECT_THROW(record(badColour), std::invalid_argument);
    Record badIndex = kRadicalFive;
    badIndex[badIndex.size() - 3][1] = "17";
    EXPECT_THROW(measure(badIndex), std::out_of_range);
    badIndex[badIndex.size() - 3][1] = "x";
    EXPECT_THROW(measure(badIndex), std::invalid_argument);
    EXPECT_THROW(measureItems({}, "0", defaultFontName(), 32, testing::kMedium), std::out_of_range);
    int drawn = 0, refused = 0;
    for (const testing::Sample& s : testing::allSamples()) {
        const std::size_t kind = std::stoul(testing::startOf(s.record));
        if (s.record[kind][0] != "plug_in" && !s.record[kind][0].starts_with("box_")) continue;
        for (std::size_t row = kind; row + 1 < s.record.size(); ++row) {
            for (const bool cut : {true, false}) {
                Record damaged = s.record;
                Row& r = damaged[row];
                if (cut) r.resize(std::max<std::size_t>(1, (r.size() + 1) / 2));
                for (std::string& v : r)
                    if (!cut && !v.empty() && std::isdigit(static_cast<unsigned char>(v.back())))
                        v.insert(0, "-");
                try {
                    record(damaged);
                    ++drawn;
                } catch (const std::out_of_range&) {
                    ++refused;
                } catch (const std::length_error&) {  // cells that disagree with their counts
                    ++refused;
                }
            }
        }
    }
    EXPECT_GT(drawn, 2 * refused);
    const Record empty = makePrimeTreeRecord("t", {});
    EXPECT_EQ(measure(empty), ItemBox{});
    EXPECT_TRUE(record(empty)->operations().empty());
}

}  // namespace
}  // namespace radixmender
