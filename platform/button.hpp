#pragma once
// A push button shaped after UIKit's UIButton: a title shown by its title
// label, centred in the bounds, a background, and the actions of UIControl.
// A system button dims its title while a finger is down on it.
#include <optional>
#include <string>

#include "platform/control.hpp"
#include "platform/label.hpp"

namespace platform {

// UIButton.ButtonType raw values.
enum class ButtonType { custom = 0, system = 1 };

// UIControl.State raw values; titles and title colours are kept for the normal state.
enum class ControlState { normal = 0 };

class UIButton : public UIControl {
public:
    explicit UIButton(ButtonType type = ButtonType::system);

    [[nodiscard]] ButtonType buttonType() const { return type_; }

    void setTitle(const std::optional<std::string>& title, ControlState state = ControlState::normal);
    [[nodiscard]] std::optional<std::string> currentTitle() const { return title_; }
    void setTitleColor(UIColor color, ControlState state = ControlState::normal);
    [[nodiscard]] UIColor currentTitleColor() const { return titleColor_; }

    // The label that shows the title; set its font and whether it shrinks here.
    [[nodiscard]] UILabel* titleLabel() const { return titleLabel_; }

    // The title's size in the title label's font.
    [[nodiscard]] Size intrinsicContentSize() const override;

    void setFrame(Rect frame) override;

protected:
    void highlightChanged() override;

private:
    void updateTitleLabel();

    ButtonType type_;
    std::optional<std::string> title_;
    UIColor titleColor_;
    UILabel* titleLabel_;
};

}  // namespace platform
