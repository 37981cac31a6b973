#include "algebra/polynomial.hpp"

#include "records/vocabulary.hpp"

namespace radixmender {

Polynomial::Polynomial(std::vector<Monomial> list) : terms(std::move(list)) {}

bool Polynomial::operator==(const Polynomial& other) const { return terms == other.terms; }

Term::Term(Monomial m, std::pair<bool, std::uint64_t> sub, Color color)
    : monomial(std::move(m)), sub_exp(sub), sub_exp_parenthesis_color(color) {}

bool Term::operator==(const Term& other) const {
    return monomial == other.monomial && !sub_exp.first && !other.sub_exp.first;
}

Ext_polynomial::Ext_polynomial(std::vector<std::vector<Term>> lists) : terms(std::move(lists)) {}

std::string polynomialText(const std::vector<TermText>& terms, bool omittingZeroTerms) {
    std::vector<TermText> kept;
    for (const TermText& t : terms)
        if (!omittingZeroTerms || t.coeff != "0") kept.push_back(t);
    if (omittingZeroTerms && kept.empty()) kept.push_back({"0", "0"});

    std::string text;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        std::string coeff = kept[i].coeff;
        const std::string& expt = kept[i].expt;
        const bool minus = !coeff.empty() && coeff[0] == '-';
        const std::string variable = expt == "0" ? "" : expt == "1" ? "x" : "x" + superscriptDigit(expt);
        if (i > 0) {
            if (minus) coeff.erase(0, 1);
            if (coeff == "1" && expt != "0") coeff.clear();
            text += minus ? " - " : " + ";
        } else if (expt != "0") {
            if (coeff == "1") coeff.clear();
            if (coeff == "-1") coeff = "-";
        }
        text += coeff + variable;
    }
    return text.empty() ? "0" : text;
}

}  // namespace radixmender
