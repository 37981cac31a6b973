#include "input/universal_integer_practice_io_view.hpp"

#include "input/pad_support.hpp"
#include "records/literals.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

using platform::UIButton;
using platform::UIColor;
using platform::UILabel;
using platform::View;

using pad::at;

namespace {

constexpr double kCellGap = 5;        // between example lines
constexpr double kExampleGap = 10;    // between the last band and the first example line
constexpr double kThinkingGap = 5;    // between the last example line and the "🤔" key
constexpr double kThinkingCells = 2;  // the "🤔" key is two cells high
constexpr float kThinkingFontSize = 120;

std::int64_t signedIndex(std::size_t i) { return static_cast<std::int64_t>(i); }

}  // namespace

UniversalIntegerPracticeIOView::UniversalIntegerPracticeIOView(
    const TextGroups& multiLine, const TextGroups& options,
    const std::vector<std::vector<std::int64_t>>& optionsSelections, const std::vector<std::string>& levels,
    const std::vector<std::string>& examples, platform::Rect frame)
    : View(frame) {
    translatesAutoresizingMaskIntoConstraints = false;
    setBackgroundColor(UIColor::clear());
    const auto fontSize = static_cast<float>(basePointSize());

    // The levels are one group of one row.
    const TextGroups levelGroups = levels.empty() ? TextGroups{} : TextGroups{{levels}};
    SelectorCells cells = makeSelectorCells({{&multiLine, Tag::multi_line, kMultiLineSelector},
                                             {&options, Tag::option, kOptionSelector},
                                             {&levelGroups, Tag::level, kLevelSelector}},
                                            optionsSelections, fontSize, &makeLabel);

    // Labels over buttons: they hide the titles and let taps through to them.
    for (auto& b : cells.ownedButtons) addSubview(std::move(b));
    for (auto& l : cells.ownedLabels) addSubview(std::move(l));

    std::vector<UILabel*> exampleLabels;
    for (std::size_t n = 0; n < examples.size(); ++n) {
        exampleLabels.push_back(addSubview(
            makeLabel(examples[n], viewTag(0, 0, signedIndex(n), Tag::example), UIColor::white(), fontSize)));
    }

    UIButton* thinking = addSubview(UniversalIntegerIOView::makeButton(text::kThinking, UIColor::clear(),
                                                                       kKeyPressedAction, kThinkingFontSize));
    layout(cells.buttons, cells.labels, exampleLabels, thinking);
}

void UniversalIntegerPracticeIOView::keyPressed(View* sender) {
    if (delegate != nullptr) delegate->keyPressed(sender);
}

std::unique_ptr<UILabel> UniversalIntegerPracticeIOView::makeLabel(const std::string& attributedText,
                                                                   std::int64_t tag, UIColor background,
                                                                   float fontSize) {
    auto label = std::make_unique<UILabel>();
    label->setFont(platform::UIFont::systemFont(static_cast<double>(fontSize)));
    label->setTextColor(UIColor::black());
    label->setBackgroundColor(background);
    label->setTextAlignment(platform::TextAlignment::center);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setAttributedText(attributedText);
    label->setTag(tag);
    label->translatesAutoresizingMaskIntoConstraints = false;
    return label;
}

void UniversalIntegerPracticeIOView::layout(const CellGroups<UIButton>& buttons,
                                            const CellGroups<UILabel>& labels,
                                            const std::vector<UILabel*>& examples, UIButton* thinking) {
    const std::size_t n = buttons.size();
    const std::size_t e = examples.size();
    // Every height hangs on the first cell, and the key on the example lines.
    if (n == 0 || e == 0) return;

    auto anchorCell = [&](std::size_t i) { return at(at(at(buttons, i), 0), 0); };
    UIButton* reference = anchorCell(0);
    layoutRegularBands(*this, buttons, labels, n, examples[0]->topAnchor(), -kExampleGap);

    for (std::size_t m = 0; m < e; ++m) {
        UILabel* line = examples[m];
        if (m == 0) {
            line->topAnchor().constraint(anchorCell(n - 1)->bottomAnchor(), kExampleGap);
        } else {
            line->topAnchor().constraint(examples[m - 1]->bottomAnchor(), kCellGap);
        }
        if (m == e - 1) {
            line->bottomAnchor().constraint(thinking->topAnchor(), -kThinkingGap);
        } else {
            line->bottomAnchor().constraint(examples[m + 1]->topAnchor(), -kCellGap);
        }
        line->leadingAnchor().constraint(leadingAnchor(), 0);
        line->trailingAnchor().constraint(trailingAnchor(), 0);
        line->heightAnchor().constraint(reference->heightAnchor());
    }

    // The key's width is left to its title.
    thinking->topAnchor().constraint(examples[e - 1]->bottomAnchor(), kThinkingGap);
    thinking->bottomAnchor().constraint(bottomAnchor(), 0);
    thinking->centerXAnchor().constraint(centerXAnchor());
    thinking->heightAnchor().constraint(reference->heightAnchor(), kThinkingCells);
}

bool UniversalIntegerPracticeIOView::respondsToAction(const std::string& selector) const {
    return selector == kKeyPressedAction;
}

void UniversalIntegerPracticeIOView::performAction(const std::string& selector, View* sender) {
    if (selector == kKeyPressedAction) keyPressed(sender);
}

}  // namespace radixmender
