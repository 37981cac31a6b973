#include "records/prime_factors.hpp"

#include <stdexcept>

#include "records/checked.hpp"
#include "records/literals.hpp"
#include "records/writers.hpp"

namespace radixmender {

std::optional<std::vector<FactorPair>> primeFactorList(std::int64_t n) {
    if (n <= 1) return std::nullopt;
    const FactorPairs pairs = primeFactorisation(n);
    return std::vector<FactorPair>(pairs.begin(), pairs.end());
}

std::optional<PrimeFactorSummary> primeFactorPairs(std::int64_t n, std::int64_t k) {
    auto pairs = primeFactorList(n);
    if (!pairs) return std::nullopt;
    if (k == 0) throw std::domain_error(kRemainderByZeroMessage);
    PrimeFactorSummary summary{std::move(*pairs), 0, 0, 0};
    summary.distinctPrimes = static_cast<std::int64_t>(summary.pairs.size());
    for (const FactorPair& p : summary.pairs) {
        if (p.exponent >= k) ++summary.exponentsAtLeastK;
        if (checkedRem(p.exponent, k) == 0) ++summary.exponentsMultipleOfK;
    }
    return summary;
}

std::vector<PrimeTreeRow> primeTreeRows(std::int64_t n, const std::vector<FactorPair>& pairs, bool coloured) {
    std::vector<PrimeTreeRow> rows{{1, Color::clear, n, Color::black}};
    std::int64_t quotient = n;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const Color color = !coloured ? Color::black : i % 2 == 0 ? Color::red : Color::blue;
        for (std::int64_t e = 0; e < pairs[i].exponent; ++e) {
            quotient = checkedDiv(quotient, pairs[i].prime);
            rows.push_back({pairs[i].prime, color, quotient, Color::black});
        }
    }
    // Only the first row: there is no row before it to take the last one in.
    if (rows.size() < 2) return {};
    const Color last = rows.back().divisorColor;
    rows.pop_back();
    rows.back().quotientColor = last;
    return rows;
}

Record makeFactorProductRecord(const std::vector<ColoredFactor>& factors) {
    if (factors.empty()) throw std::invalid_argument("a product needs at least one factor");
    std::optional<Record> product;
    for (const ColoredFactor& f : factors) {
        Record term = f.exponent == 1 ? makeIntegerRecord(f.prime, f.color)
                                      : makeJoinRecord(text::kCaret, makeIntegerRecord(f.prime, f.color),
                                                       makeIntegerRecord(f.exponent, f.color), f.color);
        product =
            product ? makeJoinRecord(text::kDot, std::move(*product), std::move(term)) : std::move(term);
    }
    return *product;
}

Record makeFactorisationRecord(const std::vector<FactorPair>& pairs, Color color) {
    return makeAlternatingFactorisationRecord(pairs, color, color);
}

Record makeAlternatingFactorisationRecord(const std::vector<FactorPair>& pairs, Color colorA, Color colorB) {
    std::vector<ColoredFactor> factors;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        factors.push_back({pairs[i].prime, pairs[i].exponent, i % 2 == 0 ? colorA : colorB});
    return makeFactorProductRecord(factors);
}

}  // namespace radixmender
