#include "platform/view_controller.hpp"

#include <stdexcept>

#include "platform/navigation_controller.hpp"
#include "platform/storyboard.hpp"

namespace platform {

ViewController::ViewController() = default;

ViewController::~ViewController() {
    // A container that holds our root view would keep a view whose controller
    // is gone; take it out of the tree so that it dies with us.
    if (view_ != nullptr && !ownedView_ && view_->superview() != nullptr) {
        auto view = view_->removeFromSuperview();
        view_ = nullptr;
        view.reset();
    }
}

View* ViewController::view() {
    if (view_ == nullptr) {
        loadView();
        if (view_ == nullptr) setView(std::make_unique<View>());
        viewDidLoad();
    }
    return view_;
}

void ViewController::loadView() {
    auto root = std::make_unique<View>();
    root->setBackgroundColor(UIColor::white());
    setView(std::move(root));
}

void ViewController::setView(std::unique_ptr<View> view) {
    ownedView_ = std::move(view);
    view_ = ownedView_.get();
    if (view_ != nullptr) view_->setViewController(this);
}

Responder* ViewController::nextResponder() const { return view_ != nullptr ? view_->superview() : nullptr; }

std::unique_ptr<View> ViewController::detachViewForEmbedding() {
    view();
    if (!ownedView_) throw std::logic_error("the root view is already embedded in a container");
    return std::move(ownedView_);
}

void ViewController::reclaimView(std::unique_ptr<View> view) {
    if (view.get() != view_) throw std::logic_error("a controller can only take back its own root view");
    ownedView_ = std::move(view);
}

void ViewController::setStoryboard(const Storyboard* storyboard, std::string scene) {
    storyboard_ = storyboard;
    sceneIdentifier_ = std::move(scene);
}

void ViewController::performSegue(const std::string& identifier, Responder* sender) {
    if (storyboard_ == nullptr) {
        throw std::logic_error("performSegue: the controller has no layout resource, so no segue \"" +
                               identifier + "\"");
    }
    const auto* segue = storyboard_->segue(sceneIdentifier_, identifier);
    if (segue == nullptr) {
        throw std::logic_error("performSegue: no segue with identifier \"" + identifier + "\" from scene \"" +
                               sceneIdentifier_ + "\"");
    }
    auto destination = storyboard_->instantiateViewController(segue->destination);
    prepare(UIStoryboardSegue{segue->identifier, this, destination.get()}, sender);
    if (navigationController_ == nullptr) {
        throw std::logic_error("performSegue: \"" + identifier +
                               "\" shows a screen outside a navigation controller");
    }
    navigationController_->pushViewController(std::move(destination));
}

}  // namespace platform
