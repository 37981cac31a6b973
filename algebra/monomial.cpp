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

// Every field is named, so that a field added to these types stops the build
// here until it is compared too.
bool writtenAlike(const Monomial& a, const Monomial& b) {
    const auto& [ac, ae, av, avc] = a;
    const auto& [bc, be, bv, bvc] = b;
    const auto& [an, ad, anc, adc, abc] = ac;
    const auto& [bn, bd, bnc, bdc, bbc] = bc;
    return an == bn && ad == bd && anc == bnc && adc == bdc && abc == bbc && ae == be && avc == bvc &&
           av == bv;
}

}  // namespace radixmender
