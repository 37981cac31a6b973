#pragma once
// Equations (or inequalities) of two sides: flat, with parenthesised
// sub-expressions, and factored. Each has its sides, its relation and the
// colour of the relation symbol.
#include <cstdint>
#include <utility>

#include "algebra/polynomial.hpp"
#include "algebra/polynomial_xl.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

template <class Side>
struct Equation {
    Side LHS;
    Side RHS;
    Relation relation;
    Color relation_color = Color::black;

    Equation(Side lhs, Side rhs, Relation r, Color color = Color::black)
        : LHS(std::move(lhs)), RHS(std::move(rhs)), relation(r), relation_color(color) {}
};

struct PolyEquation : Equation<Polynomial> {
    // The equation about to have both sides multiplied by `factor` (to clear
    // fractions or decimals).
    struct PolyEquationClear;

    using Equation::Equation;

    // Equal sides and the same relation; the relation colour never counts,
    // and sides are not exchanged.
    bool operator==(const PolyEquation& other) const;
};

struct PolyEquation::PolyEquationClear {
    std::int64_t factor;
    PolyEquation equation;
    Color factor_color;

    PolyEquationClear(std::int64_t factor, PolyEquation equation, Color factor_color);
};

struct Ext_polyEquation : Equation<Ext_polynomial> {
    using Equation::Equation;
};

struct Polynomial_Equation_XL : Equation<Polynomial_XL> {
    using Equation::Equation;

    // Both sides by `mapTerms`, and the relation symbol, in `color`.
    [[nodiscard]] Polynomial_Equation_XL mapSides(Color color) const;
};

}  // namespace radixmender
