#pragma once
// Internal to the platform layer: the QPainter behind the context of the
// paint in progress, for views (the PDF view) that draw raster images, which
// the drawing context does not offer. Null outside the window's paints and
// the raster images' drawing.
namespace platform::detail {

void* currentPainter();

class PainterHookScope {
public:
    explicit PainterHookScope(void* qpainter);
    ~PainterHookScope();
    PainterHookScope(const PainterHookScope&) = delete;
    PainterHookScope& operator=(const PainterHookScope&) = delete;

private:
    void* previous_;
};

}  // namespace platform::detail
