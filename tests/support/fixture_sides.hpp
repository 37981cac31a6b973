#pragma once
// The sides of the equations in the SymPy fixtures (tests/solvers/*.txt), read
// by the solver tests and by the record dump.
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "algebra/equation.hpp"
#include "algebra/polynomial.hpp"

namespace radixmender::testing::fixtures {

// "n/d", as stored (not reduced).
inline Rational rational(const std::string& t) {
    return {std::stoll(t), std::stoll(t.substr(t.find('/') + 1))};
}

// "n/d:e" or "n/d:e@j" (times list j) in lists parted by ";", the top level last.
inline Ext_polynomial side(const std::string& text) {
    std::vector<std::vector<Term>> lists(1);
    std::istringstream in(text);
    for (std::string t; in >> t;) {
        if (t == ";" && (lists.emplace_back(), true)) continue;
        const auto at = t.find('@');
        lists.back().emplace_back(
            Monomial(rational(t), std::stoull(t.substr(t.find(':') + 1))),
            std::pair{at != std::string::npos, at == std::string::npos ? 0 : std::stoull(t.substr(at + 1))});
    }
    return Ext_polynomial(lists);
}

// "left | right", each side as `side` reads it.
inline Ext_polyEquation extEquation(const std::string& text, Relation relation = Relation::equal_to) {
    const auto bar = text.find('|');
    return {side(text.substr(0, bar)), side(text.substr(bar + 1)), relation};
}

}  // namespace radixmender::testing::fixtures
