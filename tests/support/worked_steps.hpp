#pragma once
// A solver's worked solution as one text, to pin it whole (every comment, and
// every line with its colours, in order):
//
//     EXPECT_EQ(describeSteps(solveQuadratic(e, method, options)), R"-([🤔]
//     ("x²" = "0")
//     [square root and solve] …1
//     ("x" = "0")
//     ...
//     )-");
//
// Each step is a row "[comments]" (several parted by "|"), with " …n" when its
// first n lines are those of the step before, then its other lines one a row
// as `describeRecord` writes them.
#include <cstddef>
#include <string>

#include "solvers/solver_result.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender::testing {

inline std::string describeSteps(const SolverResult& r) {
    std::string text;
    for (std::size_t i = 0; i < r.steps.size(); ++i) {
        const Step& lines = r.steps[i];
        std::size_t same = 0;
        while (i > 0 && same < lines.size() && same < r.steps[i - 1].size() &&
               lines[same] == r.steps[i - 1][same])
            ++same;
        std::string comment;
        for (const std::string& c : r.comments.at(i)) comment += (comment.empty() ? "" : "|") + c;
        text += "[" + comment + "]" + (same > 0 ? " …" + std::to_string(same) : "") + "\n";
        for (std::size_t j = same; j < lines.size(); ++j) text += describeRecord(lines[j]) + "\n";
    }
    return text;
}

}  // namespace radixmender::testing
