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

using Operation = std::int64_t (*)(std::int64_t, std::int64_t);
std::int64_t negation(std::int64_t x, std::int64_t) { return checkedNeg(x); }
std::int64_t magnitudeOf(std::int64_t x, std::int64_t) { return checkedAbs(x); }
std::int64_t absoluteOf(std::int64_t x, std::int64_t) { return absoluteValue(x); }

// Each operation at the edges of the range: the result, or the error with its
// message. (gcd itself is swept against the standard library below.)
TEST(Checked, ResultsAndErrors) {
    const std::int64_t p31 = std::int64_t{1} << 31, p32 = std::int64_t{1} << 32;
    const struct {
        Operation op;
        std::int64_t x, y;
        std::optional<std::int64_t> result;  // none: throws `message`
        const char* message = nullptr;
    } cases[] = {
        {checkedAdd, kMax, 1, {}, kOverflowMessage},
        {checkedAdd, kMin, -1, {}, kOverflowMessage},
        {checkedAdd, kMax, kMin, -1},
        {checkedSub, kMin, 1, {}, kOverflowMessage},
        {checkedSub, 0, kMin, {}, kOverflowMessage},
        {checkedSub, -1, kMax, kMin},
        {checkedMul, p32, p31, {}, kOverflowMessage},
        {checkedMul, -p32, p31, kMin},
        {checkedMul, kMin, -1, {}, kOverflowMessage},
        {checkedMul, kTopRoot, kTopRoot, 9223372030926249001},
        {checkedMul, kTopRoot + 1, kTopRoot + 1, {}, kOverflowMessage},
        {negation, kMin, 0, {}, kOverflowMessage},
        {negation, kMax, 0, kMin + 1},
        {magnitudeOf, kMin, 0, {}, kOverflowMessage},
        {magnitudeOf, kMin + 1, 0, kMax},
        {checkedDiv, -7, 2, -3},
        {checkedDiv, 7, -2, -3},
        {checkedDiv, 1, 0, {}, kDivisionByZeroMessage},
        {checkedDiv, kMin, -1, {}, kDivisionOverflowMessage},
        {checkedDiv, kMin, 1, kMin},
        {checkedRem, -7, 2, -1},
        {checkedRem, 7, -2, 1},
        {checkedRem, 1, 0, {}, kRemainderByZeroMessage},
        {checkedRem, kMin, -1, {}, kRemainderOverflowMessage},
        {checkedRem, kMin, 3, -2},
        {absoluteOf, kMin + 1, 0, kMax},
        {absoluteOf, kMin, 0, {}, kOverflowMessage},
        {lcm, 0, 0, 0},
        {lcm, 0, -7, 0},
        {lcm, -12, 18, 36},
        {lcm, kMax, kMax, kMax},
        {lcm, -(std::int64_t{1} << 62), -2, std::int64_t{1} << 62},
        {lcm, kMin, 0, 0},
        {lcm, 2147483647, 2147483629, 2147483647LL * 2147483629LL},
        {lcm, kMin, 1, {}, kOverflowMessage},
        {lcm, kMin, kMin, {}, kOverflowMessage},
        {lcm, std::int64_t{1} << 62, 3, {}, kOverflowMessage},
        {lcm, 3037000507, 3037000493, {}, kOverflowMessage},
    };
    for (const auto& c : cases) {
        const std::string what = "row " + std::to_string(&c - cases);
        if (c.result) {
            EXPECT_EQ(c.op(c.x, c.y), *c.result) << what;
        } else {
            expectThrowsWith<std::exception>([&] { c.op(c.x, c.y); }, c.message, what);
        }
    }
    // Callers may catch the precise kinds.
    EXPECT_THROW(checkedRem(1, 0), std::domain_error);
    EXPECT_THROW(checkedDiv(kMin, -1), std::overflow_error);
    EXPECT_THROW(lcm(kMin, 1), std::overflow_error);
}

// Small values are covered by the sweeps below; these are the rest.
TEST(Integers, DocumentedValues) {
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

// With m square-free, k² is the largest square dividing n: every n up to
// 200000 against a sieve, and large products of a square and distinct primes.
TEST(Integers, SimplifySquareRootTakesTheLargestSquare) {
    constexpr std::int64_t kBound = 200001;
    const auto squareFree = squareFreeBelow(kBound);
    for (std::int64_t n = 1; n < kBound; ++n) {
        const auto parts = simplifySquareRoot(n);
        ASSERT_TRUE(parts && parts->k * parts->k * parts->m == n &&
                    squareFree[static_cast<std::size_t>(parts->m)])
            << n;
    }
    std::mt19937_64 rng(42);
    const std::int64_t primes[] = {2, 3, 5, 7, 11, 13, 101, 65537, 1000003, 2147483647};
    for (int round = 0; round < 300; ++round) {
        std::int64_t m = 1;
        for (std::int64_t p : primes)
            if (rng() % 3 == 0 && m <= kMax / p) m *= p;
        const std::int64_t k =
            1 + static_cast<std::int64_t>(rng() %
                                          static_cast<std::uint64_t>(integerSquareRoot(kMax / m).value()));
        ASSERT_EQ(simplifySquareRoot(k * k * m), (SquareRootParts{k, m})) << k << "² · " << m;
    }
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
    EXPECT_EQ(exactSquareRoot(0), 0);
}

// A reference on magnitudes as unsigned, where the smallest integer has one.
std::uint64_t magnitude(std::int64_t v) {
    return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

// gcd against the standard library's on magnitudes, where the smallest
// integer has one; a gcd of 2^63 does not fit and throws.
TEST(Integers, GcdOverSignedValues) {
    std::mt19937_64 rng(11);
    std::vector<std::int64_t> values = {
        0,    1,        -1,       2,        -2,       6,         -6,           kMax,      kMax - 1,
        kMin, kMin + 1, kMin + 2, kMin / 2, kMin / 3, 1LL << 62, -(1LL << 62), 1000000007};
    for (int i = 0; i < 300; ++i) {
        const auto raw = static_cast<std::int64_t>(rng());
        values.push_back(i % 3 == 0 ? raw : raw % 100000);
        values.push_back(static_cast<std::int64_t>((rng() % 1000) + 1) *
                         static_cast<std::int64_t>(rng() % 1000000) * (i % 2 ? 1 : -1));
    }
    for (std::int64_t a : values) {
        for (std::int64_t b : values) {
            const std::uint64_t expected = std::gcd(magnitude(a), magnitude(b));
            if (expected > static_cast<std::uint64_t>(kMax)) {
                expectThrowsWith<std::overflow_error>([=] { gcd(a, b); }, kOverflowMessage, "gcd with 2^63");
                continue;
            }
            ASSERT_EQ(static_cast<std::uint64_t>(gcd(a, b)), expected) << a << ", " << b;
        }
    }
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
    // Large values: as many as the prime powers say, paired off into n in ascending order.
    for (const auto& [n, count] : std::vector<std::pair<std::int64_t, std::size_t>>{
             {std::int64_t{1} << 40, 41}, {1000000000000, 169}, {998001, 21}, {963761198400, 6720}}) {
        const auto d = divisors(n);
        ASSERT_EQ(d.size(), count) << n;
        for (std::size_t i = 0; i < d.size(); ++i)
            ASSERT_TRUE(d[i] * d[d.size() - 1 - i] == n && (i == 0 || d[i - 1] < d[i])) << n << " at " << i;
    }
}

}  // namespace
}  // namespace radixmender
