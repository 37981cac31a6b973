#pragma once
// Form C, a/(b√c + d√e).
#include <cstdint>
#include <optional>
#include <string>

#include "models/shapes.hpp"
#include "records/types.hpp"

namespace radixmender {

struct Radixmender_C_Model {
    std::int64_t a = 0;
    std::int64_t b = 0;
    std::int64_t c = 0;
    std::int64_t d = 0;
    std::int64_t e = 0;
    std::string order = shapes::kOrderBefore;

    [[nodiscard]] ModelOutput steps(const std::string& context = shapes::kApplication) const;

    static std::optional<StepResult> simplifyStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                                  std::int64_t d, std::int64_t e, bool continued);
    static std::optional<StepResult> simplifyRadicalStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                                         std::int64_t d, std::int64_t e, bool continued);
    static StepResult multiplyByConjugateStep(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                              std::int64_t e, const std::string& order, bool continued);
    // Nothing when the conjugate step handed its work to form A (alike radicals).
    static std::optional<StepResult> simplifyResultStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                                        std::int64_t d, std::int64_t e,
                                                        const std::string& order);
    static std::optional<StepResult> simplifyResultRadicalStep(std::int64_t a, std::int64_t b, std::int64_t c,
                                                               std::int64_t d, std::int64_t e);
    static StepResult summaryStep(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                  std::int64_t e, const Record& leadingLines);
};

}  // namespace radixmender
