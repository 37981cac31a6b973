#include "input/universal_integer_io_view.hpp"

#include <stdexcept>

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

constexpr double kEntryFontWeight = 0.1;
constexpr double kBandGap = 5;  // between bands, between the tiers of a fraction band, between cells of a row
constexpr double kRowGap = 10;  // between the rows (columns) of one band

template <typename V>
const typename V::value_type& lastOf(const V& v) {
    if (v.empty()) throw std::runtime_error(pad::kNil);
    return v.back();
}

template <typename V>
const typename V::value_type& firstOf(const V& v) {
    if (v.empty()) throw std::runtime_error(pad::kNil);
    return v.front();
}

void pinLabel(UILabel* l, UIButton* b) {
    l->topAnchor().constraint(b->topAnchor());
    l->bottomAnchor().constraint(b->bottomAnchor());
    l->leadingAnchor().constraint(b->leadingAnchor());
    l->trailingAnchor().constraint(b->trailingAnchor());
}

}  // namespace

UniversalIntegerIOView::UniversalIntegerIOView(
    const TextGroups& inputs, const TextGroups& polynomials, const TextGroups& fractions,
    const TextGroups& options, const std::vector<std::vector<std::int64_t>>& optionsSelections,
    const TextGroups& multiLine, platform::Rect frame)
    : View(frame) {
    translatesAutoresizingMaskIntoConstraints = false;
    setBackgroundColor(UIColor::clear());
    const auto fontSize = static_cast<float>(basePointSize());

    SelectorCells cells = makeSelectorCells({{&multiLine, Tag::multi_line, kMultiLineSelector},
                                             {&options, Tag::option, kOptionSelector},
                                             {&inputs, Tag::input, kInputSelector},
                                             {&polynomials, Tag::polynomial, kPolynomialSelector},
                                             {&fractions, Tag::fraction, kFractionSelector}},
                                            optionsSelections, fontSize, &makeLabel);

    // Labels over buttons: they hide the titles and let taps through to them.
    for (auto& b : cells.ownedButtons) addSubview(std::move(b));
    for (auto& l : cells.ownedLabels) addSubview(std::move(l));
    layout(cells.buttons, cells.labels, fractions.size());
}

SelectorCells makeSelectorCells(const std::vector<SelectorKind>& kinds,
                                const std::vector<std::vector<std::int64_t>>& optionsSelections,
                                float fontSize, SelectorLabelMaker makeLabel) {
    SelectorCells cells;
    for (const SelectorKind& kind : kinds) {
        const TextGroups& groups = *kind.groups;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            std::vector<std::vector<UIButton*>> buttonRows;
            std::vector<std::vector<UILabel*>> labelRows;
            for (std::size_t j = 0; j < groups[i].size(); ++j) {
                std::vector<UIButton*> buttonRow;
                std::vector<UILabel*> labelRow;
                auto addCell = [&](const std::string& letter, std::size_t k, const std::string& text,
                                   UIColor background) {
                    const std::int64_t tag =
                        viewTag(static_cast<std::int64_t>(i), static_cast<std::int64_t>(j),
                                static_cast<std::int64_t>(k), kind.tag);
                    cells.ownedButtons.push_back(UniversalIntegerIOView::makeButton(
                        letter + std::to_string(tag), UIColor::clear(), kKeyPressedAction, fontSize));
                    cells.ownedLabels.push_back(makeLabel(text, tag, background, fontSize));
                    buttonRow.push_back(cells.ownedButtons.back().get());
                    labelRow.push_back(cells.ownedLabels.back().get());
                };
                const auto& row = groups[i][j];
                for (std::size_t k = 0; k < row.size(); ++k) {
                    bool chosen = i == 0 && j == 0 && k == 0;
                    if (kind.tag == Tag::option)
                        chosen = optionsSelections.empty()
                                     ? k == 0
                                     : at(at(optionsSelections, i), j) == static_cast<std::int64_t>(k);
                    addCell(kind.letter, k, row[k], chosen ? UIColor::green() : UIColor::white());
                }
                if (kind.tag == Tag::polynomial)
                    addCell(kArrowSelector, row.size(), text::kArrowDownRight, UIColor::cyan());
                buttonRows.push_back(std::move(buttonRow));
                labelRows.push_back(std::move(labelRow));
            }
            cells.buttons.push_back(std::move(buttonRows));
            cells.labels.push_back(std::move(labelRows));
        }
    }
    return cells;
}

void layoutRegularBands(View& display, const CellGroups<UIButton>& buttons, const CellGroups<UILabel>& labels,
                        std::size_t count, const platform::LayoutYAxisAnchor& bottom, double bottomConstant) {
    if (count == 0) return;
    auto anchorCell = [&](std::size_t i) { return at(at(at(buttons, i), 0), 0); };
    UIButton* reference = anchorCell(0);
    for (std::size_t i = 0; i < count; ++i) {
        const auto& rows = buttons[i];
        for (std::size_t j = 0; j < rows.size(); ++j) {
            const auto& row = rows[j];
            for (std::size_t k = 0; k < row.size(); ++k) {
                UIButton* b = row[k];
                if (i == 0) {
                    b->topAnchor().constraint(display.topAnchor(), 0);
                } else {
                    b->topAnchor().constraint(anchorCell(i - 1)->bottomAnchor(), kBandGap);
                }
                if (i + 1 == buttons.size()) {
                    b->bottomAnchor().constraint(bottom, bottomConstant);
                } else {
                    b->bottomAnchor().constraint(anchorCell(i + 1)->topAnchor(), -kBandGap);
                }
                if (k > 0) {
                    b->leadingAnchor().constraint(row[k - 1]->trailingAnchor(), kBandGap);
                } else if (j > 0) {
                    b->leadingAnchor().constraint(lastOf(rows[j - 1])->trailingAnchor(), kRowGap);
                } else {
                    b->leadingAnchor().constraint(display.leadingAnchor(), 0);
                }
                if (k + 1 < row.size()) {
                    b->trailingAnchor().constraint(row[k + 1]->leadingAnchor(), -kBandGap);
                } else if (j + 1 < rows.size()) {
                    b->trailingAnchor().constraint(firstOf(rows[j + 1])->leadingAnchor(), -kRowGap);
                } else {
                    b->trailingAnchor().constraint(display.trailingAnchor(), 0);
                }
                b->widthAnchor().constraint(anchorCell(i)->widthAnchor());
                b->heightAnchor().constraint(reference->heightAnchor());
                pinLabel(at(at(at(labels, i), j), k), b);
            }
        }
    }
}

void UniversalIntegerIOView::keyPressed(View* sender) {
    if (delegate != nullptr) delegate->keyPressed(sender);
}

std::unique_ptr<UIButton> UniversalIntegerIOView::makeButton(const std::string& title, UIColor background,
                                                             const std::string& action, float fontSize) {
    auto button = std::make_unique<UIButton>(platform::ButtonType::system);
    button->setTitle(title, platform::ControlState::normal);
    button->titleLabel()->setFont(platform::UIFont::systemFont(static_cast<double>(fontSize)));
    button->titleLabel()->setAdjustsFontSizeToFitWidth(true);
    button->translatesAutoresizingMaskIntoConstraints = false;
    button->setBackgroundColor(background);
    button->setTitleColor(UIColor::black(), platform::ControlState::normal);
    button->addTarget(nullptr, action, platform::ControlEvent::touchUpInside);
    return button;
}

std::unique_ptr<UILabel> UniversalIntegerIOView::makeLabel(const std::string& text, std::int64_t tag,
                                                           UIColor background, float fontSize) {
    auto label = std::make_unique<UILabel>();
    label->setFont(platform::UIFont::systemFont(static_cast<double>(fontSize), kEntryFontWeight));
    label->setTextColor(UIColor::black());
    label->setBackgroundColor(background);
    label->setTextAlignment(platform::TextAlignment::center);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setBaselineAdjustment(platform::BaselineAdjustment::alignBaselines);
    label->setNumberOfLines(1);
    label->setText(text);
    label->setTag(tag);
    label->translatesAutoresizingMaskIntoConstraints = false;
    return label;
}

void UniversalIntegerIOView::layout(const CellGroups<UIButton>& buttons, const CellGroups<UILabel>& labels,
                                    std::size_t fractionGroupCount) {
    const std::size_t n = buttons.size();
    if (fractionGroupCount > n) throw std::out_of_range("Range requires lowerBound <= upperBound");
    const std::size_t regular = n - fractionGroupCount;
    if (n == 0) return;

    auto anchorCell = [&](std::size_t i) { return at(at(at(buttons, i), 0), 0); };
    auto isFraction = [&](std::size_t i) { return i >= regular; };
    // The edges a band hangs from and reaches down to.
    auto pinTop = [&](UIButton* b, std::size_t i) {
        if (i == 0) {
            b->topAnchor().constraint(topAnchor(), 0);
            return;
        }
        const auto& above = at(at(buttons, i - 1), 0);
        UIButton* bottomCell = isFraction(i - 1) && above.size() == 2 ? above[1] : anchorCell(i - 1);
        b->topAnchor().constraint(bottomCell->bottomAnchor(), kBandGap);
    };
    auto pinBottom = [&](UIButton* b, std::size_t i) {
        if (i == n - 1) {
            b->bottomAnchor().constraint(bottomAnchor(), 0);
        } else {
            b->bottomAnchor().constraint(anchorCell(i + 1)->topAnchor(), -kBandGap);
        }
    };
    UIButton* reference = anchorCell(0);

    layoutRegularBands(*this, buttons, labels, regular, bottomAnchor(), 0);

    // A fraction band: each row is a column of two stacked cells, or of one
    // tall cell beside two stacked cells.
    for (std::size_t i = regular; i < n; ++i) {
        const auto& rows = buttons[i];
        for (std::size_t j = 0; j < rows.size(); ++j) {
            const auto& row = rows[j];
            auto pinLeft = [&](UIButton* b) {
                if (j == 0) {
                    b->leadingAnchor().constraint(leadingAnchor(), 0);
                } else {
                    b->leadingAnchor().constraint(lastOf(rows[j - 1])->trailingAnchor(), kRowGap);
                }
            };
            auto pinRight = [&](UIButton* b) {
                if (j + 1 == rows.size()) {
                    b->trailingAnchor().constraint(trailingAnchor(), 0);
                } else {
                    b->trailingAnchor().constraint(firstOf(rows[j + 1])->leadingAnchor(), -kRowGap);
                }
            };
            const auto& labelRow = at(at(labels, i), j);
            if (row.size() == 2) {
                UIButton* u = row[0];
                UIButton* w = row[1];
                pinTop(u, i);
                u->bottomAnchor().constraint(w->topAnchor(), -kBandGap);
                pinLeft(u);
                pinRight(u);
                pinLabel(at(labelRow, 0), u);
                w->topAnchor().constraint(u->bottomAnchor(), kBandGap);
                pinBottom(w, i);
                w->leadingAnchor().constraint(u->leadingAnchor());
                w->trailingAnchor().constraint(u->trailingAnchor());
                pinLabel(at(labelRow, 1), w);
                u->widthAnchor().constraint(anchorCell(i)->widthAnchor());
                w->widthAnchor().constraint(u->widthAnchor());
                u->heightAnchor().constraint(w->heightAnchor());
                if (regular > 0) anchorCell(i)->heightAnchor().constraint(reference->heightAnchor());
            } else if (row.size() == 3) {
                UIButton* t = row[0];
                UIButton* u = row[1];
                UIButton* w = row[2];
                pinTop(t, i);
                pinBottom(t, i);
                pinLeft(t);
                t->trailingAnchor().constraint(u->leadingAnchor(), -kBandGap);
                pinLabel(at(labelRow, 0), t);
                u->topAnchor().constraint(t->topAnchor());
                u->bottomAnchor().constraint(w->topAnchor(), -kBandGap);
                u->leadingAnchor().constraint(t->trailingAnchor(), kBandGap);
                pinRight(u);
                pinLabel(at(labelRow, 1), u);
                w->topAnchor().constraint(u->bottomAnchor(), kBandGap);
                w->bottomAnchor().constraint(t->bottomAnchor());
                w->leadingAnchor().constraint(u->leadingAnchor());
                w->trailingAnchor().constraint(u->trailingAnchor());
                pinLabel(at(labelRow, 2), w);
                t->widthAnchor().constraint(anchorCell(i)->widthAnchor());
                u->widthAnchor().constraint(t->widthAnchor());
                u->heightAnchor().constraint(w->heightAnchor());
                if (regular > 0) anchorCell(i)->heightAnchor().constraint(reference->heightAnchor(), 2.0);
            }
        }
    }
}

bool UniversalIntegerIOView::respondsToAction(const std::string& selector) const {
    return selector == kKeyPressedAction;
}

void UniversalIntegerIOView::performAction(const std::string& selector, View* sender) {
    if (selector == kKeyPressedAction) keyPressed(sender);
}

}  // namespace radixmender
