#include "algebra/rational.hpp"

#include <charconv>
#include <cmath>

#include "algebra/wide.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/text.hpp"

namespace radixmender {

namespace {

using wide::Int128;

// n/d in lowest terms with a positive denominator, black; d ≠ 0.
Rational reducedFrom(Int128 n, Int128 d) {
    const auto g = static_cast<Int128>(wide::gcd(wide::magnitude(n), wide::magnitude(d)));
    const Int128 s = d < 0 ? -g : g;
    return {wide::narrow(n / s), wide::narrow(d / s)};
}

// n/d with the sign moved to the numerator, black; d ≠ 0.
Rational signMovedFrom(Int128 n, Int128 d) {
    return d < 0 ? Rational(wide::narrow(-n), wide::narrow(-d)) : Rational(wide::narrow(n), wide::narrow(d));
}

std::string_view digitsAt(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return text.substr(start, at - start);
}

}  // namespace

Rational::Rational(std::int64_t n, std::int64_t d) : numerator(n), denominator(d) {}

Rational::Rational(std::int64_t n, std::int64_t d, Color nc, Color dc, Color bc)
    : numerator(n), denominator(d), numerator_color(nc), denominator_color(dc), bar_color(bc) {}

Rational::Rational(const Rational& value, Color color)
    : Rational(value.numerator, value.denominator, color, color, color) {}

Rational Rational::fromDecimalText(std::string_view text) {
    const Rational zero(0, 1);
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    const std::string_view whole = digitsAt(text, at);
    std::string_view fraction;
    bool digits = !whole.empty();
    if (at < text.size() && text[at] == '.') {
        ++at;
        fraction = digitsAt(text, at);
        digits = digits || !fraction.empty();
        // Trailing zeros after the point say nothing: 2.50 is 25/10.
        while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    }
    if (!digits) return zero;
    std::string_view exponent;
    bool exponentNegative = false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        exponentNegative = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        exponent = digitsAt(text, at);
        if (exponent.empty()) return zero;
    }
    if (at != text.size()) return zero;

    const std::string all = std::string(whole) + std::string(fraction);
    if (all.find_first_not_of('0') == std::string::npos) return zero;
    const auto k = parseInteger((negative ? "-" : "") + all);
    if (!k) throw std::overflow_error(kOverflowMessage);
    const auto shift = exponent.empty() ? std::optional<std::int64_t>(0) : parseInteger(exponent);
    if (!shift) throw std::overflow_error(kOverflowMessage);
    // The value is k · 10^−places.
    const std::int64_t places =
        checkedSub(static_cast<std::int64_t>(fraction.size()), exponentNegative ? -*shift : *shift);
    if (places > 18) throw std::overflow_error(kOverflowMessage);
    if (places >= 0) return {*k, power(10, static_cast<std::uint64_t>(places))};
    return {checkedMul(*k, power(10, static_cast<std::uint64_t>(-places))), 1};
}

Rational Rational::recolored(Color color) const { return {*this, color}; }

Rational Rational::blackCopy() const { return recolored(Color::black); }

bool Rational::operator==(const Rational& other) const {
    return wide::product(numerator, other.denominator) == wide::product(other.numerator, denominator);
}

bool Rational::isEqual(const Rational& other, bool identical) const {
    if (denominator == 0 || other.denominator == 0) return false;
    if (identical) return numerator == other.numerator && denominator == other.denominator;
    return *this == other;
}

std::optional<Rational> Rational::adding(const Rational& other) const {
    if (denominator == 0 || other.denominator == 0) return std::nullopt;
    const Int128 n = wide::checkedAdd(wide::product(numerator, other.denominator),
                                      wide::product(other.numerator, denominator));
    return reducedFrom(n, wide::product(denominator, other.denominator));
}

std::optional<Rational> Rational::reduced() const {
    if (denominator == 0) return std::nullopt;
    return reducedFrom(numerator, denominator);
}

std::optional<Rational> Rational::negated() const {
    if (denominator == 0) return std::nullopt;
    return reducedFrom(-static_cast<Int128>(numerator), denominator);
}

std::optional<Rational> Rational::negativeReciprocal() const {
    if (numerator == 0 || denominator == 0) return std::nullopt;
    return reducedFrom(-static_cast<Int128>(denominator), numerator);
}

std::optional<Rational> Rational::multiplied(const Rational& by, bool reduce) const {
    const Int128 p = wide::product(numerator, by.numerator), q = wide::product(denominator, by.denominator);
    if (q == 0) return std::nullopt;
    return reduce ? reducedFrom(p, q) : signMovedFrom(p, q);
}

std::optional<Rational> Rational::divided(const Rational& by, bool reduce) const {
    if (by.denominator == 0) return std::nullopt;
    return multiplied(Rational(by.denominator, by.numerator), reduce);
}

std::optional<bool> Rational::isPositive() const {
    if (denominator == 0) return std::nullopt;
    return (numerator > 0 && denominator > 0) || (numerator < 0 && denominator < 0);
}

std::optional<bool> Rational::isNegative() const {
    if (denominator == 0) return std::nullopt;
    return (numerator > 0 && denominator < 0) || (numerator < 0 && denominator > 0);
}

bool Rational::isPerfectSquare() const {
    const auto r = reduced();
    return r && r->numerator >= 0 && exactSquareRoot(r->numerator) && exactSquareRoot(r->denominator);
}

bool Rational::isWhole(bool reduce) const {
    if (denominator == 0) return false;
    return reduce ? reduced()->denominator == 1 : denominator == 1;
}

bool operator<(const Rational& a, const Rational& b) {
    // a < b when n₁d₂ − n₂d₁ and d₁d₂ have opposite signs.
    const int delta =
        wide::sign(wide::product(a.numerator, b.denominator) - wide::product(b.numerator, a.denominator));
    const int p = wide::sign(a.denominator) * wide::sign(b.denominator);
    return delta * p < 0;
}

bool operator>(const Rational& a, const Rational& b) { return b < a; }
bool operator<=(const Rational& a, const Rational& b) { return !(b < a); }
bool operator>=(const Rational& a, const Rational& b) { return !(a < b); }

std::string formatG8(double value) {
    if (std::isnan(value)) return "nan";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 8);
    return {buffer, result.ptr};
}

}  // namespace radixmender
