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

// A number's digits right-aligned in `columns` cells, empty cells before.
inline Texts cellsOf(const std::string& digits, std::size_t columns) {
    Texts cells(columns - digits.size(), "");
    for (const char c : digits) cells.emplace_back(1, c);
    return cells;
}

// Each row a number right-aligned in the columns (the first `carries` rows
// carries, blank where there is none, struck through once used in a
// product), "NNN" over empty
// cells; the units of the first operand are shaded.
inline Record tableauOp(const std::string& sign, const std::vector<std::string>& rows, std::size_t columns,
                        std::size_t carries, bool sum, const std::string& shortForm) {
    TextTable cells, attributes;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        cells.push_back(cellsOf(rows[r], columns));
        Texts& a = attributes.emplace_back();
        for (const std::string& c : cells.back())
            a.push_back(c.empty() || c == " " ? "NNN" : r >= carries ? "YNN" : sign == "+" ? "YNN" : "YYN");
    }
    attributes[carries].back() = "YNG";
    const std::string n = std::to_string(rows.size());
    return makeTableauOpRecord("t", sign, cells, attributes,
                               {n, std::to_string(columns), std::to_string(carries), shortForm},
                               {n, sum ? "true" : "false"});
}

// Long division of a six-digit dividend: the grid of quotient, dividend and
// stages, one subtraction mark per stage, the current stage light gray.
inline Record longDivision(std::int64_t dividend, std::int64_t divisor, const std::string& phase) {
    const std::string d = std::to_string(dividend), v = std::to_string(divisor);
    const std::string pad(v.size(), 'B');
    std::string quotient = pad;
    Texts grid{"", v + d}, lines;
    std::int64_t current = 0;
    for (std::size_t j = 0; j < d.size(); ++j) {
        current = current * 10 + (d[j] - '0');
        const std::int64_t q = current / divisor;
        if (quotient.size() == pad.size() && q == 0) {
            quotient += 'B';
            continue;
        }
        quotient += static_cast<char>('0' + q);
        const std::string product = std::to_string(q * divisor);
        current -= q * divisor;
        const std::string rest = std::to_string(current) + (j + 1 < d.size() ? d.substr(j + 1, 1) : "");
        const std::size_t end = j + 1 + (j + 1 < d.size() ? 1 : 0);
        grid.push_back(pad + std::string(j + 1 - product.size(), 'B') + product);
        grid.push_back(pad + std::string(end - rest.size(), 'B') + rest);
        const std::string row = std::to_string(grid.size() - 1);  // the rule goes under the product
        lines.insert(lines.end(), {std::to_string(j + 1 - product.size()), row, std::to_string(j + 1), row});
    }
    grid[0] = quotient;
    Texts codes;
    for (const std::string& r : grid) codes.push_back(std::string(r.size(), 'N'));
    codes[grid.size() - 2].replace(pad.size(), std::string::npos,
                                   std::string(codes[grid.size() - 2].size() - pad.size(), 'L'));
    return makeDivideOpRecord("t", "÷", grid, codes, lines, {d, v, quotient, std::to_string(current)},
                              {phase, std::to_string((grid.size() - 2) / 2)});
}

inline std::vector<Sample> fractionAndBoxSamples() {
    const Record mixed = makeMixedNumberRecord(3, 1, 4, Color::black, Color::black, Color::black, "t");
    const Record half = makeFractionRecord(5, 8, Color::blue, Color::blue, "t");
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
        {"box_grid", makeBoxGridRecordFromTerms({{0, 0, "x"},
                                                 {2, 1, "x"},
                                                 {3, 0, "x"},
                                                 {1, 1, "x"},
                                                 {2, 2, "x"},
                                                 {3, 1, "x"},
                                                 {-5, 0, "x"},
                                                 {-10, 1, "x"},
                                                 {-15, 0, "x"}},
                                                std::vector<Color>(9, Color::black), "t")},
        {"box_table", makeBoxTableRecord(3, 4, {1, 2, 3, 4, 10, 20, 30, 40, 100, 200, 300, 4000},
                                         std::vector<Color>(12, Color::blue), "t")},
        {"prime_tree", makePrimeTreeRecord("t", primeTreeRows(180180, *primeFactorList(180180), true))},
    };
}

// The seven operation tableaux, each on six-digit numbers.
inline std::vector<Sample> tableauSamples() {
    // 123456 × 789 = 097406784: three rows by six columns.
    const std::string a = "123456", b = "789", product = "097406784";
    Texts partials(36), partialColours;
    for (std::size_t r = 0; r < 3; ++r)
        for (std::size_t c = 0; c < 6; ++c) {
            const int p = (a[c] - '0') * (b[r] - '0');
            partials[r * 6 + c] = std::to_string(p / 10);
            partials[18 + r * 6 + c] = std::to_string(p % 10);
        }
    for (const bool upper : {true, false}) {  // text colours, then backgrounds, of each triangle
        partialColours.insert(partialColours.end(), 18, "black");
        for (std::size_t i = 0; i < 18; ++i)
            partialColours.push_back(i % 7 == (upper ? 0 : 3) ? "light gray" : "clear");
    }
    Texts factors, factorColours(9, "black"), products, productColours(9, "red");
    for (const char c : a + b) factors.emplace_back(1, c);
    for (const char c : product) products.emplace_back(1, c);
    factorColours.insert(factorColours.end(), 9, "clear");
    productColours.insert(productColours.end(), 9, "clear");
    productColours[9 + 4] = "light gray";

    Texts gridCells, gridColours;
    const Texts tops{"100000", "20000", "3000", "400", "50", "6"}, sides{"70", "8"};
    for (const std::string& s : sides)
        for (const std::string& t : tops) gridCells.push_back(std::to_string(std::stoll(s) * std::stoll(t)));
    gridColours.assign(12, "black");
    for (std::size_t i = 0; i < 12; ++i) gridColours.push_back(i == 3 ? "light gray" : "clear");
    Texts labels = tops;
    labels.insert(labels.end(), sides.begin(), sides.end());
    Texts labelColours(8, "blue");
    labelColours.insert(labelColours.end(), 8, "clear");

    return {
        {"lattice_multiply", makeLatticeMultiplyRecord("3", "6", factors, factorColours, products,
                                                       productColours, partials, partialColours, "t")},
        {"grid_multiply",
         makeGridMultiplyRecord("2", "6", labels, labelColours, gridCells, gridColours, "t")},
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
        {"divide_op", longDivision(987654, 7, "SOLUTION")},
        {"divide_partial_op",
         makeDividePartialOpRecord(
             "t", "÷",
             {"987654", "700000", "287654", "280000", "7654", "7000", "654", "630", "24", "21", "3"},
             {"987654", "7", "141093", "3"}, {"SOLUTION", "5"}, {"100000", "40000", "1000", "90", "3"})},
        {"count_op", makeCountOpRecord("t", "count",
                                       {{"345678", "100000", "445678"},
                                        {"445678", "20000", "465678"},
                                        {"465678", "3000", "468678"},
                                        {"468678", "400", "469078"},
                                        {"469078", "50", "469128"},
                                        {"469128", "6", "469134"}},
                                       {"COUNT UP", "6", "6", "123456"}, {"COUNT", "6"},
                                       {"100000", "20000", "3000", "400", "50", "6"})},
    };
}

}  // namespace radixmender::testing
