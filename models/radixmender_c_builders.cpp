// The step builders of form C, a/(b√c + d√e): the common factor and the
// radical simplification before the conjugate, the conjugate step and the
// simplification of its result, and the radical simplification after it.
//
// Every builder works from the integers as entered and recomputes what the
// steps before it reduced, so each gives the same step whether or not the
// earlier ones were shown.
#include <string>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "models/shapes.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"

namespace radixmender {

namespace {

using namespace shapes;
using std::int64_t;

// The common factor of the two denominator coefficients, taken with the sign
// of the first, and the part of it that cancels against the numerator:
// a/(B√· + D√·) = a′/(g′(b′√· + d′√·)) with b′ and g′ positive.
struct Reduction {
    int64_t g, bp, dp, g2, ap, gp;
};

Reduction reduce(int64_t a, int64_t first, int64_t second) {
    Reduction r{};
    r.g = signedGcd(first, second, first);
    r.bp = checkedDiv(first, r.g);
    r.dp = checkedDiv(second, r.g);
    r.g2 = signedGcd(a, r.g, r.g);
    r.ap = checkedDiv(a, r.g2);
    r.gp = checkedDiv(r.g, r.g2);
    return r;
}

// k√r for k > 0 with only the radical (its "√" and radicand) in `radicalColor`.
Record markedTerm(int64_t k, int64_t r, Color radicalColor) {
    if (k == 1) return radical(r, radicalColor);
    return product(integer(k), radical(r, radicalColor));
}

// f(x): the integer f before the bracket of x.
Record factorOf(int64_t f, Record x, Color bracketColor = Color::black) {
    return product(integer(f), bracket(std::move(x), bracketColor));
}

// The denominator with its factor g′ in front, when there is one.
Record withFactor(int64_t gp, Record x, Color bracketColor = Color::black) {
    if (gp == 1) return x;
    return factorOf(gp, std::move(x), bracketColor);
}

// k√m with k, √ and m in `color` and a black juxtaposition; k ≥ 2 here.
Record simplifiedRoot(int64_t k, int64_t m, Color color) {
    return product(integer(k, color), radical(m, color));
}

// A term whose radicand has a square factor, written as its k√m form:
// k√m alone for coefficient 1, else coefficient(k√m) with the bracket coloured.
Record replacedTerm(int64_t coefficient, int64_t k, int64_t m, Color color) {
    Record root = simplifiedRoot(k, m, color);
    if (coefficient == 1) return root;
    return factorOf(coefficient, std::move(root), color);
}

// (x)², the bracket of a red item squared.
Record squareOf(Record redItem) {
    return join(text::kCaret, bracket(std::move(redItem), Color::red), integer(2, Color::red));
}

// The three lines on radicals simplified in one numerator or denominator:
// marked, replaced, and (when a coefficient is not 1) multiplied out. The
// caller wraps each sum into its line.
struct RadicalSums {
    Record marked, replaced;
    std::optional<Record> multiplied;
};

RadicalSums radicalSums(int64_t first, int64_t secondMagnitude, int64_t c, int64_t e,
                        const SquareRootParts& rc, const SquareRootParts& re, const std::string& joint,
                        int64_t firstTimesK, int64_t secondTimesK) {
    const bool cHas = rc.m != c, eHas = re.m != e;
    Record t1 = markedTerm(first, c, cHas ? Color::red : Color::black);
    Record t2 = markedTerm(secondMagnitude, e, eHas ? Color::blue : Color::black);
    // A term that is not simplified reappears unchanged in the later sums; the
    // last sum that shows it takes it over.
    const bool multiplied = (first != 1 && cHas) || (secondMagnitude != 1 && eHas);
    RadicalSums sums{join(joint, t1, t2), {}, std::nullopt};
    Record replacedFirst = cHas         ? replacedTerm(first, rc.k, rc.m, Color::red)
                           : multiplied ? t1
                                        : std::move(t1);
    Record replacedSecond = eHas         ? replacedTerm(secondMagnitude, re.k, re.m, Color::blue)
                            : multiplied ? t2
                                         : std::move(t2);
    sums.replaced = join(joint, std::move(replacedFirst), std::move(replacedSecond));
    if (multiplied) {
        Record multipliedFirst = cHas ? term(firstTimesK, rc.m) : std::move(t1);
        Record multipliedSecond = eHas ? magnitudeTerm(checkedAbs(secondTimesK), re.m) : std::move(t2);
        sums.multiplied = join(joint, std::move(multipliedFirst), std::move(multipliedSecond));
    }
    return sums;
}

// The denominator as the conjugate step works on it: the radicals simplified
// (always when b²c = d²e, whose unsimplified conjugate would give zero) or as
// entered.
struct Working {
    int64_t B, m1, D, m2;
};

Working workingDenominator(int64_t b, int64_t c, int64_t d, int64_t e, const std::string& order) {
    const bool simplified = order == kBefore || squareTimes(b, c) == squareTimes(d, e);
    if (!simplified) return {b, c, d, e};
    const SquareRootParts rc = squareRootParts(c), re = squareRootParts(e);
    return {checkedMul(b, rc.k), rc.m, checkedMul(d, re.k), re.m};
}

// The pieces of the conjugate and result steps for different radicands. The
// steps take the records over at their last use.
struct Conjugate {
    Reduction r;
    Record sum, conj, redP, redQ;
    std::string sumText, conjText;
};

// `withSum`: the sum itself is drawn (only the conjugate step draws it).
Conjugate conjugateOf(int64_t a, const Working& w, bool withSum) {
    Conjugate k{reduce(a, w.B, w.D), {}, {}, {}, {}, {}, {}};
    Record p = term(k.r.bp, w.m1);
    Record q = magnitudeTerm(checkedAbs(k.r.dp), w.m2);
    k.sumText = k.r.dp <= 0 ? text::kMinusSign : text::kPlus;
    k.conjText = k.r.dp <= 0 ? text::kPlus : text::kMinusSign;
    if (withSum) k.sum = join(k.sumText, p, q);
    k.conj = join(k.conjText, std::move(p), std::move(q));
    k.redP = term(k.r.bp, w.m1, Color::red);
    k.redQ = magnitudeTerm(checkedAbs(k.r.dp), w.m2, Color::red);
    return k;
}

// = (a′·conj)/Den(x), Den carrying g′ before a red bracket.
Record overConjugateLine(const Conjugate& k, Record conj, Record denominator) {
    return equalsLine(fraction(coefficientTimes(k.r.ap, std::move(conj)),
                               withFactor(k.r.gp, std::move(denominator), Color::red)));
}

Record differenceOfSquares(Record redP, Record redQ) {
    return join(text::kMinusSign, squareOf(std::move(redP)), squareOf(std::move(redQ)), Color::red);
}

// One side of the expanded squares: (√m)², or B∙(√m)² with B² written as a power.
Record expandedSquare(int64_t coefficient, int64_t m) {
    Record root = squareOf(radical(m, Color::red));
    if (coefficient == 1) return root;
    return dot(join(text::kCaret, integer(coefficient, Color::red), integer(2, Color::red)), std::move(root),
               Color::red);
}

// One side of the evaluated squares: m, or B²∙m.
Record evaluatedSquare(int64_t coefficient, int64_t m) {
    if (coefficient == 1) return integer(m, Color::red);
    return dot(integer(checkedMul(coefficient, coefficient), Color::red), integer(m, Color::red), Color::red);
}

}  // namespace

std::optional<StepResult> Radixmender_C_Model::simplifyStep(int64_t a, int64_t b, int64_t c, int64_t d,
                                                            int64_t e, bool continued) {
    const Reduction r = reduce(a, b, d);
    if (r.g == 1) return std::nullopt;
    Step lines;
    lines.reserve(4);
    if (continued) lines.push_back(continuation());
    lines.push_back(
        firstLine(fraction(integer(a), sum(term(b, c), magnitudeTerm(checkedAbs(d), e), d)), continued));
    Record s = sum(term(r.bp, c), magnitudeTerm(checkedAbs(r.dp), e), r.dp);
    Record factor = r.g > 0 ? integer(r.g) : bracket(integer(r.g));
    lines.push_back(equalsLine(fraction(integer(a), product(std::move(factor), bracket(s)))));
    if (r.g2 != 1) lines.push_back(equalsLine(fraction(integer(r.ap), withFactor(r.gp, std::move(s)))));
    return StepResult{std::move(lines), {kSimplify}};
}

std::optional<StepResult> Radixmender_C_Model::simplifyRadicalStep(int64_t a, int64_t b, int64_t c, int64_t d,
                                                                   int64_t e, bool continued) {
    const SquareRootParts rc = squareRootParts(c), re = squareRootParts(e);
    if (rc.m == c && re.m == e) return std::nullopt;
    const Reduction r = reduce(a, b, d);
    const int64_t B = checkedMul(r.bp, rc.k), D = checkedMul(r.dp, re.k);
    const int64_t h = gcd(B, D);
    const int64_t B1 = checkedDiv(B, h), D1 = checkedDiv(D, h);
    const int64_t h2 = gcd(r.ap, h);
    const int64_t app = checkedDiv(r.ap, h2), hp = checkedDiv(h, h2);
    const int64_t F = checkedMul(r.gp, hp);

    const std::string joint = signText(r.dp);
    RadicalSums sums = radicalSums(r.bp, checkedAbs(r.dp), c, e, rc, re, joint, B, D);
    const Record numerator = integer(r.ap);
    Step lines;
    lines.reserve(8);
    if (continued) lines.push_back(continuation());
    lines.push_back(firstLine(fraction(numerator, withFactor(r.gp, std::move(sums.marked))), continued));
    lines.push_back(equalsLine(fraction(numerator, withFactor(r.gp, std::move(sums.replaced)))));
    if (sums.multiplied) {
        lines.push_back(equalsLine(fraction(numerator, withFactor(r.gp, std::move(*sums.multiplied)))));
    }

    if (rc.m == re.m) {
        const int64_t m = rc.m;
        const int64_t s = checkedAdd(B, D);
        lines.push_back(equalsLine(fraction(numerator, withFactor(r.gp, term(s, m)))));
        const int64_t t = checkedMul(r.gp, s);
        const int64_t h3 = signedGcd(r.ap, t, s);
        if (r.gp != 1) lines.push_back(equalsLine(fraction(numerator, term(t, m))));
        if (h3 != 1) {
            lines.push_back(equalsLine(fraction(integer(checkedDiv(r.ap, h3)), term(checkedDiv(t, h3), m))));
        }
    } else if (h != 1) {
        const Record s5 = sum(term(B1, rc.m), magnitudeTerm(checkedAbs(D1), re.m), r.dp);
        Record hS5 = factorOf(h, s5);
        lines.push_back(equalsLine(fraction(numerator, withFactor(r.gp, std::move(hS5)))));
        if (r.gp != 1 && h2 != 1) {
            lines.push_back(equalsLine(fraction(numerator, factorOf(checkedMul(r.gp, h), s5))));
        }
        if (r.gp != 1 && h2 == 1) {
            lines.push_back(equalsLine(fraction(numerator, factorOf(F, s5))));
        } else if (h2 != 1) {
            lines.push_back(equalsLine(fraction(integer(app), F == 1 ? s5 : factorOf(F, s5))));
        }
    }
    return StepResult{std::move(lines), {kSimplifyRadical}};
}

StepResult Radixmender_C_Model::multiplyByConjugateStep(int64_t a, int64_t b, int64_t c, int64_t d, int64_t e,
                                                        const std::string& order, bool continued) {
    const Working w = workingDenominator(b, c, d, e, order);
    if (w.m1 == w.m2) {
        // Alike radicals: there is no conjugate, only the one radical to clear.
        const int64_t s = checkedAdd(w.B, w.D);
        const int64_t gs = signedGcd(a, s, s);
        return Radixmender_A_Model::clearDenominatorStep(checkedDiv(a, gs), checkedDiv(s, gs), w.m1, kBefore,
                                                         true);
    }
    Conjugate k = conjugateOf(a, w, true);
    Record redSumBracket = bracket(join(k.sumText, k.redP, k.redQ, Color::red), Color::red);
    Record redConj = join(k.conjText, k.redP, k.redQ, Color::red);

    Step lines;
    lines.reserve(7);
    if (continued) lines.push_back(continuation());
    lines.push_back(firstLine(fraction(integer(k.r.ap), withFactor(k.r.gp, std::move(k.sum))), continued));
    Record f1 = fraction(integer(k.r.ap), k.r.gp == 1 ? std::move(redSumBracket)
                                                      : product(integer(k.r.gp), std::move(redSumBracket)));
    Record f2 = fraction(bracket(k.conj), bracket(std::move(redConj), Color::red));
    lines.push_back(equalsLine(dot(std::move(f1), std::move(f2), Color::red)));
    Record conj = std::move(k.conj);
    lines.push_back(
        overConjugateLine(k, std::move(conj), differenceOfSquares(std::move(k.redP), std::move(k.redQ))));
    addDifferenceOfSquaresNote(lines, k.r.dp >= 0);
    return StepResult{std::move(lines), {kRadixmender}};
}

std::optional<StepResult> Radixmender_C_Model::simplifyResultStep(int64_t a, int64_t b, int64_t c, int64_t d,
                                                                  int64_t e, const std::string& order) {
    const Working w = workingDenominator(b, c, d, e, order);
    if (w.m1 == w.m2) return std::nullopt;
    Conjugate k = conjugateOf(a, w, false);
    const int64_t dpMagnitude = checkedAbs(k.r.dp);
    const int64_t N = checkedSub(squareTimes(k.r.bp, w.m1), squareTimes(k.r.dp, w.m2));
    const int64_t h = signedGcd(k.r.ap, N, N);
    const int64_t a2 = checkedDiv(k.r.ap, h), N2 = checkedDiv(N, h);

    const int64_t reduced = checkedMul(k.r.gp, N2);
    const bool reducedLine = h != 1 || reduced == 1;
    Step lines;
    lines.reserve(6);
    lines.push_back(continuation());
    lines.push_back(overConjugateLine(k, k.conj, differenceOfSquares(std::move(k.redP), std::move(k.redQ))));
    if (k.r.bp != 1 || dpMagnitude != 1) {
        lines.push_back(overConjugateLine(k, k.conj,
                                          join(text::kMinusSign, expandedSquare(k.r.bp, w.m1),
                                               expandedSquare(dpMagnitude, w.m2), Color::red)));
    }
    lines.push_back(overConjugateLine(k, k.conj,
                                      join(text::kMinusSign, evaluatedSquare(k.r.bp, w.m1),
                                           evaluatedSquare(dpMagnitude, w.m2), Color::red)));
    Record conj = reducedLine ? k.conj : std::move(k.conj);
    lines.push_back(
        equalsLine(fraction(coefficientTimes(k.r.ap, std::move(conj)), integer(checkedMul(k.r.gp, N)))));
    if (reducedLine) lines.push_back(equalsLine(over(coefficientTimes(a2, std::move(k.conj)), reduced)));
    return StepResult{std::move(lines), {kSimplify}};
}

std::optional<StepResult> Radixmender_C_Model::simplifyResultRadicalStep(int64_t a, int64_t b, int64_t c,
                                                                         int64_t d, int64_t e) {
    const SquareRootParts rc = squareRootParts(c), re = squareRootParts(e);
    if (rc.m == c && re.m == e) return std::nullopt;
    const Reduction r = reduce(a, b, d);
    const int64_t N = checkedSub(squareTimes(r.bp, c), squareTimes(r.dp, e));
    const int64_t h = signedGcd(r.ap, N, N);
    const int64_t a2 = checkedDiv(r.ap, h);
    const int64_t M = checkedMul(r.gp, checkedDiv(N, h));
    const int64_t B = checkedMul(r.bp, rc.k);
    const int64_t E = checkedMul(checkedNeg(r.dp), re.k);
    const int64_t q = gcd(B, E);
    const int64_t B1 = checkedDiv(B, q), E1 = checkedDiv(E, q);
    const int64_t rq = gcd(q, M);
    const int64_t M1 = checkedDiv(M, rq);
    const int64_t w = checkedDiv(checkedMul(a2, q), rq);

    const auto overM = [M](Record x) { return equalsLine(over(std::move(x), M)); };
    const std::string joint = r.dp <= 0 ? text::kPlus : text::kMinusSign;
    RadicalSums sums = radicalSums(r.bp, checkedAbs(r.dp), c, e, rc, re, joint, B, E);

    Step lines;
    lines.reserve(8);
    lines.push_back(continuation());
    lines.push_back(overM(coefficientTimes(a2, std::move(sums.marked))));
    lines.push_back(overM(coefficientTimes(a2, std::move(sums.replaced))));
    if (sums.multiplied) lines.push_back(overM(coefficientTimes(a2, std::move(*sums.multiplied))));

    if (rc.m == re.m) {
        const int64_t m = rc.m;
        const int64_t s = checkedAdd(B, E);
        lines.push_back(overM(coefficientTimes(a2, term(s, m))));
        const int64_t as = checkedMul(a2, s);
        if (a2 != 1) lines.push_back(overM(term(as, m)));
        const int64_t v = gcd(as, M);
        if (v != 1) lines.push_back(equalsLine(over(term(checkedDiv(as, v), m), checkedDiv(M, v))));
    } else if (q != 1) {
        const Record s5 = sum(term(B1, rc.m), magnitudeTerm(checkedAbs(E1), re.m), E1 <= 0 ? -1 : 1);
        Record qS = factorOf(q, s5);
        if (a2 == 1) {
            lines.push_back(overM(std::move(qS)));
        } else if (a2 == -1) {
            lines.push_back(overM(negation(std::move(qS))));
        } else {
            lines.push_back(overM(product(integer(a2), bracket(std::move(qS)))));
            lines.push_back(overM(factorOf(checkedMul(a2, q), s5)));
        }
        if (rq != 1) lines.push_back(equalsLine(over(coefficientTimes(w, s5), M1)));
    }
    return StepResult{std::move(lines), {kSimplifyRadical}};
}

}  // namespace radixmender
