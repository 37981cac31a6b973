#pragma once
// The entry display of the integer pad: one tagged label per entry, option
// and multi-line text, each lying over a transparent selector button titled
// with its kind letter and tag. Labels take no touches, so a tap on a label
// reaches its selector, which goes to the delegate (the pad); the pad alone
// rewrites the labels afterwards.
//
// Groups become horizontal bands stacked top to bottom in the order
// multi-line, option, input, polynomial, fraction; a fraction group is a band
// of two tiers.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "platform/button.hpp"
#include "platform/label.hpp"
#include "platform/view.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

template <typename T>
using CellGroups = std::vector<std::vector<std::vector<T*>>>;

// One kind of selector cell: its text groups, the tag kind and the title letter.
struct SelectorKind {
    const TextGroups* groups;
    Tag tag;
    const char* letter;
};

// The cells of an entry display, built but not yet added as subviews.
struct SelectorCells {
    std::vector<std::unique_ptr<platform::UIButton>> ownedButtons;
    std::vector<std::unique_ptr<platform::UILabel>> ownedLabels;
    CellGroups<platform::UIButton> buttons;
    CellGroups<platform::UILabel> labels;
};

using SelectorLabelMaker = std::unique_ptr<platform::UILabel> (*)(const std::string& text, std::int64_t tag,
                                                                  platform::UIColor background,
                                                                  float fontSize);

// Both displays' cells, kind by kind, group by group, row by row: a label over
// a transparent selector titled letter + tag. The first cell of the first row
// of the first group starts green, except for options, which start green where
// `optionsSelections` says (the first of every row when it is empty); a
// polynomial row ends with a cyan arrow cell.
SelectorCells makeSelectorCells(const std::vector<SelectorKind>& kinds,
                                const std::vector<std::vector<std::int64_t>>& optionsSelections,
                                float fontSize, SelectorLabelMaker makeLabel);

// Places the first `count` groups of cells as bands of one cell high, the
// rows of a band side by side, 10 points apart, and the cells of a row 5
// points apart; a band hangs 5 points under the band above (or from the top
// of `display`) and reaches 5 points above the next, or to `bottom` plus
// `bottomConstant` when it is the last group of all. Every cell is as wide as
// its band's first and as high as the first cell of all; every label lies on
// its button.
void layoutRegularBands(platform::View& display, const CellGroups<platform::UIButton>& buttons,
                        const CellGroups<platform::UILabel>& labels, std::size_t count,
                        const platform::LayoutYAxisAnchor& bottom, double bottomConstant);

class UniversalIntegerIOView : public platform::View {
public:
    // optionsSelections: per option group and row, the column of the option
    // chosen at the start; empty chooses the first option of every row.
    UniversalIntegerIOView(const TextGroups& inputs, const TextGroups& polynomials,
                           const TextGroups& fractions, const TextGroups& options,
                           const std::vector<std::vector<std::int64_t>>& optionsSelections,
                           const TextGroups& multiLine, platform::Rect frame);

    // The pad that owns this view; not owned.
    PadDataEntryDelegate* delegate = nullptr;

    // Hands the tapped selector to the delegate; without one the tap is dropped.
    virtual void keyPressed(platform::View* sender);

    // A selector button: a system button with the title in the regular system
    // font of `fontSize`, shrinking to fit, black on `background`, sending
    // `action` up the responder chain (no target) on touch-up-inside. The
    // practice display builds its selectors with it too.
    static std::unique_ptr<platform::UIButton> makeButton(const std::string& title,
                                                          platform::UIColor background,
                                                          const std::string& action, float fontSize);
    // An entry label: centred black text in the system font of `fontSize` at
    // weight 0.1, shrinking to fit on its baseline, one line, tagged.
    static std::unique_ptr<platform::UILabel> makeLabel(const std::string& text, std::int64_t tag,
                                                        platform::UIColor background, float fontSize);
    // Places the cells in bands (the last `fractionGroupCount` groups are
    // fraction groups) and pins every label to its button.
    void layout(const CellGroups<platform::UIButton>& buttons, const CellGroups<platform::UILabel>& labels,
                std::size_t fractionGroupCount);

    bool respondsToAction(const std::string& selector) const override;
    void performAction(const std::string& selector, platform::View* sender) override;
};

}  // namespace radixmender
