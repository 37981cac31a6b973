#include "algebra/root_windows.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace radixmender {
namespace {

using Real = long double;

// The unit roundoff of long double arithmetic.
constexpr Real kUnit = std::numeric_limits<Real>::epsilon() / 2;
// A bound on the relative rounding of one operation on Twofold numbers, with room to spare.
constexpr Real kTwofoldUnit = kUnit * kUnit * 64;
// An interval no wider than this part of where it lies is not split further:
// a multiple of a 63-bit number by it spans less than two whole numbers.
constexpr Real kFinest = 0x1p-62L;
// A window wider than this part of where it lies (the rounding hid where
// the polynomial vanishes, as at a double root) is judged again with Twofold
// numbers.
constexpr Real kRefined = 0x1p-56L;
// Intervals judged, in each pass, before those still open are taken whole:
// far more than the degrees searched need.
constexpr std::size_t kMostJudged = std::size_t{1} << 16;

// A long double and the rounding left over from it: twice the precision.
struct Twofold {
    Real high = 0;
    Real low = 0;
};

// a + b exactly, as the rounded sum and its error.
Twofold twoSum(Real a, Real b) {
    const Real s = a + b, v = s - a;
    return {s, (a - (s - v)) + (b - v)};
}

// a·b exactly, as the rounded product and its error (each factor split into
// the halves of its 64-bit mantissa).
Twofold twoProduct(Real a, Real b) {
    const auto halves = [](Real x) {
        const Real c = (0x1p32L + 1) * x, h = c - (c - x);
        return std::pair{h, x - h};
    };
    const Real p = a * b;
    const auto [ah, al] = halves(a);
    const auto [bh, bl] = halves(b);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

Twofold operator+(Twofold a, Twofold b) {
    Twofold s = twoSum(a.high, b.high);
    s.low += a.low + b.low;
    return twoSum(s.high, s.low);
}

Twofold operator*(Real x, Twofold a) {
    Twofold p = twoProduct(x, a.high);
    p.low += x * a.low;
    return twoSum(p.high, p.low);
}

void read(wide::Int128 v, Real& out) { out = static_cast<Real>(v); }
void read(wide::Int128 v, Twofold& out) {
    out.high = static_cast<Real>(v);
    out.low = static_cast<Real>(v - static_cast<wide::Int128>(out.high));
}

Real magnitude(Real v) { return std::fabs(v); }
Real magnitude(Twofold v) { return std::fabs(v.high + v.low); }

enum class Verdict { noRoot, split, window };

// Judges an interval by the Taylor expansion of the polynomial about its
// middle, computed in `Number`s whose operations round by at most `unit`:
// no root where the value there outweighs all the expansion can change over
// the interval; a window where the change is within the rounding, or the
// interval is as fine as it is split.
template <class Number>
class Judge {
public:
    // Coefficients c₀ … cₙ, n ≥ 1.
    Judge(const std::vector<wide::Int128>& coefficients, Real unit)
        : c_(coefficients.size()), magnitudes_(coefficients.size()), t_(c_.size()), bounds_(c_.size()) {
        for (std::size_t i = 0; i < c_.size(); ++i) {
            read(coefficients[i], c_[i]);
            magnitudes_[i] = std::fabs(static_cast<Real>(coefficients[i]));
        }
        // Twice the bound on the relative rounding of the Taylor shift: 2n
        // operations a coefficient, one more when it was read.
        const Real steps = 4 * (static_cast<Real>(c_.size()) + 2);
        gamma_ = steps * unit;
        boundGamma_ = steps * kUnit;
    }

    Verdict operator()(Real low, Real high) {
        const Real middle = low + (high - low) / 2;
        if (!(low < middle && middle < high)) return Verdict::window;
        const Real radius = std::max(high - middle, middle - low) * (1 + 8 * kUnit);
        std::copy(c_.begin(), c_.end(), t_.begin());
        shift(t_, middle);
        std::copy(magnitudes_.begin(), magnitudes_.end(), bounds_.begin());
        shift(bounds_, middle);
        // Over the interval P moves from P(middle) by at most Σₖ≥₁ |Tₖ|·radiusᵏ,
        // each computed Tₖ lying within γ·Bₖ of the true one, Bₖ the same
        // expansion of the coefficients' magnitudes (computed within its own rounding).
        const Real error = gamma_ * (1 + boundGamma_), read = 1 + 4 * kUnit;
        Real change = 0;
        for (std::size_t k = t_.size() - 1; k > 0; --k)
            change = (change + magnitude(t_[k]) * read + error * bounds_[k]) * radius;
        change *= 1 + boundGamma_;
        const Real noise = error * bounds_[0] * (1 + 4 * kUnit);
        if (magnitude(t_[0]) * (1 - 4 * kUnit) - noise > change) return Verdict::noRoot;
        if (change <= noise || radius <= middle * kFinest) return Verdict::window;
        return Verdict::split;
    }

private:
    // t[k] becomes Σᵢ C(i, k)·t[i]·xⁱ⁻ᵏ, the Taylor coefficients about x, by repeated Horner steps.
    template <class Value>
    static void shift(std::vector<Value>& t, Real x) {
        const std::size_t n = t.size() - 1;
        for (std::size_t k = 0; k < n; ++k)
            for (std::size_t i = n; i-- > k;) t[i] = t[i] + x * t[i + 1];
    }

    std::vector<Number> c_;
    std::vector<Real> magnitudes_;
    std::vector<Number> t_;
    std::vector<Real> bounds_;
    Real gamma_ = 0, boundGamma_ = 0;
};

// Splits [least, most] until `judge` rules each part out or takes it as a
// window, handed to `take` in ascending order.
template <class Judged, class Take>
void subdivide(Judged& judge, Real least, Real most, Take take) {
    std::vector<RootWindow> open{{least, most}};  // the lowest last
    std::size_t judged = 0;
    while (!open.empty()) {
        const RootWindow w = open.back();
        open.pop_back();
        const Verdict verdict = ++judged > kMostJudged ? Verdict::window : judge(w.low, w.high);
        if (verdict == Verdict::noRoot) continue;
        if (verdict == Verdict::window) {
            take(w);
            continue;
        }
        // A wide interval is split at the same ratio from both ends, a narrow one in halves.
        Real at = w.low + (w.high - w.low) / 2;
        if (w.high > 4 * w.low) {
            const Real ratio = std::sqrt(w.low) * std::sqrt(w.high);
            if (w.low < ratio && ratio < w.high) at = ratio;
        }
        open.push_back({at, w.high});
        open.push_back({w.low, at});
    }
}

// Fujiwara's bound on the magnitude of every root of c₀ + c₁x + … + cₙxⁿ
// (cₙ not 0): 2·max(|cₙ₋₁/cₙ|, |cₙ₋₂/cₙ|^½, …, |c₀/(2cₙ)|^(1/n)), a little
// above it for rounding.
Real rootBound(const std::vector<Real>& c) {
    const std::size_t n = c.size() - 1;
    Real largest = 0;
    for (std::size_t k = 1; k <= n; ++k) {
        const Real ratio = std::fabs(c[n - k] / c[n]) / (k == n ? 2 : 1);
        largest = std::max(largest, std::pow(ratio, 1 / static_cast<Real>(k)));
    }
    return 2 * largest * (1 + 0x1p-40L);
}

}  // namespace

std::vector<RootWindow> positiveRootWindows(const std::vector<wide::Int128>& coefficients, long double least,
                                            long double most) {
    // A power of x that every term shares adds only the root 0.
    std::size_t first = 0, end = coefficients.size();
    while (first < end && coefficients[first] == 0) ++first;
    while (end > first && coefficients[end - 1] == 0) --end;
    if (first == end) return {{least, most}};
    if (end - first == 1) return {};
    const std::vector<wide::Int128> c(coefficients.begin() + static_cast<std::ptrdiff_t>(first),
                                      coefficients.begin() + static_cast<std::ptrdiff_t>(end));
    // Every root lies between the bounds of the reversed polynomial's roots
    // (the reciprocals of these) and of its own.
    std::vector<Real> rough(c.size());
    std::transform(c.begin(), c.end(), rough.begin(), [](wide::Int128 v) { return static_cast<Real>(v); });
    least = std::max(least, 1 / rootBound(std::vector<Real>(rough.rbegin(), rough.rend())));
    most = std::min(most, rootBound(rough));
    if (!(least <= most)) return {};

    std::vector<RootWindow> windows;
    const auto take = [&windows](RootWindow w) {
        if (!windows.empty() && windows.back().high >= w.low)
            windows.back().high = std::max(windows.back().high, w.high);
        else
            windows.push_back(w);
    };
    Judge<Real> quick(c, kUnit);
    Judge<Twofold> precise(c, kTwofoldUnit);
    subdivide(quick, least, most, [&](RootWindow w) {
        if (w.high - w.low <= w.low * kRefined)
            take(w);
        else
            subdivide(precise, w.low, w.high, take);
    });
    return windows;
}

}  // namespace radixmender
