// The form B steps before the conjugate: the common factor of the
// denominator's coefficients, and the square factor of the radicand.
#include "models/radixmender_b_internal.hpp"
#include "records/checked.hpp"

namespace radixmender::form_b {

using namespace shapes;

namespace {

Color firstEqualsColor(bool continued) { return continued ? Color::black : Color::clear; }

}  // namespace

std::optional<StepResult> commonFactorStep(Layout layout, std::int64_t a, const Terms& terms,
                                           bool continued) {
    const std::int64_t b = leading(layout, terms.whole, terms.coefficient);
    // A negative first coefficient is always factored out, even with gcd 1.
    const std::int64_t g = signedGcd(terms.whole, terms.coefficient, b);
    if (g == 1) return std::nullopt;

    Step lines;
    if (continued) lines.push_back(continuation());
    const Record asEntered = sumShown(layout, terms.whole, terms.coefficient, terms.radicand);
    lines.push_back(equalsLine(fraction(integer(a), asEntered), firstEqualsColor(continued)));

    const Record reduced =
        sumShown(layout, checkedDiv(terms.whole, g), checkedDiv(terms.coefficient, g), terms.radicand);
    const Record factor = g > 0 ? integer(g) : bracket(integer(g));
    lines.push_back(equalsLine(fraction(integer(a), product(factor, bracket(reduced)))));

    // h carries the sign of g, so what is left in front of the bracket is positive.
    const std::int64_t h = signedGcd(a, g, g);
    if (h != 1) {
        const std::int64_t aPrime = checkedDiv(a, h);
        const std::int64_t gPrime = checkedDiv(g, h);
        const Record denominator = gPrime == 1 ? reduced : product(integer(gPrime), bracket(reduced));
        lines.push_back(equalsLine(fraction(integer(aPrime), denominator)));
    }
    return StepResult{std::move(lines), {kSimplify}};
}

std::optional<StepResult> radicalBeforeStep(Layout layout, std::int64_t a, const Terms& terms,
                                            bool continued) {
    const auto [k, m] = squareRootParts(terms.radicand);
    if (m == terms.radicand) return std::nullopt;

    // What the common-factor step left: a1 over h(whole1 ± coefficient1 √radicand).
    const std::int64_t g =
        signedGcd(terms.whole, terms.coefficient, leading(layout, terms.whole, terms.coefficient));
    const std::int64_t n = signedGcd(a, g, g);
    const std::int64_t a1 = checkedDiv(a, n);
    const std::int64_t whole1 = checkedDiv(terms.whole, g);
    const std::int64_t coefficient1 = checkedDiv(terms.coefficient, g);
    const std::int64_t h = checkedDiv(g, n);
    // Taking k out can make the two terms share a factor r.
    const std::int64_t p = checkedMul(coefficient1, k);
    const std::int64_t r = gcd(whole1, k);
    const std::int64_t whole2 = checkedDiv(whole1, r);
    const std::int64_t p2 = checkedDiv(p, r);
    const std::int64_t s = gcd(a1, r);
    const std::int64_t a2 = checkedDiv(a1, s);
    const std::int64_t u = checkedMul(h, checkedDiv(r, s));

    const std::int64_t sign = trailing(layout, whole1, coefficient1);
    const std::int64_t magnitude1 = checkedAbs(coefficient1);
    const Record whole1Shown = wholeShown(layout, whole1);
    auto den = [&](const Record& x) { return h == 1 ? x : product(integer(h), bracket(x)); };
    auto line = [&](std::int64_t numerator, const Record& denominator, Color equalsColor = Color::black) {
        return equalsLine(fraction(integer(numerator), denominator), equalsColor);
    };

    Step lines;
    if (continued) lines.push_back(continuation());
    const Record radicalAsEntered = scaled(magnitude1, radical(terms.radicand, Color::red));
    lines.push_back(
        line(a1, den(inOrder(layout, whole1Shown, radicalAsEntered, sign)), firstEqualsColor(continued)));

    const Record kRootM = product(integer(k, Color::red), radical(m, Color::red));
    const Record rewritten =
        magnitude1 == 1 ? kRootM : product(integer(magnitude1), bracket(kRootM, Color::red));
    lines.push_back(line(a1, den(inOrder(layout, whole1Shown, rewritten, sign))));

    if (magnitude1 != 1) {
        const Record multiplied = magnitudeTerm(checkedMul(magnitude1, k), m);
        lines.push_back(line(a1, den(inOrder(layout, whole1Shown, multiplied, sign))));
    }

    if (r != 1) {
        const Record q = sumShown(layout, whole2, p2, m);
        const Record rQ = product(integer(r), bracket(q));
        const Record hrQ = product(integer(checkedMul(h, r)), bracket(q));
        const Record last = u == 1 ? q : product(integer(u), bracket(q));
        if (h == 1) {
            lines.push_back(line(a1, rQ));
        } else {
            lines.push_back(line(a1, product(integer(h), bracket(rQ))));
            lines.push_back(line(a1, hrQ));
        }
        if (s != 1) lines.push_back(line(a2, last));
    }
    return StepResult{std::move(lines), {kSimplifyRadical}};
}

}  // namespace radixmender::form_b
