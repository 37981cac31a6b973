#pragma once
// A drawing context that draws nothing and logs every primitive, so tests can
// check geometry without fonts, pixels or golden images.
#include <string>
#include <vector>

#include "platform/graphics_context.hpp"

namespace platform {

struct RecordedOperation {
    enum class Kind { text, path };
    Kind kind = Kind::path;

    // Text: the text, the top-left of its line box in user coordinates, its attributes.
    std::string text;
    Point topLeft;
    TextAttributes attributes;

    // Path: in device coordinates, with the mode and the colours and width in force.
    Path path;
    PathDrawingMode mode = PathDrawingMode::stroke;
    CGColor strokeColor;
    CGColor fillColor;
    double lineWidth = 0;

    // The transform in force when the primitive was drawn.
    AffineTransform ctm;

    [[nodiscard]] bool isText() const { return kind == Kind::text; }
    [[nodiscard]] bool isPath() const { return kind == Kind::path; }
    // The points of the path's segments, the corners of its rectangles and the
    // ends of its arcs, in order.
    [[nodiscard]] std::vector<Point> points() const;
    bool operator==(const RecordedOperation&) const = default;
};

class RecordingContext : public GraphicsContext {
public:
    [[nodiscard]] const std::vector<RecordedOperation>& operations() const { return operations_; }
    [[nodiscard]] std::vector<RecordedOperation> texts() const;
    [[nodiscard]] std::vector<RecordedOperation> paths() const;
    void clear() { operations_.clear(); }

protected:
    void renderPath(const Path& devicePath, PathDrawingMode mode, const GraphicsState& state) override;
    void renderText(const std::string& text, Point topLeft, const TextAttributes& attributes,
                    const GraphicsState& state) override;

private:
    std::vector<RecordedOperation> operations_;
};

}  // namespace platform
