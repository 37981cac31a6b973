// The anchor solver's rules that the app's own screens never meet: duplicated
// and self-evident constraints, reported (never fatal) conflicts and gaps,
// constraints across trees and destroyed views, and the centring on an
// intrinsic width. Safe areas are checked on the app's own screens.
#include <gtest/gtest.h>

#include <memory>

#include "platform/button.hpp"
#include "platform/label.hpp"
#include "platform/layout.hpp"
#include "platform/view.hpp"

namespace platform {
namespace {

std::unique_ptr<View> makeRoot(double w, double h) { return std::make_unique<View>(Rect(0, 0, w, h)); }

View* addChild(View* parent) {
    auto v = std::make_unique<View>();
    v->translatesAutoresizingMaskIntoConstraints = false;
    return parent->addSubview(std::move(v));
}

void pinEdges(View* v, View* to, double inset) {
    v->topAnchor().constraint(to->topAnchor(), inset);
    v->bottomAnchor().constraint(to->bottomAnchor(), -inset);
    v->leadingAnchor().constraint(to->leadingAnchor(), inset);
    v->trailingAnchor().constraint(to->trailingAnchor(), -inset);
}

void expectFrame(const View* v, Rect expected) {
    const Rect f = v->frame();
    EXPECT_NEAR(f.minX(), expected.minX(), 1e-9);
    EXPECT_NEAR(f.minY(), expected.minY(), 1e-9);
    EXPECT_NEAR(f.width(), expected.width(), 1e-9);
    EXPECT_NEAR(f.height(), expected.height(), 1e-9);
}

// Two equal columns 10 apart, every gap stated from both sides, plus
// tautologies and exact repeats: all of it is accepted silently.
TEST(LayoutSolver, DuplicatedAndSelfEvidentConstraintsAreAccepted) {
    auto root = makeRoot(310, 100);
    View* a = addChild(root.get());
    View* b = addChild(root.get());
    for (int repeat = 0; repeat < 2; ++repeat) {
        a->topAnchor().constraint(root->topAnchor());
        a->bottomAnchor().constraint(root->bottomAnchor());
        b->topAnchor().constraint(a->topAnchor());
        b->bottomAnchor().constraint(a->bottomAnchor());
        a->leadingAnchor().constraint(root->leadingAnchor());
        a->trailingAnchor().constraint(b->leadingAnchor(), -10);
        b->leadingAnchor().constraint(a->trailingAnchor(), 10);
        b->trailingAnchor().constraint(root->trailingAnchor());
        b->widthAnchor().constraint(a->widthAnchor());
        a->widthAnchor().constraint(a->widthAnchor());
        a->heightAnchor().constraint(a->heightAnchor(), 1.0);
    }
    root->layoutIfNeeded();
    expectFrame(a, {0, 0, 150, 100});
    expectFrame(b, {160, 0, 150, 100});
    EXPECT_TRUE(layoutDiagnostics(*root).empty());
    EXPECT_EQ(activeConstraints(*root).size(), 22u);
}

// A centred button whose width no constraint fixes takes its title's width.
TEST(LayoutSolver, UnderdeterminedWidthTakesTheIntrinsicSize) {
    auto root = makeRoot(300, 200);
    auto owned = std::make_unique<UIButton>(ButtonType::system);
    owned->setTitle("Wide title");
    owned->translatesAutoresizingMaskIntoConstraints = false;
    UIButton* button = root->addSubview(std::move(owned));
    button->centerXAnchor().constraint(root->centerXAnchor());
    button->topAnchor().constraint(root->topAnchor(), 10);
    button->bottomAnchor().constraint(root->bottomAnchor(), -10);
    root->layoutIfNeeded();
    const double w = button->intrinsicContentSize().width;
    ASSERT_GT(w, 20);
    expectFrame(button, {150 - w / 2, 10, w, 180});
    EXPECT_TRUE(layoutDiagnostics(*root).empty());
}

// What neither the constraints nor a content size decide keeps the current
// frame, and the pass says so.
TEST(LayoutSolver, UnderdeterminedViewKeepsItsFrameAndIsReported) {
    auto root = makeRoot(300, 200);
    View* v = addChild(root.get());
    v->setFrame({7, 8, 40, 50});
    v->leadingAnchor().constraint(root->leadingAnchor(), 20);
    v->topAnchor().constraint(root->topAnchor(), 30);
    root->layoutIfNeeded();
    expectFrame(v, {20, 30, 40, 50});
    const auto& d = layoutDiagnostics(*root);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_NE(d[0].find("underdetermined horizontal size"), std::string::npos) << d[0];
    EXPECT_NE(d[1].find("underdetermined vertical size"), std::string::npos) << d[1];
}

// A contradiction drops the later constraint, the same way on every pass.
TEST(LayoutSolver, ConflictingConstraintIsDroppedAndReported) {
    auto root = makeRoot(300, 200);
    View* v = addChild(root.get());
    pinEdges(v, root.get(), 0);
    v->leadingAnchor().constraint(root->leadingAnchor(), 10);  // contradicts the pin at 0
    View* w = addChild(root.get());
    pinEdges(w, root.get(), 0);
    w->heightAnchor().constraint(v->heightAnchor(), 2.0);  // 200 = 400
    for (int pass = 0; pass < 2; ++pass) {
        root->layoutIfNeeded();
        expectFrame(v, {0, 0, 300, 200});
        expectFrame(w, {0, 0, 300, 200});
        const auto& d = layoutDiagnostics(*root);
        ASSERT_EQ(d.size(), 2u);
        EXPECT_NE(d[0].find("conflicting"), std::string::npos);
        EXPECT_NE(d[0].find("leading"), std::string::npos) << d[0];
        EXPECT_NE(d[1].find("height"), std::string::npos) << d[1];
    }
}

// Constraints made before two trees meet are solved once they share a root;
// those naming a destroyed view are forgotten; a view laid out by its frame
// keeps it and carries constrained children along.
TEST(LayoutSolver, ConstraintsAcrossTreesAndDestroyedViews) {
    auto root = makeRoot(200, 100);
    auto frameView = std::make_unique<View>(Rect(30, 40, 100, 50));  // autoresizing: keeps its frame
    auto child = std::make_unique<View>();
    child->translatesAutoresizingMaskIntoConstraints = false;
    View* c = child.get();
    View* fv = frameView.get();
    c->topAnchor().constraint(fv->topAnchor(), 5);  // no common ancestor yet
    pinEdges(c, fv, 5);
    fv->addSubview(std::move(child));
    root->addSubview(std::move(frameView));
    root->layoutIfNeeded();
    expectFrame(fv, {30, 40, 100, 50});
    expectFrame(c, {5, 5, 90, 40});
    EXPECT_TRUE(layoutDiagnostics(*root).empty());

    View* doomed = addChild(root.get());
    doomed->widthAnchor().constraint(c->widthAnchor());
    const std::size_t before = activeConstraints(*root).size();
    doomed->removeFromSuperview().reset();
    root->layoutIfNeeded();
    EXPECT_EQ(activeConstraints(*root).size(), before - 1);
    expectFrame(c, {5, 5, 90, 40});
}

TEST(LayoutSolver, WidthToHeightIsRefused) {
    auto root = makeRoot(10, 10);
    View* v = addChild(root.get());
    EXPECT_THROW(v->widthAnchor().constraint(v->heightAnchor()), std::invalid_argument);
}

}  // namespace
}  // namespace platform
