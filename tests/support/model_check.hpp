#pragma once
// The check every radical-form solution must pass, and helpers shared by the
// model tests: the comments and drawn lines of an output in readable form, and
// the share of a sweep that sanitized builds run.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
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

using Terms = std::vector<std::pair<std::int64_t, std::int64_t>>;  // (k, r) for k√r; r = 1 for a whole

// a / Σ k·√r; none when a radicand is negative or the denominator is zero.
std::optional<SurdValue> problemValue(std::int64_t a, const Terms& terms);

// A problem a/Σ k√r as one model states it.
struct ModelProblem {
    std::string name;  // for failure messages
    std::int64_t numerator = 0;
    Terms terms;
    std::function<ModelOutput(const std::string& context)> steps;
    // The simpler model that answers this problem, when the model hands it over:
    // its output must be this one's exactly.
    std::function<ModelOutput(const std::string& context)> handOver;
};

// What every solution shows, in "application" or any other context:
// the structure of `HasModelStructure`; every step that continues restating
// (colours aside) the last working line of the step before; for a negative radicand, vanished
// terms or a zero denominator the error with its message (in that order of
// precedence), otherwise every line at the problem's value and, in
// application, the canonical answer; the hand-over's output exactly; outside
// application, the application's working without its opening and summary
// (the first step may leave the problem line out or draw its "= " black).
// `validateRecords` decodes every record (the costly part). Every comment and
// error message met is added to `paths` when given.
::testing::AssertionResult checkSolution(const ModelProblem& problem, const std::string& context,
                                         bool validateRecords = true, std::set<std::string>* paths = nullptr);

}  // namespace radixmender::testing
