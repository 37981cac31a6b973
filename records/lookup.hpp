#pragma once
// Finding an item by its tag and recolouring it. The search follows locators
// from the outermost item: an item before the items inside it, the right
// operand of a join before its left. The fraction-cancel kinds, extended
// fractions, plug_in items and blanks are never found by their tags; a block
// has none but is searched through. A tag that no item carries is no error.
#include <cstdint>
#include <optional>
#include <string>

#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

// The kind row of the first item with the tag; "start" stands for the whole
// record (row 0). None for an empty record or one without a "start" row.
std::optional<std::int64_t> findItem(const Record& record, const std::string& tag);

// The found item and every item inside it in the colour, except the items
// inside a block.
Record recolorItem(Record record, Color color, const std::string& tag);

// Both parts of a found fraction, or a found mixed number's fraction part.
Record recolorFraction(Record record, Color color, const std::string& tag);
// The last colour slot (the denominator) of a found fraction or mixed number.
Record recolorFractionParts(Record record, Color color, const std::string& tag);

// The colour of the first unary (join, message) item in row order with the tag.
void setUnaryColor(Record& record, Color color, const std::string& tag);
void setJoinColor(Record& record, Color color, const std::string& tag);
void setMessageColor(Record& record, Color color, const std::string& tag);

}  // namespace radixmender
