#include "records/writers.hpp"

#include <charconv>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <utility>

#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/locator_rows.hpp"
#include "records/number_helpers.hpp"
#include "records/text.hpp"

namespace radixmender {

namespace {

const char kIndexOutOfRange[] = "Index out of range";
const char kUnwrappedNil[] = "Unexpectedly found nil while unwrapping an Optional value";

// Appends [kind + "_color", one name per colour].
void addColourRow(Record& record, const std::string& kind, std::initializer_list<Color> colors) {
    Row& row = record.appendRow();
    row.reserve(colors.size() + 1);
    row.emplace_back(kind).append("_color");
    for (Color c : colors) row.push_back(rawValue(c));
}

// Appends a row of two entries, built in place.
template <class Keyword, class Value>
void addPair(Record& record, Keyword&& keyword, Value&& value) {
    Row& row = record.appendRow();
    row.emplace_back(std::forward<Keyword>(keyword));
    row.emplace_back(std::forward<Value>(value));
}

using locators::indexCount;

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

std::int64_t startOf(const Record& record) {
    if (const auto start = record.deferredStart()) return *start;
    return rowIndex(rowAt(record, 0), 1);
}

// Moves the `count` indices of a locator row by offset in the row's own
// storage; the row keeps the keyword and the indices only, as
// `shiftLocators` gives it.
void shiftIndices(Row& row, std::size_t count, std::int64_t offset) {
    const std::int64_t first = checkedAdd(rowIndex(row, 1), offset);
    const std::int64_t second = count == 2 ? checkedAdd(rowIndex(row, 2), offset) : 0;
    row.resize(count + 1);
    row[1] = std::to_string(first);
    if (count == 2) row[2] = std::to_string(second);
}

// Rewrites the "start" row.
void setStart(Record& record, std::size_t index) {
    Row& row = record.rowToChange(0);
    if (row.size() == 2) {
        row[0] = "start";
        row[1] = std::to_string(index);
    } else {
        row = Row{"start", std::to_string(index)};
    }
}

}  // namespace

const Row& rowAt(const Record& record, std::int64_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= record.size())
        throw std::out_of_range(kIndexOutOfRange);
    return record[static_cast<std::size_t>(index)];
}

Row& rowAt(Record& record, std::int64_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= record.size())
        throw std::out_of_range(kIndexOutOfRange);
    return record[static_cast<std::size_t>(index)];
}

Record makeLeafRecord(const std::string& kind, Row values, std::initializer_list<Color> colors,
                      const std::string& tag) {
    if (colors.size() <= Record::kLeafColours)
        return Record::deferredLeaf(kind, std::move(values), colors, tag);
    Record record;
    record.reserve(4);
    addPair(record, "start", "1");
    Row& kindRow = record.appendRow();
    kindRow.reserve(values.size() + 1);
    kindRow.push_back(kind);
    for (std::string& value : values) kindRow.push_back(std::move(value));
    addColourRow(record, kind, colors);
    addPair(record, kind + "_tag", tag);
    return record;
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

namespace {

Record oneValueRecord(std::string_view kind, std::string value, Color color, const std::string& tag) {
    return Record::deferredLeaf(kind, Row(std::in_place, std::move(value)), {color}, tag);
}

}  // namespace

Record makeMessageRecord(const std::string& text, Color color, const std::string& tag) {
    return oneValueRecord("message", text, color, tag);
}

Record makeIntegerRecord(std::int64_t value, Color color, const std::string& tag) {
    return oneValueRecord("integer", std::to_string(value), color, tag);
}

Record makeRationalRecord(std::int64_t numerator, std::int64_t denominator, Color color1, Color color2,
                          Color color3, Color color4, const std::string& tag) {
    if (denominator <= 0) {
        numerator = checkedNeg(numerator);
        denominator = checkedNeg(denominator);
    }
    return makeLeafRecord("rational", {std::to_string(numerator), std::to_string(denominator)},
                          {color1, color2, color3, color4}, tag);
}

Record makeSignedRationalRecord(std::int64_t numerator, std::int64_t denominator, Color color1, Color color2,
                                Color color3, Color color4, const std::string& tag) {
    return makeLeafRecord("signed_rational",
                          {isNonNegativeFraction(numerator, denominator) ? text::kPlus : text::kHyphenMinus,
                           std::to_string(checkedAbs(numerator)), std::to_string(checkedAbs(denominator))},
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
    return makeUnaryRecord(text, Record(operand), color, tag);
}

Record makeEqualsRecord(const Record& operand, Color color, const std::string& tag) {
    return makeUnaryRecord(text::kEqualsPrefix, operand, color, tag);
}

Record makeJoinRecord(const std::string& text, const Record& left, const Record& right, Color color,
                      const std::string& tag) {
    return makeJoinRecord(text, Record(left), Record(right), color, tag);
}

Record makeUnaryRecord(const std::string& text, Record&& operand, Color color, const std::string& tag) {
    // The operand's rows, then the item's four.
    const std::int64_t operandStart = startOf(operand);
    if (operand.canDefer()) return Record::deferredUnary(text, std::move(operand), operandStart, color, tag);
    const std::size_t size = operand.size();
    Record result = std::move(operand);
    result.reserveGrowing(size + 4);
    setStart(result, size);
    addPair(result, "unary", text);
    addPair(result, "unary_locator", std::to_string(operandStart));
    addPair(result, "unary_color", rawValue(color));
    addPair(result, "unary_tag", tag);
    return result;
}

Record makeEqualsRecord(Record&& operand, Color color, const std::string& tag) {
    return makeUnaryRecord(text::kEqualsPrefix, std::move(operand), color, tag);
}

Record makeJoinRecord(const std::string& text, Record&& left, Record&& right, Color color,
                      const std::string& tag) {
    if (&left == &right) {
        // One record joined to itself: moving it would empty the other side.
        return makeJoinRecord(text, Record(left), Record(left), color, tag);
    }
    // The left rows, the right rows but its "start" with their locators
    // moved past the left ones, then the item's four.
    const std::int64_t leftStart = startOf(left);
    const std::int64_t rightStart = startOf(right);
    if (left.canDefer() && right.canDefer())
        return Record::deferredJoin(text, std::move(left), leftStart, std::move(right), rightStart, color,
                                    tag);
    const std::size_t leftSize = left.size(), rightSize = right.size();
    const auto shift = static_cast<std::int64_t>(leftSize) - 1;
    Record result = std::move(left);
    result.reserveGrowing(leftSize + rightSize + 3);
    // Rows another record shares are copied, the others moved.
    const bool moving = !right.isShared();
    for (std::size_t i = 1; i < rightSize; ++i) {
        Row& row = moving ? result.appendRow(std::move(right.rowToChange(i)))
                          : result.appendRow(std::as_const(right)[i]);
        if (const std::size_t count = indexCount(row)) shiftIndices(row, count, shift);
    }
    setStart(result, leftSize - 1 + rightSize);
    addPair(result, "join", text);
    Row& locator = result.appendRow();
    locator.emplace_back("join_locator");
    locator.push_back(std::to_string(leftStart));
    locator.push_back(std::to_string(checkedAdd(rightStart, shift)));
    addPair(result, "join_color", rawValue(color));
    addPair(result, "join_tag", tag);
    return result;
}

std::vector<Record> makeBlankRecords(std::int64_t count) {
    const Record blank{{"start", "1"}, {"BLANK"}};
    return std::vector<Record>(static_cast<std::size_t>(count < 1 ? 1 : count), blank);
}

std::optional<Record> joinRecords(const std::vector<Record>& records) {
    std::optional<Record> running;
    for (const Record& record : records) {
        bool hasEntry = record.deferredStart().has_value();
        for (std::size_t i = 0; i < record.size() && !hasEntry; ++i) hasEntry = !record[i].empty();
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
    Row shifted = row;
    if (const std::size_t count = indexCount(shifted)) shiftIndices(shifted, count, offset);
    return shifted;
}

}  // namespace radixmender
