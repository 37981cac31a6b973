// The fraction family, blocks and boxes, prime trees and the operation
// tableaux: every mark inside the measured box, the tableau sizes against
// the platform's font metrics, malformed shapes drawn as far as they go, and
// one PNG per kind at phone and tablet size to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "engine/universal_engine_view.hpp"
#include "platform/image_renderer.hpp"
#include "records/literals.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/engine/tableau_samples.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender {
namespace {

using platform::Point;
using testing::Sample;

// Records that break their kind's shape; each is drawn as far as it goes.
std::vector<Sample> malformedSamples() {
    const auto plugIn = [](const std::string& kind, std::vector<Row> rows) {
        Record r{{"start", "1"}, {"plug_in", kind, std::to_string(rows.size() + 2)}};
        for (Row& row : rows) r.push_back(std::move(row));
        r.push_back({kind + "_tag", "t"});
        return r;
    };
    return {
        {"tree without pairs", plugIn("prime_tree", {{"prime_tree_pairs"}, {"prime_tree_colors"}})},
        {"tree with a lone number",
         plugIn("prime_tree", {{"prime_tree_pairs", "6", "2", "3"}, {"prime_tree_colors", "red", "red"}})},
        {"box grid of three terms",
         {{"start", "1"},
          {"box_grid", "4"},
          {"box_grid_terms", "", "x", "2"},
          {"box_grid_colors", "red", "red", "red"},
          {"box_grid_tag", "t"}}},
        {"box table with negative counts",
         {{"start", "1"},
          {"box_table", "4", "-2", "3"},
          {"box_table_entries", "1"},
          {"box_table_colors", "red"},
          {"box_table_tag", "t"}}},
        {"lattice with empty lists",
         plugIn("lattice_multiply",
                {{"lattice_multiply", "2", "3"}, {"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}})},
        {"grid with empty lists",
         plugIn("grid_multiply", {{"grid_multiply", "2", "2"}, {"a"}, {"b"}, {"c"}, {"d"}})},
        {"lattice with negative counts",
         plugIn("lattice_multiply",
                {{"lattice_multiply", "-1", "2"}, {"a", "1", "2"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}})},
        {"column addition without columns",
         plugIn("add_column", {{"add_column", "+", "2", "2", "0"}, {"a"}, {"b"}})},
        {"column addition short rows",
         plugIn("add_column",
                {{"add_column", "+", "3", "3", "3"}, {"a", "1", "2", "3", "4"}, {"b", "YG", "Y"}})},
        {"column addition negative lines",
         plugIn("add_column", {{"add_column", "+", "-3", "-1", "3"}, {"a", "1"}, {"b", "YN"}})},
        {"tableau short rows", plugIn("tableau_op", {{"tableau_op", "-"},
                                                     {"a", "1", "2", "-", "3"},
                                                     {"b", "YYG", "Y"},
                                                     {"g", "5", "2", "1", "true"},
                                                     {"l", "5", "true"}})},
        {"tableau negative counts", plugIn("tableau_op", {{"tableau_op", "+"},
                                                          {"a", "1"},
                                                          {"b", "YNN"},
                                                          {"g", "-4", "-2", "-1", "false"},
                                                          {"l", "-3", "false"}})},
        {"count tableau shorter than its sums", plugIn("count_op", {{"count_op", "m"},
                                                                    {"a", "12", "5"},
                                                                    {"b", "5"},
                                                                    {"g", "COUNT DOWN", "2", "1"},
                                                                    {"l", "SUMMARY", "4"}})},
        {"count tableau negative counts",
         plugIn("count_op",
                {{"count_op", "m"}, {"a"}, {"b"}, {"g", "x", "-2", "-1", "7"}, {"l", "STEP", "-3"}})},
        {"long division short rows", plugIn("divide_op", {{"divide_op", "m"},
                                                          {"a", "B3", "7210", "B7", "B1"},
                                                          {"b", "LD"},
                                                          {"c", "0", "3", "2"},
                                                          {"g", "210", "7", "30", "0"},
                                                          {"l", "SUBTRACT", "1"}})},
        {"partial quotients short rows", plugIn("divide_partial_op", {{"divide_partial_op", "m"},
                                                                      {"a", "210", "140"},
                                                                      {"b"},
                                                                      {"g", "210", "7", "30", "0"},
                                                                      {"l", "ADD", "3"}})},
    };
}

std::vector<Sample> allSamples() {
    std::vector<Sample> all = testing::fractionAndBoxSamples();
    for (auto* more : {testing::tableauSamples, malformedSamples}) {
        std::vector<Sample> s = more();
        all.insert(all.end(), s.begin(), s.end());
    }
    return all;
}

// The corners of a text's ink, from its capitals down to its baseline (the
// fraction family's boxes run from the numerator's capitals down to the
// denominator's baseline), on the page: turned labels go through their transform.
std::vector<Point> inkCorners(const platform::RecordedOperation& op) {
    const FontMetrics m = fontMetrics(op.attributes.font);
    const double w = textSize(op.text, op.attributes.font).width;
    const double top = op.topLeft.y + m.ascender - m.capHeight, bottom = op.topLeft.y + m.ascender;
    std::vector<Point> corners;
    for (const Point p : {Point{op.topLeft.x, top},
                          {op.topLeft.x + w, top},
                          {op.topLeft.x, bottom},
                          {op.topLeft.x + w, bottom}})
        corners.push_back(op.ctm.apply(p));
    return corners;
}

// The overruns the layouts specify, as shares of the size: a text of two
// digits in a column addition is centred on its column in the small font, a
// carry's highlight and slash are as wide as "10" in the carry font, centred
// on the column, so both reach past the last column; header terms of a box
// grid are centred on cells that only the products size; a column addition
// sized for fewer than two lines still draws its text s and its bar under
// the second line.
const std::map<std::string, double> kOverruns = {{"add_column", 0.13},
                                                 {"tableau short rows", 0.13},
                                                 {"box grid of three terms", 0.06},
                                                 {"column addition negative lines", 2.5}};

TEST(TableauItems, EveryMarkLiesInsideTheMeasuredBox) {
    for (const double size : {32.0, 30.0, 17.5}) {
        for (const Sample& s : allSamples()) {
            SCOPED_TRACE(s.name + " at " + std::to_string(size));
            const double x = 50, y = 400;
            ItemBox box;
            std::unique_ptr<platform::RecordingContext> context;
            ASSERT_NO_THROW(box = testing::measure(s.record, size));
            ASSERT_NO_THROW(context = testing::record(s.record, x, y, size));
            const double allowed = kOverruns.contains(s.name) ? kOverruns.at(s.name) * size : 0;
            for (const platform::RecordedOperation& op : context->operations()) {
                const double tolerance =
                    1 + allowed +
                    (op.isPath() && op.mode != platform::PathDrawingMode::fill ? op.lineWidth / 2 : 0);
                for (const Point p : op.isText() ? inkCorners(op) : op.points()) {
                    EXPECT_GE(p.x, x - tolerance) << op.text;
                    EXPECT_LE(p.x, x + box.width + tolerance) << op.text;
                    EXPECT_GE(p.y, y - box.ascent - tolerance) << op.text;
                    EXPECT_LE(p.y, y - box.ascent + box.height + tolerance) << op.text;
                }
            }
        }
    }
}

// Every transform a turned label sets is undone.
TEST(TableauItems, TurnedLabelsLeaveTheTransformAsTheyFoundIt) {
    platform::RecordingContext context;
    const platform::ContextScope scope(&context);
    const platform::TextAttributes label{platform::UIFont::systemFont(16)};
    UniversalEngineView::drawRotatedText("100", label, 40, 60, -0.425 * M_PI);
    UniversalEngineView::drawRotatedText("10", label, 40, 60, 0);
    ASSERT_EQ(context.texts().size(), 2u);
    const double h = textSize("100", label.font).height;
    EXPECT_EQ(context.texts()[0].topLeft, (Point{0, -h / 2}));
    const platform::AffineTransform flat = context.texts()[1].ctm;  // angle 0: a plain move
    EXPECT_NEAR(flat.a, 1, 1e-12);
    EXPECT_NEAR(flat.b, 0, 1e-12);
    EXPECT_NEAR(flat.tx, 40, 1e-12);
    const platform::AffineTransform after = context.currentTransform();
    EXPECT_NEAR(after.tx, 0, 1e-12);
    EXPECT_NEAR(after.b, 0, 1e-12);
    const platform::ContextScope none(nullptr);
    EXPECT_NO_THROW(UniversalEngineView::drawRotatedText("1", label, 0, 0, 1));
}

// The sizes, from the platform's fonts directly: widths and line heights of
// the tableau font at a fraction of the size.
TEST(TableauItems, SizesFollowTheFontMetrics) {
    const double s = 32, gap = 10;
    const auto font = [&](double f) {
        return platform::UIFont::monospacedDigitSystemFont(f * s, platform::FontWeight::medium);
    };
    const auto w = [&](const std::string& t, double f = 1) {
        return platform::sizeWithAttributes(t, {font(f)}).width;
    };
    const double lh = font(1).lineHeight();
    const std::string twenty = "1" + std::string(19, '0');
    using T = std::vector<std::string>;
    struct Case {
        const char* name;
        ItemBox measured;
        double width, height;
    };
    const Case cases[] = {
        {"lattice no rows", UniversalEngineView::sizeOfLatticeMultiply(0, 0, s),
         w("8", 0.9) + font(0.9).ascender() - font(0.9).capHeight() - font(1).descender() + w("8"),
         font(0.9).lineHeight() + lh},
        {"grid one row", UniversalEngineView::sizeOfGridMultiply(1, 0, 0, 2, s),
         w("88") - font(1).descender(), std::max({font(0.75).lineHeight(), w("88", 0.75) + 5, lh}) + lh},
        {"tableau twenty columns", UniversalEngineView::sizeOfTableauOp(T{"4", "20", "1"}, T{"3"}, s),
         w("+" + twenty) + 20 * gap, 3 * lh + font(0.7).lineHeight() + w(twenty, 0.5) + 5 * 9},
        {"add column no rows", UniversalEngineView::sizeOfAddColumn("+", 0, 1, s), w("+1") + gap,
         5 + w("1", 0.5) + 5},
        {"division remainder 0",
         UniversalEngineView::sizeOfDivideOp(T{"987654", "7", "", "0"}, T{"SOLUTION", "0"}, s),
         w("7987654") + 2 * gap, 2 * lh + 5},
        {"division subtracting",
         UniversalEngineView::sizeOfDivideOp(T{"98", "7", "", "00"}, T{"SUBTRACT", "2"}, s),
         w("798") + w(" R 00") + 2 * gap, 4 * (2 * lh + 5)},
        {"partial quotients problem",
         UniversalEngineView::sizeOfDividePartialOp(T{"98", "7", "123456", "3"}, T{"PROBLEM", "0"}, s),
         w("7") + 2 * gap + w("98") + 30 + w("+") + gap + w("123456"), 3 * lh + 5},
        {"count down summary",
         UniversalEngineView::sizeOfCountOp(T{"COUNT DOWN", "2", "1"}, T{"SUMMARY", "1"}, s),
         w(std::string(text::kMinusSign) + "10") + gap + 30 + w("+1") + gap,
         3 * lh + 15 + 5 + w("10", 0.5) + 5},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.measured.width, c.width, 1e-9) << c.name;
        EXPECT_NEAR(c.measured.height, c.height, 1e-9) << c.name;
        EXPECT_DOUBLE_EQ(c.measured.ascent, c.measured.height / 2) << c.name;
    }
    // A stage count is read as an integer, for the box and the drawing alike.
    EXPECT_THROW(UniversalEngineView::sizeOfDivideOp(T{"9", "7", "", "0"}, T{"SOLUTION", "1.5"}, s),
                 std::invalid_argument);
    EXPECT_THROW(UniversalEngineView::sizeOfCountOp(T{"UP", "2"}, T{"COUNT", "1"}, s), std::out_of_range);
}

TEST(TableauItems, MalformedShapesDrawWhatThereIs) {
    for (const Sample& s : malformedSamples()) {
        EXPECT_NO_THROW(testing::record(s.record, 0, 0)) << s.name;
    }
    const Sample empty = malformedSamples().front();
    EXPECT_EQ(testing::measure(empty.record), ItemBox{});
    EXPECT_TRUE(testing::record(empty.record, 0, 0)->operations().empty());
}

// One PNG per kind, fitted to a phone and to a tablet, to look at.
TEST(TableauItems, PicturesAtPhoneAndTabletSize) {
    const UniversalEngineView view;
    for (const auto& [name, w, h] : {std::tuple{"phone", 390.0, 844.0}, {"tablet", 820.0, 1180.0}}) {
        for (const Sample& s : allSamples()) {
            const Step lines{s.record};
            const LineSizes sizes = view.fitLines(w - 20, h - 20, 30, testing::kMedium, lines);
            const ItemBox box = testing::measure(s.record, sizes[0][1]);
            EXPECT_LE(box.width, w - 20) << s.name;
            // The image is cut to the line's height, to keep the files small.
            const double cut = std::min(h, box.height + 20);
            const platform::RasterImage image =
                platform::ImageRenderer({w, cut}, 2).image([&](platform::GraphicsContext& c) {
                    c.setFillColor(platform::UIColor::white());
                    c.fillRect({0, 0, w, cut});
                    view.renderLines(10, 10, lines, sizes);
                });
            std::string file = std::string(name) + "_" + s.name;
            std::replace(file.begin(), file.end(), ' ', '_');
            EXPECT_TRUE(image.savePNG(testing::testOutputPath("tableaux/" + file + ".png")));
        }
    }
}

}  // namespace
}  // namespace radixmender
