#include "algebra/box_grid.hpp"

#include "records/box_records.hpp"

namespace radixmender {

Record makeBoxGridRecord(const std::vector<Monomial>& terms, const std::vector<Color>& colors,
                         const std::string& tag) {
    std::vector<BoxGridTerm> cells;
    cells.reserve(terms.size());
    for (const Monomial& term : terms)
        cells.push_back({term.coefficient.numerator, term.exponent, term.variable});
    return makeBoxGridRecordFromTerms(cells, colors, tag);
}

}  // namespace radixmender
