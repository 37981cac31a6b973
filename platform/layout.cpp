#include "platform/layout.hpp"

#include <cxxabi.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <typeinfo>
#include <unordered_map>

#include "platform/view.hpp"

namespace platform {

struct LayoutNode : std::enable_shared_from_this<LayoutNode> {
    explicit LayoutNode(View* v) : view(v) {}

    struct Stored {
        std::weak_ptr<LayoutNode> first, second;
        LayoutConstraintInfo info;
    };

    View* view;
    EdgeInsets safeAreaInsets;
    std::vector<Stored> constraints;       // those this view holds as the items' common ancestor
    std::vector<std::string> diagnostics;  // of the last pass started at this view as root
};

LayoutNode& View::layoutNode() const {
    if (!layoutNode_) layoutNode_ = std::make_shared<LayoutNode>(const_cast<View*>(this));
    return *layoutNode_;
}

EdgeInsets View::safeAreaInsets() const { return layoutNode_ ? layoutNode_->safeAreaInsets : EdgeInsets{}; }

void View::setSafeAreaInsets(EdgeInsets insets) { layoutNode().safeAreaInsets = insets; }

LayoutYAxisAnchor LayoutGuide::topAnchor() const {
    return LayoutYAxisAnchor({owner_, true, LayoutAttribute::top});
}
LayoutYAxisAnchor LayoutGuide::bottomAnchor() const {
    return LayoutYAxisAnchor({owner_, true, LayoutAttribute::bottom});
}
LayoutXAxisAnchor LayoutGuide::leadingAnchor() const {
    return LayoutXAxisAnchor({owner_, true, LayoutAttribute::leading});
}
LayoutXAxisAnchor LayoutGuide::trailingAnchor() const {
    return LayoutXAxisAnchor({owner_, true, LayoutAttribute::trailing});
}

namespace {

bool isVertical(LayoutAttribute a) {
    return a == LayoutAttribute::top || a == LayoutAttribute::bottom || a == LayoutAttribute::height;
}

View* rootOf(View* v) {
    while (v->superview() != nullptr) v = v->superview();
    return v;
}

bool isInSubtree(const View* v, const View* root) {
    for (; v != nullptr; v = v->superview())
        if (v == root) return true;
    return false;
}

// Where a constraint lives: with the nearest common ancestor of its views, or
// with the first view's root while the two trees are still apart.
View* holderFor(View* a, View* b) {
    for (View* x = a; x != nullptr; x = x->superview())
        if (isInSubtree(b, x)) return x;
    return rootOf(a);
}

void activate(LayoutAnchorRef first, LayoutAnchorRef second, double multiplier, double constant) {
    if (first.view == nullptr || second.view == nullptr)
        throw std::invalid_argument("layout constraint without a view");
    if (isVertical(first.attribute) != isVertical(second.attribute))
        throw std::invalid_argument("layout constraint between a width and a height");
    LayoutNode::Stored stored;
    stored.first = first.view->layoutNode().weak_from_this();
    stored.second = second.view->layoutNode().weak_from_this();
    stored.info = {first, second, multiplier, constant};
    holderFor(first.view, second.view)->layoutNode().constraints.push_back(stored);
}

std::string describe(const View* v) {
    int status = 0;
    const char* mangled = typeid(*v).name();
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = (status == 0 && demangled != nullptr) ? demangled : mangled;
    std::free(demangled);
    if (v->tag() != 0) name += "#" + std::to_string(v->tag());
    return name;
}

const char* attributeName(LayoutAttribute a) {
    switch (a) {
        case LayoutAttribute::top:
            return "top";
        case LayoutAttribute::bottom:
            return "bottom";
        case LayoutAttribute::leading:
            return "leading";
        case LayoutAttribute::trailing:
            return "trailing";
        case LayoutAttribute::centerX:
            return "centerX";
        case LayoutAttribute::width:
            return "width";
        case LayoutAttribute::height:
            return "height";
    }
    return "?";
}

std::string describe(const LayoutAnchorRef& r) {
    return describe(r.view) + (r.safeArea ? ".safeArea." : ".") + attributeName(r.attribute);
}

std::string describe(const LayoutConstraintInfo& c) {
    std::string s = describe(c.first) + " = " + describe(c.second);
    if (c.multiplier != 1) s += " * " + std::to_string(c.multiplier);
    if (c.constant != 0) s += " + " + std::to_string(c.constant);
    return s;
}

// The live constraints held below `root` whose views all lie below it; spent
// ones (a view destroyed) are dropped on the way.
std::vector<LayoutConstraintInfo> gather(View* root) {
    std::vector<LayoutConstraintInfo> out;
    std::vector<View*> stack{root};
    while (!stack.empty()) {
        View* v = stack.back();
        stack.pop_back();
        if (LayoutNode* node = v->layoutNodeIfAny(); node != nullptr) {
            auto& list = node->constraints;
            list.erase(std::remove_if(list.begin(), list.end(),
                                      [](const LayoutNode::Stored& s) {
                                          return s.first.expired() || s.second.expired();
                                      }),
                       list.end());
            for (const auto& s : list)
                if (isInSubtree(s.info.first.view, root) && isInSubtree(s.info.second.view, root))
                    out.push_back(s.info);
        }
        const auto& subs = v->subviews();
        for (auto it = subs.rbegin(); it != subs.rend(); ++it) stack.push_back(it->get());
    }
    return out;
}

// Equalities added one at a time to a system kept in reduced row echelon
// form (Gauss-Jordan, pivoting on the largest remaining coefficient). An
// equation that reduces to nothing is redundant, or conflicting when its
// right-hand side does not reduce to zero as well.
class EqualitySystem {
public:
    enum class Outcome { added, redundant, conflicting };

    explicit EqualitySystem(std::size_t variables) : n_(variables), pivotRow_(variables, -1) {}

    Outcome add(std::vector<double> c, double r) {
        double scale = 0;
        for (double x : c) scale = std::max(scale, std::fabs(x));
        for (std::size_t v = 0; v < n_; ++v) {
            if (pivotRow_[v] < 0 || c[v] == 0) continue;
            const auto& row = rows_[static_cast<std::size_t>(pivotRow_[v])];
            const double f = c[v];
            for (std::size_t j = 0; j < n_; ++j) c[j] -= f * row[j];
            r -= f * rhs_[static_cast<std::size_t>(pivotRow_[v])];
            c[v] = 0;
        }
        std::size_t pivot = 0;
        double best = 0;
        for (std::size_t j = 0; j < n_; ++j)
            if (std::fabs(c[j]) > best) best = std::fabs(c[j]), pivot = j;
        if (best <= 1e-9 * std::max(scale, 1.0))
            return std::fabs(r) <= 1e-6 ? Outcome::redundant : Outcome::conflicting;
        const double p = c[pivot];
        for (double& x : c) x /= p;
        r /= p;
        c[pivot] = 1;
        for (std::size_t q = 0; q < rows_.size(); ++q) {
            const double f = rows_[q][pivot];
            if (f == 0) continue;
            for (std::size_t j = 0; j < n_; ++j) rows_[q][j] -= f * c[j];
            rhs_[q] -= f * r;
            rows_[q][pivot] = 0;
        }
        for (std::size_t j = 0; j < n_; ++j)
            if (j != pivot && std::fabs(c[j]) < 1e-12) c[j] = 0;
        pivotRow_[pivot] = static_cast<int>(rows_.size());
        rows_.push_back(std::move(c));
        rhs_.push_back(r);
        return Outcome::added;
    }

    // Meaningful once every variable is a pivot.
    [[nodiscard]] double value(std::size_t v) const {
        return pivotRow_[v] < 0 ? 0 : rhs_[static_cast<std::size_t>(pivotRow_[v])];
    }

private:
    std::size_t n_;
    std::vector<std::vector<double>> rows_;
    std::vector<double> rhs_;
    std::vector<int> pivotRow_;
};

struct Solver {
    View* root;
    std::vector<View*> nodes;  // root first
    std::unordered_map<const View*, std::size_t> index;
    std::vector<std::string> diagnostics;

    std::size_t nodeFor(View* v) {
        if (auto it = index.find(v); it != index.end()) return it->second;
        if (v != root) nodeFor(v->superview());  // ancestors first, for the frames
        index.emplace(v, nodes.size());
        nodes.push_back(v);
        return nodes.size() - 1;
    }

    // The view's edges along one axis in root coordinates, from its current frame.
    static std::pair<double, double> currentSpan(const View* v, const View* root, bool vertical) {
        double origin = 0;
        for (const View* x = v; x != root && x != nullptr; x = x->superview())
            origin += vertical ? x->frame().origin.y : x->frame().origin.x;
        const double extent = vertical ? v->frame().size.height : v->frame().size.width;
        return {origin, extent};
    }

    // Adds coefficient × attribute to `c` (over min/max variables) and returns its constant part.
    double addTerm(std::vector<double>& c, const LayoutAnchorRef& ref, double coefficient) {
        const std::size_t i = index.at(ref.view);
        const std::size_t lo = 2 * i, hi = 2 * i + 1;
        const EdgeInsets insets = ref.safeArea ? ref.view->safeAreaInsets() : EdgeInsets{};
        switch (ref.attribute) {
            case LayoutAttribute::top:
                c[lo] += coefficient;
                return coefficient * insets.top;
            case LayoutAttribute::leading:
                c[lo] += coefficient;
                return coefficient * insets.left;
            case LayoutAttribute::bottom:
                c[hi] += coefficient;
                return -coefficient * insets.bottom;
            case LayoutAttribute::trailing:
                c[hi] += coefficient;
                return -coefficient * insets.right;
            case LayoutAttribute::centerX:
                c[lo] += coefficient / 2;
                c[hi] += coefficient / 2;
                return coefficient * (insets.left - insets.right) / 2;
            case LayoutAttribute::width:
                c[hi] += coefficient;
                c[lo] -= coefficient;
                return -coefficient * (insets.left + insets.right);
            case LayoutAttribute::height:
                c[hi] += coefficient;
                c[lo] -= coefficient;
                return -coefficient * (insets.top + insets.bottom);
        }
        return 0;
    }

    std::vector<double> solveAxis(const std::vector<LayoutConstraintInfo>& constraints, bool vertical) {
        const std::size_t n = 2 * nodes.size();
        EqualitySystem system(n);
        const char* axis = vertical ? "vertical" : "horizontal";
        auto equation = [&](std::initializer_list<std::pair<std::size_t, double>> terms, double r) {
            std::vector<double> c(n, 0.0);
            for (auto [v, k] : terms) c[v] += k;
            return std::make_pair(std::move(c), r);
        };

        // The root keeps its bounds; views laid out by frame keep their frames.
        const double rootExtent = vertical ? root->bounds().height() : root->bounds().width();
        system.add(equation({{0, 1}}, 0).first, 0);
        system.add(equation({{1, 1}}, 0).first, rootExtent);
        for (std::size_t i = 1; i < nodes.size(); ++i) {
            View* v = nodes[i];
            if (!v->translatesAutoresizingMaskIntoConstraints) continue;
            const std::size_t p = index.at(v->superview());
            const Rect f = v->frame();
            const double o = vertical ? f.origin.y : f.origin.x;
            const double e = vertical ? f.size.height : f.size.width;
            system.add(equation({{2 * i, 1}, {2 * p, -1}}, 0).first, o);
            system.add(equation({{2 * i + 1, 1}, {2 * p, -1}}, 0).first, o + e);
        }

        for (const auto& k : constraints) {
            if (isVertical(k.first.attribute) != vertical) continue;
            std::vector<double> c(n, 0.0);
            double r = k.constant;
            r -= addTerm(c, k.first, 1);
            r -= addTerm(c, k.second, -k.multiplier);
            if (system.add(std::move(c), r) == EqualitySystem::Outcome::conflicting)
                diagnostics.push_back("conflicting constraint ignored: " + describe(k));
        }

        // What the constraints leave open: sizes first from the content, then
        // anything else from the current frame.
        // An open width taking the content's width is ordinary (a button
        // centred under its title); the system's layouts never leave a height
        // open, so one settled by the content is still worth a report.
        for (std::size_t i = 1; i < nodes.size(); ++i) {
            const Size s = nodes[i]->intrinsicContentSize();
            const double e = vertical ? s.height : s.width;
            if (e >= 0 &&
                system.add(equation({{2 * i + 1, 1}, {2 * i, -1}}, 0).first, e) ==
                    EqualitySystem::Outcome::added &&
                vertical)
                diagnostics.push_back("underdetermined vertical size of " + describe(nodes[i]) +
                                      ", taken from its content");
        }
        for (std::size_t i = 1; i < nodes.size(); ++i) {
            const auto [o, e] = currentSpan(nodes[i], root, vertical);
            const bool position =
                system.add(equation({{2 * i, 1}}, 0).first, o) == EqualitySystem::Outcome::added;
            const bool size = system.add(equation({{2 * i + 1, 1}, {2 * i, -1}}, 0).first, e) ==
                              EqualitySystem::Outcome::added;
            if (position || size)
                diagnostics.push_back(std::string("underdetermined ") + axis + " " +
                                      (position && size ? "position and size"
                                       : position       ? "position"
                                                        : "size") +
                                      " of " + describe(nodes[i]) + ", kept from its frame");
        }

        std::vector<double> values(n);
        for (std::size_t v = 0; v < n; ++v) values[v] = system.value(v);
        return values;
    }

    void run() {
        const std::vector<LayoutConstraintInfo> constraints = gather(root);
        nodeFor(root);
        for (const auto& k : constraints) {
            nodeFor(k.first.view);
            nodeFor(k.second.view);
        }
        const std::vector<double> xs = solveAxis(constraints, false);
        const std::vector<double> ys = solveAxis(constraints, true);
        // Frames are relative to the superview; parents come before children.
        for (std::size_t i = 1; i < nodes.size(); ++i) {
            View* v = nodes[i];
            const std::size_t p = index.at(v->superview());
            const Rect frame(xs[2 * i] - xs[2 * p], ys[2 * i] - ys[2 * p], xs[2 * i + 1] - xs[2 * i],
                             ys[2 * i + 1] - ys[2 * i]);
            const Rect old = v->frame();
            const bool same = std::fabs(frame.minX() - old.minX()) < 1e-9 &&
                              std::fabs(frame.minY() - old.minY()) < 1e-9 &&
                              std::fabs(frame.width() - old.width()) < 1e-9 &&
                              std::fabs(frame.height() - old.height()) < 1e-9;
            if (!same) v->setFrame(frame);
        }
    }
};

void callLayoutSubviews(View* v) {
    v->layoutSubviews();
    for (const auto& s : v->subviews()) callLayoutSubviews(s.get());
}

}  // namespace

void LayoutXAxisAnchor::constraint(const LayoutXAxisAnchor& other, double constant) const {
    activate(ref_, other.ref_, 1.0, constant);
}

void LayoutYAxisAnchor::constraint(const LayoutYAxisAnchor& other, double constant) const {
    activate(ref_, other.ref_, 1.0, constant);
}

void LayoutDimension::constraint(const LayoutDimension& other, double multiplier) const {
    activate(ref_, other.ref_, multiplier, 0.0);
}

std::vector<LayoutConstraintInfo> activeConstraints(const View& root) {
    return gather(const_cast<View*>(&root));
}

const std::vector<std::string>& layoutDiagnostics(const View& view) {
    return rootOf(const_cast<View*>(&view))->layoutNode().diagnostics;
}

void View::layoutIfNeeded() {
    Solver solver{rootOf(this), {}, {}, {}};
    solver.run();
    solver.root->layoutNode().diagnostics = std::move(solver.diagnostics);
    callLayoutSubviews(solver.root);
}

void pinInsideSafeArea(View& view, View& root, double inset) {
    const LayoutGuide guide = root.safeAreaLayoutGuide();
    view.topAnchor().constraint(guide.topAnchor(), inset);
    view.bottomAnchor().constraint(guide.bottomAnchor(), -inset);
    view.leadingAnchor().constraint(guide.leadingAnchor(), inset);
    view.trailingAnchor().constraint(guide.trailingAnchor(), -inset);
}

}  // namespace platform
