#pragma once
// The working of form B shared by its two templates.
//
// Both templates have a denominator of a whole term and a radical term; they
// differ only in which term is written first: a/(b + c√d) puts the whole term
// first, a/(b√c + d) the radical term. The step builders below work on the
// terms by role and leave the reading order to `Layout`, so each step is
// written once for both templates. In both templates the first term's
// coefficient is the model's `b`, and every common factor takes its sign, so
// after reduction the first term is positive and the second carries the sign.
#include <cstdint>
#include <optional>
#include <string>

#include "models/shapes.hpp"
#include "records/integers.hpp"
#include "records/types.hpp"

namespace radixmender::form_b {

enum class Layout { wholeFirst, radicalFirst };

// The denominator's integers by role. a/(b + c√d): whole b, coefficient c,
// radicand d. a/(b√c + d): whole d, coefficient b, radicand c.
struct Terms {
    std::int64_t whole = 0;
    std::int64_t coefficient = 0;
    std::int64_t radicand = 0;
};

inline Terms wholeFirstTerms(std::int64_t b, std::int64_t c, std::int64_t d) { return {b, c, d}; }
inline Terms radicalFirstTerms(std::int64_t b, std::int64_t c, std::int64_t d) { return {d, b, c}; }

// The coefficient of the term written first (the model's `b`) and the signed
// value of the term written second.
std::int64_t leading(Layout layout, std::int64_t whole, std::int64_t coefficient);
std::int64_t trailing(Layout layout, std::int64_t whole, std::int64_t coefficient);

// b² − c²d for a/(b + c√d), b²c − d² for a/(b√c + d): the denominator times
// its conjugate.
std::int64_t clearedDenominator(Layout layout, std::int64_t whole, std::int64_t coefficient,
                                std::int64_t radicand);

// --- Shapes -------------------------------------------------------------------

// The two term records in reading order, joined by the sign of `trailingSign`.
Record inOrder(Layout layout, Record whole, Record radical, std::int64_t trailingSign,
               Color color = Color::black);
// The whole term as drawn: signed when it stands first, by magnitude when second.
Record wholeShown(Layout layout, std::int64_t whole, Color color = Color::black);
// The radical term as drawn: signed (term) when it stands first, by magnitude
// when second.
Record radicalShown(Layout layout, std::int64_t coefficient, std::int64_t radicand,
                    Color color = Color::black);
// The whole denominator as drawn, sign from the second term.
Record sumShown(Layout layout, std::int64_t whole, std::int64_t coefficient, std::int64_t radicand,
                Color color = Color::black);
// A positive coefficient before a radical record: the record alone for 1,
// otherwise the two side by side ("🖇").
Record scaled(std::int64_t magnitude, Record radical);
// x², the "^" join black, the exponent in `color`.
Record squared(Record x, Color color);
// The fraction x/n, or x alone when n is 1, as an equals line.
Record overLine(Record x, std::int64_t n);

// --- Steps --------------------------------------------------------------------

std::optional<StepResult> commonFactorStep(Layout layout, std::int64_t a, const Terms& terms, bool continued);
std::optional<StepResult> radicalBeforeStep(Layout layout, std::int64_t a, const Terms& terms,
                                            bool continued);
StepResult conjugateStep(Layout layout, std::int64_t a, const Terms& terms, const std::string& order,
                         bool continued);
StepResult resultStep(Layout layout, std::int64_t a, const Terms& terms, const std::string& order);
std::optional<StepResult> resultRadicalStep(Layout layout, std::int64_t a, const Terms& terms);
StepResult summaryStep(Layout layout, std::int64_t a, const Terms& terms, const Record& leadingLines);

}  // namespace radixmender::form_b
