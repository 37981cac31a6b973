#include "algebra/algebra_records.hpp"

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "records/checked.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"

namespace radixmender {

namespace {

const char kUnexpectedError[] = "unexpected error";

// The messages this thread wrote last (numbers, variables, signs), shared
// like the terms below.
Record message(const std::string& text, Color color = Color::black) {
    struct Entry {
        std::string text;
        Color color = Color::black;
        std::optional<Record> record;
    };
    static constexpr std::size_t kSlots = 64;
    thread_local std::array<Entry, kSlots> recent;
    std::size_t h =
        std::hash<std::string>{}(text) ^ (static_cast<std::size_t>(color) * 0x9E3779B97F4A7C15ull);
    Entry& entry = recent[(h ^ (h >> 17)) % kSlots];
    if (entry.record && entry.color == color && entry.text == text) return *entry.record;
    Record written = makeMessageRecord(text, color);
    entry.text = text;
    entry.color = color;
    entry.record = written;
    return written;
}

Record join(const char* text, Record left, Record right, Color color = Color::black) {
    return makeJoinRecord(text, std::move(left), std::move(right), color);
}

std::string superscript(std::uint64_t exponent) { return superscriptDigit(std::to_string(exponent)); }

// The variable with its exponent: "x", "x²", "x..." for 10 and more.
std::string variableText(const Monomial& m) {
    return m.exponent == 1 ? m.variable : m.variable + superscript(m.exponent);
}

Record rowsOrMessage(Record r) { return r.empty() ? message(kUnexpectedError) : r; }

Monomial withMagnitude(Monomial m) {
    m.coefficient.numerator = checkedAbs(m.coefficient.numerator);
    return m;
}

Monomial shown(const Monomial& m, std::size_t i) { return shownInSum(m, i); }
Record addTerm(Record sum, std::size_t i, const Monomial& m, Record term) {
    return sumWithTerm(std::move(sum), i, m, std::move(term));
}

class FactoredWriter {
public:
    FactoredWriter(const Polynomial_XL& p, Style style) : p_(p), style_(style), onPath_(p.terms.size()) {}

    // No rows for an empty list.
    Record list(std::uint64_t index) {
        const std::vector<Term_XL>& terms = p_.terms.at(index);
        if (terms.empty()) return {};
        if (onPath_[index]) throw std::invalid_argument("the factor lists of a polynomial form a cycle");
        onPath_[index] = true;
        Record sum;
        for (std::size_t i = 0; i < terms.size(); ++i) {
            const Monomial& m = terms[i].monomial;
            sum = addTerm(std::move(sum), i, m,
                          terms[i].factors.empty() ? record(shown(m, i), style_) : factoredTerm(terms[i], i));
        }
        onPath_[index] = false;
        return sum;
    }

private:
    // "" 🖇 (list) 🖇 (list)^k ...; `first`, when given, is the first list
    // already written.
    Record product(const Term_XL& t, const std::optional<Record>& first) {
        Record p = message("");
        for (const Factor& f : t.factors) {
            Record q =
                makeUnaryRecord(text::kParens, first && &f == &t.factors[0] ? *first : operand(f.pointer),
                                f.parenthesis_color);
            if (f.exponent != 1)
                q = join(text::kCaret, std::move(q),
                         makeIntegerRecord(asInt64(f.exponent), f.exponent_color));
            p = join(text::kPaperclip, std::move(p), std::move(q));
        }
        return p;
    }

    // A list inside another item: an empty one has no row to be named by its
    // parent, so the message stands in for it.
    Record operand(std::uint64_t index) { return rowsOrMessage(list(index)); }

    static std::int64_t asInt64(std::uint64_t v) {
        if (v > static_cast<std::uint64_t>(INT64_MAX)) throw std::overflow_error(kOverflowMessage);
        return static_cast<std::int64_t>(v);
    }

    Record factoredTerm(const Term_XL& t, std::size_t i) {
        // Only a lone factor to the first power may stand without parentheses.
        std::optional<Record> bare;
        if (t.factors.size() == 1 && t.factors[0].exponent == 1) bare = operand(t.factors[0].pointer);
        Record withParentheses = product(t, bare);
        return carrierItem(t.monomial, i, style_, std::move(withParentheses), std::move(bare));
    }

    const Polynomial_XL& p_;
    Style style_;
    std::vector<char> onPath_;
};

}  // namespace

Monomial shownInSum(const Monomial& term, std::size_t position) {
    return position == 0 ? term : withMagnitude(term);
}

Record sumWithTerm(Record sum, std::size_t position, const Monomial& term, Record item) {
    if (position == 0) return item;
    const char* sign = term.coefficient.numerator < 0 ? text::kMinusSign : text::kPlus;
    return join(sign, std::move(sum), std::move(item), term.coefficient.numerator_color);
}

Record carrierItem(const Monomial& m, std::size_t i, Style style, Record product,
                   std::optional<Record> bare) {
    const Rational& c = m.coefficient;
    const Color nc = c.numerator_color;
    if (style == Style::fraction) {
        // A unit coefficient is not written. What counts is the coefficient
        // the term shows after its sign: 1/−1 after a "+" is −1, not 1.
        const Monomial drawn = shownInSum(m, i);
        if (drawn == Monomial(Rational(1, 1), 0)) return product;
        if (i == 0 && drawn == Monomial(Rational(-1, 1), 0))
            return join(text::kPaperclip, message(text::kHyphenMinus, nc), std::move(product));
        return join(text::kPaperclip, record(drawn, style), std::move(product));
    }
    // rational_fraction and decimal: the numerator part, then the denominator.
    const std::int64_t n = c.numerator, d = c.denominator;
    Record term;
    if ((n != 1 && n != -1) || m.exponent != 0) {
        const Monomial top(Rational(i > 0 ? checkedAbs(n) : n, 1, nc, Color::black, Color::black), m.exponent,
                           m.variable, m.variable_color);
        term = join(text::kPaperclip, displayRecord(top, style), std::move(product));
    } else if (i == 0 && n == -1) {
        term = join(text::kPaperclip, message(text::kHyphenMinus, nc), std::move(product));
    } else if ((i > 0 && d == 1) || !bare) {
        term = std::move(product);
    } else {
        term = std::move(*bare);
    }
    if (d == 1) return term;
    const Monomial below(Rational(d, 1, c.denominator_color, Color::black, Color::black), 0);
    return join(text::kSlash, std::move(term), displayRecord(below, style), c.bar_color);
}

Record record(const Rational& value, bool alwaysFraction, Style style) {
    const std::int64_t n = value.numerator, d = value.denominator;
    if (style == Style::decimal)
        return message(formatG8(static_cast<double>(n) / static_cast<double>(d)), value.numerator_color);
    if (!alwaysFraction && d == 1) return message(std::to_string(n), value.numerator_color);
    if (style == Style::rational_fraction)
        return join(text::kSlash, message(std::to_string(n), value.numerator_color),
                    message(std::to_string(d), value.denominator_color), value.bar_color);
    return makeSignedRationalRecord(n, d, value.numerator_color, value.numerator_color,
                                    value.denominator_color, value.bar_color);
}

namespace {

Record written(const Monomial& m, Style style);
Record writtenForDisplay(const Monomial& m, Style style);

// The records of the terms this thread wrote last, by everything a record
// shows: a worked solution writes the same terms line after line, and a copy
// of a record shares its rows (a change to a copy gives it rows of its own).
template <Record (*write)(const Monomial&, Style)>
class RecentTerms {
public:
    Record operator()(const Monomial& m, Style style) {
        Entry& entry = entries_[slot(m, style)];
        if (entry.record && entry.style == style && writtenAlike(entry.term, m)) return *entry.record;
        Record r = write(m, style);
        entry.term = m;
        entry.style = style;
        entry.record = r;
        return r;
    }

private:
    static constexpr std::size_t kSlots = 128;
    static std::size_t slot(const Monomial& m, Style style) {
        const Rational& c = m.coefficient;
        std::uint64_t h = static_cast<std::uint64_t>(c.numerator) * 0x9E3779B97F4A7C15ull;
        h ^= static_cast<std::uint64_t>(c.denominator) * 0xC2B2AE3D27D4EB4Full;
        h ^= (m.exponent << 7) ^ (static_cast<std::uint64_t>(c.numerator_color) << 11) ^
             (static_cast<std::uint64_t>(c.denominator_color) << 15) ^
             (static_cast<std::uint64_t>(c.bar_color) << 19) ^
             (static_cast<std::uint64_t>(m.variable_color) << 23) ^ (static_cast<std::uint64_t>(style) << 27);
        if (!m.variable.empty())
            h ^= static_cast<std::uint64_t>(static_cast<unsigned char>(m.variable[0])) << 31;
        return static_cast<std::size_t>((h ^ (h >> 29) ^ (h >> 43)) % kSlots);
    }
    struct Entry {
        Monomial term;
        Style style = Style::fraction;
        std::optional<Record> record;
    };
    std::array<Entry, kSlots> entries_;
};

}  // namespace

Record record(const Monomial& m, Style style) {
    thread_local RecentTerms<written> recent;
    return recent(m, style);
}

namespace {

Record written(const Monomial& m, Style style) {
    const Rational& c = m.coefficient;
    if (m.exponent == 0) return record(c, false, style);
    const Color nc = c.numerator_color;
    Record variable = message(variableText(m), m.variable_color);
    switch (style) {
        case Style::fraction:
            if (c == Rational(1, 1)) return variable;
            if (c == Rational(-1, 1))
                return join(text::kPaperclip, message(text::kHyphenMinus, nc), std::move(variable));
            return join(text::kPaperclip, record(c, false, Style::fraction), std::move(variable));
        case Style::rational_fraction: {
            const std::int64_t n = c.numerator;
            const std::string coefficient = n == 1 ? "" : n == -1 ? text::kHyphenMinus : std::to_string(n);
            Record top = join(text::kPaperclip, message(coefficient, nc), std::move(variable));
            if (c.denominator == 1) return top;
            return join(text::kSlash, std::move(top),
                        message(std::to_string(c.denominator), c.denominator_color), c.bar_color);
        }
        case Style::decimal: {
            const double q = static_cast<double>(c.numerator) / static_cast<double>(c.denominator);
            const std::string coefficient = q == 1 ? "" : q == -1 ? text::kHyphenMinus : formatG8(q);
            return join(text::kPaperclip, message(coefficient, nc), std::move(variable));
        }
    }
    throw std::invalid_argument("unknown style");
}

}  // namespace

Record displayRecord(const Monomial& m, Style style) {
    if (style != Style::rational_fraction) return record(m, style);
    thread_local RecentTerms<writtenForDisplay> recent;
    return recent(m, style);
}

namespace {

// The rational_fraction pieces of `displayRecord`.
Record writtenForDisplay(const Monomial& m, Style) {
    const Rational& c = m.coefficient;
    const std::uint64_t e = m.exponent;
    const std::int64_t magnitude = checkedAbs(c.numerator);
    auto pieces = makeSegmentedMessageRecord({
        {c.numerator < 0 ? text::kHyphenMinus : "", c.numerator_color},
        {magnitude == 1 && e != 0 ? "" : std::to_string(magnitude), c.numerator_color},
        {e != 0 ? m.variable : "", m.variable_color},
        {e > 1 ? superscript(e) : "", m.variable_color},
    });
    if (!pieces) throw std::invalid_argument("a monomial without a variable");
    if (c.denominator == 1) return std::move(*pieces);
    return join(text::kSlash, std::move(*pieces), message(std::to_string(c.denominator), c.denominator_color),
                c.numerator_color);
}

}  // namespace

Record termsItem(const Polynomial_XL& polynomial, std::uint64_t index, Style style) {
    return FactoredWriter(polynomial, style).list(index);
}

Record item(const Polynomial_XL& polynomial, Style style) {
    if (polynomial.terms.empty()) return message(kUnexpectedError);
    return termsItem(polynomial, polynomial.terms.size() - 1, style);
}

Record operandItem(const Polynomial_XL& polynomial, Style style) {
    return rowsOrMessage(item(polynomial, style));
}

Record record(const Polynomial_Equation_XL& equation, Style style) {
    if (equation.LHS.terms.empty() || equation.RHS.terms.empty()) return message(kUnexpectedError);
    return join(rawValue(equation.relation).c_str(), operandItem(equation.LHS, style),
                operandItem(equation.RHS, style), equation.relation_color);
}

Record record(const Polynomial& polynomial, Style style) {
    if (polynomial.terms.empty()) return message(kUnexpectedError);
    Record sum;
    for (std::size_t i = 0; i < polynomial.terms.size(); ++i) {
        const Monomial& m = polynomial.terms[i];
        sum = addTerm(std::move(sum), i, m, record(shown(m, i), style));
    }
    return sum;
}

Record record(const PolyEquation& equation, Style style) {
    return join(rawValue(equation.relation).c_str(), record(equation.LHS, style), record(equation.RHS, style),
                equation.relation_color);
}

Record record(const PolyEquation::PolyEquationClear& clear, Style style) {
    const auto side = [&](const Polynomial& p) {
        return join(text::kPaperclip, message(std::to_string(clear.factor), clear.factor_color),
                    makeUnaryRecord(text::kParens, record(p, style)));
    };
    return join(rawValue(clear.equation.relation).c_str(), side(clear.equation.LHS),
                side(clear.equation.RHS));
}

}  // namespace radixmender
