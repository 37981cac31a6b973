#include "algebra/solver_vocabulary.hpp"

#include <array>

#include "records/literals.hpp"

namespace radixmender {

namespace {

// Raw texts in case order; the enums number their cases from 0.
constexpr std::array<std::string_view, 3> kVars = {"x", "y", "z"};
constexpr std::array<std::string_view, 2> kMethods = {"standard", "smart"};
constexpr std::array<std::string_view, 3> kStyles = {text::kStyleFraction, text::kStyleRationalFraction,
                                                     "show as decimal"};
constexpr std::array<std::string_view, 2> kTechniques = {"balance", "transpose"};
constexpr std::array<std::string_view, 3> kStatuses = {
    "valid solution", "TRUE, solution is all values of variable", "FALSE, no solution"};
constexpr std::array<std::string_view, 5> kQuadraticStatuses = {
    "repeated rational solution", "distinct rational solutions", "repeated irrational solution",
    "distinct irrational solutions", "no solution"};
constexpr std::array<std::string_view, 3> kQuadraticMethods = {"factor", "formula", "complete the square"};

template <class E, std::size_t N>
std::string textOf(const std::array<std::string_view, N>& texts, E value) {
    return std::string(texts.at(static_cast<std::size_t>(value)));
}

template <class E, std::size_t N>
std::optional<E> caseOf(const std::array<std::string_view, N>& texts, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (texts[i] == text) return static_cast<E>(i);
    return std::nullopt;
}

}  // namespace

std::string rawValue(Var value) { return textOf(kVars, value); }
std::string rawValue(Method value) { return textOf(kMethods, value); }
std::string rawValue(Style value) { return textOf(kStyles, value); }
std::string rawValue(Technique value) { return textOf(kTechniques, value); }
std::string rawValue(Status value) { return textOf(kStatuses, value); }
std::string rawValue(Quadratic_status value) { return textOf(kQuadraticStatuses, value); }
std::string rawValue(Quadratic_method value) { return textOf(kQuadraticMethods, value); }
std::int64_t rawValue(Category value) { return static_cast<std::int64_t>(value); }

std::optional<Var> varFromRawValue(std::string_view text) { return caseOf<Var>(kVars, text); }
std::optional<Method> methodFromRawValue(std::string_view text) { return caseOf<Method>(kMethods, text); }
std::optional<Style> styleFromRawValue(std::string_view text) { return caseOf<Style>(kStyles, text); }
std::optional<Technique> techniqueFromRawValue(std::string_view text) {
    return caseOf<Technique>(kTechniques, text);
}
std::optional<Status> statusFromRawValue(std::string_view text) { return caseOf<Status>(kStatuses, text); }
std::optional<Quadratic_status> quadraticStatusFromRawValue(std::string_view text) {
    return caseOf<Quadratic_status>(kQuadraticStatuses, text);
}
std::optional<Quadratic_method> quadraticMethodFromRawValue(std::string_view text) {
    return caseOf<Quadratic_method>(kQuadraticMethods, text);
}

std::optional<Category> categoryFromRawValue(std::int64_t value) {
    if (value < -1 || value > 3) return std::nullopt;
    return static_cast<Category>(value);
}

}  // namespace radixmender
