// Every record writer and recolouring function that takes several colours,
// called with a different colour for each argument, thirteen times over with
// the colours rotated: each colour lands in the slot of its argument, and the
// slots a recolouring keeps keep their old colours.
#include "tests/support/colour_slots.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "records/box_records.hpp"
#include "records/lookup.hpp"
#include "records/number_records.hpp"
#include "records/paint_records.hpp"
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

// The same item painted: old slots in $1, $2, ..., the new colours from $7 on.
TEST(ColourSlots, Recolouring) {
    using C = const Colours&;
    using Paint = std::function<void(Record&, C)>;
    const auto painted = [](std::function<Record(C)> write, Paint paint) {
        return [=](C c) {
            Record r = write(c);
            paint(r, c);
            return r;
        };
    };
    const auto whole = [](C c) { return makeWholeRecord(5, c[0], "t"); };
    const auto fraction = [](C c) { return makeFractionRecord(3, 4, c[0], c[1], "t"); };
    const auto mixed = [](C c) { return makeMixedNumberRecord(2, 3, 4, c[0], c[1], c[2], "t"); };
    const auto cancelBoth = [](C c) {
        return makeCancelBothRecord(6, 8, 3, 4, c[0], c[1], c[2], c[3], c[4], c[5], "t");
    };
    const auto cancelNumerator = [](C c) {
        return makeCancelNumeratorRecord(6, 8, 3, c[0], c[1], c[2], c[3], "t");
    };
    const auto cancelDenominator = [](C c) {
        return makeCancelDenominatorRecord(6, 8, 4, c[0], c[1], c[2], c[3], "t");
    };
    const auto extended = [](C c) { return makeExtendedFractionRecord("e", 1, 2, 3, 4, c[0], c[1], "t"); };
    // "a" + ("b"), every item tagged.
    const auto expression = [](C c) {
        return makeJoinRecord("+", makeMessageRecord("a", c[0], "t"),
                              makeUnaryRecord("()", makeMessageRecord("b", c[1], "t"), c[2], "t"), c[3], "t");
    };
    const auto lattice = [](C c) {
        return makeLatticeMultiplyRecord("1", "2", {"3"}, names({c[0], c[1]}), {"4"}, names({c[2]}), {"5"},
                                         names({c[3], c[4]}), "t");
    };
    const auto grid = [](C c) {
        return makeGridMultiplyRecord("1", "2", {"3"}, names({c[0], c[1]}), {"4"}, names({c[2]}), "t");
    };
    const Paint number = [](Record& r, C c) { paintNumber(r, c[6], "t"); };
    const Paint part = [](Record& r, C c) { paintFractionPart(r, c[6], "t"); };
    const Paint cancel = [](Record& r, C c) { paintCancelResult(r, c[6], c[7], "t"); };
    const Paint wholePart = [](Record& r, C c) { paintWholePart(r, c[6], "t"); };
    const Paint numerator = [](Record& r, C c) { paintNumerator(r, c[6], "t"); };
    const Paint denominator = [](Record& r, C c) { paintDenominator(r, c[6], "t"); };
    const Paint both = [](Record& r, C c) { r = recolorFraction(r, c[6], "t"); };
    const Paint last = [](Record& r, C c) { r = recolorFractionParts(r, c[6], "t"); };
    // clang-format off
    expectColourSlots({
        {painted(whole, number), "whole(5){$7}#t"},
        {painted(fraction, number), "fraction(3, 4){$7,$7}#t"},
        {painted(mixed, number), "mixed_number(2, 3, 4){$7,$7,$7}#t"},
        {painted(fraction, part), "fraction(3, 4){$7,$7}#t"},
        {painted(mixed, part), "mixed_number(2, 3, 4){$1,$7,$7}#t"},
        {painted(fraction, cancel), "fraction(3, 4){$7,$8}#t"},
        {painted(mixed, cancel), "mixed_number(2, 3, 4){$1,$7,$8}#t"},
        {painted(cancelBoth, cancel),
         "fraction_cancel_numerator_and_denominator(6, 8, 3, 4){$1,$2,$7,$8,$5,$6}#t"},
        {painted(cancelNumerator, cancel),
         "fraction_cancel_numerator(6, 8, 3){$1,$8,$7,$4}#t"},
        {painted(cancelDenominator, cancel),
         "fraction_cancel_denominator(6, 8, 4){$7,$2,$8,$4}#t"},
        {painted(extended, cancel),
         "extended_fraction(e, 1, 2, 3, 4){$7,$8}#t"},
        {painted(mixed, [](Record& r, C c) { paintMixedNumber(r, c[6], c[7], c[8], "t"); }),
         "mixed_number(2, 3, 4){$7,$8,$9}#t"},
        {painted(whole, wholePart), "whole(5){$7}#t"},
        {painted(mixed, wholePart), "mixed_number(2, 3, 4){$7,$2,$3}#t"},
        {painted(fraction, numerator), "fraction(3, 4){$7,$2}#t"},
        {painted(mixed, numerator), "mixed_number(2, 3, 4){$1,$7,$3}#t"},
        {painted(fraction, denominator), "fraction(3, 4){$1,$7}#t"},
        {painted(mixed, denominator), "mixed_number(2, 3, 4){$1,$2,$7}#t"},
        {painted(fraction, both), "fraction(3, 4){$7,$7}#t"},
        {painted(mixed, both), "mixed_number(2, 3, 4){$1,$7,$7}#t"},
        {painted(fraction, last), "fraction(3, 4){$1,$7}#t"},
        {painted(mixed, last), "mixed_number(2, 3, 4){$1,$2,$7}#t"},
        // The setters: the first item of their kind with the tag, nothing else.
        {painted(expression, [](Record& r, C c) {
             setMessageColor(r, c[6], "t"), setUnaryColor(r, c[7], "t"), setJoinColor(r, c[8], "t"); }),
         "(\"a\"{$7}#t +{$9}#t (){$8}#t(\"b\"{$2}#t))"},
        // The updaters: each list into its own row, the factors and products kept.
        {painted(lattice, [](Record& r, C c) {
             updateLatticeMultiply(r, {"6"}, names({c[6]}), names({c[7], c[8]}), names({c[9]}), "t"); }),
         "plug_in(lattice_multiply, 9){$7,$8,$9,$10}#t"},
        {painted(grid, [](Record& r, C c) { updateGridMultiply(r, names({c[6]}), names({c[7], c[8]}), "t"); }),
         "plug_in(grid_multiply, 7){$7,$8,$9}#t"},
    });
    // clang-format on
}

}  // namespace
}  // namespace radixmender
