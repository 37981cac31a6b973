#include "platform/pdf_renderer.hpp"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <utility>

#include "platform/graphics_context.hpp"
#include "platform/gui_application.hpp"

namespace platform {
namespace {

class WriterContext : public PDFRendererContext {
public:
    explicit WriterContext(QPdfWriter& writer) : writer_(writer), painter_(&writer) {
        context_ = makePainterContext(&painter_);
    }
    void beginPage() override {
        // The writer starts on its first page.
        if (pages_++ > 0) writer_.newPage();
    }
    GraphicsContext& graphicsContext() override { return *context_; }
    bool finish() { return painter_.end(); }
    [[nodiscard]] bool active() const { return painter_.isActive(); }

private:
    QPdfWriter& writer_;
    QPainter painter_;
    std::unique_ptr<GraphicsContext> context_;
    int pages_ = 0;
};

}  // namespace

PDFRenderer::PDFRenderer(Size pageSize, PDFDocumentInfo info) : pageSize_(pageSize), info_(std::move(info)) {}

bool PDFRenderer::writePDF(const std::string& path,
                           const std::function<void(PDFRendererContext&)>& actions) const {
    ensureGuiApplication();
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(72);
    writer.setPageSize(
        QPageSize(QSizeF(pageSize_.width, pageSize_.height), QPageSize::Point, QStringLiteral("page")));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QString::fromStdString(info_.title));
    writer.setCreator(QString::fromStdString(info_.creator));
    WriterContext context(writer);
    if (!context.active()) return false;
    {
        const ContextScope scope(&context.graphicsContext());
        actions(context);
    }
    return context.finish();
}

}  // namespace platform
