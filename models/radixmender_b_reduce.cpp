// The form B steps before the conjugate: the common factor of the
// denominator's coefficients, and the square factor of the radicand.
#include <utility>

#include "models/radixmender_b_internal.hpp"
#include "records/checked.hpp"

namespace radixmender::form_b {

using namespace shapes;

std::optional<StepResult> commonFactorStep(Layout layout, std::int64_t a, const Terms& terms,
                                           bool continued) {
    const std::int64_t b = leading(layout, terms.whole, terms.coefficient);
    // A negative first coefficient is always factored out, even with gcd 1.
    const std::int64_t g = signedGcd(terms.whole, terms.coefficient, b);
    if (g == 1) return std::nullopt;
    // h carries the sign of g, so what is left in front of the bracket is positive.
    const std::int64_t h = signedGcd(a, g, g);

    Step lines;
    lines.reserve(4);
    if (continued) lines.push_back(continuation());
    lines.push_back(firstLine(
        fraction(integer(a), sumShown(layout, terms.whole, terms.coefficient, terms.radicand)), continued));

    Record reduced =
        sumShown(layout, checkedDiv(terms.whole, g), checkedDiv(terms.coefficient, g), terms.radicand);
    Record factor = g > 0 ? integer(g) : bracket(integer(g));
    lines.push_back(equalsLine(
        fraction(integer(a), product(std::move(factor), bracket(h == 1 ? std::move(reduced) : reduced)))));

    if (h != 1) {
        const std::int64_t aPrime = checkedDiv(a, h);
        const std::int64_t gPrime = checkedDiv(g, h);
        Record denominator =
            gPrime == 1 ? std::move(reduced) : product(integer(gPrime), bracket(std::move(reduced)));
        lines.push_back(equalsLine(fraction(integer(aPrime), std::move(denominator))));
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
    auto den = [&](Record x) {
        if (h == 1) return x;
        return product(integer(h), bracket(std::move(x)));
    };
    auto line = [&](std::int64_t numerator, Record denominator) {
        return equalsLine(fraction(integer(numerator), std::move(denominator)));
    };
    auto withWhole1 = [&](Record radicalPart) {
        return den(inOrder(layout, wholeShown(layout, whole1), std::move(radicalPart), sign));
    };

    Step lines;
    lines.reserve(8);
    if (continued) lines.push_back(continuation());
    lines.push_back(
        firstLine(fraction(integer(a1), withWhole1(scaled(magnitude1, radical(terms.radicand, Color::red)))),
                  continued));

    Record kRootM = product(integer(k, Color::red), radical(m, Color::red));
    lines.push_back(line(a1, withWhole1(magnitude1 == 1 ? std::move(kRootM)
                                                        : product(integer(magnitude1),
                                                                  bracket(std::move(kRootM), Color::red)))));
    if (magnitude1 != 1) lines.push_back(line(a1, withWhole1(magnitudeTerm(checkedMul(magnitude1, k), m))));

    if (r != 1) {
        Record q = sumShown(layout, whole2, p2, m);
        Record rQ = product(integer(r), bracket(q));
        if (h == 1) {
            lines.push_back(line(a1, std::move(rQ)));
        } else {
            lines.push_back(line(a1, product(integer(h), bracket(std::move(rQ)))));
            lines.push_back(line(a1, product(integer(checkedMul(h, r)), bracket(q))));
        }
        if (s != 1) {
            lines.push_back(line(a2, u == 1 ? std::move(q) : product(integer(u), bracket(std::move(q)))));
        }
    }
    return StepResult{std::move(lines), {kSimplifyRadical}};
}

}  // namespace radixmender::form_b
