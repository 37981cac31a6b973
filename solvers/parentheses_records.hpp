#pragma once
// Equations with parenthesised sub-expressions written as step records:
// 3(x − 2) + 5 = 2x. The terms of a list are written as in a flat sum; a
// term that carries a sub-expression writes its coefficient before the
// parentheses (none for 1, "-" for −1 first in a sum; in the
// rational_fraction and decimal styles the numerator before and the
// denominator under a fraction bar, a unit numerator over a denominator
// needing no parentheses), the parentheses in its parenthesis colour.
//
// An equation with a side without term lists is written as the message
// "unexpected error" alone; a list without terms is written "0". A carrier
// that names a list not before its own (out of range, or a cycle) throws
// std::invalid_argument.
#include <cstdint>
#include <vector>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "records/types.hpp"

namespace radixmender {

// The sides around the relation symbol in the relation colour.
Record record(const Ext_polyEquation& equation, Style style);

// The term's monomial alone (its sub-expression not written).
Record displayRecord(const Term& term, Style style);

// Term list `index` of the side, its sub-expressions in parentheses.
Record displayPieces(const Ext_polynomial& side, std::uint64_t index, Style style);

// Fold steps over a list of equations, from an empty list: one line more,
// the equation as it is, or recoloured black throughout.
std::vector<Record> appendExtEquationRecord(std::vector<Record> lines, const Ext_polyEquation& equation,
                                            Style style);
std::vector<Record> appendRecoloredExtEquationRecord(std::vector<Record> lines,
                                                     const Ext_polyEquation& equation, Style style);

}  // namespace radixmender
