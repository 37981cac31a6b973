// "plug_in": items that hold a whole worked layout, told apart by the
// sub-kind in slot 1 of the kind row; and the prime tree, the one sub-kind
// without a parameter row.
#include <algorithm>
#include <array>
#include <string_view>

#include "engine/marks.hpp"
#include "engine/tableau_layout.hpp"

namespace radixmender::items {
namespace {

struct SubKind {
    std::string_view name;
    Node (*measure)(const Item&, Measurer&);
};

constexpr std::array<SubKind, 8> kSubKinds = {{
    {"lattice_multiply", measureLatticeMultiply},
    {"grid_multiply", measureGridMultiply},
    {"tableau_op", measureTableauOp},
    {"divide_partial_op", measureDividePartialOp},
    {"divide_op", measureDivideOp},
    {"add_column", measureAddColumn},
    {"count_op", measureCountOp},
    {"prime_tree", measurePrimeTree},
}};

}  // namespace

Node measurePlugIn(const Item& item, Measurer& measurer) {
    const std::string& name = item.value(0, 1);
    for (const SubKind& sub : kSubKinds)
        if (sub.name == name) return sub.measure(item, measurer);
    // An unknown sub-kind takes no room, so the rest of the line still lays out.
    return emptyNode(item);
}

// A staircase of pairs: each level's right number branches down into the
// next level's pair, half a column further right. Columns are as wide as the
// first right number; a tree with no pair takes no room.
Node measurePrimeTree(const Item& item, Measurer& measurer) {
    const Texts pairs = valuesOf(item.row(1));
    const std::size_t levels = pairs.size() / 2;
    if (levels == 0) return emptyNode(item);
    const Metric& m = item.metric();
    const double lh = m.wholeLineHeight, g = 0.25 * lh, n = static_cast<double>(levels);
    const double w = widthOf(pairs[1], item.fonts->whole);
    return laidOut(item, ItemBox{w * (0.5 * n + 1.5) + g * (0.5 * n + 0.5), n * (lh + g), m.wholeAscender},
                   measurer, [&](Marks& marks) {
                       const Texts colours = valuesOf(item.row(2));
                       const double step = (w + g) / 2;
                       std::vector<platform::Point> branches;
                       for (std::size_t j = 0; j < 2 * levels; j += 2) {
                           const double level = static_cast<double>(j / 2);
                           const double x = level * step, y = -m.wholeAscender + level * (lh + g);
                           for (const std::size_t i : {j, j + 1}) {
                               const double column = i == j ? x : x + w + g;
                               marks.text(pairs[i], column + (w - widthOf(pairs[i], item.fonts->whole)) / 2,
                                          y, item.fonts->whole, Paint::named(entryOf(colours, i)));
                           }
                           if (j + 2 >= 2 * levels) continue;
                           const platform::Point from{x + w + g + w / 2, y + lh};
                           branches.insert(
                               branches.end(),
                               {from, {from.x + step, from.y + g}, from, {from.x - step, from.y + g}});
                       }
                       marks.segments(std::move(branches), 0.67 * m.halfBarSpace);
                   });
}

}  // namespace radixmender::items
