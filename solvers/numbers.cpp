#include "solvers/numbers.hpp"

#include <stdexcept>

#include "records/integers.hpp"

namespace radixmender {

void throwUnwrappedNil() {
    throw std::logic_error("Unexpectedly found nil while unwrapping an Optional value");
}

Rational coloredRational(std::int64_t numerator, std::int64_t denominator, Color color) {
    return {numerator, denominator, color, color, color};
}

std::optional<Rational> subtracting(const Rational& value, const Rational& other) {
    // The negation is computed wide and reduced, so an other of −2⁶³/2 still
    // subtracts; the sum is exact and narrowed with a check.
    const auto minusOther = other.negated();
    if (!minusOther) return std::nullopt;
    return value.adding(*minusOther);
}

std::optional<Rational> reciprocal(const Rational& value) {
    if (value.numerator == 0 || value.denominator == 0) return std::nullopt;
    return Rational(1, 1).divided(value);
}

std::optional<bool> needsReducing(const Rational& value) {
    if (value.denominator == 0) return std::nullopt;
    return value.denominator < 0 || gcd(value.numerator, value.denominator) != 1;
}

std::optional<Monomial> negated(const Monomial& term) {
    const auto c = term.coefficient.negated();
    if (!c) return std::nullopt;
    return Monomial(*c, term.exponent, term.variable);
}

bool isEqual(const Monomial& a, const Monomial& b, bool identical) {
    return a.coefficient.isEqual(b.coefficient, identical) && a.exponent == b.exponent &&
           (a.exponent == 0 || a.variable == b.variable);
}

}  // namespace radixmender
