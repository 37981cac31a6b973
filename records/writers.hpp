#pragma once
// The record format and its core writers.
//
// Row 0 of a record is ["start", k], k the row of the outermost item. Items
// are stored operands first; an item is its kind row, then (for "unary" and
// "join") a locator row of operand row indices, a colour row and a tag row.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

inline constexpr Color defaultItemColor = Color::black;
inline constexpr const char defaultItemTag[] = "anon";
// The four colours of a rational item when none are given.
inline constexpr std::array<Color, 4> defaultRationalColors = {defaultItemColor, defaultItemColor,
                                                               defaultItemColor, defaultItemColor};

Record makeMessageRecord(const std::string& text, Color color = defaultItemColor,
                         const std::string& tag = defaultItemTag);
Record makeIntegerRecord(std::int64_t value, Color color = defaultItemColor,
                         const std::string& tag = defaultItemTag);

// One item without operands in four rows: ["start", "1"], [kind, values...],
// [kind + "_color", one name per colour], [kind + "_tag", tag].
Record makeLeafRecord(const std::string& kind, Row values, std::initializer_list<Color> colors,
                      const std::string& tag);

// Negates both parts when the denominator is zero or negative; never reduces.
Record makeRationalRecord(std::int64_t numerator, std::int64_t denominator, Color color1 = defaultItemColor,
                          Color color2 = defaultItemColor, Color color3 = defaultItemColor,
                          Color color4 = defaultItemColor, const std::string& tag = defaultItemTag);

// A sign ("+" or "-") and the magnitudes of both parts.
Record makeSignedRationalRecord(std::int64_t numerator, std::int64_t denominator,
                                Color color1 = defaultItemColor, Color color2 = defaultItemColor,
                                Color color3 = defaultItemColor, Color color4 = defaultItemColor,
                                const std::string& tag = defaultItemTag);

// An integer when the denominator divides the numerator, else a signed
// rational, reduced by the gcd when `reduce`. A zero denominator throws.
Record makeReducedRationalRecord(std::int64_t numerator, std::int64_t denominator, bool reduce);

Record makeUnaryRecord(const std::string& text, const Record& operand, Color color = defaultItemColor,
                       const std::string& tag = defaultItemTag);
Record makeEqualsRecord(const Record& operand, Color color = defaultItemColor,
                        const std::string& tag = defaultItemTag);
Record makeJoinRecord(const std::string& text, const Record& left, const Record& right,
                      Color color = defaultItemColor, const std::string& tag = defaultItemTag);

// The same records from operands that are no longer needed: their rows are
// moved into the result instead of copied.
Record makeUnaryRecord(const std::string& text, Record&& operand, Color color = defaultItemColor,
                       const std::string& tag = defaultItemTag);
Record makeEqualsRecord(Record&& operand, Color color = defaultItemColor,
                        const std::string& tag = defaultItemTag);
Record makeJoinRecord(const std::string& text, Record&& left, Record&& right, Color color = defaultItemColor,
                      const std::string& tag = defaultItemTag);

// `count` blank lines; a count below one still gives one.
std::vector<Record> makeBlankRecords(std::int64_t count = 1);

// The records that have a non-empty row, juxtaposed with "🖇" and nested to
// the left; none when no record has one.
std::optional<Record> joinRecords(const std::vector<Record>& records);

using MessageSegment = std::pair<std::string, Color>;
std::optional<Record> makeSegmentedMessageRecord(const std::vector<MessageSegment>& segments);

// Moves the row indices of a locator ("unary_locator", "font_locator",
// "block", "join_locator") by offset; other rows come back unchanged.
Row shiftLocators(const Row& row, std::int64_t offset);

// Reading helpers shared by the readers of every record kind: checked access
// that throws std::out_of_range ("Index out of range") instead of reading
// past a malformed record, and integer fields that must parse.
const Row& rowAt(const Record& record, std::int64_t index);
Row& rowAt(Record& record, std::int64_t index);
const std::string& entryAt(const Row& row, std::size_t index);
std::int64_t integerEntry(const Row& row, std::size_t index);
std::int64_t startIndex(const Record& record);

}  // namespace radixmender
