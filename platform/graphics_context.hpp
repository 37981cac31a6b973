#pragma once
// A drawing context shaped after Core Graphics: a current path built from
// sub-paths, stroke and fill colours, a line width, a current transform (CTM)
// and a stack of saved states. Text is drawn with the top-left corner of its
// line box at the given point, as UIKit's drawAtPoint does.
//
// Defaults are Core Graphics': butt caps, miter joins, non-zero winding fill,
// line width 1, black stroke and fill, identity transform, antialiasing on.
//
// Back ends (the QPainter one, the recording one) implement the three
// rendering primitives; the state and the path live here.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/color.hpp"
#include "platform/font.hpp"
#include "platform/geometry.hpp"

namespace platform {

// Drawing modes, with Core Graphics' numbering (fillStroke is 3).
enum class PathDrawingMode {
    fill = 0,
    eoFill = 1,
    stroke = 2,
    fillStroke = 3,
    eoFillStroke = 4,
};

// A path value: sub-paths of straight segments and circular arcs, plus rectangles.
class Path {
public:
    struct Element {
        enum class Kind { moveTo, lineTo, closeSubpath, rect, arc };
        Kind kind = Kind::moveTo;
        Point point;  // moveTo, lineTo; an arc's centre
        Rect rect;    // rect
        // arc: angles in radians from the x axis towards the y axis (clockwise on
        // screen); a positive sweep runs clockwise.
        double radius = 0, startAngle = 0, sweep = 0;
        bool operator==(const Element&) const = default;
    };

    void moveTo(Point p) { elements_.push_back({Element::Kind::moveTo, p, {}}); }
    // A line from the current point; without one it starts a sub-path at p.
    void addLineTo(Point p);
    // An arc of a circle, as UIBezierPath's arc: from `startAngle` to `endAngle`
    // the clockwise or the counter-clockwise way round (a difference of a whole
    // turn or more is a full circle). With a current point a line joins it to the
    // arc's start; without one the arc starts a sub-path. A negative radius is 0.
    void addArc(Point centre, double radius, double startAngle, double endAngle, bool clockwise);
    void closeSubpath();
    void addRect(Rect r) { elements_.push_back({Element::Kind::rect, {}, r}); }
    void addPath(const Path& other);

    // Where an arc element begins and ends.
    [[nodiscard]] static Point arcStart(const Element& arc);
    [[nodiscard]] static Point arcEnd(const Element& arc);

    [[nodiscard]] bool isEmpty() const { return elements_.empty(); }
    [[nodiscard]] const std::vector<Element>& elements() const { return elements_; }
    // Every element mapped through `t`.
    [[nodiscard]] Path applying(const AffineTransform& t) const;
    bool operator==(const Path&) const = default;

private:
    [[nodiscard]] bool hasCurrentPoint() const;
    std::vector<Element> elements_;
};

// The part of the state that rendering reads.
struct GraphicsState {
    AffineTransform ctm;
    CGColor strokeColor = CGColor::black();
    CGColor fillColor = CGColor::black();
    double lineWidth = 1.0;
};

class GraphicsContext {
public:
    GraphicsContext() = default;
    virtual ~GraphicsContext() = default;
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;

    // The current path, in user coordinates at the time each point is added
    // (Core Graphics keeps it in device space: a later CTM change does not move it).
    void beginPath() { path_ = Path(); }
    void moveTo(Point p) { path_.moveTo(state_.ctm.apply(p)); }
    void addLineTo(Point p) { path_.addLineTo(state_.ctm.apply(p)); }
    void closePath() { path_.closeSubpath(); }
    void addRect(Rect r);
    void addPath(const Path& path) { path_.addPath(path.applying(state_.ctm)); }
    [[nodiscard]] bool isPathEmpty() const { return path_.isEmpty(); }

    void setStrokeColor(CGColor c) { state_.strokeColor = c; }
    void setFillColor(CGColor c) { state_.fillColor = c; }
    void setLineWidth(double w) { state_.lineWidth = w; }

    // Draws and clears the current path.
    void drawPath(PathDrawingMode mode);
    void strokePath() { drawPath(PathDrawingMode::stroke); }
    void fillPath() { drawPath(PathDrawingMode::fill); }
    // Fills or strokes a rectangle without touching the current path.
    void fillRect(Rect r);
    void strokeRect(Rect r);

    void concatCTM(const AffineTransform& t) { state_.ctm = t.concatenating(state_.ctm); }
    void translateBy(double dx, double dy) { concatCTM(AffineTransform::translation(dx, dy)); }
    void rotateBy(double radians) { concatCTM(AffineTransform::rotation(radians)); }
    [[nodiscard]] AffineTransform currentTransform() const { return state_.ctm; }

    void saveGState() { saved_.push_back(state_); }
    // Restoring with nothing saved does nothing.
    void restoreGState();

    // A one-line text with the top-left of its line box at `topLeft` (user
    // coordinates); a non-clear background fills the text's box first.
    void drawText(const std::string& text, Point topLeft, const TextAttributes& attributes);

    // The part of the canvas that can show anything, in the coordinates the
    // context started with (user coordinates under the identity CTM); none
    // when the context has no bounds (as the recording one).
    [[nodiscard]] virtual std::optional<Rect> visibleBounds() const { return std::nullopt; }

protected:
    // `devicePath` is in device space (already mapped by the CTM in force when it was built).
    virtual void renderPath(const Path& devicePath, PathDrawingMode mode, const GraphicsState& state) = 0;
    virtual void renderText(const std::string& text, Point topLeft, const TextAttributes& attributes,
                            const GraphicsState& state) = 0;

private:
    GraphicsState state_;
    std::vector<GraphicsState> saved_;
    Path path_;
};

// The context that drawing code draws into, or none (like UIGraphicsGetCurrentContext).
GraphicsContext* currentContext();

// Makes a context current for its lifetime, then restores the one before.
class ContextScope {
public:
    explicit ContextScope(GraphicsContext* context);
    ~ContextScope();
    ContextScope(const ContextScope&) = delete;
    ContextScope& operator=(const ContextScope&) = delete;

private:
    GraphicsContext* previous_;
};

// A context that draws with a QPainter. `qpainter` must point to an active
// QPainter that outlives the context; the painter's transform at creation
// becomes the base of the CTM, so user coordinates are the painter's.
// Text is sized for the painter's device, one point per logical pixel.
std::unique_ptr<GraphicsContext> makePainterContext(void* qpainter);
// The QPainter behind a context made by makePainterContext, null behind any
// other: for views (the PDF view) that draw raster images, which the context
// does not offer.
void* painterOf(const GraphicsContext& context);

}  // namespace platform
