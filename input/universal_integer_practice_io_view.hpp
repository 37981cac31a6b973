#pragma once
// The entry display of the practice pad. It shows no typed entries: only the
// option rows, the level marks and any multi-line texts (each a tagged label
// over a transparent selector button, as in the integer pad's display), then
// the lines of the current practice problem and a large "🤔" key of its own.
//
// Top to bottom: one band per multi-line group, per option group and for the
// levels; a 10-point gap; the example lines, full width, one cell high each;
// a 5-point gap; the "🤔" key, two cells high and as wide as its title.
//
// Every tap on a selector or on "🤔" goes to the delegate (the pad); the pad
// keeps the selections and rewrites colours and example lines itself.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "input/universal_integer_io_view.hpp"
#include "platform/button.hpp"
#include "platform/label.hpp"
#include "platform/view.hpp"

namespace radixmender {

// The selector title prefix of a level mark.
inline constexpr char kLevelSelector[] = "L";

class UniversalIntegerPracticeIOView : public platform::View {
public:
    // optionsSelections: per option group and row, the column of the option
    // chosen at the start; empty chooses the first option of every row.
    // levels: the level marks, level 0 first. examples: the problem's lines.
    UniversalIntegerPracticeIOView(const TextGroups& multiLine, const TextGroups& options,
                                   const std::vector<std::vector<std::int64_t>>& optionsSelections,
                                   const std::vector<std::string>& levels,
                                   const std::vector<std::string>& examples, platform::Rect frame);

    // The pad that owns this view; not owned.
    PadDataEntryDelegate* delegate = nullptr;

    // Hands the tapped button to the delegate; without one the tap is dropped.
    virtual void keyPressed(platform::View* sender);

    // A label of this display: centred black text in the regular system font
    // of `fontSize`, shrinking to fit the width, tagged. Line count and
    // baseline keep the platform's defaults.
    static std::unique_ptr<platform::UILabel> makeLabel(const std::string& attributedText, std::int64_t tag,
                                                        platform::UIColor background, float fontSize);

    // Places the bands, the example lines and the "🤔" key (see above); every
    // label is pinned to its button. A display without a band or without an
    // example line is left unplaced.
    void layout(const CellGroups<platform::UIButton>& buttons, const CellGroups<platform::UILabel>& labels,
                const std::vector<platform::UILabel*>& examples, platform::UIButton* thinking);

    bool respondsToAction(const std::string& selector) const override;
    void performAction(const std::string& selector, platform::View* sender) override;
};

}  // namespace radixmender
