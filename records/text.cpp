#include "records/text.hpp"

#include <limits>

namespace radixmender {

std::optional<std::int64_t> parseInteger(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    // Accumulate as a negative number: its range holds the smallest integer too.
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        const int digit = c - '0';
        if (value < (std::numeric_limits<std::int64_t>::min() + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == std::numeric_limits<std::int64_t>::min()) return std::nullopt;
        value = -value;
    }
    return value;
}

namespace {

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

Decoded decode(std::string_view s, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || at + length > s.size()) return {lead, 1};
    char32_t cp = length == 1   ? lead
                  : length == 2 ? (lead & 0x1F)
                  : length == 3 ? (lead & 0x0F)
                                : (lead & 0x07);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return {lead, 1};
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    return {cp, length};
}

bool extendsCluster(char32_t cp) {
    return (cp >= 0x0300 && cp <= 0x036F)        // combining diacritical marks
           || (cp >= 0xFE00 && cp <= 0xFE0F)     // variation selectors
           || (cp >= 0x1F3FB && cp <= 0x1F3FF)   // skin-tone modifiers
           || cp == 0x200D                       // zero-width joiner
           || (cp >= 0x20D0 && cp <= 0x20FF)     // combining marks for symbols
           || (cp >= 0xE0020 && cp <= 0xE007F);  // tag characters
}

}  // namespace

std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> result;
    bool joinNext = false;
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decode(text, i);
        const std::string_view piece = text.substr(i, d.length);
        if (!result.empty() && (joinNext || extendsCluster(d.codePoint)))
            result.back().append(piece);
        else
            result.emplace_back(piece);
        joinNext = d.codePoint == 0x200D;
        i += d.length;
    }
    return result;
}

std::size_t characterCount(std::string_view text) { return characters(text).size(); }

std::string dropFirstAndLastCharacter(std::string_view text) {
    const auto chars = characters(text);
    std::string result;
    for (std::size_t i = 1; i + 1 < chars.size(); ++i) result += chars[i];
    return result;
}

}  // namespace radixmender
