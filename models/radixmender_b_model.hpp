#pragma once
// Form B: a/(b + c√d) ("whole first") and a/(b√c + d) ("radical first").
#include <cstdint>
#include <optional>
#include <string>

#include "models/shapes.hpp"
#include "records/types.hpp"

namespace radixmender {

inline constexpr const char kTemplateWholeFirst[] = "a/(b + c\u221Ad)";
inline constexpr const char kTemplateRadicalFirst[] = "a/(b\u221Ac + d)";

struct Radixmender_B_Model {
    std::int64_t a = 0;
    std::int64_t b = 0;
    std::int64_t c = 0;
    std::int64_t d = 0;
    std::string template_ = kTemplateWholeFirst;  // "template" is a C++ keyword
    std::string order = shapes::kOrderBefore;

    [[nodiscard]] ModelOutput steps(const std::string& context = shapes::kApplication) const;
    [[nodiscard]] ModelOutput stepsWholeFirst(const std::string& context) const;
    [[nodiscard]] ModelOutput stepsRadicalFirst(const std::string& context) const;

    // a/(b + c√d)
    static std::optional<StepResult> simplifyStepWholeFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                            std::int64_t d, bool continued);
    static std::optional<StepResult> simplifyRadicalStepWholeFirst(std::int64_t a, std::int64_t b,
                                                                   std::int64_t c, std::int64_t d,
                                                                   bool continued);
    static StepResult multiplyByConjugateStepWholeFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                        std::int64_t d, const std::string& order,
                                                        bool continued);
    static StepResult simplifyResultStepWholeFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                   std::int64_t d, const std::string& order);
    static std::optional<StepResult> simplifyResultRadicalStepWholeFirst(std::int64_t a, std::int64_t b,
                                                                         std::int64_t c, std::int64_t d);
    static StepResult summaryStepWholeFirst(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                            const Record& leadingLines);

    // a/(b√c + d)
    static std::optional<StepResult> simplifyStepRadicalFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                              std::int64_t d, bool continued);
    static std::optional<StepResult> simplifyRadicalStepRadicalFirst(std::int64_t a, std::int64_t b,
                                                                     std::int64_t c, std::int64_t d,
                                                                     bool continued);
    static StepResult multiplyByConjugateStepRadicalFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                          std::int64_t d, const std::string& order,
                                                          bool continued);
    static StepResult simplifyResultStepRadicalFirst(std::int64_t a, std::int64_t b, std::int64_t c,
                                                     std::int64_t d, const std::string& order);
    static std::optional<StepResult> simplifyResultRadicalStepRadicalFirst(std::int64_t a, std::int64_t b,
                                                                           std::int64_t c, std::int64_t d);
    static StepResult summaryStepRadicalFirst(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                              const Record& leadingLines);
};

}  // namespace radixmender
