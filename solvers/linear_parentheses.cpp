#include "solvers/linear_parentheses.hpp"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/literals.hpp"
#include "records/writers.hpp"
#include "solvers/clearing_note.hpp"
#include "solvers/equation_lines.hpp"
#include "solvers/linear_core.hpp"
#include "solvers/parentheses_records.hpp"
#include "solvers/parentheses_stages.hpp"

namespace radixmender {

namespace {

using Lines = std::vector<Record>;
Ext_polyEquation black(const Ext_polyEquation& e) {
    return recolored(e, Color::black, Color::black, Color::black);
}

// Zero terms and parentheses around 1 dropped, black.
Ext_polyEquation prepared(const Ext_polyEquation& e) {
    return removingAllParentheses(removingZeroTerms(e, true));
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
        if (auto s = simplifyStage(working_)) stage(std::move(*s), "simplify");
        if (o_.fractions) clearFractions();
        for (;;) {
            if (auto k = combineLikeTermsStage(working_, true))
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

    // An equation restated shares the record written for it.
    Record line(const Ext_polyEquation& e) const { return lines_(e); }

private:
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
    mutable EquationLines<Ext_polyEquation> lines_{o_.style};
};

void requireWellFormed(const Ext_polyEquation& e) {
    requireWellFormed(e.LHS);
    requireWellFormed(e.RHS);
}

}  // namespace

SolverResult solveLinear(const Ext_polyEquation& equation, const SolverOptions& options) {
    const Style style = options.style;
    requireWellFormed(equation);
    if (hasZeroDenominator(equation)) return divisionByZeroResult(record(equation, style));
    const std::string variable = variableOf(equation);
    const Ext_polyEquation E = prepared(equation);
    if (!hasParentheses(E)) return solveLinear(toPolyEquation(E), options);

    Stages stages(options, true);
    const Record opening = stages.line(E);
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
    return linearSolution(Stages({.colored = true, .continued = true}, false).run(E));
}

}  // namespace radixmender
