#pragma once
// The integer pad of the form screens: an info strip, the entry display and
// the key grid, editing whole numbers within the digit limit its data source
// sets. It ignores the key "." and hands "-0" over as "0".
#include <cstdint>
#include <string>
#include <vector>

#include "input/keyed_pad_view.hpp"
#include "input/pad_interfaces.hpp"

namespace radixmender {

class UniversalIntegerPadView : public KeyedPadView {
public:
    // Built as every keyed pad is.
    using KeyedPadView::KeyedPadView;

    // The screen that sets the limits, and the one that receives the entries; not owned.
    IntegerDataSource* dataSource = nullptr;
    IntegerDelegate* delegate = nullptr;

protected:
    std::int64_t digitLimit() override;
    bool negativesAllowed() override;
    void deliver(const TextGroups& entries, const TextLists& chosenOptions,
                 const TextLists& chosenMultiLine) override;
};

}  // namespace radixmender
