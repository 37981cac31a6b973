#include "algebra/common_factors.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "records/checked.hpp"
#include "records/integers.hpp"

namespace radixmender {

namespace {

using List = std::vector<Term_XL>;

std::int64_t numerator(const Term_XL& t) { return t.monomial.coefficient.numerator; }

std::int64_t gcdOfNumerators(const List& list) {
    std::int64_t g = 0;
    for (const Term_XL& t : list) g = gcd(g, numerator(t));
    return g;
}

// The first term of least exponent; the list is not empty.
const Term_XL& leastPowerTerm(const List& list) {
    return *std::min_element(list.begin(), list.end(), [](const Term_XL& a, const Term_XL& b) {
        return a.monomial.exponent < b.monomial.exponent;
    });
}

// Each term n/d·xᵉ as (n ÷ g)/d·xᵉ⁻ᵐ, without factors, black; g ≠ 0 divides
// every numerator and m is the least exponent.
List dividedTerms(const List& list, std::int64_t g, std::uint64_t m) {
    List result;
    result.reserve(list.size());
    for (const Term_XL& t : list) {
        const Rational& c = t.monomial.coefficient;
        result.emplace_back(Monomial(Rational(checkedDiv(c.numerator, g), c.denominator),
                                     t.monomial.exponent - m, t.monomial.variable));
    }
    return result;
}

bool isNegative(const Term_XL& t) { return t.monomial.coefficient.isNegative().value_or(false); }

// −n with the denominator, exponent and variable kept, black.
Monomial negatedMonomial(const Monomial& m) {
    return Monomial(Rational(checkedNeg(m.coefficient.numerator), m.coefficient.denominator), m.exponent,
                    m.variable);
}

bool isBinomial(const List& list) {
    return list.size() == 2 && list[0].monomial.exponent == 1 && list[1].monomial.exponent == 0 &&
           list[0].factors.empty() && list[1].factors.empty();
}

}  // namespace

std::optional<Monomial> commonMonomial(const Polynomial_XL& polynomial) {
    if (polynomial.terms.size() != 1 || polynomial.terms[0].size() < 2) return std::nullopt;
    const List& list = polynomial.terms[0];
    const std::int64_t sign = numerator(list.front()) >= 0 ? 1 : -1;
    return Monomial(Rational(sign * gcdOfNumerators(list), 1), leastPowerTerm(list).monomial.exponent,
                    list.front().monomial.variable);
}

Polynomial_XL dividedByCommonMonomial(const Polynomial_XL& polynomial) {
    const auto m = commonMonomial(polynomial);
    if (!m || m->coefficient.numerator == 0) return polynomial;
    List result;
    for (const Term_XL& t : polynomial.terms[0])
        result.emplace_back(Monomial(Rational(checkedDiv(numerator(t), m->coefficient.numerator), 1),
                                     t.monomial.exponent - m->exponent, m->variable));
    return Polynomial_XL({result});
}

bool commonFactor(const Polynomial_XL& polynomial) {
    const auto k = factoringListIndex(polynomial);
    if (!k || polynomial.terms[*k].size() < 2) return false;
    const List& list = polynomial.terms[*k];
    return gcdOfNumerators(list) > 1 || leastPowerTerm(list).monomial.exponent != 0;
}

std::optional<Monomial> commonFactorMonomial(const Polynomial_XL& polynomial) {
    if (polynomial.terms.empty() || polynomial.terms[0].size() < 2) return std::nullopt;
    const List& list = polynomial.terms[0];
    const std::int64_t g = (numerator(list.front()) < 0 ? -1 : 1) * gcdOfNumerators(list);
    const std::uint64_t e = leastPowerTerm(list).monomial.exponent;
    if (g == 1 && e == 0) return std::nullopt;
    return Monomial(Rational(g, 1), e, list.front().monomial.variable);
}

PolynomialPair factorOutCommonFactor(const Polynomial_XL& polynomial, bool sign, Color highlight) {
    const auto k = factoringListIndex(polynomial);
    if (!k || polynomial.terms[*k].empty()) return {polynomial, polynomial};
    const List& list = polynomial.terms[*k];
    // A term's factors would be lost by dividing it: the value would change.
    if (hasFactoredTerm(list))
        throw std::invalid_argument("The list to take a common factor out of holds products");
    std::int64_t g = gcdOfNumerators(list);
    // All numerators 0: there is nothing to divide by.
    if (g == 0) return {polynomial, polynomial};
    const std::uint64_t e = leastPowerTerm(list).monomial.exponent;
    const std::string& variable = list.front().monomial.variable;
    if (polynomial.terms.size() == 1) {
        if (sign && isNegative(list.front())) g = -g;
        Polynomial_XL after(listsOf(dividedTerms(list, g, e),
                                    listOf(Term_XL(Monomial(Rational(g, 1), e, variable), {Factor(0, 1)}))));
        return {polynomial.mapTerms(highlight), std::move(after).mapTerms(highlight)};
    }
    std::vector<List> parts =
        listsOf(listOf(Term_XL(Monomial(Rational(g, 1), e, variable))), dividedTerms(list, g, e));
    for (List& part : parts)
        for (Term_XL& t : part) recolor(t, highlight);
    return {highlightingFactoredList(polynomial, highlight),
            splittingFactoredList(polynomial, std::move(parts), polynomial.terms.back().front().monomial,
                                  highlight)};
}

bool hasOppositeFactorSigns(const Polynomial_XL& polynomial) {
    const auto& lists = polynomial.terms;
    if (lists.size() < 3 || lists.back().empty() || lists[0].size() < 2 || lists[1].size() < 2) return false;
    return isNegative(lists.back().front()) && isNegative(lists[0][1]) != isNegative(lists[1][1]);
}

std::optional<std::array<Polynomial_XL, 3>> normalizedSigns(const Polynomial_XL& polynomial) {
    if (!hasOppositeFactorSigns(polynomial) || !isBinomial(polynomial.terms[0]) ||
        !isBinomial(polynomial.terms[1]))
        return std::nullopt;
    const List& list = isNegative(polynomial.terms[0][1]) ? polynomial.terms[0] : polynomial.terms[1];
    const std::int64_t p = numerator(list[0]), q = numerator(list[1]);
    const std::string& v = list[0].monomial.variable;
    const List flipped = {Term_XL(Monomial(Rational(checkedNeg(q), 1), 0, v)),
                          Term_XL(Monomial(Rational(checkedNeg(p), 1), 1, v))};
    return std::array<Polynomial_XL, 3>{
        Polynomial_XL({list}), Polynomial_XL({{list[1], list[0]}}),
        Polynomial_XL({flipped, {Term_XL(Monomial(Rational(-1, 1), 0), {Factor(0, 1)})}})};
}

std::optional<Polynomial_XL> normalizeFactorSigns(const Polynomial_XL& polynomial, Color highlight) {
    // Only the shape it rewrites: N·(p₀x + q₀)(p₁x + q₁) in three lists.
    if (!hasOppositeFactorSigns(polynomial) || polynomial.terms.size() != 3) return std::nullopt;
    const auto& lists = polynomial.terms;
    const List& top = lists[2];
    if (!isBinomial(lists[0]) || !isBinomial(lists[1]) || top.size() != 1 || top[0].factors.size() != 2 ||
        top[0].factors[0].pointer != 0 || top[0].factors[1].pointer != 1 || top[0].factors[0].exponent != 1 ||
        top[0].factors[1].exponent != 1)
        return std::nullopt;
    const std::string& v = top[0].monomial.variable;
    const auto constantFirst = [&v, highlight](const List& list, bool negate) {
        List result;
        for (const Term_XL* t : {&list[1], &list[0]}) {
            const std::int64_t n = numerator(*t);
            result.emplace_back(Monomial(Rational(negate ? checkedNeg(n) : n, 1), t->monomial.exponent, v)
                                    .recolored(highlight));
        }
        return result;
    };
    // The factor whose constant is negative is the one turned round.
    const bool firstPositive = !isNegative(lists[0][1]);
    const Term_XL& t = top[0];
    const Monomial m(Rational(checkedNeg(numerator(t)), 1), t.monomial.exponent, v);
    return Polynomial_XL({constantFirst(lists[0], !firstPositive),
                          constantFirst(lists[1], firstPositive),
                          {Term_XL(m.recolored(highlight), {Factor(0, 1, highlight, highlight),
                                                            Factor(1, 1, highlight, highlight)})}});
}

Polynomial_XL negated(const Polynomial_XL& polynomial) {
    if (polynomial.terms.empty()) throw std::out_of_range("Index out of range");
    const auto shift = [](std::uint64_t p) { return p + 1; };
    std::vector<List> lists;
    lists.reserve(polynomial.terms.size() + 2);
    lists.push_back(listOf(Term_XL(Monomial(Rational(-1, 1), 0))));
    for (auto list = polynomial.terms.begin(); list + 1 != polynomial.terms.end(); ++list)
        lists.push_back(remappedPointers(*list, shift));
    List negatedTop = remappedPointers(polynomial.terms.back(), shift);
    for (Term_XL& t : negatedTop) t.monomial = negatedMonomial(t.monomial);
    lists.push_back(std::move(negatedTop));
    lists.push_back(
        listOf(Term_XL(Monomial(Rational(1, 1), 0), {Factor(0, 1), Factor(lists.size() - 1, 1)})));
    return Polynomial_XL(std::move(lists));
}

Polynomial_XL termwiseNegated(const Polynomial_XL& polynomial) {
    List result;
    for (const Term_XL& t : polynomial.terms.at(0)) result.push_back(Term_XL(negatedMonomial(t.monomial)));
    return Polynomial_XL({result});
}

}  // namespace radixmender
