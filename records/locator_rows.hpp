#pragma once
// The rows of a record that hold row indices, shared by the record storage
// (which writes deferred items out) and the writers (which join records).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/row.hpp"

namespace radixmender::locators {

inline constexpr std::string_view kUnaryLocator = "unary_locator";
inline constexpr std::string_view kJoinLocator = "join_locator";
inline constexpr std::string_view kFontLocator = "font_locator";
inline constexpr std::string_view kBlock = "block";

// How many row indices follow the keyword of a locator row ("unary_locator",
// "font_locator", "block": 1; "join_locator": 2); 0 for other rows.
inline std::size_t indexCount(const Row& row) {
    if (row.empty()) return 0;
    const std::string_view keyword = row[0];
    if (keyword == kUnaryLocator) return 1;
    if (keyword == kJoinLocator) return 2;
    return keyword == kFontLocator || keyword == kBlock ? 1 : 0;
}

// The largest index a row written as the writers write it holds; far beyond
// any record, and far enough from the 64-bit limit that no shift overflows.
inline constexpr std::int64_t kLargestIndex = std::int64_t{1} << 40;

// The value of an index written in the writers' own form: decimal digits
// without a sign or a leading zero, at most kLargestIndex; -1 otherwise.
inline std::int64_t canonicalIndex(const std::string& text) {
    if (text.empty() || text.size() > 13 || (text[0] == '0' && text.size() > 1)) return -1;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value <= kLargestIndex ? value : -1;
}

}  // namespace radixmender::locators
