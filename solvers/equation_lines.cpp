#include "solvers/equation_lines.hpp"

#include <algorithm>

namespace radixmender {

namespace {

// Every field is named, so that a field added to these types stops the build
// here until it is compared too.
bool same(const Rational& a, const Rational& b) {
    const auto& [an, ad, anc, adc, abc] = a;
    const auto& [bn, bd, bnc, bdc, bbc] = b;
    return an == bn && ad == bd && anc == bnc && adc == bdc && abc == bbc;
}

bool same(const Monomial& a, const Monomial& b) {
    const auto& [ac, ae, av, avc] = a;
    const auto& [bc, be, bv, bvc] = b;
    return same(ac, bc) && ae == be && av == bv && avc == bvc;
}

bool same(const Polynomial& a, const Polynomial& b) {
    const auto& [at] = a;
    const auto& [bt] = b;
    return std::equal(at.begin(), at.end(), bt.begin(), bt.end(),
                      [](const Monomial& x, const Monomial& y) { return same(x, y); });
}

}  // namespace

bool writtenAlike(const PolyEquation& a, const PolyEquation& b) {
    const auto& [al, ar, arel, arc] = a;
    const auto& [bl, br, brel, brc] = b;
    return arel == brel && arc == brc && same(al, bl) && same(ar, br);
}

Record EquationLines::operator()(const PolyEquation& equation) {
    for (const std::optional<Entry>& entry : recent_)
        if (entry && writtenAlike(entry->equation, equation)) return entry->record;
    Record written = record(equation, style_);
    recent_[next_] = Entry{equation, written};
    next_ = (next_ + 1) % recent_.size();
    return written;
}

}  // namespace radixmender
