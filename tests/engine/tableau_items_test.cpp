// The tableaux beyond what every item shares with the others (their marks
// inside the measured box are checked with the items'): turned labels, the
// sizes against the platform's font metrics, and damaged shapes drawn as far
// as they go.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/universal_engine_view.hpp"
#include "records/literals.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/engine/tableau_samples.hpp"

namespace radixmender {
namespace {

using platform::Point;

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

// What a learner reads: the texts of a long division and of a counting
// tableau in drawing order, and a fraction's bar between its numerator's
// baseline and its denominator's top.
TEST(TableauItems, WhatALearnerReads) {
    const auto texts = [](const std::string& name) {
        std::string all;
        for (const testing::Sample& s : testing::tableauSamples())
            if (s.name == name)
                for (const auto& op : testing::record(s.record, 0, 100)->texts()) all += op.text + "|";
        return all;
    };
    EXPECT_EQ(texts("divide_op"),
              "1|4|1|0|9|3|7|9|8|7|6|5|4|7|2|8|2|8|0|7|7|0|6|0|6|5|6|3|2|4|2|1|3| R 3|−|−|−|−|−|−|");
    EXPECT_EQ(
        texts("count_op"),
        "100000|10000|1000|100|10|1|345678|445678|100000|+|445678|465678|20000|+|465678|468678|3000|+|468678|"
        "469078|400|+|469078|469128|50|+|469128|469134|6|+|100000|10000|1000|100|10|1|100000|20000|3000|400|"
        "50|6|123456|+|");
    const auto fraction =
        testing::record(makeFractionRecord(-3, 14, Color::black, Color::black, "t"), 0, 100);
    std::map<std::string, platform::RecordedOperation> digits;
    for (const auto& op : fraction->texts()) digits.emplace(op.text, op);
    ASSERT_TRUE(digits.contains("3") && digits.contains("14"));
    const FontMetrics m = fontMetrics(digits.at("3").attributes.font);
    const double bar = fraction->paths().at(0).points().at(0).y;
    EXPECT_GT(bar, digits.at("3").topLeft.y + m.ascender);
    EXPECT_LT(bar, digits.at("14").topLeft.y + m.ascender - m.capHeight);
}

// Every row of every box and tableau cut to half its values, or with every
// number negated: each is drawn as far as it goes or refused by a checked
// read (std::out_of_range), never read past (the sanitizer build sees that).
// Most are drawn. The first tableau with its rows gone takes no room and
// draws nothing.
TEST(TableauItems, DamagedShapesDrawWhatThereIs) {
    std::vector<testing::Sample> all = testing::fractionAndBoxSamples(), more = testing::tableauSamples();
    all.insert(all.end(), more.begin(), more.end());
    int drawn = 0, refused = 0;
    for (const testing::Sample& s : all) {
        const std::size_t kind = std::stoul(testing::startOf(s.record));
        if (s.record[kind][0] != "plug_in" && !s.record[kind][0].starts_with("box_")) continue;
        for (std::size_t row = kind; row + 1 < s.record.size(); ++row) {
            for (const bool cut : {true, false}) {
                Record damaged = s.record;
                Row& r = damaged[row];
                if (cut)
                    r.resize(std::max<std::size_t>(1, (r.size() + 1) / 2));
                else
                    for (std::string& v : r)
                        if (!v.empty() && std::isdigit(static_cast<unsigned char>(v.back())))
                            v.insert(0, "-");
                try {
                    testing::measure(damaged);
                    testing::record(damaged, 0, 0);
                    ++drawn;
                } catch (const std::out_of_range&) {
                    ++refused;
                }
            }
        }
    }
    EXPECT_GT(drawn, 3 * refused);
    const Record empty{{"start", "1"},
                       {"plug_in", "prime_tree", "4"},
                       {"prime_tree_pairs"},
                       {"prime_tree_colors"},
                       {"prime_tree_tag", "t"}};
    EXPECT_EQ(testing::measure(empty), ItemBox{});
    EXPECT_TRUE(testing::record(empty, 0, 0)->operations().empty());
}

}  // namespace
}  // namespace radixmender
