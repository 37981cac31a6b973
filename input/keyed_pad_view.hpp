#pragma once
// What the integer pad and the decimal pad share: an info strip, the entry
// display and the key grid stacked top to bottom, the selections, and the
// handling of every key. Everything the pad shows comes from the string
// tables its screen passes in; the entry texts live in the display's labels,
// which the pad finds by their view tags. The pad owns the selection: the
// entry the keys edit, the option chosen in each option row and the chosen
// multi-line text, and on "🤔" hands every text over.
//
// The two pads differ only in their data source and delegate, in what a
// digit and the point do to an entry, and in how an entry is handed over;
// those are the hooks below.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "input/universal_info_view.hpp"
#include "input/universal_integer_io_view.hpp"
#include "input/universal_numeric_pad_view.hpp"
#include "platform/label.hpp"
#include "platform/view.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

class KeyedPadView : public platform::View, public PadDataEntryDelegate {
public:
    // optionsSelections: per option group and row, the column of the option
    // chosen at the start; empty chooses the first option of every row.
    KeyedPadView(const std::vector<std::string>& info, const TextGroups& inputs,
                 const TextGroups& polynomials, const TextGroups& fractions, const TextGroups& options,
                 const std::vector<std::vector<std::int64_t>>& optionsSelections, const TextGroups& multiLine,
                 platform::Rect frame);

    // View tag of the entry label the keys edit.
    std::optional<std::int64_t> selection;
    // The shapes given at construction; the texts themselves live in the labels.
    TextGroups inputs;
    TextGroups polynomials;
    TextGroups fractions;
    // View tag of the chosen multi-line label.
    std::optional<std::int64_t> multiLineSelection;
    TextGroups multiLine;
    // Per option group and row, the view tag of the chosen option label.
    std::vector<std::vector<std::int64_t>> optionsSelections;
    TextGroups options;

    // Edits, selects or hands over, by the title of the tapped button.
    void keyPressed(platform::View* sender) override;

    // Stacks the three parts in the pad with 5-point gaps; their heights
    // follow the key grid's by the two multipliers.
    void layoutViews(UniversalInfoView* info, UniversalIntegerIOView* io, UniversalNumericPadView* pad,
                     double infoMultiplier, double ioMultiplier);

    bool respondsToAction(const std::string& selector) const override;
    void performAction(const std::string& selector, platform::View* sender) override;

protected:
    // The data source's answers, asked afresh each time; a pad whose screen
    // has set no data source stops.
    virtual std::int64_t digitLimit() = 0;
    virtual bool negativesAllowed() = 0;
    // Digit d typed into the selected entry: it replaces a lone zero and
    // otherwise lengthens the entry while it holds fewer digits than the limit.
    virtual void digit(platform::UILabel& label, const std::string& d);
    // The key "."; an integer entry takes no point.
    virtual void point(platform::UILabel& label);
    // The text an entry of this kind, showing `shown`, is handed over as:
    // "-0" goes out as "0".
    virtual std::string handedOver(const std::string& shown, Tag kind) const;
    // Sends the collected texts to the delegate, when there is one.
    virtual void deliver(const TextGroups& entries, const TextLists& chosenOptions,
                         const TextLists& chosenMultiLine) = 0;

private:
    platform::UILabel* labelWithTag(std::int64_t tag);
    platform::UILabel& existingLabel(std::int64_t tag);
    void erase(platform::UILabel& label);
    void changeSign(platform::UILabel& label);
    void handOver();
    void toggleArrow(std::int64_t tag);
    void selectOption(std::int64_t tag);
};

}  // namespace radixmender
