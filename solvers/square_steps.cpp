#include "solvers/square_steps.hpp"

#include <string>
#include <utility>

#include "algebra/algebra_records.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "solvers/clean_up.hpp"
#include "solvers/numbers.hpp"
#include "solvers/queries.hpp"
#include "solvers/rearranging.hpp"
#include "solvers/solution_record.hpp"
#include "solvers/verdicts.hpp"

namespace radixmender {

namespace {

const Monomial& lastTerm(const Polynomial& side) {
    if (side.terms.empty()) throwUnwrappedNil();
    return side.terms.back();
}

const Monomial& firstTerm(const Polynomial& side) {
    if (side.terms.empty()) throwUnwrappedNil();
    return side.terms.front();
}

Rational half(const Rational& b) { return unwrapped(b.multiplied(Rational(1, 2))); }

// v + h, or v alone for h = 0.
Polynomial plus(const std::string& v, const Rational& h) {
    std::vector<Monomial> terms{Monomial(Rational(1, 1), 1, v)};
    if (h.numerator != 0) terms.emplace_back(h, 0, v);
    return Polynomial(std::move(terms));
}

Polynomial constant(const Rational& value, const std::string& v) {
    return Polynomial({Monomial(value, 0, v)});
}

Polynomial appended(const Polynomial& side, const Monomial& term) {
    Polynomial result = side;
    result.terms.push_back(term);
    return result;
}

}  // namespace

Monomial divideMonomialByLeadingCoefficient(const PolyEquation& e, const Monomial& term) {
    return {unwrapped(term.coefficient.divided(firstTerm(e.LHS).coefficient)), term.exponent, term.variable};
}

std::optional<DividedSides> divideBothSidesStep(const PolyEquation& e) {
    const Monomial& lead = firstTerm(e.LHS);
    if (lead.coefficient == Rational(1, 1)) return std::nullopt;
    const Rational r = unwrapped(reciprocal(lead.coefficient)).recolored(Color::red);
    const Term multiplier(Monomial(r, 0, lead.variable), {true, 0});
    const auto times = [&](const Polynomial& side) {
        return Ext_polynomial({toExtPolynomial(side).terms.front(), {multiplier}});
    };
    std::vector<Monomial> divided;
    for (const Monomial& m : e.LHS.terms) divided.push_back(divideMonomialByLeadingCoefficient(e, m));
    const auto note = [](const char* text, const Rational& value) {
        return makeJoinRecord(text::kPaperclip, makeMessageRecord(text, Color::red),
                              record(value.recolored(Color::red), false, Style::fraction));
    };
    return DividedSides{PolyEquation(firstTermStep(e.LHS, Color::red), e.RHS, e.relation),
                        Ext_polyEquation(times(e.LHS), times(e.RHS), e.relation),
                        PolyEquation(Polynomial(std::move(divided)), e.RHS, e.relation),
                        {note("divide both sides by  ", lead.coefficient), note("or multiply by  ", r)}};
}

std::optional<std::vector<PolyEquation>> moveConstantStep(const PolyEquation& e) {
    const Monomial& t = lastTerm(e.LHS);
    if (t.exponent != 0) return std::nullopt;
    Polynomial rest = e.LHS;
    rest.terms.pop_back();
    const Polynomial moved =
        firstTermStep(constant(unwrapped(t.coefficient.negated()), t.variable), Color::red);
    return std::vector<PolyEquation>{PolyEquation(lastTermStep(e.LHS, Color::red), e.RHS, e.relation),
                                     PolyEquation(std::move(rest), moved, e.relation)};
}

std::optional<CompletedSquare> completeSquareStep(const PolyEquation& e, Style style) {
    const Monomial& t = lastTerm(e.LHS);
    if (t.exponent != 1) return std::nullopt;
    const Rational& b = t.coefficient;
    const std::string& v = t.variable;
    const Rational k = firstTerm(e.RHS).coefficient;
    const Rational h = half(b), s = unwrapped(h.multiplied(h));
    const Monomial added(s, 0, v);

    const Polynomial_XL square(
        {{Term_XL(Monomial(Rational(1, 1), 1, v)), Term_XL(Monomial(h.recolored(Color::red), 0, v))},
         {Term_XL(Monomial(Rational(1, 1), 0, v), {Factor(0, 2)})}});
    const Polynomial_XL sum({{Term_XL(Monomial(unwrapped(k.adding(s)), 0, v))}});
    const auto value = [style](const Rational& r, Color c) { return record(r.recolored(c), false, style); };
    const auto m = [](const std::string& text, Color c) { return makeMessageRecord(text, c); };
    CompletedSquare result{{PolyEquation(lastTermStep(e.LHS, Color::red), e.RHS, e.relation),
                            PolyEquation(lastTermStep(appended(e.LHS, added), Color::blue),
                                         lastTermStep(appended(e.RHS, added), Color::blue), e.relation)},
                           Polynomial_Equation_XL(square, sum, e.relation),
                           {}};
    std::vector<Record>& notes = result.notes;
    notes.push_back(sideBySide(m("halve " + v + " coefficient from ", Color::red), value(b, Color::red),
                               m(" to ", Color::red), value(h, Color::red)));
    notes.push_back(sideBySide(m("square to ", Color::blue), value(s, Color::blue),
                               m(" , add to both sides", Color::blue)));
    notes.push_back(m("complete the square", Color::black));
    return result;
}

std::vector<Record> squareRootStep(const PolyEquation& e, Style style) {
    const Monomial& t = lastTerm(e.LHS);
    const Monomial m = t.exponent == 1 ? t : Monomial(Rational(0, 1), 0, t.variable);
    const std::string& v = m.variable;
    const Rational k = firstTerm(e.RHS).coefficient;
    const Rational h = half(m.coefficient);
    const Rational R = unwrapped(k.adding(unwrapped(h.multiplied(h))));
    const QuadraticAnalysis analysis = analyzeQuadratic(e);
    const Rational minusH = unwrapped(h.negated());

    switch (analysis.status) {
        case Quadratic_status::none:
            return {makeMessageRecord("negative RHS, no solution")};
        case Quadratic_status::rational_repeated: {
            std::vector<Record> lines;
            if (h.numerator != 0)
                lines.push_back(
                    record(PolyEquation(plus(v, h), constant(Rational(0, 1), v), e.relation), style));
            lines.push_back(
                record(PolyEquation(plus(v, Rational(0, 1)), constant(minusH, v), e.relation), style));
            return lines;
        }
        default:
            break;
    }
    std::vector<Record> lines;
    lines.push_back(makeJoinRecord(
        text::kEquals, record(recolored(plus(v, h), Color::red), style),
        makeUnaryRecord(
            text::kPlusMinus,
            makeUnaryRecord(text::kRadical, record(recolored(constant(R, v), Color::red), style), Color::red),
            Color::red),
        Color::red));
    if (analysis.status == Quadratic_status::rational_distinct && h.numerator != 0) {
        const Rational root(unwrapped(exactSquareRoot(R.numerator)),
                            unwrapped(exactSquareRoot(R.denominator)));
        lines.push_back(makeJoinRecord(
            text::kEquals, record(plus(v, Rational(0, 1)), style),
            makeJoinRecord(text::kPlusMinus, record(minusH, false, style), record(root, false, style))));
    }
    lines.push_back(unwrapped(solutionsLine(v, analysis, style)));
    return lines;
}

}  // namespace radixmender
