#pragma once
// What every solver answers: its steps and, in parallel, the comment lines
// of each step (element i belongs to step i; the two lists always have the
// same length).
#include "records/types.hpp"

namespace radixmender {

struct SolverResult {
    Steps steps;
    Comments comments;
};

}  // namespace radixmender
