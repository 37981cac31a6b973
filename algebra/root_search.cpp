#include "algebra/root_search.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <queue>
#include <span>
#include <string>
#include <utility>

#include "algebra/root_windows.hpp"
#include "algebra/wide.hpp"
#include "records/integers.hpp"
#include "records/prime_factorisation.hpp"

namespace radixmender {
namespace {

using List = std::vector<Term_XL>;
using wide::Int128;

// The positive divisors of n ≥ 1 with these primes, ascending; for the
// small n that coefficients mostly are, read from a table made once.
class Divisors {
public:
    Divisors(std::int64_t n, const FactorPairs& primes) {
        if (n <= kLargestSmall) {
            const Table& table = smallTable();
            small_ = std::span<const std::int64_t>(table.values)
                         .subspan(table.start[static_cast<std::size_t>(n)],
                                  table.start[static_cast<std::size_t>(n) + 1] -
                                      table.start[static_cast<std::size_t>(n)]);
        } else {
            large_ = divisorsFromPrimes(primes);
            small_ = large_;
        }
    }

    // The span may point into the object itself.
    Divisors(const Divisors&) = delete;
    Divisors& operator=(const Divisors&) = delete;

    [[nodiscard]] std::span<const std::int64_t> all() const { return small_; }

private:
    static constexpr std::int64_t kLargestSmall = 1000;

    // The divisors of n, ascending, at values[start[n] … start[n + 1]).
    struct Table {
        std::vector<std::size_t> start;
        std::vector<std::int64_t> values;
    };

    static const Table& smallTable() {
        static const Table table = [] {
            const auto size = static_cast<std::size_t>(kLargestSmall) + 1;
            Table t;
            std::vector<std::size_t> count(size, 0);
            for (std::size_t d = 1; d < size; ++d)
                for (std::size_t m = d; m < size; m += d) ++count[m];
            t.start.assign(size + 1, 0);
            for (std::size_t n = 0; n < size; ++n) t.start[n + 1] = t.start[n] + count[n];
            t.values.resize(t.start[size]);
            std::vector<std::size_t> next(t.start.begin(), t.start.end() - 1);
            for (std::size_t d = 1; d < size; ++d)
                for (std::size_t m = d; m < size; m += d) t.values[next[m]++] = static_cast<std::int64_t>(d);
            return t;
        }();
        return table;
    }

    std::span<const std::int64_t> small_;
    std::vector<std::int64_t> large_;
};

Int128 checkedPower(Int128 base, std::uint64_t exponent) {
    Int128 result = 1;
    while (exponent > 0) {
        if (exponent & 1U) result = wide::checkedMul(result, base);
        exponent >>= 1U;
        if (exponent > 0) base = wide::checkedMul(base, base);
    }
    return result;
}

List linearFactor(std::int64_t a, std::int64_t c, const std::string& variable) {
    List factor;
    factor.reserve(2);
    factor.emplace_back(Monomial(Rational(a, 1), 1, variable));
    factor.emplace_back(Monomial(Rational(c, 1), 0, variable));
    return factor;
}

// Powers base⁰ … baseᵐ of one base, each checked as `checkedPower` checks
// it; m stays small enough to keep them in place.
class Powers {
public:
    static constexpr std::uint64_t kLargest = 64;

    Powers(Int128 base, std::uint64_t m) {
        values_[0] = 1;
        for (std::uint64_t i = 1; i <= m; ++i) values_[i] = wide::checkedMul(values_[i - 1], base);
    }

    [[nodiscard]] Int128 operator[](std::uint64_t e) const { return values_[e]; }

private:
    std::array<Int128, kLargest + 1> values_;
};

// aᵈ·P(−b/a) and aᵈ·P(b/a) of `list` (degree d); zero terms add nothing
// (and may stand above the degree). `powerA(e)` and `powerB(e)` give aᵉ and bᵉ.
template <class PowerA, class PowerB>
std::array<Int128, 2> scaledValues(const List& list, std::uint64_t degree, PowerA powerA, PowerB powerB) {
    Int128 negative = 0, positive = 0;
    for (const Term_XL& t : list) {
        const std::int64_t n = t.monomial.coefficient.numerator;
        const std::uint64_t e = t.monomial.exponent;
        if (n == 0) continue;
        const Int128 term = wide::checkedMul(wide::checkedMul(n, powerB(e)), powerA(degree - e));
        positive = wide::checkedAdd(positive, term);
        negative = wide::checkedAdd(negative, e % 2 == 1 ? wide::checkedMul(term, -1) : term);
    }
    return {negative, positive};
}

// aᵈ·P(−b/a) and aᵈ·P(b/a) of `list` (degree d) for a candidate pair, each
// power checked; the powers of a are kept while a stays the same.
class PairValues {
public:
    PairValues(const List& list, std::uint64_t degree) : list_(list), degree_(degree) {
        // The powers a candidate needs: b up to the degree, a up to the degree
        // less the least exponent of a non-zero term. Below the bound they are
        // kept per candidate; above it each is raised where it is used.
        leastExponent_ = degree;
        for (const Term_XL& t : list)
            if (t.monomial.coefficient.numerator != 0)
                leastExponent_ = std::min(leastExponent_, t.monomial.exponent);
    }

    std::array<Int128, 2> operator()(std::int64_t a, std::int64_t b) {
        if (degree_ > Powers::kLargest)
            return scaledValues(
                list_, degree_, [a](std::uint64_t e) { return checkedPower(a, e); },
                [b](std::uint64_t e) { return checkedPower(b, e); });
        if (!powersOfA_ || a != a_) {
            powersOfA_.emplace(a, degree_ - leastExponent_);
            a_ = a;
        }
        const Powers powersOfB(b, degree_);
        return scaledValues(
            list_, degree_, [this](std::uint64_t e) { return (*powersOfA_)[e]; },
            [&powersOfB](std::uint64_t e) { return powersOfB[e]; });
    }

private:
    const List& list_;
    std::uint64_t degree_;
    std::uint64_t leastExponent_;
    std::int64_t a_ = 0;
    std::optional<Powers> powersOfA_;
};

// The factor of the root that the pair (a, b) gives, −b/a before b/a; none
// when it gives neither, or a and b share a factor.
std::optional<List> pairRootFactor(std::int64_t a, std::int64_t b, PairValues& values,
                                   const std::string& variable) {
    if (gcd(a, b) != 1) return std::nullopt;
    const std::array<Int128, 2> v = values(a, b);
    if (v[0] == 0) return linearFactor(a, b, variable);
    if (v[1] == 0) return linearFactor(a, -b, variable);
    return std::nullopt;
}

using Pair = std::pair<std::int64_t, std::int64_t>;

// Below this many pairs, trying them all costs less than locating the roots.
constexpr std::uint64_t kFewPairs = 2048;
// Roots are located up to this degree; above it every pair is tried.
constexpr std::uint64_t kLargestLocatedDegree = 16;
// More candidates than this near the roots locate nothing.
constexpr std::size_t kMostCandidates = std::size_t{1} << 20;

// How many positive divisors the number with these primes has.
std::uint64_t divisorCount(const FactorPairs& primes) {
    std::uint64_t count = 1;
    for (const FactorPair& f : primes) count *= static_cast<std::uint64_t>(f.exponent) + 1;
    return count;
}

// The positive divisors of the number with these primes, in no set order.
std::vector<std::int64_t> unorderedDivisors(const FactorPairs& primes) {
    std::vector<std::int64_t> found;
    found.reserve(divisorCount(primes));
    found.push_back(1);
    for (const FactorPair& f : primes) {
        const std::size_t before = found.size();
        std::int64_t power = 1;
        for (std::int64_t e = 1; e <= f.exponent; ++e) {
            power *= f.prime;  // products of divisors that stay divisors: no overflow
            for (std::size_t i = 0; i < before; ++i) found.push_back(found[i] * power);
        }
    }
    return found;
}

// A positive factor r as m / 2ˢ (0 ≤ s ≤ 127), m rounded down, or up when
// `up`, so that whole multiples n·r are bounded exactly in 128 bits. Factors
// beyond 2⁶⁴ or below 2⁻⁶⁴ are bounded by the nearest such value.
struct ScaledFactor {
    std::uint64_t mantissa = 0;
    int shift = 0;

    ScaledFactor(long double r, bool up) {
        int exponent = 0;
        const long double fraction = std::frexp(r, &exponent);  // r = fraction·2^exponent, fraction in [½, 1)
        shift = 64 - exponent;
        if (shift < 0 || !std::isfinite(r)) {
            mantissa = up ? std::numeric_limits<std::uint64_t>::max() : std::uint64_t{1} << 63U;
            shift = 0;
            return;
        }
        if (shift > 127 || !(r > 0)) {
            mantissa = up ? 1 : 0;
            shift = 127;
            return;
        }
        const long double whole = std::ldexp(fraction, 64);
        mantissa = static_cast<std::uint64_t>(whole);
        if (up && static_cast<long double>(mantissa) < whole &&
            mantissa < std::numeric_limits<std::uint64_t>::max())
            ++mantissa;
    }

    // ⌈n·r⌉ and ⌊n·r⌋ for 0 ≤ n < 2⁶³.
    [[nodiscard]] wide::UInt128 ceilingTimes(std::uint64_t n) const {
        return (static_cast<wide::UInt128>(n) * mantissa + ((wide::UInt128{1} << shift) - 1)) >> shift;
    }
    [[nodiscard]] wide::UInt128 floorTimes(std::uint64_t n) const {
        return (static_cast<wide::UInt128>(n) * mantissa) >> shift;
    }
};

// The fraction u/v with the least v between n₁/d₁ and n₂/d₂ (0 ≤ n₁/d₁ ≤
// n₂/d₂, d₁ and d₂ not 0), by continued fractions; none past 128 bits.
std::optional<std::pair<wide::UInt128, wide::UInt128>> simplestBetween(wide::UInt128 n1, wide::UInt128 d1,
                                                                       wide::UInt128 n2, wide::UInt128 d2) {
    const wide::UInt128 whole = n1 / d1;
    if (n1 % d1 == 0) return std::pair{whole, wide::UInt128{1}};
    if (n2 / d2 > whole) return std::pair{whole + 1, wide::UInt128{1}};
    // Both ends lie above `whole` and below the next whole number: `whole`
    // plus one over the simplest fraction between the reciprocals of their parts above it.
    const auto below = simplestBetween(d2, n2 % d2, d1, n1 % d1);
    wide::UInt128 numerator;
    if (!below || __builtin_mul_overflow(whole, below->first, &numerator) ||
        __builtin_add_overflow(numerator, below->second, &numerator))
        return std::nullopt;
    return std::pair{numerator, below->first};
}

// Where the roots of one sign lie, as factors f with inner = outer·f for a
// pair of divisors (b = a·x, or a = b·(1/x)): exact bounds, doubles a little
// wider that cheaply tell most outer divisors with no whole number between
// their multiples, and the simplest fraction inside: no fraction inside has
// a smaller denominator, and every other one has a denominator of at least
// `alone`, as two fractions p/q ≠ u/v differ by at least 1/(q·v).
// Outer divisors from `spanning` on may span several whole numbers.
struct WindowFactors {
    ScaledFactor low, high;
    double roughLow = 0, roughHigh = 0;
    std::int64_t simplestDenominator = 0, alone = 0, spanning = 0;
};

// Products with window ends are widened by this part for their rounding.
constexpr long double kSlack = 16 * std::numeric_limits<long double>::epsilon();
// Doubles up to this are told apart from the next whole number; rough
// bounds are widened by this part.
constexpr double kWholeInDouble = 0x1p52, kRough = 0x1p-48;
constexpr std::int64_t kLargestAlone = std::int64_t{1} << 62;

WindowFactors windowFactors(const RootWindow& w, bool byDenominator) {
    using Real = long double;
    const Real low = byDenominator ? w.low : (1 - kSlack) / w.high;
    const Real high = byDenominator ? w.high : (1 + kSlack) / w.low;
    WindowFactors f{ScaledFactor(low, false), ScaledFactor(high, true),
                    static_cast<double>(low * (1 - kRough)), static_cast<double>(high * (1 + kRough))};
    const auto simplest = simplestBetween(f.low.mantissa, wide::UInt128{1} << f.low.shift, f.high.mantissa,
                                          wide::UInt128{1} << f.high.shift);
    if (simplest && simplest->second < static_cast<wide::UInt128>(kLargestAlone)) {
        const auto v = static_cast<std::int64_t>(simplest->second);
        const Real width = std::ldexp(static_cast<Real>(f.high.mantissa), -f.high.shift) -
                           std::ldexp(static_cast<Real>(f.low.mantissa), -f.low.shift);
        const Real alone = (1 - kSlack) / (static_cast<Real>(v) * width);
        f.simplestDenominator = v;
        f.alone = alone < static_cast<Real>(kLargestAlone) ? static_cast<std::int64_t>(alone) : kLargestAlone;
    }
    const double spanning = 1 / (f.roughHigh - f.roughLow);
    f.spanning =
        spanning < static_cast<double>(kLargestAlone) ? static_cast<std::int64_t>(spanning) : kLargestAlone;
    return f;
}

// Sorts positive integers ascending, eleven bits a pass from the lowest,
// passing over the digits they all share: many times quicker than comparing
// where divisors run to the hundred thousand.
void sortAscending(std::vector<std::int64_t>& values) {
    constexpr unsigned kBits = 11;
    constexpr std::size_t kDigits = std::size_t{1} << kBits;
    std::vector<std::int64_t> other(values.size());
    std::vector<std::size_t> start(kDigits);
    std::uint64_t differing = 0;
    for (const std::int64_t v : values) differing |= static_cast<std::uint64_t>(v ^ values.front());
    for (unsigned shift = 0; shift < 64 && (differing >> shift) != 0; shift += kBits) {
        const auto digit = [shift](std::int64_t v) {
            return static_cast<std::size_t>((static_cast<std::uint64_t>(v) >> shift) & (kDigits - 1));
        };
        std::fill(start.begin(), start.end(), 0);
        for (const std::int64_t v : values) ++start[digit(v)];
        std::size_t total = 0;
        for (std::size_t& s : start) total += std::exchange(s, total);
        for (const std::int64_t v : values) other[start[digit(v)]++] = v;
        values.swap(other);
    }
}

// The coprime pairs (a, b), a dividing `first` and b dividing `last`, whose
// −b/a or b/a lies where a real root of c₀ + c₁x + … (cₑ = `coefficients[e]`,
// not all 0) can lie, ascending, which is the order they are tried in; none
// when the roots lie too wide to narrow the pairs. Every pair that gives a
// root is among them.
std::optional<std::vector<Pair>> pairsNearRoots(const std::vector<Int128>& coefficients, std::int64_t first,
                                                std::int64_t last, const FactorPairs& firstPrimes,
                                                const FactorPairs& lastPrimes) {
    using Real = long double;
    // Through the divisors of the end with fewer, the other end's whole
    // numbers in each window tried as divisors.
    const bool byDenominator = divisorCount(firstPrimes) <= divisorCount(lastPrimes);
    const std::int64_t inner = byDenominator ? last : first;
    // Every candidate −b/a or b/a has 1/first ≤ b/a ≤ last.
    const Real least = (1 - kSlack) / static_cast<Real>(first), most = static_cast<Real>(last) * (1 + kSlack);
    std::vector<WindowFactors> windows;
    for (const bool negative : {true, false}) {
        // The positive roots of P(−x), then those of P(x).
        std::vector<Int128> turned = coefficients;
        if (negative)
            for (std::size_t e = 1; e < turned.size(); e += 2) turned[e] = wide::checkedMul(turned[e], -1);
        for (const RootWindow& w : positiveRootWindows(turned, least, most))
            windows.push_back(windowFactors(w, byDenominator));
    }
    const std::vector<std::int64_t> outer = unorderedDivisors(byDenominator ? firstPrimes : lastPrimes);
    std::vector<Pair> pairs;
    // A coprime divisor i of the inner end; sharing a small prime is told before dividing.
    const auto add = [&](std::int64_t o, std::int64_t i, bool divides) {
        if (((o | i) & 1) == 0 || (o % 3 == 0 && i % 3 == 0) || (o % 5 == 0 && i % 5 == 0) ||
            (o % 7 == 0 && i % 7 == 0))
            return;
        if (!divides && inner % i != 0) return;
        if (gcd(o, i) == 1) pairs.push_back(byDenominator ? Pair{o, i} : Pair{i, o});
    };
    // The whole numbers from·o … to·o of a window (none when from > to).
    const auto range = [inner](const WindowFactors& w, std::int64_t o) {
        const auto n = static_cast<std::uint64_t>(o);
        return std::pair{std::max<wide::UInt128>(w.low.ceilingTimes(n), 1),
                         std::min<wide::UInt128>(w.high.floorTimes(n), static_cast<wide::UInt128>(inner))};
    };
    // Each divisor read once, against every window. Those whose multiples
    // span several whole numbers are set aside and met with the inner
    // divisors in one ascending sweep a window.
    std::vector<std::int64_t> spanning;
    // The least divisor each window set aside.
    std::vector<std::int64_t> sweepFrom(windows.size(), std::numeric_limits<std::int64_t>::max());
    for (const std::int64_t o : outer) {
        bool setAside = false;
        for (std::size_t k = 0; k < windows.size(); ++k) {
            const WindowFactors& w = windows[k];
            if (o < w.simplestDenominator || (o < w.alone && o != w.simplestDenominator)) continue;
            const double x = static_cast<double>(o), roughTop = x * w.roughHigh;
            if (roughTop < kWholeInDouble &&
                static_cast<double>(static_cast<std::int64_t>(roughTop)) < x * w.roughLow)
                continue;
            const auto [from, to] = range(w, o);
            if (from > to) continue;
            if (o >= w.spanning) {
                setAside = true;
                sweepFrom[k] = std::min(sweepFrom[k], o);
                continue;
            }
            // One whole number or two; counted rather than compared with `to`,
            // which may be the largest integer.
            const auto start = static_cast<std::int64_t>(from), count = static_cast<std::int64_t>(to - from);
            for (std::int64_t j = 0; j <= count; ++j) add(o, start + j, false);
        }
        if (setAside) spanning.push_back(o);
        if (pairs.size() > kMostCandidates) return std::nullopt;
    }
    if (!spanning.empty()) {
        sortAscending(spanning);
        // The inner divisors that a set-aside divisor can meet, ascending.
        double smallest = std::numeric_limits<double>::infinity();
        for (std::size_t k = 0; k < windows.size(); ++k)
            if (sweepFrom[k] != std::numeric_limits<std::int64_t>::max())
                smallest = std::min(smallest, static_cast<double>(sweepFrom[k]) * windows[k].roughLow);
        std::vector<std::int64_t> inners = unorderedDivisors(byDenominator ? lastPrimes : firstPrimes);
        std::erase_if(inners, [smallest](std::int64_t i) { return static_cast<double>(i) < smallest; });
        sortAscending(inners);
        for (std::size_t k = 0; k < windows.size(); ++k) {
            const WindowFactors& w = windows[k];
            // As o grows so does the first whole number of its range.
            auto next = inners.begin();
            for (auto o = std::lower_bound(spanning.begin(), spanning.end(), sweepFrom[k]);
                 o != spanning.end(); ++o) {
                const auto [from, to] = range(w, *o);
                if (from > to) continue;
                while (next != inners.end() && static_cast<wide::UInt128>(*next) < from) ++next;
                for (auto i = next; i != inners.end() && static_cast<wide::UInt128>(*i) <= to; ++i)
                    add(*o, *i, true);
                if (pairs.size() > kMostCandidates) return std::nullopt;
            }
        }
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}

// The `count` smallest positive divisors of the number with these primes,
// ascending; all of them when it has fewer. Each divisor is reached once,
// from itself over its largest prime, and a heap hands them out in order.
std::vector<std::int64_t> smallestDivisors(const FactorPairs& primes, std::size_t count) {
    struct Entry {
        std::int64_t value;
        std::size_t largest;  // index of its largest prime; none for 1
        std::int64_t exponent;
        bool operator>(const Entry& other) const { return value > other.value; }
    };
    const std::size_t none = primes.size();
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> heap;
    heap.push({1, none, 0});
    std::vector<std::int64_t> found;
    while (!heap.empty() && found.size() < count) {
        const Entry e = heap.top();
        heap.pop();
        found.push_back(e.value);
        // Its multiples that stay divisors, each by a prime no smaller than its largest.
        const std::size_t from = e.largest == none ? 0 : e.largest;
        for (std::size_t j = from; j < primes.size(); ++j) {
            const FactorPair& f = primes.begin()[j];
            const std::int64_t exponent = j == e.largest ? e.exponent + 1 : 1;
            if (exponent <= f.exponent) heap.push({e.value * f.prime, j, exponent});
        }
    }
    return found;
}

// The primes of d, a divisor of the number with these primes.
FactorPairs primesOfDivisor(std::int64_t d, const FactorPairs& primes) {
    FactorPairs found;
    for (const FactorPair& f : primes)
        for (; d % f.prime == 0; d /= f.prime) found.add(f.prime, 1);
    return found;
}

// The non-zero coefficients of `list` with like terms added, by ascending power.
std::vector<std::pair<std::uint64_t, Int128>> addedCoefficients(const List& list) {
    std::vector<std::pair<std::uint64_t, Int128>> terms;
    terms.reserve(list.size());
    for (const Term_XL& t : list)
        if (t.monomial.coefficient.numerator != 0)
            terms.emplace_back(t.monomial.exponent, t.monomial.coefficient.numerator);
    std::sort(terms.begin(), terms.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<std::uint64_t, Int128>> added;
    for (const auto& [e, n] : terms) {
        if (!added.empty() && added.back().first == e)
            added.back().second = wide::checkedAdd(added.back().second, n);
        else
            added.emplace_back(e, n);
    }
    std::erase_if(added, [](const auto& t) { return t.second == 0; });
    return added;
}

// How many first pairs of the order are tried before any root is located.
constexpr std::size_t kFirstPairs = 128;

}  // namespace

std::optional<List> firstRootFactor(const List& list) {
    const auto degree = degreeOf(list);
    if (!degree) return std::nullopt;
    const std::string& variable = list.front().monomial.variable;
    std::int64_t first = absoluteValue(list.front().monomial.coefficient.numerator);
    std::int64_t last = absoluteValue(list.back().monomial.coefficient.numerator);
    // An end of 0 has no divisor to make a pair with.
    if (first == 0 || last == 0) return std::nullopt;
    PairValues values(list, *degree);
    // The first pair of the order, the roots ±1, before either end is split:
    // where it holds the root, a large end costs nothing.
    if (auto f = pairRootFactor(1, 1, values, variable)) return f;
    // The pairs of `as` × `bs` in order, both ascending from 1, after (1, 1).
    const auto tryInOrder = [&](std::span<const std::int64_t> as,
                                std::span<const std::int64_t> bs) -> std::optional<List> {
        auto from = bs.begin() + 1;
        for (const std::int64_t a : as) {
            for (auto b = from; b != bs.end(); ++b)
                if (auto f = pairRootFactor(a, *b, values, variable)) return f;
            from = bs.begin();
        }
        return std::nullopt;
    };
    // Each end is split once (ends alike, once in all); every divisor list
    // below is made from these primes.
    FactorPairs firstPrimes = primeFactorisation(first);
    FactorPairs lastPrimes = last == first ? firstPrimes : primeFactorisation(last);
    const auto manyPairs = [&] { return divisorCount(firstPrimes) * divisorCount(lastPrimes) > kFewPairs; };
    std::vector<std::pair<std::uint64_t, Int128>> added;
    if (manyPairs()) added = addedCoefficients(list);
    // None when the polynomial is 0: then every pair gives a root, the first one at once.
    if (!added.empty()) {
        // A root b/a in lowest terms has a dividing the leading coefficient
        // and b the lowest, each over the content; the other pairs of the
        // order are passed over, which leaves the same first root.
        wide::UInt128 content = 0;
        for (const auto& t : added) content = wide::gcd(content, wide::magnitude(t.second));
        const auto reduced = [content](std::int64_t end, Int128 coefficient) {
            return static_cast<std::int64_t>(
                wide::gcd(static_cast<wide::UInt128>(end), wide::magnitude(coefficient) / content));
        };
        first = reduced(first, added.back().second);
        last = reduced(last, added.front().second);
        firstPrimes = primesOfDivisor(first, firstPrimes);
        lastPrimes = primesOfDivisor(last, lastPrimes);
        if (manyPairs() && *degree <= kLargestLocatedDegree) {
            // The first pairs of the order: a = 1 with the smallest b, or
            // every b with the smallest a when b has few.
            const std::vector<std::int64_t> bs = smallestDivisors(lastPrimes, kFirstPairs);
            const std::vector<std::int64_t> as = smallestDivisors(
                firstPrimes, bs.size() < divisorCount(lastPrimes) ? 1 : kFirstPairs / bs.size());
            if (auto f = tryInOrder(as, bs)) return f;
            std::vector<Int128> coefficients(*degree + 1, 0);
            for (const auto& [e, n] : added) coefficients[e] = n;
            if (const auto near = pairsNearRoots(coefficients, first, last, firstPrimes, lastPrimes)) {
                const Pair tried{as.back(), bs.back()};
                for (auto p = std::upper_bound(near->begin(), near->end(), tried); p != near->end(); ++p)
                    if (auto f = pairRootFactor(p->first, p->second, values, variable)) return f;
                return std::nullopt;
            }
        }
    }
    const Divisors denominators(first, firstPrimes), numerators(last, lastPrimes);
    return tryInOrder(denominators.all(), numerators.all());
}

}  // namespace radixmender
