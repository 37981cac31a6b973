// Integer helpers, checked arithmetic, number and term texts, random picks
// and prime factors: the edges of the range and the texts a learner sees as
// tables, everything else against brute force or wide arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <stdexcept>
#include <tuple>

#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/number_helpers.hpp"
#include "records/prime_factors.hpp"
#include "records/term_texts.hpp"
#include "tests/support/record_check.hpp"
#include "tests/support/scripted_source.hpp"

namespace radixmender {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kTopRoot = 3037000499;  // the largest r with r² in range
using IntPair = std::pair<std::int64_t, std::int64_t>;
using TextPair = std::pair<std::string, std::string>;

__extension__ typedef __int128 Wide;

// The message of what `f` throws; "" when it returns.
template <typename F>
std::string thrown(F f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

using Operation = std::int64_t (*)(std::int64_t, std::int64_t);
std::int64_t negation(std::int64_t x, std::int64_t) { return checkedNeg(x); }
std::int64_t absoluteOf(std::int64_t x, std::int64_t) { return absoluteValue(x); }
// An exponent of −1 stands for 2^64 − 1: huge powers of ±1 answer at once.
std::int64_t powerOf(std::int64_t x, std::int64_t e) { return power(x, static_cast<std::uint64_t>(e)); }

// Each operation at the edges of the range: the result, or the error's message.
TEST(Checked, ResultsAndErrors) {
    const std::int64_t p31 = std::int64_t{1} << 31, p32 = std::int64_t{1} << 32;
    const struct {
        Operation op;
        std::int64_t x, y, result;
        const char* message = "";
    } cases[] = {
        {checkedAdd, kMax, 1, 0, kOverflowMessage},
        {checkedSub, kMin, 1, 0, kOverflowMessage},
        {checkedMul, p32, p31, 0, kOverflowMessage},
        {checkedMul, kMin, -1, 0, kOverflowMessage},
        {negation, kMin, 0, 0, kOverflowMessage},
        {absoluteOf, kMin, 0, 0, kOverflowMessage},
        {checkedDiv, -7, 2, -3},
        {checkedDiv, 1, 0, 0, kDivisionByZeroMessage},
        {checkedDiv, kMin, -1, 0, kDivisionOverflowMessage},
        {checkedRem, -7, 2, -1},
        {checkedRem, 1, 0, 0, kRemainderByZeroMessage},
        {checkedRem, kMin, -1, 0, kRemainderOverflowMessage},
        {lcm, 0, -7, 0},
        {lcm, -12, 18, 36},
        {lcm, kMin, 1, 0, kOverflowMessage},
        {lcm, std::int64_t{1} << 62, 3, 0, kOverflowMessage},
        {powerOf, kMin, 1, kMin},
        {powerOf, p32, 2, 0, kOverflowMessage},
        {powerOf, -1, -1, -1},
    };
    for (const auto& c : cases) {
        std::int64_t got = 0;
        EXPECT_EQ(thrown([&] { got = c.op(c.x, c.y); }), c.message) << "row " << &c - cases;
        EXPECT_EQ(got, c.result) << "row " << &c - cases;
    }
    // Callers may catch the precise kinds.
    EXPECT_THROW(checkedRem(1, 0), std::domain_error);
    EXPECT_THROW(checkedDiv(kMin, -1), std::overflow_error);
}

// k² is the largest square dividing n, and m = n / k²: every n up to 5000
// against brute force with the divisors, and large products of a square and
// distinct primes.
TEST(Integers, DivisorsAndLargestSquareFactor) {
    for (std::int64_t n : {std::int64_t{-4}, kMin})
        EXPECT_TRUE(!exactSquareRoot(n) && !integerSquareRoot(n) && !simplifySquareRoot(n) &&
                    divisors(n).empty());
    EXPECT_TRUE(!integerSquareRoot(0) && exactSquareRoot(0) == 0 && divisors(0).empty());
    EXPECT_EQ(simplifySquareRoot(0), (SquareRootParts{0, 1}));
    // 2^63 − 1 = 7² · 73 · 127 · 337 · 92737 · 649657
    EXPECT_EQ(simplifySquareRoot(kMax), (SquareRootParts{7, kMax / 49}));
    for (std::int64_t n = 1; n <= 5000; ++n) {
        std::vector<std::int64_t> expected;
        std::int64_t k = 1;
        for (std::int64_t d = 1; d <= n; ++d)
            if (n % d == 0) expected.push_back(d), k = n % (d * d) == 0 ? d : k;
        ASSERT_EQ(divisors(n), expected) << n;
        ASSERT_EQ(simplifySquareRoot(n), (SquareRootParts{k, n / (k * k)})) << n;
    }
    std::mt19937_64 rng(42);
    for (int round = 0; round < 300; ++round) {
        std::int64_t m = 1;
        for (std::int64_t p : {2, 3, 5, 7, 11, 13, 101, 65537, 1000003, 2147483647})
            if (rng() % 3 == 0 && m <= kMax / p) m *= p;
        const auto top = static_cast<std::uint64_t>(integerSquareRoot(kMax / m).value());
        const std::int64_t k = 1 + static_cast<std::int64_t>(rng() % top);
        ASSERT_EQ(simplifySquareRoot(k * k * m), (SquareRootParts{k, m})) << k << "² · " << m;
    }
}

// Products of known primes up to 2^63, the hardest being two primes of 31
// or 32 bits, factorised as built; their divisors as every product of the
// prime powers, sorted. Then strong pseudoprimes to many bases and the top
// of the range.
TEST(Integers, FactorisationOfLargeNumbers) {
    const auto isPrimeByTrial = [](std::int64_t p) {
        for (std::int64_t d = 2; d <= p / d; ++d)
            if (p % d == 0) return false;
        return p > 1;
    };
    std::mt19937_64 rng(63);
    std::vector<std::int64_t> primes = {2, 3, 251, 257, 65521, 65537, 2147483647, 3037000453, 3037000493, 4294967291};
    while (primes.size() < 50) {
        const auto p = static_cast<std::int64_t>(rng() >> (32 + rng() % 24));
        if (isPrimeByTrial(p)) primes.push_back(p);
    }
    for (int round = 0; round < 3000; ++round) {
        std::map<std::int64_t, std::int64_t> built;
        std::int64_t n = 1;
        for (int k = 0; k < 1 + round % 8; ++k)
            if (const std::int64_t p = primes[rng() % primes.size()]; n <= kMax / p) n *= p, ++built[p];
        std::vector<FactorPair> expected;
        std::int64_t k = 1, m = 1;
        for (const auto& [p, e] : built) {
            expected.push_back({p, e});
            for (std::int64_t i = 0; i < e / 2; ++i) k *= p;
            m *= e % 2 == 1 ? p : 1;
        }
        ASSERT_EQ(primeFactorList(n), n == 1 ? std::nullopt : std::optional(expected)) << n;
        ASSERT_EQ(simplifySquareRoot(n), (SquareRootParts{k, m})) << n;
        if (round % 10 != 0) continue;
        std::vector<std::int64_t> all{1};
        for (const auto& [p, e] : built)
            for (std::size_t i = 0, size = all.size(); i < size; ++i)
                for (std::int64_t q = 1, j = 0; j < e; ++j) all.push_back(all[i] * (q *= p));
        std::sort(all.begin(), all.end());
        ASSERT_EQ(divisors(n), all) << n;
    }
    const std::pair<std::int64_t, std::vector<FactorPair>> cases[] = {
        {3215031751, {{151, 1}, {751, 1}, {28351, 1}}},
        {3825123056546413051, {{149491, 1}, {747451, 1}, {34233211, 1}}},
        {kMax - 24, {{kMax - 24, 1}}},
        {std::int64_t{1} << 62, {{2, 62}}},
        {std::int64_t{2147483647} * 2147483647, {{2147483647, 2}}},
    };
    for (const auto& [n, pairs] : cases) EXPECT_EQ(primeFactorList(n), pairs) << n;
    const auto many = divisors(897612484786617600);
    EXPECT_TRUE(many.size() == 103680 && std::is_sorted(many.begin(), many.end()) &&
                std::all_of(many.begin(), many.end(), [](std::int64_t d) { return 897612484786617600 % d == 0; }));
}

// ⌊√n⌋ by wide multiplication, and the exact root when n is a square: at
// squares and their neighbours near both ends, through the top band where
// doubles cannot tell neighbours apart, and at random.
TEST(Integers, SquareRootsExactAcrossTheRange) {
    const auto check = [](std::int64_t n) {
        const auto r = integerSquareRoot(n);
        ASSERT_TRUE(r.has_value()) << n;
        ASSERT_TRUE(static_cast<Wide>(*r) * *r <= n && static_cast<Wide>(*r + 1) * (*r + 1) > n) << n;
        ASSERT_EQ(exactSquareRoot(n), *r * *r == n ? r : std::nullopt) << n;
    };
    std::mt19937_64 rng(3);
    std::vector<std::int64_t> roots;
    for (std::int64_t r = 1; r < 3000; ++r) roots.insert(roots.end(), {r, kTopRoot - r + 1});
    for (int i = 0; i < 20000; ++i) roots.push_back(1 + static_cast<std::int64_t>(rng() % kTopRoot));
    for (std::int64_t r : roots)
        for (std::int64_t n : {r * r - 1, r * r, r * r + 1})
            if (n > 0) check(n);
    for (std::int64_t n = kMax; n > kMax - 20000; --n) check(n);
    for (int i = 0; i < 20000; ++i) check(static_cast<std::int64_t>(rng() >> 1) + 1);
}

// gcd against the standard library's on magnitudes as unsigned, where the
// smallest integer has one; a gcd of 2^63 does not fit and throws.
TEST(Integers, GcdOverSignedValues) {
    const auto magnitude = [](std::int64_t v) {
        return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    };
    std::mt19937_64 rng(11);
    std::vector<std::int64_t> values = {0, 1, -1, 6, -6, kMax, kMax - 1, kMin, kMin + 1, kMin / 2, 1LL << 62};
    for (int i = 0; i < 300; ++i) {
        const auto raw = static_cast<std::int64_t>(rng());
        values.push_back(i % 3 == 0 ? raw : raw % 100000);
        values.push_back(static_cast<std::int64_t>((rng() % 1000) + 1) *
                         static_cast<std::int64_t>(rng() % 1000000) * (i % 2 ? 1 : -1));
    }
    for (std::int64_t a : values) {
        for (std::int64_t b : values) {
            const std::uint64_t expected = std::gcd(magnitude(a), magnitude(b));
            std::int64_t got = 0;
            const std::string error = thrown([&] { got = gcd(a, b); });
            ASSERT_EQ(error, expected > static_cast<std::uint64_t>(kMax) ? kOverflowMessage : "")
                << a << ", " << b;
            ASSERT_TRUE(!error.empty() || static_cast<std::uint64_t>(got) == expected) << a << ", " << b;
        }
    }
}

TEST(Integers, PowerAgreesWithWideArithmetic) {
    for (std::int64_t base = -40; base <= 40; ++base) {
        Wide exact = 1;
        for (std::uint64_t e = 0; e <= 70; ++e) {
            if (e > 0) exact *= base;  // |exact| ≤ 2^63 · 40 before it stops: no wide overflow
            if (exact < kMin || exact > kMax) {
                ASSERT_EQ(thrown([&] { power(base, e); }), kOverflowMessage) << base << "^" << e;
                break;
            }
            ASSERT_EQ(power(base, e), static_cast<std::int64_t>(exact)) << base << "^" << e;
        }
    }
}

TEST(NumberHelpers, Texts) {
    using enum Color;
    const std::pair<std::string, std::string> cases[] = {
        {placeValueWord(2, true), "hundreds"},
        {placeValueWord(8, true), "...?"},
        {powerOfTenText(3), "1000"},
        {padText("7", 2, "·", 1, "🖇"), "··7🖇"},
        {padLeft("7", 0, "x") + padRight("7", 2, "0"), "7700"},
        {signedTermText(3, 2, "x", false), "+3x²"},
        {signedTermText(1, 2, "x", false), "+x²"},
        {signedTermText(1, 2, "x", true), "+1x²"},
        {signedTermText(-1, 1, "x", false), "-x"},
        {signedTermText(-4, 0, "x", false), "-4"},
        {signedTermText(1, 0, "x", false), "+1"},
        {signedTermText(2, 12, "x", false), "+2x..."},
        {testing::describeRecord(makeAlternatingFactorisationRecord({{2, 3}, {3, 1}, {5, 1}}, red, blue)),
         "(((2{red} ^{red} 3{red}) ∙ 3{blue}) ∙ 5{red})"},
        {testing::describeRecord(makeFactorisationRecord({{2, 3}, {3, 1}}, black)), "((2 ^ 3) ∙ 3)"},
    };
    for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
    for (const auto& [text, expected] : std::vector<std::pair<std::string, std::int64_t>>{
             {"B9", 1}, {"39", 9}, {"2070", 0}, {"2079", 9}, {"B3", 3}, {"34", 4}, {"b9", 0}, {"", 0}})
        EXPECT_EQ(superscriptDigitClass(text), expected) << text;
    for (const auto& [text, power] : std::vector<std::pair<std::string, bool>>{
             {"1000", true}, {"1", true}, {"2000", false}, {"1010", false}, {"0", false}, {"", false}})
        EXPECT_EQ(isPowerOfTenText(text), power) << text;
    EXPECT_TRUE(hasSingleNonZeroDigit("0200") && isZeroText("0") && !isZeroText("00"));
    EXPECT_TRUE(isNonNegativeFraction(0, -3) && isNonNegativeFraction(-1, -2) &&
                !isNonNegativeFraction(-1, 2));
    EXPECT_EQ(padListLeft({"7"}, {"a", "b", "c"}, ""), (std::vector<std::string>{"", "", "7"}));
    EXPECT_EQ(characterTexts("a🖇√"), (std::vector<std::string>{"a", "🖇", "√"}));
    EXPECT_EQ(textLengths("🖇🖇", "abc"), (TextLengths{2, 3, 3}));
    EXPECT_EQ(powerOfTen(18), 1'000'000'000'000'000'000);
    EXPECT_THROW(powerOfTen(19), std::overflow_error);
    EXPECT_THROW(powerOfTen(-1), std::invalid_argument);
    EXPECT_THROW(powerOfTenText(-1), std::invalid_argument);
    EXPECT_THROW(padLeft("7", -1, " "), std::invalid_argument);
    EXPECT_THROW(makeFactorProductRecord({}), std::invalid_argument);
    EXPECT_TRUE(decimalDigitCount(0) == 1 && decimalDigitCount(-45) == 2 && decimalDigitCount(100) == 3 &&
                decimalDigitCount(kMin + 1) == 19);
    EXPECT_THROW(decimalDigitCount(kMin), std::overflow_error);
}

// {numerator, exponent, positions, text}
TEST(NumberHelpers, BoxGridTermTexts) {
    const std::tuple<std::int64_t, std::uint64_t, std::vector<std::size_t>, const char*> cases[] = {
        {5, 0, {0, 5, 7}, "+5"}, {-5, 0, {0, 5}, "-5"}, {0, 0, {3, 7}, "0"},     {1, 1, {0, 4, 6, 8}, "x"},
        {1, 1, {5, 7}, "+1x"},   {-1, 1, {0, 6}, "-x"}, {-1, 1, {5, 7}, "-1x"},  {0, 1, {2, 5}, "0x"},
        {3, 1, {1}, "3x"},       {3, 1, {7}, "+3x"},    {1, 2, {0, 5, 7}, "x²"}, {-2, 3, {5}, "-2x³"},
        {4, 10, {0}, "4x..."},
    };
    for (const auto& [n, e, positions, text] : cases)
        for (const std::size_t k : positions)
            EXPECT_EQ(boxGridTermText({n, e, "x"}, k), text) << n << "x^" << e << " @" << k;
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
    // Long ranges with no partner for the values of the short one: only ±1
    // is coprime to 0, no even number to another (the texts let 0 pass).
    EXPECT_THROW(randomPair({2, 1'000'000}, {0, 0}, {}, {}, true, false, none), std::invalid_argument);
    EXPECT_THROW(randomPair({kMin, kMin}, {-6, 0}, {}, {-5, -3, -1}, true, false, none), std::invalid_argument);
    std::vector<std::int64_t> odd;
    for (std::int64_t v = 1; v < 200; v += 2) odd.push_back(v);
    EXPECT_THROW(randomPair({0, 200}, {0, 200}, odd, odd, true, false, none), std::invalid_argument);
    testing::ScriptedSource s5("4 0 6 35");
    EXPECT_EQ(randomPairTexts({0, 200}, {0, 200}, odd, odd, true, false, s5), TextPair("4", "0"));
    EXPECT_EQ(randomPair({6, 6}, {2, kMax}, {}, {}, true, false, s5), IntPair(6, 35));
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
            EXPECT_TRUE(summary.pairs == brute && summary.distinctPrimes == std::ssize(brute) &&
                        summary.exponentsAtLeastK == atLeast && summary.exponentsMultipleOfK == multiple)
                << n << ", " << k;
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
    EXPECT_EQ(primeFactorList(kMax),
              (std::vector<FactorPair>{{7, 2}, {73, 1}, {127, 1}, {337, 1}, {92737, 1}, {649657, 1}}));
    EXPECT_THROW(primeFactorPairs(72, 0), std::domain_error);
    EXPECT_TRUE(primeTreeRows(1, {}, true).empty() && !primeFactorPairs(1, 2) && !primeFactorPairs(1, 0));
    EXPECT_EQ(primeTreeRows(12, {{2, 2}, {3, 1}}, false).back(),
              (PrimeTreeRow{2, Color::black, 3, Color::black}));
}

}  // namespace
}  // namespace radixmender
