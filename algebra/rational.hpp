#pragma once
// The exact number of the algebra library: a fraction of two 64-bit integers,
// stored as it was built (2/4, −1/−2 and 3/0 are all valid values), with a
// colour for each of its drawn parts.
//
// - A denominator of 0 marks an undefined value; every operation that
//   computes a new value answers none for it.
// - A computed value is black; only `recolored` and the colour constructor
//   set a colour. Copying keeps the colours; `blackCopy` drops them.
// - Results that say "reduced" are in lowest terms with a positive
//   denominator (a zero is 0/1).
// - Products, sums and comparisons are computed exactly in 128 bits: a result
//   that fits in 64 bits is always given, one that does not throws
//   std::overflow_error.
//
// Equality compares cross products, as the solvers rely on: 1/2 == 2/4,
// 3/0 == 5/0, and 0/0 equals every value. With a zero denominator on either
// side, < and > are false while <= and >= are true. Neither is an ordering a
// std container may see; tests compare fields (tests/support/algebra_check.hpp).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/vocabulary.hpp"

namespace radixmender {

struct Rational {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    Color numerator_color = Color::black;
    Color denominator_color = Color::black;
    Color bar_color = Color::black;

    // 0/1, black.
    Rational() = default;
    // Stored as given, black; nothing is reduced or checked.
    Rational(std::int64_t numerator, std::int64_t denominator);
    Rational(std::int64_t numerator, std::int64_t denominator, Color numerator_color, Color denominator_color,
             Color bar_color);
    // The value of `value` with all three colours set to `color`.
    Rational(const Rational& value, Color color);

    // An exact decimal text: an optional sign, digits with an optional
    // fraction part ("2.50" is 25/10, "3." is 3/1, ".5" is 5/10), and an
    // optional exponent ("1e5" is 100000/1, "2.5e-3" is 25/10000); unreduced.
    // Anything else (blanks, "inf", "nan", hex, "") is 0/1. A value whose
    // digits or power of ten do not fit in 64 bits throws std::overflow_error.
    static Rational fromDecimalText(std::string_view text);

    [[nodiscard]] Rational recolored(Color color) const;
    // The same numerator and denominator, all three colours black.
    [[nodiscard]] Rational blackCopy() const;

    bool operator==(const Rational& other) const;
    // False when either denominator is 0; `identical` asks for equal stored
    // numerators and denominators (1/2 and 2/4 differ), otherwise equal values.
    [[nodiscard]] bool isEqual(const Rational& other, bool identical = false) const;

    // Reduced results; none when a denominator involved is 0.
    [[nodiscard]] std::optional<Rational> adding(const Rational& other) const;
    [[nodiscard]] std::optional<Rational> reduced() const;
    [[nodiscard]] std::optional<Rational> negated() const;
    // −1/self; none for a zero numerator too.
    [[nodiscard]] std::optional<Rational> negativeReciprocal() const;
    // Reduced when `reduce`; otherwise only the signs are moved so that the
    // denominator is positive (2/4 · 1/1 stays 2/4).
    [[nodiscard]] std::optional<Rational> multiplied(const Rational& by, bool reduce = true) const;
    // self · (e/m) for a divisor m/e; none for a zero divisor too.
    [[nodiscard]] std::optional<Rational> divided(const Rational& by, bool reduce = true) const;

    // Signs; none when the denominator is 0. Zero is neither.
    [[nodiscard]] std::optional<bool> isPositive() const;
    [[nodiscard]] std::optional<bool> isNegative() const;
    // The reduced value is ≥ 0 with a square numerator and denominator.
    [[nodiscard]] bool isPerfectSquare() const;
    // The reduced (or, with `reduced` false, the stored) denominator is 1.
    [[nodiscard]] bool isWhole(bool reduced) const;
};

bool operator<(const Rational& a, const Rational& b);
bool operator>(const Rational& a, const Rational& b);
bool operator<=(const Rational& a, const Rational& b);
bool operator>=(const Rational& a, const Rational& b);

// A double as printf's "%.8g" writes it in the C locale, whatever locale the
// application has set: "0.66666667", "1e+09", "-0", "inf", "-inf"; every
// not-a-number is "nan".
std::string formatG8(double value);

}  // namespace radixmender
