#pragma once
// Items that wrap a whole record as their one operand and draw nothing of
// their own. As with a unary item, the operand's rows keep their indices and
// only its "start" row is replaced.
#include <string>

#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

// The operand measured and drawn in the font: ["font", name],
// ["font_locator", i], ["font_tag", tag]; no colour row.
Record makeFontRecord(Font font, Record operand, const std::string& tag);

// The operand laid out as one block: a single row ["block", i], i copied from
// the operand's "start" row as text.
Record makeBlockRecord(Record operand);

}  // namespace radixmender
