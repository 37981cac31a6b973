#include "solvers/factoring_steps.hpp"

#include <algorithm>
#include <numeric>
#include <utility>

#include "records/checked.hpp"
#include "solvers/clean_up.hpp"
#include "solvers/parentheses_stages.hpp"
#include "solvers/queries.hpp"
#include "solvers/rearranging.hpp"
#include "solvers/verdicts.hpp"

namespace radixmender {

namespace {

// A rational root p/q and the factor q·x − p it gives.
struct Root {
    std::int64_t p = 0;
    std::int64_t q = 1;
};

std::vector<Monomial> factorTerms(const Root& r, const std::string& v) {
    return {Monomial(Rational(r.q, 1), 1, v), Monomial(Rational(checkedNeg(r.p), 1), 0, v)};
}

std::vector<Term_XL> factorList(const Root& r, const std::string& v) {
    std::vector<Term_XL> list;
    for (Monomial& m : factorTerms(r, v)) list.emplace_back(std::move(m));
    return list;
}

// Which root's factor is written first: 0 for the first, 1 for the second.
std::uint64_t orderFlag(const Root& r1, const Root& r2) {
    if (r1.q != r2.q) return r1.q < r2.q ? 0 : 1;
    const std::int64_t m1 = checkedAbs(r1.p), m2 = checkedAbs(r2.p);
    if (m1 != m2) return m1 < m2 ? 0 : 1;
    return r2.p < r1.p ? 1 : 0;
}

// What both builders start from: the variable, the analysis and, for
// rational roots, the two roots.
struct Roots {
    std::string v;
    Quadratic_status status;
    Root r1, r2;
};

std::string factoringVariable(const PolyEquation& e) {
    if (auto v = firstVariable(e, isNonZeroLinearTerm)) return *v;
    return firstVariable(e, isNonZeroVariableTerm).value_or(rawValue(Var::x));
}

Roots rootsOf(const PolyEquation& e) {
    const QuadraticAnalysis analysis = analyzeQuadratic(e);
    Roots roots{factoringVariable(e), analysis.status, {}, {}};
    if (analysis.first && analysis.second && analysis.first->b.numerator == 0) {
        roots.r1 = {analysis.first->a.numerator, analysis.first->a.denominator};
        roots.r2 = {analysis.second->a.numerator, analysis.second->a.denominator};
    }
    return roots;
}

Polynomial constant(const Rational& value, const std::string& v) {
    return Polynomial({Monomial(value, 0, v)});
}

}  // namespace

std::int64_t gcdOfNumerators(const Polynomial& side) {
    return std::accumulate(side.terms.begin(), side.terms.end(), std::int64_t{0}, gcdOfNumeratorsStep);
}

Term scaleTermInFactorStep(const Monomial& m, std::int64_t d) {
    return {Monomial(Rational(checkedDiv(m.coefficient.numerator, d), 1), m.exponent, m.variable),
            {false, 0}};
}

std::string gcdStepNote(std::int64_t d) {
    const std::string tail =
        "factor out  " + std::to_string(d) + "\ndivide both sides by  " + std::to_string(d);
    if (d == -1) return " \n" + tail;
    return "\n" + std::to_string(checkedAbs(d)) + " is greatest common divisor\n\n" + tail;
}

std::optional<GcdStep> factorOutGcdStep(const PolyEquation& e) {
    const bool left = e.RHS == zeroSide();
    if (!left && !(e.LHS == zeroSide())) return std::nullopt;
    const Polynomial& P = left ? e.LHS : e.RHS;
    const Polynomial& zero = left ? e.RHS : e.LHS;
    if (P.terms.empty()) return std::nullopt;
    const std::int64_t g = gcdOfNumerators(P);
    const std::int64_t d = P.terms.front().coefficient.numerator < 0 ? checkedNeg(g) : g;
    if (d == 0 || d == 1 || P.terms.back().exponent != 0) return std::nullopt;

    std::vector<Term> divided;
    for (const Monomial& m : P.terms) divided.push_back(scaleTermInFactorStep(m, d));
    const Rational red(d, 1, Color::red, Color::red, Color::red);
    const Ext_polynomial factored({divided, {Term(Monomial(red, 0, P.terms.front().variable), {true, 0})}});
    const Ext_polynomial quotient({divided});
    const Ext_polynomial zeroSideExt = toExtPolynomial(zero);
    const auto placed = [&](const Ext_polynomial& side) {
        return left ? Ext_polyEquation(side, zeroSideExt, e.relation)
                    : Ext_polyEquation(zeroSideExt, side, e.relation);
    };
    const Ext_polyEquation highlighted = recoloringCoefficients(
        toExtPolyEquation(e), left ? Color::red : Color::black, left ? Color::black : Color::red);
    return GcdStep{{highlighted, placed(factored), placed(quotient)}, gcdStepNote(d)};
}

bool isNonZeroLinearTerm(const Monomial& term) {
    return term.coefficient.numerator != 0 && term.exponent == 1;
}

std::optional<std::string> firstVariable(const PolyEquation& e, bool (*test)(const Monomial&)) {
    for (const Polynomial* side : {&e.LHS, &e.RHS})
        for (const Monomial& m : side->terms)
            if (test(m)) return m.variable;
    return std::nullopt;
}

std::optional<Polynomial_Equation_XL> factorability(const PolyEquation& e) {
    const Roots r = rootsOf(e);
    const bool factors = r.status == Quadratic_status::rational_distinct ||
                         (r.status == Quadratic_status::rational_repeated && r.r1.p != 0);
    if (!factors) return std::nullopt;
    const bool rightIsZero = e.RHS == constant(Rational(0, 1), r.v);
    std::vector<std::vector<Term_XL>> lists;
    if (r.r1.p != 0 && r.r2.p != 0) {
        const std::uint64_t f = orderFlag(r.r1, r.r2);
        lists = {factorList(r.r1, r.v),
                 factorList(r.r2, r.v),
                 {Term_XL(Monomial(Rational(1, 1), 0, r.v), {Factor(f, 1), Factor(1 - f, 1)})}};
    } else {
        const Root& other = r.r1.p == 0 ? r.r2 : r.r1;
        const std::int64_t n = (rightIsZero ? e.LHS : e.RHS).terms.at(0).coefficient.numerator;
        const std::int64_t k = checkedDiv(n, checkedMul(r.r1.q, r.r2.q));
        lists = {factorList(other, r.v), {Term_XL(Monomial(Rational(k, 1), 1, r.v), {Factor(0, 1)})}};
    }
    const Polynomial_XL F(std::move(lists));
    const Polynomial_XL Z({{Term_XL(Monomial(Rational(0, 1), 0, r.v))}});
    return rightIsZero ? Polynomial_Equation_XL(F, Z, e.relation) : Polynomial_Equation_XL(Z, F, e.relation);
}

FactorStep factorStep(const PolyEquation& e, bool colored) {
    const Roots r = rootsOf(e);
    if (r.status == Quadratic_status::none) return {std::nullopt, std::nullopt, "no solution"};
    if (r.status != Quadratic_status::rational_distinct && r.status != Quadratic_status::rational_repeated)
        return {std::nullopt, std::nullopt, "factors but not over integers"};
    const Color c = colored ? Color::red : Color::black;
    const auto factorZero = [&](const Root& root) {
        return recolored(
            PolyEquation(Polynomial(factorTerms(root, r.v)), constant(Rational(0, 1), r.v), e.relation), c, c,
            c);
    };
    const auto solved = [&](const Root& root) {
        return PolyEquation(Polynomial({Monomial(Rational(1, 1), 1, r.v)}),
                            constant(Rational(root.p, root.q), r.v), e.relation);
    };
    const auto highlighted = [&](const PolyEquation& x) { return recolored(x, c, c, c); };
    using List = std::vector<PolyEquation>;
    if (r.status == Quadratic_status::rational_repeated) {
        if (r.r1.p == 0)
            return {List{highlighted(solved(r.r1)),
                         recolored(solved(r.r1), Color::clear, Color::clear, Color::clear)},
                    std::nullopt, std::nullopt};
        return {List{factorZero(r.r1), solved(r.r1)}, std::nullopt, std::nullopt};
    }
    if (r.r1.p == 0)
        return {List{highlighted(solved(r.r1)), solved(r.r1)}, List{factorZero(r.r2), solved(r.r2)}, {}};
    if (r.r2.p == 0)
        return {List{highlighted(solved(r.r2)), solved(r.r2)}, List{factorZero(r.r1), solved(r.r1)}, {}};
    List first{factorZero(r.r1), solved(r.r1)}, second{factorZero(r.r2), solved(r.r2)};
    if (orderFlag(r.r1, r.r2) == 1) std::swap(first, second);
    return {first, second, std::nullopt};
}

}  // namespace radixmender
