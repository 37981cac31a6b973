#include "algebra/polynomial_xl.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "algebra/wide.hpp"
#include "records/literals.hpp"

namespace radixmender {

namespace {

const char kIndexOutOfRange[] = "Index out of range";
const char kUnwrappedNil[] = "Unexpectedly found nil while unwrapping an Optional value";

using List = std::vector<Term_XL>;

Rational required(const std::optional<Rational>& value) {
    if (!value) throw std::invalid_argument(kUnwrappedNil);
    return *value;
}

std::uint64_t checkedAddU(std::uint64_t a, std::uint64_t b) {
    std::uint64_t r;
    if (__builtin_add_overflow(a, b, &r)) throw std::overflow_error(kOverflowMessage);
    return r;
}

std::uint64_t checkedMulU(std::uint64_t a, std::uint64_t b) {
    std::uint64_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw std::overflow_error(kOverflowMessage);
    return r;
}

// c · qⁿ, reduced; none when c or q is undefined.
std::optional<Rational> timesPower(const Rational& c, Rational q, std::uint64_t n) {
    if (q.denominator == 0) return std::nullopt;
    auto result = c.multiplied(Rational(1, 1));
    while (result && n > 0) {
        if (n & 1U) result = result->multiplied(q);
        n >>= 1U;
        if (n > 0) q = *q.multiplied(q);
    }
    return result;
}

List sortedByExponent(List list, bool descending) {
    std::stable_sort(list.begin(), list.end(), [descending](const Term_XL& a, const Term_XL& b) {
        return descending ? a.monomial.exponent > b.monomial.exponent
                          : a.monomial.exponent < b.monomial.exponent;
    });
    return list;
}

// The terms of list 0 with a non-zero numerator, in descending order, for
// a one-list polynomial of degree `degree`; none for any other.
std::optional<List> nonZeroTermsOfDegree(const Polynomial_XL& p, std::uint64_t degree) {
    if (p.degree() != degree) return std::nullopt;
    List kept;
    for (const Term_XL& t : p.terms[0])
        if (t.monomial.coefficient.numerator != 0) kept.push_back(t);
    return sortedByExponent(std::move(kept), true);
}

}  // namespace

std::vector<Term_XL> listOf(Term_XL term) {
    std::vector<Term_XL> list;
    list.push_back(std::move(term));
    return list;
}

void recolor(Monomial& m, Color color) {
    m.coefficient.numerator_color = m.coefficient.denominator_color = m.coefficient.bar_color = color;
    m.variable_color = color;
}

void recolor(Term_XL& t, Color color) {
    recolor(t.monomial, color);
    for (Factor& f : t.factors) f = f.recolored(color);
}

Factor::Factor(std::uint64_t p, std::uint64_t e, Color pc, Color ec)
    : pointer(p), exponent(e), parenthesis_color(pc), exponent_color(ec) {}

Factor Factor::recolored(Color color) const { return {pointer, exponent, color, color}; }

Term_XL::Term_XL(Monomial m, std::vector<Factor> f) : monomial(std::move(m)), factors(std::move(f)) {}

Term_XL Term_XL::recolored(Color color) const {
    Term_XL result = *this;
    recolor(result, color);
    return result;
}

bool Term_XL::operator==(const Term_XL& other) const {
    return monomial == other.monomial && factors.empty() && other.factors.empty();
}

Polynomial_XL::Polynomial_XL(std::vector<std::vector<Term_XL>> lists) : terms(std::move(lists)) {}

Polynomial_XL::Polynomial_XL(const Rational& a, const Rational& b, const Rational& c, std::string_view order,
                             const std::array<Color, 6>& colors) {
    const bool descending = order == text::kArrowDownRight;
    terms = {{Term_XL(Monomial(Rational(a, colors[0]), descending ? 2 : 0, "x", colors[1])),
              Term_XL(Monomial(Rational(b, colors[2]), 1, "x", colors[3])),
              Term_XL(Monomial(Rational(c, colors[4]), descending ? 0 : 2, "x", colors[5]))}};
}

Polynomial_XL Polynomial_XL::mapTerms(Color color) const& { return Polynomial_XL(*this).mapTerms(color); }

Polynomial_XL Polynomial_XL::mapTerms(Color color) && {
    for (List& list : terms)
        for (Term_XL& t : list) recolor(t, color);
    return std::move(*this);
}

bool Polynomial_XL::hasZeroDenominator() const {
    return std::any_of(terms.begin(), terms.end(), [](const List& list) {
        return std::any_of(list.begin(), list.end(),
                           [](const Term_XL& t) { return t.monomial.coefficient.denominator == 0; });
    });
}

Polynomial_XL Polynomial_XL::removingZeroTerms(bool recolor) const {
    const std::string variable = !terms.empty() && !terms[0].empty() ? terms[0][0].monomial.variable : "x";
    const Term_XL zero(Monomial(Rational(0, 1), 0, variable));
    std::vector<List> lists;
    lists.reserve(terms.size());
    for (const List& list : terms) {
        List kept;
        kept.reserve(list.size());
        for (const Term_XL& t : list)
            if (t.monomial.coefficient.numerator != 0) kept.push_back(t);
        if (kept.empty()) kept.push_back(zero);
        lists.push_back(std::move(kept));
    }
    // A list that is one zero term makes every product using it zero (unless
    // raised to the power 0, which is 1); that may empty further lists, so
    // repeat until nothing changes.
    for (bool changed = true; changed;) {
        changed = false;
        std::vector<bool> isZero;
        for (const List& list : lists)
            isZero.push_back(list.size() == 1 && list[0].monomial.coefficient == Rational(0, 1));
        for (List& list : lists) {
            std::erase_if(list, [&isZero](const Term_XL& t) {
                return std::any_of(t.factors.begin(), t.factors.end(), [&isZero](const Factor& f) {
                    return isZero.at(f.pointer) && f.exponent != 0;
                });
            });
            if (list.empty()) {
                list.push_back(zero);
                changed = true;
            }
        }
    }
    Polynomial_XL result(std::move(lists));
    if (recolor) return std::move(result).mapTerms(Color::black);
    return result;
}

namespace {

// `Polynomial_XL::product` of `p`; `takeLists()` gives p's lists, copied or
// taken over, and is called only after everything else has been read.
template <class TakeLists>
std::optional<Polynomial_XL> productOf(const Polynomial_XL& p, bool negate, TakeLists takeLists) {
    const auto& terms = p.terms;
    if (terms.empty()) throw std::out_of_range(kIndexOutOfRange);
    const List& top = terms.back();
    if (top.size() == 1 && !top[0].factors.empty()) {
        const Term_XL& t = top[0];
        Rational c = negate ? required(t.monomial.coefficient.negated()) : t.monomial.coefficient;
        std::uint64_t e = t.monomial.exponent;
        // Only a power of the variable brings its letter: 1·(y) folds to y.
        std::optional<std::string> letter;
        if (e != 0) letter = t.monomial.variable;
        std::size_t j = 0;
        for (const Factor& f : t.factors) {
            const List& list = terms.at(f.pointer);
            if (list.size() != 1 || !list[0].factors.empty()) break;
            const Monomial& q = list[0].monomial;
            const std::uint64_t power = checkedMulU(q.exponent, f.exponent);
            if (power != 0 && letter && *letter != q.variable) break;
            const auto folded = timesPower(c, q.coefficient, f.exponent);
            if (!folded) break;
            c = *folded;
            e = checkedAddU(e, power);
            if (power != 0) letter = q.variable;
            ++j;
        }
        if (j == 0 && !negate) return std::nullopt;
        Term_XL folded(
            Monomial(c, e, letter.value_or(t.monomial.variable)),
            std::vector<Factor>(t.factors.begin() + static_cast<std::ptrdiff_t>(j), t.factors.end()));
        std::vector<List> lists = takeLists();
        lists.back().clear();
        lists.back().push_back(std::move(folded));
        return Polynomial_XL(std::move(lists));
    }
    if (!negate) return std::nullopt;
    if (top.empty()) throw std::out_of_range(kIndexOutOfRange);
    if (top.size() == 1) {
        const Monomial& m = top[0].monomial;
        const Rational c = required(m.coefficient.multiplied(Rational(-1, 1)));
        return Polynomial_XL(listsOf(listOf(Term_XL(Monomial(c, m.exponent, m.variable)))));
    }
    // Every list stays; the new top level is −1 times the old one.
    Term_XL minusTop(Monomial(Rational(-1, 1), 0, top[0].monomial.variable), {Factor(terms.size() - 1, 1)});
    std::vector<List> lists = takeLists();
    lists.push_back({std::move(minusTop)});
    return Polynomial_XL(std::move(lists));
}

}  // namespace

std::optional<Polynomial_XL> Polynomial_XL::product(bool negate) const& {
    return productOf(*this, negate, [this] { return terms; });
}

std::optional<Polynomial_XL> Polynomial_XL::product(bool negate) && {
    return productOf(*this, negate, [this] { return std::move(terms); });
}

std::optional<std::uint64_t> Polynomial_XL::degree() const {
    if (terms.size() != 1) return std::nullopt;
    return degreeOf(terms[0]);
}

std::optional<std::uint64_t> degreeOf(const std::vector<Term_XL>& list) {
    std::optional<std::uint64_t> largest;
    for (const Term_XL& t : list)
        if (t.monomial.coefficient.numerator != 0 && (!largest || t.monomial.exponent > *largest))
            largest = t.monomial.exponent;
    return largest;
}

bool hasFactoredTerm(const std::vector<Term_XL>& list) {
    return std::any_of(list.begin(), list.end(), [](const Term_XL& t) { return !t.factors.empty(); });
}

std::optional<Linear_Category> Polynomial_XL::linearCategory() const {
    const auto kept = nonZeroTermsOfDegree(*this, 1);
    if (!kept) return std::nullopt;
    return kept->size() == 1 ? Linear_Category::monomial : Linear_Category::binomial;
}

std::optional<Quadratic_Category> Polynomial_XL::quadraticCategory() const {
    const auto kept = nonZeroTermsOfDegree(*this, 2);
    if (!kept) return std::nullopt;
    if (kept->size() == 1) return Quadratic_Category::monomial_a;
    if (kept->size() == 2)
        return kept->back().monomial.exponent == 1 ? Quadratic_Category::binomial_ab
                                                   : Quadratic_Category::binomial_ac;
    return Quadratic_Category::trinomial;
}

std::optional<Quadratic_Factorabilty> Polynomial_XL::quadraticFactorability() const {
    const auto kept = nonZeroTermsOfDegree(*this, 2);
    if (!kept) return std::nullopt;
    if (kept->size() != 2 || kept->back().monomial.exponent == 1) return Quadratic_Factorabilty::factors;
    // a·x² + c: p = −a·c, exact in 128 bits.
    const wide::Int128 p = -wide::product(kept->front().monomial.coefficient.numerator,
                                          kept->back().monomial.coefficient.numerator);
    if (wide::isPerfectSquare(p)) return Quadratic_Factorabilty::factors;
    return p < 0 ? Quadratic_Factorabilty::does_not_factor
                 : Quadratic_Factorabilty::factors_but_not_over_rationals;
}

std::optional<Monomial> Polynomial_XL::firstTermInfo() const {
    if (terms.size() != 1 || terms[0].empty()) return std::nullopt;
    return terms[0][0].monomial;
}

bool Polynomial_XL::isConstant(std::int64_t n) const { return isConstantRational(Rational(n, 1)); }

bool Polynomial_XL::isConstantRational(const Rational& r) const {
    if (terms.empty() || terms.back().size() != 1) return false;
    const Term_XL& t = terms.back()[0];
    return t.factors.empty() && t.monomial == Monomial(r, 0);
}

bool Polynomial_XL::isInDescendingOrder() const {
    if (terms.size() != 1) return false;
    const List& list = terms[0];
    if (hasFactoredTerm(list)) return false;
    // Equal to its stably sorted copy exactly when no exponent rises.
    return std::is_sorted(list.begin(), list.end(), [](const Term_XL& a, const Term_XL& b) {
        return a.monomial.exponent > b.monomial.exponent;
    });
}

bool Polynomial_XL::isEqual(const Polynomial_XL& other) const {
    if (terms.size() != 1 || other.terms.size() != 1 || terms[0].size() != other.terms[0].size())
        return false;
    return std::equal(terms[0].begin(), terms[0].end(), other.terms[0].begin(),
                      [](const Term_XL& a, const Term_XL& b) { return a.monomial == b.monomial; });
}

Polynomial_XL Polynomial_XL::sortedAscending() const {
    return Polynomial_XL(listsOf(terms.empty() ? List{} : sortedByExponent(terms[0], false)));
}

Polynomial_XL Polynomial_XL::sortedFirstList() const {
    return Polynomial_XL(listsOf(terms.empty() ? List{} : sortedByExponent(terms[0], true)));
}

bool Polynomial_XL::leadingCoefficientIsNegative() const {
    return !terms.empty() && !terms[0].empty() && terms[0][0].monomial.coefficient.numerator < 0;
}

}  // namespace radixmender
