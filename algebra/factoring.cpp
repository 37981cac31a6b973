#include "algebra/factoring.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "algebra/root_windows.hpp"
#include "algebra/wide.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/prime_factorisation.hpp"

namespace radixmender {

namespace {

using List = std::vector<Term_XL>;
using wide::Int128;

const char kNoRationalRoot[] = "No rational root to factor by";
const char kGuessAndCheck[] = "guess and check";
// Synthetic division keeps one coefficient per power of x.
constexpr std::uint64_t kLargestDividedDegree = 1U << 20U;

// `divisors(n)`; for the small n that coefficients mostly are, read from a
// table made once.
class Divisors {
public:
    explicit Divisors(std::int64_t n) {
        if (n >= 1 && n <= kLargestSmall) {
            const Table& table = smallTable();
            small_ = std::span<const std::int64_t>(table.values)
                         .subspan(table.start[static_cast<std::size_t>(n)],
                                  table.start[static_cast<std::size_t>(n) + 1] -
                                      table.start[static_cast<std::size_t>(n)]);
        } else {
            large_ = divisors(n);
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

// Every term names lists 0 and 1 to the same total power, so exchanging the
// two lists keeps the value.
bool symmetricInFirstTwoLists(const Polynomial_XL& polynomial) {
    for (const List& list : polynomial.terms)
        for (const Term_XL& t : list) {
            std::uint64_t powers[2] = {0, 0};
            for (const Factor& f : t.factors)
                if (f.pointer < 2) powers[f.pointer] += f.exponent;
            if (powers[0] != powers[1]) return false;
        }
    return true;
}

}  // namespace

std::optional<std::size_t> factoringListIndex(const Polynomial_XL& polynomial) {
    const auto& lists = polynomial.terms;
    if (lists.empty()) return std::nullopt;
    if (lists.size() == 1) return 0;
    const List& top = lists.back();
    if (top.empty() || top.front().factors.empty()) return std::nullopt;
    const std::uint64_t k = top.front().factors.back().pointer;
    if (k >= lists.size() - 1) return std::nullopt;
    return static_cast<std::size_t>(k);
}

std::size_t referenceCount(const Polynomial_XL& polynomial, std::size_t index) {
    std::size_t count = 0;
    for (const List& list : polynomial.terms)
        for (const Term_XL& t : list)
            count += static_cast<std::size_t>(std::count_if(
                t.factors.begin(), t.factors.end(), [index](const Factor& f) { return f.pointer == index; }));
    return count;
}

namespace {

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
// A window that holds more whole numbers than this has them looked up among
// the divisors rather than each tried.
constexpr std::uint64_t kFewWholeNumbers = 256;
// More candidates than this near the roots locate nothing.
constexpr std::size_t kMostCandidates = std::size_t{1} << 20;

// How many positive divisors n ≥ 1 has (0 for n < 1).
std::uint64_t divisorCount(const FactorPairs& primes, std::int64_t n) {
    if (n < 1) return 0;
    std::uint64_t count = 1;
    for (const FactorPair& f : primes) count *= static_cast<std::uint64_t>(f.exponent) + 1;
    return count;
}

// The positive divisors of the number with these primes, in no set order.
std::vector<std::int64_t> unorderedDivisors(const FactorPairs& primes, std::uint64_t count) {
    std::vector<std::int64_t> found;
    found.reserve(count);
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
struct WindowFactors {
    ScaledFactor low, high;
    double roughLow = 0, roughHigh = 0;
    std::int64_t simplestDenominator = 0, alone = 0;
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
    return f;
}

// The coprime pairs (a, b), a dividing `first` and b dividing `last`, whose
// −b/a or b/a lies where a real root of `list` (degree d) can lie, in the
// order they are tried; none when that narrows nothing (the list's value is
// 0, or the roots lie too wide). Every pair that gives a root is among them.
std::optional<std::vector<Pair>> pairsNearRoots(const List& list, std::uint64_t degree, std::int64_t first,
                                                std::int64_t last, const FactorPairs& firstPrimes,
                                                const FactorPairs& lastPrimes) {
    using Real = long double;
    std::vector<Int128> coefficients(degree + 1, 0);
    for (const Term_XL& t : list) {
        const std::int64_t n = t.monomial.coefficient.numerator;
        if (n != 0)
            coefficients[t.monomial.exponent] = wide::checkedAdd(coefficients[t.monomial.exponent], n);
    }
    if (std::all_of(coefficients.begin(), coefficients.end(), [](Int128 c) { return c == 0; }))
        return std::nullopt;
    // Through the divisors of the end with fewer, the other end's whole
    // numbers in each window tried as divisors.
    const std::uint64_t firstCount = divisorCount(firstPrimes, first),
                        lastCount = divisorCount(lastPrimes, last);
    const bool byDenominator = firstCount <= lastCount;
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
    const std::vector<std::int64_t> outer =
        unorderedDivisors(byDenominator ? firstPrimes : lastPrimes, byDenominator ? firstCount : lastCount);
    std::optional<std::vector<std::int64_t>> innerDivisors;  // ascending, made when first needed
    std::vector<Pair> pairs;
    // Each divisor read once, against every window.
    for (const std::int64_t o : outer) {
        for (const auto& [low, high, roughLow, roughHigh, simplestDenominator, alone] : windows) {
            if (o < simplestDenominator || (o < alone && o != simplestDenominator)) continue;
            const double x = static_cast<double>(o), roughTop = x * roughHigh;
            if (roughTop < kWholeInDouble &&
                static_cast<double>(static_cast<std::int64_t>(roughTop)) < x * roughLow)
                continue;
            const auto n = static_cast<std::uint64_t>(o);
            const wide::UInt128 from = std::max<wide::UInt128>(low.ceilingTimes(n), 1);
            const wide::UInt128 to =
                std::min<wide::UInt128>(high.floorTimes(n), static_cast<wide::UInt128>(inner));
            if (from > to) continue;
            // A coprime divisor; sharing a small prime is told before dividing.
            const auto add = [&](std::int64_t i, bool divides) {
                if (((o | i) & 1) == 0 || (o % 3 == 0 && i % 3 == 0) || (o % 5 == 0 && i % 5 == 0) ||
                    (o % 7 == 0 && i % 7 == 0))
                    return;
                if (!divides && inner % i != 0) return;
                if (gcd(o, i) == 1) pairs.push_back(byDenominator ? Pair{o, i} : Pair{i, o});
            };
            if (to - from < kFewWholeNumbers) {
                for (auto i = static_cast<std::int64_t>(from); i <= static_cast<std::int64_t>(to); ++i)
                    add(i, false);
            } else {
                if (!innerDivisors) innerDivisors = divisors(inner);
                for (auto i = std::lower_bound(innerDivisors->begin(), innerDivisors->end(),
                                               static_cast<std::int64_t>(from));
                     i != innerDivisors->end() && *i <= static_cast<std::int64_t>(to); ++i)
                    add(*i, true);
            }
            if (pairs.size() > kMostCandidates) return std::nullopt;
        }
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}

// `findRationalRoot` of the one-list polynomial `list`: the pairs in order,
// a over the divisors of the first numerator, b over those of the last. Where
// there are many, only those near a real root are tried, which finds the same
// first root.
std::optional<List> rootFactor(const List& list) {
    const auto degree = degreeOf(list);
    if (!degree) return std::nullopt;
    const std::string& variable = list.front().monomial.variable;
    const std::int64_t first = absoluteValue(list.front().monomial.coefficient.numerator);
    const std::int64_t last = absoluteValue(list.back().monomial.coefficient.numerator);
    PairValues values(list, *degree);
    if (*degree <= kLargestLocatedDegree) {
        const FactorPairs firstPrimes = primeFactorisation(first), lastPrimes = primeFactorisation(last);
        if (divisorCount(firstPrimes, first) * divisorCount(lastPrimes, last) > kFewPairs) {
            if (const auto near = pairsNearRoots(list, *degree, first, last, firstPrimes, lastPrimes)) {
                for (const auto& [a, b] : *near)
                    if (auto f = pairRootFactor(a, b, values, variable)) return f;
                return std::nullopt;
            }
        }
    }
    const Divisors denominators(first), numerators(last);
    for (const std::int64_t a : denominators.all())
        for (const std::int64_t b : numerators.all())
            if (auto f = pairRootFactor(a, b, values, variable)) return f;
    return std::nullopt;
}

// `divideByLinearFactor` of one-list polynomials given by their lists.
List quotientByLinearFactor(const List& divisor, const List& dividend) {
    if (divisor.empty()) throw std::out_of_range("Index out of range");
    const std::int64_t a = divisor.front().monomial.coefficient.numerator;
    const std::int64_t c = divisor.back().monomial.coefficient.numerator;
    const std::string& variable = divisor.front().monomial.variable;
    List quotient;
    const auto n = degreeOf(dividend);
    if (!n || *n == 0) return quotient;
    if (*n > kLargestDividedDegree) throw std::length_error("Degree too large to divide");
    // Index 0 holds the coefficient of xⁿ; like terms add up. Kept in place
    // for the degrees a root search keeps its powers for.
    std::array<std::int64_t, Powers::kLargest + 1> small;
    std::vector<std::int64_t> large;
    std::int64_t* coefficients = small.data();
    if (*n < small.size()) {
        std::fill_n(coefficients, *n + 1, 0);
        quotient.reserve(*n);
    } else {
        large.assign(*n + 1, 0);
        coefficients = large.data();
    }
    for (const Term_XL& t : dividend) {
        const std::int64_t value = t.monomial.coefficient.numerator;
        if (value == 0) continue;
        std::int64_t& slot = coefficients[*n - t.monomial.exponent];
        slot = checkedAdd(slot, value);
    }
    std::int64_t r = coefficients[0];
    for (std::uint64_t i = 1; i <= *n; ++i) {
        const std::int64_t q = checkedDiv(r, a);
        if (q != 0) quotient.emplace_back(Monomial(Rational(q, 1), *n - i, variable));
        r = checkedSub(coefficients[i], checkedMul(q, c));
    }
    return quotient;
}

// The linear factors of `list` (degree `degree` ≥ 2) as `extractLinearFactors`
// finds them, `first` being the factor of its first root.
std::vector<List> linearFactorsFrom(List first, const List& list, std::uint64_t degree) {
    std::vector<List> found;
    found.reserve(std::min<std::uint64_t>(degree, Powers::kLargest));
    List current = quotientByLinearFactor(first, list);
    found.push_back(std::move(first));
    for (std::uint64_t i = 2; i < degree; ++i) {
        auto f = rootFactor(current);
        if (!f) break;
        current = quotientByLinearFactor(*f, current);
        found.push_back(std::move(*f));
    }
    found.push_back(std::move(current));
    return found;
}

// List k has the shape the rational-root test applies to.
const List* rootTestList(const Polynomial_XL& polynomial) {
    const auto k = factoringListIndex(polynomial);
    if (!k) return nullptr;
    const List& list = polynomial.terms[*k];
    if (list.size() < 2 || list.front().monomial.exponent < 2 || hasFactoredTerm(list)) return nullptr;
    return &list;
}

// `factored` with the linear factors of list k already found.
PolynomialPair factoredInto(const Polynomial_XL& polynomial, std::vector<List> factorLists, Color highlight) {
    const std::size_t k = *factoringListIndex(polynomial);
    const std::string variable = polynomial.terms[k].front().monomial.variable;

    Polynomial_XL before = highlightingFactoredList(polynomial, highlight);
    for (List& f : factorLists)
        for (Term_XL& t : f) recolor(t, highlight);
    if (polynomial.terms.size() > 1) {
        const Monomial& m = polynomial.terms.back().front().monomial;
        return {std::move(before),
                splittingFactoredList(polynomial, std::move(factorLists),
                                      Monomial(Rational(m.coefficient.numerator, 1), m.exponent, variable),
                                      highlight)};
    }
    std::vector<Factor> references;
    references.reserve(factorLists.size());
    for (std::size_t i = 0; i < factorLists.size(); ++i)
        references.push_back(Factor(i, 1).recolored(highlight));
    factorLists.push_back(listOf(Term_XL(Monomial(Rational(1, 1), 0, variable), std::move(references))));
    return {std::move(before), Polynomial_XL(std::move(factorLists))};
}

}  // namespace

std::optional<Polynomial_XL> findRationalRoot(const Polynomial_XL& polynomial) {
    if (polynomial.terms.size() != 1) return std::nullopt;
    auto factor = rootFactor(polynomial.terms[0]);
    if (!factor) return std::nullopt;
    return Polynomial_XL(listsOf(std::move(*factor)));
}

Polynomial_XL divideByLinearFactor(const Polynomial_XL& factor, const Polynomial_XL& dividend) {
    const List& divisor = factor.terms.at(0);
    if (dividend.terms.size() != 1) {
        if (divisor.empty()) throw std::out_of_range("Index out of range");
        return Polynomial_XL({List{}});
    }
    return Polynomial_XL(listsOf(quotientByLinearFactor(divisor, dividend.terms[0])));
}

std::optional<std::vector<Polynomial_XL>> extractLinearFactors(const Polynomial_XL& polynomial) {
    const auto degree = polynomial.degree();
    if (!degree || *degree < 2 || polynomial.terms[0].size() < 2) return std::nullopt;
    auto first = rootFactor(polynomial.terms[0]);
    if (!first) return std::nullopt;
    std::vector<Polynomial_XL> found;
    for (List& f : linearFactorsFrom(std::move(*first), polynomial.terms[0], *degree))
        found.emplace_back(std::vector<List>{std::move(f)});
    return found;
}

bool hasRationalRoot(const Polynomial_XL& polynomial) {
    const List* list = rootTestList(polynomial);
    return list && rootFactor(*list).has_value();
}

PolynomialPair factored(const Polynomial_XL& polynomial, Color highlight) {
    const auto k = factoringListIndex(polynomial);
    if (!k || hasFactoredTerm(polynomial.terms[*k])) throw std::invalid_argument(kNoRationalRoot);
    const List& list = polynomial.terms[*k];
    const auto degree = degreeOf(list);
    if (!degree || *degree < 2 || list.size() < 2) throw std::invalid_argument(kNoRationalRoot);
    auto first = rootFactor(list);
    if (!first) throw std::invalid_argument(kNoRationalRoot);
    return factoredInto(polynomial, linearFactorsFrom(std::move(*first), list, *degree), highlight);
}

std::optional<PolynomialPair> factoredByRationalRoot(const Polynomial_XL& polynomial, Color highlight) {
    const List* list = rootTestList(polynomial);
    if (!list) return std::nullopt;
    auto first = rootFactor(*list);
    if (!first) return std::nullopt;
    const auto degree = degreeOf(*list);
    if (*degree < 2) throw std::invalid_argument(kNoRationalRoot);
    return factoredInto(polynomial, linearFactorsFrom(std::move(*first), *list, *degree), highlight);
}

Polynomial_XL highlightingFactoredList(const Polynomial_XL& polynomial, Color highlight) {
    Polynomial_XL result = polynomial;
    const auto k = factoringListIndex(polynomial);
    if (!k) return result;
    for (Term_XL& t : result.terms[*k]) recolor(t, highlight);
    if (polynomial.terms.size() > 1) {
        Factor& named = result.terms.back().front().factors.back();
        named = named.recolored(highlight);
    }
    return result;
}

Polynomial_XL splittingFactoredList(const Polynomial_XL& polynomial, std::vector<List> parts,
                                    const Monomial& monomial, Color highlight) {
    const auto k = factoringListIndex(polynomial);
    if (!k || polynomial.terms.size() < 2) throw std::invalid_argument("No factor list to split");
    const Term_XL& t = polynomial.terms.back().front();
    const std::uint64_t power = t.factors.back().exponent;
    std::vector<List> lists(polynomial.terms.begin(), polynomial.terms.end() - 1);
    std::vector<Factor> references;
    for (auto f = t.factors.begin(); f + 1 != t.factors.end(); ++f)
        references.emplace_back(f->pointer, f->exponent);
    const bool inPlace = referenceCount(polynomial, *k) == 1;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t at = inPlace && i == 0 ? *k : lists.size();
        if (at == lists.size())
            lists.push_back(std::move(parts[i]));
        else
            lists[at] = std::move(parts[i]);
        references.push_back(Factor(at, power).recolored(highlight));
    }
    List top = listOf(Term_XL(monomial, std::move(references)));
    top.insert(top.end(), polynomial.terms.back().begin() + 1, polynomial.terms.back().end());
    lists.push_back(std::move(top));
    return Polynomial_XL(std::move(lists));
}

PolynomialPair factoredForMethod(const Polynomial_XL& polynomial, Color highlight, std::string_view method) {
    PolynomialPair result = factored(polynomial, highlight);
    if (method == kGuessAndCheck) return result;
    auto& lists = result[1].terms;
    if (lists.size() < 3 || lists[0].size() < 2 || lists[1].size() < 2 ||
        !symmetricInFirstTwoLists(result[1]))
        return result;
    const auto numerator = [&lists](std::size_t list, std::size_t term) {
        return lists[list][term].monomial.coefficient.numerator;
    };
    const std::int64_t a = numerator(0, 0), b = numerator(0, 1), c = numerator(1, 0), d = numerator(1, 1);
    const std::int64_t ad = checkedAbs(checkedMul(a, d)), bc = checkedAbs(checkedMul(b, c));
    const bool grouped = gcd(checkedMul(a, c), std::max(ad, bc)) == checkedAbs(a) &&
                         gcd(checkedMul(b, d), std::min(ad, bc)) == checkedAbs(b);
    if (!grouped) std::swap(lists[0], lists[1]);
    return result;
}

}  // namespace radixmender
