// Controls, labels and buttons: actions along the responder chain, touches
// through hit testing, and how labels fit their text.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/button.hpp"
#include "platform/control.hpp"
#include "platform/font.hpp"
#include "platform/label.hpp"
#include "platform/view.hpp"
#include "platform/view_controller.hpp"

namespace platform {
namespace {

constexpr char kAction[] = "keyPressedWithSender:";

// A view that takes one action and logs who got it.
class Receiver : public View {
public:
    Receiver(std::string name, std::vector<std::string>* log, bool implements = true)
        : name_(std::move(name)), log_(log), implements_(implements) {}
    bool respondsToAction(const std::string& s) const override { return implements_ && s == kAction; }
    void performAction(const std::string&, View* sender) override {
        log_->push_back(name_ + (sender != nullptr ? "<-" + std::to_string(sender->tag()) : ""));
    }

private:
    std::string name_;
    std::vector<std::string>* log_;
    bool implements_;
};

class ReceivingController : public ViewController {
public:
    explicit ReceivingController(std::vector<std::string>* log) : log_(log) {}
    bool respondsToAction(const std::string& s) const override { return s == kAction; }
    void performAction(const std::string&, View*) override { log_->push_back("controller"); }

private:
    std::vector<std::string>* log_;
};

UIButton* addButton(View* parent, Rect frame, std::int64_t tag, Responder* target = nullptr) {
    auto b = std::make_unique<UIButton>(ButtonType::system);
    b->setFrame(frame);
    b->setTag(tag);
    b->setTitle("B" + std::to_string(tag));
    b->addTarget(target, kAction, ControlEvent::touchUpInside);
    return parent->addSubview(std::move(b));
}

// With no target the action goes to the nearest implementer above the
// control, skipping views that do not implement it; a controller comes right
// after its root view; an explicit target is called directly.
TEST(Controls, ActionsTravelTheResponderChain) {
    std::vector<std::string> log;
    Receiver top("top", &log);
    auto* middle = top.addSubview(std::make_unique<Receiver>("middle", &log, false));
    auto* near = middle->addSubview(std::make_unique<Receiver>("near", &log, false));
    UIButton* button = addButton(near, {0, 0, 10, 10}, 7);
    tap(*button);
    EXPECT_EQ(log, (std::vector<std::string>{"top<-7"}));

    ReceivingController controller(&log);
    near->setViewController(&controller);
    tap(*button);
    EXPECT_EQ(log.back(), "controller");

    std::vector<std::string> other;
    Receiver explicitTarget("target", &other);
    UIButton* direct = addButton(near, {0, 0, 10, 10}, 8, &explicitTarget);
    tap(*direct);
    EXPECT_EQ(other, (std::vector<std::string>{"target<-8"}));
    EXPECT_EQ(log.size(), 2u);

    // Nobody implements it: the tap is dropped.
    View lone;
    UIButton* orphan = addButton(&lone, {0, 0, 10, 10}, 9);
    EXPECT_NO_THROW(tap(*orphan));
}

// A touch reaches the topmost visible, interactive view under it: a label
// laid over a button lets it through, a hidden button is skipped, and of two
// overlapping buttons the later one wins.
TEST(Controls, TouchesGoThroughHitTesting) {
    std::vector<std::string> log;
    auto window = std::make_unique<Receiver>("window", &log);
    window->setFrame({0, 0, 300, 300});
    View* panel = window->addSubview(std::make_unique<View>(Rect(50, 50, 200, 200)));
    addButton(panel, {0, 0, 100, 100}, 1);
    addButton(panel, {50, 0, 100, 100}, 2);  // over the right half of 1
    UIButton* hidden = addButton(panel, {0, 100, 100, 100}, 3);
    hidden->setHidden(true);
    auto* label = panel->addSubview(std::make_unique<UILabel>(Rect(0, 0, 100, 100)));
    label->setText("over 1 and 2");
    EXPECT_FALSE(label->isUserInteractionEnabled());

    struct Case {
        Point at;
        std::string expected;  // "" when no action is sent
    };
    const Case cases[] = {
        {{60, 60}, "window<-1"},   // under the label, only button 1
        {{120, 60}, "window<-2"},  // under the label, 2 lies over 1
        {{170, 60}, "window<-2"},  // beside the label
        {{60, 180}, ""},           // the hidden button: the panel gets it
        {{10, 10}, ""},            // outside the panel
    };
    for (const auto& c : cases) {
        log.clear();
        touchAt(*window, c.at);
        EXPECT_EQ(log.empty() ? "" : log.front(), c.expected) << c.at.x << "," << c.at.y;
    }

    // A finger lifted outside the button sends nothing; one lifted inside does.
    UIButton* b1 = dynamic_cast<UIButton*>(panel->subviews()[0].get());
    log.clear();
    b1->touchesBegan({Touch{{60, 60}}});
    EXPECT_TRUE(b1->isHighlighted());
    EXPECT_LT(b1->titleLabel()->textColor().a, 1.0);
    b1->touchesEnded({Touch{{290, 290}}});
    EXPECT_FALSE(b1->isHighlighted());
    EXPECT_TRUE(log.empty());
}

// A label that may shrink keeps its text whole, on one line, inside its width;
// one that may not is cut short with "…". A shrunk text keeps the unshrunk
// baseline or is centred, as asked.
TEST(Controls, LabelsFitTheirWidth) {
    const std::string longText = " enter a to c of a/(b√c) and then some more ";
    UILabel label(Rect(0, 0, 120, 50));
    label.setFont(UIFont::systemFont(30, 0.1));
    label.setTextAlignment(TextAlignment::center);
    label.setText(longText);

    const auto cut = label.textPlacement();
    EXPECT_EQ(cut.font, label.font());
    EXPECT_NE(cut.text, longText);
    EXPECT_EQ(cut.text.substr(cut.text.size() - 3), "\u2026");
    EXPECT_LE(cut.size.width, 120);
    // As many whole characters as fit: one more would not.
    const std::string kept = cut.text.substr(0, cut.text.size() - 3);
    EXPECT_EQ(longText.rfind(kept, 0), 0u);
    TextAttributes attributes;
    attributes.font = label.font();
    EXPECT_GT(sizeWithAttributes(longText.substr(0, kept.size() + 1) + "\u2026", attributes).width, 120);
    // Narrower than any character: only "…" is left.
    label.setFrame(Rect(0, 0, 4, 50));
    EXPECT_EQ(label.textPlacement().text, "\u2026");
    label.setFrame(Rect(0, 0, 120, 50));

    label.setAdjustsFontSizeToFitWidth(true);
    label.setBaselineAdjustment(BaselineAdjustment::alignBaselines);
    const auto shrunk = label.textPlacement();
    EXPECT_EQ(shrunk.text, longText);
    EXPECT_LT(shrunk.font.pointSize, 30);
    EXPECT_GT(shrunk.font.pointSize, 5);
    EXPECT_LE(shrunk.size.width, 120 + 1e-9);
    EXPECT_GT(shrunk.size.width, 100);  // not shrunk far more than needed
    const double naturalTop = (50 - label.intrinsicContentSize().height) / 2;
    EXPECT_NEAR(shrunk.topLeft.y + shrunk.font.ascender(), naturalTop + label.font().ascender(), 1e-9);

    label.setBaselineAdjustment(BaselineAdjustment::alignCenters);
    const auto centred = label.textPlacement();
    EXPECT_NEAR(centred.topLeft.y + centred.size.height / 2, 25, 1e-9);
    EXPECT_NEAR(centred.topLeft.x + centred.size.width / 2, 60, 1e-9);

    // A text that fits is left alone and centred.
    label.setText("507");
    const auto fits = label.textPlacement();
    EXPECT_EQ(fits.font, label.font());
    EXPECT_NEAR(fits.topLeft.x + fits.size.width / 2, 60, 1e-9);
    EXPECT_NEAR(fits.topLeft.y + fits.size.height / 2, 25, 1e-9);
}

}  // namespace
}  // namespace platform
