#pragma once
// Reading and rewriting the rows of a record in place: the walk from one
// item's kind row to the next in row order, and the rebuilding of an item's
// colour row from new colours and the colours it held. Every read is checked:
// a malformed record throws instead of being read out of range.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

// The number of rows from the kind row at `index` to the next item's kind row:
// "start", "block" and "BLANK" take 1; "unary", "join", "box_grid" and
// "box_table" 4; a "plug_in" item its own count; every other kind 3 (kind,
// colour and tag rows, or font, locator and tag rows).
std::int64_t itemRowCount(const Record& record, std::int64_t index);

// Walks the kind rows in row order from row 0 and gives the first at which
// `matches` holds, or none at the end of the record.
std::optional<std::int64_t> findRowByWalk(const Record& record,
                                          const std::function<bool(std::int64_t)>& matches);

// The first value of the row at `index` (a tag row's tag, a locator's index text).
const std::string& rowValue(const Record& record, std::int64_t index);

// One slot of a rebuilt colour row: a non-negative number picks one of the
// new colours, -k keeps the item's old colour in slot k (counted from 1).
using ColourSlots = std::vector<int>;
inline constexpr int keepSlot(int k) { return -k; }

// Replaces row `colourRowIndex` by [kind + "_color", slots...].
void rewriteColourRow(Record& record, std::int64_t colourRowIndex, const std::string& kind,
                      const ColourSlots& slots, const std::array<Color, 3>& colors);

}  // namespace radixmender
