#include "input/universal_real_pad_view.hpp"

#include "input/pad_support.hpp"
#include "records/literals.hpp"

namespace radixmender {

std::int64_t UniversalRealPadView::digitLimit() { return pad::required(dataSource).maximumDigits(); }

bool UniversalRealPadView::negativesAllowed() { return pad::required(dataSource).allowsNegative(); }

void UniversalRealPadView::digit(platform::UILabel& label, const std::string& d) {
    // Asked on every digit, before the lone zero is looked at.
    const std::int64_t limit = digitLimit();
    const std::string t = label.text();
    const bool negative = pad::isNegative(t);
    const std::string zero = negative ? pad::kMinusZero : "0";
    if (t == zero) {
        label.setText(negative ? text::kHyphenMinus + d : d);
        return;
    }
    // Characters that hold no counted digit: the sign, the point and the zero
    // before the point. Subtracting them, rather than adding them to the
    // limit, cannot overflow whatever the data source answers.
    const std::int64_t uncounted = (negative ? 1 : 0) + (t.find(pad::kPoint) != std::string::npos ? 1 : 0) +
                                   (t.starts_with(zero) ? 1 : 0);
    if (pad::length(t) - uncounted < limit) label.setText(t + d);
}

void UniversalRealPadView::point(platform::UILabel& label) {
    const std::string t = label.text();
    if (t.find(pad::kPoint) == std::string::npos) label.setText(t + pad::kPoint);
}

std::string UniversalRealPadView::handedOver(const std::string& shown, Tag kind) const {
    return kind == Tag::input ? shown : KeyedPadView::handedOver(shown, kind);
}

void UniversalRealPadView::deliver(const TextGroups& entries, const TextLists& chosenOptions,
                                   const TextLists& chosenMultiLine) {
    if (delegate != nullptr) delegate->didEnterReals(entries, chosenOptions, chosenMultiLine);
}

}  // namespace radixmender
