#pragma once
// The controller of one screen: it owns its root view, loads it lazily and
// takes part in the responder chain after that view.
#include <memory>
#include <string>

#include "platform/view.hpp"

namespace platform {

class ViewController : public Responder {
public:
    ViewController();
    ~ViewController() override;
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    // The root view, created by `loadView` and followed by `viewDidLoad` on first use.
    View* view();
    [[nodiscard]] bool isViewLoaded() const { return view_ != nullptr; }

    virtual void loadView();
    virtual void viewDidLoad() {}

    // After the root view comes the view's superview.
    Responder* nextResponder() const override;

protected:
    void setView(std::unique_ptr<View> view);

private:
    std::unique_ptr<View> view_;
};

}  // namespace platform
