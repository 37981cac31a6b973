// The closing "😎" step of form B: the answer in closed form, from the
// problem's own integers.
#include "models/radixmender_b_internal.hpp"
#include "records/checked.hpp"
#include "records/literals.hpp"

namespace radixmender::form_b {

using namespace shapes;

StepResult summaryStep(Layout layout, std::int64_t a, const Terms& terms, const Record& leadingLines) {
    const auto [k, m] = squareRootParts(terms.radicand);
    const std::int64_t b = leading(layout, terms.whole, terms.coefficient);
    const std::int64_t radicalCoefficient = checkedMul(terms.coefficient, k);
    const std::int64_t g1 = signedGcd(terms.whole, radicalCoefficient, b);
    const std::int64_t d = clearedDenominator(layout, terms.whole, terms.coefficient, terms.radicand);
    const std::int64_t ag1 = checkedMul(a, g1);
    const std::int64_t g2 = signedGcd(ag1, d, d);
    const std::int64_t n = checkedDiv(ag1, g2);
    const std::int64_t e = checkedDiv(d, g2);
    // The conjugate's terms over g1; the one written first (u) is positive.
    std::int64_t wholeC = checkedDiv(terms.whole, g1);
    std::int64_t coefficientC = checkedDiv(radicalCoefficient, g1);
    if (layout == Layout::wholeFirst)
        coefficientC = checkedNeg(coefficientC);
    else
        wholeC = checkedNeg(wholeC);

    Step lines;
    lines.reserve(3);
    if (leadingLines.empty())
        lines.push_back(
            equalsLine(fraction(integer(a), sumShown(layout, terms.whole, terms.coefficient, terms.radicand)),
                       Color::clear));
    else
        lines.push_back(leadingLines);
    lines.push_back(equalsLine(over(multiple(n, sumShown(layout, wholeC, coefficientC, m)), e)));
    if (n != 1) {
        lines.push_back(
            equalsLine(over(sumShown(layout, checkedMul(n, wholeC), checkedMul(n, coefficientC), m), e)));
    }
    return StepResult{std::move(lines), {text::kCool}};
}

}  // namespace radixmender::form_b
