#pragma once
// Shared pieces of the pad tests: spies for the data source and the delegate,
// the pad of the simplest form screen, and ways to press keys and selectors.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "input/universal_integer_pad_view.hpp"
#include "platform/button.hpp"
#include "platform/label.hpp"
#include "platform/layout.hpp"
#include "records/vocabulary.hpp"
#include "tests/support/screen_width.hpp"

namespace radixmender::testing {

struct SpyDataSource : IntegerDataSource {
    std::int64_t limit = 3;
    bool negatives = true;
    int digitQuestions = 0;
    int signQuestions = 0;
    std::int64_t maximumDigits() override {
        ++digitQuestions;
        return limit;
    }
    bool allowsNegative() override {
        ++signQuestions;
        return negatives;
    }
};

struct Handover {
    TextGroups inputs;
    TextLists options;
    TextLists multiLine;
    bool operator==(const Handover&) const = default;
};

struct SpyDelegate : IntegerDelegate {
    std::vector<Handover> calls;
    void didEnterIntegers(const TextGroups& inputs, const TextLists& options,
                          const TextLists& multiLine) override {
        calls.push_back({inputs, options, multiLine});
    }
};

// A window-sized root with a pad pinned 5 points inside its safe area, laid out.
template <typename Pad>
struct Screen {
    std::unique_ptr<platform::View> window;
    Pad* pad;

    Screen(double w, double h, platform::EdgeInsets insets, std::unique_ptr<Pad> owned)
        : window(std::make_unique<platform::View>(platform::Rect(0, 0, w, h))) {
        window->setSafeAreaInsets(insets);
        pad = window->addSubview(std::move(owned));
        platform::pinInsideSafeArea(*pad, *window, 5);
        window->layoutIfNeeded();
    }
    platform::Rect inWindow(const platform::View* v) const {
        return {v->convertToWindow({0, 0}), v->frame().size};
    }
    platform::Point centre(const platform::View* v) const {
        const platform::Rect r = inWindow(v);
        return {r.midX(), r.midY()};
    }
};

inline const std::string kBefore = " simplify \u221A before ";
inline const std::string kAfter = " simplify \u221A after ";

// The pad of form a/(b√c): two info lines, one row of three entries and one
// row of the two orders.
inline std::unique_ptr<UniversalIntegerPadView> makeFormAPad() {
    return std::make_unique<UniversalIntegerPadView>(
        std::vector<std::string>{" enter a to c of a/(b\u221Ac) ", "\U0001F914 for steps"},
        TextGroups{{{"0", "0", "0"}}}, TextGroups{}, TextGroups{}, TextGroups{{{kBefore, kAfter}}},
        std::vector<std::vector<std::int64_t>>{}, TextGroups{}, platform::Rect{});
}

// The first button below `root` with this title, in subview order.
inline platform::UIButton* findButton(platform::View* root, const std::string& title) {
    if (auto* b = dynamic_cast<platform::UIButton*>(root); b != nullptr && b->currentTitle() == title)
        return b;
    for (const auto& s : root->subviews())
        if (auto* found = findButton(s.get(), title)) return found;
    return nullptr;
}

// Taps the key or selector with this title (a release inside the button).
inline void press(platform::View* pad, const std::string& title) {
    platform::UIButton* b = findButton(pad, title);
    ASSERT_NE(b, nullptr) << title;
    platform::tap(*b);
}

inline platform::UILabel* labelAt(platform::View* pad, std::int64_t tag) {
    return dynamic_cast<platform::UILabel*>(pad->viewWithTag(tag));
}

inline std::string textAt(platform::View* pad, std::int64_t tag) {
    platform::UILabel* l = labelAt(pad, tag);
    return l != nullptr ? l->text() : "<no label>";
}

}  // namespace radixmender::testing
