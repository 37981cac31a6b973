#include "solvers/linear_core.hpp"

#include <stdexcept>
#include <utility>
#include <vector>

#include "algebra/algebra_records.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "solvers/clean_up.hpp"
#include "solvers/clearing_note.hpp"
#include "solvers/equation_lines.hpp"
#include "solvers/moving_terms.hpp"
#include "solvers/numbers.hpp"
#include "solvers/rearranging.hpp"

namespace radixmender {

namespace {

using Lines = std::vector<Record>;

Record message(const std::string& text) { return makeMessageRecord(text); }

Polynomial single(const Monomial& term) { return Polynomial({term}); }

// The letter of the first variable term with a numerator other than 0.
std::string variableOf(const PolyEquation& e) {
    for (const Polynomial* side : {&e.LHS, &e.RHS})
        for (const Monomial& m : side->terms)
            if (m.exponent == 1 && m.coefficient.numerator != 0) return m.variable;
    return rawValue(Var::x);
}

class LinearCore {
public:
    LinearCore(const PolyEquation& given, const SolverOptions& options)
        : technique_(options.technique),
          colored_(options.colored),
          continued_(options.continued),
          style_(options.style),
          method_(options.method),
          clearing_(options.clearing),
          random_(options.random),
          relationArgument_(given.relation),
          variable_(variableOf(given)),
          unit_(Rational(1, 1), 1, variable_),
          minusUnit_(Rational(-1, 1), 1, variable_),
          title_("solve for " + variable_),
          opening_(removingZeroTerms(given, true)),
          working_(opening_) {}

    SolverResult solve() {
        solution_ = linearSolution(opening_);
        openingRow_ = {line(opening_)};
        workingLine_ = openingRow_[0];
        summary_ = openingRow_;
        const bool solved = isSolved(opening_, style_ == Style::decimal);
        if (solution_.status != Status::unique || !solved || style_ == Style::rational_fraction)
            summary_.push_back(verdictLine(solution_, variable_, style_));
        if (!continued_) append(openingRow_, text::kThinking);
        if (auto early = earlyStep()) return close(std::move(*early), "solve");
        prepare();
        collect();
        return solveForVariable();
    }

private:
    // Lines in the solver's style that restate an equation share one record.
    Record line(const PolyEquation& e, std::optional<Style> style = std::nullopt) const {
        return !style || *style == style_ ? lines_(e) : record(e, *style);
    }
    // The record of the working equation, written once for each.
    const Record& workingLine() {
        if (!workingLine_) workingLine_ = line(working_);
        return *workingLine_;
    }
    void setWorking(PolyEquation e) {
        working_ = std::move(e);
        workingLine_.reset();
    }
    Color highlight() const { return colored_ ? Color::red : Color::black; }
    // Red for a relation that is no "=" when colored.
    Color relationColor(bool turned = true) const {
        return colored_ && turned && relationArgument_ != Relation::equal_to ? Color::red : Color::black;
    }
    Style earlyStyle() const { return style_ == Style::decimal ? Style::decimal : Style::fraction; }
    Polynomial valueSide(const Rational& value) const { return single(Monomial(value, 0)); }
    // variable (relation) value, with the relation in the relation colour.
    PolyEquation solutionEquation() const {
        return {single(unit_), valueSide(solution_.value), solution_.relation, relationColor()};
    }
    // value (reversed relation) variable.
    PolyEquation reversedSolution(Color color) const {
        return {valueSide(solution_.value), single(unit_), reversed(solution_.relation), color};
    }
    Lines withCarried(Lines lines) const {
        lines.insert(lines.begin(), carried_.begin(), carried_.end());
        return lines;
    }
    void append(Lines step, const std::string& comment) {
        result_.steps.push_back(std::move(step));
        result_.comments.push_back({comment});
    }
    void appendNote(Lines& step) const {
        if (continued_) return;
        for (Record& blank : makeBlankRecords(2)) step.push_back(std::move(blank));
        step.push_back(message("notice  -" + variable_ + "  to  " + variable_ +
                               "  conversion\nmultiplication of both sides\nby (-1)"));
    }

    SolverResult close(Lines solveStep, const std::string& comment) {
        if (continued_) return {{std::move(solveStep)}, {{comment}}};
        append(std::move(solveStep), comment);
        return finish();
    }
    SolverResult finish() {
        if (!continued_) append(std::move(summary_), text::kCool);
        return std::move(result_);
    }

    // The short outcomes of an equation already (nearly) solved.
    std::optional<Lines> earlyStep() const {
        const Polynomial &L = opening_.LHS, &R = opening_.RHS;
        const auto c = [](const Polynomial& s, bool reduced) { return isSingleReducedConstant(s, reduced); };
        const auto x = [](const Polynomial& s) { return isSingleVariableTerm(s, false); };
        const auto minusX = [](const Polynomial& s) { return isSingleVariableTerm(s, true); };
        const PolyEquation reducedOpening = reducingCoefficients(opening_);
        Lines step = openingRow_;
        const auto reducedRow = [&] {
            if (style_ != Style::decimal) step.push_back(line(reducedOpening, earlyStyle()));
        };
        if (c(L, true) && c(R, true)) return summary_;
        if (c(L, false) && c(R, false)) {
            reducedRow();
            step.insert(step.end(), summary_.begin() + 1, summary_.end());
            return step;
        }
        for (const bool reduced : {true, false}) {
            if (minusX(L) && c(R, reduced)) {
                if (!reduced) reducedRow();
                step.push_back(line(solutionEquation(), earlyStyle()));
                appendNote(step);
                return step;
            }
        }
        for (const bool reduced : {true, false})
            if (x(L) && c(R, reduced)) {
                if (!reduced) reducedRow();
                return step;
            }
        for (const bool reduced : {true, false})
            if (minusX(R) && c(L, reduced)) {
                if (!reduced) reducedRow();
                step.push_back(line(reversedSolution(relationColor()), earlyStyle()));
                step.push_back(line(solutionEquation(), earlyStyle()));
                appendNote(step);
                return step;
            }
        for (const bool reduced : {true, false})
            if (c(L, reduced) && x(R)) {
                if (!reduced) reducedRow();
                const PolyEquation& e = reduced || style_ == Style::decimal ? opening_ : reducedOpening;
                step.push_back(line(PolyEquation(e.RHS, e.LHS, reversed(relationArgument_), relationColor()),
                                    earlyStyle()));
                return step;
            }
        return std::nullopt;
    }

    // One stage: its lines after the carried ones, then the equation before
    // it joins the carried lines and `after` becomes the working equation.
    // (Callers build `lines` before moving `after` in: the order in which
    // arguments are evaluated is unspecified.)
    void stage(Lines lines, const std::string& comment, PolyEquation after, Lines carriedToo = {}) {
        append(withCarried(std::move(lines)), comment);
        carried_.push_back(workingLine());
        for (Record& r : carriedToo) carried_.push_back(std::move(r));
        setWorking(std::move(after));
    }

    void combine(bool simpleOnly, const char* comment) {
        CombinedEquation combined = combiningLikeTerms(working_, simpleOnly);
        if (!combined.changed) return;
        Lines lines{workingLine(), line(combined.equation)};
        stage(std::move(lines), comment, std::move(combined.equation));
    }

    void prepare() {
        const Step_exclusions first = stepExclusions(opening_, style_);
        if (first != Step_exclusions::reduce && first != Step_exclusions::reduce_and_clear &&
            hasUnreducedCoefficient(working_)) {
            PolyEquation reduced = reducingCoefficients(working_);
            Lines lines{workingLine(), line(reduced)};
            stage(std::move(lines), "simplify", std::move(reduced));
        }
        combine(true, "combine simple like terms");
        const Step_exclusions second = stepExclusions(working_, style_);
        if (clearing_ && second != Step_exclusions::clear && second != Step_exclusions::reduce_and_clear &&
            hasFractionalCoefficient(working_))
            clearFractions();
        combine(false, "combine like terms");
    }

    void clearFractions() {
        PolyEquation cleared = clearingFractions(working_);
        const std::int64_t m = lcmOfDenominators(working_);
        const std::string comment = clearingComment(style_);
        if (m == 1) {
            Lines lines{workingLine(), line(cleared)};
            return stage(std::move(lines), comment, std::move(cleared));
        }
        // Uncoloured, the carried line is the multiplied one as shown.
        Record multiplied = record(PolyEquation::PolyEquationClear(m, working_, highlight()), style_);
        Record carriedMultiplied =
            highlight() == Color::black
                ? multiplied
                : record(PolyEquation::PolyEquationClear(m, working_, Color::black), style_);
        Lines lines{line(highlightingFractions(working_, highlight())), std::move(multiplied), line(cleared)};
        for (Record& blank : makeBlankRecords(2)) lines.push_back(std::move(blank));
        lines.push_back(message(clearingNote(m, style_)));
        stage(std::move(lines), comment, std::move(cleared), {std::move(carriedMultiplied)});
    }

    void collect() {
        if (auto advice = transposeAdvice(working_, technique_, colored_, method_, random_)) {
            const std::vector<PolyEquation>& shown = advice->equations;
            Lines lines;
            for (const PolyEquation& e : shown) lines.push_back(line(e));
            if (advice->advice) lines.push_back(message(*advice->advice));
            append(withCarried(std::move(lines)), variable_ + " terms to one side");
            for (std::size_t i = 0; i + 1 < shown.size(); ++i)
                carried_.push_back(line(recolored(shown[i], Color::black, Color::black, Color::black)));
            setWorking(recolored(shown.back(), Color::black, Color::black, Color::black));
        }
        EditedTerms edited = editTermsStep(working_, technique_, colored_);
        if (!edited.moved) return;
        append(withCarried({line(edited.first), line(edited.second), line(edited.third)}),
               "constant terms opposite to " + variable_);
        carried_.push_back(workingLine());
        carried_.push_back(line(edited.third));
        setWorking(combiningLikeTerms(edited.third, false).equation);
    }

    // Collecting leaves one term a side: a variable term in the letter and
    // a constant, or two constants.
    void requireSolvedShape() const {
        const auto fits = [&](const Polynomial& side) {
            return side.terms.size() == 1 && side.terms[0].exponent <= 1 &&
                   (side.terms[0].exponent == 0 || side.terms[0].variable == variable_);
        };
        if (!fits(working_.LHS) || !fits(working_.RHS) ||
            working_.LHS.terms[0].exponent + working_.RHS.terms[0].exponent > 1)
            throw std::invalid_argument("the linear solver takes a linear equation in one letter (" +
                                        variable_ + "); this one has a square term or a second letter");
    }

    SolverResult solveForVariable() {
        requireSolvedShape();
        Monomial vT = working_.LHS.terms[0], cT = working_.RHS.terms[0];
        const bool onLeft = !(vT.exponent == 0 && cT.exponent == 1);
        if (!onLeft) std::swap(vT, cT);
        if (vT.exponent == 0 && cT.exponent == 0) {
            carried_.push_back(workingLine());
            append(withCarried({message(rawValue(solution_.status))}), "solve");
            return finish();
        }
        if (vT == unit_ || vT == minusUnit_) {
            unitCoefficient(onLeft, vT == unit_);
            return finish();
        }
        carried_.push_back(sidesInOrder(onLeft, rawValue(working_.relation), record(vT, style_),
                                        record(cT, style_), Color::black));
        const Rational &a = vT.coefficient, &b = cT.coefficient;
        if (a.denominator == 1 && b.denominator == 1)
            divide(onLeft, vT, cT);
        else
            multiplyByReciprocal(onLeft, vT, cT);
        append(std::move(carried_), title_);
        return finish();
    }

    static Record sidesInOrder(bool onLeft, const std::string& relation, Record variableSide,
                               Record constantSide, Color color) {
        return onLeft ? makeJoinRecord(relation, std::move(variableSide), std::move(constantSide), color)
                      : makeJoinRecord(relation, std::move(constantSide), std::move(variableSide), color);
    }

    void unitCoefficient(bool onLeft, bool plus) {
        if (onLeft && plus) return;
        Lines step;
        if (!onLeft && !plus) {
            carried_.push_back(workingLine());
            carried_.push_back(line(reversedSolution(relationColor())));
        } else {
            step.push_back(workingLine());
        }
        step.push_back(line(solutionEquation()));
        if (!plus) appendNote(step);
        append(withCarried(std::move(step)), title_);
    }

    // a·x (relation) b with whole a and b: both sides over a.
    void divide(bool onLeft, const Monomial& vT, const Monomial& cT) {
        const std::int64_t a = vT.coefficient.numerator;
        const Color over = highlight();
        Monomial vI = vT, cI = cT;
        vI.coefficient = Rational(a, a, Color::black, over, over);
        cI.coefficient = Rational(cT.coefficient.numerator, a, Color::black, over, over);
        const Relation r = a > 0 ? working_.relation : reversed(working_.relation);
        carried_.push_back(
            sidesInOrder(onLeft, rawValue(r),
                         record(technique_ == Technique::balance ? vI : unit_, Style::rational_fraction),
                         record(cI, Style::rational_fraction), relationColor(a < 0)));
        if (onLeft) {
            carried_.push_back(
                line(PolyEquation(single(unit_), valueSide(solution_.value), solution_.relation),
                     Style::fraction));
        } else {
            carried_.push_back(line(reversedSolution(Color::black), Style::fraction));
            carried_.push_back(line(solutionEquation(), Style::fraction));
        }
    }

    // a·x (relation) b with a fraction among a and b: both sides times 1/a.
    void multiplyByReciprocal(bool onLeft, const Monomial& vT, const Monomial& cT) {
        const Rational &a = vT.coefficient, &b = cT.coefficient;
        const bool negative = unwrapped(a.isNegative());
        const Relation r = negative ? reversed(working_.relation) : working_.relation;
        const Rational inverse = unwrapped(reciprocal(a)).recolored(highlight());
        const auto factor = [&] {
            return record(inverse, !(a.numerator == 1 && b.denominator == 1), style_);
        };
        Record constantSide =
            makeJoinRecord(text::kPaperclip, factor(), makeUnaryRecord(text::kParens, record(cT, style_)));
        Record variableSide =
            technique_ == Technique::balance
                ? makeJoinRecord(text::kPaperclip, factor(),
                                 makeUnaryRecord(text::kParens, record(vT, style_), highlight()), highlight())
                : record(unit_, style_);
        carried_.push_back(sidesInOrder(onLeft, rawValue(r), std::move(variableSide), std::move(constantSide),
                                        relationColor(negative)));
        const Rational p = unwrapped(b.multiplied(inverse, false)).blackCopy();
        const auto product = [&](const Rational& value) {
            const PolyEquation e = onLeft ? PolyEquation(single(unit_), valueSide(value), r)
                                          : PolyEquation(valueSide(value), single(unit_), r);
            carried_.push_back(line(e, Style::fraction));
        };
        product(p);
        if (unwrapped(needsReducing(p))) product(unwrapped(p.reduced()));
        if (!onLeft) carried_.push_back(line(solutionEquation(), Style::fraction));
    }

    Technique technique_;
    bool colored_, continued_;
    Style style_;
    Method method_;
    bool clearing_;
    RandomSource& random_;
    Relation relationArgument_;
    std::string variable_;
    Monomial unit_, minusUnit_;
    std::string title_;
    PolyEquation opening_, working_;
    LinearSolution solution_;
    std::optional<Record> workingLine_;
    Lines openingRow_, summary_, carried_;
    SolverResult result_;
    mutable EquationLines<PolyEquation> lines_{style_};
};

}  // namespace

SolverResult divisionByZeroResult(Record equationLine) {
    Lines step{std::move(equationLine)};
    for (Record& blank : makeBlankRecords(2)) step.push_back(std::move(blank));
    step.push_back(message("division by zero"));
    step.push_back(message("please correct"));
    return {{std::move(step)}, {{"oops"}}};
}

Record verdictLine(const LinearSolution& solution, const std::string& variable, Style style) {
    if (solution.status != Status::unique) return message(rawValue(solution.status));
    const PolyEquation e(single(Monomial(Rational(1, 1), 1, variable)), single(Monomial(solution.value, 0)),
                         solution.relation);
    return record(e, style == Style::decimal ? Style::decimal : Style::fraction);
}

SolverResult solveLinear(const PolyEquation& equation, const SolverOptions& options) {
    if (hasZeroDenominator(equation)) {
        // A side without terms is shown as 0.
        const auto shown = [](const Polynomial& side) { return side.terms.empty() ? zeroSide() : side; };
        return divisionByZeroResult(record(PolyEquation(shown(equation.LHS), shown(equation.RHS),
                                                        equation.relation, equation.relation_color),
                                           options.style));
    }
    return LinearCore(equation, options).solve();
}

}  // namespace radixmender
