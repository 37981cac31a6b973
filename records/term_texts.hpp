#pragma once
// Short texts of polynomial terms and of numbers' digits.
#include <cstdint>
#include <string>

namespace radixmender {

// A term always written with its sign: "+3x²", "+x²", "-x", "-4", "+0y³".
// A coefficient of ±1 before a variable is written only when `showsOne`.
// Exponents other than 0 to 9 come out as "..." after the variable.
std::string signedTermText(std::int64_t coefficient, std::int64_t exponent, const std::string& variable,
                           bool showsOne);

// The number of decimal digits of |value|; 1 for 0.
std::int64_t decimalDigitCount(std::int64_t value);

// What a box-grid cell shows of a term: only the coefficient's numerator,
// the exponent and the one-character variable.
struct BoxGridTerm {
    std::int64_t numerator = 0;
    std::uint64_t exponent = 0;
    std::string variable;
};

// The text of the term at `position` of a box grid: constants carry "+" when
// positive, a unit coefficient is left out before the variable, except for
// first-degree terms at positions 5 and 7, which always show a signed
// coefficient ("+1x", "-1x", "0x").
std::string boxGridTermText(const BoxGridTerm& term, std::size_t position);

}  // namespace radixmender
