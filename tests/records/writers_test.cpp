// Exact rows where a rule, not the layout alone, decides them (signs and
// reduction of rationals, number kinds, boxes, each tableau's parts in order),
// what the writers refuse, and damage the record checker must reject. Random
// records of every kind are checked against their trees in record_kinds_test.
#include "records/writers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "records/box_records.hpp"
#include "records/font_block_records.hpp"
#include "records/literals.hpp"
#include "records/number_records.hpp"
#include "records/prime_factors.hpp"
#include "records/tableau_records.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Rows written as "start 1|integer 7"; "~" in a cell stands for a blank, and
// a row's first word "_part" for the kind of row 1 (a tableau's layout) with "_part".
Record rows(const std::string& text) {
    Record out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line, '|');) {
        std::istringstream cells(line);
        out.emplace_back();
        for (std::string cell; cells >> cell;) {
            std::replace(cell.begin(), cell.end(), '~', ' ');
            if (out.back().empty() && cell.starts_with('_')) cell = out[1][out[1][0] == "plug_in"] + cell;
            out.back().push_back(cell);
        }
    }
    return out;
}

// Each record as its rows ("start ...") or as the checker describes it.
TEST(Writers, ExactRows) {
    const Record seven = makeIntegerRecord(7);
    using enum Color;
    // clang-format off
    const std::vector<std::pair<Record, std::string>> cases = {
        // A rational keeps the sign on its numerator, a signed rational as an
        // entry of its own; reduced, it is an integer when the denominator divides.
        {makeRationalRecord(3, -4), "[-3/4]"},
        {makeRationalRecord(5, 0), "[-5/0]"},
        {makeSignedRationalRecord(-6, -4), "[+6/4]"},
        {makeSignedRationalRecord(0, -5), "[+0/5]"},
        {makeReducedRationalRecord(-6, -4, true), "[+3/2]"},
        {makeReducedRationalRecord(-6, -4, false), "[+6/4]"},
        {makeReducedRationalRecord(3, -4, true), "[-3/4]"},
        {makeReducedRationalRecord(6, -3, true), "-2"},
        {makeFractionRecord(3, -4, red, blue, "t"), "fraction(-3, 4){red,blue}#t"},
        {makeFractionRecord(3, 0, black, black, "t"), "fraction(3, 0)#t"},
        {makeMixedNumberRecord(2, 1, -3, red, blue, green, "t"), "mixed_number(2, -1, 3){red,blue,green}#t"},
        {makeCancelBothRecord(6, -8, 3, -4, red, blue, green, gray, cyan, brown, "t"),
         "fraction_cancel_numerator_and_denominator(6, -8, 3, -4){red,blue,green,gray,cyan,brown}#t"},
        {makeCancelNumeratorRecord(-6, 8, 3, red, blue, green, gray, "t"),
         "fraction_cancel_numerator(-6, 8, 3){red,blue,green,gray}#t"},
        {makeExtendedFractionRecord("x y", -1, 2, 3, 4, red, blue, "t"),
         "extended_fraction(x y, -1, 2, 3, 4){red,blue}#t"},
        {makeNumberRecord(5, 0, 7, red, blue, green, "t"), "whole(5){red}#t"},
        {makeNumberRecord(1, 1, 0, red, blue, green, "t"), "whole(1){red}#t"},
        {makeNumberRecord(0, 2, 3, red, blue, green, "t"), "fraction(2, 3){blue,green}#t"},
        {makeNumberRecord(1, 2, -3, red, blue, green, "t"), "mixed_number(1, -2, 3){red,blue,green}#t"},
        {makeFontRecord(Font::monospaced_system, makeFontRecord(Font::system, seven, "i"), "o"),
         "font(monospaced system)#o(font(system)#i(7))"},
        {makeSpacedUnaryRecord(text::kRadical, seven, red, "t"), "√ {red}#t(7)"},
        {makeBoxTableRecord(2, 3, {1, 2, 3, 4, 5, -6}, {red}, "t"),
         "start 1|box_table 4 2 3|_entries 1 2 3 4 5 -6|_colors red|_tag t"},
        {makeBoxTableRecord(2, 3, {1, 2, 3, 4, 5}, {}, "t"), "\"system error in table\""},
        {makeBoxTableRecord(0, 0, {}, {}, "t"), "\"system error in table\""},
        {makeBoxGridRecordFromTerms({{1, 1, "x"}, {-5, 0, "x"}}, {}, "t"),
         "start 1|box_grid 4|_terms x -5|_colors|_tag t"},
        {makePrimeTreeRecord("t", {}), "start 1|plug_in prime_tree 4|_pairs|_colors|_tag t"},
        {makePrimeTreeRecord("t", primeTreeRows(12, *primeFactorList(12), true)),
         "start 1|plug_in prime_tree 4|_pairs 1 12 2 6 2 3|_colors clear black red black red blue|_tag t"},
        {makeCountOpRecord("t", "m", {{"1", "2"}, {"3"}}, {"g"}, {"l"}, {"c"}),
         "start 1|plug_in count_op 7|count_op m|_tableau 1 2 3|_count_ups c|_globals g|_locals l|_tag t"},
        {makeAddColumnRecord("t", "m", 2, {{"1", "2", "3", "4"}, {"5"}, {}}, {{"a"}, {"b"}}),
         "start 1|plug_in add_column 5|add_column m 2 3 4|_tableau 1 2 3 4 5|_attributes a b|_tag t"},
        {makeDivideOpRecord("t", "m", {"1"}, {"b"}, {"-"}, {"g"}, {"l"}),
         "start 1|plug_in divide_op 8|divide_op m|_tableau 1|_background_tableau b|_lines -|_globals g|"
         "_locals l|_tag t"},
        {makeDividePartialOpRecord("t", "m", {"1"}, {"g"}, {"l"}, {"p"}),
         "start 1|plug_in divide_partial_op 7|divide_partial_op m|_tableau 1|_partials p|_globals g|"
         "_locals l|_tag t"},
        {makeTableauOpRecord("t", "m", {{"1"}, {"2"}}, {{"a"}}, {"g"}, {"l"}),
         "start 1|plug_in tableau_op 7|tableau_op m|_tableau 1 2|_attributes a|_globals g|_locals l|_tag t"},
        {makeLatticeMultiplyRecord("2", "1", {"f"}, {"red"}, {"p"}, {"blue"}, {"q"}, {"gray"}, "t"),
         "start 1|plug_in lattice_multiply 9|lattice_multiply 2 1|_factors f|_factor_colors red|_products p|"
         "_product_colors blue|_partials q|_partial_colors gray|_tag t"},
        {makeGridMultiplyRecord("1", "3", {"f"}, {"red"}, {"q"}, {"gray"}, "t"),
         "start 1|plug_in grid_multiply 7|grid_multiply 1 3|_factors f|_factor_colors red|_partials q|"
         "_partial_colors gray|_tag t"},
    };
    // clang-format on
    for (const auto& [record, expected] : cases) {
        if (expected.starts_with("start "))
            EXPECT_EQ(record, rows(expected));
        else
            EXPECT_EQ(testing::describeRecord(record), expected);
    }
    EXPECT_EQ(makeSpacedUnaryRecord("=", seven, clear, "t"), makeEqualsRecord(seven, clear, "t"));
    EXPECT_EQ(makeBlankRecords(kMin), std::vector<Record>{rows("start 1|BLANK")});
    EXPECT_EQ(makeBlankRecords(3), std::vector<Record>(3, rows("start 1|BLANK")));
}

// The smallest integer has no negation or magnitude, a zero denominator no
// remainder: the writers throw rather than wrap or crash.
TEST(Writers, RefuseWhatTheyCannotWrite) {
    EXPECT_THROW(makeRationalRecord(kMin, -1), std::overflow_error);
    EXPECT_THROW(makeRationalRecord(1, kMin), std::overflow_error);
    EXPECT_THROW(makeSignedRationalRecord(kMin, 1), std::overflow_error);
    EXPECT_THROW(makeSignedRationalRecord(-1, kMin), std::overflow_error);
    EXPECT_THROW(makeReducedRationalRecord(kMin, 3, true), std::overflow_error);
    EXPECT_THROW(makeReducedRationalRecord(kMin, -1, true), std::overflow_error);
    for (bool reduce : {true, false})
        EXPECT_THROW(makeReducedRationalRecord(5, 0, reduce), std::domain_error);
    EXPECT_THROW(makeFractionRecord(kMin, -1, Color::red, Color::red, "t"), std::overflow_error);
    EXPECT_THROW(makeAddColumnRecord("t", "m", 2, {}, {}), std::out_of_range);
    EXPECT_THROW(makeBoxTableRecord(1ULL << 32, 1ULL << 32, {1}, {}, "t"), std::overflow_error);
    // Operands must have a readable start.
    const Record good = makeIntegerRecord(1);
    for (const Record& bad : {Record{}, Record{{"start"}}, rows("start one|BLANK"), rows("start ~1|BLANK")}) {
        EXPECT_ANY_THROW(makeUnaryRecord(text::kRadical, bad)) << bad.size();
        EXPECT_ANY_THROW(makeJoinRecord("+", bad, good)) << bad.size();
        EXPECT_ANY_THROW(makeJoinRecord("+", good, bad)) << bad.size();
    }
    EXPECT_THROW(makeUnaryRecord(text::kRadical, Record{}), std::out_of_range);
    EXPECT_THROW(makeUnaryRecord(text::kRadical, Record{{"start", "x"}}), std::invalid_argument);
}

// Their nesting to the left is built by the random records.
TEST(Writers, JoinedAndSegmentedRecordsSkipWhatIsEmpty) {
    EXPECT_FALSE(joinRecords({Record{}, Record{Row{}}, Record{Row{}, Row{}}}).has_value());
    // A kept record is taken whole, even one this format would not accept.
    EXPECT_EQ(joinRecords({Record{Row{}}, rows("start 1|anything")}), rows("start 1|anything"));
    EXPECT_FALSE(makeSegmentedMessageRecord({{"", Color::red}}).has_value());
    const auto three = makeSegmentedMessageRecord(
        {{"1", Color::red}, {"", Color::blue}, {"2", Color::black}, {"3", Color::green}});
    EXPECT_EQ(testing::describeRecord(three.value()), "((\"1\"{red} 🖇 \"2\") 🖇 \"3\"{green})");
}

// Locator rows keep their keyword and indices only; checked reading throws
// rather than read past a malformed record.
TEST(Writers, ShiftLocatorsAndCheckedReaders) {
    const Record before =
                     rows("join_locator 1 4 extra|unary_locator 4 9|block +1|font_locator 2|unary_color 2"),
                 after = rows("join_locator 4 7|unary_locator 7|block 4|font_locator 5|unary_color 2");
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(shiftLocators(before[i], 3), after[i]) << i;
    EXPECT_THROW(shiftLocators({"join_locator", "1"}, 1), std::out_of_range);
    EXPECT_THROW(shiftLocators({"unary_locator", "9223372036854775807"}, 1), std::overflow_error);
    const Record r = makeIntegerRecord(42);
    EXPECT_THROW(rowAt(r, 4), std::out_of_range);
    EXPECT_THROW(rowAt(r, -1), std::out_of_range);
    EXPECT_THROW(entryAt(rowAt(r, 1), 2), std::out_of_range);
    EXPECT_THROW(integerEntry(rowAt(r, 2), 1), std::invalid_argument);
}

// The checker other test programs rely on refuses each kind of damage.
TEST(RecordCheck, RejectsDamage) {
    // 3/(2√5), twenty-two rows.
    const Record line = makeJoinRecord(text::kSlash, makeIntegerRecord(3),
                                       makeJoinRecord(text::kPaperclip, makeIntegerRecord(2),
                                                      makeUnaryRecord(text::kRadical, makeIntegerRecord(5)))),
                 half = makeRationalRecord(1, 2),
                 font = makeFontRecord(Font::system, makeIntegerRecord(7), "anon"),
                 block = makeBlockRecord(makeIntegerRecord(7)),
                 table = makeBoxTableRecord(1, 2, {1, 2}, {Color::red}, "t"),
                 tree = makePrimeTreeRecord("t", {{1, Color::clear, 6, Color::black}}),
                 lattice = makeLatticeMultiplyRecord("1", "1", {"2"}, {"red"}, {"3"}, {}, {}, {}, "t");
    const std::vector<std::tuple<const char*, Record, std::function<void(Record&)>>> cases = {
        {"no rows", line, [](Record& r) { r.clear(); }},
        {"locator at a later row", line, [](Record& r) { r[11][1] = "14"; }},
        {"unknown colour", line, [](Record& r) { r[2][1] = "light_gray"; }},
        {"stray row between operands, every locator right", makeJoinRecord("+", half, half),
         [](Record& r) {
             r.insert(r.begin() + 4, {"integer", "9"}), r[0][1] = "8", r[9][2] = "5";
         }},
        {"font with the engine's name", font, [](Record& r) { r[4][1] = "monospaced digit system"; }},
        {"block at itself", block, [](Record& r) { r[4][1] = "4"; }},
        {"box entries short of rows × columns", table, [](Record& r) { r[2].pop_back(); }},
        {"tableau count", tree, [](Record& r) { r[1][2] = "5"; }},
        {"lattice rows swapped", lattice, [](Record& r) { std::swap(r[4], r[5]); }},
    };
    for (const auto& [name, base, damage] : cases) {
        EXPECT_FALSE(testing::validateRecord(base).has_value()) << name;
        Record bad = base;
        damage(bad);
        EXPECT_TRUE(testing::validateRecord(bad).has_value()) << name;
        EXPECT_THROW(testing::decodeRecord(bad), std::invalid_argument) << name;
    }
}

}  // namespace
}  // namespace radixmender
