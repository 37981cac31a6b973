#include "screens/radixmender_menu_vc.hpp"

#include "platform/button.hpp"
#include "platform/storyboard.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

namespace {
constexpr double kInset = 5;
}

void Radixmender_Menu_VC::viewDidLoad() {
    ViewController::viewDidLoad();
    const auto* layout = storyboard();
    const auto* scene = layout != nullptr ? layout->scene(sceneIdentifier()) : nullptr;
    if (scene == nullptr || scene->buttons.empty()) return;

    auto* root = view();
    const auto guide = root->safeAreaLayoutGuide();
    const double size = basePointSize();
    platform::UIButton* previous = nullptr;
    for (const auto& entry : scene->buttons) {
        auto* button = root->addSubview(std::make_unique<platform::UIButton>(platform::ButtonType::system));
        button->translatesAutoresizingMaskIntoConstraints = false;
        button->setTitle(entry.title);
        button->setTitleColor(platform::UIColor::black());
        button->titleLabel()->setFont(platform::UIFont::systemFont(size));
        button->titleLabel()->setAdjustsFontSizeToFitWidth(true);
        button->setBackgroundColor(platform::UIColor::lightGray());
        button->addTarget(this, kMenuAction, platform::ControlEvent::touchUpInside);
        // A column of equal tiles with 5-point gaps.
        button->leadingAnchor().constraint(guide.leadingAnchor(), kInset);
        button->trailingAnchor().constraint(guide.trailingAnchor(), -kInset);
        if (previous == nullptr) {
            button->topAnchor().constraint(guide.topAnchor(), kInset);
        } else {
            button->topAnchor().constraint(previous->bottomAnchor(), kInset);
            button->heightAnchor().constraint(previous->heightAnchor());
        }
        previous = button;
    }
    previous->bottomAnchor().constraint(guide.bottomAnchor(), -kInset);
}

void Radixmender_Menu_VC::performAction(const std::string& selector, platform::View* sender) {
    const auto* button = dynamic_cast<platform::UIButton*>(sender);
    if (selector != kMenuAction || button == nullptr || !button->currentTitle()) return;
    const auto* scene = storyboard()->scene(sceneIdentifier());
    for (const auto& entry : scene->buttons) {
        if (entry.title == *button->currentTitle()) {
            performSegue(entry.segue, this);
            return;
        }
    }
}

}  // namespace radixmender
