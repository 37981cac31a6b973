#pragma once
// The two term moves of the linear core: the variable terms to one side
// (with advice for the learner), then the constant terms to the side
// opposite the variable. A move follows the `Technique`: `transpose` takes
// the term off its side and adds its opposite to the other side; `balance`
// keeps it, writes its opposite right after it, and adds the opposite to the
// other side too. With `colored` the moved term and its opposites are red.
//
// Each returns the equations the step shows, in order; the last one, in
// black, is where the solver goes on. A variable term has exponent 1, a
// constant term exponent 0; other terms ride along. Coefficients must have
// non-zero denominators; a numerator of −2⁶³ cannot be negated and throws.
#include <optional>
#include <string>
#include <vector>

#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "records/random.hpp"

namespace radixmender {

struct TransposedVariableTerms {
    // Two to four equations; the solver goes on from the last, in black.
    std::vector<PolyEquation> equations;
    // The advice for the learner; none (never an empty text) when none applies.
    std::optional<std::string> advice;
};

// Brings the variable terms together:
// - a variable term on each side, a constant on each side: onto the left,
//   unless the right side's coefficient is the larger. Then `standard` stays
//   on the left and advises the right; `smart` goes to the right, and one
//   time in five (a draw of 1 from `random`) exchanges the sides first,
//   reversing the relation;
// - a variable term on each side, constants not on both: onto the side
//   without a constant (the left when neither has one);
// - the only variable term on the right, negative, beside a constant, with
//   `smart` or a left side starting with 0: it moves to the left.
// None when no variable term needs to move.
std::optional<TransposedVariableTerms> transposeAdvice(const PolyEquation& equation, Technique technique,
                                                       bool colored, Method method,
                                                       RandomSource& random = defaultRandomSource());

// The first constant term beside the variable (the left side first) moved to
// the other side: the equation with that term marked, the equation after the
// move, and the same in black. `moved` is false, with the equation in black
// three times, when no side holds both a variable and a constant term.
struct EditedTerms {
    PolyEquation first;
    PolyEquation second;
    PolyEquation third;
    bool moved = false;
};
EditedTerms editTermsStep(const PolyEquation& equation, Technique technique, bool colored);

}  // namespace radixmender
