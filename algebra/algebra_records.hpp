#pragma once
// The algebra values written as step records, for the drawing engine. Every
// item is tagged "anon"; juxtaposition (coefficient and variable, factor and
// factor) is a join "🖇"; the terms of a sum after the first are joined by "+"
// or "−" (U+2212) in that term's numerator colour and drawn by their
// magnitude, while a sign inside a term is the hyphen "-". The `Style` says
// how a coefficient that is not whole is written.
//
// A polynomial without term lists, or a flat polynomial without terms, is
// written as the message "unexpected error". An empty term list is a record
// without rows (the engine leaves such a line out); where it has to stand
// inside another item (in parentheses, as an equation side, over a fraction
// bar) the message stands in, since a parent names its operands by their rows.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "records/types.hpp"

namespace radixmender {

// decimal: the message "%.8g" of n ÷ d. Otherwise the message of n when d is 1
// and `alwaysFraction` is false; else rational_fraction: n "/" d as two
// messages; fraction: a signed rational. Written as stored, never reduced.
Record record(const Rational& value, bool alwaysFraction = false, Style style = Style::rational_fraction);

// The monomial with its own sign: 3🖇x², -🖇x, x (a coefficient equal to 1
// is not written), and, in rational_fraction, (3🖇x)/4.
Record record(const Monomial& monomial, Style style);

// In rational_fraction the pieces sign, magnitude, variable and exponent,
// over the denominator in the numerator's colour; else `record`.
Record displayRecord(const Monomial& monomial, Style style);

// The pieces of a sum, for the writers of sums with parenthesised parts:
// - the term as position `position` of a sum shows it: the first with its
//   own sign, the others by the magnitude of their numerator;
Monomial shownInSum(const Monomial& term, std::size_t position);
// - the sum so far with `item` (the record of `term` at `position`) joined
//   on by "+" or "−" in the term's numerator colour; the first item alone;
Record sumWithTerm(Record sum, std::size_t position, const Monomial& term, Record item);
// - a term that multiplies a parenthesised `product`: the coefficient (and
//   variable) written before it, a unit coefficient left out ("-" for −1
//   first in a sum); in rational_fraction and decimal the numerator part
//   over the denominator. `bare` is the product without parentheses where a
//   unit coefficient lets it stand alone (none when it may not).
Record carrierItem(const Monomial& term, std::size_t position, Style style, Record product,
                   std::optional<Record> bare);

// Term list `index`, every factor list it names written in parentheses
// (with "^" and the exponent when it is not 1), recursively. Throws
// std::out_of_range for a pointer out of range and std::invalid_argument when
// the pointers form a cycle.
Record termsItem(const Polynomial_XL& polynomial, std::uint64_t index, Style style);

// The top-level list.
Record item(const Polynomial_XL& polynomial, Style style);
// `item`, with "unexpected error" in place of a record without rows.
Record operandItem(const Polynomial_XL& polynomial, Style style);

// The sides joined by the relation symbol in the relation colour.
Record record(const Polynomial_Equation_XL& equation, Style style);
Record record(const Polynomial& polynomial, Style style);
Record record(const PolyEquation& equation, Style style);

// factor🖇(LHS) relation factor🖇(RHS): the factors in their colour, the
// parentheses, joins and relation black.
Record record(const PolyEquation::PolyEquationClear& clear, Style style);

}  // namespace radixmender
