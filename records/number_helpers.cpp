#include "records/number_helpers.hpp"

#include <algorithm>
#include <array>
#include <numeric>
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

bool isAllowed(std::int64_t value, ClosedRange range, const std::vector<std::int64_t>& excluded) {
    return value >= range.lowerBound && value <= range.upperBound && !isExcluded(value, excluded);
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

// gcd(x, y) = 1, on magnitudes, so that the smallest integer has one.
bool areCoprime(std::int64_t x, std::int64_t y) {
    const auto magnitude = [](std::int64_t v) {
        return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    };
    return std::gcd(magnitude(x), magnitude(y)) == 1;
}

struct PairRule {
    bool coprime, distinct, zeroIsCoprime;
    bool passes(std::int64_t x, std::int64_t y) const {
        if (distinct && x == y) return false;
        if (!coprime || (zeroIsCoprime && (x == 0 || y == 0))) return true;
        return areCoprime(x, y);
    }
};

// One side of a pair: its range, its exclusions and how many values remain.
struct Side {
    ClosedRange range;
    const std::vector<std::int64_t>& excluded;
    Wide count;
};

// Values checked at most in deciding whether any pair can pass.
constexpr Wide kDecisionBudget = 1 << 16;

// Whether some y of `other` pairs with x. Where the rule leaves x many
// partners the count decides; otherwise the values are tried in order within
// the budget, and a budget spent leaves the answer open (taken as yes).
bool hasPartner(std::int64_t x, const Side& other, const PairRule& rule, Wide& budget) {
    const bool anyNotX = other.count > ((rule.distinct && isAllowed(x, other.range, other.excluded)) ? 1 : 0);
    if (!rule.coprime || (rule.zeroIsCoprime && x == 0) || x == 1 || x == -1) return anyNotX;
    // Only ±1 is coprime to 0; a partner of |x| ≥ 2 is never x itself.
    for (const std::int64_t y : {std::int64_t{1}, std::int64_t{-1}})
        if (isAllowed(y, other.range, other.excluded)) return true;
    if (x == 0) return false;
    if (rule.zeroIsCoprime && isAllowed(0, other.range, other.excluded)) return true;
    for (std::int64_t y = other.range.lowerBound;; ++y) {
        if (budget-- <= 0) return true;
        if (!isExcluded(y, other.excluded) && areCoprime(x, y)) return true;
        if (y == other.range.upperBound) return false;
    }
}

// Throws when no pair of the two sides passes the rule: either side has no
// value left, or none of the side with fewer values has a partner (decided
// while that side has few values and the budget lasts).
void requirePossiblePair(const Side& first, const Side& second, const PairRule& rule) {
    if (first.count == 0 || second.count == 0) throw std::invalid_argument("every value of a range is excluded");
    // The rule is symmetric in x and y: go through the side with fewer values.
    const Side& few = first.count <= second.count ? first : second;
    const Side& other = &few == &first ? second : first;
    if (few.count > kDecisionBudget) return;
    Wide budget = kDecisionBudget;
    for (std::int64_t x = few.range.lowerBound;; ++x) {
        if (!isExcluded(x, few.excluded) && hasPartner(x, other, rule, budget)) return;
        if (x == few.range.upperBound) break;
    }
    throw std::invalid_argument("no pair of the ranges meets the conditions");
}

std::pair<std::int64_t, std::int64_t> drawPair(ClosedRange first, ClosedRange second,
                                               const std::vector<std::int64_t>& firstExcluded,
                                               const std::vector<std::int64_t>& secondExcluded,
                                               const PairRule& rule, RandomSource& source) {
    requirePossiblePair({first, firstExcluded, allowedCount(first, firstExcluded)},
                        {second, secondExcluded, allowedCount(second, secondExcluded)}, rule);
    while (true) {
        const std::int64_t x = source.uniform(first.lowerBound, first.upperBound);
        const std::int64_t y = source.uniform(second.lowerBound, second.upperBound);
        if (!isExcluded(x, firstExcluded) && !isExcluded(y, secondExcluded) && rule.passes(x, y)) return {x, y};
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

std::string powerOfTenText(std::int64_t n) {
    if (n < 0) throw std::invalid_argument(kEmptyRange);
    return "1" + repeated("0", n);
}

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
    return drawPair(first, second, firstExcluded, secondExcluded, {coprime, distinct, false}, source);
}

std::pair<std::string, std::string> randomPairTexts(ClosedRange first, ClosedRange second,
                                                    const std::vector<std::int64_t>& firstExcluded,
                                                    const std::vector<std::int64_t>& secondExcluded,
                                                    bool coprime, bool distinct, RandomSource& source) {
    const auto [x, y] =
        drawPair(first, second, firstExcluded, secondExcluded, {coprime, distinct, true}, source);
    return {std::to_string(x), std::to_string(y)};
}

}  // namespace radixmender
