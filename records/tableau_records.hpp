#pragma once
// Operation tableaux: one "plug_in" item holds a whole worked arithmetic
// layout, prepared by the caller as lists of texts. The item is the head row
// ["plug_in", layout, N] (N its row count, head to tag), a kind row for every
// layout but "prime_tree", one value row per part ([layout + "_" + part,
// values...], lists of lists flattened row after row) and the tag row.
#include <cstdint>
#include <string>
#include <vector>

#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

using Texts = std::vector<std::string>;
using TextTable = std::vector<Texts>;

// One row of a prime-factor tree: a divisor and the quotient it leaves.
struct PrimeTreeRow {
    std::int64_t divisor = 0;
    Color divisorColor = Color::black;
    std::int64_t quotient = 0;
    Color quotientColor = Color::black;
    bool operator==(const PrimeTreeRow&) const = default;
};

Record makePrimeTreeRecord(const std::string& tag, const std::vector<PrimeTreeRow>& pairs);
// The count-ups are written before the globals.
Record makeCountOpRecord(const std::string& tag, const std::string& mode, const TextTable& tableau,
                         const Texts& globals, const Texts& locals, const Texts& countUps);
// The kind row also holds the tableau's row count and its first row's length;
// an empty tableau throws.
Record makeAddColumnRecord(const std::string& tag, const std::string& mode, std::int64_t value,
                           const TextTable& tableau, const TextTable& attributes);
Record makeDivideOpRecord(const std::string& tag, const std::string& mode, const Texts& tableau,
                          const Texts& background, const Texts& lines, const Texts& globals,
                          const Texts& locals);
// The partials are written before the globals.
Record makeDividePartialOpRecord(const std::string& tag, const std::string& mode, const Texts& tableau,
                                 const Texts& globals, const Texts& locals, const Texts& partials);
Record makeTableauOpRecord(const std::string& tag, const std::string& mode, const TextTable& tableau,
                           const TextTable& attributes, const Texts& globals, const Texts& locals);
// m and n are the cell counts, as decimal texts.
Record makeLatticeMultiplyRecord(const std::string& m, const std::string& n, const Texts& factors,
                                 const Texts& factorColors, const Texts& products, const Texts& productColors,
                                 const Texts& partials, const Texts& partialColors, const std::string& tag);
Record makeGridMultiplyRecord(const std::string& m, const std::string& n, const Texts& factors,
                              const Texts& factorColors, const Texts& partials, const Texts& partialColors,
                              const std::string& tag);

// Rewrite the rows of the first lattice (grid) item with the tag, in row
// order; an empty list keeps its row. No such item: the record is unchanged.
void updateLatticeMultiply(Record& record, const Texts& partials, const Texts& factorColors,
                           const Texts& productColors, const Texts& partialColors, const std::string& tag);
void updateGridMultiply(Record& record, const Texts& factorColors, const Texts& partialColors,
                        const std::string& tag);

}  // namespace radixmender
