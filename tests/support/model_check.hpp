#pragma once
// Helpers shared by the model tests: the comments and drawn lines of an
// output in readable form, the exact value a problem must keep, and the share
// of a sweep that sanitized builds run.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/types.hpp"
#include "tests/support/line_value.hpp"

namespace radixmender::testing {

// Sanitized builds look for memory and undefined-behaviour faults, which
// every path shows at once, so the sweeps take a part of their sample there.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

// The first comment of every step.
std::vector<std::string> commentsOf(const ModelOutput& output);

// `describeRecord` of every line of a step.
std::vector<std::string> describeLines(const Step& step);

// Expected lines written as one text, separated by " | ".
std::vector<std::string> splitLines(const std::string& lines);

// The message of the "oops" step, or "" when there is none.
std::string oopsMessage(const ModelOutput& output);

// a / Σ k·√r over the (k, r) terms; none when a radicand is negative or the
// denominator is zero.
std::optional<SurdValue> problemValue(std::int64_t a,
                                      const std::vector<std::pair<std::int64_t, std::int64_t>>& terms);

}  // namespace radixmender::testing
