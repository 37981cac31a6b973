#include "input/keyed_pad_view.hpp"

#include <memory>
#include <stdexcept>

#include "input/pad_support.hpp"
#include "platform/button.hpp"
#include "records/checked.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

using platform::UIColor;
using platform::UILabel;
using platform::View;

using pad::at;
using pad::kNil;
using pad::selectorTag;

namespace {

constexpr double kGap = 5;
// Key-grid heights per band of the entry display and per info line.
constexpr double kBandsPerGridHeight = 6.0;
constexpr double kInfoLinesPerGridHeight = 7.5;

bool isDigitKey(const std::string& title) { return title.size() == 1 && title[0] >= '0' && title[0] <= '9'; }

std::string dropLast(const std::string& t) {
    auto chars = characters(t);
    if (!chars.empty()) chars.pop_back();
    std::string out;
    for (const auto& c : chars) out += c;
    return out;
}

std::int64_t groupCount(const TextGroups& g) { return static_cast<std::int64_t>(g.size()); }

}  // namespace

KeyedPadView::KeyedPadView(const std::vector<std::string>& info, const TextGroups& inputs_,
                           const TextGroups& polynomials_, const TextGroups& fractions_,
                           const TextGroups& options_,
                           const std::vector<std::vector<std::int64_t>>& optionsSelections_,
                           const TextGroups& multiLine_, platform::Rect frame)
    : View(frame),
      inputs(inputs_),
      polynomials(polynomials_),
      fractions(fractions_),
      multiLine(multiLine_),
      options(options_) {
    if (!multiLine.empty()) multiLineSelection = viewTag(0, 0, 0, Tag::multi_line);
    if (!inputs.empty()) {
        selection = viewTag(0, 0, 0, Tag::input);
    } else if (!polynomials.empty()) {
        selection = viewTag(0, 0, 0, Tag::polynomial);
    } else if (!fractions.empty()) {
        selection = viewTag(0, 0, 0, Tag::fraction);
    }

    translatesAutoresizingMaskIntoConstraints = false;
    setBackgroundColor(UIColor::clear());
    setHidden(false);

    // The display shows each group as one band, a fraction group as two tiers.
    const std::int64_t rows =
        checkedAdd(checkedAdd(checkedAdd(checkedAdd(groupCount(inputs), checkedMul(2, groupCount(fractions))),
                                         groupCount(polynomials)),
                              groupCount(options)),
                   groupCount(multiLine));
    const double ioMultiplier = static_cast<double>(rows) / kBandsPerGridHeight;
    const double infoMultiplier = static_cast<double>(info.size()) / kInfoLinesPerGridHeight;

    optionsSelections = pad::chosenOptionTags(options, optionsSelections_);

    auto* infoView = addSubview(std::make_unique<UniversalInfoView>(info, frame));
    auto* io = addSubview(std::make_unique<UniversalIntegerIOView>(inputs, polynomials, fractions, options,
                                                                   optionsSelections_, multiLine, frame));
    io->delegate = this;
    auto* grid = addSubview(std::make_unique<UniversalNumericPadView>());
    grid->delegate = this;
    layoutViews(infoView, io, grid, infoMultiplier, ioMultiplier);
}

void KeyedPadView::layoutViews(UniversalInfoView* info, UniversalIntegerIOView* io,
                               UniversalNumericPadView* pad, double infoMultiplier, double ioMultiplier) {
    info->topAnchor().constraint(topAnchor(), 0);
    info->bottomAnchor().constraint(io->topAnchor(), -kGap);
    info->leadingAnchor().constraint(leadingAnchor(), 0);
    info->trailingAnchor().constraint(trailingAnchor(), 0);
    info->heightAnchor().constraint(pad->heightAnchor(), infoMultiplier);
    io->topAnchor().constraint(info->bottomAnchor(), kGap);
    io->bottomAnchor().constraint(pad->topAnchor(), -kGap);
    io->leadingAnchor().constraint(info->leadingAnchor());
    io->trailingAnchor().constraint(info->trailingAnchor());
    io->heightAnchor().constraint(pad->heightAnchor(), ioMultiplier);
    pad->topAnchor().constraint(io->bottomAnchor(), kGap);
    pad->bottomAnchor().constraint(bottomAnchor(), 0);
    pad->leadingAnchor().constraint(info->leadingAnchor());
    pad->trailingAnchor().constraint(info->trailingAnchor());
}

UILabel* KeyedPadView::labelWithTag(std::int64_t tag) { return dynamic_cast<UILabel*>(viewWithTag(tag)); }

UILabel& KeyedPadView::existingLabel(std::int64_t tag) {
    UILabel* label = labelWithTag(tag);
    if (label == nullptr) throw std::runtime_error(kNil);
    return *label;
}

void KeyedPadView::keyPressed(View* sender) {
    auto* button = dynamic_cast<platform::UIButton*>(sender);
    if (button == nullptr || !button->currentTitle()) throw std::runtime_error(kNil);
    const std::string title = *button->currentTitle();
    if (!selection) return;
    UILabel* label = labelWithTag(*selection);
    if (label == nullptr) return;

    if (isDigitKey(title)) {
        digit(*label, title);
    } else if (title == pad::kPoint) {
        point(*label);
    } else if (title == "C") {
        label->setText("0");
    } else if (title == "DEL") {
        erase(*label);
    } else if (title == "+/-") {
        changeSign(*label);
    } else if (title == text::kThinking) {
        handOver();
    } else if (title.empty()) {
        return;
    } else if (title[0] == 'I' || title[0] == 'F' || title[0] == 'P') {
        if (title.rfind(kArrowSelector, 0) == 0) {
            toggleArrow(selectorTag(title, std::string_view(kArrowSelector).size()));
        } else {
            const std::int64_t tag = selectorTag(title, 1);
            if (pad::moveHighlight(*this, tag, *selection)) selection = tag;
        }
    } else if (title[0] == 'O') {
        selectOption(selectorTag(title, 1));
    } else if (title[0] == 'M') {
        const std::int64_t tag = selectorTag(title, 1);
        if (multiLineSelection && pad::moveHighlight(*this, tag, *multiLineSelection))
            multiLineSelection = tag;
    }
}

void KeyedPadView::digit(UILabel& label, const std::string& d) {
    const std::string t = label.text();
    if (!pad::isNegative(t)) {
        if (t == "0") {
            label.setText(d);
            return;
        }
        if (pad::length(t) < digitLimit()) label.setText(t + d);
    } else {
        if (t == pad::kMinusZero) {
            label.setText(text::kHyphenMinus + d);
            return;
        }
        // One character more for the sign, said without risking an overflow of the limit.
        if (pad::length(t) - 1 < digitLimit()) label.setText(t + d);
    }
}

void KeyedPadView::point(UILabel&) {}

std::string KeyedPadView::handedOver(const std::string& shown, Tag) const {
    return shown == pad::kMinusZero ? "0" : shown;
}

void KeyedPadView::erase(UILabel& label) {
    const std::string t = label.text();
    if (!pad::isNegative(t)) {
        label.setText(pad::length(t) <= 1 ? "0" : dropLast(t));
    } else {
        label.setText(pad::length(t) <= 2 ? pad::kMinusZero : dropLast(t));
    }
}

void KeyedPadView::changeSign(UILabel& label) {
    if (!negativesAllowed()) return;
    const std::string t = label.text();
    label.setText(pad::isNegative(t) ? t.substr(std::string_view(text::kHyphenMinus).size())
                                     : text::kHyphenMinus + t);
}

void KeyedPadView::handOver() {
    TextLists chosenOptions;
    for (const auto& group : optionsSelections) {
        std::vector<std::string> texts;
        for (std::int64_t tag : group) texts.push_back(existingLabel(tag).text());
        chosenOptions.push_back(std::move(texts));
    }
    TextLists chosenMultiLine;
    if (multiLineSelection) chosenMultiLine.push_back({existingLabel(*multiLineSelection).text()});

    TextGroups entries;
    auto collect = [&](const TextGroups& groups, Tag kind, bool withArrow) {
        for (std::size_t i = 0; i < groups.size(); ++i) {
            std::vector<std::vector<std::string>> group;
            for (std::size_t j = 0; j < groups[i].size(); ++j) {
                const auto ii = static_cast<std::int64_t>(i), jj = static_cast<std::int64_t>(j);
                const auto n = static_cast<std::int64_t>(groups[i][j].size());
                std::vector<std::string> row;
                for (std::int64_t k = 0; k < n; ++k) {
                    row.push_back(handedOver(existingLabel(viewTag(ii, jj, k, kind)).text(), kind));
                }
                if (withArrow) row.push_back(existingLabel(viewTag(ii, jj, n, kind)).text());
                group.push_back(std::move(row));
            }
            entries.push_back(std::move(group));
        }
    };
    collect(inputs, Tag::input, false);
    collect(polynomials, Tag::polynomial, true);
    collect(fractions, Tag::fraction, false);

    deliver(entries, chosenOptions, chosenMultiLine);
}

void KeyedPadView::toggleArrow(std::int64_t tag) {
    UILabel* arrow = labelWithTag(tag);
    if (arrow == nullptr) return;
    arrow->setText(arrow->text() == text::kArrowDownRight ? text::kArrowUpRight : text::kArrowDownRight);
}

void KeyedPadView::selectOption(std::int64_t tag) {
    const ViewTagIndices idx = viewTagIndices(tag, Tag::option);
    std::int64_t& chosen = at(at(optionsSelections, idx.i), idx.j);
    if (pad::moveHighlight(*this, tag, chosen)) chosen = tag;
}

bool KeyedPadView::respondsToAction(const std::string& selector) const {
    return selector == kKeyPressedAction;
}

void KeyedPadView::performAction(const std::string& selector, View* sender) {
    if (selector == kKeyPressedAction) keyPressed(sender);
}

}  // namespace radixmender
