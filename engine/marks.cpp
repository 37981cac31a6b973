#include "engine/marks.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>

#include "engine/text_drawing.hpp"
#include "engine/universal_engine_view.hpp"

namespace radixmender::items {

Paint Paint::named(const std::string& name) {
    Paint paint(platform::UIColor::clear());
    paint.name_ = &name;
    return paint;
}

platform::UIColor Paint::resolve() const {
    if (name_ == nullptr) return colour_;
    const auto c = colorFromRawValue(*name_);
    if (!c) throw std::invalid_argument(kNilMessage);
    return platform::UIColor::from(*c);
}

void Marks::text(std::string text, double x, double y, const platform::UIFont& font, Paint foreground,
                 Paint background) {
    Mark& m = marks_.emplace_back();
    m.text = std::move(text);
    m.points = {{x, y}};
    m.font = font;
    m.foreground = foreground;
    m.background = background;
}

void Marks::rotatedText(std::string text, double x, double y, double angle, const platform::UIFont& font) {
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::rotatedText;
    m.height = textSize(text, font).height;
    m.text = std::move(text);
    m.points = {{x, y}};
    m.font = font;
    m.value = angle;
}

void Marks::placeValues(std::int64_t columns, double x, double pitch, double y, double angle,
                        const platform::UIFont& font, double height, double advance) {
    if (columns < 1) return;
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::placeValues;
    m.columns = columns;
    m.points = {{x, y}};
    m.pitch = pitch;
    m.font = font;
    m.value = angle;
    m.height = height;
    m.advance = advance;
}

namespace {

// A run of turned labels as it lies on the device: the first label's start,
// the device steps of one unit along a label's line and of `pitch` (from one
// label's start to the next along the x axis), and the visible bounds widened
// by how far a label's line (a line height thick, with a character's
// overhang) reaches across its direction. The same for every label of the run.
struct TurnedOnDevice {
    platform::Point origin, along, pitch;
    platform::Rect reachable;
};

TurnedOnDevice turnedOnDevice(const platform::GraphicsContext& context, const platform::Rect& bounds,
                              platform::Point first, double pitch, double angle, double height,
                              double advance) {
    const platform::AffineTransform ctm = context.currentTransform();
    const platform::Point o = ctm.apply(first);
    const auto towards = [&](double dx, double dy) {
        const platform::Point p = ctm.apply({first.x + dx, first.y + dy});
        return platform::Point{p.x - o.x, p.y - o.y};
    };
    const double c = std::cos(angle), s = std::sin(angle);
    const platform::Point across = towards(-s, c);
    const double reach = height / 2 + advance;
    const double dx = std::abs(across.x) * reach, dy = std::abs(across.y) * reach;
    return {o, towards(c, s), towards(pitch, 0),
            {bounds.minX() - dx, bounds.minY() - dy, bounds.width() + 2 * dx, bounds.height() + 2 * dy}};
}

// How many of the characters of label `column` of the run, `advance` apart,
// can reach the visible bounds: its line runs from its start along the turned
// direction; past the last point where it can touch them nothing shows.
std::size_t shownLength(const TurnedOnDevice& t, std::int64_t column, double advance, std::size_t length) {
    const double k = static_cast<double>(column);
    const double lows[2] = {t.reachable.minX(), t.reachable.minY()};
    const double highs[2] = {t.reachable.maxX(), t.reachable.maxY()};
    const double from[2] = {t.origin.x + k * t.pitch.x, t.origin.y + k * t.pitch.y};
    const double step[2] = {t.along.x, t.along.y};
    double first = -HUGE_VAL, last = HUGE_VAL;
    for (int axis = 0; axis < 2; ++axis) {
        if (std::abs(step[axis]) < 1e-12) {
            if (from[axis] < lows[axis] || from[axis] > highs[axis]) return 0;
            continue;
        }
        const double a = (lows[axis] - from[axis]) / step[axis], b = (highs[axis] - from[axis]) / step[axis];
        first = std::max(first, std::min(a, b));
        last = std::min(last, std::max(a, b));
    }
    if (!(first <= last) || last < 0) return 0;
    const double characters = std::ceil(last / advance) + 1;
    return characters < static_cast<double>(length) ? static_cast<std::size_t>(characters) : length;
}

// The first and last of the run's `columns` labels that can reach the visible
// bounds as shownLength reads them (none when the first exceeds the last). A
// label's line runs from its start along the turned direction, so it can meet
// them only if its start lies, across that direction, within their extent
// and, along it, short of their far end; both are bounds on the column, with
// a column to spare for rounding. Every column outside the range shows nothing.
std::pair<std::int64_t, std::int64_t> columnsInView(const TurnedOnDevice& t, std::int64_t columns) {
    const std::int64_t lastColumn = columns - 1;
    const platform::Rect& r = t.reachable;
    const platform::Point corners[4] = {
        {r.minX(), r.minY()}, {r.maxX(), r.minY()}, {r.minX(), r.maxY()}, {r.maxX(), r.maxY()}};
    double low = 0, high = static_cast<double>(lastColumn);
    // The start of column k, projected on `direction`, is a + k·b; it must lie
    // within the corners' projections (or only short of the farthest).
    const auto within = [&](platform::Point direction, bool farEndOnly) {
        const auto dot = [&](platform::Point p) { return p.x * direction.x + p.y * direction.y; };
        const double a = dot(t.origin), b = dot(t.pitch);
        if (b == 0) return;
        double least = HUGE_VAL, most = -HUGE_VAL;
        for (const platform::Point& corner : corners) {
            least = std::min(least, dot(corner));
            most = std::max(most, dot(corner));
        }
        if (farEndOnly) least = -HUGE_VAL;
        const double from = (least - a) / b, to = (most - a) / b;
        if (std::isnan(from) || std::isnan(to)) return;
        low = std::max(low, std::floor(std::min(from, to)) - 1);
        high = std::min(high, std::ceil(std::max(from, to)) + 1);
    };
    within({-t.along.y, t.along.x}, false);
    within(t.along, true);
    if (!(low <= high)) return {0, -1};
    // Both lie within 0 … lastColumn; the last is taken whole where a double cannot hold it.
    const auto column = [&](double k) {
        return k >= static_cast<double>(lastColumn) ? lastColumn : static_cast<std::int64_t>(k);
    };
    return {column(low), column(high)};
}

}  // namespace

void Marks::fill(std::vector<platform::Point> corners, Paint colour) {
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::fill;
    m.points = std::move(corners);
    m.background = colour;
}

void Marks::line(double x1, double y1, double x2, double y2, Paint colour, double width) {
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::line;
    m.points = {{x1, y1}, {x2, y2}};
    m.foreground = colour;
    m.value = width;
}

void Marks::segments(std::vector<platform::Point> ends, double width) {
    if (ends.empty()) return;
    Mark& m = marks_.emplace_back();
    m.kind = Mark::Kind::segments;
    m.points = std::move(ends);
    m.value = width;
}

void Marks::draw(double x, double y) const {
    platform::GraphicsContext* context = platform::currentContext();
    const auto at = [&](platform::Point p) { return platform::Point{p.x + x, p.y + y}; };
    // The context's visible bounds, read at the first label: no mark clips, so they hold for all.
    std::optional<std::optional<platform::Rect>> bounds;
    for (const Mark& m : marks_) {
        switch (m.kind) {
            case Mark::Kind::text: {
                const platform::TextAttributes attributes{m.font, m.foreground.resolve(),
                                                          m.background.resolve()};
                if (context != nullptr) context->drawText(m.text, at(m.points[0]), attributes);
                break;
            }
            case Mark::Kind::rotatedText:
                if (context != nullptr)
                    drawTurnedText(*context, m.text, {m.font}, at(m.points[0]), m.value, m.height);
                break;
            case Mark::Kind::placeValues: {
                if (context == nullptr) break;
                if (!bounds) bounds = context->visibleBounds();
                const platform::Point from = m.points[0];
                const auto label = [&](std::int64_t c, std::size_t length) {
                    const platform::Point start = at({from.x + static_cast<double>(c) * m.pitch, from.y});
                    drawTurnedText(*context, "1" + std::string(length - 1, '0'), {m.font}, start, m.value,
                                   m.height);
                };
                const auto whole = [&](std::int64_t c) { return static_cast<std::size_t>(m.columns - c); };
                if (!*bounds || !(m.advance > 0)) {
                    for (std::int64_t c = 0; c < m.columns; ++c) label(c, whole(c));
                    break;
                }
                const TurnedOnDevice t =
                    turnedOnDevice(*context, **bounds, at(from), m.pitch, m.value, m.height, m.advance);
                const auto [firstColumn, lastColumn] = columnsInView(t, m.columns);
                for (std::int64_t c = firstColumn; c <= lastColumn; ++c)
                    if (const std::size_t shown = shownLength(t, c, m.advance, whole(c)); shown > 0)
                        label(c, shown);
                break;
            }
            case Mark::Kind::fill: {
                const platform::UIColor colour = m.background.resolve();
                if (context == nullptr) break;
                platform::Path path;
                for (const platform::Point p : m.points) path.addLineTo(at(p));
                path.closeSubpath();
                context->addPath(path);
                context->setFillColor(colour);
                context->drawPath(platform::PathDrawingMode::fill);
                break;
            }
            case Mark::Kind::line: {
                const platform::UIColor colour = m.foreground.resolve();
                if (context == nullptr) break;
                const platform::Point a = at(m.points[0]), b = at(m.points[1]);
                drawLine(*context, colour, a.x, a.y, b.x, b.y, m.value);
                break;
            }
            case Mark::Kind::segments: {
                if (context == nullptr) break;
                platform::Path path;
                for (std::size_t i = 0; i + 1 < m.points.size(); i += 2) {
                    path.moveTo(at(m.points[i]));
                    path.addLineTo(at(m.points[i + 1]));
                }
                context->addPath(path);
                context->setStrokeColor(platform::UIColor::black());
                context->setLineWidth(m.value);
                context->drawPath(platform::PathDrawingMode::stroke);
                break;
            }
        }
    }
}

}  // namespace radixmender::items
