#pragma once
// The device the program runs on. The model text can be set for tests (and
// is "iPhone" by default, since the window opens phone-sized).
#include <string>

namespace platform {

class UIDevice {
public:
    static UIDevice& current();
    [[nodiscard]] const std::string& model() const { return model_; }
    void setModel(std::string model) { model_ = std::move(model); }

private:
    UIDevice() = default;
    std::string model_ = "iPhone";
};

}  // namespace platform
