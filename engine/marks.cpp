#include "engine/marks.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
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

// A run of turned labels as it lies on the device: the transform, the first
// label's start, the device steps of one unit along a label's line and of
// `pitch` (from one label's start to the next along the x axis), and the
// visible bounds widened by how far a label's line (a line height thick, with
// a character's overhang) reaches across its direction. The steps come from
// the transform's linear part alone: taken as differences of far-off device
// points they would lose their digits to rounding. `slack` is how far a start
// found as the first one plus whole steps may lie from where the label is
// drawn, for the rounding of the largest coordinates the run reaches.
struct TurnedOnDevice {
    platform::AffineTransform ctm;
    platform::Point origin, along, pitch;
    platform::Rect reachable;
    double slack = 0;
};

// None when the transform flattens the plane: then no label has any area to show.
std::optional<TurnedOnDevice> turnedOnDevice(const platform::GraphicsContext& context,
                                             const platform::Rect& bounds, platform::Point first,
                                             std::int64_t columns, double pitch, double angle, double height,
                                             double advance) {
    const platform::AffineTransform ctm = context.currentTransform();
    const double determinant = ctm.a * ctm.d - ctm.b * ctm.c;
    if (!(std::abs(determinant) > 0) || !std::isfinite(determinant)) return std::nullopt;
    const auto step = [&ctm](double dx, double dy) {
        return platform::Point{ctm.a * dx + ctm.c * dy, ctm.b * dx + ctm.d * dy};
    };
    const double c = std::cos(angle), s = std::sin(angle);
    const platform::Point across = step(-s, c);
    const double reach = height / 2 + advance;
    const double dx = std::abs(across.x) * reach, dy = std::abs(across.y) * reach;
    const double farthest =
        std::abs(first.x) + std::abs(first.y) + static_cast<double>(columns) * std::abs(pitch);
    const double stretch = std::max(std::abs(ctm.a) + std::abs(ctm.c), std::abs(ctm.b) + std::abs(ctm.d));
    return TurnedOnDevice{
        ctm,
        ctm.apply(first),
        step(c, s),
        step(pitch, 0),
        {bounds.minX() - dx, bounds.minY() - dy, bounds.width() + 2 * dx, bounds.height() + 2 * dy},
        8 * std::numeric_limits<double>::epsilon() *
            (stretch * farthest + std::abs(ctm.tx) + std::abs(ctm.ty) + std::abs(bounds.minX()) +
             std::abs(bounds.minY()) + bounds.width() + bounds.height())};
}

// The characters of a label that can reach the visible bounds: from `skip`
// on, `count` of them (none when `count` is 0).
struct Shown {
    std::size_t skip = 0, count = 0;
};

// Which of the `length` characters, `advance` apart, of the label that starts
// at `start` on the device can reach the visible bounds: its line runs from
// its start along the turned direction, and only the characters from the
// one before the line enters them to the one after it leaves can touch them.
// A label that starts in view keeps its first character.
Shown shownCharacters(const TurnedOnDevice& t, platform::Point start, double advance, std::size_t length) {
    const double lows[2] = {t.reachable.minX(), t.reachable.minY()};
    const double highs[2] = {t.reachable.maxX(), t.reachable.maxY()};
    const double from[2] = {start.x, start.y};
    const double step[2] = {t.along.x, t.along.y};
    double first = -HUGE_VAL, last = HUGE_VAL;
    for (int axis = 0; axis < 2; ++axis) {
        if (step[axis] == 0) {
            if (from[axis] < lows[axis] || from[axis] > highs[axis]) return {};
            continue;
        }
        const double a = (lows[axis] - from[axis]) / step[axis], b = (highs[axis] - from[axis]) / step[axis];
        first = std::max(first, std::min(a, b));
        last = std::min(last, std::max(a, b));
    }
    if (!(first <= last) || last < 0 || !std::isfinite(last)) return {};
    const double whole = static_cast<double>(length);
    const double end = std::ceil(last / advance) + 1;
    const std::size_t count = end < whole ? static_cast<std::size_t>(end) : length;
    const double before = std::floor(first / advance) - 1;
    const std::size_t skip =
        before > 0 ? static_cast<std::size_t>(std::min(before, static_cast<double>(count))) : 0;
    return {skip, count - skip};
}

// The first and last of the run's `columns` labels that can reach the visible
// bounds as shownCharacters reads them (none when the first exceeds the
// last). A label's line runs from its start along the turned direction, so it
// can meet them only if its start lies, across that direction, within their
// extent and, along it, short of their far end; both are bounds on the
// column, widened by the starts' slack and a column to spare. Every column
// outside the range shows nothing.
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
        const double slack = t.slack * (std::abs(direction.x) + std::abs(direction.y));
        double least = HUGE_VAL, most = -HUGE_VAL;
        for (const platform::Point& corner : corners) {
            least = std::min(least, dot(corner) - slack);
            most = std::max(most, dot(corner) + slack);
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
                // Where column c's label starts, as it is drawn.
                const auto startOf = [&](std::int64_t c) {
                    return at({from.x + static_cast<double>(c) * m.pitch, from.y});
                };
                // Characters `skip` on of the label of column c; those before
                // it are zeros past the first character, so the rest is zeros.
                const auto label = [&](std::int64_t c, Shown shown) {
                    platform::Point start = startOf(c);
                    if (shown.skip > 0) {
                        const double along = static_cast<double>(shown.skip) * m.advance;
                        start = {start.x + along * std::cos(m.value), start.y + along * std::sin(m.value)};
                    }
                    const std::string text = shown.skip == 0 ? "1" + std::string(shown.count - 1, '0')
                                                             : std::string(shown.count, '0');
                    drawTurnedText(*context, text, {m.font}, start, m.value, m.height);
                };
                const auto whole = [&](std::int64_t c) { return static_cast<std::size_t>(m.columns - c); };
                if (!*bounds || !(m.advance > 0)) {
                    for (std::int64_t c = 0; c < m.columns; ++c) label(c, {0, whole(c)});
                    break;
                }
                const auto t = turnedOnDevice(*context, **bounds, startOf(0), m.columns, m.pitch, m.value,
                                              m.height, m.advance);
                if (!t) break;
                const auto [firstColumn, lastColumn] = columnsInView(*t, m.columns);
                for (std::int64_t c = firstColumn; c <= lastColumn; ++c)
                    if (const Shown shown =
                            shownCharacters(*t, t->ctm.apply(startOf(c)), m.advance, whole(c));
                        shown.count > 0)
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
