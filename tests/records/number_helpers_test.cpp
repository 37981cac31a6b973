// Number texts, term texts, random picks with a scripted source, and prime
// factorisation against brute force.
#include "records/number_helpers.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "records/prime_factors.hpp"
#include "records/term_texts.hpp"
#include "tests/support/record_check.hpp"
#include "tests/support/scripted_source.hpp"

namespace radixmender {
namespace {

using IntPair = std::pair<std::int64_t, std::int64_t>;
using TextPair = std::pair<std::string, std::string>;

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(NumberHelpers, Texts) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {placeValueWord(2, true), "hundreds"},
        {placeValueWord(8, true), "...?"},
        {placeValueWord(0, false), "one"},
        {powerOfTenText(0), "1"},
        {powerOfTenText(3), "1000"},
        {padText("7", 2, "·", 1, "🖇"), "··7🖇"},
        {padLeft("7", 0, "x") + padRight("7", 2, "0"), "7700"},
        {signedTermText(3, 2, "x", false), "+3x²"},
        {signedTermText(1, 2, "x", false), "+x²"},
        {signedTermText(1, 2, "x", true), "+1x²"},
        {signedTermText(-1, 1, "x", false), "-x"},
        {signedTermText(-1, 1, "x", true), "-1x"},
        {signedTermText(-4, 0, "x", false), "-4"},
        {signedTermText(1, 0, "x", false), "+1"},
        {signedTermText(0, 3, "y", false), "+0y³"},
        {signedTermText(2, 12, "x", false), "+2x..."},
        {signedTermText(-1, -1, "x", false), "-x..."},
    };
    for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
    for (const auto& [text, expected] : std::vector<std::pair<std::string, std::int64_t>>{
             {"B9", 1}, {"39", 9}, {"2070", 0}, {"2079", 9}, {"B3", 3}, {"34", 4}, {"b9", 0}, {"", 0}})
        EXPECT_EQ(superscriptDigitClass(text), expected) << text;
    for (const auto& [text, power] : std::vector<std::pair<std::string, bool>>{
             {"1000", true}, {"1", true}, {"2000", false}, {"1010", false}, {"0", false}, {"", false}})
        EXPECT_EQ(isPowerOfTenText(text), power) << text;
    EXPECT_TRUE(hasSingleNonZeroDigit("0200"));
    EXPECT_TRUE(isZeroText("0") && !isZeroText("00"));
    EXPECT_TRUE(isNonNegativeFraction(0, -3) && isNonNegativeFraction(-1, -2) &&
                !isNonNegativeFraction(-1, 2));
    EXPECT_EQ(padListLeft({"7"}, {"a", "b", "c"}, ""), (std::vector<std::string>{"", "", "7"}));
    EXPECT_EQ(padListLeft({"a", "b"}, {"c"}, "x"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(characterTexts("a🖇√"), (std::vector<std::string>{"a", "🖇", "√"}));
    EXPECT_EQ(textLengths("🖇🖇", "abc"), (TextLengths{2, 3, 3}));
    EXPECT_EQ(powerOfTen(0), 1);
    EXPECT_EQ(powerOfTen(18), 1'000'000'000'000'000'000);
    EXPECT_THROW(powerOfTen(19), std::overflow_error);
    EXPECT_THROW(powerOfTen(-1), std::invalid_argument);
    EXPECT_THROW(powerOfTenText(-1), std::invalid_argument);
    EXPECT_THROW(padLeft("7", -1, " "), std::invalid_argument);
    for (const auto& [value, digits] : std::vector<std::pair<std::int64_t, std::int64_t>>{
             {0, 1}, {7, 1}, {-45, 2}, {100, 3}, {kMax, 19}, {kMin + 1, 19}})
        EXPECT_EQ(decimalDigitCount(value), digits) << value;
    EXPECT_THROW(decimalDigitCount(kMin), std::overflow_error);
}

TEST(NumberHelpers, BoxGridTermTexts) {
    const struct {
        std::int64_t n;
        std::uint64_t e;
        std::vector<std::size_t> positions;
        const char* text;
    } cases[] = {
        {5, 0, {0, 5, 7}, "+5"}, {-5, 0, {0, 5}, "-5"}, {0, 0, {3, 7}, "0"},     {1, 1, {0, 4, 6, 8}, "x"},
        {1, 1, {5, 7}, "+1x"},   {-1, 1, {0, 6}, "-x"}, {-1, 1, {5, 7}, "-1x"},  {0, 1, {2, 5}, "0x"},
        {3, 1, {1}, "3x"},       {3, 1, {7}, "+3x"},    {1, 2, {0, 5, 7}, "x²"}, {-2, 3, {5}, "-2x³"},
        {4, 10, {0}, "4x..."},
    };
    for (const auto& c : cases)
        for (const std::size_t k : c.positions)
            EXPECT_EQ(boxGridTermText({c.n, c.e, "x"}, k), c.text) << c.n << "x^" << c.e << " @" << k;
}

TEST(NumberHelpers, RandomPicksRedrawUntilAllowedAndRefuseTheImpossible) {
    testing::ScriptedSource s1("3 5 4");
    EXPECT_EQ(randomIntText({1, 5}, {3, 5}, s1), "4");
    testing::ScriptedSource s2("0 7 6 4 6 35");
    EXPECT_EQ(randomInt({kMin, kMax}, {0}, s2), 7);
    // Unlisted ranges: drawn without deciding beforehand.
    EXPECT_EQ(randomPair({kMin, kMax}, {kMin, kMax}, {}, {}, true, true, s2), IntPair(6, 35));
    EXPECT_TRUE(s2.exhausted());
    testing::ScriptedSource s3("2 4 3 3 0 3 2 3");
    EXPECT_EQ(randomPair({0, 4}, {1, 4}, {}, {}, true, true, s3), IntPair(2, 3));
    testing::ScriptedSource s4("0 3");
    EXPECT_EQ(randomPairTexts({0, 4}, {1, 4}, {}, {}, true, true, s4), TextPair("0", "3"));
    testing::ScriptedSource none("");
    EXPECT_THROW(randomInt({1, 2}, {2, 1, 2}, none), std::invalid_argument);
    EXPECT_THROW(randomInt({3, 1}, {}, none), std::invalid_argument);
    EXPECT_THROW(randomPair({1, 3}, {1, 1}, {}, {1}, false, false, none), std::invalid_argument);
    EXPECT_THROW(randomPair({2, 2}, {4, 8}, {}, {5, 7}, true, false, none), std::invalid_argument);
    EXPECT_THROW(randomPair({5, 5}, {5, 5}, {}, {}, false, true, none), std::invalid_argument);
    EXPECT_THROW(randomPair({0, 0}, {0, 0}, {}, {}, true, false, none), std::invalid_argument);
    testing::ScriptedSource s5("0 0");
    EXPECT_EQ(randomPairTexts({0, 0}, {0, 0}, {}, {}, true, false, s5), TextPair("0", "0"));
    // The system's source reaches both ends of the range.
    std::set<std::int64_t> seen;
    for (int i = 0; i < 200; ++i) seen.insert(randomInt({1, 3}, {2}));
    EXPECT_EQ(seen, (std::set<std::int64_t>{1, 3}));
}

TEST(NumberHelpers, PrimeFactorsAgainstBruteForce) {
    for (std::int64_t n = -2; n <= 10'000; ++n) {
        std::vector<FactorPair> brute;
        for (std::int64_t d = 2, rest = n; rest > 1; ++d)
            for (; rest % d == 0; rest /= d)
                if (brute.empty() || brute.back().prime != d)
                    brute.push_back({d, 1});
                else
                    ++brute.back().exponent;
        const auto list = primeFactorList(n);
        ASSERT_EQ(list, n <= 1 ? std::nullopt : std::optional(brute)) << n;
        if (!list) continue;
        for (const std::int64_t k : {2, 3}) {
            const auto summary = *primeFactorPairs(n, k);
            std::int64_t atLeast = 0, multiple = 0;
            for (const FactorPair& p : brute) atLeast += p.exponent >= k, multiple += p.exponent % k == 0;
            EXPECT_EQ(summary.pairs, brute);
            EXPECT_EQ(summary.distinctPrimes, static_cast<std::int64_t>(brute.size()));
            EXPECT_EQ(summary.exponentsAtLeastK, atLeast);
            EXPECT_EQ(summary.exponentsMultipleOfK, multiple);
        }
        // The tree divides n down to its largest prime, one prime at a time.
        const auto rows = primeTreeRows(n, brute, true);
        std::int64_t exponents = 0, quotient = n;
        for (const FactorPair& p : brute) exponents += p.exponent;
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(exponents));
        EXPECT_EQ(rows[0], (PrimeTreeRow{1, Color::clear, n, rows.size() == 1 ? Color::red : Color::black}));
        for (std::size_t i = 1; i < rows.size(); ++i)
            EXPECT_EQ(rows[i].quotient, quotient /= rows[i].divisor);
        EXPECT_EQ(rows.back().quotient, brute.back().prime);
        EXPECT_EQ(rows.back().quotientColor, brute.size() % 2 == 1 ? Color::red : Color::blue);
    }
    EXPECT_EQ(primeFactorList(1'000'000'000'039), (std::vector<FactorPair>{{1'000'000'000'039, 1}}));
    EXPECT_EQ(primeFactorList(kMax),
              (std::vector<FactorPair>{{7, 2}, {73, 1}, {127, 1}, {337, 1}, {92737, 1}, {649657, 1}}));
    EXPECT_THROW(primeFactorPairs(72, 0), std::domain_error);
    EXPECT_TRUE(primeTreeRows(1, {}, true).empty());
    EXPECT_EQ(primeTreeRows(12, {{2, 2}, {3, 1}}, false).back(),
              (PrimeTreeRow{2, Color::black, 3, Color::black}));
}

TEST(NumberHelpers, FactorProductRecords) {
    const Record product = makeFactorProductRecord({{2, 3, Color::black}, {3, 1, Color::black}});
    EXPECT_EQ(testing::describeRecord(product), "((2 ^ 3) ∙ 3)");
    EXPECT_EQ(testing::describeRecord(
                  makeAlternatingFactorisationRecord({{2, 3}, {3, 1}, {5, 1}}, Color::red, Color::blue)),
              "(((2{red} ^{red} 3{red}) ∙ 3{blue}) ∙ 5{red})");
    EXPECT_EQ(makeFactorisationRecord({{2, 3}, {3, 1}}, Color::black), product);
    EXPECT_THROW(makeFactorProductRecord({}), std::invalid_argument);
}

}  // namespace
}  // namespace radixmender
