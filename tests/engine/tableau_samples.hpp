#pragma once
// One worked record of every kind the engine draws beyond the radical
// steps: the fraction family, blocks and boxes, a prime tree, and the
// operation tableaux worked on six-digit numbers. Shared by the engine tests
// and the benchmarks.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "records/box_records.hpp"
#include "records/font_block_records.hpp"
#include "records/number_records.hpp"
#include "records/prime_factors.hpp"
#include "records/tableau_records.hpp"
#include "records/writers.hpp"

namespace radixmender::testing {

struct Sample {
    std::string name;
    Record record;
};

// The characters of a text, one entry each.
inline Texts each(const std::string& characters) {
    Texts out;
    for (const char c : characters) out.emplace_back(1, c);
    return out;
}

// A number's digits right-aligned in `columns` cells, empty cells before.
inline Texts cellsOf(const std::string& digits, std::size_t columns) {
    Texts cells(columns - digits.size(), "");
    for (const std::string& c : each(digits)) cells.push_back(c);
    return cells;
}

// Text colours then backgrounds: `colour` for every cell, clear backgrounds
// but light gray where `shades` has an "L".
inline Texts coloursOf(const std::string& colour, const std::string& shades) {
    Texts out(shades.size(), colour);
    for (const char c : shades) out.push_back(c == 'L' ? "light gray" : "clear");
    return out;
}

// Each row a number right-aligned in the columns, the first `carries` rows
// carries (blank where there is none; shaded light gray in an addition,
// struck through in a product), "NNN" over empty cells; the units of the
// first operand are shaded gray.
inline Record tableauOp(const std::string& sign, const std::vector<std::string>& rows, std::size_t columns,
                        std::size_t carries, bool sum, const std::string& shortForm) {
    TextTable cells, attributes;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        cells.push_back(cellsOf(rows[r], columns));
        Texts& a = attributes.emplace_back();
        for (const std::string& c : cells.back())
            a.push_back(c.empty() || c == " " ? "NNN" : r >= carries ? "YNN" : sign == "+" ? "YNR" : "YYN");
    }
    attributes[carries].back() = "YNG";
    const std::string n = std::to_string(rows.size());
    return makeTableauOpRecord("t", sign, cells, attributes,
                               {n, std::to_string(columns), std::to_string(carries), shortForm},
                               {n, sum ? "true" : "false"});
}

inline std::vector<Sample> fractionAndBoxSamples() {
    const Record mixed = makeMixedNumberRecord(3, 1, 4, Color::black, Color::black, Color::black, "t");
    const Record half = makeFractionRecord(5, 8, Color::blue, Color::blue, "t");
    const std::vector<BoxGridTerm> terms = {{0, 0, "x"},  {2, 1, "x"},   {3, 0, "x"},
                                            {1, 1, "x"},  {2, 2, "x"},   {3, 1, "x"},
                                            {-5, 0, "x"}, {-10, 1, "x"}, {-15, 0, "x"}};
    return {
        {"whole", makeWholeRecord(-1234, Color::black, "t")},
        {"fraction", makeFractionRecord(-3, 14, Color::red, Color::black, "t")},
        {"mixed_number", mixed},
        {"extended_fraction", makeExtendedFractionRecord("×", -2, 5, 3, 7, Color::black, Color::black, "t")},
        {"cancel_both", makeCancelBothRecord(12, 18, 2, 3, Color::black, Color::black, Color::red, Color::red,
                                             Color::red, Color::red, "t")},
        {"cancel_numerator",
         makeCancelNumeratorRecord(-6, 35, 3, Color::black, Color::black, Color::red, Color::red, "t")},
        {"cancel_denominator",
         makeCancelDenominatorRecord(7, 21, 3, Color::black, Color::black, Color::red, Color::red, "t")},
        {"block", makeBlockRecord(makeJoinRecord(
                      "=", makeJoinRecord("+", mixed, half),
                      makeMixedNumberRecord(3, 7, 8, Color::black, Color::black, Color::black, "t")))},
        {"box_grid", makeBoxGridRecordFromTerms(terms, std::vector<Color>(9, Color::black), "t")},
        {"box_table", makeBoxTableRecord(3, 4, {1, 2, 3, 4, 10, 20, 30, 40, 100, 200, 300, 4000},
                                         std::vector<Color>(12, Color::blue), "t")},
        {"prime_tree", makePrimeTreeRecord("t", primeTreeRows(180180, *primeFactorList(180180), true))},
    };
}

// The eight operation tableaux, each on six-digit numbers (the benchmarks
// take them by their index).
inline std::vector<Sample> tableauSamples() {
    // Long division of 987654 by 7, its solution shown: the grid of quotient,
    // dividend and stages, the current stage light gray, a rule under each product.
    const Texts division{"B141093", "7987654", "B7",     "B28",    "B28",     "BB07",    "BBB7",
                         "BBB06",   "BBBB0",   "BBBB65", "BBBB63", "BBBBB24", "BBBBB21", "BBBBBB3"};
    Texts codes;
    for (const std::string& r : division) codes.push_back(std::string(r.size(), 'N'));
    codes[12] = "NLLLLLL";
    const Texts rules{"0", "3", "1", "3", "0", "5",  "2", "5",  "2", "7",  "3", "7",
                      "3", "9", "4", "9", "3", "11", "5", "11", "4", "13", "6", "13"};
    // 123456 × 789 = 097406784: three rows by six columns, the tens of the
    // digits' products in the upper triangles, the units in the lower ones.
    Texts partialColours = coloursOf("black", "L......L......L...");
    for (const std::string& c : coloursOf("black", "...L......L......L")) partialColours.push_back(c);

    // 345678 + 123456 counted up a place value at a time.
    TextTable counting;
    for (std::int64_t at = 345678, jump = 100000, digit = 1; jump > 0; jump /= 10, ++digit)
        counting.push_back(
            {std::to_string(at), std::to_string(digit * jump), std::to_string(at += digit * jump)});
    return {
        {"lattice_multiply",
         makeLatticeMultiplyRecord("3", "6", each("123456789"), coloursOf("black", "........."),
                                   each("097406784"), coloursOf("red", "....L...."),
                                   each("012234012344012345741852864208987654"), partialColours, "t")},
        {"grid_multiply",
         makeGridMultiplyRecord("2", "6", {"100000", "20000", "3000", "400", "50", "6", "70", "8"},
                                coloursOf("blue", "........"),
                                {"7000000", "1400000", "210000", "28000", "3500", "420", "800000", "160000",
                                 "24000", "3200", "400", "48"},
                                coloursOf("black", "...L........"), "t")},
        {"tableau_op_add", tableauOp("+", {"   111 ", "345678", "123459", "469137"}, 7, 1, false, "false")},
        {"tableau_op_multiply",
         tableauOp("×", {" 12344 ", "123456", "78", "987648", "8641920", "9629568"}, 7, 1, true, "false")},
        {"add_column",
         makeAddColumnRecord(
             "t", "+", 4,
             {cellsOf("345678", 7),
              cellsOf("123459", 7),
              {"", "4", "6", "8", "10", "12", "17"},
              cellsOf("469137", 7)},
             {Texts(7, "YN"), Texts(7, "YN"), {"NN", "YN", "YN", "YN", "YN", "YG", "YR"}, Texts(7, "YN")})},
        {"divide_op", makeDivideOpRecord("t", "÷", division, codes, rules, {"987654", "7", "B141093", "3"},
                                         {"SOLUTION", "6"})},
        {"divide_partial_op",
         makeDividePartialOpRecord(
             "t", "÷",
             {"987654", "700000", "287654", "280000", "7654", "7000", "654", "630", "24", "21", "3"},
             {"987654", "7", "141093", "3"}, {"SOLUTION", "5"}, {"100000", "40000", "1000", "90", "3"})},
        {"count_op", makeCountOpRecord("t", "count", counting, {"COUNT UP", "6", "6", "123456"},
                                       {"COUNT", "6"}, {"100000", "20000", "3000", "400", "50", "6"})},
    };
}

// The kinds beyond the lines: the fraction family, boxes and tableaux.
inline std::vector<Sample> allSamples() {
    std::vector<Sample> all = fractionAndBoxSamples(), more = tableauSamples();
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

}  // namespace radixmender::testing
