#pragma once
// PDF documents and a view that shows one page of a document at a time,
// scaled to fit its bounds.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/view.hpp"

namespace platform {

class PDFDocument;

// A page of a document, by its 0-based index.
struct PDFPage {
    const PDFDocument* document = nullptr;
    int index = 0;
    Size size;  // in points
};

class PDFDocument {
public:
    // Opens a document from a file or resource path (":/..."); none when the
    // path cannot be read or holds no readable PDF.
    static std::shared_ptr<PDFDocument> open(const std::string& url);
    ~PDFDocument();
    PDFDocument(const PDFDocument&) = delete;
    PDFDocument& operator=(const PDFDocument&) = delete;

    [[nodiscard]] int pageCount() const;
    // None outside 0 ..< pageCount.
    [[nodiscard]] std::optional<PDFPage> page(int at) const;

    struct Impl;
    [[nodiscard]] Impl& impl() const { return *impl_; }

private:
    PDFDocument();
    std::unique_ptr<Impl> impl_;
};

enum class PDFDisplayDirection { vertical = 0, horizontal = 1 };

class PDFView : public View {
public:
    PDFView();
    ~PDFView() override;

    bool autoScales = false;
    PDFDisplayDirection displayDirection = PDFDisplayDirection::vertical;
    // One page at a time, as a page view controller shows them: a drag along
    // the display direction of at least kPageTurnDistance turns one page
    // (towards the left or upwards for the next, the other way for the one
    // before), as do a notch of the mouse wheel (downwards or to the right for
    // the next) and the arrow, Page Up and Page Down keys (right, down and
    // Page Down for the next). Turning stops at the first and the last page.
    // Without it the view takes no gestures. The options are not used.
    void usePageViewController(bool enable, const void* withViewOptions = nullptr);
    static constexpr double kPageTurnDistance = 40;
    [[nodiscard]] bool isUsingPageViewController() const { return usesPageViewController_; }

    [[nodiscard]] const std::shared_ptr<PDFDocument>& document() const { return document_; }
    // Shows the document's first page.
    void setDocument(std::shared_ptr<PDFDocument> document);

    // Shows `page` when it belongs to this view's document.
    void go(const PDFPage& page);
    // The index of the page shown, none without a document.
    [[nodiscard]] std::optional<int> currentPageIndex() const;

    // Where the current page lies in the view (fitted and centred when
    // `autoScales`, at its own size otherwise); none without a page.
    [[nodiscard]] std::optional<Rect> pageRect() const;

    void draw(Rect rect) override;
    void touchesBegan(const std::vector<Touch>& touches) override;
    void touchesEnded(const std::vector<Touch>& touches) override;
    bool scrollWheel(Point notches) override;
    bool keyPressed(KeyboardKey key) override;

private:
    // Moves `by` pages within the document; false when the view does not page.
    bool turnPage(int by);

    std::shared_ptr<PDFDocument> document_;
    int current_ = 0;
    bool usesPageViewController_ = false;
    std::optional<Point> dragStart_;  // in window coordinates
    double wheelNotches_ = 0;         // turned but not yet a whole page
    struct Cache;
    std::unique_ptr<Cache> cache_;
};

}  // namespace platform
