#include "solvers/solution_record.hpp"

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "algebra/algebra_records.hpp"
#include "records/checked.hpp"
#include "records/integers.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"
#include "solvers/numbers.hpp"

namespace radixmender {

namespace {

Record message(const std::string& text) { return makeMessageRecord(text); }

double quotient(const Rational& r) {
    return static_cast<double>(r.numerator) / static_cast<double>(r.denominator);
}

// a ± |b|·R, or b·R alone for a = 0, with "1" never written before R. `a`
// and the magnitude of b are records already; `bIsOne` and `negative` tell
// the sign and size of b.
Record piecesWithRadical(std::optional<Record> a, bool bIsOne, bool negative, Record magnitudeOfB,
                         Record signedB, Record radical) {
    if (!a) {
        if (bIsOne) return negative ? makeUnaryRecord(text::kHyphenMinus, std::move(radical)) : radical;
        return makeJoinRecord(text::kPaperclip, std::move(signedB), std::move(radical));
    }
    const char* sign = negative ? text::kMinusSign : text::kPlus;
    if (bIsOne) return makeJoinRecord(sign, std::move(*a), std::move(radical));
    return makeJoinRecord(sign, std::move(*a),
                          makeJoinRecord(text::kPaperclip, std::move(magnitudeOfB), std::move(radical)));
}

}  // namespace

Record record(const Quadratic_solution& s, Style style) {
    const Record radical = makeUnaryRecord(text::kRadical, message(std::to_string(s.c)));
    switch (style) {
        case Style::decimal:
            return message(formatG8(quotient(s.a) + quotient(s.b) * std::sqrt(static_cast<double>(s.c))));
        case Style::fraction: {
            if (s.b == Rational(0, 1)) return record(s.a, false, Style::fraction);
            const bool unit = s.b == Rational(1, 1) || s.b == Rational(-1, 1);
            std::optional<Record> a;
            if (!(s.a == Rational(0, 1))) a = record(s.a, false, Style::fraction);
            // The magnitude is needed only beside a non-zero a, and then b's sign must be known.
            const bool negative = unit ? s.b == Rational(-1, 1) : a && unwrapped(s.b.isNegative());
            Record magnitude = a && !unit
                                   ? record(negative ? unwrapped(s.b.negated()) : s.b, false, Style::fraction)
                                   : Record{};
            return piecesWithRadical(std::move(a), unit, negative, std::move(magnitude),
                                     record(s.b, false, Style::fraction), radical);
        }
        case Style::rational_fraction: {
            const std::int64_t L = lcm(s.a.denominator, s.b.denominator);
            const std::int64_t A = checkedMul(s.a.numerator, checkedDiv(L, s.a.denominator));
            const std::int64_t B = checkedMul(s.b.numerator, checkedDiv(L, s.b.denominator));
            if (B == 0) return record(s.a, false, Style::rational_fraction);
            std::optional<Record> a;
            if (A != 0) a = message(std::to_string(A));
            Record numerator = piecesWithRadical(std::move(a), B == 1 || B == -1, B < 0,
                                                 message(std::to_string(B < 0 ? checkedNeg(B) : B)),
                                                 message(std::to_string(B)), radical);
            if (L == 1) return numerator;
            return makeJoinRecord(text::kSlash, std::move(numerator), message(std::to_string(L)));
        }
    }
    throw std::invalid_argument("unknown style");
}

std::optional<Record> solutionsLine(const std::string& variable, const QuadraticAnalysis& analysis,
                                    Style irrationalStyle) {
    const Quadratic_status status = analysis.status;
    if (status == Quadratic_status::none) return std::nullopt;
    if (status == Quadratic_status::rational_repeated)
        return sideBySide(message(variable + " = "), record(unwrapped(analysis.first), Style::fraction));
    const Style style = status == Quadratic_status::rational_distinct ? Style::fraction : irrationalStyle;
    return sideBySide(message(variable + " = "), record(unwrapped(analysis.first), style), message(" or "),
                      message(variable + " = "), record(unwrapped(analysis.second), style));
}

}  // namespace radixmender
