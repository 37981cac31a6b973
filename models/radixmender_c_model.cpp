// Form C, a/(b√c + d√e): validation, the hand-overs to forms A and B, the
// closed cases, the builder sequences and the summary.
#include "models/radixmender_c_model.hpp"

#include <utility>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"

namespace radixmender {

using namespace shapes;
using std::int64_t;

namespace {

const char kAdvisoryFirst[] = "division by zero in";
const char kAdvisorySecond[] = "rationalization phase";
const char kAdvisoryThird[] = "simplify radical first";

// A called model's steps and comments with parameters of our own.
ModelOutput handedOver(ModelOutput called) {
    called.detailParameters = {kNoParameters};
    return called;
}

// The coefficient of a perfect-square radical evaluated: b∙r, r, or -r.
Record evaluatedFirst(int64_t b, int64_t root) {
    if (checkedAbs(b) != 1) return dot(integer(b), integer(root));
    return integer(b == 1 ? root : checkedNeg(root));
}

Record evaluatedSecond(int64_t dMagnitude, int64_t root) {
    return dMagnitude != 1 ? dot(integer(dMagnitude), integer(root)) : integer(root);
}

}  // namespace

ModelOutput Radixmender_C_Model::steps(const std::string& context) const {
    const bool application = isApplication(context);
    const Color firstColor = application ? Color::clear : Color::black;
    const std::string joint = signText(d);

    // 1. Errors: a vanished denominator, a negative radicand, or two terms
    //    that cancel (the products are only formed when the signs differ).
    const bool vanished = (b == 0 || c == 0) && (d == 0 || e == 0);
    const bool opposite = (b < 0 && d > 0) || (b > 0 && d < 0);
    if (vanished || c < 0 || e < 0 || (opposite && squareTimes(b, c) == squareTimes(d, e))) {
        const std::string text = (c < 0 || e < 0) ? kRootOfNegative
                                 : vanished       ? kDivisionByZero
                                                  : kDenominatorZero;
        const Record denominator =
            join(joint, product(integer(b), radical(c)), product(integer(checkedAbs(d)), radical(e)));
        return errorOutput(equalsLine(fraction(integer(a), denominator), firstColor), text, context, true);
    }

    // 2–5. Whole hand-overs: a vanished term, or a radicand of 1.
    if (b == 0 || c == 0) return handedOver(Radixmender_A_Model{a, d, e, order}.steps(context));
    if (d == 0 || e == 0) return handedOver(Radixmender_A_Model{a, b, c, order}.steps(context));
    if (c == 1) return handedOver(Radixmender_B_Model{a, b, d, e, kTemplateWholeFirst, order}.steps(context));
    if (e == 1)
        return handedOver(Radixmender_B_Model{a, b, c, d, kTemplateRadicalFirst, order}.steps(context));

    const int64_t dMagnitude = checkedAbs(d);
    const Record t2 = magnitudeTerm(dMagnitude, e);
    Record problem = equalsLine(fraction(integer(a), join(joint, term(b, c), t2)), firstColor);

    // 6. A zero numerator.
    if (a == 0) {
        const Record zero = equalsLine(integer(0));
        return simpleOutput(std::move(problem), zero, zero, context);
    }

    const std::optional<int64_t> rc = exactSquareRoot(c), re = exactSquareRoot(e);
    // The general sequence shows the problem again only in the advisory step.
    const bool general = c != e && !rc && !re;
    const bool advisory = general && order == kOrderAfter && squareTimes(b, c) == squareTimes(d, e);

    OutputBuilder out;
    if (application)
        out.add(general && !advisory ? stepOf(std::move(problem)) : stepOf(problem), text::kThinking);

    // 7. Equal radicands: one term, continued by form A.
    if (c == e) {
        const int64_t s2 = checkedAdd(b, d);
        const Record combined = equalsLine(fraction(integer(a), term(s2, c)));
        out.add(application ? Step{problem, combined} : Step{combined}, kRadicalsAreSame);
        out.append(Radixmender_A_Model{a, s2, c, order}.steps(kModule));
        if (application) out.add(Radixmender_A_Model::summaryStep(a, s2, c, problem));
        return std::move(out).finish();
    }

    // 8. Both radicands perfect squares: a fraction of integers.
    if (rc && re) {
        const Record v = equalsLine(
            fraction(integer(a), join(joint, evaluatedFirst(b, *rc), evaluatedSecond(dMagnitude, *re))));
        const int64_t den = checkedAdd(checkedMul(b, *rc), checkedMul(d, *re));
        const Record w = equalsLine(reducedQuotient(a, den));
        if (application) {
            out.add(stepOf(problem, v, w), kSimple);
            out.add(stepOf(std::move(problem), w), text::kCool);
        } else {
            out.add(stepOf(continuation(), v, w), kSimple);
        }
        return std::move(out).finish();
    }

    // 9. The first radicand a perfect square: form B, whole term first.
    if (rc) {
        const int64_t whole = checkedMul(b, *rc);
        Step lines{problem, equalsLine(fraction(integer(a), join(joint, evaluatedFirst(b, *rc), t2)))};
        if (checkedAbs(b) != 1)
            lines.push_back(equalsLine(fraction(integer(a), join(joint, integer(whole), t2))));
        if (!application) lines.insert(lines.begin(), continuation());
        out.add(std::move(lines), kSquareNumberHere);
        out.append(Radixmender_B_Model{a, whole, d, e, kTemplateWholeFirst, order}.steps(kModule));
        if (application) out.add(Radixmender_B_Model::summaryStepWholeFirst(a, whole, d, e, problem));
        return std::move(out).finish();
    }

    // 10. The second radicand a perfect square: form B, radical term first.
    if (re) {
        const Record t1 = term(b, c);
        const int64_t whole = checkedMul(d, *re);
        Step lines{problem,
                   equalsLine(fraction(integer(a), join(joint, t1, evaluatedSecond(dMagnitude, *re))))};
        if (dMagnitude != 1)
            lines.push_back(equalsLine(fraction(integer(a), join(joint, t1, integer(checkedAbs(whole))))));
        if (!application) lines.insert(lines.begin(), continuation());
        out.add(std::move(lines), kSquareNumberHere);
        out.append(Radixmender_B_Model{a, b, c, whole, kTemplateRadicalFirst, order}.steps(kModule));
        if (application) out.add(Radixmender_B_Model::summaryStepRadicalFirst(a, b, c, whole, problem));
        return std::move(out).finish();
    }

    // 11. The general sequence. Clearing the unsimplified radicals would give
    //     a zero denominator when b²c = d²e, so then the radicals go first
    //     whatever the order.
    const bool before = order == kOrderBefore;
    const bool radicalsFirst = before || squareTimes(b, c) == squareTimes(d, e);
    bool continued = !application;
    const auto append = [&](std::optional<StepResult> step) {
        if (!step) return;
        out.add(std::move(*step));
        continued = true;
    };
    if (radicalsFirst) {
        if (advisory) {
            out.add(stepOf(std::move(problem), message(kAdvisoryFirst), message(kAdvisorySecond),
                           message(kAdvisoryThird, Color::red)),
                    kAdvisory);
        }
        append(simplifyStep(a, b, c, d, e, continued));
        append(simplifyRadicalStep(a, b, c, d, e, continued));
        append(multiplyByConjugateStep(a, b, c, d, e, kBefore, continued));
        append(simplifyResultStep(a, b, c, d, e, kBefore));
    } else {
        append(simplifyStep(a, b, c, d, e, continued));
        append(multiplyByConjugateStep(a, b, c, d, e, kAfter, continued));
        append(simplifyResultStep(a, b, c, d, e, kAfter));
        append(simplifyResultRadicalStep(a, b, c, d, e));
    }
    if (application) out.add(summaryStep(a, b, c, d, e, {}));
    return std::move(out).finish();
}

StepResult Radixmender_C_Model::summaryStep(int64_t a, int64_t b, int64_t c, int64_t d, int64_t e,
                                            const Record& leadingLines) {
    Step lines;
    if (leadingLines.empty()) {
        const Record denominator = sum(term(b, c), magnitudeTerm(checkedAbs(d), e), d);
        lines.push_back(equalsLine(fraction(integer(a), denominator), Color::clear));
    } else {
        lines.push_back(leadingLines);
    }

    const SquareRootParts rc = squareRootParts(c), re = squareRootParts(e);
    const int64_t bk = checkedMul(b, rc.k), dk = checkedMul(d, re.k);
    const int64_t g1 = signedGcd(bk, checkedNeg(dk), b);
    const int64_t D = checkedSub(squareTimes(b, c), squareTimes(d, e));
    const int64_t ag = checkedMul(a, g1);
    const int64_t g2 = signedGcd(ag, D, D);
    const int64_t N = checkedDiv(ag, g2), E = checkedDiv(D, g2);
    const int64_t u = checkedDiv(bk, g1), v = checkedDiv(checkedNeg(dk), g1);
    const int64_t Nu = checkedMul(N, u), Nv = checkedMul(N, v);

    if (rc.m == re.m) {
        const int64_t s = checkedMul(checkedAdd(bk, dk), rc.m);
        const int64_t g3 = signedGcd(a, s, s);
        lines.push_back(equalsLine(over(term(checkedDiv(a, g3), rc.m), checkedDiv(s, g3))));
    } else {
        Record t = sum(term(u, rc.m), magnitudeTerm(checkedAbs(v), re.m), v);
        lines.push_back(equalsLine(over(multiple(N, std::move(t)), E)));
        if (N != 1) {
            lines.push_back(
                equalsLine(over(sum(term(Nu, rc.m), magnitudeTerm(checkedAbs(Nv), re.m), Nv), E)));
        }
    }
    return StepResult{std::move(lines), {text::kCool}};
}

}  // namespace radixmender
