#include "models/radixmender_a_model.hpp"

#include <utility>

#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"

namespace radixmender {

namespace sh = shapes;

namespace {

// gcd(x, y), negated when the coefficient b is negative: dividing by it leaves
// the denominator positive and moves any minus sign into the numerator.
std::int64_t gcdSignedByB(std::int64_t x, std::int64_t y, std::int64_t b) {
    const std::int64_t g = gcd(x, y);
    return b < 0 ? checkedNeg(g) : g;
}

// k√r around an already drawn radical, so that the radical can carry its own
// colours while the coefficient, the "🖇" and the "-" stay black.
Record termAround(std::int64_t k, Record radicalItem) {
    if (k == 1) return radicalItem;
    if (k == -1) return sh::negation(std::move(radicalItem));
    return sh::product(sh::integer(k), std::move(radicalItem));
}

Record redRadical(std::int64_t r) { return sh::radical(r, Color::red); }

// The opening of a builder's step: "..." when it continues earlier work.
Step openStep(bool continued) {
    Step lines;
    lines.reserve(8);
    if (continued) lines.push_back(sh::continuation());
    return lines;
}

StepResult result(Step lines, const char* comment) { return {std::move(lines), {comment}}; }

}  // namespace

std::optional<StepResult> Radixmender_A_Model::simplifyStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                                            bool continued) {
    const std::int64_t g = gcdSignedByB(a, b, b);
    if (g == 1) return std::nullopt;
    Step lines = openStep(continued);
    lines.push_back(sh::firstLine(sh::fraction(sh::integer(a), sh::term(b, c)), continued));
    lines.push_back(
        sh::equalsLine(sh::fraction(sh::integer(checkedDiv(a, g)), sh::term(checkedDiv(b, g), c))));
    return result(std::move(lines), sh::kSimplify);
}

std::optional<StepResult> Radixmender_A_Model::simplifyRadicalStep(std::int64_t a, std::int64_t b,
                                                                   std::int64_t c, bool continued) {
    const auto [k, m] = sh::squareRootParts(c);
    if (m == c) return std::nullopt;
    const std::int64_t g = gcdSignedByB(a, b, b);
    const std::int64_t a1 = checkedDiv(a, g), b1 = checkedDiv(b, g);

    Step lines = openStep(continued);
    lines.push_back(sh::firstLine(sh::fraction(sh::integer(a1), termAround(b1, redRadical(c))), continued));
    Record x = sh::term(k, m, Color::red);
    if (b1 != 1) x = sh::product(sh::integer(b1), sh::bracket(std::move(x), Color::red));
    lines.push_back(sh::equalsLine(sh::fraction(sh::integer(a1), std::move(x))));
    const std::int64_t b1k = checkedMul(b1, k);
    if (b1 != 1)
        lines.push_back(
            sh::equalsLine(sh::fraction(sh::integer(a1), sh::product(sh::integer(b1k), sh::radical(m)))));
    const std::int64_t g2 = gcd(a1, b1k);
    if (g2 != 1)
        lines.push_back(
            sh::equalsLine(sh::fraction(sh::integer(checkedDiv(a1, g2)), sh::term(checkedDiv(b1k, g2), m))));
    return result(std::move(lines), sh::kSimplifyRadical);
}

StepResult Radixmender_A_Model::clearDenominatorStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                                     const std::string& order, bool continued) {
    const std::int64_t g = gcdSignedByB(a, b, b);
    const std::int64_t a1 = checkedDiv(a, g), b1 = checkedDiv(b, g);
    std::int64_t p = a1, q = b1, r = c;
    if (order == sh::kBefore) {
        // Work on the fraction as the radical simplification left it.
        const auto [k, m] = sh::squareRootParts(c);
        const std::int64_t h = gcd(a1, k);
        p = checkedDiv(a1, h);
        q = checkedMul(b1, checkedDiv(k, h));
        r = m;
    }

    Step lines = openStep(continued);
    lines.push_back(sh::firstLine(sh::fraction(sh::integer(p), sh::term(q, r)), continued));
    // = p/(q√r) ∙ √r/√r, the multiplier's denominator marked.
    lines.push_back(sh::dot(sh::equalsLine(sh::fraction(sh::integer(p), termAround(q, redRadical(r)))),
                            sh::fraction(sh::radical(r), redRadical(r)), Color::red));

    Record n = sh::term(p, r);
    const std::int64_t qr = checkedMul(q, r);
    const std::int64_t g3 = gcd(p, qr);
    // n's rows move into the last line that shows it.
    const bool nAgain = q != 1 && g3 != 1;
    Record square =
        sh::join(text::kCaret, sh::bracket(redRadical(r), Color::red), sh::integer(2, Color::red));
    if (q != 1) square = sh::dot(sh::integer(q), std::move(square));
    lines.push_back(sh::equalsLine(sh::fraction(n, std::move(square))));
    Record redR = sh::integer(r, Color::red);
    if (q != 1) redR = sh::dot(sh::integer(q), std::move(redR));
    lines.push_back(sh::equalsLine(sh::fraction(nAgain ? n : std::move(n), std::move(redR))));
    if (nAgain) lines.push_back(sh::equalsLine(sh::fraction(std::move(n), sh::integer(qr))));
    if (q != 1 || g3 != 1)
        lines.push_back(sh::equalsLine(sh::over(sh::term(checkedDiv(p, g3), r), checkedDiv(qr, g3))));
    return result(std::move(lines), sh::kRadixmender);
}

std::optional<StepResult> Radixmender_A_Model::simplifyResultRadicalStep(std::int64_t a, std::int64_t b,
                                                                         std::int64_t c) {
    const auto [k, m] = sh::squareRootParts(c);
    if (m == c) return std::nullopt;
    // P√c/Q is what the clearing step left with the order "after".
    const std::int64_t bc = checkedMul(b, c);
    const std::int64_t g = gcdSignedByB(a, bc, b);
    const std::int64_t bigP = checkedDiv(a, g), bigQ = checkedDiv(bc, g);

    Step lines = openStep(true);
    lines.push_back(sh::equalsLine(sh::over(termAround(bigP, redRadical(c)), bigQ)));
    Record w = sh::join(text::kPaperclip, sh::integer(k, Color::red), sh::radical(m, Color::red), Color::red);
    if (bigP == -1)
        w = sh::negation(std::move(w));
    else if (bigP != 1)
        w = sh::product(sh::integer(bigP), sh::bracket(std::move(w), Color::red));
    lines.push_back(sh::equalsLine(sh::over(std::move(w), bigQ)));
    const std::int64_t pk = checkedMul(bigP, k);
    if (bigP != 1 && bigP != -1)
        lines.push_back(sh::equalsLine(sh::over(sh::product(sh::integer(pk), sh::radical(m)), bigQ)));
    const std::int64_t g2 = gcd(pk, bigQ);
    if (g2 != 1)
        lines.push_back(sh::equalsLine(sh::over(sh::term(checkedDiv(pk, g2), m), checkedDiv(bigQ, g2))));
    return result(std::move(lines), sh::kSimplifyRadical);
}

StepResult Radixmender_A_Model::summaryStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                            const Record& leadingLines) {
    // a/(b√c) = a·k√m/(b·c), reduced by a divisor that keeps the denominator positive.
    const auto [k, m] = sh::squareRootParts(c);
    const std::int64_t ak = checkedMul(a, k), bc = checkedMul(b, c);
    const std::int64_t g = sh::signedGcd(ak, bc, b);
    const std::int64_t n = checkedDiv(ak, g), e = checkedDiv(bc, g);

    Record answer;
    if (m != 1)
        answer = sh::over(sh::term(n, m), e);
    else if (e == 1)
        answer = sh::integer(n);
    else if (n > 0)
        answer = makeRationalRecord(n, e);
    else
        answer = sh::negation(makeRationalRecord(checkedAbs(n), e));

    Record first = leadingLines.empty()
                       ? sh::equalsLine(sh::fraction(sh::integer(a), sh::term(b, c)), Color::clear)
                       : leadingLines;
    return result(sh::stepOf(std::move(first), sh::equalsLine(std::move(answer))), text::kCool);
}

ModelOutput Radixmender_A_Model::steps(const std::string& context) const {
    const bool application = sh::isApplication(context);

    if (b == 0 || c <= 0) {
        // Drawn as entered: a coefficient of ±1 and the bad radicand stay visible.
        Record problem =
            sh::problemLine(sh::integer(a), sh::product(sh::integer(b), sh::radical(c)), context);
        return sh::errorOutput(std::move(problem), c < 0 ? sh::kRootOfNegative : sh::kDivisionByZero, context,
                               false);
    }

    Record problem = sh::problemLine(sh::integer(a), c == 1 ? sh::integer(b) : sh::term(b, c), context);
    if (a == 0) {
        const Record zero = sh::equalsLine(sh::integer(0));
        return sh::simpleOutput(std::move(problem), zero, zero, context);
    }
    if (c == 1) {
        const Record line = sh::equalsLine(sh::reducedQuotient(a, b));
        return sh::simpleOutput(std::move(problem), line, line, context);
    }
    if (const auto r = exactSquareRoot(c)) {
        Record root = sh::integer(*r);
        if (b == -1)
            root = sh::integer(checkedNeg(*r));
        else if (b != 1)
            root = sh::dot(sh::integer(b), sh::integer(*r));
        Record quotient = sh::reducedQuotient(a, checkedMul(b, *r));
        Record last = sh::equalsLine(quotient);
        Record line = sh::join(text::kEquals, sh::equalsLine(sh::fraction(sh::integer(a), std::move(root))),
                               std::move(quotient));
        return sh::simpleOutput(std::move(problem), std::move(line), std::move(last), context);
    }

    sh::OutputBuilder out;
    if (application) out.add(sh::stepOf(std::move(problem)), text::kThinking);
    bool continued = !application;
    const auto append = [&](std::optional<StepResult> step) {
        if (!step) return;
        out.add(std::move(*step));
        continued = true;
    };
    if (order == sh::kOrderBefore) {
        append(simplifyStep(a, b, c, continued));
        append(simplifyRadicalStep(a, b, c, continued));
        append(clearDenominatorStep(a, b, c, sh::kBefore, continued));
    } else {
        append(simplifyStep(a, b, c, continued));
        append(clearDenominatorStep(a, b, c, sh::kAfter, continued));
        append(simplifyResultRadicalStep(a, b, c));
    }
    if (application) out.add(summaryStep(a, b, c, {}));
    return std::move(out).finish();
}

}  // namespace radixmender
