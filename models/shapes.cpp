#include "models/shapes.hpp"

#include <charconv>
#include <system_error>
#include <utility>

#include "records/checked.hpp"
#include "records/integers.hpp"

namespace radixmender::shapes {

namespace {

// Row indices are written by the writers, so the quick decimal reading
// almost always applies; anything else goes through the strict reader.
std::int64_t rowIndex(const Row& row, std::size_t i) {
    if (i < row.size()) {
        const std::string& s = row[i];
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
        if (error == std::errc() && end == s.data() + s.size() && !s.empty() && s[0] != '-') return value;
    }
    return integerEntry(row, i);
}

std::int64_t startOf(const Record& record) { return rowIndex(rowAt(record, 0), 1); }

const std::string kUnaryLocator = "unary_locator";
const std::string kJoinLocator = "join_locator";
const std::string kFontLocator = "font_locator";
const std::string kBlock = "block";

}  // namespace

Record unary(const std::string& text, Record operand, Color color) {
    // The same rows as makeUnaryRecord: the operand's rows, then the item's four.
    const std::int64_t operandStart = startOf(operand);
    const std::size_t size = operand.size();
    Record result = std::move(operand);
    result.reserve(size + 4);
    result[0] = {"start", std::to_string(size)};
    result.push_back({"unary", text});
    result.push_back({"unary_locator", std::to_string(operandStart)});
    result.push_back({"unary_color", rawValue(color)});
    result.push_back({"unary_tag", defaultItemTag});
    return result;
}

Record join(const std::string& text, Record left, Record right, Color color) {
    // The same rows as makeJoinRecord: the left rows, the right rows with their
    // locators moved past the left ones, then the item's four.
    const std::int64_t leftStart = startOf(left);
    const std::int64_t rightStart = startOf(right);
    const auto shift = static_cast<std::int64_t>(left.size()) - 1;
    Record result = std::move(left);
    result.reserve(result.size() + right.size() + 3);
    result[0] = {"start", std::to_string(shift + static_cast<std::int64_t>(right.size()))};
    for (std::size_t i = 1; i < right.size(); ++i) {
        Row& row = right[i];
        if (!row.empty() && (row[0] == kUnaryLocator || row[0] == kJoinLocator)) {
            for (std::size_t j = 1; j < row.size(); ++j)
                row[j] = std::to_string(checkedAdd(rowIndex(row, j), shift));
        } else if (!row.empty() && (row[0] == kFontLocator || row[0] == kBlock)) {
            row = shiftLocators(row, shift);
        }
        result.push_back(std::move(row));
    }
    // The right operand's "start" row has no place in the result; its storage
    // becomes the join's kind row.
    Row& kindRow = right[0];
    kindRow.assign({"join", text});
    result.push_back(std::move(kindRow));
    result.push_back(
        {"join_locator", std::to_string(leftStart), std::to_string(checkedAdd(rightStart, shift))});
    result.push_back({"join_color", rawValue(color)});
    result.push_back({"join_tag", defaultItemTag});
    return result;
}

Record integer(std::int64_t n, Color color) {
    // The rows of makeIntegerRecord, with room for the item it will be joined to.
    Record result;
    result.reserve(8);
    result.push_back({"start", "1"});
    result.push_back({"integer", std::to_string(n)});
    result.push_back({"integer_color", rawValue(color)});
    result.push_back({"integer_tag", defaultItemTag});
    return result;
}

Record radical(std::int64_t r, Color color) {
    return unary(text::kRadical, makeIntegerRecord(r, color), color);
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

Record continuation() { return makeMessageRecord(text::kEllipsis); }

Record message(const std::string& text, Color color) { return makeMessageRecord(text, color); }

Record multiple(std::int64_t n, Record x) {
    if (n == 1) return x;
    if (n == -1) return negation(bracket(std::move(x)));
    if (n < -1) return product(bracket(integer(n)), bracket(std::move(x)));
    return product(integer(n), bracket(std::move(x)));
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

Record problemLine(Record numerator, Record denominator, const std::string& context) {
    return equalsLine(fraction(std::move(numerator), std::move(denominator)),
                      isApplication(context) ? Color::clear : Color::black);
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

ModelOutput OutputBuilder::finish() && {
    output_.detailParameters = {kNoParameters};
    return std::move(output_);
}

ModelOutput emptyOutput() { return {{}, {}, {kNoParameters}}; }

ModelOutput errorOutput(const Record& problem, const std::string& messageText, const std::string& context,
                        bool lastShowsMessage) {
    OutputBuilder out;
    Record m = message(messageText);
    if (isApplication(context)) {
        out.add(stepOf(problem), text::kThinking);
        out.add(stepOf(problem, m), kOops);
        out.add(lastShowsMessage ? stepOf(problem, std::move(m)) : stepOf(problem), text::kAstonished);
    } else {
        out.add(stepOf(continuation(), problem, std::move(m)), kOops);
    }
    return std::move(out).finish();
}

ModelOutput simpleOutput(const Record& problem, const Record& line, const Record& finalLine,
                         const std::string& context) {
    OutputBuilder out;
    if (isApplication(context)) {
        out.add(stepOf(problem), text::kThinking);
        out.add(stepOf(problem, line), kSimple);
        out.add(stepOf(problem, finalLine), text::kCool);
    } else {
        out.add(stepOf(continuation(), problem, line), kSimple);
    }
    return std::move(out).finish();
}

}  // namespace radixmender::shapes
