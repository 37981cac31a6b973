#include "records/number_helpers.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

#include "records/integers.hpp"
#include "records/text.hpp"

namespace radixmender {

namespace {

const char kEmptyRange[] = "Range requires lowerBound <= upperBound";

std::string repeated(const std::string& fill, std::int64_t count) {
    if (count < 0) throw std::invalid_argument("Negative count not allowed");
    std::string result;
    for (std::int64_t i = 0; i < count; ++i) result += fill;
    return result;
}

bool isExcluded(std::int64_t value, const std::vector<std::int64_t>& excluded) {
    return std::find(excluded.begin(), excluded.end(), value) != excluded.end();
}

__extension__ typedef __int128 Wide;

// How many values of the range are not excluded; an empty range throws.
Wide allowedCount(ClosedRange range, const std::vector<std::int64_t>& excluded) {
    if (range.lowerBound > range.upperBound) throw std::invalid_argument(kEmptyRange);
    std::vector<std::int64_t> inside;
    for (const std::int64_t v : excluded)
        if (v >= range.lowerBound && v <= range.upperBound) inside.push_back(v);
    std::sort(inside.begin(), inside.end());
    const auto distinct = std::unique(inside.begin(), inside.end()) - inside.begin();
    return static_cast<Wide>(range.upperBound) - range.lowerBound + 1 - distinct;
}

// The allowed values of a range known to hold few of them.
std::vector<std::int64_t> allowedValues(ClosedRange range, const std::vector<std::int64_t>& excluded) {
    std::vector<std::int64_t> values;
    for (std::int64_t v = range.lowerBound;; ++v) {
        if (!isExcluded(v, excluded)) values.push_back(v);
        if (v == range.upperBound) return values;
    }
}

bool pairPasses(std::int64_t x, std::int64_t y, bool coprime, bool distinct, bool zeroIsCoprime) {
    if (distinct && x == y) return false;
    if (!coprime || (zeroIsCoprime && (x == 0 || y == 0))) return true;
    return gcd(x, y) == 1;
}

// Pairs this many or fewer are listed to decide whether any of them passes.
constexpr Wide kListedPairs = 1 << 16;

std::pair<std::int64_t, std::int64_t> drawPair(ClosedRange first, ClosedRange second,
                                               const std::vector<std::int64_t>& firstExcluded,
                                               const std::vector<std::int64_t>& secondExcluded, bool coprime,
                                               bool distinct, bool zeroIsCoprime, RandomSource& source) {
    const Wide firstCount = allowedCount(first, firstExcluded),
               secondCount = allowedCount(second, secondExcluded);
    if (firstCount == 0 || secondCount == 0)
        throw std::invalid_argument("every value of a range is excluded");
    if (firstCount <= kListedPairs && secondCount <= kListedPairs &&
        firstCount * secondCount <= kListedPairs) {
        const auto xs = allowedValues(first, firstExcluded), ys = allowedValues(second, secondExcluded);
        const bool any = std::any_of(xs.begin(), xs.end(), [&](std::int64_t x) {
            return std::any_of(ys.begin(), ys.end(), [&](std::int64_t y) {
                return pairPasses(x, y, coprime, distinct, zeroIsCoprime);
            });
        });
        if (!any) throw std::invalid_argument("no pair of the ranges meets the conditions");
    }
    while (true) {
        const std::int64_t x = source.uniform(first.lowerBound, first.upperBound);
        const std::int64_t y = source.uniform(second.lowerBound, second.upperBound);
        if (!isExcluded(x, firstExcluded) && !isExcluded(y, secondExcluded) &&
            pairPasses(x, y, coprime, distinct, zeroIsCoprime))
            return {x, y};
    }
}

}  // namespace

std::string padText(const std::string& text, std::int64_t leftCount, const std::string& leftFill,
                    std::int64_t rightCount, const std::string& rightFill) {
    return repeated(leftFill, leftCount) + text + repeated(rightFill, rightCount);
}

std::string padLeft(const std::string& text, std::int64_t count, const std::string& fill) {
    return repeated(fill, count) + text;
}

std::string padRight(const std::string& text, std::int64_t count, const std::string& fill) {
    return text + repeated(fill, count);
}

std::vector<std::string> padListLeft(const std::vector<std::string>& list,
                                     const std::vector<std::string>& other, const std::string& fill) {
    if (other.size() <= list.size()) return list;
    std::vector<std::string> padded(other.size() - list.size(), fill);
    padded.insert(padded.end(), list.begin(), list.end());
    return padded;
}

std::vector<std::string> characterTexts(const std::string& text) { return characters(text); }

TextLengths textLengths(const std::string& a, const std::string& b) {
    const auto first = static_cast<std::int64_t>(characterCount(a));
    const auto second = static_cast<std::int64_t>(characterCount(b));
    return {first, second, std::max(first, second)};
}

std::int64_t powerOfTen(std::int64_t n) {
    if (n < 0) throw std::invalid_argument(kEmptyRange);
    return power(10, static_cast<std::uint64_t>(n));
}

std::string powerOfTenText(std::int64_t n) { return "1" + repeated("0", n); }

bool hasSingleNonZeroDigit(const std::string& text) {
    const auto chars = characters(text);
    return std::count_if(chars.begin(), chars.end(), [](const std::string& c) { return c != "0"; }) == 1;
}

bool isZeroText(const std::string& text) { return text == "0"; }

bool isPowerOfTenText(const std::string& text) { return hasSingleNonZeroDigit(text) && text.front() == '1'; }

bool isNonNegativeFraction(std::int64_t numerator, std::int64_t denominator) {
    return (numerator >= 0 && denominator >= 0) || (numerator <= 0 && denominator <= 0);
}

std::string placeValueWord(std::int64_t exponent, bool plural) {
    static constexpr std::array<const char*, 8> kWords = {
        "one", "ten", "hundred", "thousand", "ten thousand", "hundred thousand", "million", "ten million"};
    if (exponent < 0 || exponent >= static_cast<std::int64_t>(kWords.size())) return "...?";
    return std::string(kWords[static_cast<std::size_t>(exponent)]) + (plural ? "s" : "");
}

std::int64_t superscriptDigitClass(const std::string& text) {
    static constexpr std::array<std::string_view, 10> kSuperscriptCodes = {
        "2070", "B9", "B2", "B3", "2074", "2075", "2076", "2077", "2078", "2079"};
    for (std::size_t d = 0; d < kSuperscriptCodes.size(); ++d) {
        if (text == kSuperscriptCodes[d] || text == "3" + std::to_string(d))
            return static_cast<std::int64_t>(d);
    }
    return 0;
}

std::int64_t randomInt(ClosedRange range, const std::vector<std::int64_t>& excluded, RandomSource& source) {
    if (allowedCount(range, excluded) == 0)
        throw std::invalid_argument("every value of the range is excluded");
    while (true) {
        const std::int64_t value = source.uniform(range.lowerBound, range.upperBound);
        if (!isExcluded(value, excluded)) return value;
    }
}

std::string randomIntText(ClosedRange range, const std::vector<std::int64_t>& excluded,
                          RandomSource& source) {
    return std::to_string(randomInt(range, excluded, source));
}

std::pair<std::int64_t, std::int64_t> randomPair(ClosedRange first, ClosedRange second,
                                                 const std::vector<std::int64_t>& firstExcluded,
                                                 const std::vector<std::int64_t>& secondExcluded,
                                                 bool coprime, bool distinct, RandomSource& source) {
    return drawPair(first, second, firstExcluded, secondExcluded, coprime, distinct, false, source);
}

std::pair<std::string, std::string> randomPairTexts(ClosedRange first, ClosedRange second,
                                                    const std::vector<std::int64_t>& firstExcluded,
                                                    const std::vector<std::int64_t>& secondExcluded,
                                                    bool coprime, bool distinct, RandomSource& source) {
    const auto [x, y] =
        drawPair(first, second, firstExcluded, secondExcluded, coprime, distinct, true, source);
    return {std::to_string(x), std::to_string(y)};
}

}  // namespace radixmender
