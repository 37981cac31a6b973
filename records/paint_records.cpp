#include "records/paint_records.hpp"

#include <initializer_list>
#include <string_view>

#include "records/record_rows.hpp"
#include "records/writers.hpp"

namespace radixmender {

namespace {

// The new colour row of one target kind; slots as `rewriteColourRow` reads them.
struct PaintRule {
    std::string_view kind;
    ColourSlots slots;
};

void paint(Record& record, std::initializer_list<PaintRule> rules, const std::array<Color, 3>& colors,
           const std::string& tag) {
    const PaintRule* found = nullptr;
    const auto row = findRowByWalk(record, [&](std::int64_t i) {
        const std::string& kind = entryAt(rowAt(record, i), 0);
        for (const PaintRule& rule : rules) {
            if (rule.kind == kind && rowValue(record, i + 2) == tag) {
                found = &rule;
                return true;
            }
        }
        return false;
    });
    if (row) rewriteColourRow(record, *row + 1, std::string(found->kind), found->slots, colors);
}

constexpr int kOld1 = keepSlot(1), kOld2 = keepSlot(2), kOld3 = keepSlot(3);

}  // namespace

void paintNumber(Record& record, Color color, const std::string& tag) {
    paint(record, {{"whole", {0}}, {"fraction", {0, 0}}, {"mixed_number", {0, 0, 0}}}, {color}, tag);
}

void paintFractionPart(Record& record, Color color, const std::string& tag) {
    paint(record, {{"fraction", {0, 0}}, {"mixed_number", {kOld1, 0, 0}}}, {color}, tag);
}

void paintCancelResult(Record& record, Color a, Color b, const std::string& tag) {
    paint(record,
          {{"fraction", {0, 1}},
           {"mixed_number", {kOld1, 0, 1}},
           {"fraction_cancel_numerator_and_denominator", {kOld1, kOld2, 0, 1, keepSlot(5), keepSlot(6)}},
           {"fraction_cancel_numerator", {kOld1, 1, 0, keepSlot(4)}},
           {"fraction_cancel_denominator", {0, kOld2, 1, keepSlot(4)}},
           {"extended_fraction", {0, 1}}},
          {a, b}, tag);
}

void paintMixedNumber(Record& record, Color whole, Color numerator, Color denominator,
                      const std::string& tag) {
    paint(record, {{"mixed_number", {0, 1, 2}}}, {whole, numerator, denominator}, tag);
}

void paintWholePart(Record& record, Color color, const std::string& tag) {
    paint(record, {{"whole", {0}}, {"mixed_number", {0, kOld2, kOld3}}}, {color}, tag);
}

void paintNumerator(Record& record, Color color, const std::string& tag) {
    paint(record, {{"mixed_number", {kOld1, 0, kOld3}}, {"fraction", {0, kOld2}}}, {color}, tag);
}

void paintDenominator(Record& record, Color color, const std::string& tag) {
    paint(record, {{"mixed_number", {kOld1, kOld2, 0}}, {"fraction", {kOld1, 0}}}, {color}, tag);
}

}  // namespace radixmender
