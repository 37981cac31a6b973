#pragma once
// Helpers for the form B tests: a compact plain text of a line, so that
// expectations read like the mathematics they check, and a check that the
// last working line is fully reduced.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/types.hpp"

namespace radixmender::form_b_test {

inline constexpr const char kWholeFirst[] = "a/(b + c\u221Ad)";
inline constexpr const char kRadicalFirst[] = "a/(b\u221Ac + d)";
inline constexpr const char kBeforeOption[] = "simplify \u221A before";
inline constexpr const char kAfterOption[] = "simplify \u221A after";

// Plain text of a line: integers, [p/q] for rationals, √n, (x), -x, factors
// side by side for "🖇", {x / y} for fractions, "x + y", "x − y", "x = y",
// "x∙y", "x^y", messages as their text, "" for a blank line. With `marks`, a
// red item carries "*" and a clear one "~" right after its own sign, so
// "= {3 / 2(*√*3 +* 2*)}" is a black fraction over a red bracket.
std::string render(const Record& line, bool marks = false);
std::vector<std::string> render(const Step& step, bool marks = false);

// None when the line reads "= N(K)" over E with E ≥ 2 (or no bar), N an
// integer coprime to E, K a sum of two coprime terms whose first is positive
// and whose radicand is square-free; otherwise what is wrong.
std::optional<std::string> reducedWorkingFault(const Record& line);

}  // namespace radixmender::form_b_test
