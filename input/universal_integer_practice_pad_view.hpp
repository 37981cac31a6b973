#pragma once
// The practice pad: an info strip over the practice entry display. It has no
// key grid and no typed entries; its data source makes the problems. The pad
// owns the selections (the option chosen in each option row, the level, the
// multi-line text) and the entry texts of the problem shown, which it hands
// over unchanged on "🤔". Choosing a level, even the one already chosen,
// brings a new problem of that level; so does any choice in an option row
// marked "YES" in `flushOptions`.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "input/universal_info_view.hpp"
#include "input/universal_integer_practice_io_view.hpp"
#include "platform/label.hpp"
#include "platform/view.hpp"

namespace radixmender {

class UniversalIntegerPracticePadView : public platform::View, public PadDataEntryDelegate {
public:
    // info: at least one line. optionsSelections: per option group and row,
    // the column chosen at the start; empty chooses the first of every row.
    // flushOptions: per option group and row, "YES" where a choice brings a
    // new problem; empty for none. levels and examples: at least one each.
    UniversalIntegerPracticePadView(const std::vector<std::string>& info, const TextGroups& multiLine,
                                    const TextGroups& options,
                                    const std::vector<std::vector<std::int64_t>>& optionsSelections,
                                    const TextLists& flushOptions, const std::vector<std::string>& levels,
                                    const std::vector<std::string>& examples, const TextGroups& inputs,
                                    platform::Rect frame);

    // The screen that makes the problems, and the one that receives them; not owned.
    IntegerPracticeDataSource* dataSource = nullptr;
    IntegerDelegate* delegate = nullptr;
    // View tag of the chosen multi-line label.
    std::optional<std::int64_t> multiLineSelection;
    // Per option group and row, the view tag of the chosen option label.
    std::vector<std::vector<std::int64_t>> optionsSelections;
    // View tag of the chosen level label (5121 + level index).
    std::int64_t levelSelection = 0;
    // The entry texts of the problem shown.
    TextGroups inputs;
    TextLists flushOptions;
    // Kept for its callers' sake; nothing reads it (the lines sit at the example tags).
    std::int64_t exampleRowTagStart = 0;
    // How many example lines a new problem rewrites.
    std::int64_t exampleNumberOfRows = 0;

    // Hands over or selects, by the title of the tapped button.
    void keyPressed(platform::View* sender) override;

    // Stacks the info strip over the display with a 10-point gap; the display
    // is ioMultiplier / infoMultiplier times as high as the strip.
    void layoutViews(UniversalInfoView* info, double infoMultiplier, UniversalIntegerPracticeIOView* io,
                     double ioMultiplier, platform::View* pad);

    bool respondsToAction(const std::string& selector) const override;
    void performAction(const std::string& selector, platform::View* sender) override;

private:
    platform::UILabel* labelWithTag(std::int64_t tag);
    TextLists chosenOptions();
    TextLists chosenMultiLine();
    void newProblem(std::int64_t level);
    void handOver();
};

}  // namespace radixmender
