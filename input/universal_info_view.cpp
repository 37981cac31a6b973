#include "input/universal_info_view.hpp"

#include <memory>

#include "platform/label.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

using platform::UIColor;
using platform::UILabel;

namespace {
// A touch heavier than regular, as the entry labels have it.
constexpr double kInfoFontWeight = 0.1;
}  // namespace

UniversalInfoView::UniversalInfoView(const std::vector<std::string>& info, platform::Rect frame)
    : View(frame) {
    translatesAutoresizingMaskIntoConstraints = false;
    setBackgroundColor(UIColor::clear());
    setHidden(false);

    const double fontSize = basePointSize();
    std::vector<UILabel*> labels;
    for (const auto& line : info) {
        auto label = std::make_unique<UILabel>();
        label->translatesAutoresizingMaskIntoConstraints = false;
        label->setBackgroundColor(UIColor::white());
        label->setFont(platform::UIFont::systemFont(fontSize, kInfoFontWeight));
        label->setAdjustsFontSizeToFitWidth(true);
        label->setBaselineAdjustment(platform::BaselineAdjustment::alignCenters);
        label->setTextColor(UIColor::black());
        label->setTextAlignment(platform::TextAlignment::center);
        label->setText(line);
        label->setNumberOfLines(1);
        labels.push_back(addSubview(std::move(label)));
    }

    const std::size_t n = labels.size();
    for (std::size_t i = 0; i < n; ++i) {
        UILabel* label = labels[i];
        label->topAnchor().constraint(i == 0 ? topAnchor() : labels[i - 1]->bottomAnchor(), 0);
        label->bottomAnchor().constraint(i == n - 1 ? bottomAnchor() : labels[i + 1]->topAnchor(), 0);
        label->leadingAnchor().constraint(leadingAnchor(), 0);
        label->trailingAnchor().constraint(trailingAnchor(), 0);
        label->heightAnchor().constraint(labels[0]->heightAnchor());
    }
}

}  // namespace radixmender
