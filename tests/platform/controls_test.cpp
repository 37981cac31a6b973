// Views, controls and labels: actions along the responder chain, touches
// through hit testing and the window, how labels fit their text, and the
// anchor solver's rules that the app's own screens never meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/button.hpp"
#include "platform/control.hpp"
#include "platform/font.hpp"
#include "platform/label.hpp"
#include "platform/layout.hpp"
#include "platform/view.hpp"
#include "platform/view_controller.hpp"
#include "platform/window.hpp"
#include "records/vocabulary.hpp"

namespace platform {
namespace {

constexpr char kAction[] = "keyPressedWithSender:";

// A view or controller that takes the action, or not, and logs who got it from whom.
template <typename Base>
struct Receiver : Base {
    std::string name;
    std::vector<std::string>* log = nullptr;
    bool implements = true;
    bool respondsToAction(const std::string& s) const override { return implements && s == kAction; }
    void performAction(const std::string&, View* sender) override {
        log->push_back(name + (sender != nullptr ? "<-" + std::to_string(sender->tag()) : ""));
    }
};

std::unique_ptr<Receiver<View>> receiver(std::string name, std::vector<std::string>* log,
                                         bool implements = true) {
    auto r = std::make_unique<Receiver<View>>();
    r->name = std::move(name), r->log = log, r->implements = implements;
    return r;
}

UIButton* addButton(View* parent, Rect frame, std::int64_t tag, Responder* target = nullptr) {
    auto* b = parent->addSubview(std::make_unique<UIButton>(ButtonType::system));
    b->setFrame(frame), b->setTag(tag), b->setTitle("B" + std::to_string(tag));
    b->addTarget(target, kAction, ControlEvent::touchUpInside);
    return b;
}

// With no target the action goes to the nearest implementer above the
// control, skipping views that do not implement it; a controller comes right
// after its root view; an explicit target is called directly; with nobody to
// take it the tap is dropped.
TEST(Controls, ActionsTravelTheResponderChain) {
    std::vector<std::string> log, other;
    auto top = receiver("top", &log);
    View* near = top->addSubview(receiver("middle", &log, false))->addSubview(receiver("near", &log, false));
    UIButton* button = addButton(near, {0, 0, 10, 10}, 7);
    tap(*button);
    Receiver<ViewController> controller;
    controller.name = "controller", controller.log = &log;
    near->setViewController(&controller);
    tap(*button);
    const auto explicitTarget = receiver("target", &other);
    tap(*addButton(near, {0, 0, 10, 10}, 8, explicitTarget.get()));
    EXPECT_EQ(log, (std::vector<std::string>{"top<-7", "controller<-7"}));
    EXPECT_EQ(other, (std::vector<std::string>{"target<-8"}));
    View lone;
    EXPECT_NO_THROW(tap(*addButton(&lone, {0, 0, 10, 10}, 9)));
}

// A touch reaches the topmost visible, interactive view under it: a label
// laid over a button lets it through, a hidden button is skipped, and of two
// overlapping buttons the later one wins.
TEST(Controls, TouchesGoThroughHitTesting) {
    std::vector<std::string> log;
    auto window = receiver("window", &log);
    window->setFrame({0, 0, 300, 300});
    View* panel = window->addSubview(std::make_unique<View>(Rect(50, 50, 200, 200)));
    addButton(panel, {0, 0, 100, 100}, 1);
    addButton(panel, {50, 0, 100, 100}, 2);  // over the right half of 1
    addButton(panel, {0, 100, 100, 100}, 3)->setHidden(true);
    panel->addSubview(std::make_unique<UILabel>(Rect(0, 0, 100, 100)))->setText("over 1 and 2");
    const std::pair<Point, std::string> cases[] = {{{60, 60}, "window<-1"},   // under the label, only 1
                                                   {{120, 60}, "window<-2"},  // under the label, 2 over 1
                                                   {{170, 60}, "window<-2"},  // beside the label
                                                   {{60, 180}, ""},           // the hidden button
                                                   {{10, 10}, ""}};           // outside the panel
    for (const auto& [at, expected] : cases) {
        log.clear();
        touchAt(*window, at);
        EXPECT_EQ(log.empty() ? "" : log.front(), expected) << at.x << "," << at.y;
    }
}

// The window turns presses and releases into touches: a press released off
// its button, or after the button left the tree, is no tap; a handled tap is
// painted; resizing sets the screen width and the root view's frame.
TEST(Controls, WindowTurnsMouseEventsIntoTouchesAndSetsTheScreenWidth) {
    std::vector<std::string> log;
    const auto target = receiver("target", &log);
    UIWindow window;
    auto controller = std::make_unique<ViewController>();
    UIButton* button = addButton(controller->view(), {100, 100, 80, 40}, 1, target.get());
    window.setRootViewController(std::move(controller));
    window.makeKeyAndVisible();
    ASSERT_TRUE(window.waitForPaint(5000));
    window.tap({140, 120});
    EXPECT_TRUE(window.waitForPaint(5000));
    window.press({140, 120});
    EXPECT_TRUE(button->isHighlighted() && button->titleLabel()->textColor().a < 1.0);
    window.release({300, 300});
    EXPECT_FALSE(button->isHighlighted());
    window.press({140, 120});
    const auto removed = button->removeFromSuperview();
    window.release({140, 120});
    EXPECT_EQ(log, std::vector<std::string>{"target<-1"});
    window.resize({1024, 1366});
    EXPECT_EQ(radixmender::mainScreenWidth(), 1024);
    EXPECT_EQ(window.rootViewController()->view()->frame(), Rect(0, 0, 1024, 1366));
}

// A label that may not shrink cuts a long text short with "…", keeping as
// many whole characters as fit (only "…" when none does); one that may keeps
// its text whole, on one line, inside its width, not much smaller than
// needed, on the unshrunk baseline or centred, as asked. A text that fits is
// left alone and centred.
TEST(Controls, LabelsFitTheirWidth) {
    const std::string longText = " enter a to c of a/(b√c) and then some more ";
    UILabel label(Rect(0, 0, 120, 50));
    label.setFont(UIFont::systemFont(30, 0.1));
    label.setTextAlignment(TextAlignment::center);
    label.setText(longText);
    const auto cut = label.textPlacement();
    const std::string kept = cut.text.substr(0, cut.text.size() - 3);
    EXPECT_TRUE(cut.font == label.font() && cut.text == kept + "\u2026" && longText.starts_with(kept));
    EXPECT_LE(cut.size.width, 120);
    EXPECT_GT(sizeWithAttributes(longText.substr(0, kept.size() + 1) + "\u2026", {label.font()}).width, 120);
    const auto centre = [](const UILabel::TextPlacement& p) {
        return Point{p.topLeft.x + p.size.width / 2, p.topLeft.y + p.size.height / 2};
    };
    label.setAdjustsFontSizeToFitWidth(true);
    label.setBaselineAdjustment(BaselineAdjustment::alignBaselines);
    const auto shrunk = label.textPlacement();
    EXPECT_EQ(shrunk.text, longText);
    EXPECT_TRUE(shrunk.size.width <= 120 + 1e-9 && shrunk.size.width > 100);
    const double naturalTop = (50 - label.intrinsicContentSize().height) / 2;
    EXPECT_NEAR(shrunk.topLeft.y + shrunk.font.ascender(), naturalTop + label.font().ascender(), 1e-9);
    label.setBaselineAdjustment(BaselineAdjustment::alignCenters);
    EXPECT_LT(std::hypot(centre(label.textPlacement()).x - 60, centre(label.textPlacement()).y - 25), 1e-9);
    label.setText("507");
    EXPECT_EQ(label.textPlacement().font, label.font());
    EXPECT_LT(std::hypot(centre(label.textPlacement()).x - 60, centre(label.textPlacement()).y - 25), 1e-9);
    label.setAdjustsFontSizeToFitWidth(false);
    label.setText(longText);
    label.setFrame(Rect(0, 0, 4, 50));
    EXPECT_EQ(label.textPlacement().text, "\u2026");
}

View* addChild(View* parent) {
    auto v = std::make_unique<View>();
    v->translatesAutoresizingMaskIntoConstraints = false;
    return parent->addSubview(std::move(v));
}

void pinEdges(View* v, View* to, double inset) {
    v->topAnchor().constraint(to->topAnchor(), inset);
    v->bottomAnchor().constraint(to->bottomAnchor(), -inset);
    v->leadingAnchor().constraint(to->leadingAnchor(), inset);
    v->trailingAnchor().constraint(to->trailingAnchor(), -inset);
}

// How far a view's frame is from `e`.
double offBy(const View* v, Rect e) {
    const Rect f = v->frame();
    return std::max({std::abs(f.minX() - e.minX()), std::abs(f.minY() - e.minY()),
                     std::abs(f.width() - e.width()), std::abs(f.height() - e.height())});
}

bool mentions(const std::string& diagnostic, const char* word) {
    return diagnostic.find(word) != std::string::npos;
}

// Two equal columns 10 apart, every gap stated from both sides, plus
// tautologies and exact repeats: all of it is accepted silently. A centred
// button whose width no constraint fixes takes its title's width. Elsewhere,
// a contradiction drops the later constraint, the same way on every pass, and
// what neither the constraints nor a content size decide keeps the current
// frame: the pass reports both.
TEST(LayoutSolver, RepeatsConflictsAndGaps) {
    View root(Rect(0, 0, 310, 100));
    View* a = addChild(&root);
    View* b = addChild(&root);
    for (int repeat = 0; repeat < 2; ++repeat) {
        a->topAnchor().constraint(root.topAnchor());
        a->bottomAnchor().constraint(root.bottomAnchor());
        b->topAnchor().constraint(a->topAnchor());
        b->bottomAnchor().constraint(a->bottomAnchor());
        a->leadingAnchor().constraint(root.leadingAnchor());
        a->trailingAnchor().constraint(b->leadingAnchor(), -10);
        b->leadingAnchor().constraint(a->trailingAnchor(), 10);
        b->trailingAnchor().constraint(root.trailingAnchor());
        b->widthAnchor().constraint(a->widthAnchor());
        a->widthAnchor().constraint(a->widthAnchor());
    }
    auto* button = root.addSubview(std::make_unique<UIButton>(ButtonType::system));
    button->setTitle("Wide title");
    button->translatesAutoresizingMaskIntoConstraints = false;
    button->centerXAnchor().constraint(root.centerXAnchor());
    button->topAnchor().constraint(root.topAnchor(), 10);
    button->bottomAnchor().constraint(root.bottomAnchor(), -10);
    root.layoutIfNeeded();
    EXPECT_LT(offBy(a, {0, 0, 150, 100}), 1e-9);
    EXPECT_LT(offBy(b, {160, 0, 150, 100}), 1e-9);
    const double w = button->intrinsicContentSize().width;
    ASSERT_GT(w, 20);
    EXPECT_LT(offBy(button, {155 - w / 2, 10, w, 80}), 1e-9);
    EXPECT_TRUE(layoutDiagnostics(root).empty());
    EXPECT_EQ(activeConstraints(root).size(), 23u);
    EXPECT_THROW(a->widthAnchor().constraint(a->heightAnchor()), std::invalid_argument);

    View other(Rect(0, 0, 300, 200));
    View* v = addChild(&other);
    pinEdges(v, &other, 0);
    v->leadingAnchor().constraint(other.leadingAnchor(), 10);  // contradicts the pin at 0
    View* twice = addChild(&other);
    pinEdges(twice, &other, 0);
    twice->heightAnchor().constraint(v->heightAnchor(), 2.0);  // 200 = 400
    View* open = addChild(&other);
    open->setFrame({7, 8, 40, 50});
    open->leadingAnchor().constraint(other.leadingAnchor(), 20);
    open->topAnchor().constraint(other.topAnchor(), 30);
    for (int pass = 0; pass < 2; ++pass) {
        other.layoutIfNeeded();
        EXPECT_LT(offBy(v, {0, 0, 300, 200}), 1e-9);
        EXPECT_LT(offBy(twice, {0, 0, 300, 200}), 1e-9);
        EXPECT_LT(offBy(open, {20, 30, 40, 50}), 1e-9);
        const auto& d = layoutDiagnostics(other);
        ASSERT_EQ(d.size(), 4u);
        EXPECT_TRUE(mentions(d[0], "conflicting") && mentions(d[0], "leading")) << d[0];
        EXPECT_TRUE(mentions(d[1], "underdetermined horizontal size")) << d[1];
        EXPECT_TRUE(mentions(d[2], "conflicting") && mentions(d[2], "height")) << d[2];
        EXPECT_TRUE(mentions(d[3], "underdetermined vertical size")) << d[3];
    }
}

}  // namespace
}  // namespace platform
