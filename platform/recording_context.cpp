#include "platform/recording_context.hpp"

namespace platform {

std::vector<Point> RecordedOperation::points() const {
    std::vector<Point> result;
    for (const Path::Element& e : path.elements()) {
        switch (e.kind) {
            case Path::Element::Kind::moveTo:
            case Path::Element::Kind::lineTo:
                result.push_back(e.point);
                break;
            case Path::Element::Kind::closeSubpath:
                break;
            case Path::Element::Kind::rect:
                result.push_back(e.rect.origin);
                result.push_back({e.rect.maxX(), e.rect.maxY()});
                break;
            case Path::Element::Kind::arc:
                result.push_back(Path::arcStart(e));
                result.push_back(Path::arcEnd(e));
                break;
        }
    }
    return result;
}

std::vector<RecordedOperation> RecordingContext::texts() const {
    std::vector<RecordedOperation> result;
    for (const auto& op : operations_)
        if (op.isText()) result.push_back(op);
    return result;
}

std::vector<RecordedOperation> RecordingContext::paths() const {
    std::vector<RecordedOperation> result;
    for (const auto& op : operations_)
        if (op.isPath()) result.push_back(op);
    return result;
}

void RecordingContext::renderPath(const Path& devicePath, PathDrawingMode mode, const GraphicsState& state) {
    RecordedOperation op;
    op.kind = RecordedOperation::Kind::path;
    op.path = devicePath;
    op.mode = mode;
    op.strokeColor = state.strokeColor;
    op.fillColor = state.fillColor;
    op.lineWidth = state.lineWidth;
    op.ctm = state.ctm;
    operations_.push_back(std::move(op));
}

void RecordingContext::renderText(const std::string& text, Point topLeft, const TextAttributes& attributes,
                                  const GraphicsState& state) {
    RecordedOperation op;
    op.kind = RecordedOperation::Kind::text;
    op.text = text;
    op.topLeft = topLeft;
    op.attributes = attributes;
    op.ctm = state.ctm;
    operations_.push_back(std::move(op));
}

}  // namespace platform
