#pragma once
// The record of an equation, written once while it stays the same: a solver
// that restates the equation it is working on (the line before a stage, the
// line after it, the next stage's line before) shares one record instead of
// writing equal ones again.
#include <array>
#include <cstddef>
#include <optional>

#include "algebra/algebra_records.hpp"
#include "algebra/equation.hpp"
#include "algebra/solver_vocabulary.hpp"
#include "records/types.hpp"
#include "solvers/parentheses_records.hpp"

namespace radixmender {

// Whether two equations are written alike: every field the record shows
// equal as stored (1/2 and 2/4 differ, and so do colours).
bool writtenAlike(const PolyEquation& a, const PolyEquation& b);
bool writtenAlike(const Ext_polyEquation& a, const Ext_polyEquation& b);

// Remembers the records of the last few equations it wrote in one style.
template <class Equation>
class EquationLines {
public:
    explicit EquationLines(Style style) : style_(style) {}

    Record operator()(const Equation& equation) {
        for (const std::optional<Entry>& entry : recent_)
            if (entry && writtenAlike(entry->equation, equation)) return entry->record;
        Record written = record(equation, style_);
        recent_[next_] = Entry{equation, written};
        next_ = (next_ + 1) % recent_.size();
        return written;
    }

private:
    struct Entry {
        Equation equation;
        Record record;
    };
    Style style_;
    std::array<std::optional<Entry>, 4> recent_;
    std::size_t next_ = 0;
};

}  // namespace radixmender
