// Integer helpers and checked arithmetic: documented values, properties over
// wide ranges, and a thrown error with its message wherever the true result
// leaves the 64-bit range.
#include "records/integers.hpp"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <numeric>
#include <random>
#include <stdexcept>

#include "records/checked.hpp"

namespace radixmender {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kTopRoot = 3037000499;  // the largest r with r² in range

__extension__ typedef __int128 Wide;

// Runs `f`, which must throw a std::exception of type E whose message is `message`.
template <typename E>
void expectThrowsWith(const std::function<void()>& f, const std::string& message, const std::string& what) {
    try {
        f();
        ADD_FAILURE() << what << ": no exception";
    } catch (const std::exception& e) {
        EXPECT_NE(dynamic_cast<const E*>(&e), nullptr) << what << ": wrong exception type";
        EXPECT_EQ(std::string(e.what()), message) << what;
    }
}

using Pairs = std::vector<std::pair<std::int64_t, std::int64_t>>;

TEST(Checked, ResultsAndErrors) {
    using Op = std::function<std::int64_t()>;
    struct Case {
        const char* what;
        Op op;
        std::optional<std::int64_t> result;  // none: throws
        const char* message;
    };
    const std::vector<Case> cases = {
        {"max + 1", [] { return checkedAdd(kMax, 1); }, {}, kOverflowMessage},
        {"min + -1", [] { return checkedAdd(kMin, -1); }, {}, kOverflowMessage},
        {"max + min", [] { return checkedAdd(kMax, kMin); }, -1, nullptr},
        {"min - 1", [] { return checkedSub(kMin, 1); }, {}, kOverflowMessage},
        {"0 - min", [] { return checkedSub(0, kMin); }, {}, kOverflowMessage},
        {"-1 - max", [] { return checkedSub(-1, kMax); }, kMin, nullptr},
        {"2^32 · 2^31",
         [] { return checkedMul(std::int64_t{1} << 32, std::int64_t{1} << 31); },
         {},
         kOverflowMessage},
        {"-2^32 · 2^31", [] { return checkedMul(-(std::int64_t{1} << 32), std::int64_t{1} << 31); }, kMin,
         nullptr},
        {"min · -1", [] { return checkedMul(kMin, -1); }, {}, kOverflowMessage},
        {"top root squared", [] { return checkedMul(kTopRoot, kTopRoot); }, 9223372030926249001, nullptr},
        {"top root + 1 squared", [] { return checkedMul(kTopRoot + 1, kTopRoot + 1); }, {}, kOverflowMessage},
        {"-min", [] { return checkedNeg(kMin); }, {}, kOverflowMessage},
        {"-max", [] { return checkedNeg(kMax); }, kMin + 1, nullptr},
        {"|min|", [] { return checkedAbs(kMin); }, {}, kOverflowMessage},
        {"|min + 1|", [] { return checkedAbs(kMin + 1); }, kMax, nullptr},
        {"-7 / 2", [] { return checkedDiv(-7, 2); }, -3, nullptr},
        {"7 / -2", [] { return checkedDiv(7, -2); }, -3, nullptr},
        {"1 / 0", [] { return checkedDiv(1, 0); }, {}, kDivisionByZeroMessage},
        {"min / -1", [] { return checkedDiv(kMin, -1); }, {}, kDivisionOverflowMessage},
        {"min / 1", [] { return checkedDiv(kMin, 1); }, kMin, nullptr},
        {"-7 % 2", [] { return checkedRem(-7, 2); }, -1, nullptr},
        {"7 % -2", [] { return checkedRem(7, -2); }, 1, nullptr},
        {"1 % 0", [] { return checkedRem(1, 0); }, {}, kRemainderByZeroMessage},
        {"min % -1", [] { return checkedRem(kMin, -1); }, {}, kRemainderOverflowMessage},
        {"min % 3", [] { return checkedRem(kMin, 3); }, -2, nullptr},
    };
    for (const auto& c : cases) {
        if (c.result) {
            EXPECT_EQ(c.op(), *c.result) << c.what;
        } else {
            expectThrowsWith<std::exception>([&] { c.op(); }, c.message, c.what);
        }
    }
    // Callers may catch the precise kinds.
    EXPECT_THROW(checkedRem(1, 0), std::domain_error);
    EXPECT_THROW(checkedDiv(kMin, -1), std::overflow_error);
}

// Small values are covered by the sweeps below; these are the rest.
TEST(Integers, DocumentedValues) {
    // gcd itself is swept against the standard library below; lcm's sign here.
    for (auto [a, b, g, l] :
         std::vector<std::array<std::int64_t, 4>>{{0, 0, 0, 0}, {0, -7, 7, 0}, {-12, 18, 6, 36}}) {
        EXPECT_EQ(gcd(a, b), g) << a << "," << b;
        EXPECT_EQ(lcm(a, b), l) << a << "," << b;
    }

    for (std::int64_t n : {std::int64_t{-4}, kMin, kMax}) EXPECT_EQ(exactSquareRoot(n), std::nullopt) << n;
    for (std::int64_t n : {std::int64_t{0}, std::int64_t{-3}, kMin})
        EXPECT_EQ(integerSquareRoot(n), std::nullopt) << n;
    EXPECT_EQ(integerSquareRoot(kMax), kTopRoot);

    const std::vector<std::pair<std::int64_t, std::optional<SquareRootParts>>> simplified = {
        {0, SquareRootParts{0, 1}},
        {-5, std::nullopt},
        {kMin, std::nullopt},
        // 2^63 − 1 = 7² · 73 · 127 · 337 · 92737 · 649657
        {kMax, SquareRootParts{7, kMax / 49}},
        // (2^31 − 1)², a square of a large prime, and twice it
        {4611686014132420609, SquareRootParts{2147483647, 1}},
        {9223372028264841218, SquareRootParts{2147483647, 2}},
        // two large primes: nothing to pull out
        {1000000007LL * 998244353LL, SquareRootParts{1, 1000000007LL * 998244353LL}},
        {kTopRoot * kTopRoot, SquareRootParts{kTopRoot, 1}},
    };
    for (const auto& [n, parts] : simplified) EXPECT_EQ(simplifySquareRoot(n), parts) << n;

    for (std::int64_t n : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{-12}, kMin})
        EXPECT_EQ(divisors(n), std::vector<std::int64_t>{}) << n;
}

// The square-free numbers below a bound, by crossing out multiples of squares.
std::vector<bool> squareFreeBelow(std::int64_t bound) {
    std::vector<bool> free(static_cast<std::size_t>(bound), true);
    for (std::int64_t p = 2; p * p < bound; ++p)
        for (std::int64_t q = p * p; q < bound; q += p * p) free[static_cast<std::size_t>(q)] = false;
    return free;
}

TEST(Integers, SimplifySquareRootSweep) {
    constexpr std::int64_t kBound = 200001;
    const auto squareFree = squareFreeBelow(kBound);
    for (std::int64_t n = 1; n < kBound; ++n) {
        const auto parts = simplifySquareRoot(n);
        ASSERT_TRUE(parts.has_value()) << n;
        // With m square-free, k² is the largest square dividing n.
        ASSERT_EQ(parts->k * parts->k * parts->m, n) << n;
        ASSERT_TRUE(parts->m >= 1 && squareFree[static_cast<std::size_t>(parts->m)])
            << n << " -> m " << parts->m;
    }
}

TEST(Integers, SimplifySquareRootOfLargeValues) {
    std::mt19937_64 rng(42);
    // Square-free m from distinct primes, times a random square k²: exactly (k, m) comes back.
    const std::int64_t primes[] = {2, 3, 5, 7, 11, 13, 101, 65537, 1000003, 2147483647};
    for (int round = 0; round < 300; ++round) {
        std::int64_t m = 1;
        for (std::int64_t p : primes)
            if (rng() % 3 == 0 && m <= kMax / p) m *= p;
        const std::int64_t kLimit = integerSquareRoot(kMax / m).value();
        const std::int64_t k = 1 + static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(kLimit));
        const std::int64_t n = k * k * m;
        const auto parts = simplifySquareRoot(n);
        ASSERT_TRUE(parts.has_value());
        ASSERT_EQ(*parts, (SquareRootParts{k, m})) << "n = " << n;
    }
    // Arbitrary large values: k²m = n, and m keeps no square of a small prime and is no square.
    for (int round = 0; round < 300; ++round) {
        const auto n = static_cast<std::int64_t>(rng() >> 1);
        const auto parts = simplifySquareRoot(n);
        ASSERT_TRUE(parts.has_value());
        ASSERT_EQ(static_cast<Wide>(parts->k) * parts->k * parts->m, static_cast<Wide>(n)) << n;
        for (std::int64_t p = 2; p < 200; ++p) ASSERT_NE(parts->m % (p * p), 0) << n;
        ASSERT_TRUE(parts->m == 1 || !exactSquareRoot(parts->m)) << n;
    }
}

TEST(Integers, SquareRootsExactAcrossTheRange) {
    std::mt19937_64 rng(3);
    std::vector<std::int64_t> roots;
    for (std::int64_t r = kTopRoot - 3000; r <= kTopRoot; ++r) roots.push_back(r);
    for (std::int64_t r = 0; r < 3000; ++r) roots.push_back(r);
    for (int i = 0; i < 20000; ++i) roots.push_back(static_cast<std::int64_t>(rng() % (kTopRoot + 1)));
    for (std::int64_t r : roots) {
        const std::int64_t square = r * r;
        ASSERT_EQ(exactSquareRoot(square), r);
        ASSERT_EQ(integerSquareRoot(square), r == 0 ? std::nullopt : std::optional<std::int64_t>(r));
        if (r >= 2) {
            ASSERT_EQ(exactSquareRoot(square - 1), std::nullopt) << r;
            ASSERT_EQ(integerSquareRoot(square - 1), r - 1) << r;
        }
        if (r >= 1) {
            ASSERT_EQ(exactSquareRoot(square + 1), std::nullopt) << r;
            ASSERT_EQ(integerSquareRoot(square + 1), r) << r;
        }
    }
    // Every value in the top band, where doubles cannot tell neighbours apart.
    for (std::int64_t n = kMax; n > kMax - 20000; --n) {
        ASSERT_EQ(exactSquareRoot(n), std::nullopt) << n;
        ASSERT_EQ(integerSquareRoot(n), kTopRoot) << n;
    }
    for (int i = 0; i < 20000; ++i) {
        const auto n = static_cast<std::int64_t>(rng() >> 1);
        const auto r = integerSquareRoot(n);
        ASSERT_TRUE(r.has_value()) << n;
        ASSERT_LE(static_cast<Wide>(*r) * *r, n);
        ASSERT_GT(static_cast<Wide>(*r + 1) * (*r + 1), n);
    }
}

// A reference on magnitudes as unsigned, where the smallest integer has one.
std::uint64_t magnitude(std::int64_t v) {
    return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

TEST(Integers, GcdOverSignedValues) {
    std::mt19937_64 rng(11);
    std::vector<std::int64_t> values = {0,        1,         -1,           2,         -2,       6,
                                        -6,       kMax,      kMax - 1,     kMin + 1,  kMin + 2, kMin / 2,
                                        kMin / 3, 1LL << 62, -(1LL << 62), 1000000007};
    for (int i = 0; i < 300; ++i) {
        const auto raw = static_cast<std::int64_t>(rng());
        values.push_back(i % 3 == 0 ? raw : raw % 100000);
        values.push_back(static_cast<std::int64_t>((rng() % 1000) + 1) *
                         static_cast<std::int64_t>(rng() % 1000000) * (i % 2 ? 1 : -1));
    }
    for (std::int64_t a : values) {
        for (std::int64_t b : values) {
            const std::int64_t g = gcd(a, b);
            ASSERT_GE(g, 0) << a << ", " << b;
            ASSERT_EQ(static_cast<std::uint64_t>(g), std::gcd(magnitude(a), magnitude(b))) << a << ", " << b;
        }
    }
    // The smallest integer: a gcd is right whenever it fits.
    EXPECT_EQ(gcd(kMin, kMin + 1), 1);
    EXPECT_EQ(gcd(kMin, kMax), 1);
    EXPECT_EQ(gcd(kMin, 6), 2);
    EXPECT_EQ(gcd(-6, kMin), 2);
    EXPECT_EQ(gcd(kMin, std::int64_t{1} << 62), std::int64_t{1} << 62);
    EXPECT_EQ(gcd(kMin, kMin / 2), std::int64_t{1} << 62);
    // ... and throws when it is 2^63.
    for (auto [a, b] : Pairs{{kMin, 0}, {0, kMin}, {kMin, kMin}})
        expectThrowsWith<std::overflow_error>([a = a, b = b] { gcd(a, b); }, kOverflowMessage,
                                              "gcd with 2^63");
}

TEST(Integers, LcmAndAbsoluteValue) {
    EXPECT_EQ(lcm(kMax, kMax), kMax);
    EXPECT_EQ(lcm(std::int64_t{1} << 62, 2), std::int64_t{1} << 62);
    EXPECT_EQ(lcm(-(std::int64_t{1} << 62), -2), std::int64_t{1} << 62);
    EXPECT_EQ(lcm(kMin, 0), 0);
    EXPECT_EQ(lcm(0, kMin), 0);
    EXPECT_EQ(lcm(2147483647, 2147483629), 2147483647LL * 2147483629LL);
    for (auto [a, b] : Pairs{{kMin, 1}, {std::int64_t{1} << 62, 3}, {kMax, 2}, {3037000507, 3037000493}})
        expectThrowsWith<std::overflow_error>([a = a, b = b] { lcm(a, b); }, kOverflowMessage,
                                              "lcm out of range");
    EXPECT_THROW(lcm(kMin, kMin), std::overflow_error);

    EXPECT_EQ(absoluteValue(kMin + 1), kMax);
    EXPECT_EQ(absoluteValue(-5), 5);
    EXPECT_EQ(absoluteValue(0), 0);
    expectThrowsWith<std::overflow_error>([] { absoluteValue(kMin); }, kOverflowMessage, "|min|");
}

TEST(Integers, PowerAgreesWithWideArithmetic) {
    for (std::int64_t base = -40; base <= 40; ++base) {
        Wide exact = 1;
        bool fits = true;
        for (std::uint64_t e = 0; e <= 70; ++e) {
            if (e > 0 && fits) {
                exact *= base;  // |exact| ≤ 2^63 · 40 before it stops: no wide overflow
                fits = exact >= kMin && exact <= kMax;
            }
            if (fits) {
                ASSERT_EQ(power(base, e), static_cast<std::int64_t>(exact)) << base << "^" << e;
            } else {
                expectThrowsWith<std::overflow_error>([base, e] { power(base, e); }, kOverflowMessage,
                                                      std::to_string(base) + "^" + std::to_string(e));
            }
        }
    }
    EXPECT_EQ(power(kMin, 1), kMin);
    EXPECT_THROW(power(kMin, 2), std::overflow_error);
    EXPECT_THROW(power(std::int64_t{1} << 32, 2), std::overflow_error);
    // Huge exponents of 0 and ±1 answer at once.
    constexpr auto kHuge = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(power(1, kHuge), 1);
    EXPECT_EQ(power(-1, kHuge), -1);
    EXPECT_EQ(power(-1, kHuge - 1), 1);
    EXPECT_EQ(power(0, kHuge), 0);
}

TEST(Integers, DivisorsAgainstBruteForce) {
    for (std::int64_t n = 1; n <= 3000; ++n) {
        std::vector<std::int64_t> expected;
        for (std::int64_t d = 1; d <= n; ++d)
            if (n % d == 0) expected.push_back(d);
        ASSERT_EQ(divisors(n), expected) << n;
    }
    // Large values: ascending, each divides, and as many as the prime powers say.
    const std::vector<std::pair<std::int64_t, std::size_t>> large = {
        {std::int64_t{1} << 40, 41},
        {1000000000000, 169},  // 2^12 · 5^12
        {998001, 21},          // 999² = 3⁶ · 37²
        {963761198400, 6720},  // a highly composite number
    };
    for (const auto& [n, count] : large) {
        const auto d = divisors(n);
        ASSERT_EQ(d.size(), count) << n;
        EXPECT_EQ(d.front(), 1);
        EXPECT_EQ(d.back(), n);
        for (std::size_t i = 0; i < d.size(); ++i) {
            ASSERT_EQ(n % d[i], 0) << n;
            if (i > 0) {
                ASSERT_LT(d[i - 1], d[i]) << n;
            }
            ASSERT_EQ(d[i] * d[d.size() - 1 - i], n) << n;
        }
    }
}

}  // namespace
}  // namespace radixmender
