#include "platform/window.hpp"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRasterWindow>
#include <QResizeEvent>
#include <QTouchEvent>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>

#include "platform/display_requests.hpp"
#include "platform/graphics_context.hpp"
#include "platform/gui_application.hpp"
#include "platform/navigation_controller.hpp"
#include "records/vocabulary.hpp"

namespace platform {

namespace {

// Whether `view` still hangs in the tree below `root`.
bool contains(const View* root, const View* view) {
    if (root == view) return true;
    for (const auto& sub : root->subviews()) {
        if (contains(sub.get(), view)) return true;
    }
    return false;
}

// A key goes to the frontmost visible, interactive view that takes it,
// deepest first, as a touch goes to the view under it.
bool offerKey(View* view, KeyboardKey key) {
    if (view->isHidden() || !view->isUserInteractionEnabled()) return false;
    const auto& subviews = view->subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it)
        if (offerKey(it->get(), key)) return true;
    return view->keyPressed(key);
}

// The keys views act on, with Qt's codes.
constexpr std::array<std::pair<KeyboardKey, Qt::Key>, 6> kKeys{{
    {KeyboardKey::leftArrow, Qt::Key_Left},
    {KeyboardKey::rightArrow, Qt::Key_Right},
    {KeyboardKey::upArrow, Qt::Key_Up},
    {KeyboardKey::downArrow, Qt::Key_Down},
    {KeyboardKey::pageUp, Qt::Key_PageUp},
    {KeyboardKey::pageDown, Qt::Key_PageDown},
}};

// One notch of a mouse wheel is 15 degrees, which Qt counts in eighths.
constexpr double kEighthsPerNotch = 120;

// The window's own view: it gives the root controller's view its whole bounds.
class WindowView : public View {
public:
    void layoutSubviews() override {
        for (const auto& sub : subviews()) sub->setFrame(bounds());
    }
};

}  // namespace

struct UIWindow::Host : public QRasterWindow {
    explicit Host(UIWindow* owner) : owner_(owner) {}

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        owner_->paintInto(&painter);
        ++frames;
    }
    void resizeEvent(QResizeEvent* event) override {
        const QSize s = event->size();
        owner_->size_ = {static_cast<double>(s.width()), static_cast<double>(s.height())};
        owner_->layout();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        owner_->deliverPress({event->position().x(), event->position().y()});
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        owner_->deliverRelease({event->position().x(), event->position().y()});
    }
    void wheelEvent(QWheelEvent* event) override {
        // Qt counts a turn away from the user (the page scrolling up) as positive.
        // Negated as doubles: the most negative int has no opposite among ints.
        const QPoint turn = event->angleDelta();
        owner_->deliverWheel({event->position().x(), event->position().y()},
                             {-static_cast<double>(turn.x()) / kEighthsPerNotch,
                              -static_cast<double>(turn.y()) / kEighthsPerNotch});
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override {
        KeyboardKey key = KeyboardKey::other;
        for (const auto& [ours, qt] : kKeys)
            if (event->key() == qt) key = ours;
        owner_->deliverKey(key);
    }
    void touchEvent(QTouchEvent* event) override {
        // One finger is one touch; the platform then sends no mouse events for it.
        if (event->points().empty()) return;
        const auto p = event->points().front().position();
        if (event->type() == QEvent::TouchBegin) owner_->deliverPress({p.x(), p.y()});
        if (event->type() == QEvent::TouchEnd) owner_->deliverRelease({p.x(), p.y()});
        event->accept();
    }

    UIWindow* owner_;
    int frames = 0;
};

UIWindow::UIWindow(Size size) : size_(size), view_(std::make_unique<WindowView>()) {
    ensureGuiApplication();
    view_->setBackgroundColor(UIColor::white());
    view_->setFrame({0, 0, size.width, size.height});
    host_ = std::make_unique<Host>(this);
    host_->setTitle(QStringLiteral("Radixmender"));
    host_->resize(static_cast<int>(std::lround(size.width)), static_cast<int>(std::lround(size.height)));
    radixmender::setMainScreenWidthProvider([this] { return size_.width; });
    setDisplayRequestHandler([this](View&) {
        if (host_) host_->update();
    });
}

UIWindow::~UIWindow() {
    setDisplayRequestHandler(nullptr);
    radixmender::setMainScreenWidthProvider(nullptr);
    pressed_ = nullptr;
    // The root controller takes its view out of our tree as it goes.
    root_.reset();
    host_.reset();
}

void UIWindow::setRootViewController(std::unique_ptr<ViewController> controller) {
    pressed_ = nullptr;
    root_.reset();
    root_ = std::move(controller);
    if (root_) view_->addSubview(root_->detachViewForEmbedding());
    layout();
}

void UIWindow::makeKeyAndVisible() {
    layout();
    host_->show();
}

bool UIWindow::isVisible() const { return host_->isVisible(); }

void UIWindow::resize(Size size) {
    size_ = size;
    host_->resize(static_cast<int>(std::lround(size.width)), static_cast<int>(std::lround(size.height)));
    layout();
}

void UIWindow::setSafeAreaInsets(EdgeInsets insets) {
    insets_ = insets;
    layout();
}

void UIWindow::layout() {
    view_->setFrame({0, 0, size_.width, size_.height});
    view_->setSafeAreaInsets(insets_);
    if (root_ && root_->isViewLoaded()) {
        root_->view()->setFrame(view_->bounds());
        if (auto* navigation = dynamic_cast<NavigationController*>(root_.get())) {
            navigation->setContainerSafeAreaInsets(insets_);
        } else {
            root_->view()->setSafeAreaInsets(insets_);
        }
    }
    // The containers' children are placed above, before the anchors are
    // solved, so one pass settles the whole tree.
    view_->layoutIfNeeded();
    host_->update();
}

void UIWindow::paintInto(void* qpainter) const {
    auto* painter = static_cast<QPainter*>(qpainter);
    painter->fillRect(QRectF(0, 0, size_.width, size_.height), Qt::white);
    auto context = makePainterContext(painter);
    view_->render(*context);
}

// Nothing thrown while a touch is handled may reach the event loop, which
// would end the program: the touch is simply dropped. The layout that follows
// also asks the platform for a new frame.
void UIWindow::deliverPress(Point p) {
    pressed_ = view_->hitTest(p);
    try {
        if (pressed_ != nullptr) pressed_->touchesBegan({Touch{p}});
    } catch (const std::exception&) {
    }
    layout();
}

void UIWindow::deliverRelease(Point p) {
    View* pressed = pressed_;
    pressed_ = nullptr;
    // The press may have changed the tree; a view that has left it gets nothing.
    try {
        if (pressed != nullptr && contains(view_.get(), pressed)) pressed->touchesEnded({Touch{p}});
    } catch (const std::exception&) {
    }
    layout();
}

void UIWindow::deliverWheel(Point p, Point notches) {
    try {
        for (View* view = view_->hitTest(p); view != nullptr; view = view->superview())
            if (view->scrollWheel(notches)) break;
    } catch (const std::exception&) {
    }
    layout();
}

void UIWindow::deliverKey(KeyboardKey key) {
    try {
        offerKey(view_.get(), key);
    } catch (const std::exception&) {
    }
    layout();
}

void UIWindow::press(Point p) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(p.x, p.y), QPointF(p.x, p.y), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(host_.get(), &event);
}

void UIWindow::release(Point p) {
    QMouseEvent event(QEvent::MouseButtonRelease, QPointF(p.x, p.y), QPointF(p.x, p.y), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(host_.get(), &event);
}

void UIWindow::scrollWheel(Point p, Point notches) {
    // A turn past what Qt's event holds is sent as the largest it holds.
    const auto eighths = [](double n) {
        const double v = std::round(-n * kEighthsPerNotch);
        if (std::isnan(v)) return 0;
        return static_cast<int>(std::clamp(v, static_cast<double>(std::numeric_limits<int>::min()),
                                           static_cast<double>(std::numeric_limits<int>::max())));
    };
    const QPoint turn(eighths(notches.x), eighths(notches.y));
    QWheelEvent event(QPointF(p.x, p.y), QPointF(p.x, p.y), QPoint(), turn, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(host_.get(), &event);
}

void UIWindow::pressKey(KeyboardKey key) {
    int code = Qt::Key_Space;  // stands for any other key
    for (const auto& [ours, qt] : kKeys)
        if (key == ours) code = qt;
    QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
    QCoreApplication::sendEvent(host_.get(), &event);
}

void UIWindow::tap(Point p) {
    press(p);
    release(p);
}

Point UIWindow::centre(const View* view) {
    const Point origin = view->convertToWindow({0, 0});
    return {origin.x + view->frame().width() / 2, origin.y + view->frame().height() / 2};
}

bool UIWindow::renderToPNG(const std::string& path, double scale) const {
    const int w = static_cast<int>(std::ceil(size_.width * scale));
    const int h = static_cast<int>(std::ceil(size_.height * scale));
    if (w <= 0 || h <= 0) return false;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    // 72 dpi: one point is one pixel before the scale.
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        paintInto(&painter);
    }
    return image.save(QString::fromStdString(path), "PNG");
}

int UIWindow::paintedFrames() const { return host_->frames; }

bool UIWindow::waitForPaint(int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    const int before = host_->frames;
    while (host_->frames == before && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return host_->frames != before;
}

}  // namespace platform
