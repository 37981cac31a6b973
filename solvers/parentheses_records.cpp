#include "solvers/parentheses_records.hpp"

#include <stdexcept>
#include <string>
#include <utility>

#include "algebra/algebra_records.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"

namespace radixmender {

namespace {

Record zero() { return makeMessageRecord("0"); }

Record side(const Ext_polynomial& p, Style style) {
    return p.terms.empty() ? zero() : displayPieces(p, p.terms.size() - 1, style);
}

}  // namespace

Record record(const Ext_polyEquation& e, Style style) {
    return makeJoinRecord(rawValue(e.relation), side(e.LHS, style), side(e.RHS, style), e.relation_color);
}

Record displayPieces(const Ext_polynomial& p, std::uint64_t index, Style style) {
    const std::vector<Term>& terms = p.terms.at(index);
    if (terms.empty()) return zero();
    Record sum;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const Term& t = terms[i];
        const Monomial& m = t.monomial;
        if (!t.sub_exp.first) {
            sum = sumWithTerm(std::move(sum), i, m, displayRecord(shownInSum(m, i), style));
            continue;
        }
        if (t.sub_exp.second >= index)
            throw std::invalid_argument("a term of list " + std::to_string(index) + " names list " +
                                        std::to_string(t.sub_exp.second) +
                                        ", which does not stand before it");
        Record inner = displayPieces(p, t.sub_exp.second, style);
        Record parenthesised = makeUnaryRecord(text::kParens, inner, t.sub_exp_parenthesis_color);
        sum = sumWithTerm(std::move(sum), i, m,
                          carrierItem(m, i, style, std::move(parenthesised), std::move(inner)));
    }
    return sum;
}

}  // namespace radixmender
