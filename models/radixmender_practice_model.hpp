#pragma once
// The practice screen's model: it hands the chosen problem to the form model
// that fits it, and makes random practice problems for a level.
#include <cstdint>
#include <string>
#include <vector>

#include "records/random.hpp"
#include "records/types.hpp"

namespace radixmender {

inline constexpr const char kFormA[] = "a/(b\u221Ac)";
inline constexpr const char kFormC[] = "a/(b\u221Ac + d\u221Ae)";

// Groups of rows of entry texts, as the pads hand them over.
using EntryGroups = std::vector<std::vector<std::vector<std::string>>>;
using OptionRows = std::vector<std::vector<std::string>>;

// A problem to practise: the line the pad shows (plain text, one line) and
// its entries, one group of one row: the form text, then the integers.
struct PracticeProblem {
    std::vector<std::string> displayLines;
    EntryGroups entries;
    bool operator==(const PracticeProblem&) const = default;
};

struct Radixmender_Practice_Model {
    EntryGroups inputs;    // group 0, row 0: the integers in letter order
    OptionRows options;    // row 0: the form text; row 1: the order
    OptionRows multiLine;  // kept as handed over, never read

    // The chosen form's whole solution. A problem that cannot be read (a
    // missing row, option or entry, an entry that is not an integer) or an
    // unknown form gives no steps, as the form models never see it.
    [[nodiscard]] ModelOutput steps() const;

    // Level 0 gives form A, level 1 form B (either template), any other level form C.
    static PracticeProblem makeProblem(std::int64_t level);
    static PracticeProblem makeProblem(std::int64_t level, RandomSource& source);
};

}  // namespace radixmender
