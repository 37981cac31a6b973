// The record checker must accept what the writers make and reject each kind
// of damage; other test programs rely on it to judge their records. (What
// the writers make, every kind nested at random, is checked valid with them.)
#include "tests/support/record_check.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "records/box_records.hpp"
#include "records/font_block_records.hpp"
#include "records/literals.hpp"
#include "records/tableau_records.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace {

using testing::decodeRecord;
using testing::describeRecord;
using testing::validateRecord;

// 3/(2√5), twenty-two rows.
Record threeOverTwoRootFive() {
    return makeJoinRecord(text::kSlash, makeIntegerRecord(3),
                          makeJoinRecord(text::kPaperclip, makeIntegerRecord(2),
                                         makeUnaryRecord(text::kRadical, makeIntegerRecord(5))));
}

// The writers' layout: operands postfix before their parent, the outermost
// item's rows last, each locator on its kind's row.
TEST(RecordCheck, DecodesAndDescribesTheTree) {
    const auto root = decodeRecord(threeOverTwoRootFive());
    EXPECT_EQ(root.row, 18);
    EXPECT_EQ(root.firstRow, 1);
    EXPECT_EQ(root.lastRow, 21);
    EXPECT_EQ(root.children.at(1).row, 14);
    EXPECT_EQ(root.children[1].children.at(1).children.at(0).row, 7);
    EXPECT_EQ(threeOverTwoRootFive()[19], (Row{"join_locator", "1", "14"}));
    EXPECT_EQ(testing::itemsInPostfixOrder(root).size(), 6u);
    EXPECT_EQ(describeRecord(makeEqualsRecord(makeRationalRecord(1, -2), Color::clear, "t")),
              "= {clear}#t([-1/2])");
    EXPECT_EQ(describeRecord(makeSignedRationalRecord(1, -2, Color::black, Color::red)),
              "[-1/2]{black,red,black,black}");
    EXPECT_EQ(describeRecord(makeJoinRecord("+", makeIntegerRecord(7),
                                            makeFontRecord(Font::system, makeIntegerRecord(7), "anon"))),
              "(7 + font(system)(7))");
    EXPECT_EQ(describeRecord(makeBlockRecord(makeIntegerRecord(7))), "block(7)");
}

TEST(RecordCheck, RejectsDamage) {
    const Record line = threeOverTwoRootFive(), half = makeRationalRecord(1, 2),
                 signedHalf = makeSignedRationalRecord(1, 2), blank = makeBlankRecords()[0],
                 message = makeMessageRecord("x"),
                 font = makeFontRecord(Font::system, makeIntegerRecord(7), "anon"),
                 block = makeBlockRecord(makeIntegerRecord(7)),
                 table = makeBoxTableRecord(1, 2, {1, 2}, {Color::red}, "t"),
                 grid = makeBoxGridRecordFromTerms({{1, 1, "x"}}, {}, "t"),
                 tree = makePrimeTreeRecord("t", {{1, Color::clear, 6, Color::black}}),
                 lattice = makeLatticeMultiplyRecord("1", "1", {"2"}, {"red"}, {"3"}, {}, {}, {}, "t"),
                 column = makeAddColumnRecord("t", "m", 1, {{"1"}}, {});
    const std::vector<std::tuple<const char*, Record, std::function<void(Record&)>>> cases = {
        {"no rows", line, [](Record& r) { r.clear(); }},
        {"start not a number", line, [](Record& r) { r[0][1] = "x18"; }},
        {"start past the end", line, [](Record& r) { r[0][1] = "22"; }},
        {"start at an inner item", line, [](Record& r) { r[0][1] = "14"; }},
        {"locator at a later row", line, [](Record& r) { r[11][1] = "14"; }},
        {"operands swapped", line, [](Record& r) { std::swap(r[19][1], r[19][2]); }},
        {"operand shared", line, [](Record& r) { r[15][1] = r[15][2]; }},
        {"locator row missing a value", line, [](Record& r) { r[19].pop_back(); }},
        {"locator keyword", line, [](Record& r) { r[19][0] = "unary_locator"; }},
        {"unknown colour", line, [](Record& r) { r[2][1] = "light_gray"; }},
        {"colour slot missing", line, [](Record& r) { r[20].pop_back(); }},
        {"tag row missing", line, [](Record& r) { r.erase(r.begin() + 3); }},
        {"unused row", line, [](Record& r) { r.insert(r.begin() + 1, makeIntegerRecord(9)[1]); }},
        {"integer not decimal", line, [](Record& r) { r[1][1] = "3.0"; }},
        {"unknown kind", line, [](Record& r) { r[1][0] = "integr"; }},
        {"kind row with extra value", line, [](Record& r) { r[10].push_back("x"); }},
        {"stray row between operands, every locator right", makeJoinRecord("+", half, half),
         [](Record& r) {
             r.insert(r.begin() + 4, {"integer", "9"}), r[0][1] = "8", r[9][2] = "5";
         }},
        {"rational with three colours", half, [](Record& r) { r[2].pop_back(); }},
        {"signed rational sign", signedHalf, [](Record& r) { r[1][1] = "−"; }},
        {"blank with a colour row", blank,
         [](Record& r) {
             r.push_back({"BLANK_color", "black"});
         }},
        {"message without text", message, [](Record& r) { r[1].pop_back(); }},
        {"font with the engine's name", font, [](Record& r) { r[4][1] = "monospaced digit system"; }},
        {"block at itself", block, [](Record& r) { r[4][1] = "4"; }},
        {"plug_in without a count", tree, [](Record& r) { r.resize(2), r[1].pop_back(); }},
        {"entries short of rows × columns", table, [](Record& r) { r[2].pop_back(); }},
        {"negative rows", table, [](Record& r) { r[1][2] = "-1"; }},
        {"box without its 4", grid, [](Record& r) { r[1][1] = "3"; }},
        {"tableau count", tree, [](Record& r) { r[1][2] = "5"; }},
        {"unknown layout", tree, [](Record& r) { r[1][1] = "pine_tree"; }},
        {"tree colours short", tree, [](Record& r) { r[3].pop_back(); }},
        {"lattice colour", lattice, [](Record& r) { r[4][1] = "pink"; }},
        {"lattice rows swapped", lattice, [](Record& r) { std::swap(r[4], r[5]); }},
        {"column value", column, [](Record& r) { r[2][2] = "2.5"; }},
    };
    for (const auto& [name, base, damage] : cases) {
        EXPECT_FALSE(validateRecord(base).has_value()) << name;
        Record bad = base;
        damage(bad);
        EXPECT_TRUE(validateRecord(bad).has_value()) << name;
        EXPECT_THROW(decodeRecord(bad), std::invalid_argument) << name;
    }
}

TEST(RecordCheck, StepsNameTheBadLine) {
    Record bad = makeIntegerRecord(1);
    bad[2][1] = "purple";
    const Steps steps = {{makeIntegerRecord(1)}, {makeIntegerRecord(2), bad}};
    const auto reason = testing::validateSteps(steps);
    ASSERT_TRUE(reason.has_value());
    EXPECT_EQ(reason->rfind("step 1, line 1: ", 0), 0u) << *reason;
    EXPECT_TRUE(testing::AreValidSteps({{makeIntegerRecord(1)}, {}}));
}

}  // namespace
}  // namespace radixmender
