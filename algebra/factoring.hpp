#pragma once
// Factoring a polynomial with integer coefficients into linear factors a·x + c
// by the rational roots ±b/a that the rational-root test allows, and the
// [before, after] pair a step display shows for one factoring step.
//
// Layout of a factored polynomial (polynomial_xl.hpp): the last list is the
// top level; the list that factoring works on ("list k") is list 0 of a
// one-list polynomial, otherwise the list named by the last factor of the
// first top-level term. Factoring a one-list x² − 1 gives
//     [x + 1], [x − 1], [1·(list 0)(list 1)]
// and a factored polynomial keeps its other lists: list k is replaced by the
// first new factor and the others follow it.
//
// Coefficients are read by their numerators; every coefficient made here has
// denominator 1. Sums, products and powers are exact or throw
// std::overflow_error.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "algebra/polynomial_xl.hpp"

namespace radixmender {

using PolynomialPair = std::array<Polynomial_XL, 2>;

// List k; none when there is no list to work on (no lists, or a top level
// whose first term has no factors, or a factor naming no list below the top).
std::optional<std::size_t> factoringListIndex(const Polynomial_XL& polynomial);

// How many factors, in every term of every list, name list `index`.
std::size_t referenceCount(const Polynomial_XL& polynomial, std::size_t index);

// `list` with every factor's pointer p replaced by map(p); colours kept.
template <class Map>
std::vector<Term_XL> remappedPointers(std::vector<Term_XL> list, Map map) {
    for (Term_XL& t : list)
        for (Factor& f : t.factors) f.pointer = map(f.pointer);
    return list;
}

// A factored polynomial with list k split into `parts`, whose product is
// list k: the first part takes list k's place unless another factor names
// it, the others follow the existing lists. The first top-level term becomes
// `monomial` times its other factors (black) and the parts, each to the power
// list k had, named in `highlight`; further top-level terms stay.
Polynomial_XL splittingFactoredList(const Polynomial_XL& polynomial, std::vector<std::vector<Term_XL>> parts,
                                    const Monomial& monomial, Color highlight);

// A copy with list k and the top-level factor naming it drawn in `highlight`.
Polynomial_XL highlightingFactoredList(const Polynomial_XL& polynomial, Color highlight);

// The linear factor a·x + b (root −b/a) or a·x − b (root b/a) of the first
// root found: a over the divisors of the first stored term's numerator and b
// over those of the last, both ascending, coprime pairs only, the negative
// root of a pair before the positive one. Zero is never a candidate. None
// for anything but one list with a degree, or when no candidate is a root.
// Where the pairs are many, only those that can give a root are tried
// (root_search.hpp): the same first root. A pair's values are exact or throw
// std::overflow_error, so passing over pairs whose values would not fit can
// find a root that trying them all could not.
std::optional<Polynomial_XL> findRationalRoot(const Polynomial_XL& polynomial);

// Synthetic division of a one-list dividend by a·x + c (truncating); the
// quotient in descending order without zero terms. Terms with the same
// exponent add up. A dividend without degree, or of degree 0, gives an empty
// list.
Polynomial_XL divideByLinearFactor(const Polynomial_XL& factor, const Polynomial_XL& dividend);

// Up to degree − 1 linear factors, then the last quotient; none below degree
// 2, for a single term, or when no factor is found.
std::optional<std::vector<Polynomial_XL>> extractLinearFactors(const Polynomial_XL& polynomial);

// List k has at least two terms, none with factors of its own, a first term
// of exponent at least 2, and a linear factor.
bool hasRationalRoot(const Polynomial_XL& polynomial);

// [before, after] of splitting list k into its linear factors, both drawn in
// `highlight` where they change. Call it only where `hasRationalRoot` holds;
// elsewhere it throws std::invalid_argument.
PolynomialPair factored(const Polynomial_XL& polynomial, Color highlight);

// `factored` where `hasRationalRoot` holds, none elsewhere; the first root
// is searched for once.
std::optional<PolynomialPair> factoredByRationalRoot(const Polynomial_XL& polynomial, Color highlight);

// As `factored`, the two factors of a quadratic put in grouping order unless
// the method is "guess and check": 6x² + 5x + 1 gives (3x + 1)(2x + 1), so
// that 6x² + 3x + 2x + 1 groups as 3x(2x + 1) + 1(2x + 1).
PolynomialPair factoredForMethod(const Polynomial_XL& polynomial, Color highlight, std::string_view method);

}  // namespace radixmender
