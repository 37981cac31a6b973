#include "models/shapes.hpp"

#include <utility>

#include "records/checked.hpp"
#include "records/integers.hpp"

namespace radixmender::shapes {

Record integer(std::int64_t n, Color color) { return makeIntegerRecord(n, color); }

Record radical(std::int64_t r, Color color) {
    return makeUnaryRecord(text::kRadical, makeIntegerRecord(r, color), color);
}

Record term(std::int64_t k, std::int64_t r, Color color) {
    if (k == 1) return radical(r, color);
    if (k == -1) return negation(radical(r, color), color);
    return product(integer(k, color), radical(r, color));
}

Record magnitudeTerm(std::int64_t k, std::int64_t r, Color color) {
    if (k == 1) return radical(r, color);
    return product(integer(k, color), radical(r, color));
}

std::string signText(std::int64_t x) { return x < 0 ? text::kMinusSign : text::kPlus; }

Record sum(const Record& first, const Record& secondMagnitude, std::int64_t secondSign, Color color) {
    return makeJoinRecord(signText(secondSign), first, secondMagnitude, color);
}

Record bracket(const Record& x, Color color) { return makeUnaryRecord(text::kParens, x, color); }

Record negation(const Record& x, Color color) { return makeUnaryRecord(text::kHyphenMinus, x, color); }

Record product(const Record& left, const Record& right) {
    return makeJoinRecord(text::kPaperclip, left, right);
}

Record dot(const Record& left, const Record& right, Color color) {
    return makeJoinRecord(text::kDot, left, right, color);
}

Record fraction(const Record& numerator, const Record& denominator, Color barColor) {
    return makeJoinRecord(text::kSlash, numerator, denominator, barColor);
}

Record over(const Record& x, std::int64_t n) { return n == 1 ? x : fraction(x, integer(n)); }

Record equalsLine(const Record& x, Color color) { return makeEqualsRecord(x, color); }

Record continuation() { return makeMessageRecord(text::kEllipsis); }

Record message(const std::string& text, Color color) { return makeMessageRecord(text, color); }

Record multiple(std::int64_t n, const Record& x) {
    if (n == 1) return x;
    if (n == -1) return negation(bracket(x));
    if (n < -1) return product(bracket(integer(n)), bracket(x));
    return product(integer(n), bracket(x));
}

Record reducedQuotient(std::int64_t a, std::int64_t n) {
    const bool negative = (a < 0) != (n < 0);
    const std::int64_t absA = checkedAbs(a), absN = checkedAbs(n);
    if (absA % absN == 0) {
        const std::int64_t q = absA / absN;
        return integer(negative ? -q : q);
    }
    const std::int64_t g = gcd(absA, absN);
    Record q = makeRationalRecord(absA / g, absN / g);
    return negative ? negation(q) : q;
}

std::int64_t signedGcd(std::int64_t x, std::int64_t y, std::int64_t z) {
    const std::int64_t g = gcd(x, y);
    return z > 0 ? g : -g;
}

Record problemLine(const Record& numerator, const Record& denominator, const std::string& context) {
    return equalsLine(fraction(numerator, denominator), isApplication(context) ? Color::clear : Color::black);
}

void OutputBuilder::add(Step lines, std::string comment) {
    output_.detailSteps.push_back(std::move(lines));
    output_.detailComments.push_back({std::move(comment)});
}

void OutputBuilder::add(const StepResult& step) {
    output_.detailSteps.push_back(step.lines);
    output_.detailComments.push_back(step.comments);
}

void OutputBuilder::append(const ModelOutput& other) {
    output_.detailSteps.insert(output_.detailSteps.end(), other.detailSteps.begin(), other.detailSteps.end());
    output_.detailComments.insert(output_.detailComments.end(), other.detailComments.begin(),
                                  other.detailComments.end());
}

ModelOutput OutputBuilder::finish() && {
    output_.detailParameters = {kNoParameters};
    return std::move(output_);
}

ModelOutput emptyOutput() { return {{}, {}, {kNoParameters}}; }

ModelOutput errorOutput(const Record& problem, const std::string& messageText, const std::string& context,
                        bool lastShowsMessage) {
    OutputBuilder out;
    const Record m = message(messageText);
    if (isApplication(context)) {
        out.add({problem}, text::kThinking);
        out.add({problem, m}, kOops);
        out.add(lastShowsMessage ? Step{problem, m} : Step{problem}, text::kAstonished);
    } else {
        out.add({continuation(), problem, m}, kOops);
    }
    return std::move(out).finish();
}

ModelOutput simpleOutput(const Record& problem, const Record& line, const Record& finalLine,
                         const std::string& context) {
    OutputBuilder out;
    if (isApplication(context)) {
        out.add({problem}, text::kThinking);
        out.add({problem, line}, kSimple);
        out.add({problem, finalLine}, text::kCool);
    } else {
        out.add({continuation(), problem, line}, kSimple);
    }
    return std::move(out).finish();
}

}  // namespace radixmender::shapes
