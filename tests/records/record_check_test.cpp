// The record checker must accept what the writers make and reject each kind
// of damage; other test programs rely on it to judge their records.
#include "tests/support/record_check.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "records/box_records.hpp"
#include "records/literals.hpp"
#include "records/tableau_records.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace {

using testing::decodeRecord;
using testing::describeRecord;
using testing::IsValidRecord;
using testing::validateRecord;

// 3/(2√5), twenty-two rows.
Record threeOverTwoRootFive() {
    return makeJoinRecord(text::kSlash, makeIntegerRecord(3),
                          makeJoinRecord(text::kPaperclip, makeIntegerRecord(2),
                                         makeUnaryRecord(text::kRadical, makeIntegerRecord(5))));
}

// What the writers make is checked valid in their own tests, random nestings
// included. Kinds from other writers follow the same layout rules; these are
// built by hand as those writers would build them.
TEST(RecordCheck, AcceptsFontBlockAndNumberKinds) {
    const Record seven = makeIntegerRecord(7);
    const Record font = {{"start", "4"},
                         seven[1],
                         seven[2],
                         seven[3],
                         {"font", "monospaced system"},
                         {"font_locator", "1"},
                         {"font_tag", "anon"}};
    const Record block = {{"start", "4"}, seven[1], seven[2], seven[3], {"block", "1"}};
    const Record fraction = {
        {"start", "1"}, {"fraction", "-3", "4"}, {"fraction_color", "red", "black"}, {"fraction_tag", "f"}};
    const Record mixed = {{"start", "1"},
                          {"mixed_number", "2", "-1", "3"},
                          {"mixed_number_color", "black", "black", "black"},
                          {"mixed_number_tag", "anon"}};
    for (const Record& r : {font, block, fraction, mixed}) EXPECT_TRUE(IsValidRecord(r));
    EXPECT_EQ(describeRecord(font), "font(monospaced system)(7)");
    EXPECT_EQ(describeRecord(block), "block(7)");
    EXPECT_EQ(describeRecord(fraction), "fraction(-3, 4){red,black}#f");

    // As a right operand, the block's locator moves with its rows.
    const Record joined = makeJoinRecord("+", seven, block);
    EXPECT_EQ(joined[7], (Row{"block", "4"}));
    EXPECT_TRUE(IsValidRecord(joined));
    const Record fontOfFont = makeJoinRecord("+", seven, font);
    EXPECT_EQ(describeRecord(fontOfFont), "(7 + font(monospaced system)(7))");

    Record badFont = font;
    badFont[4][1] = "monospaced digit system";
    EXPECT_FALSE(IsValidRecord(badFont));
    Record badBlock = block;
    badBlock[4][1] = "4";
    EXPECT_FALSE(IsValidRecord(badBlock));
    EXPECT_FALSE(IsValidRecord({{"start", "1"}, {"plug_in", "prime_tree"}}));
}

TEST(RecordCheck, DecodesAndDescribesTheTree) {
    const auto root = decodeRecord(threeOverTwoRootFive());
    EXPECT_EQ(root.row, 18);
    EXPECT_EQ(root.firstRow, 1);
    EXPECT_EQ(root.lastRow, 21);
    EXPECT_EQ(root.children.at(1).row, 14);
    EXPECT_EQ(root.children[1].children.at(1).children.at(0).row, 7);
    EXPECT_EQ(testing::itemsInPostfixOrder(root).size(), 6u);
    EXPECT_EQ(describeRecord(makeEqualsRecord(makeRationalRecord(1, -2), Color::clear, "t")),
              "= {clear}#t([-1/2])");
    EXPECT_EQ(describeRecord(makeSignedRationalRecord(1, -2, Color::black, Color::red)),
              "[-1/2]{black,red,black,black}");
}

TEST(RecordCheck, RejectsDamage) {
    const Record good = threeOverTwoRootFive();
    struct Case {
        const char* name;
        std::function<void(Record&)> damage;
    };
    const std::vector<Case> cases = {
        {"no rows", [](Record& r) { r.clear(); }},
        {"start not a number", [](Record& r) { r[0][1] = "x18"; }},
        {"start past the end", [](Record& r) { r[0][1] = "22"; }},
        {"start at an inner item", [](Record& r) { r[0][1] = "14"; }},
        {"locator at a later row", [](Record& r) { r[11][1] = "14"; }},
        {"operands swapped", [](Record& r) { std::swap(r[19][1], r[19][2]); }},
        {"operand shared", [](Record& r) { r[15][1] = r[15][2]; }},
        {"locator row missing a value", [](Record& r) { r[19].pop_back(); }},
        {"locator keyword", [](Record& r) { r[19][0] = "unary_locator"; }},
        {"unknown colour", [](Record& r) { r[2][1] = "light_gray"; }},
        {"colour slot missing", [](Record& r) { r[20].pop_back(); }},
        {"tag row missing", [](Record& r) { r.erase(r.begin() + 3); }},
        {"unused row", [](Record& r) { r.insert(r.begin() + 1, makeIntegerRecord(9)[1]); }},
        {"integer not decimal", [](Record& r) { r[1][1] = "3.0"; }},
        {"unknown kind", [](Record& r) { r[1][0] = "integr"; }},
        {"kind row with extra value", [](Record& r) { r[10].push_back("x"); }},
    };
    for (const auto& c : cases) {
        Record bad = good;
        c.damage(bad);
        EXPECT_TRUE(validateRecord(bad).has_value()) << c.name;
        EXPECT_THROW(decodeRecord(bad), std::invalid_argument) << c.name;
    }
    EXPECT_FALSE(validateRecord(good).has_value());
}

TEST(RecordCheck, RejectsDamagedLeaves) {
    const Record half = makeRationalRecord(1, 2), signedHalf = makeSignedRationalRecord(1, 2),
                 blank = makeBlankRecords()[0], message = makeMessageRecord("x");
    const Row blankColor = {"BLANK_color", "black"};
    const std::vector<std::tuple<const char*, Record, std::function<void(Record&)>>> cases = {
        {"rational with three colours", half, [](Record& r) { r[2].pop_back(); }},
        {"signed rational sign", signedHalf, [](Record& r) { r[1][1] = "−"; }},
        {"blank with a colour row", blank, [&](Record& r) { r.push_back(blankColor); }},
        {"message without text", message, [](Record& r) { r[1].pop_back(); }},
    };
    for (const auto& [name, base, damage] : cases) {
        Record bad = base;
        damage(bad);
        EXPECT_FALSE(IsValidRecord(bad)) << name;
    }
    // A stray row between the operands, with every locator still right.
    Record stray = makeJoinRecord("+", makeIntegerRecord(1), makeIntegerRecord(2));
    stray.insert(stray.begin() + 4, message[1]);
    stray[0][1] = "8";
    stray[9][2] = "5";
    EXPECT_FALSE(IsValidRecord(stray));
}

TEST(RecordCheck, RejectsDamagedBoxesAndTableaux) {
    const Record table = makeBoxTableRecord(1, 2, {1, 2}, {Color::red}, "t"),
                 grid = makeBoxGridRecordFromTerms({{1, 1, "x"}}, {}, "t"),
                 tree = makePrimeTreeRecord("t", {{1, Color::clear, 6, Color::black}}),
                 lattice = makeLatticeMultiplyRecord("1", "1", {"2"}, {"red"}, {"3"}, {}, {}, {}, "t"),
                 column = makeAddColumnRecord("t", "m", 1, {{"1"}}, {});
    for (const Record& r : {table, grid, tree, lattice, column}) EXPECT_TRUE(IsValidRecord(r));
    const std::vector<std::tuple<const char*, Record, std::function<void(Record&)>>> cases = {
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
        Record bad = base;
        damage(bad);
        EXPECT_FALSE(IsValidRecord(bad)) << name;
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
