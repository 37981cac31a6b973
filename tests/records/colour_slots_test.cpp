// Every record writer that takes several colours, called with a different
// colour for each argument, thirteen times over with the colours rotated: each
// colour lands in the slot of its argument. (What the recolouring functions
// write and keep is checked on random records in record_kinds_test.)
#include "tests/support/colour_slots.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/box_records.hpp"
#include "records/number_records.hpp"
#include "records/prime_factors.hpp"
#include "records/tableau_records.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace {

using testing::Colours;
using testing::expectColourSlots;

Texts names(std::initializer_list<Color> colours) {
    Texts out;
    for (Color c : colours) out.push_back(rawValue(c));
    return out;
}

TEST(ColourSlots, RecordWriters) {
    using C = const Colours&;
    // clang-format off
    expectColourSlots({
        {[](C c) { return makeRationalRecord(3, -4, c[0], c[1], c[2], c[3]); }, "[-3/4]{$1,$2,$3,$4}"},
        {[](C c) { return makeSignedRationalRecord(3, -4, c[0], c[1], c[2], c[3]); }, "[-3/4]{$1,$2,$3,$4}"},
        {[](C c) { return makeFractionRecord(3, 4, c[0], c[1], "t"); }, "fraction(3, 4){$1,$2}#t"},
        {[](C c) { return makeMixedNumberRecord(2, 1, 3, c[0], c[1], c[2], "t"); }, "mixed_number(2, 1, 3){$1,$2,$3}#t"},
        {[](C c) { return makeExtendedFractionRecord("e", 1, 2, 3, 4, c[0], c[1], "t"); },
         "extended_fraction(e, 1, 2, 3, 4){$1,$2}#t"},
        {[](C c) { return makeCancelBothRecord(6, 8, 3, 4, c[0], c[1], c[2], c[3], c[4], c[5], "t"); },
         "fraction_cancel_numerator_and_denominator(6, 8, 3, 4){$1,$2,$3,$4,$5,$6}#t"},
        {[](C c) { return makeCancelNumeratorRecord(6, 8, 3, c[0], c[1], c[2], c[3], "t"); },
         "fraction_cancel_numerator(6, 8, 3){$1,$2,$3,$4}#t"},
        {[](C c) { return makeCancelDenominatorRecord(6, 8, 4, c[0], c[1], c[2], c[3], "t"); },
         "fraction_cancel_denominator(6, 8, 4){$1,$2,$3,$4}#t"},
        // The chooser: the whole part's colour, the fraction's two, or all three.
        {[](C c) { return makeNumberRecord(5, 0, 3, c[0], c[1], c[2], "t"); }, "whole(5){$1}#t"},
        {[](C c) { return makeNumberRecord(0, 2, 3, c[0], c[1], c[2], "t"); }, "fraction(2, 3){$2,$3}#t"},
        {[](C c) { return makeNumberRecord(1, 2, 3, c[0], c[1], c[2], "t"); }, "mixed_number(1, 2, 3){$1,$2,$3}#t"},
        // Boxes and tableaux keep the caller's colours in the caller's order.
        {[](C c) { return makeBoxGridRecordFromTerms({{1, 1, "x"}, {2, 0, "x"}}, {c[0], c[1], c[2]}, "t"); },
         "box_grid(4){$1,$2,$3}#t"},
        {[](C c) { return makeBoxTableRecord(1, 2, {7, 8}, {c[0], c[1], c[2]}, "t"); },
         "box_table(4, 1, 2){$1,$2,$3}#t"},
        {[](C c) { return makePrimeTreeRecord("t", {{1, c[0], 12, c[1]}, {2, c[2], 6, c[3]}}); },
         "plug_in(prime_tree, 4){$1,$2,$3,$4}#t"},
        {[](C c) {
             return makeLatticeMultiplyRecord("1", "2", {"3"}, names({c[0], c[1]}), {"4"}, names({c[2]}), {"5"},
                                              names({c[3], c[4]}), "t"); },
         "plug_in(lattice_multiply, 9){$1,$2,$3,$4,$5}#t"},
        {[](C c) { return makeGridMultiplyRecord("1", "2", {"3"}, names({c[0], c[1]}), {"4"}, names({c[2]}), "t"); },
         "plug_in(grid_multiply, 7){$1,$2,$3}#t"},
        // Products of prime powers: a power and its join in the factor's colour, the dots black.
        {[](C c) { return makeFactorProductRecord({{2, 3, c[0]}, {3, 1, c[1]}, {5, 2, c[2]}}); },
         "(((2{$1} ^{$1} 3{$1}) ∙ 3{$2}) ∙ (5{$3} ^{$3} 2{$3}))"},
        {[](C c) { return makeAlternatingFactorisationRecord({{2, 1}, {3, 2}, {5, 1}}, c[0], c[1]); },
         "((2{$1} ∙ (3{$2} ^{$2} 2{$2})) ∙ 5{$1})"},
        {[](C c) { return *makeSegmentedMessageRecord({{"a", c[0]}, {"b", c[1]}, {"c", c[2]}}); },
         "((\"a\"{$1} 🖇 \"b\"{$2}) 🖇 \"c\"{$3})"},
        {[](C c) {
             return makeJoinRecord("+", makeIntegerRecord(1, c[0]),
                                   makeUnaryRecord("√", makeIntegerRecord(2, c[1]), c[2]), c[3]); },
         "(1{$1} +{$4} √{$3}(2{$2}))"},
    });
    // clang-format on
}

}  // namespace
}  // namespace radixmender
