#pragma once
// The shapes the radical-form models draw their mathematics with, and the
// conventions every model shares: the continuation line, the problem line,
// error and "simple" steps, and the model output they make.
//
// In every shape a coefficient 1 before a radical is not drawn, −1 is the
// unary "-" over the radical, and any other coefficient is joined to the
// radical by "🖇"; the second term of a sum is drawn by its magnitude with
// "−" (U+2212) when it is negative and "+" otherwise.
#include <cstdint>
#include <string>
#include <utility>

#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/types.hpp"
#include "records/vocabulary.hpp"
#include "records/writers.hpp"

namespace radixmender::shapes {

inline constexpr const char kApplication[] = "application";
inline constexpr const char kModule[] = "module";
inline constexpr const char kBefore[] = "before";
inline constexpr const char kAfter[] = "after";
inline constexpr const char kOrderBefore[] = "simplify \u221A before";
inline constexpr const char kOrderAfter[] = "simplify \u221A after";
inline constexpr const char kNoParameters[] = "NO PARAMETERS";

// Comment vocabulary.
inline constexpr const char kSimplify[] = "simplify";
inline constexpr const char kSimplifyRadical[] = "simplify radical";
inline constexpr const char kRadixmender[] = "radixmender";
inline constexpr const char kSimple[] = "simple";
inline constexpr const char kOops[] = "oops";
inline constexpr const char kSquareNumberHere[] = "square number here";
inline constexpr const char kRadicalsAreSame[] = "radicals are same";
inline constexpr const char kAdvisory[] = "advisory";

// Messages.
inline constexpr const char kDivisionByZero[] = "division by zero";
inline constexpr const char kRootOfNegative[] = "\u221A of negative number";
inline constexpr const char kDenominatorZero[] = "denominator evaluates to zero";

inline bool isApplication(const std::string& context) { return context == kApplication; }
// The order word the builders take: "before" exactly for the option "simplify √ before".
inline std::string orderWord(const std::string& order) { return order == kOrderBefore ? kBefore : kAfter; }

// The writers' unary and join records (tag "anon"), built by moving the
// operands' rows instead of copying them: the shapes nest deeply, and every
// copy of every level showed in the time a solution takes. Operands passed as
// temporaries are moved; named ones are copied once.
Record unary(const std::string& text, Record operand, Color color = Color::black);
Record join(const std::string& text, Record left, Record right, Color color = Color::black);

// I(n): an integer item; a negative n carries its "-" inside the item.
Record integer(std::int64_t n, Color color = Color::black);
// √r.
Record radical(std::int64_t r, Color color = Color::black);
// k√r: √r for k = 1, -(√r) for k = −1, k🖇√r otherwise.
Record term(std::int64_t k, std::int64_t r, Color color = Color::black);
// k√r for k > 0: √r for k = 1, k🖇√r otherwise.
Record magnitudeTerm(std::int64_t k, std::int64_t r, Color color = Color::black);
// "−" when x < 0, else "+".
std::string signText(std::int64_t x);
Record sum(Record first, Record secondMagnitude, std::int64_t secondSign, Color color = Color::black);
Record bracket(Record x, Color color = Color::black);
Record negation(Record x, Color color = Color::black);
Record product(Record left, Record right);                          // left🖇right
Record dot(Record left, Record right, Color color = Color::black);  // left∙right
Record fraction(Record numerator, Record denominator, Color barColor = Color::black);
// x over n: x / I(n), or x alone when n = 1.
Record over(Record x, std::int64_t n);
// "= x", the equals sign in `color` (clear on a first line that keeps its room).
Record equalsLine(Record x, Color color = Color::black);
// The first line a builder restates: its "= " is clear when the step starts
// from the problem as the opening step showed it, black when it continues
// earlier work.
Record firstLine(Record x, bool continued);
// The continuation line "...".
Record continuation();
// A black message line.
Record message(const std::string& text, Color color = Color::black);
// Mult(N, X): X; -(X); (N)(X) for N < −1; N(X) for N > 1.
Record multiple(std::int64_t n, Record x);
// A working numerator with coefficient x: K; -(K); x(K). Unlike `multiple`, a
// negative x is not bracketed.
Record coefficientTimes(std::int64_t x, Record k);
// R(a over n), a and n ≠ 0: the reduced quotient, an integer when n divides a,
// otherwise the reduced rational under a "-" when the quotient is negative.
// n = 0 throws, as the remainder by zero does.
Record reducedQuotient(std::int64_t a, std::int64_t n);
// √n as k√m for a radicand the drivers have checked; a negative one is a
// programming error and throws the platform's unwrap message.
SquareRootParts squareRootParts(std::int64_t n);
// k²·m, formed as (k·k)·m so that an overflow shows where the products are taken.
std::int64_t squareTimes(std::int64_t k, std::int64_t m);
// gcd(x, y) with the sign of z: +gcd when z > 0, −gcd when z ≤ 0.
std::int64_t signedGcd(std::int64_t x, std::int64_t y, std::int64_t z);

// The problem line "= numerator/denominator", its "= " clear in application.
Record problemLine(Record numerator, Record denominator, const std::string& context);

// The closing lines of a conjugate step: a blank line, then in red
// " difference of squares " and " (p + q)(p − q) = p² − q² ", its factors the
// other way round when the second term is negative.
void addDifferenceOfSquaresNote(Step& lines, bool secondPositive);

// A step of the given lines; unlike a braced list it moves the lines passed
// as temporaries instead of copying every line twice.
template <class... Lines>
Step stepOf(Lines&&... lines) {
    Step step;
    step.reserve(sizeof...(Lines));
    (step.push_back(std::forward<Lines>(lines)), ...);
    return step;
}

// Assembling model output.
class OutputBuilder {
public:
    OutputBuilder();
    void add(Step lines, std::string comment);
    void add(const StepResult& step);
    void add(StepResult&& step);
    void append(const ModelOutput& other);
    void append(ModelOutput&& other);  // moves the other output's steps
    [[nodiscard]] bool empty() const { return output_.detailSteps.empty(); }
    ModelOutput finish() &&;

private:
    ModelOutput output_;
};

ModelOutput emptyOutput();

// Error steps: application [P] "🤔", [P, M] "oops", then "😲" with [P] or,
// when `lastShowsMessage`, [P, M]; module one step [..., P, M] "oops".
// The records are taken by value: pass the ones no longer needed with std::move.
ModelOutput errorOutput(Record problem, const std::string& messageText, const std::string& context,
                        bool lastShowsMessage);

// Special case: application [P] "🤔", [P, L] "simple", [P, F] "😎";
// module one step [..., P, L] "simple".
ModelOutput simpleOutput(Record problem, Record line, Record finalLine, const std::string& context);

}  // namespace radixmender::shapes
