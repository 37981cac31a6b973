#include "tests/support/model_check.hpp"

#include "tests/support/record_check.hpp"

namespace radixmender::testing {

std::vector<std::string> commentsOf(const ModelOutput& output) {
    std::vector<std::string> texts;
    for (const Comment& c : output.detailComments) texts.push_back(c.at(0));
    return texts;
}

std::vector<std::string> describeLines(const Step& step) {
    std::vector<std::string> lines;
    for (const Record& line : step) lines.push_back(describeRecord(line));
    return lines;
}

std::vector<std::string> splitLines(const std::string& lines) {
    const std::string separator = " | ";
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = lines.find(separator, from)) != std::string::npos;
         from = at + separator.size())
        out.push_back(lines.substr(from, at - from));
    out.push_back(lines.substr(from));
    return out;
}

std::string oopsMessage(const ModelOutput& output) {
    for (std::size_t s = 0; s < output.detailComments.size(); ++s)
        if (output.detailComments[s].at(0) == "oops")
            return decodeRecord(output.detailSteps.at(s).back()).values.at(0);
    return "";
}

std::optional<SurdValue> problemValue(std::int64_t a,
                                      const std::vector<std::pair<std::int64_t, std::int64_t>>& terms) {
    SurdValue denominator;
    for (const auto& [k, r] : terms) {
        if (r < 0) return std::nullopt;
        denominator = denominator + SurdValue(k) * SurdValue::root(r);
    }
    if (denominator.isZero()) return std::nullopt;
    return SurdValue(a) / denominator;
}

}  // namespace radixmender::testing
