#pragma once
// The number and term operations the equation solvers build on, beside those
// of the algebra values. Results that say "reduced" are in lowest terms with
// a positive denominator and black colours; an undefined value (denominator
// 0) gives none, never a throw.
#include <cstdint>
#include <optional>
#include <utility>

#include "algebra/monomial.hpp"
#include "algebra/rational.hpp"

namespace radixmender {

// What a solver does where its preconditions promise a value: a missing one
// is a programming error and throws std::logic_error("Unexpectedly found nil
// while unwrapping an Optional value").
template <class T>
T unwrapped(std::optional<T> value);

// numerator/denominator as given, all three colours `color`.
Rational coloredRational(std::int64_t numerator, std::int64_t denominator, Color color);

// value − other, reduced; none when either denominator is 0.
std::optional<Rational> subtracting(const Rational& value, const Rational& other);

// 1/value, reduced; none for a zero numerator or denominator.
std::optional<Rational> reciprocal(const Rational& value);

// True when the stored fraction is not in lowest terms or its denominator is
// negative (4/−2, 0/5, 3/−4); none when the denominator is 0.
std::optional<bool> needsReducing(const Rational& value);

// −term, the coefficient reduced and the term black; none when undefined.
std::optional<Monomial> negated(const Monomial& term);

// Equal exponents, equal variables unless the exponent is 0, and equal
// coefficients: as stored when `identical`, else as values. Never equal when
// a denominator is 0; colours never count.
bool isEqual(const Monomial& a, const Monomial& b, bool identical);

// ---- implementation of the template ----

[[noreturn]] void throwUnwrappedNil();

template <class T>
T unwrapped(std::optional<T> value) {
    if (!value) throwUnwrappedNil();
    return std::move(*value);
}

}  // namespace radixmender
