#include "platform/pdf_view.hpp"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/graphics_context.hpp"
#include "platform/gui_application.hpp"

namespace platform {

struct PDFDocument::Impl {
    QPdfDocument document;
};

PDFDocument::PDFDocument() : impl_(std::make_unique<Impl>()) {}
PDFDocument::~PDFDocument() = default;

namespace {
// A PDF starts with "%PDF-" and ends with "%%EOF" (give or take trailing
// bytes). Anything else is refused before the PDF library sees it, which
// keeps stray files cheap to reject (the library also keeps memory behind
// after a failed load).
bool looksLikePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    if (size < 16 || !file.read(1024).contains("%PDF-")) return false;
    file.seek(std::max<qint64>(0, size - 1024));
    return file.read(1024).contains("%%EOF");
}
}  // namespace

std::shared_ptr<PDFDocument> PDFDocument::open(const std::string& url) {
    ensureGuiApplication();
    const QString path = QString::fromStdString(url);
    if (!QFile::exists(path) || !looksLikePdf(path)) return nullptr;
    std::shared_ptr<PDFDocument> document(new PDFDocument);
    // Loading a file is synchronous; anything but a readable document fails.
    if (document->impl_->document.load(path) != QPdfDocument::Error::None) return nullptr;
    if (document->impl_->document.status() != QPdfDocument::Status::Ready) return nullptr;
    if (document->impl_->document.pageCount() <= 0) return nullptr;
    return document;
}

int PDFDocument::pageCount() const { return impl_->document.pageCount(); }

std::optional<PDFPage> PDFDocument::page(int at) const {
    if (at < 0 || at >= pageCount()) return std::nullopt;
    const QSizeF size = impl_->document.pagePointSize(at);
    return PDFPage{this, at, {size.width(), size.height()}};
}

struct PDFView::Cache {
    int page = -1;
    QSize pixels;
    QImage image;
};

PDFView::PDFView() : cache_(std::make_unique<Cache>()) {}
PDFView::~PDFView() = default;

void PDFView::usePageViewController(bool enable, const void* /*withViewOptions*/) {
    usesPageViewController_ = enable;
}

bool PDFView::turnPage(int by) {
    if (!usesPageViewController_ || !document_) return false;
    if (document_->pageCount() < 1) return true;
    const int page = std::clamp(current_ + by, 0, document_->pageCount() - 1);
    if (page != current_) {
        current_ = page;
        setNeedsDisplay();
    }
    return true;
}

void PDFView::touchesBegan(const std::vector<Touch>& touches) {
    dragStart_.reset();
    if (!touches.empty()) dragStart_ = touches.front().windowLocation;
}

void PDFView::touchesEnded(const std::vector<Touch>& touches) {
    const auto start = std::exchange(dragStart_, std::nullopt);
    if (!start || touches.empty()) return;
    const Point end = touches.front().windowLocation;
    const double along =
        displayDirection == PDFDisplayDirection::horizontal ? end.x - start->x : end.y - start->y;
    // The page follows the finger: dragging it towards the start brings the next one.
    if (along <= -kPageTurnDistance) turnPage(1);
    if (along >= kPageTurnDistance) turnPage(-1);
}

bool PDFView::scrollWheel(Point notches) {
    if (!usesPageViewController_ || !document_) return false;
    const double turn = notches.x + notches.y;
    if (std::isfinite(turn)) wheelNotches_ += turn;
    // A page per whole notch, never more than the document holds.
    const double pages =
        std::min(std::fabs(std::trunc(wheelNotches_)), static_cast<double>(document_->pageCount()));
    const int by = static_cast<int>(pages) * (wheelNotches_ < 0 ? -1 : 1);
    wheelNotches_ = by == 0 ? wheelNotches_ : 0;
    return turnPage(by);
}

bool PDFView::keyPressed(KeyboardKey key) {
    switch (key) {
        case KeyboardKey::rightArrow:
        case KeyboardKey::downArrow:
        case KeyboardKey::pageDown:
            return turnPage(1);
        case KeyboardKey::leftArrow:
        case KeyboardKey::upArrow:
        case KeyboardKey::pageUp:
            return turnPage(-1);
        case KeyboardKey::other:
            break;
    }
    return false;
}

void PDFView::setDocument(std::shared_ptr<PDFDocument> document) {
    document_ = std::move(document);
    current_ = 0;
    cache_->page = -1;
    setNeedsDisplay();
}

void PDFView::go(const PDFPage& page) {
    if (!document_ || page.document != document_.get() || page.index < 0 ||
        page.index >= document_->pageCount()) {
        return;
    }
    current_ = page.index;
    setNeedsDisplay();
}

std::optional<int> PDFView::currentPageIndex() const {
    if (!document_) return std::nullopt;
    return current_;
}

std::optional<Rect> PDFView::pageRect() const {
    if (!document_) return std::nullopt;
    const auto page = document_->page(current_);
    if (!page || page->size.width <= 0 || page->size.height <= 0) return std::nullopt;
    const Rect b = bounds();
    double scale = 1;
    if (autoScales) scale = std::min(b.width() / page->size.width, b.height() / page->size.height);
    const double w = page->size.width * scale, h = page->size.height * scale;
    return Rect{(b.width() - w) / 2, autoScales ? (b.height() - h) / 2 : 0, w, h};
}

void PDFView::draw(Rect) {
    auto* context = currentContext();
    const auto rect = pageRect();
    if (context == nullptr || !rect || rect->width() < 1 || rect->height() < 1) return;
    context->setFillColor(UIColor::white());
    context->fillRect(*rect);
    context->setStrokeColor(UIColor::lightGray());
    context->setLineWidth(0.5);
    context->strokeRect(*rect);

    // The page itself is a raster image, which only a painter's context can take.
    auto* painter = static_cast<QPainter*>(painterOf(*context));
    if (painter == nullptr) return;
    const AffineTransform ctm = context->currentTransform();
    const QTransform world =
        QTransform(ctm.a, ctm.b, ctm.c, ctm.d, ctm.tx, ctm.ty) * painter->worldTransform();
    // Render at the device's resolution so the text stays sharp.
    const double deviceScale = std::sqrt(std::fabs(world.determinant()));
    const QSize pixels(std::max(1, static_cast<int>(std::lround(rect->width() * deviceScale))),
                       std::max(1, static_cast<int>(std::lround(rect->height() * deviceScale))));
    if (cache_->page != current_ || cache_->pixels != pixels) {
        cache_->image = document_->impl().document.render(current_, pixels);
        cache_->page = current_;
        cache_->pixels = pixels;
    }
    if (cache_->image.isNull()) return;
    painter->save();
    painter->setWorldTransform(world);
    painter->drawImage(QRectF(rect->minX(), rect->minY(), rect->width(), rect->height()), cache_->image);
    painter->restore();
}

}  // namespace platform
