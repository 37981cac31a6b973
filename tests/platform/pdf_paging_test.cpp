// The PDF view turning pages through the window's own events.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics_context.hpp"
#include "platform/pdf_renderer.hpp"
#include "platform/pdf_view.hpp"
#include "platform/window.hpp"
#include "tests/support/test_output.hpp"

namespace platform {
namespace {

// A document of twelve numbered pages.
std::shared_ptr<PDFDocument> twelvePages() {
    const std::string path = radixmender::testing::testOutputPath("platform/twelve_pages.pdf");
    const bool written = PDFRenderer({200, 300}).writePDF(path, [](PDFRendererContext& pdf) {
        for (int i = 1; i <= 12; ++i) {
            pdf.beginPage();
            pdf.graphicsContext().drawText(std::to_string(i), {20, 20}, {UIFont::systemFont(40)});
        }
    });
    return written ? PDFDocument::open(path) : nullptr;
}

// With the page view controller, a drag of at least the turning distance
// along the display direction, a wheel notch or an arrow or page key turns one
// page, and turning stops at either end; a shorter drag, one across the
// direction and any other key do nothing. Without it nothing turns.
TEST(PDFView, TurnsPagesByDragsWheelAndKeys) {
    const auto document = twelvePages();
    ASSERT_TRUE(document && document->pageCount() == 12);
    UIWindow window({300, 400});
    auto* view = window.view()->addSubview(std::make_unique<PDFView>());
    view->autoScales = true;
    view->setDocument(document);
    window.layout();
    const Point centre = UIWindow::centre(view);
    const double d = PDFView::kPageTurnDistance;
    using Act = std::function<void(bool horizontal)>;
    const auto drag = [&](double along, double across) -> Act {
        return [&window, centre, along, across](bool horizontal) {
            window.press(centre);
            window.release(horizontal ? Point{centre.x + along, centre.y + across}
                                      : Point{centre.x + across, centre.y + along});
        };
    };
    const auto wheel = [&](std::vector<Point> turns) -> Act {
        return [&window, centre, turns](bool) {
            for (const Point t : turns) window.scrollWheel(centre, t);
        };
    };
    const auto keys = [&](std::vector<KeyboardKey> pressed) -> Act {
        return [&window, pressed](bool) {
            for (const KeyboardKey k : pressed) window.pressKey(k);
        };
    };
    struct Case {
        const char* what;
        int from, to;
        Act act;
    };
    const Case cases[] = {
        {"drag forwards", 5, 6, drag(-d, 0)},
        {"drag back", 5, 4, drag(d, 10)},
        {"drag too short", 5, 5, drag(1 - d, 0)},
        {"drag across", 5, 5, drag(-d / 2, -3 * d)},
        {"drag past the last page", 11, 11, drag(-3 * d, 0)},
        {"drag before the first page", 0, 0, drag(3 * d, 0)},
        {"wheel down, up, to the right", 5, 6, wheel({{0, 1}, {0, -1}, {1, 0}})},
        {"two half notches", 5, 6, wheel({{0, 0.5}, {0, 0.5}})},
        {"three notches at once", 5, 2, wheel({{0, -3}})},
        {"wheel past the last page", 10, 11, wheel({{0, 4}})},
        {"next keys", 5, 8, keys({KeyboardKey::rightArrow, KeyboardKey::downArrow, KeyboardKey::pageDown})},
        {"back keys", 5, 2, keys({KeyboardKey::leftArrow, KeyboardKey::upArrow, KeyboardKey::pageUp})},
        {"another key", 5, 5, keys({KeyboardKey::other})},
        {"keys past the first page", 1, 0, keys({KeyboardKey::pageUp, KeyboardKey::upArrow})},
    };
    for (const bool paging : {true, false}) {
        view->usePageViewController(paging);
        for (const auto direction : {PDFDisplayDirection::horizontal, PDFDisplayDirection::vertical}) {
            view->displayDirection = direction;
            for (const Case& c : cases) {
                view->go(*document->page(c.from));
                c.act(direction == PDFDisplayDirection::horizontal);
                EXPECT_EQ(view->currentPageIndex(), paging ? c.to : c.from)
                    << c.what << (paging ? "" : " without paging") << " direction "
                    << static_cast<int>(direction);
            }
        }
    }
}

// The largest turns the platform's wheel event can hold, the most negative
// int on either axis or both, turn the pages to the end as any turn of
// more notches than pages does; the opposite turns go back to the start.
TEST(PDFView, HugeWheelTurnsReachTheEnds) {
    const auto document = twelvePages();
    ASSERT_TRUE(document);
    UIWindow window({300, 400});
    auto* view = window.view()->addSubview(std::make_unique<PDFView>());
    view->setDocument(document);
    view->usePageViewController(true);
    window.layout();
    const double huge = 1e12;  // clamped to the int range in eighths of a degree
    for (const Point turn : {Point{0, huge}, Point{huge, 0}, Point{huge, huge}}) {
        view->go(*document->page(5));
        window.scrollWheel(UIWindow::centre(view), turn);
        EXPECT_EQ(view->currentPageIndex(), 11) << turn.x << " " << turn.y;
        window.scrollWheel(UIWindow::centre(view), {-turn.x, -turn.y});
        EXPECT_EQ(view->currentPageIndex(), 0) << turn.x << " " << turn.y;
    }
}

}  // namespace
}  // namespace platform
