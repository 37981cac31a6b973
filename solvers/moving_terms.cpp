#include "solvers/moving_terms.hpp"

#include <algorithm>
#include <utility>

#include "records/checked.hpp"
#include "solvers/clean_up.hpp"
#include "solvers/numbers.hpp"
#include "solvers/rearranging.hpp"

namespace radixmender {

namespace {

using Terms = std::vector<Monomial>;

// The index of the first term of `exponent`; the number of terms when none.
std::size_t firstIndex(const Terms& terms, std::uint64_t exponent) {
    return static_cast<std::size_t>(
        std::find_if(terms.begin(), terms.end(),
                     [exponent](const Monomial& m) { return m.exponent == exponent; }) -
        terms.begin());
}

// The term with its numerator negated; nothing else changes.
Monomial opposite(Monomial term) {
    term.coefficient.numerator = checkedNeg(term.coefficient.numerator);
    return term;
}

// `term` right after index `index`, or at the end when that is the last term
// or there is none.
Polynomial insertedAfter(Terms terms, std::size_t index, const Monomial& term) {
    terms.insert(terms.begin() + static_cast<std::ptrdiff_t>(std::min(index + 1, terms.size())), term);
    return Polynomial(std::move(terms));
}

// Without term `index`; the zero side when nothing is left.
Polynomial removedAt(Terms terms, std::size_t index) {
    terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(index));
    return terms.empty() ? zeroSide() : Polynomial(std::move(terms));
}

// Term `index` passed through `mark` when `colored`.
template <class F>
Terms markedAt(Terms terms, std::size_t index, bool colored, F mark) {
    if (colored) terms[index] = mark(terms[index]);
    return terms;
}

Monomial redTerm(const Monomial& m) { return m.recolored(Color::red); }

Monomial redCoefficient(Monomial m) {
    m.coefficient = m.coefficient.recolored(Color::red);
    return m;
}

PolyEquation blackAndCombined(const PolyEquation& e) {
    return combiningLikeTerms(recolored(e, Color::black, Color::black, Color::black), false).equation;
}

std::string takeRight(const std::string& v) {
    return "\ntaking " + v + "-terms to the\nright hand side to get a\n(positive)" + v +
           "\n\nconsider exchanging sides";
}
std::string exchangeFirst(const std::string& v) {
    return "\nexchanging sides first as\nan alternative to taking\n" + v + "-terms to the right\nhand side";
}
std::string considerRight(const std::string& v) {
    return "\nconsider taking " + v + "-terms\nto the right hand side\nto get (positive)" + v +
           "\n\nor exchange sides";
}
std::string takeLeft(const std::string& v) {
    return "\ntaking " + v + "-term to the\nleft hand side to get a\n(positive)" + v;
}

// A variable term on each side: one of them crosses to the other.
TransposedVariableTerms bothSidesVariable(const PolyEquation& e, std::size_t iL, std::size_t iR,
                                          bool constants, const std::string& v, Technique technique,
                                          bool colored, Method method, RandomSource& random) {
    const Terms &L = e.LHS.terms, &R = e.RHS.terms;
    const Rational d = unwrapped(subtracting(L[iL].coefficient, R[iR].coefficient));
    bool targetLeft = true, exchange = false;
    std::optional<std::string> advice;
    if (!constants) {
        targetLeft = firstIndex(L, 0) == L.size();
    } else if (d.numerator < 0 && method == Method::standard) {
        advice = considerRight(v);
    } else if (d.numerator < 0) {
        targetLeft = false;
        exchange = random.uniform(1, 5) == 1;
        advice = exchange ? exchangeFirst(v) : takeRight(v);
    }
    const Terms &source = targetLeft ? R : L, &target = targetLeft ? L : R;
    const std::size_t s = targetLeft ? iR : iL, t = targetLeft ? iL : iR;
    const Terms markedSource = markedAt(source, s, colored, redTerm);
    const Monomial moved = colored ? redTerm(opposite(source[s])) : opposite(source[s]);
    const Polynomial newSource =
        technique == Technique::balance ? insertedAfter(source, s, moved) : removedAt(source, s);
    const Polynomial newTarget = insertedAfter(target, t, moved);

    if (exchange) {
        const Relation r = reversed(e.relation);
        const Color rc = colored && e.relation != Relation::equal_to ? Color::red : Color::black;
        const PolyEquation after(newTarget, newSource, r);
        return {{PolyEquation(e.LHS, e.RHS, e.relation), PolyEquation(e.RHS, Polynomial(markedSource), r, rc),
                 after, blackAndCombined(after)},
                advice};
    }
    const auto placed = [&](Polynomial targetSide, Polynomial sourceSide) {
        return targetLeft ? PolyEquation(std::move(targetSide), std::move(sourceSide), e.relation)
                          : PolyEquation(std::move(sourceSide), std::move(targetSide), e.relation);
    };
    const PolyEquation after = placed(newTarget, newSource);
    return {{placed(Polynomial(target), Polynomial(markedSource)), after, blackAndCombined(after)}, advice};
}

// The only variable term stands on the right, negative: it crosses to the left.
TransposedVariableTerms fromTheRight(const PolyEquation& e, std::size_t r, const std::string& v,
                                     Technique technique, bool colored) {
    const Terms &L = e.LHS.terms, &R = e.RHS.terms;
    const Color c = colored ? Color::red : Color::black;
    const Rational minus(checkedNeg(R[r].coefficient.numerator), R[r].coefficient.denominator, c, c, c);
    const bool leftIsZero = L.at(0).coefficient.numerator == 0;
    Terms newLeft{Monomial(minus, 1, v, c)};
    if (!leftIsZero) newLeft.insert(newLeft.end(), L.begin(), L.end());
    const Monomial rightOpposite(minus, 1, v, Color::red);
    // The opposite follows the variable term when it leads, else it closes
    // the side; every other term is carried.
    const Polynomial balancedRight =
        r == 0 ? insertedAfter(R, 0, rightOpposite) : insertedAfter(R, R.size(), rightOpposite);
    const Terms markedRight = markedAt(R, r, colored, redTerm);
    const Polynomial transposedRight = removedAt(markedRight, r);

    std::vector<PolyEquation> equations{PolyEquation(e.LHS, Polynomial(markedRight), e.relation)};
    if (technique == Technique::balance) {
        equations.emplace_back(Polynomial(newLeft), balancedRight, e.relation);
        equations.push_back(recolored(PolyEquation(Polynomial(newLeft), transposedRight, e.relation),
                                      Color::black, Color::black, Color::black));
    } else {
        equations.emplace_back(Polynomial(newLeft), transposedRight, e.relation);
    }
    return {std::move(equations), leftIsZero ? std::nullopt : std::optional<std::string>(takeLeft(v))};
}

}  // namespace

std::optional<TransposedVariableTerms> transposeAdvice(const PolyEquation& e, Technique technique,
                                                       bool colored, Method method, RandomSource& random) {
    const Terms &L = e.LHS.terms, &R = e.RHS.terms;
    const std::size_t iL = firstIndex(L, 1), iR = firstIndex(R, 1);
    const bool hasL = iL < L.size(), hasR = iR < R.size();
    const std::string v = hasL ? L[iL].variable : hasR ? R[iR].variable : rawValue(Var::x);
    const bool constL = firstIndex(L, 0) < L.size(), constR = firstIndex(R, 0) < R.size();
    if (hasL && hasR)
        return bothSidesVariable(e, iL, iR, constL && constR, v, technique, colored, method, random);
    if (hasR && constR && R[iR].coefficient.numerator < 0 &&
        (method == Method::smart || L.at(0).coefficient.numerator == 0))
        return fromTheRight(e, iR, v, technique, colored);
    return std::nullopt;
}

EditedTerms editTermsStep(const PolyEquation& equation, Technique technique, bool colored) {
    const PolyEquation W = recolored(equation, Color::black, Color::black, Color::black);
    const auto holdsBoth = [](const Terms& side) {
        return firstIndex(side, 1) < side.size() && firstIndex(side, 0) < side.size();
    };
    const bool sourceLeft = holdsBoth(W.LHS.terms);
    if (!sourceLeft && !holdsBoth(W.RHS.terms)) return {W, W, W, false};

    const Terms &source = sourceLeft ? W.LHS.terms : W.RHS.terms,
                &destination = sourceLeft ? W.RHS.terms : W.LHS.terms;
    const std::size_t s = firstIndex(source, 0), t = firstIndex(destination, 0);
    const Monomial moved = colored ? redCoefficient(opposite(source[s])) : opposite(source[s]);
    const Polynomial newSource =
        technique == Technique::balance ? insertedAfter(source, s, moved) : removedAt(source, s);
    const Polynomial newDestination = insertedAfter(destination, t, moved);
    const auto placed = [&](Polynomial sourceSide, Polynomial destinationSide) {
        return sourceLeft ? PolyEquation(std::move(sourceSide), std::move(destinationSide), W.relation)
                          : PolyEquation(std::move(destinationSide), std::move(sourceSide), W.relation);
    };
    const PolyEquation second = placed(newSource, newDestination);
    return {placed(Polynomial(markedAt(source, s, colored, redCoefficient)), Polynomial(destination)), second,
            recolored(second, Color::black, Color::black, Color::black), true};
}

}  // namespace radixmender
