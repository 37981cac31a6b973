#pragma once
// Helpers the pads and their entry displays share: checked access to the
// nested tables they are built from, the tag in a selector title, the
// starting option choices, moving a highlight, and reading entry texts.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "platform/label.hpp"
#include "platform/view.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"
#include "records/vocabulary.hpp"

namespace radixmender::pad {

inline constexpr char kNil[] = "Unexpectedly found nil while unwrapping an Optional value";

// The entry a negative zero shows, and the key and character of the decimal point.
inline constexpr char kMinusZero[] = "-0";
inline constexpr char kPoint[] = ".";

inline bool isNegative(std::string_view t) { return t.starts_with(text::kHyphenMinus); }

// The length of an entry text in characters.
inline std::int64_t length(std::string_view t) { return static_cast<std::int64_t>(characterCount(t)); }

// The data source's answer, or a stop when the screen has set none.
template <typename Source>
Source& required(Source* source) {
    if (source == nullptr) throw std::runtime_error(kNil);
    return *source;
}

// v[i], or std::out_of_range ("Index out of range") for an index outside v,
// negative ones included.
template <typename V, typename I>
decltype(auto) at(V& v, I i) {
    if (std::cmp_less(i, 0) || std::cmp_greater_equal(i, v.size()))
        throw std::out_of_range("Index out of range");
    return v[static_cast<std::size_t>(i)];
}

// The tag in a selector title after its prefix.
inline std::int64_t selectorTag(const std::string& title, std::size_t prefixLength) {
    const auto tag = parseInteger(std::string_view(title).substr(std::min(prefixLength, title.size())));
    if (!tag) throw std::runtime_error(kNil);
    return *tag;
}

// Per option group and row, the view tag of the option chosen at the start:
// the column `chosen` names, or the first when `chosen` is empty. A chosen
// column must name an option of its row: one past the row would leave the
// row without a highlighted choice that any tap could move.
inline std::vector<std::vector<std::int64_t>> chosenOptionTags(
    const TextGroups& options, const std::vector<std::vector<std::int64_t>>& chosen) {
    std::vector<std::vector<std::int64_t>> selections;
    for (std::size_t i = 0; i < options.size(); ++i) {
        std::vector<std::int64_t> tags;
        for (std::size_t j = 0; j < options[i].size(); ++j) {
            const std::int64_t k = chosen.empty() ? 0 : at(at(chosen, i), j);
            static_cast<void>(at(options[i][j], k));  // the column must exist
            tags.push_back(
                viewTag(static_cast<std::int64_t>(i), static_cast<std::int64_t>(j), k, Tag::option));
        }
        selections.push_back(std::move(tags));
    }
    return selections;
}

// Moves the green highlight from the label tagged `current` to the one tagged
// `tag`, both found below `pad`, when the two differ and both exist; true when
// it moved.
inline bool moveHighlight(platform::View& pad, std::int64_t tag, std::int64_t current) {
    if (tag == current) return false;
    auto* next = dynamic_cast<platform::UILabel*>(pad.viewWithTag(tag));
    auto* previous = dynamic_cast<platform::UILabel*>(pad.viewWithTag(current));
    if (next == nullptr || previous == nullptr) return false;
    next->setBackgroundColor(platform::UIColor::green());
    previous->setBackgroundColor(platform::UIColor::white());
    return true;
}

}  // namespace radixmender::pad
