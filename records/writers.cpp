#include "records/writers.hpp"

#include <stdexcept>
#include <utility>

#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"

namespace radixmender {

namespace {

const char kIndexOutOfRange[] = "Index out of range";
const char kUnwrappedNil[] = "Unexpectedly found nil while unwrapping an Optional value";

Row colourRow(const std::string& kind, std::initializer_list<Color> colors) {
    Row row{kind + "_color"};
    for (Color c : colors) row.push_back(rawValue(c));
    return row;
}

Record rationalRecord(const std::string& kind, Row values, std::initializer_list<Color> colors,
                      const std::string& tag) {
    values.insert(values.begin(), kind);
    return {{"start", "1"}, std::move(values), colourRow(kind, colors), {kind + "_tag", tag}};
}

// The rows whose entries after the keyword are row indices.
bool isLocator(const Row& row) {
    if (row.empty()) return false;
    const std::string& keyword = row[0];
    return keyword == "unary_locator" || keyword == "font_locator" || keyword == "block" ||
           keyword == "join_locator";
}

}  // namespace

const Row& rowAt(const Record& record, std::int64_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= record.size())
        throw std::out_of_range(kIndexOutOfRange);
    return record[static_cast<std::size_t>(index)];
}

const std::string& entryAt(const Row& row, std::size_t index) {
    if (index >= row.size()) throw std::out_of_range(kIndexOutOfRange);
    return row[index];
}

std::int64_t integerEntry(const Row& row, std::size_t index) {
    const auto value = parseInteger(entryAt(row, index));
    if (!value) throw std::invalid_argument(kUnwrappedNil);
    return *value;
}

std::int64_t startIndex(const Record& record) { return integerEntry(rowAt(record, 0), 1); }

Record makeMessageRecord(const std::string& text, Color color, const std::string& tag) {
    return {{"start", "1"}, {"message", text}, colourRow("message", {color}), {"message_tag", tag}};
}

Record makeIntegerRecord(std::int64_t value, Color color, const std::string& tag) {
    return {{"start", "1"},
            {"integer", std::to_string(value)},
            colourRow("integer", {color}),
            {"integer_tag", tag}};
}

Record makeRationalRecord(std::int64_t numerator, std::int64_t denominator, Color color1, Color color2,
                          Color color3, Color color4, const std::string& tag) {
    if (denominator <= 0) {
        numerator = checkedNeg(numerator);
        denominator = checkedNeg(denominator);
    }
    return rationalRecord("rational", {std::to_string(numerator), std::to_string(denominator)},
                          {color1, color2, color3, color4}, tag);
}

Record makeSignedRationalRecord(std::int64_t numerator, std::int64_t denominator, Color color1, Color color2,
                                Color color3, Color color4, const std::string& tag) {
    const bool positive = (numerator >= 0 && denominator >= 0) || (numerator <= 0 && denominator <= 0);
    return rationalRecord("signed_rational",
                          {positive ? text::kPlus : text::kHyphenMinus, std::to_string(checkedAbs(numerator)),
                           std::to_string(checkedAbs(denominator))},
                          {color1, color2, color3, color4}, tag);
}

Record makeReducedRationalRecord(std::int64_t numerator, std::int64_t denominator, bool reduce) {
    if (checkedRem(numerator, denominator) == 0) return makeIntegerRecord(checkedDiv(numerator, denominator));
    if (reduce) {
        const std::int64_t g = gcd(numerator, denominator);
        return makeSignedRationalRecord(numerator / g, denominator / g);
    }
    return makeSignedRationalRecord(numerator, denominator);
}

Record makeUnaryRecord(const std::string& text, const Record& operand, Color color, const std::string& tag) {
    const std::int64_t operandStart = startIndex(operand);
    Record result;
    result.reserve(operand.size() + 4);
    result.push_back({"start", std::to_string(operand.size())});
    result.insert(result.end(), operand.begin() + 1, operand.end());
    result.push_back({"unary", text});
    result.push_back({"unary_locator", std::to_string(operandStart)});
    result.push_back(colourRow("unary", {color}));
    result.push_back({"unary_tag", tag});
    return result;
}

Record makeEqualsRecord(const Record& operand, Color color, const std::string& tag) {
    return makeUnaryRecord(text::kEqualsPrefix, operand, color, tag);
}

Record makeJoinRecord(const std::string& text, const Record& left, const Record& right, Color color,
                      const std::string& tag) {
    const std::int64_t leftStart = startIndex(left);
    const std::int64_t rightStart = startIndex(right);
    const auto shift = static_cast<std::int64_t>(left.size()) - 1;
    Record result;
    result.reserve(left.size() + right.size() + 3);
    result.push_back({"start", std::to_string(shift + static_cast<std::int64_t>(right.size()))});
    result.insert(result.end(), left.begin() + 1, left.end());
    for (std::size_t i = 1; i < right.size(); ++i) result.push_back(shiftLocators(right[i], shift));
    result.push_back({"join", text});
    result.push_back(
        {"join_locator", std::to_string(leftStart), std::to_string(checkedAdd(rightStart, shift))});
    result.push_back(colourRow("join", {color}));
    result.push_back({"join_tag", tag});
    return result;
}

Record makeUnaryRecord(const std::string& text, Record&& operand, Color color, const std::string& tag) {
    const std::int64_t operandStart = startIndex(operand);
    const std::size_t size = operand.size();
    Record result = std::move(operand);
    result.reserve(size + 4);
    result[0] = {"start", std::to_string(size)};
    result.push_back({"unary", text});
    result.push_back({"unary_locator", std::to_string(operandStart)});
    result.push_back(colourRow("unary", {color}));
    result.push_back({"unary_tag", tag});
    return result;
}

Record makeEqualsRecord(Record&& operand, Color color, const std::string& tag) {
    return makeUnaryRecord(text::kEqualsPrefix, std::move(operand), color, tag);
}

Record makeJoinRecord(const std::string& text, Record&& left, Record&& right, Color color,
                      const std::string& tag) {
    if (&left == &right) {
        // One record joined to itself: moving it would empty the other side.
        const Record& same = left;
        return makeJoinRecord(text, same, same, color, tag);
    }
    const std::int64_t leftStart = startIndex(left);
    const std::int64_t rightStart = startIndex(right);
    const auto shift = static_cast<std::int64_t>(left.size()) - 1;
    const std::size_t rightSize = right.size();
    Record result = std::move(left);
    result.reserve(result.size() + rightSize + 3);
    result[0] = {"start", std::to_string(shift + static_cast<std::int64_t>(rightSize))};
    for (std::size_t i = 1; i < rightSize; ++i) {
        Row& row = right[i];
        if (isLocator(row)) row = shiftLocators(row, shift);
        result.push_back(std::move(row));
    }
    result.push_back({"join", text});
    result.push_back(
        {"join_locator", std::to_string(leftStart), std::to_string(checkedAdd(rightStart, shift))});
    result.push_back(colourRow("join", {color}));
    result.push_back({"join_tag", tag});
    return result;
}

std::vector<Record> makeBlankRecords(std::int64_t count) {
    const Record blank{{"start", "1"}, {"BLANK"}};
    return std::vector<Record>(static_cast<std::size_t>(count < 1 ? 1 : count), blank);
}

std::optional<Record> joinRecords(const std::vector<Record>& records) {
    std::optional<Record> running;
    for (const Record& record : records) {
        bool hasEntry = false;
        for (const Row& row : record) hasEntry = hasEntry || !row.empty();
        if (!hasEntry) continue;
        running = running ? makeJoinRecord(text::kPaperclip, std::move(*running), Record(record)) : record;
    }
    return running;
}

std::optional<Record> makeSegmentedMessageRecord(const std::vector<MessageSegment>& segments) {
    std::optional<Record> running;
    for (const auto& [segmentText, color] : segments) {
        if (segmentText.empty()) continue;
        Record message = makeMessageRecord(segmentText, color);
        running = running ? makeJoinRecord(text::kPaperclip, std::move(*running), std::move(message))
                          : std::move(message);
    }
    return running;
}

Row shiftLocators(const Row& row, std::int64_t offset) {
    if (row.empty()) return row;
    const std::string& keyword = row[0];
    if (keyword == "unary_locator" || keyword == "font_locator" || keyword == "block")
        return {keyword, std::to_string(checkedAdd(integerEntry(row, 1), offset))};
    if (keyword == "join_locator")
        return {keyword, std::to_string(checkedAdd(integerEntry(row, 1), offset)),
                std::to_string(checkedAdd(integerEntry(row, 2), offset))};
    return row;
}

}  // namespace radixmender
