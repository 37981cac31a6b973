// The form B conjugate step and the two steps that simplify its result.
#include "models/radixmender_b_internal.hpp"
#include "records/checked.hpp"
#include "records/literals.hpp"

namespace radixmender::form_b {

using namespace shapes;

namespace {

// The terms after the common factor g of the two coefficients (with the sign
// of `b`) is taken out, and the part of g that cancels with the numerator.
struct Reduced {
    std::int64_t g = 1;
    std::int64_t cancelled = 1;  // gcd(a, g) with the sign of g
    std::int64_t a = 0;          // a / cancelled
    std::int64_t whole = 0;
    std::int64_t coefficient = 0;
    // What stays in front of the denominator, g / cancelled; always positive.
    [[nodiscard]] std::int64_t factor() const { return checkedDiv(g, cancelled); }
};

Reduced reduce(std::int64_t a, std::int64_t b, std::int64_t whole, std::int64_t coefficient) {
    Reduced out;
    out.g = signedGcd(whole, coefficient, b);
    out.cancelled = signedGcd(a, out.g, out.g);
    out.a = checkedDiv(a, out.cancelled);
    out.whole = checkedDiv(whole, out.g);
    out.coefficient = checkedDiv(coefficient, out.g);
    return out;
}

}  // namespace

StepResult conjugateStep(Layout layout, std::int64_t a, const Terms& terms, const std::string& order,
                         bool continued) {
    std::int64_t coefficient = terms.coefficient;
    std::int64_t radicand = terms.radicand;
    if (order == kBefore) {
        const auto [k, m] = squareRootParts(radicand);
        coefficient = checkedMul(coefficient, k);
        radicand = m;
    }
    const std::int64_t b = leading(layout, terms.whole, terms.coefficient);
    const Reduced reduced = reduce(a, b, terms.whole, coefficient);
    const std::int64_t aPrime = reduced.a;
    const std::int64_t gPrime = reduced.factor();
    const std::int64_t second = trailing(layout, reduced.whole, reduced.coefficient);

    // The bracket (sign of the second term) or its conjugate (the other sign).
    auto bracketSum = [&](std::int64_t sign, Color color) {
        return inOrder(layout, wholeShown(layout, reduced.whole, color),
                       radicalShown(layout, reduced.coefficient, radicand, color), sign, color);
    };
    auto redCopy = [&](std::int64_t sign) { return bracket(bracketSum(sign, Color::red), Color::red); };
    auto timesFactor = [&](Record x) {
        if (gPrime == 1) return x;
        return product(integer(gPrime), std::move(x));
    };
    // g′(x), or x alone when g′ is 1.
    auto factored = [&](Record x, Color parens) {
        if (gPrime == 1) return x;
        return product(integer(gPrime), bracket(std::move(x), parens));
    };
    Record cj = bracketSum(checkedNeg(second), Color::black);

    Step lines;
    lines.reserve(8);
    if (continued) lines.push_back(continuation());
    lines.push_back(firstLine(
        fraction(integer(aPrime), factored(bracketSum(second, Color::black), Color::black)), continued));

    Record x = fraction(integer(aPrime), timesFactor(redCopy(second)));
    Record y = fraction(bracket(cj), redCopy(checkedNeg(second)));
    lines.push_back(equalsLine(dot(std::move(x), std::move(y), Color::red)));

    Record wholeSquare = squared(integer(checkedAbs(reduced.whole), Color::red), Color::red);
    Record radicalSquare = squared(
        bracket(radicalShown(layout, reduced.coefficient, radicand, Color::red), Color::red), Color::red);
    Record delta = inOrder(layout, std::move(wholeSquare), std::move(radicalSquare), -1, Color::red);
    lines.push_back(equalsLine(
        fraction(coefficientTimes(aPrime, std::move(cj)), factored(std::move(delta), Color::red))));

    addDifferenceOfSquaresNote(lines, second > 0);
    return StepResult{std::move(lines), {kRadixmender}};
}

StepResult resultStep(Layout layout, std::int64_t a, const Terms& terms, const std::string& order) {
    std::int64_t coefficient0 = terms.coefficient;
    std::int64_t radicand0 = terms.radicand;
    if (order == kBefore) {
        const auto [k, m] = squareRootParts(terms.radicand);
        coefficient0 = checkedMul(coefficient0, k);
        radicand0 = m;
    }
    // Here the part of g that cancels is called n, and h is what stays, g/n.
    const Reduced reduced = reduce(a, leading(layout, terms.whole, coefficient0), terms.whole, coefficient0);
    const std::int64_t a1 = reduced.a;
    const std::int64_t h = reduced.factor();
    const std::int64_t whole1 = reduced.whole;
    const std::int64_t coefficient1 = reduced.coefficient;
    const std::int64_t magnitude1 = checkedAbs(coefficient1);
    const std::int64_t d = clearedDenominator(layout, whole1, coefficient1, radicand0);
    const std::int64_t f = signedGcd(a1, d, d);
    const std::int64_t a3 = checkedDiv(a1, f);
    const std::int64_t d3 = checkedDiv(d, f);

    Record k = inOrder(layout, wholeShown(layout, whole1), radicalShown(layout, coefficient1, radicand0),
                       checkedNeg(trailing(layout, whole1, coefficient1)));
    auto wrap = [&](Record s) {
        if (h == 1) return s;
        return product(integer(h), bracket(std::move(s), Color::red));
    };
    auto line = [&](std::int64_t x, Record denominator) {
        return equalsLine(fraction(coefficientTimes(x, k), std::move(denominator)));
    };
    // whole1² − (radical term)², in the template's order.
    auto difference = [&](Record radicalPart) {
        return wrap(inOrder(layout, squared(integer(checkedAbs(whole1), Color::red), Color::red),
                            std::move(radicalPart), -1, Color::red));
    };

    Step lines;
    lines.reserve(7);
    lines.push_back(continuation());
    Record q = bracket(magnitudeTerm(magnitude1, radicand0, Color::red), Color::red);
    lines.push_back(line(a1, difference(squared(std::move(q), Color::red))));
    if (magnitude1 != 1) {
        Record split =
            dot(squared(integer(magnitude1, Color::red), Color::red),
                squared(bracket(radical(radicand0, Color::red), Color::red), Color::red), Color::red);
        lines.push_back(line(a1, difference(std::move(split))));
    }
    Record radicalValue = magnitude1 == 1 ? integer(radicand0, Color::red)
                                          : dot(integer(checkedMul(coefficient1, coefficient1), Color::red),
                                                integer(radicand0, Color::red), Color::red);
    lines.push_back(line(a1, wrap(inOrder(layout, integer(checkedMul(whole1, whole1), Color::red),
                                          std::move(radicalValue), -1, Color::red))));
    const std::int64_t hd3 = checkedMul(h, d3);
    if (f != 1 || hd3 == 1) {
        lines.push_back(line(a1, integer(checkedMul(h, d))));
        // The conjugate's last use: its rows move into the line.
        lines.push_back(hd3 == 1 ? equalsLine(coefficientTimes(a3, std::move(k)))
                                 : equalsLine(fraction(coefficientTimes(a3, std::move(k)), integer(hd3))));
    } else {
        lines.push_back(equalsLine(fraction(coefficientTimes(a1, std::move(k)), integer(checkedMul(h, d)))));
    }
    return StepResult{std::move(lines), {kSimplify}};
}

std::optional<StepResult> resultRadicalStep(Layout layout, std::int64_t a, const Terms& terms) {
    const auto [k, m] = squareRootParts(terms.radicand);
    if (m == terms.radicand) return std::nullopt;

    // n is the part of g that cancels with a; h = g/n stays in the denominator.
    const Reduced reduced =
        reduce(a, leading(layout, terms.whole, terms.coefficient), terms.whole, terms.coefficient);
    const std::int64_t a1 = reduced.a;
    const std::int64_t h = reduced.factor();
    const std::int64_t whole1 = reduced.whole;
    const std::int64_t coefficient1 = reduced.coefficient;
    const std::int64_t magnitude1 = checkedAbs(coefficient1);
    const std::int64_t d = clearedDenominator(layout, whole1, coefficient1, terms.radicand);
    const std::int64_t f = signedGcd(a1, d, d);
    const std::int64_t a3 = checkedDiv(a1, f);
    const std::int64_t bigH = checkedMul(h, checkedDiv(d, f));
    // The conjugate negates the second term; with √radicand = k√m its radical
    // coefficient is coefficient1·k.
    const std::int64_t radicalC = checkedMul(coefficient1, k);
    const std::int64_t wholeC = layout == Layout::wholeFirst ? whole1 : checkedNeg(whole1);
    const std::int64_t coefficientC = layout == Layout::wholeFirst ? checkedNeg(radicalC) : radicalC;
    const std::int64_t r = gcd(whole1, k);
    const std::int64_t t = gcd(r, bigH);
    const std::int64_t bigA = checkedDiv(checkedMul(a3, r), t);
    const std::int64_t e = checkedDiv(bigH, t);

    const std::int64_t sign = trailing(layout, wholeC, coefficientC);
    auto conjugateLine = [&](Record radicalPart) {
        return overLine(
            coefficientTimes(a3, inOrder(layout, wholeShown(layout, wholeC), std::move(radicalPart), sign)),
            bigH);
    };

    Step lines;
    lines.reserve(8);
    lines.push_back(continuation());
    lines.push_back(conjugateLine(scaled(magnitude1, radical(terms.radicand, Color::red))));
    Record kRootM = product(integer(k, Color::red), radical(m, Color::red));
    lines.push_back(conjugateLine(
        magnitude1 == 1 ? std::move(kRootM)
                        : product(integer(magnitude1), bracket(std::move(kRootM), Color::red))));
    if (magnitude1 != 1) lines.push_back(conjugateLine(magnitudeTerm(checkedAbs(radicalC), m)));
    if (r != 1) {
        Record s = sumShown(layout, checkedDiv(wholeC, r), checkedDiv(coefficientC, r), m);
        Record factored = product(integer(r), bracket(s));
        const bool unit = a3 == 1 || a3 == -1;
        Record x = a3 == 1    ? std::move(factored)
                   : a3 == -1 ? negation(std::move(factored))
                              : product(integer(a3), bracket(std::move(factored)));
        lines.push_back(overLine(std::move(x), bigH));
        if (t != 1 && !unit) lines.push_back(overLine(product(integer(checkedMul(a3, r)), bracket(s)), bigH));
        if (t != 1 || !unit) lines.push_back(overLine(coefficientTimes(bigA, std::move(s)), e));
    }
    return StepResult{std::move(lines), {kSimplifyRadical}};
}

}  // namespace radixmender::form_b
