#pragma once
// Exact values of model lines, and checks that hold for every radical-form model.
//
// A line's value is a sum of rationals times square roots of square-free
// integers, so `SurdValue` keeps it exactly (a map radicand → rational with
// overflow-checked 128-bit parts) and equality is plain equality.
//
// Usage, for a model whose problem is a/(b√c + d√e):
//
//     using radixmender::testing::SurdValue;
//     const SurdValue expected =
//         SurdValue(a) / (SurdValue(b) * SurdValue::root(c) + SurdValue(d) * SurdValue::root(e));
//     const ModelOutput out = model.steps("application");
//     EXPECT_TRUE(HasModelStructure(out, "application"));
//     if (!IsErrorOutput(out)) {
//         EXPECT_TRUE(EveryLineHasValue(out, expected));
//         EXPECT_TRUE(HasCanonicalAnswer(out, expected));
//     }
//
// `evaluateLine` reads one record through its locators: "integer",
// "rational", "signed_rational"; unary "√", "()", "-", "= " (identity);
// joins "🖇" and "∙" (product), "/", "+", "−", "^" (power) and "=" (both
// sides must be equal; the value is theirs). Lines holding a "message" or a
// "BLANK" row have no value. Everything else throws `LineValueError`.
//
// `evaluateAlgebraLine` reads the lines algebra/ and solvers/ write, with the
// variable at a rational x, and gives both sides of a relation:
//
//     const Fraction x(3, 2);
//     const AlgebraLineValue v = evaluateAlgebraLine(record(equation, Style::fraction), x);
//     EXPECT_EQ(v.relation, "=");
//     EXPECT_EQ(v.left, valueAt(equation.LHS, x));  // tests/support/algebra_check.hpp
//
// Besides the items above, a message is a value: an integer or a decimal
// ("3", "-0.5", "1e+09") and/or the variable with an optional superscript
// exponent ("x", "-x²", "3x"). Inside a juxtaposition "🖇" also "-" (−1), ""
// (1) and an exponent alone ("²", raising the variable just before it).
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "records/types.hpp"

namespace radixmender::testing {

__extension__ typedef __int128 Int128;

class LineValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A rational in lowest terms with a positive denominator; every operation is
// overflow-checked and throws LineValueError.
struct Fraction {
    Int128 num = 0;
    Int128 den = 1;

    Fraction() = default;
    Fraction(Int128 n, Int128 d = 1);
    bool operator==(const Fraction&) const = default;
    [[nodiscard]] bool isZero() const { return num == 0; }
    [[nodiscard]] std::string toString() const;
};

Fraction operator+(const Fraction& x, const Fraction& y);
Fraction operator-(const Fraction& x);
Fraction operator-(const Fraction& x, const Fraction& y);
Fraction operator*(const Fraction& x, const Fraction& y);
Fraction operator/(const Fraction& x, const Fraction& y);

// Σ q_r √r over square-free r ≥ 1 (r = 1 is the rational part); no zero q_r.
class SurdValue {
public:
    SurdValue() = default;
    SurdValue(std::int64_t n);  // NOLINT: integers are values
    explicit SurdValue(const Fraction& q);
    // √x for a rational x ≥ 0, with the square factor taken out.
    static SurdValue root(const SurdValue& x);
    static SurdValue root(std::int64_t n) { return root(SurdValue(n)); }

    bool operator==(const SurdValue&) const = default;
    [[nodiscard]] bool isZero() const { return terms_.empty(); }
    [[nodiscard]] bool isRational() const;
    [[nodiscard]] Fraction rationalPart() const;
    [[nodiscard]] long double approximate() const;
    [[nodiscard]] std::string toString() const;

    friend SurdValue operator+(const SurdValue& x, const SurdValue& y);
    friend SurdValue operator-(const SurdValue& x);
    friend SurdValue operator*(const SurdValue& x, const SurdValue& y);
    // Throws LineValueError when y is zero.
    friend SurdValue operator/(const SurdValue& x, const SurdValue& y);

private:
    void addTerm(std::int64_t radicand, const Fraction& q);
    std::map<std::int64_t, Fraction> terms_;
};

SurdValue operator-(const SurdValue& x, const SurdValue& y);
inline void PrintTo(const SurdValue& x, std::ostream* out) { *out << x.toString(); }
// x^n for an integer n ≥ 0.
SurdValue power(const SurdValue& x, std::int64_t n);

// The value of one line, or none for a message or blank line.
std::optional<SurdValue> evaluateLine(const Record& line);

// The value of an algebra line: the whole line, or when its outermost item is
// a relation ("=", "<", ">", "≤", "≥") each side. A relation elsewhere, a
// message that is no value ("unexpected error", "inf") and a zero
// denominator throw LineValueError.
struct AlgebraLineValue {
    SurdValue left;
    std::string relation;  // "" when the line is no relation
    SurdValue right;
};
// "±" (a join or a unary) reads as "+" for `plusMinus` 1 and as "−" for −1;
// with 0 it has no value.
AlgebraLineValue evaluateAlgebraLine(const Record& line, const Fraction& x, const std::string& variable = "x",
                                     int plusMinus = 0);

// Each operand of the outermost "🖇" chain (folded to the left, as
// joinRecords folds it) read so, words without a value left out: "x = 2 or
// x = 3" is 2 and 3, "x = 2√5 or ..." 2√5, "x − 2 = 0 or x + 3 = 0" two relations.
std::vector<AlgebraLineValue> evaluateAlgebraPieces(const Record& line, const Fraction& x,
                                                    const std::string& variable = "x");

// The canonical answer k1√m1 + k2√m2 over E, as the last line of a summary
// holds it (a whole part has radicand 1; zero has no terms).
struct CanonicalAnswer {
    struct Term {
        std::int64_t coefficient = 0;
        std::int64_t radicand = 1;
        bool operator==(const Term&) const = default;
    };
    std::vector<Term> terms;
    std::int64_t denominator = 1;
    bool operator==(const CanonicalAnswer&) const = default;
    [[nodiscard]] SurdValue value() const;
};

// Reads "= X" in canonical shape (a reduced integer or rational, possibly
// negated, or one or two terms over an integer E ≥ 2, no coefficient 1 drawn,
// the second term of a sum by its magnitude) and checks it is fully reduced:
// distinct square-free radicands, gcd of the coefficients and E equal to 1.
// Throws LineValueError saying what is wrong. `allowNegatedProduct` also
// reads "-(k🖇√m)" as the term −k√m, as some working lines draw it.
CanonicalAnswer decodeCanonicalAnswer(const Record& line, bool allowNegatedProduct = false);

// True when the output is an error ("oops" step).
bool IsErrorOutput(const ModelOutput& output);

// Every line with a value, in every step, equals `expected`.
::testing::AssertionResult EveryLineHasValue(const ModelOutput& output, const SurdValue& expected);

// The last line of the last step is "😎"'s canonical answer of value `expected`.
::testing::AssertionResult HasCanonicalAnswer(const ModelOutput& output, const SurdValue& expected);

struct StructureOptions {
    // Comments of steps that may open without the continuation line in any
    // position (they are left out of the continuation rules).
    std::vector<std::string> exemptComments;
    // Record validation is the costly part; a sweep that validates the same
    // builders' records elsewhere may leave it out.
    bool validateRecords = true;
};

// The shape every model output has: one comment string per step, the
// parameters ["NO PARAMETERS"]; in "application" "🤔" first and "😎" or "😲"
// last (an error is exactly "🤔", "oops", "😲"); elsewhere neither face and
// every step opening with "..."; the first working step in application
// without "..." and with a clear "= ", every later one opening with "..."
// and a black "= "; every record valid.
::testing::AssertionResult HasModelStructure(const ModelOutput& output, const std::string& context,
                                             const StructureOptions& options = {});

}  // namespace radixmender::testing
