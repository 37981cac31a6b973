#include "algebra/equation.hpp"

namespace radixmender {

bool PolyEquation::operator==(const PolyEquation& other) const {
    return LHS == other.LHS && RHS == other.RHS && relation == other.relation;
}

PolyEquation::PolyEquationClear::PolyEquationClear(std::int64_t f, PolyEquation e, Color color)
    : factor(f), equation(std::move(e)), factor_color(color) {}

Polynomial_Equation_XL Polynomial_Equation_XL::mapSides(Color color) const {
    return {LHS.mapTerms(color), RHS.mapTerms(color), relation, color};
}

}  // namespace radixmender
