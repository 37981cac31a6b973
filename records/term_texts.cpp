#include "records/term_texts.hpp"

#include "records/checked.hpp"
#include "records/literals.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

namespace {

// The variable with its exponent as a superscript; exponent 1 shows none.
std::string variablePower(const std::string& variable, const std::string& exponent) {
    return exponent == "1" ? variable : variable + superscriptDigit(exponent);
}

}  // namespace

std::string signedTermText(std::int64_t coefficient, std::int64_t exponent, const std::string& variable,
                           bool showsOne) {
    const std::string sign = coefficient < 0 ? "" : text::kPlus;
    if (exponent == 0) return sign + std::to_string(coefficient);
    const bool unit = (coefficient == 1 || coefficient == -1) && !showsOne;
    const std::string number =
        unit ? (coefficient < 0 ? text::kHyphenMinus : "") : std::to_string(coefficient);
    return sign + number + variablePower(variable, std::to_string(exponent));
}

std::int64_t decimalDigitCount(std::int64_t value) {
    std::int64_t n = checkedAbs(value), count = 1;
    for (; n >= 10; n /= 10) ++count;
    return count;
}

std::string boxGridTermText(const BoxGridTerm& term, std::size_t position) {
    const std::int64_t n = term.numerator;
    const std::string number = (n >= 1 ? text::kPlus : "") + std::to_string(n);
    if (term.exponent == 0) return number;
    const std::string power = variablePower(term.variable, std::to_string(term.exponent));
    if (term.exponent == 1 && (position == 5 || position == 7)) return number + power;
    if (n == 1) return power;
    if (n == -1) return text::kHyphenMinus + power;
    return std::to_string(n) + power;
}

}  // namespace radixmender
