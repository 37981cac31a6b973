#include "screens/form_vc.hpp"

#include "platform/layout.hpp"
#include "records/text.hpp"
#include "screens/universal_engine_vc.hpp"

namespace radixmender {

RadixmenderFormVC::RadixmenderFormVC(std::string segue, std::vector<std::string> info, TextGroups inputs,
                                     TextGroups options)
    : theSegue_(std::move(segue)),
      ownedPadView_(std::make_unique<UniversalIntegerPadView>(
          std::move(info), std::move(inputs), TextGroups{}, TextGroups{}, std::move(options),
          std::vector<std::vector<std::int64_t>>{}, TextGroups{}, platform::Rect{})),
      thePadView_(ownedPadView_.get()) {}

RadixmenderFormVC::~RadixmenderFormVC() {
    thePadView_->dataSource = nullptr;
    thePadView_->delegate = nullptr;
}

void RadixmenderFormVC::viewDidLoad() {
    ViewController::viewDidLoad();
    thePadView_->dataSource = this;
    thePadView_->delegate = this;
    platform::View* root = view();
    platform::pinInsideSafeArea(*root->addSubview(std::move(ownedPadView_)), *root, kScreenInset);
}

void RadixmenderFormVC::didEnterIntegers(const TextGroups& inputs, const TextLists& options,
                                         const TextLists& /*multiLine*/) {
    // The pad only hands over integers and one choice per row; should anything
    // else ever arrive, the screen stays as it is rather than stopping.
    if (!storeEntries(inputs, options)) return;
    performSegue(theSegue_, this);
}

void RadixmenderFormVC::prepare(const platform::UIStoryboardSegue& segue, platform::Responder* /*sender*/) {
    if (!segue.identifier || *segue.identifier != theSegue_) return;
    // The model runs even when the destination cannot show its answer.
    UniversalEngineVC::show(segue.destination, solve());
}

std::optional<std::int64_t> RadixmenderFormVC::entry(const TextGroups& inputs, std::size_t k) {
    if (inputs.empty() || inputs[0].empty() || k >= inputs[0][0].size()) return std::nullopt;
    return parseInteger(inputs[0][0][k]);
}

std::optional<std::string> RadixmenderFormVC::choice(const TextLists& options, std::size_t g) {
    if (g >= options.size() || options[g].empty()) return std::nullopt;
    return options[g][0];
}

std::string RadixmenderFormVC::trimmed(const std::string& option) {
    return dropFirstAndLastCharacter(option);
}

}  // namespace radixmender
