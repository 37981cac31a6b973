// Measuring and drawing of the items: every mark lies inside the measured
// box, and the boxes compose as the kinds promise.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/item_support.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/engine/tableau_samples.hpp"

namespace radixmender {
namespace {

using platform::RecordedOperation;
using testing::measure;
using testing::record;

Record integer(std::int64_t v, Color c = Color::black) { return makeIntegerRecord(v, c); }
Record unary(const std::string& t, const Record& r, Color c = Color::black) {
    return makeUnaryRecord(t, r, c);
}
Record join(const std::string& t, const Record& l, const Record& r, Color c = Color::black) {
    return makeJoinRecord(t, l, r, c);
}
Record fraction(const Record& n, const Record& d) { return join("/", n, d); }

using testing::Sample;

std::vector<Sample> samples() {
    const Record radicalFive = unary("√", integer(5));
    return {
        {"integer", integer(-1234)},
        {"rational", makeRationalRecord(-3, 14)},
        {"rational over one", makeRationalRecord(7, 1)},
        {"signed rational minus", makeSignedRationalRecord(-3, 4)},
        {"signed rational plus", makeSignedRationalRecord(3, 40)},
        {"message", makeMessageRecord(" difference of squares ", Color::red)},
        {"emoji message", makeMessageRecord(text::kCool)},
        {"radical", radicalFive},
        {"radical with index", unary("√3", integer(27))},
        {"radical of fraction", unary("√", fraction(integer(2), integer(3)))},
        {"prefix minus", unary(text::kHyphenMinus, integer(7))},
        {"equals prefix", unary(text::kEqualsPrefix, integer(7))},
        {"brackets", unary("()", join("+", integer(2), radicalFive))},
        {"brackets round fraction", unary("[]", fraction(integer(1), radicalFive))},
        {"braces", unary("{}", integer(12))},
        {"sum", join("+", integer(2), radicalFive)},
        {"difference", join(text::kMinusSign, makeRationalRecord(1, 2), radicalFive)},
        {"product", join(text::kDot, integer(3), radicalFive)},
        {"juxtaposition", join(text::kPaperclip, integer(3), radicalFive)},
        {"power", join("^", integer(5), integer(2))},
        {"power of brackets", join("^", unary("()", join("+", integer(2), radicalFive)), integer(2))},
        {"fraction", fraction(integer(3), join(text::kPaperclip, integer(2), radicalFive))},
        {"nested fraction", fraction(fraction(integer(1), integer(2)), unary("√", integer(7)))},
        {"line",
         unary(text::kEqualsPrefix,
               fraction(join(text::kDot, integer(3), radicalFive), join("+", integer(10), integer(-2))),
               Color::clear)},
    };
}

// Every mark lies inside the measured box, within a point, for the lines the
// models draw and every other kind (tableaux, boxes, the fraction family).
// Texts of the lines count with their line box, but a bracket's capitals only
// (its glyph is taller than the operand it spans) and an exponent a tenth
// wider (drawn bolder than measured); texts of the other kinds with their ink
// from capitals to baseline (their boxes run from the top number's capitals
// to the bottom one's baseline), turned labels through their transform.
// Strokes count with half their width. The overruns the layouts specify are
// shares of the size: a two-digit text in a column addition is centred on its
// column in the small font, a carry's highlight and slash are as wide as "10"
// in the carry font, so both reach past the last column.
TEST(ItemBoxes, EveryMarkLiesInsideTheMeasuredBox) {
    std::vector<testing::Sample> all = samples(), more = testing::fractionAndBoxSamples();
    const std::size_t lines = all.size();
    all.insert(all.end(), more.begin(), more.end());
    more = testing::tableauSamples();
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
            for (const RecordedOperation& op : context->operations()) {
                double tolerance = 1.0;
                std::vector<platform::Point> corners = op.points();
                if (op.isText()) {
                    const FontMetrics m = fontMetrics(op.attributes.font);
                    platform::Rect r = testing::textBox(op);
                    if (k >= lines || op.attributes.font.weight == platform::FontWeight::light)
                        r = platform::Rect(r.minX(), r.minY() + m.ascender - m.capHeight, r.width(),
                                           m.capHeight);
                    if (k < lines && op.attributes.font.weight == platform::FontWeight::heavy)
                        tolerance += 0.1 * r.width();
                    corners.clear();
                    for (const platform::Point p : {platform::Point{r.minX(), r.minY()},
                                                    {r.maxX(), r.maxY()},
                                                    {r.minX(), r.maxY()},
                                                    {r.maxX(), r.minY()}})
                        corners.push_back(op.ctm.apply(p));
                } else if (op.mode != platform::PathDrawingMode::fill) {
                    tolerance += op.lineWidth / 2;
                }
                for (const platform::Point p : corners) {
                    EXPECT_GE(p.x, outer.minX() - tolerance) << op.text;
                    EXPECT_LE(p.x, outer.maxX() + tolerance) << op.text;
                    EXPECT_GE(p.y, outer.minY() - tolerance) << op.text;
                    EXPECT_LE(p.y, outer.maxY() + tolerance) << op.text;
                }
            }
        }
    }
}

double widthOf(const std::string& text, double size = 32) {
    return textSize(text, platform::UIFont::monospacedDigitSystemFont(size, testing::kMedium)).width;
}

// Operands of a join sit side by side on one baseline; "🖇" adds no text between them.
TEST(ItemComposition, JoinsAndPrefixes) {
    const Record two = integer(2), radical = unary("√", integer(5)), half = makeRationalRecord(1, 2);
    const ItemBox a = measure(two), b = measure(radical), h = measure(half);
    for (const std::string op : {"+", text::kMinusSign, text::kDot, "=", "×", "➩", "?"}) {
        const ItemBox j = measure(join(op, half, radical));
        EXPECT_NEAR(j.width, h.width + widthOf(" " + op + " ") + b.width, 1e-9) << op;
        EXPECT_DOUBLE_EQ(j.ascent, std::max(h.ascent, b.ascent)) << op;
    }
    EXPECT_DOUBLE_EQ(measure(join(text::kPaperclip, two, radical)).width, a.width + b.width);
    // An integer is one whole line high whatever its digits.
    EXPECT_EQ(measure(integer(1)), (ItemBox{measure(integer(1)).width, measure(integer(-123456789)).height,
                                            measure(integer(-123456789)).ascent}));
}

TEST(ItemComposition, RadicalsAndBrackets) {
    const Record operand = fraction(integer(3), integer(7));
    const ItemBox o = measure(operand);
    // An index on the radical takes no room of its own.
    const ItemBox r = measure(unary("√", operand));
    for (const std::string indexed : {"√2", "√3", "√4", "√5", "√6"})
        EXPECT_EQ(measure(unary(indexed, operand)), r);

    for (const std::string pair : {"()", "(]", "[]", "[)", "[[", "]]", "][", "{}", "||"}) {
        const ItemBox b = measure(unary(pair, operand));
        EXPECT_EQ(b, (ItemBox{b.width, o.height, o.ascent})) << pair;
        EXPECT_GT(b.width, o.width) << pair;
        EXPECT_EQ(measure(unary(pair, operand, Color::clear)), b) << pair;  // clear keeps its room
        EXPECT_EQ(measure(unary(pair, operand, Color::invisible)), o) << pair;
    }
    // "(]" draws its first and last characters, "||" the same one twice.
    const auto mixed = record(unary("(]", integer(4)), 0, 100)->texts();
    ASSERT_EQ(mixed.size(), 3u);
    EXPECT_EQ(mixed[0].text, "(");
    EXPECT_EQ(mixed[2].text, "]");
    // An invisible pair draws the operand only; a clear one draws its glyphs in clear.
    EXPECT_EQ(record(unary("()", integer(4), Color::invisible), 0, 100)->texts().size(), 1u);
    const auto clear = record(unary("()", integer(4), Color::clear), 0, 100)->texts();
    ASSERT_EQ(clear.size(), 3u);
    EXPECT_TRUE(clear[0].attributes.foregroundColor.isClear());
}

TEST(ItemComposition, RationalsAndFractions) {
    const items::EngineFonts f = items::makeEngineFonts(items::kDefaultFamily, 32, testing::kMedium);
    const Metric& m = f.metric;
    EXPECT_EQ(measure(makeSignedRationalRecord(3, 14)), measure(makeRationalRecord(3, 14)));
    const ItemBox minus = measure(makeSignedRationalRecord(-3, 14));
    EXPECT_NEAR(minus.width, widthOf("-") + measure(makeRationalRecord(3, 14)).width, 1e-9);

    const Record n = integer(12345), d = unary("√", integer(5));
    const ItemBox fb = measure(fraction(n, d));
    // The bar spans exactly the wider part on the axis; the narrower part is centred.
    const auto ops = record(fraction(n, d), 10, 200);
    const auto bar = ops->paths().back();
    EXPECT_EQ(bar.points().front().x, 10);
    EXPECT_NEAR(bar.points().back().x, 10 + fb.width, 1e-9);
    EXPECT_NEAR(bar.points().front().y, 200 - m.wholeHalfXHeight, 1e-9);
    EXPECT_EQ(bar.lineWidth, m.halfBarSpace);
    EXPECT_EQ(bar.mode, platform::PathDrawingMode::fillStroke);

    // A rational draws its unit denominator, its colour slots in place.
    const auto rational =
        record(makeRationalRecord(5, 1, Color::green, Color::red, Color::blue, Color::cyan), 0, 100);
    ASSERT_EQ(rational->texts().size(), 2u);
    EXPECT_EQ(rational->texts()[1].text, "1");
    EXPECT_EQ(rational->texts()[0].attributes.foregroundColor, platform::UIColor::red());
    EXPECT_EQ(rational->texts()[1].attributes.foregroundColor, platform::UIColor::blue());
    EXPECT_EQ(rational->paths()[0].strokeColor, platform::UIColor::cyan());
}

TEST(ItemGeometry, BaselinesRadicalStrokeAndExponent) {
    const items::EngineFonts f = items::makeEngineFonts(items::kDefaultFamily, 32, testing::kMedium);
    const Metric& m = f.metric;
    // Both operands of an operator share the baseline: the integers' tops coincide.
    const auto sum = record(join("+", integer(2), integer(3)), 0, 100)->texts();
    ASSERT_EQ(sum.size(), 3u);
    EXPECT_EQ(sum[0].topLeft.y, sum[1].topLeft.y);
    EXPECT_EQ(sum[2].text, " + ");
    EXPECT_EQ(sum[2].topLeft.y, 100 - m.wholeAscender);

    // The radical sign is one stroked path of four points, never the glyph; its
    // index is drawn small and heavy.
    const auto radical = record(unary("√5", integer(5), Color::red), 0, 100);
    ASSERT_EQ(radical->paths().size(), 1u);
    EXPECT_EQ(radical->paths()[0].points().size(), 4u);
    EXPECT_EQ(radical->paths()[0].strokeColor, platform::UIColor::red());
    EXPECT_TRUE(radical->paths()[0].fillColor.isClear());
    const auto texts = radical->texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "5");
    EXPECT_EQ(texts[1].attributes.font.weight, platform::FontWeight::heavy);
    EXPECT_NEAR(texts[1].attributes.font.pointSize, 32 * 7.0 / 15, 1e-9);

    // An exponent is small and heavy.
    const auto power = record(join("^", integer(5), integer(2)), 0, 100)->texts();
    ASSERT_EQ(power.size(), 2u);
    EXPECT_NEAR(power[1].attributes.font.pointSize, 32 * 7.0 / 15, 1e-9);
    EXPECT_EQ(power[1].attributes.font.weight, platform::FontWeight::heavy);
    EXPECT_LT(power[1].topLeft.y, power[0].topLeft.y);

    // A clear "= " keeps its room and is not seen.
    const auto equals = record(unary(text::kEqualsPrefix, integer(4), Color::clear), 0, 100)->texts();
    ASSERT_EQ(equals.size(), 2u);
    EXPECT_TRUE(equals[1].attributes.foregroundColor.isClear());
    EXPECT_NEAR(equals[0].topLeft.x, widthOf(text::kEqualsPrefix), 1e-9);
}

TEST(ItemGeometry, FontItemReachesJuxtaposedOperandsOnly) {
    using platform::FontFamily;
    const Record inner = join(text::kPaperclip, integer(1), unary(text::kHyphenMinus, integer(2)));
    const Record r = testing::withFont("monospaced system", inner);
    const auto texts = record(r, 0, 100)->texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "1");
    EXPECT_EQ(texts[0].attributes.font.family, FontFamily::monospacedSystem);
    EXPECT_EQ(texts[1].text, "2");  // a unary operand returns to the default family
    EXPECT_EQ(texts[1].attributes.font.family, FontFamily::monospacedDigitSystem);
    EXPECT_EQ(texts[2].text, "-");  // the prefix text itself uses the name it was given
    EXPECT_EQ(texts[2].attributes.font.family, FontFamily::monospacedSystem);
    for (const std::string other : {"system", "monospaced_digit_system", ""})
        EXPECT_EQ(record(testing::withFont(other, integer(3)), 0, 100)->texts()[0].attributes.font.family,
                  FontFamily::monospacedDigitSystem);
}

TEST(ItemComposition, UnknownKindsTakeNoRoomAndSiblingsStillLayOut) {
    Record unknown = integer(99);
    unknown[1][0] = "mystery";
    EXPECT_EQ(measure(unknown), ItemBox{});
    EXPECT_TRUE(record(unknown, 0, 100)->operations().empty());
    // So does a "plug_in" item of an unknown sub-kind.
    const Record plugIn{{"start", "1"}, {"plug_in", "mystery", "2"}, {"mystery_tag", "t"}};
    EXPECT_EQ(measure(plugIn), ItemBox{});
    // A join with an unlisted text skips its operands; "-" is no join operator.
    const Record dash = join(text::kHyphenMinus, integer(1), integer(2));
    EXPECT_EQ(measure(dash), ItemBox{});
    EXPECT_TRUE(record(dash, 0, 100)->operations().empty());

    const Record line = join(text::kPaperclip, unknown, integer(7));
    EXPECT_EQ(measure(line), measure(integer(7)));
    const auto texts = record(line, 20, 100)->texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].topLeft.x, 20);

    // A "BLANK" side is absent: the right operand comes right after the operator.
    Record blank = join("+", integer(1), integer(2));
    for (Row& row : blank)
        if (row[0] == "join_locator") row[1] = "BLANK";
    EXPECT_NEAR(measure(blank).width, widthOf(" + ") + widthOf("2"), 1e-9);
}

TEST(ItemRobustness, MalformedRecordsThrowInsteadOfReadingPastThem) {
    Record badColour = integer(5);
    badColour[2][1] = "purple";
    EXPECT_NO_THROW(measure(badColour));  // measuring never reads colours
    EXPECT_THROW(record(badColour, 0, 0), std::invalid_argument);

    Record badIndex = unary("√", integer(5));
    for (Row& row : badIndex)
        if (row[0] == "unary_locator") row[1] = "17";
    EXPECT_THROW(measure(badIndex), std::out_of_range);
    for (Row& row : badIndex)
        if (row[0] == "unary_locator") row[1] = "x";
    EXPECT_THROW(measure(badIndex), std::invalid_argument);

    EXPECT_THROW(measureItems({}, "0", defaultFontName(), 32, testing::kMedium), std::out_of_range);
}

// A line must be a tree: every locator names an earlier row that no other
// locator names. Anything else is refused before it is measured (an item
// reached twice would be measured and drawn once per path to it).
TEST(ItemRobustness, LinesThatAreNoTreesAreRefused) {
    const Record sum = join("+", integer(1), integer(2));
    const std::size_t k = std::stoul(testing::startOf(sum));
    const std::string one = sum[k + 1][1], self = std::to_string(k), later = std::to_string(k + 2);
    for (const auto& [left, right] :
         std::vector<std::pair<std::string, std::string>>{{one, one}, {self, one}, {one, later}}) {
        Record r = sum;
        r[k + 1] = {"join_locator", left, right};
        EXPECT_THROW(measure(r), std::invalid_argument) << left << " " << right;
        EXPECT_THROW(record(r, 0, 0), std::invalid_argument) << left << " " << right;
    }
    EXPECT_THROW(measure(testing::sharedOperandLine(16)), std::invalid_argument);
    Record deep = integer(1);  // nested deeper than any step
    for (int i = 0; i < 300; ++i) deep = unary("()", deep);
    EXPECT_THROW(measure(deep), std::length_error);
}

// However deep a line, measuring and drawing it measures each text once and
// makes the fonts of a size once: the work grows with the rows, not their square.
TEST(ItemCost, GrowsWithTheRowsOnly) {
    const auto cost = [](int depth) {
        Record r = integer(1);
        for (int i = 0; i < depth; ++i) r = i % 2 == 0 ? join("+", r, integer(i)) : unary("()", r);
        const testing::CountingMeasurer counter;
        measure(r);
        record(r, 0, 100);
        return counter.calls;
    };
    EXPECT_LE(cost(200), 2 * cost(100));
}

}  // namespace
}  // namespace radixmender
