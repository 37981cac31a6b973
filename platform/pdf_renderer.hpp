#pragma once
// Writing PDF files page by page through a drawing context, like
// UIGraphicsPDFRenderer: the page's context is current while the drawing
// runs, and one point is one PDF unit.
#include <functional>
#include <string>

#include "platform/geometry.hpp"

namespace platform {

class GraphicsContext;

struct PDFDocumentInfo {
    std::string title;
    std::string creator;
};

// What the drawing gets: the pages' context and the means to start a page.
class PDFRendererContext {
public:
    virtual ~PDFRendererContext() = default;
    // Starts the next page; drawing before the first call goes to the first page.
    virtual void beginPage() = 0;
    virtual GraphicsContext& graphicsContext() = 0;
};

class PDFRenderer {
public:
    // `pageSize` in points.
    explicit PDFRenderer(Size pageSize, PDFDocumentInfo info = {});

    // Writes the file drawn by `actions`; false when it could not be written.
    bool writePDF(const std::string& path, const std::function<void(PDFRendererContext&)>& actions) const;

private:
    Size pageSize_;
    PDFDocumentInfo info_;
};

}  // namespace platform
