#include "platform/button.hpp"

#include <memory>

namespace platform {

namespace {
// A system button's title colour, and how much of it shows while pressed.
const UIColor kSystemTint{0, 122.0 / 255, 1, 1};
constexpr double kHighlightedAlpha = 0.2;
}  // namespace

UIButton::UIButton(ButtonType type)
    : type_(type),
      titleColor_(type == ButtonType::system ? kSystemTint : UIColor::white()),
      titleLabel_(addSubview(std::make_unique<UILabel>())) {
    titleLabel_->setTextAlignment(TextAlignment::center);
    titleLabel_->setFont(UIFont::systemFont(type == ButtonType::system ? 15 : 18));
    updateTitleLabel();
}

void UIButton::setTitle(const std::optional<std::string>& title, ControlState /*state*/) {
    title_ = title;
    updateTitleLabel();
}

void UIButton::setTitleColor(UIColor color, ControlState /*state*/) {
    titleColor_ = color;
    updateTitleLabel();
}

Size UIButton::intrinsicContentSize() const {
    const Size s = titleLabel_->intrinsicContentSize();
    return {s.width, std::max(s.height, titleLabel_->font().lineHeight())};
}

void UIButton::setFrame(Rect frame) {
    View::setFrame(frame);
    titleLabel_->setFrame(bounds());
}

void UIButton::highlightChanged() { updateTitleLabel(); }

void UIButton::updateTitleLabel() {
    titleLabel_->setText(title_.value_or(""));
    UIColor c = titleColor_;
    if (isHighlighted() && type_ == ButtonType::system) c.a *= kHighlightedAlpha;
    titleLabel_->setTextColor(c);
}

}  // namespace platform
