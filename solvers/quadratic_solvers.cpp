#include "solvers/quadratic_solvers.hpp"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "algebra/algebra_records.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "solvers/clean_up.hpp"
#include "solvers/clearing_note.hpp"
#include "solvers/equation_lines.hpp"
#include "solvers/factoring_steps.hpp"
#include "solvers/formula_steps.hpp"
#include "solvers/linear_core.hpp"
#include "solvers/numbers.hpp"
#include "solvers/parentheses_records.hpp"
#include "solvers/parentheses_stages.hpp"
#include "solvers/queries.hpp"
#include "solvers/rearranging.hpp"
#include "solvers/solution_record.hpp"
#include "solvers/square_steps.hpp"
#include "solvers/verdicts.hpp"

namespace radixmender {

namespace {

template <class Equation>
Equation black(const Equation& e) {
    return recolored(e, Color::black, Color::black, Color::black);
}

enum class Way { formula, factor, complete_the_square };

Record message(const std::string& text, Color color = Color::black) { return makeMessageRecord(text, color); }

void append(std::vector<Record>& lines, std::vector<Record> more) {
    for (Record& r : more) lines.push_back(std::move(r));
}

// The lines of a step, taken over rather than copied (a braced list would
// copy every record).
template <class... Lines>
std::vector<Record> linesOf(Lines&&... lines) {
    std::vector<Record> result;
    result.reserve(sizeof...(lines));
    (result.push_back(std::forward<Lines>(lines)), ...);
    return result;
}

// A step the solver refuses to go on from, shaped as the division-by-zero step.
SolverResult refused(Record equationLine, const std::string& reason) {
    Step lines{std::move(equationLine)};
    append(lines, makeBlankRecords(2));
    lines.push_back(message(reason));
    lines.push_back(message("please correct"));
    return {{std::move(lines)}, {{"oops"}}};
}

// A letter beside the solver's: the equation is in two unknowns, whatever
// cancels later (x² − 1 = w² is no equation in x).
bool hasSecondLetter(const PolyEquation& e, const std::string& variable) {
    for (const Polynomial* side : {&e.LHS, &e.RHS})
        for (const Monomial& m : side->terms)
            if (m.coefficient.numerator != 0 && m.exponent > 0 && m.variable != variable) return true;
    return false;
}

// Why the quadratic road cannot take the equation, if it cannot: a power
// above 2 that does not cancel across the sides (x³ + x² = x³ + 4 is the
// quadratic x² − 4 = 0), square terms that cancel, an inequality.
std::optional<std::string> refusal(const PolyEquation& e) {
    for (const Polynomial* side : {&e.LHS, &e.RHS})
        for (const Monomial& m : side->terms)
            if (m.exponent > 2 && coefficientDifference(e, m.exponent).numerator != 0)
                return "not a quadratic equation";
    if (coefficientDifference(e, 2).numerator == 0) return "not a quadratic equation";
    if (e.relation != Relation::equal_to) return "quadratic inequality";
    return std::nullopt;
}

// One call of a solver: the equation as it stands, the lines settled so far
// and the steps written.
class Derivation {
public:
    Derivation(const PolyEquation& cleaned, std::string letter, Style lineStyle, bool continuation)
        : current(cleaned),
          variable(std::move(letter)),
          style(lineStyle),
          continued(continuation),
          lines_(lineStyle),
          opening(line(cleaned)) {
        if (!continued) write(linesOf(Record(opening)), text::kThinking);
    }

    // An equation restated (the line before a stage is the line after the
    // last) shares the record written before.
    [[nodiscard]] Record line(const PolyEquation& e) { return lines_(e); }

    // A step of the settled lines followed by `lines`.
    void step(std::vector<Record> lines, std::string comment) {
        Step s = history;
        append(s, std::move(lines));
        write(std::move(s), std::move(comment));
    }

    // A stage that replaces the equation: before and after; before is settled.
    void replace(const PolyEquation& after, std::string comment) {
        Record before = line(current);
        step(linesOf(Record(before), line(after)), std::move(comment));
        history.push_back(std::move(before));
        current = after;
    }

    // Descending powers = 0, the note below (or, with `blankWithoutNote`, a
    // blank line when there is none).
    void exchangeSides(bool blankWithoutNote) {
        const ExchangedSides x = exchangeSidesStep(current);
        if (!x.equations) return;
        const std::vector<PolyEquation>& q = *x.equations;
        std::vector<Record> lines;
        for (const PolyEquation& e : q) lines.push_back(line(e));
        const std::vector<Record> settled(lines.begin(), lines.end() - 1);
        if (x.note)
            lines.push_back(message(*x.note));
        else if (blankWithoutNote)
            append(lines, makeBlankRecords(0));
        step(std::move(lines), "descending powers of " + variable);
        history.insert(history.end(), settled.begin(), settled.end());
        current = q.back();
    }

    // The equation has no square term left: the linear core finishes it.
    SolverResult finishLinear(bool clearing, RandomSource& random) && {
        if (!isSolved(current, style == Style::decimal)) {
            SolverResult linear = solveLinear(current, {.technique = Technique::transpose,
                                                        .colored = false,
                                                        .continued = true,
                                                        .style = style,
                                                        .method = Method::smart,
                                                        .clearing = clearing,
                                                        .random = random});
            for (std::size_t i = 0; i < linear.steps.size(); ++i) {
                Step s = history;
                append(s, std::move(linear.steps[i]));
                result.steps.push_back(std::move(s));
                result.comments.push_back(std::move(linear.comments[i]));
            }
        }
        if (!continued)
            write(linesOf(std::move(opening), verdictLine(linearSolution(current), variable, style)),
                  text::kCool);
        return std::move(result);
    }

    // The roots of the cleaned equation and their kind; by factoring also the
    // order in which they are written.
    SolverResult close(const PolyEquation& cleaned, bool numberLineNote) && {
        if (continued) return std::move(result);
        const QuadraticAnalysis analysis = analyzeQuadratic(cleaned);
        Step lines = linesOf(std::move(opening));
        append(lines, makeBlankRecords(2));
        if (auto roots = solutionsLine(variable, analysis,
                                       style == Style::fraction ? Style::rational_fraction : style))
            lines.push_back(std::move(*roots));
        lines.push_back(message(rawValue(analysis.status)));
        if (numberLineNote && analysis.status == Quadratic_status::rational_distinct)
            lines.push_back(message("(number line order)"));
        else if (numberLineNote && analysis.status != Quadratic_status::none &&
                 analysis.status != Quadratic_status::rational_repeated)
            lines.push_back(message("(number line order)\n\nshown for convenience"));
        write(std::move(lines), text::kCool);
        return std::move(result);
    }

    PolyEquation current;
    std::vector<Record> history;
    const std::string variable;
    const Style style;

private:
    void write(Step lines, std::string comment) {
        result.steps.push_back(std::move(lines));
        result.comments.push_back({std::move(comment)});
    }

    bool continued;
    EquationLines<PolyEquation> lines_;
    Record opening;
    SolverResult result;
};

// Factoring's first stage: fractions and decimals cleared, whatever the
// clearing option says.
void clearFractions(Derivation& d, bool colored) {
    const PolyEquation& e = d.current;
    if (!hasFractionalCoefficient(e)) return;
    const PolyEquation cleared = clearingFractions(e);
    const std::int64_t L = lcmOfDenominators(e);
    if (L == 1) {
        d.replace(cleared, clearingComment(d.style));
        return;
    }
    const Color c = colored ? Color::red : Color::black;
    std::vector<Record> lines =
        linesOf(d.line(highlightingFractions(e, c)),
                record(PolyEquation::PolyEquationClear(L, e, c), d.style), d.line(cleared));
    append(lines, makeBlankRecords(2));
    lines.push_back(message(clearingNote(L, d.style)));
    d.step(std::move(lines), clearingComment(d.style));
    d.history.push_back(d.line(e));
    d.history.push_back(record(PolyEquation::PolyEquationClear(L, e, Color::black), d.style));
    d.current = cleared;
}

void factorStages(Derivation& d, bool colored) {
    if (const auto gcd = factorOutGcdStep(d.current)) {
        std::vector<Record> lines;
        for (const Ext_polyEquation& e : gcd->equations)
            lines = appendExtEquationRecord(std::move(lines), e, d.style);
        lines.push_back(message(gcd->note));
        d.step(std::move(lines), "simplify the equation");
        for (std::size_t i = 0; i + 1 < gcd->equations.size(); ++i)
            d.history = appendRecoloredExtEquationRecord(std::move(d.history), gcd->equations[i], d.style);
        d.current = toPolyEquation(gcd->equations.back());
    }
    d.history.push_back(d.line(d.current));
    if (const auto factored = factorability(d.current)) {
        d.history.push_back(record(*factored, d.style));
        d.step({}, "complete the factorization");
    }
    const FactorStep f = factorStep(d.current, colored);
    const auto line = [](const PolyEquation& e) { return record(e, Style::fraction); };
    std::vector<Record> lines = makeBlankRecords(2);
    if (f.A && f.B) {
        const Color c = colored ? Color::red : Color::black;
        lines.push_back(sideBySide(line(f.A->front()), message(" or ", c), line(f.B->front())));
        lines.push_back(sideBySide(line(f.A->back()), message(" or "), line(f.B->back())));
    } else if (f.A) {
        lines.push_back(line(f.A->front()));
        lines.push_back(line(f.A->back()));
    } else if (f.note) {
        lines.push_back(message(*f.note));
        d.step(std::move(lines), "no solution");
        return;
    } else {
        return;
    }
    d.step(std::move(lines), "zero-product rule");
}

void completeTheSquareStages(Derivation& d) {
    if (const auto divided = divideBothSidesStep(d.current)) {
        std::vector<Record> lines = linesOf(d.line(divided->highlighted),
                                            record(divided->multiplied, d.style), d.line(divided->divided));
        append(lines, divided->notes);
        d.step(std::move(lines), "divide by coefficient of " + d.variable + "\u00B2");
        d.history.push_back(d.line(black(divided->highlighted)));
        d.history.push_back(record(black(divided->multiplied), d.style));
        d.current = black(divided->divided);
    }
    if (const auto moved = moveConstantStep(d.current)) {
        std::vector<Record> lines;
        for (const PolyEquation& e : *moved) lines.push_back(d.line(e));
        append(lines, makeBlankRecords(0));
        d.step(std::move(lines), "constant term to right hand side");
        d.history.push_back(d.line(black(moved->front())));
        d.current = black(moved->back());
    }
    if (const auto completed = completeSquareStep(d.current, Style::fraction)) {
        std::vector<Record> lines;
        for (const PolyEquation& e : completed->equations) lines.push_back(d.line(e));
        lines.push_back(record(completed->square, d.style));
        append(lines, completed->notes);
        d.step(std::move(lines), "complete the square");
        for (const PolyEquation& e : completed->equations) d.history.push_back(d.line(black(e)));
        d.history.push_back(record(completed->square.mapSides(Color::black), d.style));
        d.current = black(completed->equations.front());
    } else {
        d.history.push_back(d.line(d.current));
    }
    d.step(squareRootStep(d.current, d.style), "square root and solve");
}

SolverResult solve(const PolyEquation& input, Way way, bool colored, bool continued, Style style,
                   bool clearing, RandomSource& random) {
    if (hasZeroDenominator(input)) return divisionByZeroResult(record(input, style));
    const std::string variable = firstVariable(input, isNonZeroVariableTerm).value_or(rawValue(Var::x));
    if (hasSecondLetter(input, variable)) return refused(record(input, style), "not a quadratic equation");
    const PolyEquation cleaned = removingZeroTerms(input, true);
    Derivation d(cleaned, variable, style, continued);

    if (way == Way::factor)
        clearFractions(d, colored);
    else if (hasUnreducedCoefficient(d.current))
        d.replace(reducingCoefficients(d.current), "simplify");
    if (const CombinedEquation combined = combiningLikeTerms(d.current, false); combined.changed)
        d.replace(combined.equation, "combine like terms");
    if (const auto cancelled = cancellingSameSquareTerm(d.current))
        d.replace(*cancelled, "same square term on both sides");

    const auto& [l, r] = std::pair(d.current.LHS.terms, d.current.RHS.terms);
    const std::int64_t higher = std::accumulate(
        r.begin(), r.end(), std::accumulate(l.begin(), l.end(), std::int64_t{0}, countHigherPowerTerms),
        countHigherPowerTerms);
    if (higher == 0) return std::move(d).finishLinear(clearing, random);
    if (const auto reason = refusal(d.current)) return refused(record(input, style), *reason);

    d.exchangeSides(way != Way::formula);
    switch (way) {
        case Way::formula:
            d.step(formulaSteps(d.current, style, colored), "substitute in formula and solve");
            break;
        case Way::factor:
            factorStages(d, colored);
            break;
        case Way::complete_the_square:
            completeTheSquareStages(d);
            break;
    }
    return std::move(d).close(cleaned, way == Way::factor);
}

}  // namespace

SolverResult solveQuadratic(const PolyEquation& equation, Quadratic_method method,
                            const SolverOptions& options) {
    switch (method) {
        case Quadratic_method::formula:
            return solveQuadraticByFormula(equation, options);
        case Quadratic_method::complete_the_square:
            return solveQuadraticByCompletingSquare(equation, options);
        default:
            return solveQuadraticByFactoring(equation, options);
    }
}

SolverResult solveQuadraticByFormula(const PolyEquation& equation, const SolverOptions& options) {
    return solve(equation, Way::formula, options.colored, options.continued, options.style, options.clearing,
                 options.random);
}

SolverResult solveQuadraticByFactoring(const PolyEquation& equation, const SolverOptions& options) {
    return solve(equation, Way::factor, options.colored, options.continued, options.style, options.clearing,
                 options.random);
}

SolverResult solveQuadraticByCompletingSquare(const PolyEquation& equation, const SolverOptions& options) {
    return solve(equation, Way::complete_the_square, false, options.continued, options.style,
                 options.clearing, options.random);
}

}  // namespace radixmender
