#include "solvers/parentheses_stages.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "records/checked.hpp"
#include "records/integers.hpp"
#include "solvers/numbers.hpp"

namespace radixmender {

namespace {

using List = std::vector<Term>;
using Lists = std::vector<List>;

const std::pair<bool, std::uint64_t> kNoSubExpression{false, 0};

List zeroList() { return {Term(Monomial(), kNoSubExpression)}; }

bool isCarrier(const Term& t) { return t.sub_exp.first; }

std::size_t subIndex(const Term& t) { return static_cast<std::size_t>(t.sub_exp.second); }

struct Place {
    std::size_t list;
    std::size_t position;
};

// The first term, lists in order and terms in order, that passes `p`.
template <class P>
std::optional<Place> firstWhere(const Lists& lists, P p) {
    for (std::size_t k = 0; k < lists.size(); ++k)
        for (std::size_t i = 0; i < lists[k].size(); ++i)
            if (p(lists[k][i])) return Place{k, i};
    return std::nullopt;
}

template <class F>
Ext_polynomial mapTerms(const Ext_polynomial& side, F f) {
    Lists lists = side.terms;
    for (List& list : lists)
        for (Term& t : list) t = f(t);
    return Ext_polynomial(std::move(lists));
}

// The carrier at `at` replaced by `terms`, its sub-expression left as 0.
Ext_polynomial replacedCarrier(const Ext_polynomial& side, Place at, const List& terms) {
    Lists lists = side.terms;
    List& list = lists[at.list];
    const std::size_t sub = subIndex(list[at.position]);
    const auto position = list.begin() + static_cast<std::ptrdiff_t>(at.position);
    list.insert(list.erase(position), terms.begin(), terms.end());
    lists[sub] = zeroList();
    return Ext_polynomial(std::move(lists));
}

// `f` applied until it answers none; none when its first answer is none.
template <class F>
std::optional<Ext_polynomial> repeated(const Ext_polynomial& side, F f) {
    std::optional<Ext_polynomial> last = f(side);
    if (!last) return std::nullopt;
    while (auto next = f(*last)) last = std::move(next);
    return last;
}

std::uint64_t checkedExponentSum(std::uint64_t a, std::uint64_t b) {
    if (a > UINT64_MAX - b) throw std::overflow_error(kOverflowMessage);
    return a + b;
}

bool alike(const Term& a, const Term& b, bool integersOnly) {
    const Monomial &m = a.monomial, &n = b.monomial;
    return m.exponent == n.exponent && (m.variable == n.variable || m.exponent == 0) && !isCarrier(a) &&
           !isCarrier(b) &&
           (!integersOnly || (m.coefficient.denominator == 1 && n.coefficient.denominator == 1));
}

bool isZero(const Term& t) { return t.monomial.coefficient.numerator == 0; }

// The list without zero terms; the zero list when nothing is left.
List withoutZeroTerms(List list) {
    std::erase_if(list, isZero);
    return list.empty() ? zeroList() : list;
}

// The sum of `list` with like terms gathered; `summed` is set by a sum.
List combined(const List& list, bool integersOnly, bool& summed) {
    List result;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Term& t = list[i];
        if (isCarrier(t)) {
            result.push_back(t);
            continue;
        }
        if (std::any_of(result.begin(), result.end(),
                        [&](const Term& kept) { return alike(kept, t, integersOnly); }))
            continue;
        Rational sum = t.monomial.coefficient;
        bool added = false;
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            if (!alike(t, list[j], integersOnly)) continue;
            sum = unwrapped(sum.adding(list[j].monomial.coefficient));
            added = true;
        }
        summed = summed || added;
        result.emplace_back(Monomial(sum, t.monomial.exponent, t.monomial.variable), t.sub_exp);
    }
    return withoutZeroTerms(std::move(result));
}

}  // namespace

void requireWellFormed(const Ext_polynomial& side) {
    const Lists& lists = side.terms;
    if (lists.empty()) throw std::invalid_argument("a side with parentheses needs at least one term list");
    std::vector<char> named(lists.size(), 0);
    for (std::size_t k = 0; k < lists.size(); ++k) {
        if (lists[k].empty()) throw std::invalid_argument("term list " + std::to_string(k) + " is empty");
        for (const Term& t : lists[k]) {
            if (!isCarrier(t)) continue;
            if (t.sub_exp.second >= k)
                throw std::invalid_argument("a term of list " + std::to_string(k) + " names list " +
                                            std::to_string(t.sub_exp.second) +
                                            ", which does not stand before it");
            if (named[subIndex(t)]++)
                throw std::invalid_argument("list " + std::to_string(t.sub_exp.second) +
                                            " is named by two terms");
        }
    }
}

bool hasZeroDenominator(const Ext_polynomial& side) {
    return firstWhere(side.terms, [](const Term& t) { return t.monomial.coefficient.denominator == 0; })
        .has_value();
}

bool hasParentheses(const Ext_polynomial& side) {
    const List& top = side.terms.at(side.terms.size() - 1);
    return std::any_of(top.begin(), top.end(), isCarrier);
}

Polynomial toPolynomial(const Ext_polynomial& side) {
    std::vector<Monomial> terms;
    for (const Term& t : side.terms.at(side.terms.size() - 1)) terms.push_back(t.monomial);
    return Polynomial(std::move(terms));
}

PolyEquation toPolyEquation(const Ext_polyEquation& e) {
    return {toPolynomial(e.LHS), toPolynomial(e.RHS), e.relation};
}

std::optional<SideStage> distribute(const Ext_polynomial& side, bool colored) {
    const auto at = firstWhere(side.terms, isCarrier);
    if (!at) return std::nullopt;
    const Term& c = side.terms[at->list][at->position];
    const std::size_t sub = subIndex(c);
    const Color color = colored ? Color::red : Color::black;
    List products;
    for (const Term& s : side.terms.at(sub)) {
        const Monomial& m = s.monomial;
        const Rational product = unwrapped(m.coefficient.multiplied(c.monomial.coefficient)).recolored(color);
        // A constant takes the carrier's letter: 2y·(5) is 10y.
        const std::string& letter = m.exponent == 0 ? c.monomial.variable : m.variable;
        products.emplace_back(
            Monomial(product, checkedExponentSum(m.exponent, c.monomial.exponent), letter, color),
            kNoSubExpression);
    }
    Ext_polynomial after = replacedCarrier(side, *at, products);
    if (!colored) return SideStage{side, std::move(after)};
    Lists before = side.terms;
    Term& carrier = before[at->list][at->position];
    carrier = Term(carrier.monomial.recolored(Color::red), carrier.sub_exp, Color::red);
    for (Term& s : before[sub]) s.monomial = s.monomial.recolored(Color::red);
    return SideStage{Ext_polynomial(std::move(before)), std::move(after)};
}

std::optional<SideStage> combineLikeTerms(const Ext_polynomial& side, bool integersOnly) {
    bool summed = false;
    Lists lists;
    for (const List& list : side.terms) lists.push_back(combined(list, integersOnly, summed));
    if (!summed) return std::nullopt;
    return SideStage{side, Ext_polynomial(std::move(lists))};
}

std::optional<SideStage> reduceCoefficients(const Ext_polynomial& side) {
    bool changed = false;
    Ext_polynomial reduced = mapTerms(side, [&](const Term& t) {
        const Rational& c = t.monomial.coefficient;
        const std::int64_t g =
            c.denominator < 0 ? checkedNeg(gcd(c.numerator, c.denominator)) : gcd(c.numerator, c.denominator);
        if (g == 1) return t;
        changed = true;
        return Term(Monomial(Rational(checkedDiv(c.numerator, g), checkedDiv(c.denominator, g)),
                             t.monomial.exponent, t.monomial.variable),
                    t.sub_exp);
    });
    if (!changed) return std::nullopt;
    return SideStage{side, removeAllParentheses(reduced)};
}

std::optional<Ext_polynomial> removeParentheses(const Ext_polynomial& side) {
    const Monomial one(Rational(1, 1), 0);
    const auto at = firstWhere(side.terms, [&](const Term& t) { return isCarrier(t) && t.monomial == one; });
    if (!at) return std::nullopt;
    return replacedCarrier(side, *at, side.terms.at(subIndex(side.terms[at->list][at->position])));
}

Ext_polynomial removeAllParentheses(const Ext_polynomial& side) {
    return repeated(side, removeParentheses).value_or(side);
}

std::optional<Ext_polynomial> distributeCoefficient(const Ext_polynomial& side) {
    const auto at = firstWhere(side.terms, [&](const Term& t) {
        if (!isCarrier(t) || t.monomial.exponent != 0) return false;
        const List& inner = side.terms.at(subIndex(t));
        return inner.size() == 1 && inner[0].monomial.exponent == 0 && !isCarrier(inner[0]);
    });
    if (!at) return std::nullopt;
    const Term& c = side.terms[at->list][at->position];
    const Rational product =
        unwrapped(c.monomial.coefficient.multiplied(side.terms[subIndex(c)][0].monomial.coefficient));
    return replacedCarrier(side, *at, {Term(Monomial(product, 0), kNoSubExpression)});
}

std::optional<Ext_polynomial> distributeAllCoefficients(const Ext_polynomial& side) {
    return repeated(side, distributeCoefficient);
}

Ext_polynomial removingZeroTerms(const Ext_polynomial& side, bool recolor) {
    Lists lists;
    for (const List& list : side.terms) lists.push_back(withoutZeroTerms(list));
    // A carrier of a sub-expression that is zero alone goes; when its list is
    // left empty, that list's own carrier goes in the next pass.
    for (bool emptied = true; emptied;) {
        emptied = false;
        const Lists previous = lists;
        const auto zeroAlone = [&](const Term& t) {
            if (!isCarrier(t)) return false;
            const List& inner = previous.at(subIndex(t));
            return inner.size() == 1 && inner[0].monomial.coefficient.isEqual(Rational(0, 1));
        };
        for (List& list : lists) {
            if (std::erase_if(list, zeroAlone) == 0 || !list.empty()) continue;
            list = zeroList();
            emptied = true;
        }
    }
    Ext_polynomial result(std::move(lists));
    return recolor ? recolored(result, Color::black) : result;
}

Ext_polynomial recolored(const Ext_polynomial& side, Color color) {
    return mapTerms(side,
                    [color](const Term& t) { return Term(t.monomial.recolored(color), t.sub_exp, color); });
}

Ext_polynomial recoloringCoefficients(const Ext_polynomial& side, Color color) {
    return mapTerms(side, [color](const Term& t) {
        const Monomial& m = t.monomial;
        return Term(Monomial(m.coefficient.recolored(color), m.exponent, m.variable), t.sub_exp);
    });
}

Ext_polyEquation recoloringCoefficients(const Ext_polyEquation& e, Color lhs, Color rhs) {
    return {recoloringCoefficients(e.LHS, lhs), recoloringCoefficients(e.RHS, rhs), e.relation};
}

std::int64_t lcmWithDenominator(std::int64_t running, const Term& term) {
    return lcm(running, term.monomial.coefficient.denominator);
}

Term highlightDenominator(const Term& term, bool colored) {
    const Monomial& m = term.monomial;
    const Rational c(m.coefficient.numerator, m.coefficient.denominator, Color::black,
                     colored ? Color::red : Color::black, Color::black);
    return Term(Monomial(c, m.exponent, m.variable), term.sub_exp);
}

Term scaledByLcm(const Term& term, std::int64_t L) {
    const Monomial& m = term.monomial;
    const Rational c(checkedMul(m.coefficient.numerator, checkedDiv(L, m.coefficient.denominator)), 1);
    return Term(Monomial(c, m.exponent, m.variable), term.sub_exp);
}

namespace {

template <class F>
Ext_polyEquation mapSides(const Ext_polyEquation& e, F f) {
    return {f(e.LHS), f(e.RHS), e.relation};
}

// `f` on each side: the input, and the input with every side that changed
// replaced; none when neither did.
template <class F>
std::optional<EquationStage> onEachSide(const Ext_polyEquation& e, F f) {
    auto left = f(e.LHS), right = f(e.RHS);
    if (!left && !right) return std::nullopt;
    return EquationStage{
        e, Ext_polyEquation(left ? std::move(left->after) : e.LHS, right ? std::move(right->after) : e.RHS,
                            e.relation, e.relation_color)};
}

}  // namespace

bool hasZeroDenominator(const Ext_polyEquation& e) {
    return hasZeroDenominator(e.LHS) || hasZeroDenominator(e.RHS);
}

bool hasParentheses(const Ext_polyEquation& e) { return hasParentheses(e.LHS) || hasParentheses(e.RHS); }

Ext_polyEquation removingZeroTerms(const Ext_polyEquation& e, bool recolor) {
    return mapSides(e, [recolor](const Ext_polynomial& side) { return removingZeroTerms(side, recolor); });
}

Ext_polyEquation removingAllParentheses(const Ext_polyEquation& e) {
    return mapSides(e, [](const Ext_polynomial& side) { return removeAllParentheses(side); });
}

std::optional<Ext_polyEquation> distributingAllCoefficients(const Ext_polyEquation& e) {
    auto left = distributeAllCoefficients(e.LHS), right = distributeAllCoefficients(e.RHS);
    if (!left && !right) return std::nullopt;
    return Ext_polyEquation(left ? std::move(*left) : e.LHS, right ? std::move(*right) : e.RHS, e.relation);
}

Ext_polyEquation recolored(const Ext_polyEquation& e, Color lhs, Color rhs, Color relation) {
    return {recolored(e.LHS, lhs), recolored(e.RHS, rhs), e.relation, relation};
}

std::optional<EquationStage> simplifyStage(const Ext_polyEquation& e) {
    return onEachSide(e, [](const Ext_polynomial& side) { return reduceCoefficients(side); });
}

std::optional<EquationStage> combineLikeTermsStage(const Ext_polyEquation& e, bool integersOnly) {
    return onEachSide(
        e, [integersOnly](const Ext_polynomial& side) { return combineLikeTerms(side, integersOnly); });
}

std::optional<EquationStage> distributeStage(const Ext_polyEquation& e, bool colored) {
    if (auto left = distribute(e.LHS, colored))
        return EquationStage{Ext_polyEquation(std::move(left->before), e.RHS, e.relation, e.relation_color),
                             Ext_polyEquation(std::move(left->after), e.RHS, e.relation, e.relation_color)};
    if (auto right = distribute(e.RHS, colored))
        return EquationStage{Ext_polyEquation(e.LHS, std::move(right->before), e.relation, e.relation_color),
                             Ext_polyEquation(e.LHS, std::move(right->after), e.relation, e.relation_color)};
    return std::nullopt;
}

std::optional<ClearedFractions> clearFractionsStage(const Ext_polyEquation& e, bool colored) {
    const auto lcmOf = [](const Ext_polynomial& side) {
        std::int64_t L = 1;
        for (const Term& t : side.terms.back()) L = lcmWithDenominator(L, t);
        return L;
    };
    const std::int64_t L = lcm(lcmOf(e.LHS), lcmOf(e.RHS));
    if (L == 1) return std::nullopt;
    const auto onTop = [](Ext_polynomial side, auto f) {
        for (Term& t : side.terms.back()) t = f(t);
        return side;
    };
    const auto highlighted = [&](const Ext_polynomial& side) {
        return onTop(side, [&](const Term& t) { return highlightDenominator(t, colored); });
    };
    const auto multiplied = [&](Ext_polynomial side) {
        const Rational factor(L, 1, colored ? Color::red : Color::black, Color::black, Color::black);
        const std::uint64_t top = side.terms.size() - 1;
        side.terms.push_back({Term(Monomial(factor, 0), {true, top})});
        return side;
    };
    const auto cleared = [&](const Ext_polynomial& side) {
        return onTop(side, [&](const Term& t) { return scaledByLcm(t, L); });
    };
    return ClearedFractions{mapSides(e, highlighted), mapSides(e, multiplied),
                            removingAllParentheses(mapSides(e, cleared)), L};
}

}  // namespace radixmender
