#pragma once
// The options every solver takes, by name:
//
//   solveLinear(e, {.technique = Technique::balance, .colored = true});
//
// - `technique`: how terms are brought to one side (balance or transpose).
// - `colored`: what a stage changes is drawn red.
// - `continued`: the steps continue a caller's solution: no opening step and
//   no closing summary.
// - `style`: how coefficients and values are written.
// - `method`: the style of the transposition advice.
// - `fractions`: the parentheses solver may clear the fractions of its top
//   level; the other solvers do not read it.
// - `clearing`: the linear core may clear fractions or decimals.
// - `random`: the source of the advice's random draws.
//
// Left out, an option is transpose, plain (not coloured), a whole solution,
// fractions, standard advice, both clearings allowed and the system's
// randomness.
#include <functional>

#include "algebra/solver_vocabulary.hpp"
#include "records/random.hpp"

namespace radixmender {

struct SolverOptions {
    Technique technique = Technique::transpose;
    bool colored = false;
    bool continued = false;
    Style style = Style::fraction;
    Method method = Method::standard;
    bool fractions = true;
    bool clearing = true;
    std::reference_wrapper<RandomSource> random = defaultRandomSource();
};

}  // namespace radixmender
