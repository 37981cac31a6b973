#include "input/universal_integer_practice_pad_view.hpp"

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

constexpr double kGap = 10;
// The display's cells come two to the "🤔" key; the info strip's lines two to a unit.
constexpr std::int64_t kThinkingCells = 2;
constexpr double kInfoLinesPerUnit = 2.0;

const char kFlush[] = "YES";

std::int64_t countOf(std::size_t n) { return static_cast<std::int64_t>(n); }

}  // namespace

UniversalIntegerPracticePadView::UniversalIntegerPracticePadView(
    const std::vector<std::string>& info, const TextGroups& multiLine, const TextGroups& options,
    const std::vector<std::vector<std::int64_t>>& optionsSelections_, const TextLists& flushOptions_,
    const std::vector<std::string>& levels, const std::vector<std::string>& examples,
    const TextGroups& inputs_, platform::Rect frame)
    : View(frame), inputs(inputs_), flushOptions(flushOptions_) {
    // The display's height is a multiple of the strip's: without a line the
    // multiple has no meaning.
    if (info.empty()) throw std::invalid_argument("a practice pad needs at least one info line");

    translatesAutoresizingMaskIntoConstraints = false;
    setBackgroundColor(UIColor::clear());
    setHidden(false);

    const std::int64_t ioCells = checkedAdd(
        checkedAdd(checkedAdd(countOf(options.size()), countOf(multiLine.size())), countOf(examples.size())),
        kThinkingCells);
    const double ioMultiplier = static_cast<double>(ioCells);
    const double infoMultiplier = static_cast<double>(info.size()) / kInfoLinesPerUnit;

    if (!multiLine.empty()) multiLineSelection = viewTag(0, 0, 0, Tag::multi_line);
    optionsSelections = pad::chosenOptionTags(options, optionsSelections_);
    if (!levels.empty()) levelSelection = viewTag(0, 0, 0, Tag::level);
    exampleNumberOfRows = countOf(examples.size());

    auto* infoView = addSubview(std::make_unique<UniversalInfoView>(info, frame));
    auto* io = addSubview(std::make_unique<UniversalIntegerPracticeIOView>(
        multiLine, options, optionsSelections_, levels, examples, frame));
    io->delegate = this;
    layoutViews(infoView, infoMultiplier, io, ioMultiplier, this);
}

void UniversalIntegerPracticePadView::layoutViews(UniversalInfoView* info, double infoMultiplier,
                                                  UniversalIntegerPracticeIOView* io, double ioMultiplier,
                                                  View* pad) {
    info->topAnchor().constraint(pad->topAnchor());
    info->bottomAnchor().constraint(io->topAnchor(), -kGap);
    info->leadingAnchor().constraint(pad->leadingAnchor());
    info->trailingAnchor().constraint(pad->trailingAnchor());
    io->topAnchor().constraint(info->bottomAnchor(), kGap);
    io->bottomAnchor().constraint(pad->bottomAnchor());
    io->leadingAnchor().constraint(pad->leadingAnchor());
    io->trailingAnchor().constraint(pad->trailingAnchor());
    io->heightAnchor().constraint(info->heightAnchor(), ioMultiplier / infoMultiplier);
}

UILabel* UniversalIntegerPracticePadView::labelWithTag(std::int64_t tag) {
    return dynamic_cast<UILabel*>(viewWithTag(tag));
}

void UniversalIntegerPracticePadView::keyPressed(View* sender) {
    const auto* button = dynamic_cast<const platform::UIButton*>(sender);
    if (button == nullptr || !button->currentTitle()) return;
    const std::string title = *button->currentTitle();

    if (title == text::kThinking) {
        handOver();
    } else if (title.rfind(kOptionSelector, 0) == 0) {
        const std::int64_t tag = selectorTag(title, 1);
        const ViewTagIndices idx = viewTagIndices(tag, Tag::option);
        std::int64_t& chosen = at(at(optionsSelections, idx.i), idx.j);
        if (pad::moveHighlight(*this, tag, chosen)) chosen = tag;
        // A flushing row brings a new problem even when the choice stayed.
        if (!flushOptions.empty() && at(at(flushOptions, idx.i), idx.j) == kFlush) {
            newProblem(checkedSub(levelSelection, static_cast<std::int64_t>(Tag::level)));
        }
    } else if (title.rfind(kLevelSelector, 0) == 0) {
        const std::int64_t tag = selectorTag(title, 1);
        if (pad::moveHighlight(*this, tag, levelSelection)) levelSelection = tag;
        // Always: the level already chosen brings another problem of that level.
        newProblem(checkedSub(tag, static_cast<std::int64_t>(Tag::level)));
    } else if (title.rfind(kMultiLineSelector, 0) == 0) {
        const std::int64_t tag = selectorTag(title, 1);
        if (multiLineSelection && pad::moveHighlight(*this, tag, *multiLineSelection))
            multiLineSelection = tag;
    }
}

TextLists UniversalIntegerPracticePadView::chosenOptions() {
    TextLists texts;
    for (const auto& group : optionsSelections) {
        std::vector<std::string> row;
        for (std::int64_t tag : group) {
            UILabel* label = labelWithTag(tag);
            if (label == nullptr) throw std::runtime_error(kNil);
            row.push_back(label->attributedText());
        }
        texts.push_back(std::move(row));
    }
    return texts;
}

TextLists UniversalIntegerPracticePadView::chosenMultiLine() {
    if (!multiLineSelection) return {};
    UILabel* label = labelWithTag(*multiLineSelection);
    if (label == nullptr) throw std::runtime_error(kNil);
    return {{label->attributedText()}};
}

void UniversalIntegerPracticePadView::newProblem(std::int64_t level) {
    // The screen sets its data source before any tap can arrive; a pad
    // without one keeps the problem it shows.
    if (dataSource == nullptr) return;
    const PracticeExample example = dataSource->practiceExample(level, chosenOptions(), chosenMultiLine());
    inputs = example.second;
    const auto& lines = example.first;
    // A short answer rewrites only the lines it has; the others keep their text.
    for (std::int64_t n = 0; n < exampleNumberOfRows && n < countOf(lines.size()); ++n) {
        UILabel* label = labelWithTag(viewTag(0, 0, n, Tag::example));
        if (label != nullptr) label->setAttributedText(lines[static_cast<std::size_t>(n)]);
    }
}

void UniversalIntegerPracticePadView::handOver() {
    const TextLists options = chosenOptions();
    const TextLists multiLine = chosenMultiLine();
    if (delegate != nullptr) delegate->didEnterIntegers(inputs, options, multiLine);
}

bool UniversalIntegerPracticePadView::respondsToAction(const std::string& selector) const {
    return selector == kKeyPressedAction;
}

void UniversalIntegerPracticePadView::performAction(const std::string& selector, View* sender) {
    if (selector == kKeyPressedAction) keyPressed(sender);
}

}  // namespace radixmender
