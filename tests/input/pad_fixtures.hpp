#pragma once
// Shared pieces of the pad tests: spies for the data source and the delegate
// (serving the integer and the decimal pads alike), the pad of the simplest
// form screen, ways to press keys and selectors, and runs of keys checked
// against their expected texts or against invariants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "input/pad_interfaces.hpp"
#include "input/universal_integer_pad_view.hpp"
#include "input/universal_real_pad_view.hpp"
#include "platform/button.hpp"
#include "platform/label.hpp"
#include "platform/layout.hpp"
#include "records/vocabulary.hpp"
#include "tests/support/screen_width.hpp"

namespace radixmender::testing {

struct SpyDataSource : IntegerDataSource, RealDataSource {
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

struct SpyDelegate : IntegerDelegate, RealDelegate {
    std::vector<Handover> calls;
    void didEnterIntegers(const TextGroups& inputs, const TextLists& options,
                          const TextLists& multiLine) override {
        calls.push_back({inputs, options, multiLine});
    }
    void didEnterReals(const TextGroups& inputs, const TextLists& options,
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
template <typename Pad = UniversalIntegerPadView>
std::unique_ptr<Pad> makeFormAPad() {
    return std::make_unique<Pad>(
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

// Whether t reads as a number (-?(0|[1-9][0-9]*), then with `point` an
// optional "." and digits) of at most max(limit, 1) digits, a zero before
// the point not counted.
inline bool readsAsNumber(const std::string& t, std::int64_t limit, bool point) {
    const std::size_t start = t.starts_with('-') ? 1 : 0, dot = std::min(t.find('.'), t.size());
    const std::string whole = t.substr(start, dot - start),
                      digits = whole + t.substr(std::min(dot + 1, t.size()));
    const bool zeroBeforePoint = dot < t.size() && whole == "0";
    return (point || dot == t.size()) && !whole.empty() && (whole == "0" || whole[0] != '0') &&
           digits.find_first_not_of("0123456789") == std::string::npos &&
           std::cmp_less_equal(digits.size() - zeroBeforePoint, std::max<std::int64_t>(limit, 1));
}

// Keys pressed one by one on the first entry of the form pad, each with the
// text that entry shows after it (both lists blank-separated).
struct KeySequence {
    const char* name;
    std::int64_t limit;
    bool negatives;
    const char* keys;
    const char* shown;
};

template <typename Pad>
void pressSequences(const std::vector<KeySequence>& sequences) {
    for (const auto& s : sequences) {
        SCOPED_TRACE(s.name);
        auto pad = makeFormAPad<Pad>();
        SpyDataSource source;
        source.limit = s.limit;
        source.negatives = s.negatives;
        pad->dataSource = &source;
        std::istringstream keys(s.keys), shown(s.shown);
        std::string key, expected;
        while (keys >> key) {
            ASSERT_TRUE(shown >> expected);
            press(pad.get(), key);
            EXPECT_EQ(textAt(pad.get(), 1), expected) << "after " << key;
        }
        EXPECT_EQ(textAt(pad.get(), 2), "0");  // only the selected entry changes
        EXPECT_EQ(textAt(pad.get(), 3), "0");
    }
}

// Ten thousand random keys and selector taps on the form pad; after each one
// every entry reads as a number within the limit (a decimal one on the
// decimal pad), each kind of choice shows exactly one green label that
// matches the pad's selection, the tags stay put, and "🤔" hands the entries
// over as shown, the integer pad's "-0" as "0".
template <typename Pad>
void pressAtRandom(std::int64_t limit) {
    constexpr bool decimal = std::is_same_v<Pad, UniversalRealPadView>;
    SCOPED_TRACE(limit);
    auto pad = makeFormAPad<Pad>();
    SpyDataSource source;
    SpyDelegate delegate;
    source.limit = limit;
    pad->dataSource = &source;
    pad->delegate = &delegate;
    std::vector<platform::UIButton*> buttons;
    for (const char* t : {"0", "1",   "2",   "3", "4",          "5",  "6",  "7",  "8",     "9",
                          "C", "DEL", "+/-", ".", "\U0001F914", "I1", "I2", "I3", "O4097", "O4098"})
        buttons.push_back(findButton(pad.get(), t));
    const std::set<std::int64_t> tags = {1, 2, 3, 4097, 4098};

    std::mt19937 rng(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, buttons.size() - 1);
    for (int n = 0; n < 10000; ++n) {
        platform::UIButton* b = buttons[pick(rng)];
        platform::tap(*b);
        std::set<std::int64_t> seen;
        int greenEntries = 0;
        for (const auto& v : pad->subviews()[1]->subviews()) {
            auto* l = dynamic_cast<platform::UILabel*>(v.get());
            if (l == nullptr) continue;
            seen.insert(l->tag());
            const bool green = l->backgroundColor() == platform::UIColor::green();
            if (l->tag() < 4097) {
                ASSERT_TRUE(readsAsNumber(l->text(), limit, decimal))
                    << l->text() << " after key " << n << " " << *b->currentTitle();
                greenEntries += green;
                ASSERT_EQ(green, l->tag() == pad->selection);
            } else {
                ASSERT_EQ(green, l->tag() == pad->optionsSelections[0][0]);
            }
        }
        ASSERT_EQ(greenEntries, 1);
        ASSERT_EQ(seen, tags);
        if (b->currentTitle() == "\U0001F914") {
            const auto& call = delegate.calls.back();
            for (std::int64_t k = 0; k < 3; ++k) {
                const std::string shown = textAt(pad.get(), k + 1);
                ASSERT_EQ(call.inputs[0][0][static_cast<std::size_t>(k)],
                          !decimal && shown == "-0" ? "0" : shown);
            }
            ASSERT_EQ(call.options[0][0], textAt(pad.get(), pad->optionsSelections[0][0]));
        }
    }
    EXPECT_GT(delegate.calls.size(), 100u);
}

}  // namespace radixmender::testing
