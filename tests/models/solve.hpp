#pragma once
// A problem of any form written as one text, for tables of problems.
#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"

namespace radixmender::testing {

// The output for the problem written as its integers in letter order, three
// for form A, five for form C, four for form B after a word for the template
// ("w" whole first, "r" radical first, anything else as the template itself).
inline ModelOutput solve(const std::string& problem, const std::string& order, const std::string& context) {
    std::istringstream in(problem);
    std::string layout;
    if (!std::isdigit(static_cast<unsigned char>(problem[0])) && problem[0] != '-') in >> layout;
    std::vector<int64_t> v;
    for (int64_t x = 0; in >> x;) v.push_back(x);
    if (v.size() == 3) return Radixmender_A_Model{v[0], v[1], v[2], order}.steps(context);
    if (v.size() == 5) return Radixmender_C_Model{v[0], v[1], v[2], v[3], v[4], order}.steps(context);
    const std::string form = layout == "w"   ? kTemplateWholeFirst
                             : layout == "r" ? kTemplateRadicalFirst
                                             : layout;
    return Radixmender_B_Model{v.at(0), v.at(1), v.at(2), v.at(3), form, order}.steps(context);
}

}  // namespace radixmender::testing
