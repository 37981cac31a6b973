// The algebra values: rationals against exact 128-bit references over all
// numerators and denominators in −6…6, the 64-bit edges, decimal texts and
// "%.8g" under a locale with a decimal comma; the solvers' vocabulary, the
// values' constructors and equalities (colours never count; their quirks are
// kept) and polynomial text; their records, a few pinned exactly, and every
// record of random values well formed and reading back to the value that wrote it.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <random>

#include "algebra/algebra_records.hpp"
#include "algebra/box_grid.hpp"
#include "records/literals.hpp"
#include "tests/support/algebra_check.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::describeRecord;
using testing::Fraction;
using testing::identical;
using testing::valueAt;
using Lists = std::vector<std::vector<Term_XL>>;
using Parts = std::optional<std::pair<std::int64_t, std::int64_t>>;
constexpr std::int64_t kMax = INT64_MAX, kMin = INT64_MIN;

Parts parts(const Fraction& f) { return std::pair(std::int64_t(f.num), std::int64_t(f.den)); }

// Stored exactly as `want`, black.
void expectStored(const std::optional<Rational>& got, const Parts& want, const std::string& what) {
    EXPECT_TRUE(got ? want && identical(*got, Rational(want->first, want->second)) : !want) << what;
}

bool isSquare(std::int64_t k) {
    return k >= 0 && std::int64_t(std::sqrt(double(k))) * std::int64_t(std::sqrt(double(k))) == k;
}

TEST(Rational, EveryOperationOnTheSmallGridMatchesTheReference) {
    const Parts none;
    for (std::int64_t n1 = -6; n1 <= 6; ++n1)
        for (std::int64_t d1 = -6; d1 <= 6; ++d1) {
            const Rational a(n1, d1, Color::red, Color::blue, Color::green);
            const std::optional<Fraction> x = d1 ? std::optional(Fraction(n1, d1)) : std::nullopt;
            const std::string one = std::to_string(n1) + "/" + std::to_string(d1);
            expectStored(a.reduced(), x ? parts(*x) : none, one);
            expectStored(a.negated(), x ? parts(-*x) : none, one);
            expectStored(a.negativeReciprocal(), x && n1 ? parts(Fraction(-d1, n1)) : none, one);
            EXPECT_EQ(a.isPositive(), x ? std::optional(x->num > 0) : std::nullopt) << one;
            EXPECT_EQ(a.isNegative(), x ? std::optional(x->num < 0) : std::nullopt) << one;
            EXPECT_EQ(a.isPerfectSquare(),
                      x && isSquare(std::int64_t(x->num)) && isSquare(std::int64_t(x->den)))
                << one;
            EXPECT_EQ(std::pair(a.isWhole(true), a.isWhole(false)), std::pair(x && x->den == 1, d1 == 1))
                << one;
            for (std::int64_t n2 = -6; n2 <= 6; ++n2)
                for (std::int64_t d2 = -6; d2 <= 6; ++d2) {
                    const Rational b(n2, d2);
                    const std::optional<Fraction> y = d2 ? std::optional(Fraction(n2, d2)) : std::nullopt;
                    const std::string two = one + " and " + std::to_string(n2) + "/" + std::to_string(d2);
                    const bool both = x && y, less = both && (*x - *y).num < 0,
                               more = both && (*y - *x).num < 0;
                    EXPECT_EQ(a == b, n1 * d2 == n2 * d1) << two;
                    EXPECT_EQ(a.isEqual(b), both && *x == *y) << two;
                    EXPECT_EQ(a.isEqual(b, true), both && n1 == n2 && d1 == d2) << two;
                    EXPECT_EQ(std::tuple(a<b, a> b, a <= b, a >= b), std::tuple(less, more, !more, !less))
                        << two;
                    expectStored(a.adding(b), both ? parts(*x + *y) : none, two);
                    expectStored(a.multiplied(b), both ? parts(*x * *y) : none, two);
                    expectStored(a.divided(b), both && n2 ? parts(*x / *y) : none, two);
                    // Unreduced, only the signs move so that the denominator is positive.
                    const std::int64_t s = d1 * d2 < 0 ? -1 : 1, t = d1 * n2 < 0 ? -1 : 1;
                    expectStored(a.multiplied(b, false), both ? Parts({n1 * n2 * s, d1 * d2 * s}) : none,
                                 two);
                    expectStored(a.divided(b, false), both && n2 ? Parts({n1 * d2 * t, d1 * n2 * t}) : none,
                                 two);
                }
        }
}

TEST(Rational, SixtyFourBitEdgesThrowOrAnswerExactly) {
    const Rational max(kMax, 1), big(3037000500, 1);
    EXPECT_THROW((void)max.adding(Rational(1, 1)), std::overflow_error);
    EXPECT_THROW((void)big.multiplied(big), std::overflow_error);
    EXPECT_THROW((void)Rational(kMin, 1).negated(), std::overflow_error);
    EXPECT_THROW((void)Rational(kMin, -1).reduced(), std::overflow_error);
    EXPECT_THROW((void)Rational(1, kMin).negativeReciprocal(), std::overflow_error);
    EXPECT_THROW((void)max.divided(Rational(1, 2)), std::overflow_error);
    EXPECT_THROW((void)record(Rational(kMin, 1), true, Style::fraction), std::overflow_error);
    // Where the exact result fits it is given, however large the cross products.
    EXPECT_TRUE(identical(*Rational(kMax, 2).multiplied(Rational(2, kMax)), Rational(1, 1)));
    EXPECT_TRUE(identical(*max.adding(Rational(kMin, 1)), Rational(-1, 1)));
    EXPECT_TRUE(identical(*Rational(kMax - 1, kMax).adding(Rational(1, kMax)), Rational(1, 1)));
    EXPECT_FALSE(Rational(kMax, kMax - 1) == Rational(kMax - 1, kMax - 2));
    EXPECT_TRUE(Rational(kMax, kMax - 1) < Rational(kMax - 1, kMax - 2));
    EXPECT_TRUE(Rational(kMin, kMax) < Rational(kMax, kMin) &&
                Rational(9999999999, 3) == Rational(3333333333, 1));
}

TEST(Rational, DecimalTextsAreExactOrZero) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"2.50", "25/10"},   {"-0.25", "-25/100"},   {"3.0", "3/1"},      {"3.", "3/1"},   {"10.0", "10/1"},
        {"0.000", "0/1"},    {"100", "100/1"},       {"+2.5", "25/10"},   {".5", "5/10"},  {"-0", "0/1"},
        {"1e5", "100000/1"}, {"2.5e-3", "25/10000"}, {"1.50E2", "150/1"}, {"0e99", "0/1"}, {"", "0/1"},
        {" 5", "0/1"},       {"5 ", "0/1"},          {"inf", "0/1"},      {"nan", "0/1"},  {"0x1p3", "0/1"},
        {"1e", "0/1"},       {".", "0/1"},           {"1.2.3", "0/1"},    {"--1", "0/1"},  {"1,5", "0/1"}};
    for (const auto& [text, value] : cases) {
        const Rational r = Rational::fromDecimalText(text);
        EXPECT_EQ(std::to_string(r.numerator) + "/" + std::to_string(r.denominator), value) << text;
    }
    EXPECT_EQ(Rational::fromDecimalText("0.000000000000000001").denominator, 1000000000000000000);
    EXPECT_EQ(Rational::fromDecimalText("-9223372036854775808").numerator, kMin);
    for (const char* text :
         {"9223372036854775808", "0.0000000000000000001", "1e19", "1e-19", "1e99999999999999999999"})
        EXPECT_THROW(Rational::fromDecimalText(text), std::overflow_error) << text;
}

// A locale whose decimal point is a comma, built with localedef when none is installed.
bool useGermanLocale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8")) return true;
    char dir[] = "/tmp/rm_localeXXXXXX";
    if (!mkdtemp(dir)) return false;
    const std::string build = "localedef -i de_DE -f UTF-8 " + std::string(dir) + "/de_DE.UTF-8 2>/dev/null";
    setenv("LOCPATH", dir, 1);
    const bool loaded = std::system(build.c_str()) == 0 && std::setlocale(LC_ALL, "de_DE.UTF-8");
    unsetenv("LOCPATH");
    std::filesystem::remove_all(dir);  // a loaded locale stays in memory
    return loaded;
}

TEST(Rational, DecimalStyleIgnoresTheLocale) {
    // printf's "%.8g" in the C locale is the reference for a spread of values.
    std::mt19937_64 engine(13);
    std::uniform_int_distribution<std::int64_t> part(-2000000000, 2000000000);
    char want[40];
    for (int i = 0; i < 20000; ++i) {
        const double v = double(part(engine)) / double(part(engine) | 1) * std::pow(10.0, i % 30 - 15);
        std::snprintf(want, sizeof want, "%.8g", v);
        ASSERT_EQ(formatG8(v), want) << v;
    }
    if (!useGermanLocale()) GTEST_SKIP() << "no locale with a decimal comma";
    std::snprintf(want, sizeof want, "%.8g", 0.5);
    EXPECT_STREQ(want, "0,5");
    const std::vector<std::pair<Rational, const char*>> cases = {
        {{2, 3}, "0.66666667"}, {{1, 7}, "0.14285714"}, {{1000000000, 1}, "1e+09"},
        {{-1, 2}, "-0.5"},      {{5, -10}, "-0.5"},     {{0, -5}, "-0"},
        {{0, 0}, "nan"},        {{1, 0}, "inf"},        {{-1, 0}, "-inf"},
        {{1, 100000}, "1e-05"}};
    for (const auto& [r, text] : cases)
        EXPECT_EQ(describeRecord(record(r, false, Style::decimal)), '"' + std::string(text) + '"');
    std::setlocale(LC_ALL, "C");
}

// The raw texts in case order convert both ways.
template <class E>
void expectTexts(std::optional<E> (*back)(std::string_view), const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(rawValue(static_cast<E>(i)), texts[i]);
        EXPECT_EQ(back(texts[i]), static_cast<E>(i));
    }
}

TEST(Vocabulary, RawValuesRoundTripAndOnlyExactTextsConvertBack) {
    expectTexts(varFromRawValue, {"x", "y", "z"});
    expectTexts(methodFromRawValue, {"standard", "smart"});
    expectTexts(styleFromRawValue,
                {"show as \u00B9\u2215\u2083 x", "show as \u02E3\u2215\u2083", "show as decimal"});
    expectTexts(techniqueFromRawValue, {"balance", "transpose"});
    expectTexts(statusFromRawValue,
                {"valid solution", "TRUE, solution is all values of variable", "FALSE, no solution"});
    expectTexts(quadraticStatusFromRawValue,
                {"repeated rational solution", "distinct rational solutions", "repeated irrational solution",
                 "distinct irrational solutions", "no solution"});
    expectTexts(quadraticMethodFromRawValue, {"factor", "formula", "complete the square"});
    for (std::int64_t n : {0, 1, 2, 3, -1}) EXPECT_EQ(rawValue(*categoryFromRawValue(n)), n);
    EXPECT_EQ(categoryFromRawValue(-1), Category::error);
    for (std::int64_t n : {4, -2, 100}) EXPECT_EQ(categoryFromRawValue(n), std::nullopt);
    for (std::string_view t : {"decimal", "show as 1/3 x", "show as \u00B9/\u2083 x", "Show as decimal",
                               "show as decimal ", "complete_the_square", "Complete the square", "X"})
        EXPECT_FALSE(styleFromRawValue(t) || quadraticMethodFromRawValue(t) || varFromRawValue(t)) << t;
}

// Equalities ignore colours and keep their quirks (the rationals' are
// compared with their reference above); copies keep colours.
TEST(Values, EqualitiesConstructorsAndRecolouring) {
    const Monomial three(Rational(3, 1), 0), threeX(Rational(3, 1), 1);
    EXPECT_TRUE(three == Monomial(Rational(3, 1), 0, "y") && threeX == threeX.recolored(Color::blue));
    EXPECT_FALSE(threeX == Monomial(Rational(3, 1), 1, "y") || threeX == Monomial(Rational(3, 1), 2));
    const Term carrying(threeX, {true, 1});
    const Term_XL factored(threeX, {Factor(0, 1)});
    EXPECT_TRUE(Term(threeX, {false, 0}) == Term(threeX, {false, 7}, Color::red));
    EXPECT_TRUE(Term_XL(threeX) == Term_XL(threeX.recolored(Color::red)));
    EXPECT_FALSE(carrying == carrying || factored == factored);
    const Polynomial empty(std::vector<Monomial>{});
    EXPECT_TRUE(empty == empty && !(empty == Polynomial()));
    EXPECT_FALSE(Polynomial({threeX, three}) == Polynomial({three, threeX}));
    const PolyEquation e(Polynomial({threeX}), Polynomial({three}), Relation::equal_to);
    EXPECT_TRUE(e == PolyEquation(e.LHS, e.RHS, Relation::equal_to, Color::red));
    EXPECT_FALSE(e == PolyEquation(e.LHS, e.RHS, Relation::less_than) ||
                 e == PolyEquation(e.RHS, e.LHS, Relation::equal_to));

    const Rational red(1, 2, Color::red, Color::red, Color::red);
    EXPECT_TRUE(identical(Rational(red), red) &&
                identical(red.blackCopy(), Rational(1, 2)));  // copies keep colours
    EXPECT_TRUE(identical(Rational(red, Color::blue), Rational(1, 2, Color::blue, Color::blue, Color::blue)));
    EXPECT_TRUE(identical(Polynomial().terms, {Monomial(Rational(0, 1), 0)}));
    const std::array<Color, 6> c = {Color::red,  Color::blue,  Color::green,
                                    Color::cyan, Color::brown, Color::gray};
    for (const char* order : {text::kArrowDownRight, text::kArrowUpRight, ""}) {
        const std::uint64_t first = std::string(order) == text::kArrowDownRight ? 2 : 0;
        EXPECT_TRUE(identical(Polynomial_XL(Rational(1, 2), Rational(3, 1), Rational(-4, 5), order, c).terms,
                              {{Term_XL(Monomial(Rational(1, 2, c[0], c[0], c[0]), first, "x", c[1])),
                                Term_XL(Monomial(Rational(3, 1, c[2], c[2], c[2]), 1, "x", c[3])),
                                Term_XL(Monomial(Rational(-4, 5, c[4], c[4], c[4]), 2 - first, "x", c[5]))}}))
            << order;
    }
    const Polynomial_XL p(
        {{Term_XL(Monomial(red, 1))}, {Term_XL(Monomial(red, 0), {Factor(0, 2, Color::red, Color::green)})}});
    const auto blue = Polynomial_Equation_XL(p, p, Relation::less_than, Color::red).mapSides(Color::blue);
    EXPECT_TRUE(identical(blue, Polynomial_Equation_XL(p.mapTerms(Color::blue), p.mapTerms(Color::blue),
                                                       Relation::less_than, Color::blue)));
    EXPECT_TRUE(
        identical(blue.RHS.terms[1][0], Term_XL(Monomial(Rational(red, Color::blue), 0, "x", Color::blue),
                                                {Factor(0, 2, Color::blue, Color::blue)})));
}

TEST(Values, PolynomialText) {
    using T = std::vector<TermText>;
    const std::vector<std::tuple<T, bool, std::string>> cases = {
        {{{"3", "2"}, {"-1", "1"}, {"5", "0"}}, false, "3x\u00B2 - x + 5"},
        {{{"-1", "2"}}, false, "-x\u00B2"},
        {{{"1", "0"}}, false, "1"},
        {{{"-1", "0"}}, false, "-1"},
        {{{"2", "1"}, {"-1", "0"}}, false, "2x - 1"},
        {{{"2", "1"}, {"0", "0"}}, false, "2x + 0"},
        {{{"2", "1"}, {"0", "0"}}, true, "2x"},
        {{{"0", "1"}}, true, "0"},
        {{}, true, "0"},
        {{}, false, "0"},
        {{{"4", "12"}}, false, "4x..."},
        {{{"1", "1"}, {"1", "3"}, {"-1", "2"}}, false, "x + x\u00B3 - x\u00B2"}};
    for (const auto& [terms, omit, text] : cases) EXPECT_EQ(polynomialText(terms, omit), text) << text;
}

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
        {record(mono(2, 2, 1), Style::fraction), "\"x\""},
        {record(mono(-1, 1, 1), Style::fraction), "(\"-\" \U0001F587 \"x\")"},
        {record(mono(3, 1, 12), Style::fraction), "(\"3\" \U0001F587 \"x...\")"},
        {record(half, Style::rational_fraction), "((\"-\" \U0001F587 \"x\") /{red} \"2\")"},
        {displayRecord(half, Style::rational_fraction), "((\"-\" \U0001F587 \"x\") / \"2\")"},
        {record(mono(2, 2, 1), Style::decimal), "(\"\" \U0001F587 \"x\")"},
        {item(twoXMinusThree, Style::fraction), "((\"2\" \U0001F587 \"x\") \u2212{blue} \"3\"{blue})"},
        {item(xPlusOne, Style::rational_fraction), "((\"\" \U0001F587 \"x\") + \"1\")"},
        {item(xPlusOne, Style::fraction), "(\"\" \U0001F587 ()((\"x\" + \"1\")))"},
        {item(squared, Style::fraction),
         "(\"3\" \U0001F587 (\"\" \U0001F587 (()((\"x\" + \"1\")) ^ 2{blue})))"},
        {item(Polynomial_XL(Lists()), Style::fraction), "\"unexpected error\""},
        {record(Polynomial_Equation_XL(xPlusOne, Polynomial_XL(Lists()), Relation::equal_to),
                Style::fraction),
         "\"unexpected error\""},
        // An empty list has no rows to join or put in parentheses: the message stands in.
        {record(Polynomial_Equation_XL(Polynomial_XL(Lists(1)), xPlusOne, Relation::less_than),
                Style::rational_fraction),
         "(\"unexpected error\" < ((\"\" \U0001F587 \"x\") + \"1\"))"},
        {item(Polynomial_XL({{}, {Term_XL(mono(2, 1, 0), {Factor(0, 1)})}}), Style::fraction),
         "(\"2\" \U0001F587 (\"\" \U0001F587 ()(\"unexpected error\")))"},
        {record(Polynomial(std::vector<Monomial>{}), Style::fraction), "\"unexpected error\""},
        {record(clear, Style::rational_fraction),
         "((\"6\"{red} \U0001F587 ()((((\"\" \U0001F587 \"x\") / \"2\") + \"1\"))) = (\"6\"{red} \U0001F587 "
         "()(((\"\" \U0001F587 \"x\") / \"3\"))))"},
        {record(clear.equation, Style::fraction),
         "((([+1/2] \U0001F587 \"x\") + \"1\") ={red} ([+1/3] \U0001F587 \"x\"))"}};
    for (const auto& [line, text] : cases) EXPECT_EQ(describeRecord(line), text);
    // 3x row by row, as the engine reads it.
    EXPECT_EQ(record(mono(3, 1, 1), Style::fraction), (Record{{"start", "7"},
                                                              {"message", "3"},
                                                              {"message_color", "black"},
                                                              {"message_tag", "anon"},
                                                              {"message", "x"},
                                                              {"message_color", "black"},
                                                              {"message_tag", "anon"},
                                                              {"join", "\U0001F587"},
                                                              {"join_locator", "1", "4"},
                                                              {"join_color", "black"},
                                                              {"join_tag", "anon"}}));
    // A term written again shares its record; a change made to a copy stays in
    // the copy, and terms equal in value but written otherwise (2/2 for 1,
    // another colour, another style) get their own rows.
    {
        const Record first = record(mono(3, 1, 1), Style::fraction);
        Record changed = record(mono(3, 1, 1), Style::fraction);
        changed[1][1] = "4";
        EXPECT_EQ(record(mono(3, 1, 1), Style::fraction), first);
        EXPECT_EQ(describeRecord(record(mono(6, 2, 1), Style::fraction)), "([+6/2] \U0001F587 \"x\")");
        EXPECT_EQ(describeRecord(record(mono(6, 2, 1), Style::decimal)), "(\"3\" \U0001F587 \"x\")");
        EXPECT_EQ(record(mono(3, 1, 1).recolored(Color::red), Style::fraction)[2],
                  (Row{"message_color", "red"}));
    }
    // An empty top level is a line without rows, which the engine leaves out.
    EXPECT_TRUE(item(Polynomial_XL(Lists(1)), Style::fraction).empty());
    EXPECT_TRUE(termsItem(Polynomial_XL(Lists(2)), 0, Style::decimal).empty());
    // Box grid cells: positions 5 and 7 sign a first-degree term; the denominator is not shown.
    const std::vector<Monomial> terms = {mono(5, 2, 0),  mono(-1, 1, 1), mono(1, 1, 2), mono(0, 1, 1),
                                         mono(-2, 1, 3), mono(1, 1, 1),  mono(3, 1, 1), mono(-1, 1, 1)};
    const Record grid = makeBoxGridRecord(terms, {Color::red}, "g");
    ASSERT_TRUE(testing::IsValidRecord(grid));
    EXPECT_EQ(grid[2], (Row{"box_grid_terms", "+5", "-x", "x\u00B2", "0x", "-2x\u00B3", "+1x", "3x", "-1x"}));
    // Pointers out of range or in a cycle are refused, not followed.
    EXPECT_THROW(item(Polynomial_XL({{inner}}), Style::fraction), std::invalid_argument);
    EXPECT_THROW(item(Polynomial_XL({{Term_XL(mono(1, 1, 0), {Factor(5, 1)})}}), Style::fraction),
                 std::out_of_range);
    EXPECT_THROW(testing::evaluateAlgebraLine(item(Polynomial_XL(Lists()), Style::fraction), kPoints[0]),
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
                    identical(p.removingZeroTerms(true), cleaned.mapTerms(Color::black)))
            << i;
        for (const auto& list : cleaned.terms)  // no zero term but a lone zero
            for (const Term_XL& t : list)
                EXPECT_TRUE(t.monomial.coefficient.numerator != 0 || (list.size() == 1 && t.factors.empty()))
                    << i;
        for (Style s : kStyles)
            for (const Fraction& x : kPoints) {
                // Well formed, and the value (or each side of the relation) at x.
                const auto reads = [&](const Record& line, const testing::SurdValue& left,
                                       const testing::SurdValue& right = {},
                                       const std::string& relation = "") {
                    ASSERT_TRUE(testing::IsValidRecord(line)) << i;
                    const auto v = testing::evaluateAlgebraLine(line, x);
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
