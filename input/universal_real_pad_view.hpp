#pragma once
// The decimal pad: the integer pad's twin whose entries may hold one decimal
// point, typed with the key grid's ".". The digit limit counts neither the
// sign, the point nor a zero before the point. Input entries are handed over
// exactly as shown ("-0", "12."); polynomial and fraction entries give "0"
// for "-0", as on the integer pad.
#include <cstdint>
#include <string>
#include <vector>

#include "input/keyed_pad_view.hpp"
#include "input/pad_interfaces.hpp"

namespace radixmender {

class UniversalRealPadView : public KeyedPadView {
public:
    // Built as every keyed pad is.
    using KeyedPadView::KeyedPadView;

    // The screen that sets the limits, and the one that receives the entries; not owned.
    RealDataSource* dataSource = nullptr;
    RealDelegate* delegate = nullptr;

protected:
    std::int64_t digitLimit() override;
    bool negativesAllowed() override;
    void digit(platform::UILabel& label, const std::string& d) override;
    void point(platform::UILabel& label) override;
    std::string handedOver(const std::string& shown, Tag kind) const override;
    void deliver(const TextGroups& entries, const TextLists& chosenOptions,
                 const TextLists& chosenMultiLine) override;
};

}  // namespace radixmender
