#include "records/number_records.hpp"

#include "records/checked.hpp"
#include "records/writers.hpp"

namespace radixmender {

namespace {

using std::to_string;

// Numerator and denominator with the denominator made non-negative.
Row foldedFraction(std::int64_t numerator, std::int64_t denominator) {
    if (denominator < 0) return {to_string(checkedNeg(numerator)), to_string(checkedNeg(denominator))};
    return {to_string(numerator), to_string(denominator)};
}

}  // namespace

Record makeWholeRecord(std::int64_t whole, Color color, const std::string& tag) {
    return makeLeafRecord("whole", {to_string(whole)}, {color}, tag);
}

Record makeFractionRecord(std::int64_t numerator, std::int64_t denominator, Color numeratorColor,
                          Color denominatorColor, const std::string& tag) {
    return makeLeafRecord("fraction", foldedFraction(numerator, denominator),
                          {numeratorColor, denominatorColor}, tag);
}

Record makeMixedNumberRecord(std::int64_t whole, std::int64_t numerator, std::int64_t denominator,
                             Color wholeColor, Color numeratorColor, Color denominatorColor,
                             const std::string& tag) {
    Row values = foldedFraction(numerator, denominator);
    values.insert(values.begin(), to_string(whole));
    return makeLeafRecord("mixed_number", std::move(values), {wholeColor, numeratorColor, denominatorColor},
                          tag);
}

Record makeExtendedFractionRecord(const std::string& text, std::int64_t a, std::int64_t b, std::int64_t c,
                                  std::int64_t d, Color color1, Color color2, const std::string& tag) {
    return makeLeafRecord("extended_fraction", {text, to_string(a), to_string(b), to_string(c), to_string(d)},
                          {color1, color2}, tag);
}

Record makeCancelBothRecord(std::int64_t numerator, std::int64_t denominator, std::int64_t newNumerator,
                            std::int64_t newDenominator, Color color1, Color color2, Color color3,
                            Color color4, Color color5, Color color6, const std::string& tag) {
    return makeLeafRecord(
        "fraction_cancel_numerator_and_denominator",
        {to_string(numerator), to_string(denominator), to_string(newNumerator), to_string(newDenominator)},
        {color1, color2, color3, color4, color5, color6}, tag);
}

Record makeCancelNumeratorRecord(std::int64_t numerator, std::int64_t denominator, std::int64_t newNumerator,
                                 Color color1, Color color2, Color color3, Color color4,
                                 const std::string& tag) {
    return makeLeafRecord("fraction_cancel_numerator",
                          {to_string(numerator), to_string(denominator), to_string(newNumerator)},
                          {color1, color2, color3, color4}, tag);
}

Record makeCancelDenominatorRecord(std::int64_t numerator, std::int64_t denominator,
                                   std::int64_t newDenominator, Color color1, Color color2, Color color3,
                                   Color color4, const std::string& tag) {
    return makeLeafRecord("fraction_cancel_denominator",
                          {to_string(numerator), to_string(denominator), to_string(newDenominator)},
                          {color1, color2, color3, color4}, tag);
}

Record makeNumberRecord(std::int64_t whole, std::int64_t numerator, std::int64_t denominator,
                        Color wholeColor, Color numeratorColor, Color denominatorColor,
                        const std::string& tag) {
    if (numerator == 0 || denominator == 0) return makeWholeRecord(whole, wholeColor, tag);
    if (whole == 0) return makeFractionRecord(numerator, denominator, numeratorColor, denominatorColor, tag);
    return makeMixedNumberRecord(whole, numerator, denominator, wholeColor, numeratorColor, denominatorColor,
                                 tag);
}

}  // namespace radixmender
