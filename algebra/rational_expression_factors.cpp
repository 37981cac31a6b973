// Common factors across the bar: the monomials of one-term sides
// (highlightingCommonFactors) and whole factor lists (cancelingCommonFactors).
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "algebra/factoring.hpp"
#include "algebra/rational_expression.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"

namespace radixmender {

namespace {

using List = std::vector<Term_XL>;

const Monomial kOne(Rational(1, 1), 0);

bool isTrivial(const Monomial& m) {
    return m == kOne || m == Monomial(Rational(0, 1), 0) || m == Monomial(Rational(-1, 1), 0);
}

// Where a side's monomial is: list `list`, as the factor at position `factor`
// of the top-level term, or as that term itself.
struct Location {
    std::size_t list = 0;
    std::optional<std::size_t> factor;
};

// The first factor of a one-term top level whose list is one plain,
// non-trivial term; else the top-level term itself when it is not trivial.
std::optional<Location> locateMonomialFactor(const Polynomial_XL& side) {
    if (side.terms.empty() || side.terms.back().size() != 1) return std::nullopt;
    const Term_XL& t = side.terms.back().front();
    for (std::size_t i = 0; i < t.factors.size(); ++i) {
        const std::uint64_t p = t.factors[i].pointer;
        if (p + 1 >= side.terms.size()) continue;
        const List& list = side.terms[p];
        if (list.size() == 1 && list[0].factors.empty() && !isTrivial(list[0].monomial))
            return Location{static_cast<std::size_t>(p), i};
    }
    if (isTrivial(t.monomial)) return std::nullopt;
    return Location{side.terms.size() - 1, std::nullopt};
}

// The factor naming the next list, black.
Factor shiftFactorPointer(const Factor& f) { return Factor(f.pointer + 1, f.exponent); }

Polynomial_XL highlightingLocation(const Polynomial_XL& side, const Location& at, Color highlight) {
    Polynomial_XL result = side;
    recolor(result.terms[at.list][0].monomial, highlight);
    if (at.factor) {
        Factor& f = result.terms.back()[0].factors[*at.factor];
        f = f.recolored(highlight);
    }
    return result;
}

// The side rewritten with its located monomial k·xᵉ as c·q, c = g·xᵐ and
// q = (k/g)·xᵉ⁻ᵐ, both new terms in `highlight`; every factor still names its
// own list and the side keeps its value.
//   the top-level term k·xᵉ·F:  [q], the other lists, [c·(q)·F]
//   a factor (a)ʲ in list p:    list p gives way to [c], [q] (or, when
//                               something else names it, they follow it) and
//                               the top-level term names (c)ʲ(q)ʲ instead.
Polynomial_XL splitOffCommonFactor(const Polynomial_XL& side, const Location& at, std::int64_t g,
                                   std::uint64_t m, Color highlight) {
    const Monomial& located = side.terms[at.list][0].monomial;
    const auto quotient = located.coefficient.divided(Rational(g, 1));
    if (!quotient) throw std::invalid_argument("Unexpectedly found nil while unwrapping an Optional value");
    const Term_XL q(Monomial(*quotient, located.exponent - m, located.variable).recolored(highlight));
    const Monomial c = Monomial(Rational(g, 1), m, located.variable).recolored(highlight);
    const Term_XL& t = side.terms.back().front();
    const std::size_t top = side.terms.size() - 1;
    std::vector<List> lists;
    std::vector<Factor> factors;
    if (!at.factor) {
        const auto shift = [](std::uint64_t p) { return p + 1; };
        lists.push_back({q});
        for (std::size_t r = 0; r < top; ++r) lists.push_back(remappedPointers(side.terms[r], shift));
        factors.push_back(Factor(0, 1).recolored(highlight));
        for (const Factor& f : t.factors) factors.push_back(shiftFactorPointer(f));
        lists.push_back(listOf(Term_XL(c, std::move(factors))));
        return Polynomial_XL(std::move(lists));
    }
    const std::size_t p = at.list;
    const bool replace = referenceCount(side, p) == 1;
    const std::size_t cAt = replace ? p : p + 1;
    const auto remap = [p, replace](std::uint64_t r) -> std::uint64_t {
        if (r < p || (r == p && !replace)) return r;
        return r + (replace ? 1 : 2);
    };
    for (std::size_t r = 0; r < top; ++r) {
        if (r == p && !replace) lists.push_back(remappedPointers(side.terms[r], remap));
        if (r == p) {
            lists.push_back(listOf(Term_XL(c)));
            lists.push_back({q});
        } else {
            lists.push_back(remappedPointers(side.terms[r], remap));
        }
    }
    for (std::size_t i = 0; i < t.factors.size(); ++i) {
        const Factor& f = t.factors[i];
        if (i != *at.factor) {
            factors.emplace_back(remap(f.pointer), f.exponent);
            continue;
        }
        factors.push_back(Factor(cAt, f.exponent).recolored(highlight));
        factors.push_back(Factor(cAt + 1, f.exponent).recolored(highlight));
    }
    lists.push_back(listOf(Term_XL(t.monomial, std::move(factors))));
    return Polynomial_XL(std::move(lists));
}

std::uint64_t checkedAddU(std::uint64_t a, std::uint64_t b) {
    std::uint64_t r;
    if (__builtin_add_overflow(a, b, &r)) throw std::overflow_error(kOverflowMessage);
    return r;
}

// The power to which each list divides the side as a whole: the top level
// once; with a one-term top level, each list its factors name. Lists the top
// level does not use (orphans of earlier folds and cancels, or lists used
// only inside other lists) get 0 and never cancel.
std::vector<std::uint64_t> topLevelPowers(const Polynomial_XL& side) {
    std::vector<std::uint64_t> powers(side.terms.size(), 0);
    const std::size_t top = side.terms.size() - 1;
    powers[top] = 1;
    if (side.terms[top].size() == 1)
        for (const Factor& f : side.terms[top][0].factors)
            if (f.pointer < top) powers[f.pointer] = checkedAddU(powers[f.pointer], f.exponent);
    return powers;
}

bool sameMonomials(const List& a, const List& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Term_XL& x, const Term_XL& y) { return x.monomial == y.monomial; });
}

using Match = std::pair<std::size_t, std::size_t>;

// A side whose list 0 and top level are the same single monomial cancels it
// from the top level: the match of list 0, where there is one, moves there.
template <std::size_t Side>
void moveMatchToTopLevel(const Polynomial_XL& side, std::vector<Match>& matches) {
    const std::size_t top = side.terms.size() - 1;
    if (top == 0 || side.terms[0].size() != 1 || side.terms[top].size() != 1 ||
        !(side.terms[0][0].monomial == side.terms[top][0].monomial))
        return;
    const auto at = [&matches](std::size_t index) {
        return std::find_if(matches.begin(), matches.end(),
                            [index](const Match& m) { return std::get<Side>(m) == index; });
    };
    const auto zero = at(0);
    if (zero != matches.end() && at(top) == matches.end()) std::get<Side>(*zero) = top;
}

// The matched lists drawn in `highlight`, and the top-level factors that name
// them; everything else as given.
Polynomial_XL highlightingLists(const Polynomial_XL& side, const std::vector<std::uint64_t>& cancelled,
                                Color highlight) {
    Polynomial_XL result = side;
    for (std::size_t i = 0; i < result.terms.size(); ++i)
        if (cancelled[i] > 0)
            for (Term_XL& t : result.terms[i]) recolor(t.monomial, highlight);
    List& top = result.terms.back();
    if (!top.empty())
        for (Factor& f : top[0].factors)
            if (f.pointer < cancelled.size() && cancelled[f.pointer] > 0) f = f.recolored(highlight);
    return result;
}

// 1 in the letter of the term it stands in for.
Monomial oneFor(const Monomial& cancelled) { return Monomial(Rational(1, 1), 0, cancelled.variable); }

// The highlighted side with `cancelled[i]` powers of each list i taken out of
// the top level: the top-level monomial becomes 1 (a top-level sum the
// constant 1), and the factors naming list i lose that much of their
// exponent, a factor left at 0 dropping out; they keep their given colours.
Polynomial_XL cancellingLists(const Polynomial_XL& highlighted, const Polynomial_XL& given,
                              std::vector<std::uint64_t> cancelled) {
    if (highlighted.terms.back().size() != 1) {
        if (cancelled.back() > 0)
            return Polynomial_XL({{Term_XL(oneFor(highlighted.terms.back().front().monomial))}});
        return highlighted;
    }
    Polynomial_XL result = highlighted;
    List& top = result.terms.back();
    std::vector<Factor> factors;
    for (Factor f : given.terms.back()[0].factors) {
        if (f.pointer < cancelled.size() - 1) {
            const std::uint64_t taken = std::min(cancelled[f.pointer], f.exponent);
            cancelled[f.pointer] -= taken;
            f.exponent -= taken;
            if (f.exponent == 0) continue;
        }
        factors.push_back(f);
    }
    top[0] = Term_XL(cancelled.back() > 0 ? oneFor(top[0].monomial) : top[0].monomial, std::move(factors));
    return result;
}

// The last list of a denominator is −1, or 1 times a first factor that `given`
// holds as the single term −1: both sides are then negated.
bool negatesBothSides(const List& last, const Polynomial_XL& given) {
    if (last.size() != 1) return false;
    const Term_XL& t = last[0];
    if (t.monomial.coefficient == Rational(-1, 1)) return true;
    if (!(t.monomial.coefficient == Rational(1, 1)) || t.factors.empty()) return false;
    const std::uint64_t p = t.factors[0].pointer;
    if (p >= given.terms.size()) return false;
    const List& named = given.terms[p];
    return named.size() == 1 && named[0].monomial.coefficient == Rational(-1, 1);
}

}  // namespace

std::optional<ExpressionPair> Rational_Expression::highlightingCommonFactors() const {
    const auto atN = locateMonomialFactor(poly_N);
    const auto atD = locateMonomialFactor(poly_D);
    if (!atN || !atD) return std::nullopt;
    const Monomial& a = poly_N.terms[atN->list][0].monomial;
    const Monomial& b = poly_D.terms[atD->list][0].monomial;
    const std::int64_t g = gcd(a.coefficient.numerator, b.coefficient.numerator);
    const std::uint64_t m = std::min(a.exponent, b.exponent);
    if (a == b || g == 0 || (g == 1 && (a.exponent == 0 || b.exponent == 0))) return std::nullopt;
    Rational_Expression highlighted(highlightingLocation(poly_N, *atN, Color::red),
                                    highlightingLocation(poly_D, *atD, Color::blue));
    const auto rewritten = [g, m](const Polynomial_XL& side, const Location& at, const Monomial& located,
                                  Color highlight) {
        if (located.coefficient == Rational(g, 1) && located.exponent == m) return side;
        return splitOffCommonFactor(side, at, g, m, highlight);
    };
    Rational_Expression second(rewritten(highlighted.poly_N, *atN, a, Color::red),
                               rewritten(highlighted.poly_D, *atD, b, Color::blue));
    return ExpressionPair{std::move(highlighted), std::move(second)};
}

std::optional<ExpressionPair> Rational_Expression::cancelingCommonFactors() const {
    if (poly_N.terms.empty() || poly_D.terms.empty()) return std::nullopt;
    const auto powersN = topLevelPowers(poly_N);
    const auto powersD = topLevelPowers(poly_D);
    std::vector<Match> matches;
    std::vector<bool> used(poly_D.terms.size(), false);
    for (std::size_t i = 0; i < poly_N.terms.size(); ++i) {
        const List& list = poly_N.terms[i];
        if (powersN[i] == 0 || (list.size() == 1 && list[0].monomial == kOne)) continue;
        for (std::size_t j = 0; j < poly_D.terms.size(); ++j) {
            if (used[j] || powersD[j] == 0 || !sameMonomials(list, poly_D.terms[j])) continue;
            matches.emplace_back(i, j);
            used[j] = true;
            break;
        }
    }
    if (matches.empty()) {
        auto s = simplified(negatesBothSides(poly_D.terms.back(), poly_D));
        if (!s) return std::nullopt;
        return ExpressionPair{*this, std::move(*s)};
    }
    moveMatchToTopLevel<0>(poly_N, matches);
    moveMatchToTopLevel<1>(poly_D, matches);
    // Each match takes out the smaller of the two powers.
    std::vector<std::uint64_t> cancelledN(poly_N.terms.size(), 0), cancelledD(poly_D.terms.size(), 0);
    for (const auto& [i, j] : matches) cancelledN[i] = cancelledD[j] = std::min(powersN[i], powersD[j]);
    Rational_Expression highlighted(highlightingLists(poly_N, cancelledN, Color::red),
                                    highlightingLists(poly_D, cancelledD, Color::blue));
    Rational_Expression cancelled(cancellingLists(highlighted.poly_N, poly_N, std::move(cancelledN)),
                                  cancellingLists(highlighted.poly_D, poly_D, std::move(cancelledD)));
    const bool negate = negatesBothSides(cancelled.poly_D.terms.back(), poly_D);
    auto s = std::move(cancelled).simplified(negate);
    return ExpressionPair{std::move(highlighted), s ? std::move(*s) : std::move(cancelled)};
}

}  // namespace radixmender
