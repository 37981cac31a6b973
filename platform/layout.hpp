#pragma once
// Layout anchors and equality constraints, shaped after UIKit's anchor API.
//
// A constraint is activated when it is made and is never handed back: the
// caller cannot keep, deactivate or remove it. It is stored with the nearest
// common ancestor of the views it ties (or with the first view's root when
// they share none yet) and dies with the views it names.
//
// `View::layoutIfNeeded()` solves every live constraint of its whole tree: the
// root keeps its frame and every other view tied by a constraint receives its
// frame from one linear system per axis. Duplicated and self-evident
// constraints are accepted; an underdetermined width takes the view's
// intrinsic content width. A conflicting constraint is dropped, an
// underdetermined height takes the intrinsic height, and anything still
// undetermined keeps its current frame, each reported as a diagnostic.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/geometry.hpp"

namespace platform {

class View;

struct EdgeInsets {
    double top = 0, left = 0, bottom = 0, right = 0;
    bool operator==(const EdgeInsets&) const = default;
};

enum class LayoutAttribute { top, bottom, leading, trailing, centerX, width, height };

// One attribute of a view, or of that view's safe-area guide.
struct LayoutAnchorRef {
    View* view = nullptr;
    bool safeArea = false;
    LayoutAttribute attribute = LayoutAttribute::top;
};

class LayoutXAxisAnchor {
public:
    explicit LayoutXAxisAnchor(LayoutAnchorRef ref) : ref_(ref) {}
    // Activates self = other + constant.
    void constraint(const LayoutXAxisAnchor& other, double constant = 0) const;
    [[nodiscard]] LayoutAnchorRef ref() const { return ref_; }

private:
    LayoutAnchorRef ref_;
};

class LayoutYAxisAnchor {
public:
    explicit LayoutYAxisAnchor(LayoutAnchorRef ref) : ref_(ref) {}
    // Activates self = other + constant.
    void constraint(const LayoutYAxisAnchor& other, double constant = 0) const;
    [[nodiscard]] LayoutAnchorRef ref() const { return ref_; }

private:
    LayoutAnchorRef ref_;
};

class LayoutDimension {
public:
    explicit LayoutDimension(LayoutAnchorRef ref) : ref_(ref) {}
    // Activates self = other × multiplier, along the same axis only (a width
    // to a width, a height to a height).
    void constraint(const LayoutDimension& other, double multiplier = 1.0) const;
    [[nodiscard]] LayoutAnchorRef ref() const { return ref_; }

private:
    LayoutAnchorRef ref_;
};

// The rectangle of a view inside its safe-area insets.
class LayoutGuide {
public:
    explicit LayoutGuide(View* owner) : owner_(owner) {}
    [[nodiscard]] LayoutYAxisAnchor topAnchor() const;
    [[nodiscard]] LayoutYAxisAnchor bottomAnchor() const;
    [[nodiscard]] LayoutXAxisAnchor leadingAnchor() const;
    [[nodiscard]] LayoutXAxisAnchor trailingAnchor() const;
    [[nodiscard]] View* owningView() const { return owner_; }

private:
    View* owner_;
};

// Pins the four edges of `view` `inset` points inside the safe area of `root`.
void pinInsideSafeArea(View& view, View& root, double inset);

// One constraint as stored: first = multiplier × second + constant.
struct LayoutConstraintInfo {
    LayoutAnchorRef first;
    LayoutAnchorRef second;
    double multiplier = 1;
    double constant = 0;
};

// The live constraints stored in the tree below `root` (root included), in
// the order they were made within each holder, holders depth first.
std::vector<LayoutConstraintInfo> activeConstraints(const View& root);

// What the last layout pass over this view's tree had to report: dropped
// conflicting constraints and frames kept because they were undetermined.
// Empty after a clean pass.
const std::vector<std::string>& layoutDiagnostics(const View& view);

// Kept with each view by the layout engine; defined in layout.cpp.
struct LayoutNode;

}  // namespace platform
