#pragma once
// The first screen: one big button per screen of the app, as the screen
// layout resource lists them; a button performs its segue.
#include <string>

#include "platform/view_controller.hpp"

namespace radixmender {

inline constexpr const char kMenuAction[] = "showScreenWithSender:";

class Radixmender_Menu_VC : public platform::ViewController {
public:
    void viewDidLoad() override;

    bool respondsToAction(const std::string& selector) const override { return selector == kMenuAction; }
    void performAction(const std::string& selector, platform::View* sender) override;
};

}  // namespace radixmender
