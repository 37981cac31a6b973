#pragma once
// Grids of boxes: "box_grid", a grid of polynomial terms, and "box_table", a
// table of whole numbers. Both are four-row items: kind row, values, colours
// and tag; the colours row holds the caller's colours, however many.
#include <cstdint>
#include <string>
#include <vector>

#include "records/term_texts.hpp"
#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

// The box grid of terms already reduced to what a cell shows; the algebra
// library's overload for monomials hands its terms on to this one.
Record makeBoxGridRecordFromTerms(const std::vector<BoxGridTerm>& terms, const std::vector<Color>& colors,
                                  const std::string& tag);

// rows × columns entries in the caller's order. A table whose entries are
// none or not rows × columns many is written as the black message
// "system error in table"; a product beyond 64 bits throws.
Record makeBoxTableRecord(std::uint64_t rows, std::uint64_t columns, const std::vector<std::int64_t>& entries,
                          const std::vector<Color>& colors, const std::string& tag);

// The unary record of the text followed by one blank: "=" gives "= ".
Record makeSpacedUnaryRecord(const std::string& text, const Record& operand, Color color,
                             const std::string& tag);

}  // namespace radixmender
