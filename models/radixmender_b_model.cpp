#include "models/radixmender_b_model.hpp"

#include <utility>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_internal.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"

namespace radixmender {

using namespace shapes;
using form_b::Layout;

namespace {

// A problem with a vanished term is form A's: its output is the answer as it
// comes, with parameters of our own.
ModelOutput handOver(const Radixmender_A_Model& model, const std::string& context) {
    ModelOutput output = model.steps(context);
    output.detailParameters = {kNoParameters};
    return output;
}

// The working of a problem that needs the conjugate, in the order the learner
// chose. The first step that opens the working is continued only outside
// application; every step after one that was shown continues it.
ModelOutput generalPath(Layout layout, std::int64_t a, const form_b::Terms& terms, const std::string& order,
                        Record problem, const std::string& context) {
    OutputBuilder out;
    const bool application = isApplication(context);
    if (application) {
        Step opening;
        opening.push_back(std::move(problem));
        out.add(std::move(opening), text::kThinking);
    }
    bool continued = !application;
    auto append = [&](std::optional<StepResult> step) {
        if (!step) return;
        out.add(std::move(*step));
        continued = true;
    };
    append(form_b::commonFactorStep(layout, a, terms, continued));
    if (order == kOrderBefore) {
        append(form_b::radicalBeforeStep(layout, a, terms, continued));
        append(form_b::conjugateStep(layout, a, terms, kBefore, continued));
        append(form_b::resultStep(layout, a, terms, kBefore));
    } else {
        append(form_b::conjugateStep(layout, a, terms, kAfter, continued));
        append(form_b::resultStep(layout, a, terms, kAfter));
        append(form_b::resultRadicalStep(layout, a, terms));
    }
    if (application) out.add(form_b::summaryStep(layout, a, terms, {}));
    return std::move(out).finish();
}

}  // namespace

ModelOutput Radixmender_B_Model::steps(const std::string& context) const {
    return template_ == kTemplateWholeFirst ? stepsWholeFirst(context) : stepsRadicalFirst(context);
}

// a/(b + c√d)
ModelOutput Radixmender_B_Model::stepsWholeFirst(const std::string& context) const {
    const Color firstColor = isApplication(context) ? Color::clear : Color::black;

    const bool zeroTerms = b == 0 && (c == 0 || d == 0);
    const auto root = exactSquareRoot(d);
    if (zeroTerms || d < 0 || (root && checkedAdd(b, checkedMul(c, *root)) == 0)) {
        Record problem =
            equalsLine(fraction(integer(a), sum(integer(b), product(integer(checkedAbs(c)), radical(d)), c)),
                       firstColor);
        const char* text = d < 0 ? kRootOfNegative : zeroTerms ? kDivisionByZero : kDenominatorZero;
        return errorOutput(std::move(problem), text, context, false);
    }
    if (c == 0 || d == 0) return handOver(Radixmender_A_Model{a, b, 1, order}, context);
    if (b == 0) return handOver(Radixmender_A_Model{a, c, d, order}, context);

    Record radicalPart = d == 1 ? integer(checkedAbs(c)) : magnitudeTerm(checkedAbs(c), d);
    Record problem = problemLine(integer(a), sum(integer(b), std::move(radicalPart), c), context);
    if (a == 0) {
        const Record zero = equalsLine(integer(0));
        return simpleOutput(std::move(problem), zero, zero, context);
    }
    if (d == 1) {
        const Record value = equalsLine(reducedQuotient(a, checkedAdd(b, c)));
        return simpleOutput(std::move(problem), value, value, context);
    }
    if (root) {
        const std::int64_t r = *root;
        const Record evaluated = checkedAbs(c) == 1 ? integer(r) : dot(integer(checkedAbs(c)), integer(r));
        Record quotient = reducedQuotient(a, checkedAdd(b, checkedMul(c, r)));
        Record last = equalsLine(quotient);
        Record line =
            makeJoinRecord(text::kEquals, equalsLine(fraction(integer(a), sum(integer(b), evaluated, c))),
                           std::move(quotient));
        return simpleOutput(std::move(problem), std::move(line), std::move(last), context);
    }
    return generalPath(Layout::wholeFirst, a, form_b::wholeFirstTerms(b, c, d), order, std::move(problem),
                       context);
}

// a/(b√c + d)
ModelOutput Radixmender_B_Model::stepsRadicalFirst(const std::string& context) const {
    const Color firstColor = isApplication(context) ? Color::clear : Color::black;

    const bool zeroTerms = (b == 0 || c == 0) && d == 0;
    const auto root = exactSquareRoot(c);
    if (zeroTerms || c < 0 || (root && checkedAdd(checkedMul(b, *root), d) == 0)) {
        Record problem =
            equalsLine(fraction(integer(a), sum(product(integer(b), radical(c)), integer(checkedAbs(d)), d)),
                       firstColor);
        const char* text = c < 0 ? kRootOfNegative : zeroTerms ? kDivisionByZero : kDenominatorZero;
        return errorOutput(std::move(problem), text, context, false);
    }
    if (b == 0 || c == 0) return handOver(Radixmender_A_Model{a, d, 1, order}, context);
    if (d == 0) return handOver(Radixmender_A_Model{a, b, c, order}, context);

    Record firstTerm = c == 1 ? integer(b) : term(b, c);
    Record problem = problemLine(integer(a), sum(std::move(firstTerm), integer(checkedAbs(d)), d), context);
    if (a == 0) {
        const Record zero = equalsLine(integer(0));
        return simpleOutput(std::move(problem), zero, zero, context);
    }
    if (c == 1) {
        const Record value = equalsLine(reducedQuotient(a, checkedAdd(b, d)));
        return simpleOutput(std::move(problem), value, value, context);
    }
    if (root) {
        const std::int64_t r = *root;
        const Record evaluated = b == 1 ? integer(r) : b == -1 ? integer(-r) : dot(integer(b), integer(r));
        Record quotient = reducedQuotient(a, checkedAdd(checkedMul(b, r), d));
        Record last = equalsLine(quotient);
        Record line = makeJoinRecord(
            text::kEquals, equalsLine(fraction(integer(a), sum(evaluated, integer(checkedAbs(d)), d))),
            std::move(quotient));
        return simpleOutput(std::move(problem), std::move(line), std::move(last), context);
    }
    return generalPath(Layout::radicalFirst, a, form_b::radicalFirstTerms(b, c, d), order, std::move(problem),
                       context);
}

// --- Step builders, a/(b + c√d) ------------------------------------------------

std::optional<StepResult> Radixmender_B_Model::simplifyStepWholeFirst(std::int64_t a, std::int64_t b,
                                                                      std::int64_t c, std::int64_t d,
                                                                      bool continued) {
    return form_b::commonFactorStep(Layout::wholeFirst, a, form_b::wholeFirstTerms(b, c, d), continued);
}

std::optional<StepResult> Radixmender_B_Model::simplifyRadicalStepWholeFirst(std::int64_t a, std::int64_t b,
                                                                             std::int64_t c, std::int64_t d,
                                                                             bool continued) {
    return form_b::radicalBeforeStep(Layout::wholeFirst, a, form_b::wholeFirstTerms(b, c, d), continued);
}

StepResult Radixmender_B_Model::multiplyByConjugateStepWholeFirst(std::int64_t a, std::int64_t b,
                                                                  std::int64_t c, std::int64_t d,
                                                                  const std::string& order, bool continued) {
    return form_b::conjugateStep(Layout::wholeFirst, a, form_b::wholeFirstTerms(b, c, d), order, continued);
}

StepResult Radixmender_B_Model::simplifyResultStepWholeFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                             std::int64_t d, const std::string& order) {
    return form_b::resultStep(Layout::wholeFirst, a, form_b::wholeFirstTerms(b, c, d), order);
}

std::optional<StepResult> Radixmender_B_Model::simplifyResultRadicalStepWholeFirst(std::int64_t a,
                                                                                   std::int64_t b,
                                                                                   std::int64_t c,
                                                                                   std::int64_t d) {
    return form_b::resultRadicalStep(Layout::wholeFirst, a, form_b::wholeFirstTerms(b, c, d));
}

StepResult Radixmender_B_Model::summaryStepWholeFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                      std::int64_t d, const Record& leadingLines) {
    return form_b::summaryStep(Layout::wholeFirst, a, form_b::wholeFirstTerms(b, c, d), leadingLines);
}

// --- Step builders, a/(b√c + d) ------------------------------------------------

std::optional<StepResult> Radixmender_B_Model::simplifyStepRadicalFirst(std::int64_t a, std::int64_t b,
                                                                        std::int64_t c, std::int64_t d,
                                                                        bool continued) {
    return form_b::commonFactorStep(Layout::radicalFirst, a, form_b::radicalFirstTerms(b, c, d), continued);
}

std::optional<StepResult> Radixmender_B_Model::simplifyRadicalStepRadicalFirst(std::int64_t a, std::int64_t b,
                                                                               std::int64_t c, std::int64_t d,
                                                                               bool continued) {
    return form_b::radicalBeforeStep(Layout::radicalFirst, a, form_b::radicalFirstTerms(b, c, d), continued);
}

StepResult Radixmender_B_Model::multiplyByConjugateStepRadicalFirst(std::int64_t a, std::int64_t b,
                                                                    std::int64_t c, std::int64_t d,
                                                                    const std::string& order,
                                                                    bool continued) {
    return form_b::conjugateStep(Layout::radicalFirst, a, form_b::radicalFirstTerms(b, c, d), order,
                                 continued);
}

StepResult Radixmender_B_Model::simplifyResultStepRadicalFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                               std::int64_t d, const std::string& order) {
    return form_b::resultStep(Layout::radicalFirst, a, form_b::radicalFirstTerms(b, c, d), order);
}

std::optional<StepResult> Radixmender_B_Model::simplifyResultRadicalStepRadicalFirst(std::int64_t a,
                                                                                     std::int64_t b,
                                                                                     std::int64_t c,
                                                                                     std::int64_t d) {
    return form_b::resultRadicalStep(Layout::radicalFirst, a, form_b::radicalFirstTerms(b, c, d));
}

StepResult Radixmender_B_Model::summaryStepRadicalFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                        std::int64_t d, const Record& leadingLines) {
    return form_b::summaryStep(Layout::radicalFirst, a, form_b::radicalFirstTerms(b, c, d), leadingLines);
}

}  // namespace radixmender
