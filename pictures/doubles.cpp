#include "pictures/doubles.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "pictures/elements.hpp"
#include "records/literals.hpp"

namespace radixmender {

namespace {

using platform::CGColor;

enum class Doubles { twin, plusOne, minusOne, makeADouble };

constexpr double kBrickHeight = 60.0;
constexpr double kBrickEdge = 4.0;
constexpr char kCrossMark[] = "\u274C";  // "❌"

struct Captions {
    std::string top;
    std::string bottom;
};

// Title and short sum apart; the strategy's name and its equation together.
Captions doublesCaptions(Doubles kind, std::int64_t n, bool apart) {
    const std::string a = std::to_string(n), b = std::to_string(n - 1), c = std::to_string(n - 2);
    const std::string sum = a + " + " + b, minusOne = std::string(" ") + text::kMinusSign + " 1";
    switch (kind) {
        case Doubles::twin:
            if (apart) return {"double", a + " + " + a};
            return {"double " + a, a + " + " + a + " = " + std::to_string(2 * n)};
        case Doubles::plusOne:
            if (apart) return {"double plus 1", sum};
            return {"double " + b + " plus 1",
                    sum + " = " + b + " + 1 + " + b + " = " + std::to_string(2 * n - 1)};
        case Doubles::minusOne:
            if (apart) return {"double minus 1", sum};
            return {"double " + a + " minus 1",
                    sum + " = " + a + " + " + a + minusOne + " = " + std::to_string(2 * n - 1)};
        case Doubles::makeADouble:
            if (apart) return {"make a double", a + " + " + c};
            return {a + " + " + c + " = double " + b, a + minusOne + " + " + c + " + 1 = " + b + " + " + b};
    }
    return {};
}

// The least n each strategy can draw: the right tower loses 0, 1, 1 or 2
// bricks, and joined "double minus 1" copies the right tower's top brick.
std::int64_t leastBricks(Doubles kind, bool apart) {
    switch (kind) {
        case Doubles::twin:
            return 0;
        case Doubles::plusOne:
            return 1;
        case Doubles::minusOne:
            return apart ? 1 : 2;
        case Doubles::makeADouble:
            return 2;
    }
    return 0;
}

std::size_t bricksTaken(Doubles kind) {
    return kind == Doubles::twin ? 0 : kind == Doubles::makeADouble ? 2 : 1;
}

void drawDoubles(platform::GraphicsContext& context, Doubles kind, std::int64_t n, bool apart, double width,
                 double height) {
    if (n < leastBricks(kind, apart))
        throw std::invalid_argument("a doubles picture needs n of at least " +
                                    std::to_string(leastBricks(kind, apart)) + ", not " + std::to_string(n));
    if (n > kMostBricks)
        throw std::invalid_argument("a doubles picture holds at most " + std::to_string(kMostBricks) +
                                    " bricks in a tower, not " + std::to_string(n));
    const double w = std::min(width, height), h = std::max(width, height);
    const LabelSize label = doublesLabelSize(n, 0.5, w, h);
    const double s = kBrickHeight * label.scale;

    const Captions captions = doublesCaptions(kind, n, apart);
    drawCaption(context, captions.top, captionAttributes(label.fontSize), w, 0.75 * label.captionHeight);
    // A chain of equalities may be too wide; the plain "double" sum never is shrunk.
    const double bottomSize = kind != Doubles::twin && !apart
                                  ? fittedFontSize(captions.bottom, label.fontSize, 0.95 * w)
                                  : label.fontSize;
    drawCaption(context, captions.bottom, captionAttributes(bottomSize), w, h - 0.75 * label.captionHeight);

    const auto faceIndex = static_cast<std::size_t>(n % 8);
    std::vector<box> left;
    left.reserve(static_cast<std::size_t>(n));
    for (std::int64_t i = 0; i < n; ++i)
        left.push_back({kBrickHeight, kBrickEdge, i % 2 == 0 ? CGColor::white() : CGColor::black(),
                        CGColor::lightGray(), natureFaces[faceIndex], ""});
    std::vector<box> right(left.begin(), left.end() - static_cast<std::ptrdiff_t>(bricksTaken(kind)));
    for (box& brick : right) {
        brick.color = CGColor::lightGray();
        brick.face = natureFaces[(faceIndex + 1) % 8];
    }

    const double bottom = h / 2 + s * static_cast<double>(n) / 2;
    if (apart) {
        drawTower(context, left, w / 2 - 2 * s, bottom, label.scale);
        drawTower(context, right, w / 2 + s, bottom, label.scale);
        return;
    }
    // Together: 4 points apart; a lone brick floats a quarter brick above the tower it belongs to.
    const double leftX = w / 2 - s - 2, rightX = w / 2 + 2;
    const auto above = [&](const std::vector<box>& tower) {
        return bottom - s * (static_cast<double>(tower.size()) + 0.25);
    };
    switch (kind) {
        case Doubles::twin:
            drawTower(context, left, leftX, bottom, label.scale);
            drawTower(context, right, rightX, bottom, label.scale);
            break;
        case Doubles::plusOne: {
            const box taken = left.back();
            left.pop_back();
            drawTower(context, left, leftX, bottom, label.scale);
            drawBrick(context, leftX, above(left), label.scale, taken);
            drawTower(context, right, rightX, bottom, label.scale);
            break;
        }
        case Doubles::minusOne: {
            // The brick that would complete the right tower, crossed out; its
            // edge carries on the alternation of the left tower.
            box crossed = right.back();
            crossed.edgeColor = left.back().edgeColor;
            crossed.faceOver = kCrossMark;
            drawTower(context, left, leftX, bottom, label.scale);
            drawBrick(context, rightX, above(right), label.scale, crossed);
            drawTower(context, right, rightX, bottom, label.scale);
            break;
        }
        case Doubles::makeADouble: {
            const box moved = left.back();
            left.pop_back();
            drawTower(context, left, leftX, bottom, label.scale);
            drawTower(context, right, rightX, bottom, label.scale);
            drawBrick(context, rightX, above(right), label.scale, moved);
            break;
        }
    }
}

}  // namespace

void drawDoubleStrategy(platform::GraphicsContext& context, std::int64_t n, bool apart, double width,
                        double height) {
    drawDoubles(context, Doubles::twin, n, apart, width, height);
}

void drawDoublePlusOneStrategy(platform::GraphicsContext& context, std::int64_t n, bool apart, double width,
                               double height) {
    drawDoubles(context, Doubles::plusOne, n, apart, width, height);
}

void drawDoubleMinusOneStrategy(platform::GraphicsContext& context, std::int64_t n, bool apart, double width,
                                double height) {
    drawDoubles(context, Doubles::minusOne, n, apart, width, height);
}

void drawMakeADoubleStrategy(platform::GraphicsContext& context, std::int64_t n, bool apart, double width,
                             double height) {
    drawDoubles(context, Doubles::makeADouble, n, apart, width, height);
}

}  // namespace radixmender
