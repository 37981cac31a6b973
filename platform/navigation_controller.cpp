#include "platform/navigation_controller.hpp"

#include <algorithm>

#include "platform/font.hpp"
#include "platform/graphics_context.hpp"

namespace platform {

namespace {

const UIColor kTint{0.0, 122.0 / 255.0, 1.0, 1.0};
const UIColor kBarBackground{0.97, 0.97, 0.97, 1.0};
const UIColor kHairline{0.7, 0.7, 0.7, 1.0};
constexpr double kItemPadding = 8;
constexpr double kBarMargin = 8;
constexpr const char kBackChevron[] = "\u2039 ";  // "‹ "
constexpr double kWidestBackTitle = 130;

TextAttributes itemAttributes() { return {UIFont::systemFont(17), kTint, UIColor::clear()}; }
TextAttributes titleAttributes() {
    return {UIFont::systemFont(17, FontWeight::semibold), UIColor::black(), UIColor::clear()};
}

// A text of the bar, measured once when the bar is built.
struct BarText {
    BarText(std::string text_, const TextAttributes& attributes_)
        : text(std::move(text_)), attributes(attributes_), size(sizeWithAttributes(text, attributes)) {}

    void drawCentred(Rect box) const {
        auto* context = currentContext();
        if (context == nullptr || text.empty()) return;
        context->drawText(text, {box.midX() - size.width / 2, box.midY() - size.height / 2}, attributes);
    }

    std::string text;
    TextAttributes attributes;
    Size size;
};

// The part of a view that reacts to a touch that ends inside it.
class TappableView : public View {
public:
    void touchesBegan(const std::vector<Touch>& touches) override {
        pressed_ = !touches.empty() && bounds().contains(touches.front().location(this));
    }
    void touchesEnded(const std::vector<Touch>& touches) override {
        const bool inside = !touches.empty() && bounds().contains(touches.front().location(this));
        const bool wasPressed = pressed_;
        pressed_ = false;
        if (inside && wasPressed) tapped();
    }

protected:
    virtual void tapped() = 0;

private:
    bool pressed_ = false;
};

class BarTitleView : public View {
public:
    explicit BarTitleView(BarText title) : title_(std::move(title)) { setUserInteractionEnabled(false); }
    void draw(Rect) override { title_.drawCentred(bounds()); }

private:
    BarText title_;
};

class BackButtonView : public TappableView {
public:
    BackButtonView(NavigationController* owner, BarText title) : owner_(owner), title_(std::move(title)) {}
    void draw(Rect) override { title_.drawCentred(bounds()); }

protected:
    // The popped screen goes at once; this button is replaced at the next layout.
    void tapped() override { owner_->popViewController(); }

private:
    NavigationController* owner_;
    BarText title_;
};

class BarButtonView : public TappableView {
public:
    BarButtonView(std::shared_ptr<UIBarButtonItem> item, BarText title)
        : item_(std::move(item)), title_(std::move(title)) {}
    void draw(Rect) override { title_.drawCentred(bounds()); }
    [[nodiscard]] const UIBarButtonItem* item() const { return item_.get(); }

protected:
    void tapped() override {
        // Keep the item alive even if the action replaces the bar's items.
        const auto item = item_;
        if (item->target != nullptr) {
            item->target->performAction(item->action, this);
            return;
        }
        for (Responder* r = this; r != nullptr; r = r->nextResponder()) {
            if (r->respondsToAction(item->action)) {
                r->performAction(item->action, this);
                return;
            }
        }
    }

private:
    std::shared_ptr<UIBarButtonItem> item_;
    BarText title_;
};

class NavigationBarView : public View {
public:
    NavigationBarView() { setBackgroundColor(kBarBackground); }
    void draw(Rect) override {
        if (auto* context = currentContext()) {
            context->setFillColor(kHairline);
            context->fillRect({0, bounds().height() - 0.5, bounds().width(), 0.5});
        }
    }

    // What the bar shows, so that it is rebuilt only when that changes.
    struct Content {
        std::string title;
        std::optional<std::string> previousTitle;  // of the screen below, when there is one
        std::vector<std::shared_ptr<UIBarButtonItem>> items;
        std::vector<std::optional<std::string>> itemTitles;
        double width = -1;
        bool operator==(const Content&) const = default;
    };

    void show(NavigationController* owner, Content content) {
        if (content == shown_) return;
        while (!subviews().empty()) subviews().back()->removeFromSuperview();
        const double width = content.width;
        constexpr double height = NavigationController::kBarHeight;
        std::vector<BarText> itemTexts;
        double itemsWidth = 0;
        for (const auto& item : content.items) {
            itemTexts.emplace_back(item->title.value_or(""), itemAttributes());
            itemsWidth += itemTexts.back().size.width + 2 * kItemPadding;
        }
        double left = kBarMargin;
        if (content.previousTitle) {
            // The back button names the screen below, unless its title is
            // missing or long; a crowded bar keeps only the chevron.
            const std::string& previous = *content.previousTitle;
            const bool named =
                !previous.empty() && sizeWithAttributes(previous, itemAttributes()).width <= kWidestBackTitle;
            BarText back(std::string(kBackChevron) + (named ? previous : "Back"), itemAttributes());
            double w = back.size.width + 2 * kItemPadding;
            if (left + w + itemsWidth > width - kBarMargin) {
                back = BarText(kBackChevron, itemAttributes());
                w = back.size.width + 4 * kItemPadding;
            }
            auto* button = addSubview(std::make_unique<BackButtonView>(owner, std::move(back)));
            button->setFrame({left, 0, w, height});
            left += w;
        }
        double right = width - kBarMargin;
        for (std::size_t i = 0; i < content.items.size(); ++i) {
            const double w = itemTexts[i].size.width + 2 * kItemPadding;
            auto* view =
                addSubview(std::make_unique<BarButtonView>(content.items[i], std::move(itemTexts[i])));
            view->setFrame({right - w, 0, w, height});
            right -= w;
        }
        // The title is centred on the bar, or moved aside for the buttons, or
        // left out when there is no room for it at all.
        BarText title(content.title, titleAttributes());
        const double titleWidth = title.size.width;
        if (titleWidth <= right - left) {
            const double x = std::clamp((width - titleWidth) / 2, left, right - titleWidth);
            auto* view = addSubview(std::make_unique<BarTitleView>(std::move(title)));
            view->setFrame({x, 0, titleWidth, height});
        }
        shown_ = std::move(content);
    }

private:
    Content shown_;
};

class NavigationRootView : public View {
public:
    explicit NavigationRootView(NavigationController* owner) : owner_(owner) {}
    void layoutSubviews() override { owner_->layoutContent(); }

private:
    NavigationController* owner_;
};

// The topmost view above `view`, whose tree one layout pass solves.
View* treeRoot(View* view) {
    while (view->superview() != nullptr) view = view->superview();
    return view;
}

}  // namespace

const UIBarButtonItem* UIBarButtonItem::from(const View* sender) {
    const auto* button = dynamic_cast<const BarButtonView*>(sender);
    return button != nullptr ? button->item() : nullptr;
}

NavigationController::NavigationController() = default;

NavigationController::~NavigationController() {
    // The screens go first, each taking its view out of our tree.
    while (!stack_.empty()) stack_.pop_back();
}

void NavigationController::loadView() {
    auto root = std::make_unique<NavigationRootView>(this);
    root->setBackgroundColor(UIColor::white());
    bar_ = root->addSubview(std::make_unique<NavigationBarView>());
    setView(std::move(root));
}

ViewController* NavigationController::topViewController() const {
    return stack_.empty() ? nullptr : stack_.back().get();
}

void NavigationController::pushViewController(std::unique_ptr<ViewController> controller) {
    if (!controller) return;
    if (isViewLoaded()) hideTop();
    controller->setNavigationController(this);
    stack_.push_back(std::move(controller));
    if (isViewLoaded()) {
        showTop();
        layoutContent();
        treeRoot(view())->layoutIfNeeded();
    }
}

std::unique_ptr<ViewController> NavigationController::popViewController() {
    if (stack_.size() < 2) return nullptr;
    if (isViewLoaded()) hideTop();
    auto popped = std::move(stack_.back());
    stack_.pop_back();
    popped->setNavigationController(nullptr);
    if (isViewLoaded()) showTop();
    return popped;
}

void NavigationController::hideTop() {
    auto* top = topViewController();
    if (top == nullptr || !top->isViewLoaded() || top->view()->superview() == nullptr) return;
    top->reclaimView(top->view()->removeFromSuperview());
}

void NavigationController::showTop() {
    auto* top = topViewController();
    if (top == nullptr) return;
    // Load first: a screen may set its bar items while its view loads.
    auto content = top->detachViewForEmbedding();
    // The screen goes beneath the bar.
    auto bar = bar_->removeFromSuperview();
    view()->addSubview(std::move(content));
    bar_ = view()->addSubview(std::move(bar));
}

void NavigationController::setContainerSafeAreaInsets(EdgeInsets insets) {
    containerInsets_ = insets;
    if (isViewLoaded()) layoutContent();
}

void NavigationController::layoutContent() {
    View* root = view();
    if (auto* top = topViewController(); top != nullptr && top->view()->superview() == nullptr) showTop();
    const Rect bounds = root->bounds();
    bar_->setFrame({0, containerInsets_.top, bounds.width(), kBarHeight});
    root->setSafeAreaInsets(containerInsets_);
    auto* top = topViewController();
    NavigationBarView::Content content;
    content.width = bounds.width();
    if (top != nullptr) {
        top->view()->setFrame(bounds);
        auto insets = containerInsets_;
        insets.top += kBarHeight;
        top->view()->setSafeAreaInsets(insets);
        content.title = top->navigationItem.title;
        content.items = top->navigationItem.rightBarButtonItems;
        for (const auto& item : content.items)
            content.itemTitles.push_back(item ? item->title : std::nullopt);
        std::erase(content.items, nullptr);
        if (stack_.size() > 1) content.previousTitle = stack_[stack_.size() - 2]->navigationItem.title;
    }
    static_cast<NavigationBarView*>(bar_)->show(this, std::move(content));
}

View* NavigationController::navigationBar() {
    view();
    return bar_;
}

View* NavigationController::backButton() {
    for (const auto& v : navigationBar()->subviews()) {
        if (dynamic_cast<BackButtonView*>(v.get()) != nullptr) return v.get();
    }
    return nullptr;
}

std::vector<View*> NavigationController::rightBarButtonViews() {
    std::vector<View*> views;
    for (const auto& v : navigationBar()->subviews()) {
        if (dynamic_cast<BarButtonView*>(v.get()) != nullptr) views.push_back(v.get());
    }
    return views;
}

void NavigationController::didReceiveMemoryWarning() {
    ViewController::didReceiveMemoryWarning();
    for (const auto& controller : stack_) controller->didReceiveMemoryWarning();
}

}  // namespace platform
