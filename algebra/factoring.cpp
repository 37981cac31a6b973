#include "algebra/factoring.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "algebra/root_search.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"

namespace radixmender {

namespace {

using List = std::vector<Term_XL>;

const char kNoRationalRoot[] = "No rational root to factor by";
const char kGuessAndCheck[] = "guess and check";
// Synthetic division keeps one coefficient per power of x.
constexpr std::uint64_t kLargestDividedDegree = 1U << 20U;

// Every term names lists 0 and 1 to the same total power, so exchanging the
// two lists keeps the value.
bool symmetricInFirstTwoLists(const Polynomial_XL& polynomial) {
    for (const List& list : polynomial.terms)
        for (const Term_XL& t : list) {
            std::uint64_t powers[2] = {0, 0};
            for (const Factor& f : t.factors)
                if (f.pointer < 2) powers[f.pointer] += f.exponent;
            if (powers[0] != powers[1]) return false;
        }
    return true;
}

}  // namespace

std::optional<std::size_t> factoringListIndex(const Polynomial_XL& polynomial) {
    const auto& lists = polynomial.terms;
    if (lists.empty()) return std::nullopt;
    if (lists.size() == 1) return 0;
    const List& top = lists.back();
    if (top.empty() || top.front().factors.empty()) return std::nullopt;
    const std::uint64_t k = top.front().factors.back().pointer;
    if (k >= lists.size() - 1) return std::nullopt;
    return static_cast<std::size_t>(k);
}

std::size_t referenceCount(const Polynomial_XL& polynomial, std::size_t index) {
    std::size_t count = 0;
    for (const List& list : polynomial.terms)
        for (const Term_XL& t : list)
            count += static_cast<std::size_t>(std::count_if(
                t.factors.begin(), t.factors.end(), [index](const Factor& f) { return f.pointer == index; }));
    return count;
}

namespace {

// The degrees whose synthetic division keeps its coefficients in place.
constexpr std::uint64_t kKeptInPlace = 64;

// `divideByLinearFactor` of one-list polynomials given by their lists.
List quotientByLinearFactor(const List& divisor, const List& dividend) {
    if (divisor.empty()) throw std::out_of_range("Index out of range");
    const std::int64_t a = divisor.front().monomial.coefficient.numerator;
    const std::int64_t c = divisor.back().monomial.coefficient.numerator;
    const std::string& variable = divisor.front().monomial.variable;
    List quotient;
    const auto n = degreeOf(dividend);
    if (!n || *n == 0) return quotient;
    if (*n > kLargestDividedDegree) throw std::length_error("Degree too large to divide");
    // Index 0 holds the coefficient of xⁿ; like terms add up. Kept in place
    // for the degrees a root search keeps its powers for.
    std::array<std::int64_t, kKeptInPlace + 1> small;
    std::vector<std::int64_t> large;
    std::int64_t* coefficients = small.data();
    if (*n < small.size()) {
        std::fill_n(coefficients, *n + 1, 0);
        quotient.reserve(*n);
    } else {
        large.assign(*n + 1, 0);
        coefficients = large.data();
    }
    for (const Term_XL& t : dividend) {
        const std::int64_t value = t.monomial.coefficient.numerator;
        if (value == 0) continue;
        std::int64_t& slot = coefficients[*n - t.monomial.exponent];
        slot = checkedAdd(slot, value);
    }
    std::int64_t r = coefficients[0];
    for (std::uint64_t i = 1; i <= *n; ++i) {
        const std::int64_t q = checkedDiv(r, a);
        if (q != 0) quotient.emplace_back(Monomial(Rational(q, 1), *n - i, variable));
        r = checkedSub(coefficients[i], checkedMul(q, c));
    }
    return quotient;
}

// The linear factors of `list` (degree `degree` ≥ 2) as `extractLinearFactors`
// finds them, `first` being the factor of its first root.
std::vector<List> linearFactorsFrom(List first, const List& list, std::uint64_t degree) {
    std::vector<List> found;
    found.reserve(std::min<std::uint64_t>(degree, kKeptInPlace));
    List current = quotientByLinearFactor(first, list);
    found.push_back(std::move(first));
    for (std::uint64_t i = 2; i < degree; ++i) {
        auto f = firstRootFactor(current);
        if (!f) break;
        current = quotientByLinearFactor(*f, current);
        found.push_back(std::move(*f));
    }
    found.push_back(std::move(current));
    return found;
}

// List k has the shape the rational-root test applies to.
const List* rootTestList(const Polynomial_XL& polynomial) {
    const auto k = factoringListIndex(polynomial);
    if (!k) return nullptr;
    const List& list = polynomial.terms[*k];
    if (list.size() < 2 || list.front().monomial.exponent < 2 || hasFactoredTerm(list)) return nullptr;
    return &list;
}

// `factored` with the linear factors of list k already found.
PolynomialPair factoredInto(const Polynomial_XL& polynomial, std::vector<List> factorLists, Color highlight) {
    const std::size_t k = *factoringListIndex(polynomial);
    const std::string variable = polynomial.terms[k].front().monomial.variable;

    Polynomial_XL before = highlightingFactoredList(polynomial, highlight);
    for (List& f : factorLists)
        for (Term_XL& t : f) recolor(t, highlight);
    if (polynomial.terms.size() > 1) {
        const Monomial& m = polynomial.terms.back().front().monomial;
        return {std::move(before),
                splittingFactoredList(polynomial, std::move(factorLists),
                                      Monomial(Rational(m.coefficient.numerator, 1), m.exponent, variable),
                                      highlight)};
    }
    std::vector<Factor> references;
    references.reserve(factorLists.size());
    for (std::size_t i = 0; i < factorLists.size(); ++i)
        references.push_back(Factor(i, 1).recolored(highlight));
    factorLists.push_back(listOf(Term_XL(Monomial(Rational(1, 1), 0, variable), std::move(references))));
    return {std::move(before), Polynomial_XL(std::move(factorLists))};
}

}  // namespace

std::optional<Polynomial_XL> findRationalRoot(const Polynomial_XL& polynomial) {
    if (polynomial.terms.size() != 1) return std::nullopt;
    auto factor = firstRootFactor(polynomial.terms[0]);
    if (!factor) return std::nullopt;
    return Polynomial_XL(listsOf(std::move(*factor)));
}

Polynomial_XL divideByLinearFactor(const Polynomial_XL& factor, const Polynomial_XL& dividend) {
    const List& divisor = factor.terms.at(0);
    if (dividend.terms.size() != 1) {
        if (divisor.empty()) throw std::out_of_range("Index out of range");
        return Polynomial_XL({List{}});
    }
    return Polynomial_XL(listsOf(quotientByLinearFactor(divisor, dividend.terms[0])));
}

std::optional<std::vector<Polynomial_XL>> extractLinearFactors(const Polynomial_XL& polynomial) {
    const auto degree = polynomial.degree();
    if (!degree || *degree < 2 || polynomial.terms[0].size() < 2) return std::nullopt;
    auto first = firstRootFactor(polynomial.terms[0]);
    if (!first) return std::nullopt;
    std::vector<Polynomial_XL> found;
    for (List& f : linearFactorsFrom(std::move(*first), polynomial.terms[0], *degree))
        found.emplace_back(std::vector<List>{std::move(f)});
    return found;
}

bool hasRationalRoot(const Polynomial_XL& polynomial) {
    const List* list = rootTestList(polynomial);
    return list && firstRootFactor(*list).has_value();
}

PolynomialPair factored(const Polynomial_XL& polynomial, Color highlight) {
    const auto k = factoringListIndex(polynomial);
    if (!k || hasFactoredTerm(polynomial.terms[*k])) throw std::invalid_argument(kNoRationalRoot);
    const List& list = polynomial.terms[*k];
    const auto degree = degreeOf(list);
    if (!degree || *degree < 2 || list.size() < 2) throw std::invalid_argument(kNoRationalRoot);
    auto first = firstRootFactor(list);
    if (!first) throw std::invalid_argument(kNoRationalRoot);
    return factoredInto(polynomial, linearFactorsFrom(std::move(*first), list, *degree), highlight);
}

std::optional<PolynomialPair> factoredByRationalRoot(const Polynomial_XL& polynomial, Color highlight) {
    const List* list = rootTestList(polynomial);
    if (!list) return std::nullopt;
    auto first = firstRootFactor(*list);
    if (!first) return std::nullopt;
    const auto degree = degreeOf(*list);
    if (*degree < 2) throw std::invalid_argument(kNoRationalRoot);
    return factoredInto(polynomial, linearFactorsFrom(std::move(*first), *list, *degree), highlight);
}

Polynomial_XL highlightingFactoredList(const Polynomial_XL& polynomial, Color highlight) {
    Polynomial_XL result = polynomial;
    const auto k = factoringListIndex(polynomial);
    if (!k) return result;
    for (Term_XL& t : result.terms[*k]) recolor(t, highlight);
    if (polynomial.terms.size() > 1) {
        Factor& named = result.terms.back().front().factors.back();
        named = named.recolored(highlight);
    }
    return result;
}

Polynomial_XL splittingFactoredList(const Polynomial_XL& polynomial, std::vector<List> parts,
                                    const Monomial& monomial, Color highlight) {
    const auto k = factoringListIndex(polynomial);
    if (!k || polynomial.terms.size() < 2) throw std::invalid_argument("No factor list to split");
    const Term_XL& t = polynomial.terms.back().front();
    const std::uint64_t power = t.factors.back().exponent;
    std::vector<List> lists(polynomial.terms.begin(), polynomial.terms.end() - 1);
    std::vector<Factor> references;
    for (auto f = t.factors.begin(); f + 1 != t.factors.end(); ++f)
        references.emplace_back(f->pointer, f->exponent);
    const bool inPlace = referenceCount(polynomial, *k) == 1;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t at = inPlace && i == 0 ? *k : lists.size();
        if (at == lists.size())
            lists.push_back(std::move(parts[i]));
        else
            lists[at] = std::move(parts[i]);
        references.push_back(Factor(at, power).recolored(highlight));
    }
    List top = listOf(Term_XL(monomial, std::move(references)));
    top.insert(top.end(), polynomial.terms.back().begin() + 1, polynomial.terms.back().end());
    lists.push_back(std::move(top));
    return Polynomial_XL(std::move(lists));
}

PolynomialPair factoredForMethod(const Polynomial_XL& polynomial, Color highlight, std::string_view method) {
    PolynomialPair result = factored(polynomial, highlight);
    if (method == kGuessAndCheck) return result;
    auto& lists = result[1].terms;
    if (lists.size() < 3 || lists[0].size() < 2 || lists[1].size() < 2 ||
        !symmetricInFirstTwoLists(result[1]))
        return result;
    const auto numerator = [&lists](std::size_t list, std::size_t term) {
        return lists[list][term].monomial.coefficient.numerator;
    };
    const std::int64_t a = numerator(0, 0), b = numerator(0, 1), c = numerator(1, 0), d = numerator(1, 1);
    const std::int64_t ad = checkedAbs(checkedMul(a, d)), bc = checkedAbs(checkedMul(b, c));
    const bool grouped = gcd(checkedMul(a, c), std::max(ad, bc)) == checkedAbs(a) &&
                         gcd(checkedMul(b, d), std::min(ad, bc)) == checkedAbs(b);
    if (!grouped) std::swap(lists[0], lists[1]);
    return result;
}

}  // namespace radixmender
