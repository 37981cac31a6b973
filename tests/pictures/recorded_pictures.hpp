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

// The cells of a recorded ten-frame, [column][row] with row 0 at the bottom.
// Its path must be the open border, then one column divider and four row
// dividers, each across the whole inside, the lines evenly spaced in both
// directions: the cells are then two columns of five squares of `side`. A
// line missing, added or out of place fails the test and leaves no cells.
struct FrameCells {
    platform::Point corner;  // bottom-left, outside the border's stroke
    double side = 0;
    std::vector<std::vector<platform::Point>> centres;
};

inline FrameCells frameCells(const platform::RecordedOperation& op) {
    using Kind = platform::Path::Element::Kind;
    std::vector<std::vector<platform::Point>> pieces;  // the points of each piece
    for (const auto& element : op.path.elements()) {
        if (element.kind == Kind::moveTo) pieces.emplace_back();
        if ((element.kind == Kind::moveTo || element.kind == Kind::lineTo) && !pieces.empty())
            pieces.back().push_back(element.point);
    }
    EXPECT_EQ(op.path.elements().back().kind, Kind::closeSubpath);
    if (pieces.size() != 6 || pieces[0].size() != 5) {
        ADD_FAILURE() << "a frame of " << pieces.size() << " pieces";
        return {};
    }
    // The border's stroke centres: its bottom side starts where its left side's stroke ends.
    const double half = op.lineWidth / 2;
    const auto& border = pieces[0];
    const double left = border[3].x, right = border[1].x, bottom = border[0].y, top = border[2].y;
    expectAt(border[0], {left + half, bottom});
    expectAt(border[1], {right, bottom});
    expectAt(border[2], {right, top});
    expectAt(border[3], {left, top});
    expectAt(border[4], {left, bottom + half});
    std::vector<double> xs{left, right}, ys{bottom, top};
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        if (pieces[i].size() != 2) {
            ADD_FAILURE() << "a divider of " << pieces[i].size() << " points";
            return {};
        }
        const platform::Point a = pieces[i][0], b = pieces[i][1];
        if (a.x == b.x) {
            expectAt(a, {a.x, bottom - half});
            expectAt(b, {a.x, top + half});
            xs.push_back(a.x);
        } else {
            expectAt(a, {left + half, a.y});
            expectAt(b, {right - half, a.y});
            ys.push_back(a.y);
        }
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.rbegin(), ys.rend());
    if (xs.size() != 3 || ys.size() != 6) {
        ADD_FAILURE() << xs.size() - 1 << " columns and " << ys.size() - 1 << " rows";
        return {};
    }
    const double step = xs[1] - xs[0];
    FrameCells cells{{left - half, bottom + half}, step - op.lineWidth, {}};
    for (std::size_t c = 0; c + 1 < xs.size(); ++c) {
        EXPECT_NEAR(xs[c + 1] - xs[c], step, 1e-9);
        cells.centres.emplace_back();
        for (std::size_t r = 0; r + 1 < ys.size(); ++r) {
            EXPECT_NEAR(ys[r] - ys[r + 1], step, 1e-9);
            cells.centres[c].push_back({(xs[c] + xs[c + 1]) / 2, (ys[r] + ys[r + 1]) / 2});
        }
    }
    return cells;
}

// The square of a recorded brick: a closed outline of four corners inset by
// half the line width, so that the stroke stays inside the square.
inline platform::Rect brickSquare(const platform::RecordedOperation& op) {
    const std::vector<platform::Point> p = op.points();
    EXPECT_EQ(op.path.elements().back().kind, platform::Path::Element::Kind::closeSubpath);
    if (p.size() != 4) {
        ADD_FAILURE() << "a brick of " << p.size() << " corners";
        return {};
    }
    const double half = op.lineWidth / 2;
    const platform::Rect square(p[3].x - half, p[3].y - half, p[1].x - p[0].x + op.lineWidth,
                                p[0].y - p[3].y + op.lineWidth);
    expectAt(p[0], {square.minX() + half, square.maxY() - half});
    expectAt(p[1], {square.maxX() - half, square.maxY() - half});
    expectAt(p[2], {square.maxX() - half, square.minY() + half});
    EXPECT_NEAR(square.width(), square.height(), 1e-9);
    return square;
}

}  // namespace radixmender::testing
