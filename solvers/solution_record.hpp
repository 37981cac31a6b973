#pragma once
// The written value of one root a + b·√c of a quadratic, and the line that
// states the roots after the variable ("x = 2 or x = 3").
#include <optional>
#include <string>
#include <utility>

#include "algebra/solver_vocabulary.hpp"
#include "records/literals.hpp"
#include "records/types.hpp"
#include "records/writers.hpp"
#include "solvers/verdicts.hpp"

namespace radixmender {

// One record of the value, black:
// - decimal: "%.8g" of a + b·√c computed in doubles, nothing checked first;
// - fraction: the pieces as they are, a, then "+" or "−" and |b|🖇√c, each
//   rational a signed fraction (b = 0 leaves a alone, b = ±1 writes no 1);
// - rational_fraction: one fraction (A ± B√c)/L over L = lcm of the two
//   denominators (no bar for L = 1).
// Zero denominators and 64-bit overflow throw in the two exact styles.
Record record(const Quadratic_solution& solution, Style style = Style::fraction);

// The pieces side by side, as joinRecords sets them (joins "🖇", black,
// folded to the left), taking over the pieces passed as temporaries.
template <class... Rest>
Record sideBySide(Record line, Rest&&... rest) {
    ((line = makeJoinRecord(text::kPaperclip, std::move(line), Record(std::forward<Rest>(rest)))), ...);
    return line;
}

// variable + " = " and the first root, then for two roots " or ",
// variable + " = " and the second, joined side by side. Rational roots are
// always written as fractions, irrational ones in `irrationalStyle`. None
// when there is no root.
std::optional<Record> solutionsLine(const std::string& variable, const QuadraticAnalysis& analysis,
                                    Style irrationalStyle);

}  // namespace radixmender
