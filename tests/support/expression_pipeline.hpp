#pragma once
// The simplifying steps of a rational expression chained as a lesson shows
// them: rounds of sorting, taking out negatives, common factors and rational
// roots, highlighting and cancelling common factors, each step that applies
// handing its second stage on in black (a highlight lives only in the step
// that made it), until `finalForms` answers at the start of a round, or
// until a whole round changes nothing. Shared by the algebra tests and the
// benchmark.
#include <optional>
#include <utility>
#include <vector>

#include "algebra/rational_expression.hpp"

namespace radixmender::testing {

struct PipelineEnd {
    Rational_Expression last;
    std::vector<Rational_Expression> finalForms;  // empty when none answered
    int rounds = 0;                               // maxRounds when it did not end
};

template <class OnPair>
PipelineEnd runPipeline(const Rational_Expression& start, int maxRounds, OnPair onPair) {
    using Step = std::optional<ExpressionPair> (Rational_Expression::*)() const;
    static constexpr Step kSteps[] = {&Rational_Expression::sortingSteps,
                                      &Rational_Expression::factoringOutNegatives,
                                      &Rational_Expression::factoringOutCommonFactors,
                                      &Rational_Expression::factoringByRationalRoots,
                                      &Rational_Expression::highlightingCommonFactors,
                                      &Rational_Expression::cancelingCommonFactors};
    Rational_Expression e = start.removingZeroTerms();
    for (int round = 0; round < maxRounds; ++round) {
        if (auto forms = e.finalForms()) return {e, std::move(*forms), round};
        bool changed = false;
        for (const Step step : kSteps)
            if (auto pair = (e.*step)()) {
                onPair(*pair);
                e = std::move((*pair)[1]).recolored(Color::black);
                changed = true;
            }
        if (!changed) return {e, {}, round};
    }
    return {e, {}, maxRounds};
}

}  // namespace radixmender::testing
