#include "algebra/monomial.hpp"

#include <utility>

namespace radixmender {

Monomial::Monomial(Rational c, std::uint64_t e, std::string v, Color vc)
    : coefficient(c), exponent(e), variable(std::move(v)), variable_color(vc) {}

Monomial Monomial::recolored(Color color) const {
    return {coefficient.recolored(color), exponent, variable, color};
}

bool Monomial::operator==(const Monomial& other) const {
    return coefficient == other.coefficient && exponent == other.exponent &&
           (exponent == 0 || variable == other.variable);
}

}  // namespace radixmender
