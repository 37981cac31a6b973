#pragma once
// Reading the counting pictures back from what a recording context received:
// a ten-frame's cells from its lines, a brick's square from its outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/recording_context.hpp"

namespace radixmender::testing {

inline void expectAt(platform::Point p, platform::Point expected) {
    EXPECT_NEAR(p.x, expected.x, 1e-9);
    EXPECT_NEAR(p.y, expected.y, 1e-9);
}

// The cells of a recorded ten-frame, [column][row] with row 0 at the bottom,
// read off its lines: three vertical and six horizontal ones, each reaching
// across the inside, evenly spaced both ways, so that the cells are two
// columns of five squares of `side`. A line missing, added or out of place
// fails the test and leaves no cells.
struct FrameCells {
    platform::Point corner;  // bottom-left, outside the border's stroke
    double side = 0;
    std::vector<std::vector<platform::Point>> centres;
};

inline FrameCells frameCells(const platform::RecordedOperation& op) {
    using Kind = platform::Path::Element::Kind;
    std::vector<std::pair<platform::Point, platform::Point>> lines;
    std::vector<double> xs, ys;
    platform::Point from;
    for (const auto& element : op.path.elements()) {
        if (element.kind == Kind::lineTo) lines.push_back({from, element.point});
        from = element.point;
    }
    for (const auto& [a, b] : lines) {
        EXPECT_TRUE(a.x == b.x || a.y == b.y) << "a slanting line";
        (a.x == b.x ? xs : ys).push_back(a.x == b.x ? a.x : a.y);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.rbegin(), ys.rend());
    if (xs.size() != 3 || ys.size() != 6) {
        ADD_FAILURE() << xs.size() << " vertical and " << ys.size() << " horizontal lines";
        return {};
    }
    const double half = op.lineWidth / 2, step = xs[1] - xs[0];
    for (const auto& [a, b] : lines) {
        const bool across = a.x == b.x ? std::max(a.y, b.y) >= ys.front() - half - 1e-9 &&
                                             std::min(a.y, b.y) <= ys.back() + half + 1e-9
                                       : std::min(a.x, b.x) <= xs.front() + half + 1e-9 &&
                                             std::max(a.x, b.x) >= xs.back() - half - 1e-9;
        EXPECT_TRUE(across) << "a line short of the border";
    }
    FrameCells cells{{xs.front() - half, ys.front() + half}, step - op.lineWidth, {{}, {}}};
    for (std::size_t c = 0; c < 2; ++c)
        for (std::size_t r = 0; r < 5; ++r) {
            EXPECT_NEAR(xs[c + 1] - xs[c], step, 1e-9);
            EXPECT_NEAR(ys[r] - ys[r + 1], step, 1e-9);
            cells.centres[c].push_back({(xs[c] + xs[c + 1]) / 2, (ys[r] + ys[r + 1]) / 2});
        }
    return cells;
}

// The square of a recorded brick: a closed outline inset by half its width,
// so that the stroke stays inside the square.
inline platform::Rect brickSquare(const platform::RecordedOperation& op) {
    const std::vector<platform::Point> p = op.points();
    EXPECT_TRUE(p.size() == 4 && op.path.elements().back().kind == platform::Path::Element::Kind::closeSubpath);
    if (p.size() != 4) return {};
    const double half = op.lineWidth / 2;
    const platform::Rect square(p[0].x - half, p[2].y - half, p[1].x - p[0].x + op.lineWidth,
                                p[0].y - p[2].y + op.lineWidth);
    const double left = square.minX() + half, right = square.maxX() - half;
    const double bottom = square.maxY() - half, top = square.minY() + half;
    for (const auto& [at, expected] : {std::pair{p[0], platform::Point{left, bottom}},
                                       {p[1], {right, bottom}}, {p[2], {right, top}}, {p[3], {left, top}}})
        expectAt(at, expected);
    EXPECT_NEAR(square.width(), square.height(), 1e-9);
    return square;
}

}  // namespace radixmender::testing
