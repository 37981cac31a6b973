#pragma once
// Which colour goes where: a writer called with a different colour for each
// of its colour arguments, thirteen times over with the colours rotated, so
// that every argument meets every colour (black and the clear ones too) and
// no two arguments share one.
//
//     expectColourSlots({
//         {[](const Colours& c) { return makeFractionRecord(3, 4, c[0], c[1], "t"); },
//          "fraction(3, 4){$1,$2}#t"},
//     });
//
// A pattern is the record as `describeRecord` writes it, with $1, $2, ...
// standing for the names of c[0], c[1], ...
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "records/types.hpp"
#include "records/vocabulary.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender::testing {

using Colours = std::array<Color, kColorCount>;

// Turn `turn` gives argument k the colour (k + turn) mod 13.
inline Colours rotatedColours(int turn) {
    Colours c{};
    for (int k = 0; k < kColorCount; ++k) c[std::size_t(k)] = static_cast<Color>((k + turn) % kColorCount);
    return c;
}

// The pattern with the colours' names in place; an item all in black is
// written without its colours, as `describeRecord` writes it.
inline std::string withColours(std::string pattern, const Colours& c) {
    for (int k = kColorCount; k >= 1; --k) {  // $12 before $1
        const std::string slot = "$" + std::to_string(k);
        for (std::size_t at; (at = pattern.find(slot)) != std::string::npos;)
            pattern.replace(at, slot.size(), rawValue(c[std::size_t(k - 1)]));
    }
    for (std::string black = "{black}"; black.size() < 80; black.insert(1, "black,"))
        for (std::size_t at; (at = pattern.find(black)) != std::string::npos;)
            pattern.erase(at, black.size());
    return pattern;
}

using ColouredWriter = std::function<Record(const Colours&)>;

inline void expectColourSlots(const std::vector<std::pair<ColouredWriter, std::string>>& cases) {
    for (int turn = 0; turn < kColorCount; ++turn) {
        const Colours c = rotatedColours(turn);
        for (const auto& [write, pattern] : cases)
            EXPECT_EQ(describeRecord(write(c)), withColours(pattern, c)) << pattern << "  turn " << turn;
    }
}

}  // namespace radixmender::testing
