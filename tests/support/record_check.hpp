#pragma once
// Decoding and validation of step records for tests.
//
// Usage, on every record a writer or a model produces:
//
//   #include "tests/support/record_check.hpp"
//   using radixmender::testing::IsValidRecord;
//   EXPECT_TRUE(IsValidRecord(record));              // layout, locators, colours, tags
//   EXPECT_TRUE(radixmender::testing::AreValidSteps(output.detailSteps));
//   EXPECT_EQ(radixmender::testing::describeRecord(record), "(3 / (2 🖇 √(5)))");
//   auto item = radixmender::testing::decodeRecord(record);  // the tree, to inspect
//
// A valid record has row 0 ["start", k] with k the kind row of its outermost
// item; every item's rows follow its kind (kind row, locator row for operands,
// colour row with one of the thirteen colour names per slot, tag row); every
// locator names an earlier kind row; the items are stored postfix, each
// operand's rows directly before its parent's, so every row belongs to exactly
// one item and the outermost item's rows are the last ones.
//
// Known kinds: "message", "integer", "rational", "signed_rational", "unary",
// "join", "BLANK", the leaf number kinds ("whole", "fraction", "mixed_number",
// "extended_fraction" and the three "fraction_cancel_..." kinds), "font",
// "block", "box_grid", "box_table" and "plug_in" with its eight layouts (rows
// in order, the count N, integer values, colour names; colours of a box or
// tableau are gathered into `colors`). Any other kind is reported as unknown.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender::testing {

struct DecodedItem {
    std::int64_t row = 0;               // index of the kind row
    std::int64_t firstRow = 0;          // first row of the item and its operands
    std::int64_t lastRow = 0;           // last row of the item's own rows
    std::string kind;                   // "integer", "join", ...
    std::vector<std::string> values;    // the kind row after the keyword
    std::vector<Color> colors;          // one per colour slot; empty for kinds without a colour row
    std::optional<std::string> tag;     // none for kinds without a tag row
    std::vector<DecodedItem> children;  // operands in locator order (left first)
};

// The tree of a record; throws std::invalid_argument with the reason when the
// record is not well formed.
DecodedItem decodeRecord(const Record& record);

// None when the record is well formed, otherwise the first fault found.
std::optional<std::string> validateRecord(const Record& record);

// Validates every line of every step; the reason names the step and line.
std::optional<std::string> validateSteps(const Steps& steps);

// Compact text of a valid record's tree, for readable expectations:
//   integer 3 -> 3            message "x" -> "x"
//   rational 3 over 4 -> [3/4]  signed rational -> [-3/4]
//   unary "√" -> √(operand)   join "/" -> (left / right)
//   BLANK -> BLANK            other kinds -> kind(values)(operands)
// Colours other than black follow as {name,...} (all slots listed), tags
// other than "anon" as #tag. Throws like decodeRecord.
std::string describeRecord(const Record& record);
std::string describeItem(const DecodedItem& item);

// Every item in postfix order (operands before their parent).
std::vector<const DecodedItem*> itemsInPostfixOrder(const DecodedItem& root);

::testing::AssertionResult IsValidRecord(const Record& record);
::testing::AssertionResult AreValidSteps(const Steps& steps);

}  // namespace radixmender::testing
