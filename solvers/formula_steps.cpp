#include "solvers/formula_steps.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "algebra/algebra_records.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "solvers/numbers.hpp"
#include "solvers/solution_record.hpp"
#include "solvers/verdicts.hpp"

namespace radixmender {

namespace {

Record message(const std::string& text, Color color = Color::black) { return makeMessageRecord(text, color); }

Record parens(Record r) { return makeUnaryRecord(text::kParens, std::move(r)); }

// An integer, or a signed fraction, in the coefficient's own colours.
Record written(const Rational& r) { return record(r, false, Style::fraction); }

// The coefficient of the first term of `exponent` in `color`, or 0 in it.
std::optional<Rational> coefficientOf(const Polynomial& side, std::uint64_t exponent, Color color) {
    const auto at = std::find_if(side.terms.begin(), side.terms.end(),
                                 [exponent](const Monomial& m) { return m.exponent == exponent; });
    if (at == side.terms.end()) return std::nullopt;
    return Rational(at->coefficient, color);
}

// v = (P ± √(Q − F)) / T with a, b and c put in.
Record substitutedFormula(const std::string& v, const Rational& a, const Rational& b, const Rational& c) {
    Record P = b.numerator < 0    ? makeUnaryRecord(text::kHyphenMinus, parens(written(b)))
               : b.numerator == 0 ? written(b)
                                  : makeUnaryRecord(text::kHyphenMinus, written(b));
    Record base = b.numerator < 0 || b.denominator != 1 ? parens(written(b)) : written(b);
    Record Q = makeJoinRecord(text::kCaret, std::move(base), message("2"));
    Record F = sideBySide(message("4"), parens(written(a)), parens(written(c)));
    Record T = sideBySide(message("2"), parens(written(a)));
    Record root =
        makeUnaryRecord(text::kRadical, makeJoinRecord(text::kMinusSign, std::move(Q), std::move(F)));
    return makeJoinRecord(
        text::kEquals, message(v),
        makeJoinRecord(text::kSlash, makeJoinRecord(text::kPlusMinus, std::move(P), std::move(root)),
                       std::move(T)));
}

}  // namespace

std::vector<Record> formulaSteps(const PolyEquation& e, Style, bool colored) {
    const QuadraticAnalysis analysis = analyzeQuadratic(e);
    const Color ca = colored ? Color::red : Color::black, cb = colored ? Color::blue : Color::black,
                cc = colored ? Color::gray : Color::black;
    const Polynomial& L = e.LHS;
    const std::string v = L.terms.at(0).variable;
    const Rational a(L.terms[0].coefficient, ca);
    const std::optional<Rational> bTerm = coefficientOf(L, 1, cb), cTerm = coefficientOf(L, 0, cc);
    const Rational b = bTerm.value_or(coloredRational(0, 1, cb)),
                   c = cTerm.value_or(coloredRational(0, 1, cc));

    std::vector<Monomial> standard{Monomial(a, 2, v)};
    if (bTerm) standard.emplace_back(b, 1, v);
    if (cTerm) standard.emplace_back(c, 0, v);
    const PolyEquation standardForm(Polynomial(std::move(standard)),
                                    Polynomial({Monomial(Rational(0, 1), 0, v)}), e.relation);

    std::vector<Record> lines;
    lines.reserve(15);
    lines.push_back(record(standardForm, Style::fraction));
    const auto blanks = [&lines](std::int64_t n) {
        for (Record& r : makeBlankRecords(n)) lines.push_back(std::move(r));
    };
    blanks(2);
    lines.push_back(message("for  a" + v + "\u00B2 + b" + v + " + c = 0 ,  a \u2260 0"));
    lines.push_back(makeJoinRecord(
        text::kEquals, message(v),
        makeJoinRecord(text::kSlash,
                       makeJoinRecord(text::kPlusMinus, message("-b"),
                                      makeUnaryRecord(text::kRadical, message("b\u00B2 \u2212 4ac"))),
                       message("2a"))));
    blanks(3);
    const auto named = [](const std::string& name, const Rational& value, Color color) {
        return makeJoinRecord(text::kEquals, message(name, color), written(value), color);
    };
    lines.push_back(sideBySide(named("a", a, ca), named(" , b", b, cb), message(" and "), named("c", c, cc)));
    lines.push_back(substitutedFormula(v, a, b, c));
    blanks(3);
    if (const auto roots = solutionsLine(v, analysis, Style::rational_fraction)) {
        lines.push_back(std::move(*roots));
        lines.push_back(message("from calculator"));
    } else {
        lines.push_back(message(rawValue(analysis.status)));
    }
    return lines;
}

}  // namespace radixmender
