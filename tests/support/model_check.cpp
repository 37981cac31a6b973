#include "tests/support/model_check.hpp"

#include <algorithm>

#include "records/literals.hpp"
#include "records/writers.hpp"
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

std::optional<SurdValue> problemValue(std::int64_t a, const Terms& terms) {
    SurdValue denominator;
    for (const auto& [k, r] : terms) {
        if (r < 0) return std::nullopt;
        denominator = denominator + SurdValue(k) * SurdValue::root(r);
    }
    if (denominator.isZero()) return std::nullopt;
    return SurdValue(a) / denominator;
}

namespace {

using Failure = ::testing::AssertionResult;

// The message a problem without a value must show.
std::string errorMessage(const Terms& terms) {
    const auto negative = [](const auto& t) { return t.second < 0; };
    const auto vanished = [](const auto& t) { return t.first == 0 || t.second == 0; };
    if (std::any_of(terms.begin(), terms.end(), negative)) return "\u221A of negative number";
    if (std::all_of(terms.begin(), terms.end(), vanished)) return "division by zero";
    return "denominator evaluates to zero";
}

// Without its "..." and with the "= " of its first line black, as a
// continuation restates a step that opens the working in application.
Step asContinued(Step step) {
    if (step.at(0) == makeMessageRecord(text::kEllipsis)) step.erase(step.begin());
    Record& line = step.at(0);
    const auto kind = static_cast<std::size_t>(std::stoll(line.at(0).at(1)));
    if (line.at(kind) == Row{"unary", text::kEqualsPrefix}) line.at(kind + 2).at(1) = "black";
    return step;
}

// Outside application: the application's steps but its opening and summary;
// the first may leave the problem line out.
Failure continuesTheApplication(const ModelOutput& module, const ModelOutput& application) {
    const std::vector<std::string> all = commentsOf(application);
    if (commentsOf(module) != std::vector<std::string>(all.begin() + 1, all.end() - 1))
        return ::testing::AssertionFailure() << "its comments are not the application's working";
    for (std::size_t s = 0; s < module.detailSteps.size(); ++s) {
        const Step step = asContinued(module.detailSteps[s]),
                   working = asContinued(application.detailSteps[s + 1]);
        if (step != working && (s > 0 || step != Step(working.begin() + 1, working.end())))
            return ::testing::AssertionFailure() << "step " << s << " is not the application's";
    }
    return ::testing::AssertionSuccess();
}

// A line with every colour black, so that lines can be compared by their mathematics.
Record uncoloured(Record line) {
    for (Row& row : line)
        if (row.size() > 1 && row[0].size() > 6 && row[0].ends_with("_color"))
            std::fill(row.begin() + 1, row.end(), "black");
    return line;
}

// The last line of a step that is no note (a message or a blank line).
const Record& lastWorkingLine(const Step& step) {
    for (auto line = step.rbegin(); line != step.rend(); ++line) {
        const std::string& kind = line->at(static_cast<std::size_t>(std::stoll(line->at(0).at(1)))).at(0);
        if (kind != "message" && kind != "BLANK") return *line;
    }
    return step.front();
}

// Every step that continues ("...") restates the line the step before it ended with.
Failure restatesWhereTheLastStepEnded(const ModelOutput& out) {
    const Steps& steps = out.detailSteps;
    for (std::size_t s = 1; s < steps.size(); ++s)
        if (steps[s].size() > 1 && steps[s][0] == makeMessageRecord(text::kEllipsis) &&
            uncoloured(steps[s][1]) != uncoloured(lastWorkingLine(steps[s - 1])))
            return ::testing::AssertionFailure()
                   << "step " << s << " does not restate where step " << s - 1 << " ended";
    return ::testing::AssertionSuccess();
}

Failure check(const ModelProblem& p, const std::string& context, bool validate,
              std::set<std::string>* paths) {
    const bool application = context == "application";
    StructureOptions options{{"advisory"}, validate};
    if (!application) options.exemptComments.push_back("radicals are same");
    const ModelOutput out = p.steps(context);
    if (auto r = HasModelStructure(out, context, options); !r) return r;
    if (paths != nullptr)
        for (const Comment& c : out.detailComments) paths->insert(c[0]);
    if (auto r = restatesWhereTheLastStepEnded(out); !r) return r;
    if (p.handOver && out != p.handOver(context))
        return ::testing::AssertionFailure() << "it is not the simpler model's solution";

    const auto value = problemValue(p.numerator, p.terms);
    if (value) {
        if (IsErrorOutput(out)) return ::testing::AssertionFailure() << "an error for a problem with a value";
        if (auto r = EveryLineHasValue(out, *value); !r) return r;
        if (application)
            if (auto r = HasCanonicalAnswer(out, *value); !r) return r;
    } else {
        const std::string message = oopsMessage(out);
        if (message != errorMessage(p.terms))
            return ::testing::AssertionFailure() << "the error reads \"" << message << "\"";
        if (paths != nullptr) paths->insert(message);
    }
    if (application) return ::testing::AssertionSuccess();
    return continuesTheApplication(out, p.steps("application"));
}

}  // namespace

::testing::AssertionResult checkSolution(const ModelProblem& problem, const std::string& context,
                                         bool validateRecords, std::set<std::string>* paths) {
    Failure result = check(problem, context, validateRecords, paths);
    if (!result) result << "\n  in " << problem.name << ", " << context;
    return result;
}

}  // namespace radixmender::testing
