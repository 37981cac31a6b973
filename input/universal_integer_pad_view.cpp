#include "input/universal_integer_pad_view.hpp"

#include "input/pad_support.hpp"

namespace radixmender {

std::int64_t UniversalIntegerPadView::digitLimit() { return pad::required(dataSource).maximumDigits(); }

bool UniversalIntegerPadView::negativesAllowed() { return pad::required(dataSource).allowsNegative(); }

void UniversalIntegerPadView::deliver(const TextGroups& entries, const TextLists& chosenOptions,
                                      const TextLists& chosenMultiLine) {
    if (delegate != nullptr) delegate->didEnterIntegers(entries, chosenOptions, chosenMultiLine);
}

}  // namespace radixmender
