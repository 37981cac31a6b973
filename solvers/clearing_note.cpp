#include "solvers/clearing_note.hpp"

#include "records/vocabulary.hpp"

namespace radixmender {

namespace {

// k when m = 10ᵏ (k ≥ 0), else −1.
int powerOfTen(std::int64_t m) {
    int k = 0;
    for (; m > 1 && m % 10 == 0; m /= 10) ++k;
    return m == 1 ? k : -1;
}

}  // namespace

std::string clearingComment(Style style) {
    return style == Style::decimal ? "clear decimals" : "clear fractions";
}

std::string clearingNote(std::int64_t multiplier, Style style) {
    const std::string m = std::to_string(multiplier);
    if (const int k = powerOfTen(multiplier); style == Style::decimal && k >= 0) {
        const std::string places = std::to_string(k);
        return "\nhighest decimal place count\nis " + places + ", multiply both sides\nby 10" +
               superscriptDigit(places) + " = " + m;
    }
    return m + " is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions";
}

}  // namespace radixmender
