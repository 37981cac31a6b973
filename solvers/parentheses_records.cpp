#include "solvers/parentheses_records.hpp"

#include <stdexcept>
#include <string>
#include <utility>

#include "algebra/algebra_records.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "solvers/parentheses_stages.hpp"

namespace radixmender {

namespace {

Record zero() { return makeMessageRecord("0"); }

Record topLevel(const Ext_polynomial& p, Style style) { return displayPieces(p, p.terms.size() - 1, style); }

}  // namespace

Record record(const Ext_polyEquation& e, Style style) {
    if (e.LHS.terms.empty() || e.RHS.terms.empty()) return makeMessageRecord("unexpected error");
    return makeJoinRecord(rawValue(e.relation), topLevel(e.LHS, style), topLevel(e.RHS, style),
                          e.relation_color);
}

Record displayRecord(const Term& term, Style style) { return displayRecord(term.monomial, style); }

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

std::vector<Record> appendExtEquationRecord(std::vector<Record> lines, const Ext_polyEquation& equation,
                                            Style style) {
    lines.push_back(record(equation, style));
    return lines;
}

std::vector<Record> appendRecoloredExtEquationRecord(std::vector<Record> lines,
                                                     const Ext_polyEquation& equation, Style style) {
    return appendExtEquationRecord(std::move(lines),
                                   recolored(equation, Color::black, Color::black, Color::black), style);
}

}  // namespace radixmender
