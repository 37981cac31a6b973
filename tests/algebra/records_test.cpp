// Records of the algebra values: a few pinned exactly, and every record of
// random values well formed and reading back to the value that wrote it.
#include <gtest/gtest.h>

#include <random>

#include "algebra/algebra_records.hpp"
#include "algebra/box_grid.hpp"
#include "tests/support/algebra_check.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::describeRecord;
using testing::evaluateAlgebraLine;
using testing::Fraction;
using testing::IsValidRecord;
using testing::SurdValue;
using testing::valueAt;

using Lists = std::vector<std::vector<Term_XL>>;
constexpr Style kStyles[] = {Style::fraction, Style::rational_fraction, Style::decimal};
const Fraction kPoints[] = {Fraction(-2), Fraction(1, 2)};

Monomial mono(std::int64_t n, std::int64_t d, std::uint64_t e) { return {Rational(n, d), e}; }

TEST(AlgebraRecords, PinnedExamples) {
    const Monomial half(Rational(-1, 2, Color::black, Color::black, Color::red), 1);
    const Term_XL inner(Monomial(Rational(1, 1), 0), {Factor(0, 1)});
    const Polynomial_XL xPlusOne({{Term_XL(mono(1, 1, 1)), Term_XL(mono(1, 1, 0))}, {inner}});
    const Polynomial_XL squared({{Term_XL(mono(1, 1, 1)), Term_XL(mono(1, 1, 0))},
                                 {Term_XL(mono(3, 1, 0), {Factor(0, 2, Color::black, Color::blue)})}});
    const Polynomial_XL twoXMinusThree(
        {{Term_XL(mono(2, 1, 1)),
          Term_XL(Monomial(Rational(-3, 1, Color::blue, Color::black, Color::black), 0))}});
    const Polynomial sides({mono(1, 2, 1), mono(1, 1, 0)});
    const PolyEquation::PolyEquationClear clear(
        6, PolyEquation(sides, Polynomial({mono(1, 3, 1)}), Relation::equal_to, Color::red), Color::red);
    const std::vector<std::pair<Record, std::string>> cases = {
        {record(mono(1, 1, 1), Style::fraction), "\"x\""},
        {record(mono(3, 1, 1), Style::fraction), "(\"3\" \U0001F587 \"x\")"},
        {record(mono(2, 2, 1), Style::fraction), "\"x\""},
        {record(mono(-1, 1, 1), Style::fraction), "(\"-\" \U0001F587 \"x\")"},
        {record(mono(3, 1, 2), Style::fraction), "(\"3\" \U0001F587 \"x\u00B2\")"},
        {record(mono(3, 1, 12), Style::fraction), "(\"3\" \U0001F587 \"x...\")"},
        {record(mono(-3, 4, 1), Style::fraction), "([-3/4] \U0001F587 \"x\")"},
        {record(half, Style::rational_fraction), "((\"-\" \U0001F587 \"x\") /{red} \"2\")"},
        {displayRecord(half, Style::rational_fraction), "((\"-\" \U0001F587 \"x\") / \"2\")"},
        {record(mono(1, 2, 1), Style::decimal), "(\"0.5\" \U0001F587 \"x\")"},
        {record(mono(2, 2, 1), Style::decimal), "(\"\" \U0001F587 \"x\")"},
        {item(twoXMinusThree, Style::fraction), "((\"2\" \U0001F587 \"x\") \u2212{blue} \"3\"{blue})"},
        {item(xPlusOne, Style::rational_fraction), "((\"\" \U0001F587 \"x\") + \"1\")"},
        {item(xPlusOne, Style::fraction), "(\"\" \U0001F587 ()((\"x\" + \"1\")))"},
        {item(squared, Style::fraction),
         "(\"3\" \U0001F587 (\"\" \U0001F587 (()((\"x\" + \"1\")) ^ 2{blue})))"},
        {item(Polynomial_XL(Lists(1)), Style::fraction), "\"unexpected error\""},
        {item(Polynomial_XL(Lists()), Style::fraction), "\"unexpected error\""},
        {record(Polynomial_Equation_XL(xPlusOne, Polynomial_XL(Lists()), Relation::equal_to),
                Style::fraction),
         "\"unexpected error\""},
        {record(Polynomial(std::vector<Monomial>{}), Style::fraction), "\"unexpected error\""},
        {record(clear, Style::rational_fraction),
         "((\"6\"{red} \U0001F587 ()((((\"\" \U0001F587 \"x\") / \"2\") + \"1\"))) = (\"6\"{red} \U0001F587 "
         "()(((\"\" \U0001F587 \"x\") / \"3\"))))"},
        {record(clear.equation, Style::fraction),
         "((([+1/2] \U0001F587 \"x\") + \"1\") ={red} ([+1/3] \U0001F587 \"x\"))"}};
    for (const auto& [line, text] : cases) EXPECT_EQ(describeRecord(line), text);
    // Pointers out of range or in a cycle are refused, not followed.
    EXPECT_THROW(item(Polynomial_XL({{inner}}), Style::fraction), std::invalid_argument);
    EXPECT_THROW(item(Polynomial_XL({{Term_XL(mono(1, 1, 0), {Factor(5, 1)})}}), Style::fraction),
                 std::out_of_range);
    EXPECT_THROW(evaluateAlgebraLine(item(Polynomial_XL(Lists()), Style::fraction), kPoints[0]),
                 testing::LineValueError);
}

struct Random {
    std::mt19937_64 engine{2026};
    std::int64_t pick(std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    }
    Color color() { return static_cast<Color>(pick(0, kColorCount - 1)); }
    // Denominators whose quotients "%.8g" writes exactly, so every style reads back exactly.
    Monomial monomial() {
        static constexpr std::int64_t kDenominators[] = {1, 2, 4, 5, 8, -1, -2, -5};
        const Rational c(pick(-6, 6), kDenominators[pick(0, 7)], color(), color(), color());
        return {c, static_cast<std::uint64_t>(pick(0, 3)), "x", color()};
    }
    Polynomial polynomial() {
        std::vector<Monomial> terms(static_cast<std::size_t>(pick(1, 4)));
        for (Monomial& m : terms) m = monomial();
        return Polynomial(terms);
    }
    // Lists that name only earlier lists, so the pointers form a DAG.
    Polynomial_XL factored() {
        std::vector<std::vector<Term_XL>> lists(static_cast<std::size_t>(pick(1, 3)));
        for (std::size_t i = 0; i < lists.size(); ++i)
            for (std::int64_t t = pick(1, 3); t > 0; --t) {
                std::vector<Factor> factors;
                for (std::int64_t f = i ? pick(0, 2) : 0; f > 0; --f)
                    factors.emplace_back(pick(0, std::int64_t(i) - 1), pick(0, 2), color(), color());
                lists[i].emplace_back(monomial(), factors);
            }
        return Polynomial_XL(lists);
    }
};

TEST(AlgebraRecords, BoxGridCellsShowNumeratorExponentAndVariable) {
    // Positions 5 and 7 sign a first-degree term; the denominator is not shown.
    const std::vector<Monomial> terms = {mono(5, 2, 0),  mono(-1, 1, 1), mono(1, 1, 2), mono(0, 1, 1),
                                         mono(-2, 1, 3), mono(1, 1, 1),  mono(3, 1, 1), mono(-1, 1, 1)};
    const Record grid = makeBoxGridRecord(terms, {Color::red}, "g");
    ASSERT_TRUE(IsValidRecord(grid));
    EXPECT_EQ(grid[2], (Row{"box_grid_terms", "+5", "-x", "x\u00B2", "0x", "-2x\u00B3", "+1x", "3x", "-1x"}));
}

// Every record of random values well formed and read back; the clean-up and
// product of the factored ones keep their value (product(true) negates it).
TEST(AlgebraRecords, RandomValuesReadBackInEveryStyle) {
    Random random;
    for (int i = 0; i < 400 && !::testing::Test::HasFailure(); ++i) {
        const Monomial m = random.monomial();
        const Polynomial lhs = random.polynomial(), rhs = random.polynomial();
        const PolyEquation equation(lhs, rhs, static_cast<Relation>(random.pick(0, 4)), random.color());
        const PolyEquation::PolyEquationClear clear(random.pick(-9, 9), equation, random.color());
        const Polynomial_XL p = random.factored(), q = random.factored();
        const std::string symbol = rawValue(equation.relation);
        const Polynomial_XL cleaned = p.removingZeroTerms(false);
        const auto kept = p.product(false), negated = p.product(true);
        ASSERT_TRUE(negated && !p.hasZeroDenominator() && cleaned.terms.size() == p.terms.size() &&
                    testing::identical(p.removingZeroTerms(true), cleaned.mapTerms(Color::black)))
            << i;
        for (const auto& list : cleaned.terms)  // no zero term but a lone zero
            for (const Term_XL& t : list)
                EXPECT_TRUE(t.monomial.coefficient.numerator != 0 || (list.size() == 1 && t.factors.empty()))
                    << i;
        for (Style s : kStyles)
            for (const Fraction& x : kPoints) {
                // Well formed, and the value (or each side of the relation) at x.
                const auto reads = [&](const Record& line, const SurdValue& left, const SurdValue& right = {},
                                       const std::string& relation = "") {
                    ASSERT_TRUE(IsValidRecord(line)) << i;
                    const auto v = evaluateAlgebraLine(line, x);
                    EXPECT_TRUE(v.relation == relation && v.left == left && v.right == right)
                        << "case " << i << " style " << rawValue(s) << ": " << describeRecord(line);
                };
                reads(record(m, s), valueAt(m, x));
                reads(displayRecord(m, s), valueAt(m, x));
                reads(record(m.coefficient, true, s), valueAt(Monomial(m.coefficient, 0), x));
                reads(record(equation, s), valueAt(lhs, x), valueAt(rhs, x), symbol);
                reads(record(clear, s), valueAt(lhs, x) * clear.factor, valueAt(rhs, x) * clear.factor,
                      symbol);
                reads(record(Polynomial_Equation_XL(p, q, equation.relation), s), valueAt(p, x),
                      valueAt(q, x), symbol);
                for (std::size_t k = 0; k < p.terms.size(); ++k) {
                    reads(termsItem(p, k, s), valueAt(p, x, k));
                    EXPECT_EQ(valueAt(cleaned, x, k), valueAt(p, x, k)) << i;
                }
                EXPECT_TRUE((!kept || valueAt(*kept, x) == valueAt(p, x)) &&
                            valueAt(*negated, x) == -valueAt(p, x))
                    << i;
            }
    }
}

}  // namespace
}  // namespace radixmender
