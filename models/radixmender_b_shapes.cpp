#include <utility>

#include "models/radixmender_b_internal.hpp"
#include "records/checked.hpp"
#include "records/literals.hpp"

namespace radixmender::form_b {

using namespace shapes;

std::int64_t leading(Layout layout, std::int64_t whole, std::int64_t coefficient) {
    return layout == Layout::wholeFirst ? whole : coefficient;
}

std::int64_t trailing(Layout layout, std::int64_t whole, std::int64_t coefficient) {
    return layout == Layout::wholeFirst ? coefficient : whole;
}

std::int64_t clearedDenominator(Layout layout, std::int64_t whole, std::int64_t coefficient,
                                std::int64_t radicand) {
    const std::int64_t wholeSquare = checkedMul(whole, whole);
    const std::int64_t radicalSquare = squareTimes(coefficient, radicand);
    return layout == Layout::wholeFirst ? checkedSub(wholeSquare, radicalSquare)
                                        : checkedSub(radicalSquare, wholeSquare);
}

Record inOrder(Layout layout, Record whole, Record radical, std::int64_t trailingSign, Color color) {
    return layout == Layout::wholeFirst ? sum(std::move(whole), std::move(radical), trailingSign, color)
                                        : sum(std::move(radical), std::move(whole), trailingSign, color);
}

Record wholeShown(Layout layout, std::int64_t whole, Color color) {
    return integer(layout == Layout::wholeFirst ? whole : checkedAbs(whole), color);
}

Record radicalShown(Layout layout, std::int64_t coefficient, std::int64_t radicand, Color color) {
    return layout == Layout::wholeFirst ? magnitudeTerm(checkedAbs(coefficient), radicand, color)
                                        : term(coefficient, radicand, color);
}

Record sumShown(Layout layout, std::int64_t whole, std::int64_t coefficient, std::int64_t radicand,
                Color color) {
    return inOrder(layout, wholeShown(layout, whole, color),
                   radicalShown(layout, coefficient, radicand, color), trailing(layout, whole, coefficient),
                   color);
}

Record scaled(std::int64_t magnitude, Record radical) {
    if (magnitude == 1) return radical;
    return product(integer(magnitude), std::move(radical));
}

Record squared(Record x, Color color) { return join(text::kCaret, std::move(x), integer(2, color)); }

Record overLine(Record x, std::int64_t n) { return equalsLine(over(std::move(x), n)); }

}  // namespace radixmender::form_b
