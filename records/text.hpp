#pragma once
// Text helpers that count and cut characters as a reader sees them, never
// bytes, and the strict integer parser for entry texts.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radixmender {

// An optional "+" or "-", then one or more decimal digits and nothing else;
// a value outside the 64-bit range is no number.
std::optional<std::int64_t> parseInteger(std::string_view text);

// The user-perceived characters of a UTF-8 text: a code point together with
// the combining marks, variation selectors, skin-tone modifiers and joined
// emoji that follow it. Malformed bytes count as one character each.
std::vector<std::string> characters(std::string_view text);
std::size_t characterCount(std::string_view text);

// The text without its first and its last character ("" when it has fewer than two).
std::string dropFirstAndLastCharacter(std::string_view text);

}  // namespace radixmender
