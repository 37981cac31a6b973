#include "records/lookup.hpp"

#include <array>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "records/record_rows.hpp"
#include "records/writers.hpp"

namespace radixmender {

namespace {

// How the search and the recolouring see one kind, by offsets from its kind row.
struct KindRows {
    std::string_view kind;
    int tagRow;     // 0: not searched by its tag
    int colourRow;  // 0: no colour row of its own
    int slots;      // colour slots; -1: as many as the row holds
    int operands;   // in a locator row right after the kind row
};

constexpr std::array<KindRows, 18> kKinds = {{
    {"message", 2, 1, 1, 0},
    {"integer", 2, 1, 1, 0},
    {"whole", 2, 1, 1, 0},
    {"rational", 2, 1, 4, 0},
    {"signed_rational", 2, 1, 4, 0},
    {"fraction", 2, 1, 2, 0},
    {"mixed_number", 2, 1, 3, 0},
    {"extended_fraction", 0, 1, 2, 0},
    {"fraction_cancel_numerator_and_denominator", 0, 1, 6, 0},
    {"fraction_cancel_numerator", 0, 1, 4, 0},
    {"fraction_cancel_denominator", 0, 1, 4, 0},
    {"unary", 3, 2, 1, 1},
    {"join", 3, 2, 1, 2},
    {"font", 2, 0, 0, 1},
    {"box_grid", 3, 2, -1, 0},
    {"box_table", 3, 2, -1, 0},
    // Not items of their own here: each names the row of the item it holds.
    {"start", 0, 0, 0, 0},
    {"block", 0, 0, 0, 0},
}};

const KindRows* kindRowsOf(std::string_view kind) {
    for (const KindRows& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

bool isRecord(const Record& record) {
    return !record.empty() && !record[0].empty() && record[0][0] == "start";
}

// Visits the item at `from` and then the items inside it, depth first,
// pushing a join's left operand before its right one. `visit` answers whether
// to stop; a block is entered only when `enterBlocks`. A well-formed record is
// a tree, so no row is visited twice; locators that loop or share an operand
// exceed that and throw.
std::optional<std::int64_t> walkItems(const Record& record, std::int64_t from, bool enterBlocks,
                                      const std::function<bool(std::int64_t, const KindRows*)>& visit) {
    std::vector<std::int64_t> stack{from};
    std::size_t visits = 0;
    while (!stack.empty()) {
        if (++visits > record.size())
            throw std::invalid_argument("the locators of the record do not form a tree");
        const std::int64_t i = stack.back();
        stack.pop_back();
        const std::string& kind = entryAt(rowAt(record, i), 0);
        const KindRows* rows = kindRowsOf(kind);
        if (visit(i, rows)) return i;
        if (!rows) continue;
        if (kind == "start" || (kind == "block" && enterBlocks))
            stack.push_back(integerEntry(rowAt(record, i), 1));
        const Row* locator = rows->operands > 0 ? &rowAt(record, i + 1) : nullptr;
        for (int k = 1; k <= rows->operands; ++k)
            stack.push_back(integerEntry(*locator, static_cast<std::size_t>(k)));
    }
    return std::nullopt;
}

// The found fraction or mixed number with its colour row rebuilt.
Record recolorFound(Record record, Color color, const std::string& tag, const ColourSlots& fraction,
                    const ColourSlots& mixed) {
    const auto found = findItem(record, tag);
    if (!found) return record;
    const std::string kind = entryAt(rowAt(record, *found), 0);
    if (kind == "fraction") rewriteColourRow(record, *found + 1, kind, fraction, {color});
    if (kind == "mixed_number") rewriteColourRow(record, *found + 1, kind, mixed, {color});
    return record;
}

// The first item in row order whose tag row is [kind + "_tag", tag] takes the colour.
void setColor(Record& record, const std::string& kind, Color color, const std::string& tag) {
    const std::string tagKey = kind + "_tag";
    for (std::size_t i = 0; i < record.size(); ++i) {
        const Row& row = record[i];
        if (row.size() >= 2 && row[0] == tagKey && row[1] == tag) {
            rowAt(record, static_cast<std::int64_t>(i) - 1) = {kind + "_color", rawValue(color)};
            return;
        }
    }
}

}  // namespace

std::optional<std::int64_t> findItem(const Record& record, const std::string& tag) {
    if (!isRecord(record)) return std::nullopt;
    if (tag == "start") return 0;
    return walkItems(record, 0, true, [&](std::int64_t i, const KindRows* rows) {
        return rows && rows->tagRow > 0 && rowValue(record, i + rows->tagRow) == tag;
    });
}

Record recolorItem(Record record, Color color, const std::string& tag) {
    const auto found = findItem(record, tag);
    if (!found) return record;
    const std::string name = rawValue(color);
    walkItems(record, *found, false, [&](std::int64_t i, const KindRows* rows) {
        if (!rows || rows->colourRow == 0) return false;
        Row& colours = rowAt(record, i + rows->colourRow);
        const std::size_t slots = rows->slots >= 0 ? static_cast<std::size_t>(rows->slots)
                                                   : (colours.empty() ? 0 : colours.size() - 1);
        const std::string key = std::string(rows->kind) + (rows->slots >= 0 ? "_color" : "_colors");
        colours = Row(slots + 1, name);
        colours[0] = key;
        return false;
    });
    return record;
}

Record recolorFraction(Record record, Color color, const std::string& tag) {
    return recolorFound(std::move(record), color, tag, {0, 0}, {keepSlot(1), 0, 0});
}

Record recolorFractionParts(Record record, Color color, const std::string& tag) {
    return recolorFound(std::move(record), color, tag, {keepSlot(1), 0}, {keepSlot(1), keepSlot(2), 0});
}

void setUnaryColor(Record& record, Color color, const std::string& tag) {
    setColor(record, "unary", color, tag);
}
void setJoinColor(Record& record, Color color, const std::string& tag) {
    setColor(record, "join", color, tag);
}
void setMessageColor(Record& record, Color color, const std::string& tag) {
    setColor(record, "message", color, tag);
}

}  // namespace radixmender
