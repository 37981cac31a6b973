#pragma once
// The box grid of monomials: each cell shows a term by its numerator,
// exponent and variable (the denominator and the monomial's colours are not
// shown; the caller's colours colour the cells).
#include <string>
#include <vector>

#include "algebra/monomial.hpp"
#include "records/types.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {

Record makeBoxGridRecord(const std::vector<Monomial>& terms, const std::vector<Color>& colors,
                         const std::string& tag);

}  // namespace radixmender
