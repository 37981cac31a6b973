#include "solvers/linear_parentheses.hpp"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "solvers/clearing_note.hpp"
#include "solvers/linear_core.hpp"
#include "solvers/parentheses_records.hpp"
#include "solvers/parentheses_stages.hpp"

namespace radixmender {

namespace {

using Lines = std::vector<Record>;
using EquationStage = BeforeAfter<Ext_polyEquation>;

template <class F>
Ext_polyEquation mapSides(const Ext_polyEquation& e, F f) {
    return {f(e.LHS), f(e.RHS), e.relation};
}

Ext_polyEquation black(const Ext_polyEquation& e) {
    return mapSides(e, [](const Ext_polynomial& side) { return recolored(side, Color::black); });
}

bool hasParentheses(const Ext_polyEquation& e) { return hasParentheses(e.LHS) || hasParentheses(e.RHS); }

// Zero terms and parentheses around 1 dropped, black.
Ext_polyEquation prepared(const Ext_polyEquation& e) {
    return mapSides(
        e, [](const Ext_polynomial& side) { return removeAllParentheses(removingZeroTerms(side, true)); });
}

// Constants under constant multipliers merged, none when neither side has one.
std::optional<Ext_polyEquation> distributingAllCoefficients(const Ext_polyEquation& e) {
    auto left = distributeAllCoefficients(e.LHS), right = distributeAllCoefficients(e.RHS);
    if (!left && !right) return std::nullopt;
    return Ext_polyEquation(left ? std::move(*left) : e.LHS, right ? std::move(*right) : e.RHS, e.relation);
}

// `f` on each side: the input, and the input with every side that changed
// replaced; none when neither did.
template <class F>
std::optional<EquationStage> onEachSide(const Ext_polyEquation& e, F f) {
    auto left = f(e.LHS), right = f(e.RHS);
    if (!left && !right) return std::nullopt;
    return EquationStage{
        e, Ext_polyEquation(left ? std::move(left->after) : e.LHS, right ? std::move(right->after) : e.RHS,
                            e.relation, e.relation_color)};
}

// One pair of parentheses multiplied out, on the left side when it has one.
std::optional<EquationStage> distributeStage(const Ext_polyEquation& e, bool colored) {
    if (auto left = distribute(e.LHS, colored))
        return EquationStage{Ext_polyEquation(std::move(left->before), e.RHS, e.relation, e.relation_color),
                             Ext_polyEquation(std::move(left->after), e.RHS, e.relation, e.relation_color)};
    if (auto right = distribute(e.RHS, colored))
        return EquationStage{Ext_polyEquation(e.LHS, std::move(right->before), e.relation, e.relation_color),
                             Ext_polyEquation(e.LHS, std::move(right->after), e.relation, e.relation_color)};
    return std::nullopt;
}

struct ClearedFractions {
    Ext_polyEquation highlighted, multiplied, cleared;
    std::int64_t L;
};

// Both sides times the lcm L of the top-level denominators: the denominators
// marked, L(…) on each side, and the whole terms; none when L is 1.
std::optional<ClearedFractions> clearFractionsStage(const Ext_polyEquation& e, bool colored) {
    const auto lcmOf = [](const Ext_polynomial& side) {
        std::int64_t L = 1;
        for (const Term& t : side.terms.back()) L = lcmWithDenominator(L, t);
        return L;
    };
    const std::int64_t L = lcm(lcmOf(e.LHS), lcmOf(e.RHS));
    if (L == 1) return std::nullopt;
    const auto onTop = [](Ext_polynomial side, auto f) {
        for (Term& t : side.terms.back()) t = f(t);
        return side;
    };
    const auto highlighted = [&](const Ext_polynomial& side) {
        return onTop(side, [&](const Term& t) { return highlightDenominator(t, colored); });
    };
    const auto multiplied = [&](Ext_polynomial side) {
        const Rational factor(L, 1, colored ? Color::red : Color::black, Color::black, Color::black);
        const std::uint64_t top = side.terms.size() - 1;
        side.terms.push_back({Term(Monomial(factor, 0), {true, top})});
        return side;
    };
    const auto cleared = [&](const Ext_polynomial& side) {
        return removeAllParentheses(onTop(side, [&](const Term& t) { return scaledByLcm(t, L); }));
    };
    return ClearedFractions{mapSides(e, highlighted), mapSides(e, multiplied), mapSides(e, cleared), L};
}

std::string variableOf(const Ext_polyEquation& e) {
    for (const Ext_polynomial* side : {&e.LHS, &e.RHS})
        for (const std::vector<Term>& list : side->terms)
            for (const Term& t : list)
                if (t.monomial.exponent == 1 && t.monomial.coefficient.numerator != 0)
                    return t.monomial.variable;
    return rawValue(Var::x);
}

// The stages of the parentheses, written as steps when `writing`; the
// verdict alone needs none of the records.
class Stages {
public:
    Stages(const SolverOptions& options, bool writing) : o_(options), writing_(writing) {}

    // The flat equation the stages leave for the core, from the prepared E.
    PolyEquation run(const Ext_polyEquation& E) {
        if (auto merged = distributingAllCoefficients(E)) {
            if (!hasParentheses(*merged)) {
                direct_ = true;
                return toPolyEquation(*merged);
            }
            if (writing_) carried_.push_back(line(E));
            working_ = std::move(*merged);
        } else {
            working_ = E;
        }
        if (auto s = onEachSide(working_, reduceCoefficients)) stage(std::move(*s), "simplify");
        if (o_.fractions) clearFractions();
        for (;;) {
            if (auto k = onEachSide(working_,
                                    [](const Ext_polynomial& side) { return combineLikeTerms(side, true); }))
                stage(std::move(*k), "combine simple like terms");
            auto d = distributeStage(working_, o_.colored);
            if (!d) break;
            stage(std::move(*d), "distribute to remove (  )");
        }
        return toPolyEquation(working_);
    }

    // True when the constants merged straight into a flat equation.
    bool direct() const { return direct_; }
    const Lines& carried() const { return carried_; }
    SolverResult& result() { return result_; }

private:
    Record line(const Ext_polyEquation& e) const { return record(e, o_.style); }

    void append(Lines lines, const std::string& comment) {
        Lines step = carried_;
        step.insert(step.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
        result_.steps.push_back(std::move(step));
        result_.comments.push_back({comment});
    }

    void stage(EquationStage s, const std::string& comment) {
        if (writing_) {
            append({line(s.before), line(s.after)}, comment);
            carried_.push_back(line(working_));
        }
        working_ = black(s.after);
    }

    void clearFractions() {
        auto f = clearFractionsStage(working_, o_.colored);
        if (!f) return;
        if (writing_) {
            append({line(f->highlighted), line(f->multiplied), line(f->cleared),
                    makeMessageRecord("\n" + clearingNote(f->L, Style::fraction))},
                   clearingComment(Style::fraction));
            carried_.push_back(line(working_));
            carried_.push_back(line(black(f->multiplied)));
        }
        working_ = black(f->cleared);
    }

    SolverOptions o_;
    bool writing_;
    bool direct_ = false;
    Ext_polyEquation working_{Ext_polynomial({}), Ext_polynomial({}), Relation::equal_to};
    Lines carried_;
    SolverResult result_;
};

void requireWellFormed(const Ext_polyEquation& e) {
    requireWellFormed(e.LHS);
    requireWellFormed(e.RHS);
}

}  // namespace

SolverResult solveLinear(const Ext_polyEquation& equation, const SolverOptions& options) {
    const Style style = options.style;
    requireWellFormed(equation);
    if (hasZeroDenominator(equation.LHS) || hasZeroDenominator(equation.RHS))
        return divisionByZeroResult(record(equation, style));
    const std::string variable = variableOf(equation);
    const Ext_polyEquation E = prepared(equation);
    if (!hasParentheses(E))
        return solveLinear(toPolyEquation(E), options);

    const Record opening = record(E, style);
    Stages stages(options, true);
    if (!options.continued) {
        stages.result().steps.push_back({opening});
        stages.result().comments.push_back({text::kThinking});
    }
    const PolyEquation P = stages.run(E);
    SolverResult& result = stages.result();
    if (stages.direct() || !isSolved(P, style == Style::decimal)) {
        SolverOptions coreOptions = options;
        coreOptions.continued = true;
        SolverResult core = solveLinear(P, coreOptions);
        const Lines& lead = stages.direct() ? Lines{opening} : stages.carried();
        for (Step& step : core.steps) {
            step.insert(step.begin(), lead.begin(), lead.end());
            result.steps.push_back(std::move(step));
        }
        for (Comment& comment : core.comments) result.comments.push_back(std::move(comment));
    }
    if (!options.continued) {
        result.steps.push_back({opening, verdictLine(linearSolution(P), variable, style)});
        result.comments.push_back({text::kCool});
    }
    return std::move(result);
}

LinearSolution linearSolution(const Ext_polyEquation& equation) {
    requireWellFormed(equation);
    const Ext_polyEquation E = prepared(equation);
    if (!hasParentheses(E)) return linearSolution(toPolyEquation(E));
    return linearSolution(
        Stages({.colored = true, .continued = true}, false)
            .run(E));
}

}  // namespace radixmender
