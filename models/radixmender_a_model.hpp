#pragma once
// Form A, a/(b√c).
#include <cstdint>
#include <optional>
#include <string>

#include "models/shapes.hpp"
#include "records/types.hpp"

namespace radixmender {

struct Radixmender_A_Model {
    std::int64_t a = 0;
    std::int64_t b = 0;
    std::int64_t c = 0;
    std::string order = shapes::kOrderBefore;

    [[nodiscard]] ModelOutput steps(const std::string& context = shapes::kApplication) const;

    // Step builders: pure functions of the integers as entered.
    static std::optional<StepResult> simplifyStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                                  bool continued);
    static std::optional<StepResult> simplifyRadicalStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                                         bool continued);
    static StepResult clearDenominatorStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                           const std::string& order, bool continued);
    static std::optional<StepResult> simplifyResultRadicalStep(std::int64_t a, std::int64_t b,
                                                               std::int64_t c);
    // The closing "😎" step; `leadingLines` (when it has rows) stands in for the problem line.
    static StepResult summaryStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                  const Record& leadingLines = {});
};

}  // namespace radixmender
