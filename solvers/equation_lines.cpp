#include "solvers/equation_lines.hpp"

#include <algorithm>

namespace radixmender {

namespace {

// Every field is named, so that a field added to these types stops the build
// here until it is compared too.
bool same(const Polynomial& a, const Polynomial& b) {
    const auto& [at] = a;
    const auto& [bt] = b;
    return std::equal(at.begin(), at.end(), bt.begin(), bt.end(),
                      [](const Monomial& x, const Monomial& y) { return writtenAlike(x, y); });
}

bool same(const Term& a, const Term& b) {
    const auto& [am, as, ac] = a;
    const auto& [bm, bs, bc] = b;
    return writtenAlike(am, bm) && as == bs && ac == bc;
}

bool same(const Ext_polynomial& a, const Ext_polynomial& b) {
    const auto& [al] = a;
    const auto& [bl] = b;
    return std::equal(al.begin(), al.end(), bl.begin(), bl.end(),
                      [](const std::vector<Term>& x, const std::vector<Term>& y) {
                          return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                                            [](const Term& s, const Term& t) { return same(s, t); });
                      });
}

template <class Equation>
bool sameEquation(const Equation& a, const Equation& b) {
    const auto& [al, ar, arel, arc] = a;
    const auto& [bl, br, brel, brc] = b;
    return arel == brel && arc == brc && same(al, bl) && same(ar, br);
}

}  // namespace

bool writtenAlike(const PolyEquation& a, const PolyEquation& b) { return sameEquation(a, b); }

bool writtenAlike(const Ext_polyEquation& a, const Ext_polyEquation& b) { return sameEquation(a, b); }

}  // namespace radixmender
