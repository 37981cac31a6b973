#pragma once
// A one-line text view shaped after UIKit's UILabel: the text is centred (or
// aligned) in the bounds, shrunk to fit the width when asked, otherwise cut
// short with "…"; it never wraps. Labels take no touches, so a tap on a label
// reaches whatever lies beneath it.
#include <string>

#include "platform/font.hpp"
#include "platform/view.hpp"

namespace platform {

// NSTextAlignment raw values.
enum class TextAlignment { left = 0, center = 1, right = 2 };

// UIBaselineAdjustment raw values: where a shrunk text sits vertically.
enum class BaselineAdjustment {
    alignBaselines = 0,  // on the baseline the unshrunk text would have
    alignCenters = 1,    // centred in the bounds
    none = 2,            // top at the unshrunk text's top
};

class UILabel : public View {
public:
    explicit UILabel(Rect frame = {});

    // An empty text stands for no text.
    [[nodiscard]] const std::string& text() const { return text_; }
    void setText(const std::string& text);
    // The system's attributed texts carry no attributes of their own, so an
    // attributed text is its plain string shown in the label's font and colour.
    [[nodiscard]] const std::string& attributedText() const { return text_; }
    void setAttributedText(const std::string& text) { setText(text); }

    [[nodiscard]] const UIFont& font() const { return font_; }
    void setFont(const UIFont& font);
    [[nodiscard]] UIColor textColor() const { return textColor_; }
    void setTextColor(UIColor color);
    [[nodiscard]] TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    // Only one line is ever drawn, whatever the count.
    [[nodiscard]] int numberOfLines() const { return numberOfLines_; }
    void setNumberOfLines(int lines) { numberOfLines_ = lines; }
    [[nodiscard]] bool adjustsFontSizeToFitWidth() const { return adjustsFontSize_; }
    void setAdjustsFontSizeToFitWidth(bool adjusts);
    [[nodiscard]] BaselineAdjustment baselineAdjustment() const { return baselineAdjustment_; }
    void setBaselineAdjustment(BaselineAdjustment adjustment);

    // The size of the text in the label's font.
    [[nodiscard]] Size intrinsicContentSize() const override;

    // Where and how the text goes in the current bounds: the shown text (cut
    // short when it does not fit and may not shrink), its font (shrunk when it
    // may), the top-left of its line box and its size. Measures, never draws.
    struct TextPlacement {
        std::string text;
        UIFont font;
        Point topLeft;
        Size size;
    };
    [[nodiscard]] TextPlacement textPlacement() const;

    void draw(Rect rect) override;

private:
    std::string text_;
    UIFont font_ = UIFont::systemFont(17);
    UIColor textColor_ = UIColor::black();
    TextAlignment alignment_ = TextAlignment::left;
    int numberOfLines_ = 1;
    bool adjustsFontSize_ = false;
    BaselineAdjustment baselineAdjustment_ = BaselineAdjustment::alignBaselines;
};

}  // namespace platform
