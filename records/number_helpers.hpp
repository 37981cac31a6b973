#pragma once
// Texts of numbers and random picks with exclusions, for generating
// exercises. Texts are counted by characters, not bytes.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "records/random.hpp"

namespace radixmender {

// Repetitions of a fill around a text; a negative count throws.
std::string padText(const std::string& text, std::int64_t leftCount, const std::string& leftFill,
                    std::int64_t rightCount, const std::string& rightFill);
std::string padLeft(const std::string& text, std::int64_t count, const std::string& fill);
std::string padRight(const std::string& text, std::int64_t count, const std::string& fill);
// The list behind as many fills as `other` is longer.
std::vector<std::string> padListLeft(const std::vector<std::string>& list,
                                     const std::vector<std::string>& other, const std::string& fill);

std::vector<std::string> characterTexts(const std::string& text);

struct TextLengths {
    std::int64_t first = 0, second = 0, longer = 0;
    bool operator==(const TextLengths&) const = default;
};
TextLengths textLengths(const std::string& a, const std::string& b);

// 10ⁿ; a negative n or a power beyond 64 bits throws.
std::int64_t powerOfTen(std::int64_t n);
// "1" followed by n zeros; a negative n throws.
std::string powerOfTenText(std::int64_t n);
bool hasSingleNonZeroDigit(const std::string& text);
bool isZeroText(const std::string& text);
bool isPowerOfTenText(const std::string& text);
bool isNonNegativeFraction(std::int64_t numerator, std::int64_t denominator);

// "one", "ten", "hundred", ... "ten million" for 10⁰ to 10⁷, with an "s" when
// plural; "...?" for any other exponent.
std::string placeValueWord(std::int64_t exponent, bool plural);

// The digit whose code point the text holds in capital hexadecimal, as a
// superscript ("2070", "B9", ...) or a plain digit ("30" to "39"); 0 otherwise.
std::int64_t superscriptDigitClass(const std::string& text);

// Both bounds can be drawn.
struct ClosedRange {
    std::int64_t lowerBound = 0;
    std::int64_t upperBound = 0;
};

// A value of the range that is not excluded. Throws when the range is empty
// or every value of it is excluded.
std::int64_t randomInt(ClosedRange range, const std::vector<std::int64_t>& excluded,
                       RandomSource& source = defaultRandomSource());
std::string randomIntText(ClosedRange range, const std::vector<std::int64_t>& excluded,
                          RandomSource& source = defaultRandomSource());

// x from the first range and y from the second, drawn again while one is
// excluded, or (coprime) gcd(x, y) ≠ 1, or (distinct) x = y. Throws when no
// pair can meet the conditions: always when a range has no value left, and
// otherwise decided before drawing whenever one range has at most 65,536
// values left and 65,536 checks settle it.
std::pair<std::int64_t, std::int64_t> randomPair(ClosedRange first, ClosedRange second,
                                                 const std::vector<std::int64_t>& firstExcluded,
                                                 const std::vector<std::int64_t>& secondExcluded,
                                                 bool coprime, bool distinct,
                                                 RandomSource& source = defaultRandomSource());
// As `randomPair`, as decimal texts; a pair holding a 0 passes the coprime test.
std::pair<std::string, std::string> randomPairTexts(ClosedRange first, ClosedRange second,
                                                    const std::vector<std::int64_t>& firstExcluded,
                                                    const std::vector<std::int64_t>& secondExcluded,
                                                    bool coprime, bool distinct,
                                                    RandomSource& source = defaultRandomSource());

template <typename T>
void swapValues(T& a, T& b) {
    std::swap(a, b);
}

}  // namespace radixmender
