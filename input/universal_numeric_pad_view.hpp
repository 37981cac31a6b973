#pragma once
// The key grid: four rows of keys (digits, "+/-", "C", "DEL", "." and "🤔")
// that forward every press, unchanged, to the pad that owns the grid. What a
// key does is the pad's business; the grid keeps no entry state.
#include <memory>
#include <string>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "platform/button.hpp"
#include "platform/view.hpp"

namespace radixmender {

class UniversalNumericPadView : public platform::View {
public:
    explicit UniversalNumericPadView(platform::Rect frame = {});

    // The pad that owns this view; not owned.
    PadDataEntryDelegate* delegate = nullptr;

    // Hands the pressed key to the delegate; without one the press is dropped.
    virtual void keyPressed(platform::View* sender);

    // One system button per title, in rows, with the font size and the
    // background at the same row and column, sending `action` up the responder
    // chain on touch-up-inside.
    virtual std::vector<std::vector<std::unique_ptr<platform::UIButton>>> makeKeys(
        const std::vector<std::vector<std::string>>& titles, const std::vector<std::vector<float>>& fontSizes,
        const std::vector<std::vector<platform::UIColor>>& colors, const std::string& action);
    // Stacks the rows in the container, 1 point apart and equally high.
    virtual void layoutRows(const std::vector<platform::View*>& rows, platform::View* container);
    // Lines the keys up in their row, 1 point apart, each as wide as the
    // first key times its width factor.
    virtual void layoutColumns(const std::vector<platform::UIButton*>& keys,
                               const std::vector<float>& widthFactors, platform::View* row);

    bool respondsToAction(const std::string& selector) const override;
    void performAction(const std::string& selector, platform::View* sender) override;
};

}  // namespace radixmender
