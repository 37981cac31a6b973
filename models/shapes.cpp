#include "models/shapes.hpp"

#include <iterator>
#include <stdexcept>
#include <utility>

#include "records/checked.hpp"
#include "records/integers.hpp"

namespace radixmender::shapes {

namespace {

// The tag of every shape, made once: a default argument would build the text
// afresh for each of the many items of a solution.
const std::string& anonTag() {
    static const std::string tag = defaultItemTag;
    return tag;
}

}  // namespace

Record unary(const std::string& text, Record operand, Color color) {
    return makeUnaryRecord(text, std::move(operand), color, anonTag());
}

Record join(const std::string& text, Record left, Record right, Color color) {
    return makeJoinRecord(text, std::move(left), std::move(right), color, anonTag());
}

Record integer(std::int64_t n, Color color) { return makeIntegerRecord(n, color, anonTag()); }

Record radical(std::int64_t r, Color color) {
    return unary(text::kRadical, integer(r, color), color);
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

Record sum(Record first, Record secondMagnitude, std::int64_t secondSign, Color color) {
    return join(signText(secondSign), std::move(first), std::move(secondMagnitude), color);
}

Record bracket(Record x, Color color) { return unary(text::kParens, std::move(x), color); }

Record negation(Record x, Color color) { return unary(text::kHyphenMinus, std::move(x), color); }

Record product(Record left, Record right) {
    return join(text::kPaperclip, std::move(left), std::move(right));
}

Record dot(Record left, Record right, Color color) {
    return join(text::kDot, std::move(left), std::move(right), color);
}

Record fraction(Record numerator, Record denominator, Color barColor) {
    return join(text::kSlash, std::move(numerator), std::move(denominator), barColor);
}

Record over(Record x, std::int64_t n) {
    if (n == 1) return x;
    return fraction(std::move(x), integer(n));
}

Record equalsLine(Record x, Color color) { return unary(text::kEqualsPrefix, std::move(x), color); }

Record firstLine(Record x, bool continued) {
    return equalsLine(std::move(x), continued ? Color::black : Color::clear);
}

Record continuation() { return makeMessageRecord(text::kEllipsis); }

Record message(const std::string& text, Color color) { return makeMessageRecord(text, color); }

Record multiple(std::int64_t n, Record x) {
    if (n == 1) return x;
    if (n == -1) return negation(bracket(std::move(x)));
    if (n < -1) return product(bracket(integer(n)), bracket(std::move(x)));
    return product(integer(n), bracket(std::move(x)));
}

Record coefficientTimes(std::int64_t x, Record k) {
    if (x == 1) return k;
    if (x == -1) return negation(bracket(std::move(k)));
    return product(integer(x), bracket(std::move(k)));
}

Record reducedQuotient(std::int64_t a, std::int64_t n) {
    const bool negative = (a < 0) != (n < 0);
    const std::int64_t absA = checkedAbs(a), absN = checkedAbs(n);
    if (checkedRem(absA, absN) == 0) {
        const std::int64_t q = absA / absN;
        return integer(negative ? -q : q);
    }
    const std::int64_t g = gcd(absA, absN);
    Record q = makeRationalRecord(absA / g, absN / g);
    return negative ? negation(q) : q;
}

SquareRootParts squareRootParts(std::int64_t n) {
    const auto parts = simplifySquareRoot(n);
    if (!parts) throw std::invalid_argument("Unexpectedly found nil while unwrapping an Optional value");
    return *parts;
}

std::int64_t squareTimes(std::int64_t k, std::int64_t m) { return checkedMul(checkedMul(k, k), m); }

std::int64_t signedGcd(std::int64_t x, std::int64_t y, std::int64_t z) {
    const std::int64_t g = gcd(x, y);
    return z > 0 ? g : -g;
}

Record problemLine(Record numerator, Record denominator, const std::string& context) {
    return equalsLine(fraction(std::move(numerator), std::move(denominator)),
                      isApplication(context) ? Color::clear : Color::black);
}

void addDifferenceOfSquaresNote(Step& lines, bool secondPositive) {
    const std::string plus = std::string("p ") + text::kPlus + " q";
    const std::string minus = std::string("p ") + text::kMinusSign + " q";
    const std::string factors =
        secondPositive ? "(" + plus + ")(" + minus + ")" : "(" + minus + ")(" + plus + ")";
    const std::string squared = text::kSuperscripts[2];
    lines.push_back(std::move(makeBlankRecords(1).front()));
    lines.push_back(message(" difference of squares ", Color::red));
    lines.push_back(message(" " + factors + " = p" + squared + " " + text::kMinusSign + " q" + squared + " ",
                            Color::red));
}

// A solution has a handful of steps; room for them up front spares the
// vectors' growth steps.
OutputBuilder::OutputBuilder() {
    output_.detailSteps.reserve(8);
    output_.detailComments.reserve(8);
}

void OutputBuilder::add(Step lines, std::string comment) {
    output_.detailSteps.push_back(std::move(lines));
    output_.detailComments.push_back({std::move(comment)});
}

void OutputBuilder::add(const StepResult& step) {
    output_.detailSteps.push_back(step.lines);
    output_.detailComments.push_back(step.comments);
}

void OutputBuilder::add(StepResult&& step) {
    output_.detailSteps.push_back(std::move(step.lines));
    output_.detailComments.push_back(std::move(step.comments));
}

void OutputBuilder::append(const ModelOutput& other) {
    output_.detailSteps.insert(output_.detailSteps.end(), other.detailSteps.begin(), other.detailSteps.end());
    output_.detailComments.insert(output_.detailComments.end(), other.detailComments.begin(),
                                  other.detailComments.end());
}

void OutputBuilder::append(ModelOutput&& other) {
    output_.detailSteps.insert(output_.detailSteps.end(), std::make_move_iterator(other.detailSteps.begin()),
                               std::make_move_iterator(other.detailSteps.end()));
    output_.detailComments.insert(output_.detailComments.end(),
                                  std::make_move_iterator(other.detailComments.begin()),
                                  std::make_move_iterator(other.detailComments.end()));
}

ModelOutput OutputBuilder::finish() && {
    output_.detailParameters = {kNoParameters};
    return std::move(output_);
}

ModelOutput emptyOutput() { return {{}, {}, {kNoParameters}}; }

ModelOutput errorOutput(Record problem, const std::string& messageText, const std::string& context,
                        bool lastShowsMessage) {
    OutputBuilder out;
    Record m = message(messageText);
    if (isApplication(context)) {
        out.add(stepOf(problem), text::kThinking);
        out.add(stepOf(problem, m), kOops);
        out.add(lastShowsMessage ? stepOf(std::move(problem), std::move(m)) : stepOf(std::move(problem)),
                text::kAstonished);
    } else {
        out.add(stepOf(continuation(), std::move(problem), std::move(m)), kOops);
    }
    return std::move(out).finish();
}

ModelOutput simpleOutput(Record problem, Record line, Record finalLine, const std::string& context) {
    OutputBuilder out;
    if (isApplication(context)) {
        out.add(stepOf(problem), text::kThinking);
        out.add(stepOf(problem, std::move(line)), kSimple);
        out.add(stepOf(std::move(problem), std::move(finalLine)), text::kCool);
    } else {
        out.add(stepOf(continuation(), std::move(problem), std::move(line)), kSimple);
    }
    return std::move(out).finish();
}

}  // namespace radixmender::shapes
