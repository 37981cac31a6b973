#pragma once
// coefficient · variable^exponent, with the colours of its coefficient and of
// its variable (and exponent).
#include <cstdint>
#include <string>

#include "algebra/rational.hpp"

namespace radixmender {

struct Monomial {
    Rational coefficient;
    std::uint64_t exponent = 0;
    // One user-visible character, in UTF-8.
    std::string variable = "x";
    Color variable_color = Color::black;

    // The zero term 0/1·x⁰, black.
    Monomial() = default;
    Monomial(Rational coefficient, std::uint64_t exponent, std::string variable = "x",
             Color variable_color = Color::black);

    // The coefficient's three colours and the variable's colour set to `color`.
    [[nodiscard]] Monomial recolored(Color color) const;

    // Equal coefficients (Rational ==) and exponents, and, unless the exponent
    // is 0, equal variables; colours never count.
    bool operator==(const Monomial& other) const;
};

// Whether the two are written alike: every field equal as stored (1/2 and
// 2/4 differ, and so do colours).
bool writtenAlike(const Monomial& a, const Monomial& b);

}  // namespace radixmender
