#pragma once
// Shared pieces of the pad tests: spies for the data source and the delegate
// (serving the integer and the decimal pads alike), the pad of the simplest
// form screen, ways to press keys and selectors, one harness of random taps
// checked against invariants, and the layout every pad keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <tuple>
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
    std::int64_t maximumDigits() override { return ++digitQuestions, limit; }
    bool allowsNegative() override { return negatives; }
};

// What a pad hands its delegate: the entries, the chosen options and multi-line text.
using Handover = std::tuple<TextGroups, TextLists, TextLists>;

struct SpyDelegate : IntegerDelegate, RealDelegate {
    std::vector<Handover> calls;
    void didEnterIntegers(const TextGroups& in, const TextLists& opt, const TextLists& ml) override {
        calls.push_back({in, opt, ml});
    }
    void didEnterReals(const TextGroups& in, const TextLists& opt, const TextLists& ml) override {
        calls.push_back({in, opt, ml});
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

// Every view below `root`, depth first.
inline std::vector<platform::View*> below(platform::View* root) {
    std::vector<platform::View*> views;
    for (const auto& s : root->subviews()) {
        views.push_back(s.get());
        for (platform::View* v : below(s.get())) views.push_back(v);
    }
    return views;
}

// The first button below `root` with this title.
inline platform::UIButton* findButton(platform::View* root, const std::string& title) {
    for (platform::View* v : below(root))
        if (auto* b = dynamic_cast<platform::UIButton*>(v); b && b->currentTitle() == title) return b;
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

// The labels below `root` with a green background, depth first.
inline std::vector<std::int64_t> greenTags(platform::View* root) {
    std::vector<std::int64_t> tags;
    for (platform::View* v : below(root))
        if (dynamic_cast<platform::UILabel*>(v) && v->backgroundColor() == platform::UIColor::green())
            tags.push_back(v->tag());
    return tags;
}

// Taps at random among `targets` (labels, which let a touch through to their
// selectors, and keys) at their centres, through the window's hit testing and
// the responder chain; `check(target)` before the first tap (target null) and
// after each. The delegate must have been handed something over a hundred times.
template <typename Pad>
void tapAtRandom(const Screen<Pad>& s, const std::vector<platform::View*>& targets, int taps,
                 const SpyDelegate& delegate, const std::function<void(platform::View*)>& check) {
    std::mt19937 rng(20261206);
    check(nullptr);
    for (int n = 0; n < taps && !::testing::Test::HasFatalFailure(); ++n) {
        platform::View* target = targets[rng() % targets.size()];
        const platform::Rect r = s.inWindow(target);
        platform::touchAt(*s.window, {r.midX(), r.midY()});
        check(target);
    }
    EXPECT_GT(delegate.calls.size(), 100u);
}

// The layout every pad keeps: each view inside its parent and not empty,
// siblings of one kind (keys and selectors, labels) apart from one another,
// and no constraint left unsolved.
inline void expectTidy(platform::View* root) {
    const platform::Rect b = root->bounds();
    std::vector<platform::Rect> keys, labels;
    for (const auto& child : root->subviews()) {
        const platform::View* v = child.get();
        const platform::Rect f = v->frame();
        EXPECT_TRUE(f.minX() > -1e-6 && f.minY() > -1e-6 && f.maxX() < b.maxX() + 1e-6 &&
                    f.maxY() < b.maxY() + 1e-6 && f.width() > 0 && f.height() >= 0)
            << "view " << v->tag() << " leaves its parent " << root->tag();
        const bool key = dynamic_cast<const platform::UIButton*>(v) != nullptr;
        if (key || dynamic_cast<const platform::UILabel*>(v)) (key ? keys : labels).push_back(f);
        expectTidy(child.get());
    }
    for (const auto* group : {&keys, &labels})
        for (std::size_t i = 0; i < group->size(); ++i)
            for (std::size_t j = i + 1; j < group->size(); ++j) {
                const platform::Rect p = (*group)[i], q = (*group)[j];
                EXPECT_TRUE(p.maxX() <= q.minX() + 1e-6 || q.maxX() <= p.minX() + 1e-6 ||
                            p.maxY() <= q.minY() + 1e-6 || q.maxY() <= p.minY() + 1e-6 || p == q)
                    << "overlap in " << root->tag();
            }
    EXPECT_TRUE(root->superview() != nullptr || platform::layoutDiagnostics(*root).empty());
}

}  // namespace radixmender::testing
