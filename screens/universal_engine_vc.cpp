#include "screens/universal_engine_vc.hpp"

#include <stdexcept>

#include "platform/layout.hpp"

namespace radixmender {

UniversalEngineVC::UniversalEngineVC()
    : ownedEngineView_(std::make_unique<UniversalEngineView>()),
      universalEngineView_(ownedEngineView_.get()) {}

UniversalEngineVC::~UniversalEngineVC() {
    // The view may outlive us in nobody's tree for a moment; it must not call back.
    universalEngineView_->setDataSource(nullptr);
}

void UniversalEngineVC::viewDidLoad() {
    ViewController::viewDidLoad();
    universalEngineView_->setDataSource(this);
    platform::View* root = view();
    platform::pinInsideSafeArea(*root->addSubview(std::move(ownedEngineView_)), *root, kScreenInset);
}

void UniversalEngineVC::show(platform::ViewController* destination, ModelOutput output) {
    auto* viewer = dynamic_cast<UniversalEngineVC*>(destination);
    if (viewer == nullptr) return;
    viewer->setDetailSteps(std::move(output.detailSteps));
    viewer->setDetailComments(std::move(output.detailComments));
    viewer->setDetailParameters(std::move(output.detailParameters));
}

void UniversalEngineVC::didReceiveMemoryWarning() { ViewController::didReceiveMemoryWarning(); }

std::optional<std::int64_t> UniversalEngineVC::numberOfSteps() {
    return static_cast<std::int64_t>(detailSteps_.size());
}

// An output without steps would have the view ask for step 0 of nothing:
// that step is shown empty instead of stopping the program.
Step UniversalEngineVC::step(std::int64_t index) {
    if (detailSteps_.empty() && index == 0) return {};
    if (index < 0 || static_cast<std::size_t>(index) >= detailSteps_.size()) {
        throw std::out_of_range("Index out of range");
    }
    return detailSteps_[static_cast<std::size_t>(index)];
}

Comment UniversalEngineVC::comments(std::int64_t index) {
    if (detailComments_.empty() && detailSteps_.empty() && index == 0) return {};
    if (index < 0 || static_cast<std::size_t>(index) >= detailComments_.size()) {
        throw std::out_of_range("Index out of range");
    }
    return detailComments_[static_cast<std::size_t>(index)];
}

Parameters UniversalEngineVC::parameters() { return detailParameters_; }

}  // namespace radixmender
