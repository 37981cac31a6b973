#pragma once
// The step-record vocabulary: a record is rows of texts, a step is the lines
// drawn one under the other, and a model answers with steps, comments and
// parameters.
#include <string>
#include <vector>

#include "records/record.hpp"
#include "records/row.hpp"

namespace radixmender {

using Step = std::vector<Record>;
using Steps = std::vector<Step>;
using Comment = std::vector<std::string>;
using Comments = std::vector<Comment>;
using Parameters = std::vector<std::string>;

// One step as a builder returns it: its lines and its one-string comment list.
struct StepResult {
    Step lines;
    Comment comments;
    bool operator==(const StepResult&) const = default;
};

// What every model's `steps` returns.
struct ModelOutput {
    Steps detailSteps;
    Comments detailComments;
    Parameters detailParameters;
    bool operator==(const ModelOutput&) const = default;
};

}  // namespace radixmender
