#pragma once
// Recolouring of fraction-family items found by their tag. Each function walks
// the record in row order and rewrites the colour row of the first item of
// its kinds whose tag matches; a tag that no such item carries changes nothing.
#include <string>

#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

// The whole number: a whole, both parts of a fraction, all of a mixed number.
void paintNumber(Record& record, Color color, const std::string& tag);
// The numerator and denominator of a fraction or a mixed number.
void paintFractionPart(Record& record, Color color, const std::string& tag);
// The fraction a cancellation leaves: numerator colour `a`, denominator `b`.
void paintCancelResult(Record& record, Color a, Color b, const std::string& tag);
void paintMixedNumber(Record& record, Color whole, Color numerator, Color denominator,
                      const std::string& tag);
void paintWholePart(Record& record, Color color, const std::string& tag);
void paintNumerator(Record& record, Color color, const std::string& tag);
void paintDenominator(Record& record, Color color, const std::string& tag);

}  // namespace radixmender
