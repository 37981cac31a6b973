#pragma once
// The fraction family: whole numbers, fractions, mixed numbers, extended
// fractions and the three kinds that show a fraction being cancelled. Each
// writer returns a record of one item without operands (kind, colour and tag
// rows). Fractions and mixed numbers move a negative denominator's sign to
// the numerator; nothing is reduced.
#include <cstdint>
#include <string>

#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

Record makeWholeRecord(std::int64_t whole, Color color, const std::string& tag);
Record makeFractionRecord(std::int64_t numerator, std::int64_t denominator, Color numeratorColor,
                          Color denominatorColor, const std::string& tag);
Record makeMixedNumberRecord(std::int64_t whole, std::int64_t numerator, std::int64_t denominator,
                             Color wholeColor, Color numeratorColor, Color denominatorColor,
                             const std::string& tag);
// A text, then four whole numbers, all copied as given.
Record makeExtendedFractionRecord(const std::string& text, std::int64_t a, std::int64_t b, std::int64_t c,
                                  std::int64_t d, Color color1, Color color2, const std::string& tag);
// Numerator, denominator, and both after cancelling.
Record makeCancelBothRecord(std::int64_t numerator, std::int64_t denominator, std::int64_t newNumerator,
                            std::int64_t newDenominator, Color color1, Color color2, Color color3,
                            Color color4, Color color5, Color color6, const std::string& tag);
Record makeCancelNumeratorRecord(std::int64_t numerator, std::int64_t denominator, std::int64_t newNumerator,
                                 Color color1, Color color2, Color color3, Color color4,
                                 const std::string& tag);
Record makeCancelDenominatorRecord(std::int64_t numerator, std::int64_t denominator,
                                   std::int64_t newDenominator, Color color1, Color color2, Color color3,
                                   Color color4, const std::string& tag);

// A whole when the numerator or the denominator is 0 (the fraction part is
// dropped), a fraction when the whole part is 0, otherwise a mixed number.
Record makeNumberRecord(std::int64_t whole, std::int64_t numerator, std::int64_t denominator,
                        Color wholeColor, Color numeratorColor, Color denominatorColor,
                        const std::string& tag);

}  // namespace radixmender
