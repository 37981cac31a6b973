#include "input/universal_numeric_pad_view.hpp"

#include "records/literals.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

using platform::UIButton;
using platform::UIColor;
using platform::View;

UniversalNumericPadView::UniversalNumericPadView(platform::Rect frame) : View(frame) {
    translatesAutoresizingMaskIntoConstraints = false;
    setBackgroundColor(UIColor::clear());

    auto container = std::make_unique<View>();
    container->translatesAutoresizingMaskIntoConstraints = false;
    container->setBackgroundColor(UIColor::clear());

    const double base = basePointSize();
    const auto fontSize = static_cast<float>(base);
    const auto thinkingFontSize = static_cast<float>(base * kLayOut::padFactor);
    const UIColor key = UIColor::lightGray();
    const std::vector<std::vector<std::string>> titles = {
        {"7", "8", "9", "+/-"}, {"4", "5", "6", "C"}, {"1", "2", "3", "DEL"}, {"0", ".", text::kThinking}};
    const std::vector<std::vector<float>> sizes = {{fontSize, fontSize, fontSize, fontSize},
                                                   {fontSize, fontSize, fontSize, fontSize},
                                                   {fontSize, fontSize, fontSize, fontSize},
                                                   {fontSize, fontSize, thinkingFontSize}};
    const std::vector<std::vector<UIColor>> colors = {
        {key, key, key, key}, {key, key, key, key}, {key, key, key, key}, {key, key, key}};
    const std::vector<std::vector<float>> widthFactors = {
        {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 0.5f, 0.5f}};

    auto keys = makeKeys(titles, sizes, colors, kKeyPressedAction);

    std::vector<View*> rows;
    for (std::size_t r = 0; r < keys.size(); ++r) {
        auto row = std::make_unique<View>();
        row->translatesAutoresizingMaskIntoConstraints = false;
        std::vector<UIButton*> rowKeys;
        for (auto& k : keys[r]) rowKeys.push_back(row->addSubview(std::move(k)));
        layoutColumns(rowKeys, widthFactors[r], row.get());
        rows.push_back(container->addSubview(std::move(row)));
    }
    View* c = addSubview(std::move(container));
    layoutRows(rows, c);

    c->topAnchor().constraint(topAnchor(), 0);
    c->bottomAnchor().constraint(bottomAnchor(), 0);
    c->leadingAnchor().constraint(leadingAnchor(), 0);
    c->trailingAnchor().constraint(trailingAnchor(), 0);
}

void UniversalNumericPadView::keyPressed(View* sender) {
    if (delegate != nullptr) delegate->keyPressed(sender);
}

std::vector<std::vector<std::unique_ptr<UIButton>>> UniversalNumericPadView::makeKeys(
    const std::vector<std::vector<std::string>>& titles, const std::vector<std::vector<float>>& fontSizes,
    const std::vector<std::vector<UIColor>>& colors, const std::string& action) {
    std::vector<std::vector<std::unique_ptr<UIButton>>> keys;
    for (std::size_t r = 0; r < titles.size(); ++r) {
        std::vector<std::unique_ptr<UIButton>> row;
        for (std::size_t c = 0; c < titles[r].size(); ++c) {
            auto button = std::make_unique<UIButton>(platform::ButtonType::system);
            button->setTitle(titles[r][c], platform::ControlState::normal);
            button->titleLabel()->setFont(platform::UIFont::systemFont(fontSizes.at(r).at(c)));
            button->translatesAutoresizingMaskIntoConstraints = false;
            button->setBackgroundColor(colors.at(r).at(c));
            button->setTitleColor(UIColor::black(), platform::ControlState::normal);
            button->addTarget(nullptr, action, platform::ControlEvent::touchUpInside);
            row.push_back(std::move(button));
        }
        keys.push_back(std::move(row));
    }
    return keys;
}

void UniversalNumericPadView::layoutRows(const std::vector<View*>& rows, View* container) {
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        View* row = rows[i];
        if (i == 0) {
            row->topAnchor().constraint(container->topAnchor(), 0);
        } else {
            row->topAnchor().constraint(rows[i - 1]->bottomAnchor(), 1);
        }
        if (i == n - 1) {
            row->bottomAnchor().constraint(container->bottomAnchor(), 0);
        } else {
            row->bottomAnchor().constraint(rows[i + 1]->topAnchor(), -1);
        }
        row->leadingAnchor().constraint(container->leadingAnchor());
        row->trailingAnchor().constraint(container->trailingAnchor());
        row->heightAnchor().constraint(rows[0]->heightAnchor());
    }
}

void UniversalNumericPadView::layoutColumns(const std::vector<UIButton*>& keys,
                                            const std::vector<float>& widthFactors, View* row) {
    const std::size_t m = keys.size();
    for (std::size_t j = 0; j < m; ++j) {
        UIButton* key = keys[j];
        key->topAnchor().constraint(row->topAnchor());
        key->bottomAnchor().constraint(row->bottomAnchor());
        if (j == 0) {
            key->leadingAnchor().constraint(row->leadingAnchor(), 0);
        } else {
            key->leadingAnchor().constraint(keys[j - 1]->trailingAnchor(), 1);
        }
        if (j == m - 1) {
            key->trailingAnchor().constraint(row->trailingAnchor(), 0);
        } else {
            key->trailingAnchor().constraint(keys[j + 1]->leadingAnchor(), -1);
        }
        key->widthAnchor().constraint(keys[0]->widthAnchor(), static_cast<double>(widthFactors.at(j)));
    }
}

bool UniversalNumericPadView::respondsToAction(const std::string& selector) const {
    return selector == kKeyPressedAction;
}

void UniversalNumericPadView::performAction(const std::string& selector, View* sender) {
    if (selector == kKeyPressedAction) keyPressed(sender);
}

}  // namespace radixmender
