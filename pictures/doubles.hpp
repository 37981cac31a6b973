#pragma once
// Addition facts solved with doubles, drawn as two towers of bricks with a
// caption above and one below:
//   double          n + n
//   double plus 1   n + (n − 1), seen as double (n − 1) plus 1
//   double minus 1  n + (n − 1), seen as double n minus 1
//   make a double   n + (n − 2), made into (n − 1) + (n − 1) by moving a brick
// With `apart` the towers stand two bricks apart under the strategy's title
// and the plain sum; without it they stand together, the brick the strategy
// adds, removes or moves floats a quarter brick above its tower, and the
// captions give the strategy with its numbers and the chain of equalities.
//
// The picture is laid out upright in the area (0, 0, width, height): its
// width is the smaller side. An n below the strategy's least (0, 1, 2 and 2;
// 1 for "double minus 1" with `apart`) or above `kMostBricks` throws
// std::invalid_argument.
#include <array>
#include <cstdint>

#include "platform/graphics_context.hpp"

namespace radixmender {

// The bricks' faces: the left tower shows natureFaces[n mod 8], the right one the next.
inline constexpr std::array<const char*, 8> natureFaces = {
    "\U0001F33F",    // 🌿
    "\u2618\uFE0F",  // ☘️ (with its emoji selector)
    "\U0001F340",    // 🍀
    "\U0001F342",    // 🍂
    "\U0001F341",    // 🍁
    "\U0001F33E",    // 🌾
    "\U0001F344",    // 🍄
    "\U0001F335",    // 🌵
};

// Towers taller than this could not be told apart brick from brick on any
// screen (a brick would be about a point high on the tallest tablet).
inline constexpr std::int64_t kMostBricks = 1000;

void drawDoubleStrategy(platform::GraphicsContext& context, std::int64_t n, bool apart, double width,
                        double height);
void drawDoublePlusOneStrategy(platform::GraphicsContext& context, std::int64_t n, bool apart, double width,
                               double height);
void drawDoubleMinusOneStrategy(platform::GraphicsContext& context, std::int64_t n, bool apart, double width,
                                double height);
void drawMakeADoubleStrategy(platform::GraphicsContext& context, std::int64_t n, bool apart, double width,
                             double height);

}  // namespace radixmender
